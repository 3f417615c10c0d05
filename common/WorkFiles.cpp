#include "common/WorkFiles.h"

#include <algorithm>

#include "common/TextUtil.h"

namespace scorlet {

namespace {

constexpr std::size_t NameLine = 0;
constexpr std::size_t BidLine = 1;
constexpr std::size_t FirstPlayLine = 2;
constexpr std::size_t CountLine = 6;
constexpr std::size_t FirstRowLine = 7;

// A line break inside a name or bid would shift every later line of the file.
std::string OneLine(std::string_view text) {
  std::string out(text);
  std::erase_if(out, [](char c) { return c == '\r' || c == '\n'; });
  return out;
}

std::string JoinFields(const std::array<std::string, 4>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ", ";
    line += OneLine(fields[i]);
  }
  return line;
}

// A card text that would not read back as one field of its own (wrong length, a
// separator, a leading bracket, a control or non-ASCII byte) becomes the placeholder.
std::string_view CellText(std::string_view text) {
  if (text.size() != 2 || text[0] == '[' || text[0] == '(') return UnknownCardText;
  for (char c : text) {
    if (c <= ' ' || c > '~' || c == ',') return UnknownCardText;
  }
  return text;
}

std::string PlayCell(std::string_view text, std::uint8_t leadMark) {
  const std::string card(CellText(text));
  if (leadMark == LeadLed) return "[" + card + "] ";
  if (leadMark == LeadParen) return "(" + card + ") ";
  return " " + card + "  ";  // mark 0, and any unknown mark, keeps its column
}

std::string PlayLine(const HandRecord& record, std::size_t seat) {
  std::string line;
  for (std::size_t t = 0; t < TrickCount; ++t) {
    line += PlayCell(record.PlayTexts[t][seat], record.LeadMarks[t][seat]);
  }
  return line;
}

std::string ScoreLine(const ScoreRow& row) {
  std::string line;
  for (std::size_t i = 0; i < row.size(); ++i) {
    if (i > 0) line += ", ";
    line += NumText(row[i]);
  }
  return line;
}

int ClampedRowCount(std::int32_t count) { return std::clamp(count, 0, MaxScoreRows); }

void ReadFields(std::array<std::string, 4>& fields, std::string_view line) {
  const std::vector<std::string> tokens = ReadTokens(line, fields.size());
  for (std::size_t i = 0; i < fields.size() && i < tokens.size(); ++i) fields[i] = tokens[i];
}

// The first MaxPlayerNameChars characters of the name (whole UTF-8 sequences).
void CutName(std::string& name) {
  std::size_t pos = 0;
  for (std::size_t c = 0; c < MaxPlayerNameChars && pos < name.size(); ++c) {
    std::size_t length = 1;
    DecodeUtf8(name, pos, length);
    pos += length;
  }
  name.resize(pos);
}

void ReadPlayLine(HandRecord& record, std::size_t seat, std::string_view line) {
  const std::vector<std::string> cells = ReadTokens(line, TrickCount);
  for (std::size_t t = 0; t < TrickCount && t < cells.size(); ++t) {
    const std::string& cell = cells[t];
    std::uint8_t mark = LeadNone;
    if (!cell.empty() && cell[0] == '[') mark = LeadLed;
    if (!cell.empty() && cell[0] == '(') mark = LeadParen;
    record.LeadMarks[t][seat] = mark;
    record.PlayTexts[t][seat] = mark == LeadNone ? cell : cell.substr(1, 2);
  }
}

void ReadScoreRows(HandRecord& record, const std::vector<std::string>& lines) {
  const int present = static_cast<int>(std::min<std::size_t>(
      lines.size() - FirstRowLine, static_cast<std::size_t>(MaxScoreRows)));
  const int count = std::min(ClampedRowCount(LeadingInt(lines[CountLine])), present);
  record.ScoreRowCount = count;
  for (int r = 1; r <= count; ++r) {
    std::string rest = lines[FirstRowLine + static_cast<std::size_t>(r - 1)];
    for (std::int32_t& value : record.ScoreRows[static_cast<std::size_t>(r)]) {
      value = ValToken(rest);
    }
  }
}

// Stems are bare names inside the folder; anything that could point elsewhere is refused.
bool IsBareStem(std::string_view stem) {
  return !stem.empty() && stem.find_first_of("/\\:") == std::string_view::npos &&
         stem != "." && stem != "..";
}

std::filesystem::path RecordPath(const std::filesystem::path& folder, std::string_view stem) {
  return folder / Utf8Path(RecordFileName(stem));
}

}  // namespace

