#include "summary/UtilityStart.h"

#include <system_error>

#include "common/Config.h"
#include "common/SafeFile.h"
#include "common/TextUtil.h"
#include "summary/PageOptions.h"
#include "summary/SuitImages.h"
#include "summary/SummaryTexts.h"

namespace scorlet::summary {

namespace {

constexpr double kAbortWaitSeconds = 10;

struct StartState {
  UtilityShell& shell;
  LogSink& log;
  std::string appPath;
  bool japanese = false;

  std::string T(Msg id) const { return std::string(Text(id, japanese)); }
};

StartOutcome AbortRun(StartState& state) {
  state.shell.armEscape();
  state.log.NewLines(1);
  state.log.PrintLine(state.T(Msg::AppPath) + state.appPath);
  state.log.NewLines(2);
  state.log.PrintLine(state.T(Msg::ClickEndOrEsc));
  state.log.NewLines(2);
  state.log.PrintLine(state.T(Msg::Waiting));
  state.shell.waitBeforeEnd(kAbortWaitSeconds);
  return {StartResult::Aborted, {}};
}

void ReportSecondInstance(StartState& state) {
  state.log.NewLines(1);
  state.log.PrintLine(state.T(Msg::SecondStartBefore) + std::string(kProgramFile) +
                      state.T(Msg::SecondStartAfter));
  state.log.NewLines(1);
}

void ReportArchive(StartState& state) {
  if (state.japanese) {
    state.log.PrintLine(state.T(Msg::UnzipLine1));
  } else {
    state.log.PrintLine(state.T(Msg::UnzipLine1) + std::string(kArchiveName) + " before starting ");
  }
  state.log.NewLines(1);
  state.log.PrintLine(state.T(Msg::UnzipLine2Before) + std::string(kProgramFile) +
                      state.T(Msg::UnzipLine2After));
}

// The output folder could not be made: nothing of that name, or something that is not a
// folder is in the way.
void ReportMissing(StartState& state, const std::string& name, const std::string& path,
                   bool notAFolder) {
  state.log.NewLines(1);
  state.log.PrintLine("  " + name);
  state.log.NewLines(1);
  state.log.PrintLine(state.appPath);
  state.log.NewLines(1);
  state.log.PrintLine("   " + path);
  state.log.NewLines(1);
  state.log.PrintLine(state.T(notAFolder ? Msg::NotAFolder : Msg::FileAbsent));
  state.log.NewLines(1);
}

// The notice that the standard settings are in force: no file, or one that cannot be read.
void AbsentIni(StartState& state, bool unreadable) {
  const std::string notFound = state.T(unreadable ? Msg::IniUnreadable : Msg::IniNotFound);
  const std::string file =
      std::string(1, static_cast<char>(std::filesystem::path::preferred_separator)) +
      std::string(kConfigFileName);
  state.log.NewLines(1);
  state.log.PrintLine(state.T(Msg::IniFile));
  state.log.NewLines(1);
  if (state.shell.fitsInLog(state.appPath + file, 0.8)) {
    state.log.PrintLine("  " + state.appPath + file);
    state.log.PrintLine(notFound);
  } else {
    state.log.PrintLine("  " + state.appPath);
    state.log.PrintLine("  " + file + notFound);
  }
  state.log.NewLines(2);
  state.log.PrintLine("  " + std::string(kProgramFile) + state.T(Msg::IniStandard));
  state.log.NewLines(2);
}

std::string JapaneseFont(UtilityShell& shell) {
  return std::string(shell.fontInstalled(kMeiryoFont) ? kMeiryoFont : kMsPGothicFont);
}

// The checks of step 4 and the unknown-key case; false when the run must stop.
bool PassesChecks(StartState& state, const ConfigResult& config,
                  const std::filesystem::path& workFolder) {
  if (state.shell.previousInstance()) {
    ReportSecondInstance(state);
    return false;
  }
  if (IsArchiveOrTempFolder(PathToUtf8(state.shell.appFolder()))) {
    ReportArchive(state);
    return false;
  }
  std::error_code error;
  if (!std::filesystem::is_directory(workFolder, error)) {
    state.log.PrintLine(state.T(Msg::WorkAbsent));
    state.log.NewLines(1);
    return false;
  }
  if (config.illegal) {
    state.log.PrintLine("  " + LogSafe(config.key) + "=" + LogSafe(config.value) + "   " +
                        state.T(Msg::IllegalKeyword));
    state.log.NewLines(1);
    return false;
  }
  return true;
}

}  // namespace

StartOutcome FormLoad(UtilityShell& shell) {
  const std::filesystem::path app = shell.appFolder();
  StartState state{shell, shell.log(), LogSafe(PathToUtf8(app))};
  const CodePage codePage = CodePageOf(shell.ansiCodePage());
  const bool japaneseSystem = codePage == CodePage::Japanese;

  Settings settings = DefaultSettings(false);
  const ConfigResult config = LoadConfig(codePage, ConfigContext{app, 0}, settings);
  state.japanese = settings.jpn && japaneseSystem;
  shell.setLanguage(state.japanese, state.japanese ? JapaneseFont(shell) : "");
  if (settings.backColor) shell.setBackColor(*settings.backColor);

  if (!PassesChecks(state, config, WorkFolderOf(app))) return AbortRun(state);

  const std::string outputName = state.T(Msg::OutputFolder);
  const std::filesystem::path output = app / Utf8Path(outputName);
  std::error_code error;
  std::filesystem::create_directories(output, error);
  if (!std::filesystem::is_directory(output, error)) {
    const bool inTheWay = std::filesystem::exists(std::filesystem::symlink_status(output, error));
    ReportMissing(state, outputName, LogSafe(PathToUtf8(output)), inTheWay);
    return AbortRun(state);
  }
  RemoveStaleTempFiles(output);  // left by a run that ended during a write
  const PageOptions options = PageOptionsFrom(settings, state.japanese);
  if (options.suitMode == SuitMode::Images && !WriteSuitImages(output)) {
    state.log.PrintLine(state.T(Msg::PageFailed) + "C.gif, D.gif, H.gif, S.gif");
  }
  if (config.file != ReadStatus::Ok) AbsentIni(state, config.file == ReadStatus::Unreadable);

  state.log.PrintLine(state.T(Msg::Preparing) +
                      (options.textOutput ? state.T(Msg::PreparingText) : "") +
                      state.T(Msg::PreparingEnd));
  const BatchContext context{WorkFolderOf(app), output, options, codePage, CurrentTimestamp()};
  BatchDriver driver(context, shell.log());
  return {StartResult::Done, driver.RunBatch()};
}

}  // namespace scorlet::summary
