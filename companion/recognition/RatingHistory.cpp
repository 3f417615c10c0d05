#include "companion/recognition/RatingHistory.h"

#include <cstdio>
#include <cstdlib>

#include "common/TextUtil.h"

namespace scorlet::companion {

namespace {

constexpr std::size_t NameWidth = 13;

std::string TwoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

std::string PaddedScore(int score) {
  const std::string text = std::to_string(score);
  return text.size() < 3 ? " " + text : text;
}

// Cut or filled with blanks to 13 characters (a character of any width counts one).
std::string NameColumn(const std::string& name) {
  std::string out;
  std::size_t count = 0;
  for (std::size_t i = 0; i < name.size() && count < NameWidth; ++count) {
    std::size_t length = 1;
    const auto lead = static_cast<unsigned char>(name[i]);
    if (lead >= 0xF0) length = 4;
    else if (lead >= 0xE0) length = 3;
    else if (lead >= 0xC0) length = 2;
    out += name.substr(i, length);
    i += length;
  }
  return out + std::string(NameWidth - count, ' ');
}

}  // namespace

std::string FormatHistoryLine(const HistoryEntry& e) {
  std::string line = e.rating + " ";
  line += std::to_string(e.year) + "/" + TwoDigits(e.month) + "/" + TwoDigits(e.day) + " ";
  line += TwoDigits(e.hour) + ":" + TwoDigits(e.minute) + ":" + TwoDigits(e.second);
  if (e.gameCompleted) {
    if (e.japanese) line += e.won ? " 勝ち" : " 負け";
    else line += e.won ? " Win " : " Lost";
  }
  line += " (" + PaddedScore(e.teamScore0) + "," + PaddedScore(e.teamScore1) + ") ";
  for (const std::string& name : e.names) line += NameColumn(name);
  return line + e.country;
}

int RatingOfHistoryLine(const std::string& line) {
  return std::atoi(line.c_str());
}

bool RobotsAtTable(const std::array<std::string, 4>& names) {
  int robots = 0;
  for (const std::string& name : names)
    if (ContainsNoCase(name, "robot")) ++robots;
  return robots >= 2;
}

HistoryWrite AddHistoryLine(const std::filesystem::path& file, const std::string& line,
                            int ratingValue, CodePage codePage) {
  const TextFile old = ReadTextFile(file, codePage);
  // A history that exists but cannot be read is never replaced by a shorter one.
  if (old.status == ReadStatus::Unreadable) return HistoryWrite::Failed;
  std::vector<std::string> lines = old.lines;
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  if (ratingValue >= 1000 && !lines.empty() && RatingOfHistoryLine(lines.front()) == ratingValue)
    return HistoryWrite::Unchanged;
  lines.insert(lines.begin(), line);
  if (lines.size() > HistoryLinesKept) lines.resize(HistoryLinesKept);
  return WriteTextFile(file, lines, codePage) ? HistoryWrite::Written : HistoryWrite::Failed;
}

}  // namespace scorlet::companion
