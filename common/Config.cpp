#include "common/Config.h"

#include "common/ConfigKeys.h"

namespace scorlet {

namespace fs = std::filesystem;

Settings DefaultSettings(bool japanese) {
  Settings settings;
  if (japanese) ApplyJapaneseFileNames(settings);
  return settings;
}

void ApplyJapaneseFileNames(Settings& settings) {
  if (settings.alertPlayersFile == kAlertFileName) settings.alertPlayersFile = kAlertFileNameJa;
  if (settings.historyFile == kHistoryFileName) settings.historyFile = kHistoryFileNameJa;
}

std::optional<KeyLine> ReadKeyLine(std::string_view line) {
  std::string text = Trim(line);
  if (text.empty() || text.front() == '#') return std::nullopt;
  std::size_t equals = text.find('=');
  if (equals == std::string::npos) return std::nullopt;
  std::string_view view(text);
  return KeyLine{Trim(view.substr(0, equals)), Trim(view.substr(equals + 1))};
}

ConfigResult ApplyConfigLines(const std::vector<std::string>& lines, const ConfigContext& context,
                              Settings& settings) {
  ConfigResult result;
  result.file = ReadStatus::Ok;
  for (const std::string& line : lines) {
    std::optional<KeyLine> keyLine = ReadKeyLine(line);
    if (!keyLine || keyLine->key.empty()) continue;
    ConfigValue value;
    value.raw = StripQuotes(keyLine->value);
    value.lowered = LowerText(value.raw);
    value.flag = value.lowered.starts_with('y') || value.lowered == "on";
    value.context = &context;
    if (!ApplyConfigKey(LowerText(keyLine->key), value, settings)) {
      // The rest of the file is not read; what came before stays in force.
      result.illegal = true;
      result.key = keyLine->key;
      result.value = keyLine->value;
      break;
    }
  }
  return result;
}

ConfigResult ReadConfig(const fs::path& fileName, CodePage codePage, const ConfigContext& context,
                        Settings& settings) {
  TextFile file = ReadTextFile(fileName, codePage);
  if (file.status != ReadStatus::Ok) return ConfigResult{file.status, false, "", ""};
  return ApplyConfigLines(file.lines, context, settings);
}

fs::path FindEntryNoCase(const fs::path& folder, std::string_view name) {
  std::error_code error;
  fs::path exact = folder / Utf8Path(name);
  if (fs::symlink_status(exact, error).type() != fs::file_type::not_found) return exact;
  std::string wanted = LowerText(name);
  for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error), end; !error && it != end;
       it.increment(error)) {
    if (LowerText(PathToUtf8(it->path().filename())) == wanted) return it->path();
  }
  return {};
}

fs::path FindConfigFile(const fs::path& folder) {
  for (std::string_view name : {kConfigFileNameJa, kConfigFileName}) {
    if (fs::path path = FindEntryNoCase(folder, name); !path.empty()) return path;
  }
  return {};
}

ConfigResult LoadConfig(CodePage codePage, const ConfigContext& context, Settings& settings) {
  fs::path path = FindConfigFile(context.folder);
  if (path.empty()) return ConfigResult{};
  return ReadConfig(path, codePage, context, settings);
}

std::string IllegalKeywordText(const ConfigResult& result) {
  return "  " + result.key + "=" + result.value + "   " + "Illegal Keyword!";
}

}  // namespace scorlet