std::string RecordFileName(std::string_view stem) {
  return std::string(stem) + std::string(RecordExtension);
}

std::vector<std::string> RecordFileLines(const HandRecord& record) {
  std::vector<std::string> lines{JoinFields(record.PlayerNames), JoinFields(record.Bids)};
  for (std::size_t seat = 0; seat < 4; ++seat) lines.push_back(PlayLine(record, seat));
  const int count = ClampedRowCount(record.ScoreRowCount);
  std::string countLine(1, ' ');
  countLine += NumText(count);
  countLine += ' ';
  lines.push_back(countLine);
  for (int r = 1; r <= count; ++r) {
    lines.push_back(ScoreLine(record.ScoreRows[static_cast<std::size_t>(r)]));
  }
  return lines;
}

void ParseRecordLines(HandRecord& record, const std::vector<std::string>& lines) {
  if (lines.size() > NameLine) {
    ReadFields(record.PlayerNames, lines[NameLine]);
    for (std::string& name : record.PlayerNames) CutName(name);
  }
  if (lines.size() > BidLine) ReadFields(record.Bids, lines[BidLine]);
  if (lines.size() <= FirstPlayLine) return;
  for (std::size_t seat = 0; seat < 4; ++seat) {
    const std::size_t index = FirstPlayLine + seat;
    ReadPlayLine(record, seat, index < lines.size() ? lines[index] : std::string());
  }
  if (lines.size() <= CountLine) return;
  ReadScoreRows(record, lines);
}

RecordFileStatus WriteRecordFile(const HandRecord& record, const std::filesystem::path& folder,
                                 std::string_view stem, CodePage codePage) {
  if (!IsBareStem(stem)) return RecordFileStatus::Failed;
  const bool written = WriteTextFile(RecordPath(folder, stem), RecordFileLines(record), codePage);
  return written ? RecordFileStatus::Done : RecordFileStatus::Failed;
}

RecordFileStatus ReadRecordFile(HandRecord& record, const std::filesystem::path& folder,
                                std::string_view stem, CodePage codePage) {
  if (!IsBareStem(stem)) return RecordFileStatus::Missing;
  return ReadRecordPath(record, RecordPath(folder, stem), codePage);
}

RecordFileStatus ReadRecordPath(HandRecord& record, const std::filesystem::path& file,
                                CodePage codePage, std::vector<std::string>* lines) {
  TextFile text = ReadTextFile(file, codePage);
  if (text.status != ReadStatus::Ok) return RecordFileStatus::Missing;
  ParseRecordLines(record, text.lines);
  if (lines) *lines = std::move(text.lines);
  return RecordFileStatus::Done;
}

bool HasRecordShape(const std::vector<std::string>& lines) {
  if (lines.size() < FirstRowLine) return false;
  for (std::size_t i = 0; i < FirstRowLine; ++i) {
    if (Trim(lines[i]).empty()) return false;
  }
  const std::string count = Trim(lines[CountLine]);
  if (count.find_first_not_of("0123456789") != std::string::npos || count.size() > 3) {
    return false;
  }
  return static_cast<std::size_t>(LeadingInt(count)) <= lines.size() - FirstRowLine;
}

void DeriveRecord(HandRecord& record, int cardOrder) {
  for (std::size_t t = 0; t < TrickCount; ++t) {
    for (std::size_t seat = 0; seat < 4; ++seat) {
      record.PlayCodes[t][seat] = CardCodeOf(record.PlayTexts[t][seat]);
    }
  }
  const LeadCard lead = FirstLeader(record.LeadMarks, record.PlayCodes);
  record.FirstLeader = static_cast<std::int16_t>(lead.seat);
  record.FirstLeadCard = static_cast<std::int16_t>(lead.card);
  for (int seat = 0; seat < 4; ++seat) {
    const HandCodes sorted = SortHand(SeatCards(record.PlayCodes, seat), cardOrder);
    for (std::size_t p = 0; p < TrickCount; ++p) record.SortedHands[p][seat] = sorted[p];
  }
  const TrickResult tricks = TrickWinners(record.PlayCodes, record.LeadMarks, TrumpSuit);
  record.WinMarks = tricks.winMarks;
  record.TricksWon = tricks.tricks;
  NilAnalysis nil = AnalyseNils(record.Bids, record.PlayCodes, tricks);
  record.PlayCodesShown = nil.playCodesShown;
  record.NilTricks = nil.nilTricks;
  record.NilWinningCards = nil.nilWinningCards;
  record.ScoreRowCount = ClampedRowCount(record.ScoreRowCount);
}

}  // namespace scorlet
