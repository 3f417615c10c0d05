// Hand-record files of the Work folder: the in-memory hand record, its text format,
// the derived fields, file naming and the folder scan.
//
// Every operation takes the folder it works in as an explicit path instead of
// changing the process's current directory first; names inside the folder are the
// bare file names ("10_22_007.spd"). EnterWorkFolder is there for callers that want
// the Work folder to be the current directory as well.
//
// File text is in the ANSI code page given by the caller (Windows-1252, or Shift_JIS
// for the Japanese interface); in memory every string is UTF-8. Lines end with CR LF
// when written; a reader also accepts bare LF.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "common/CodePage.h"
#include "common/Notation.h"

namespace scorlet {

inline constexpr int MaxScoreRows = 100;
inline constexpr std::string_view RecordExtension = ".spd";
inline constexpr std::string_view WorkFolderName = "Work";
inline constexpr std::size_t MaxListedStems = 10001;
// Longest player name kept on reading, in characters: far beyond any name the game shows,
// so a damaged or hostile file cannot make every later step handle megabytes of name.
inline constexpr std::size_t MaxPlayerNameChars = 64;

// First partnership's score and bags, second partnership's score and bags.
using ScoreRow = std::array<std::int32_t, 4>;

// One deal. A value-initialised record (HandRecord{}) is the empty record; fields
// marked "derived" are filled by DeriveRecord and never stored.
struct HandRecord {
  std::array<std::string, 4> PlayerNames;                     // by seat
  std::array<BidText, 4> Bids;                                // by seat
  std::array<std::uint8_t, 4> TricksWon{};                    // derived
  std::array<std::array<CardText, 4>, TrickCount> PlayTexts;  // [trick][seat]
  PlayGrid PlayCodes{};                                       // derived
  PlayGrid PlayCodesShown{};                                  // derived; Nil wins negated
  PlayGrid SortedHands{};                                     // derived; [position][seat]
  MarkGrid WinMarks{};                                        // derived
  MarkGrid LeadMarks{};                                       // [trick][seat], 0/1/2
  std::int16_t FirstLeader = -1;                              // derived; -1 unknown
  std::int16_t FirstLeadCard = -1;                            // derived; -1 unknown
  std::int32_t ScoreRowCount = 0;                             // 0..MaxScoreRows
  std::array<ScoreRow, MaxScoreRows + 1> ScoreRows{};         // row 0 stays zeros
  std::array<std::int32_t, 4> NilTricks{};                    // derived
  PlayGrid NilWinningCards{};                                 // derived; [entry][seat]
};

// Written in place of a card text that is not two characters long, so the play line
// keeps its columns; it reads back as card code 0.
inline constexpr std::string_view UnknownCardText = "??";

enum class RecordFileStatus {
  Done = 0,     // read or written
  Missing = 1,  // the file to read does not exist or cannot be read
  Failed = 2,   // the file could not be written
};

// stem + ".spd".
std::string RecordFileName(std::string_view stem);

// The lines of a record file (UTF-8, without line ends); what WriteRecordFile stores,
// each line converted to the code page and ended by CR LF.
std::vector<std::string> RecordFileLines(const HandRecord& record);
// Reads the lines of a record file into the record. The caller clears the record
// before and runs DeriveRecord after; lines that are missing leave their fields alone.
// Any text is safe: the score-row count is kept within 0..MaxScoreRows and within the
// rows present.
void ParseRecordLines(HandRecord& record, const std::vector<std::string>& lines);

// Writes folder/stem.spd, replacing an existing file safely. A stem that is empty or
// holds a path separator is refused (Failed / Missing).
RecordFileStatus WriteRecordFile(const HandRecord& record, const std::filesystem::path& folder,
                                 std::string_view stem, CodePage codePage);
// Reads folder/stem.spd into the record (see ParseRecordLines).
RecordFileStatus ReadRecordFile(HandRecord& record, const std::filesystem::path& folder,
                                std::string_view stem, CodePage codePage);

// Fills every derived field and keeps ScoreRowCount within 0..MaxScoreRows. cardOrder is the configured card order
// (OrderAscending or OrderDescending) used for SortedHands.
void DeriveRecord(HandRecord& record, int cardOrder);

// Month and day of the calendar, as used in record names.
struct CalendarDay {
  int month = 1;
  int day = 1;
};
// Today's date from the local clock.
CalendarDay Today();
// The calendar parts of a time in the local time zone (all zero if it cannot be converted).
std::tm LocalTime(std::time_t time);
// "YYYY/MM/DD hh:mm:ss" of the local clock.
std::string CurrentTimestamp();

// Stem counter of one program run: "10_22_" and the number the next hand gets.
// Counter 0 means the prefix is to be built again from the date on the next save.
struct StemCounter {
  int counter = 0;
  std::string prefix;
};
// Builds the date prefix and raises the counter past every stem of the file list
// that carries that prefix (run at start-up, after restore or delete-all, and by
// NextRecordStem when the counter is 0).
void StartStemCounter(StemCounter& state, const std::vector<std::string>& fileList,
                      CalendarDay today);
// The stem for a new hand: the prefix and counter, skipping numbers whose file already
// exists in the folder; the counter then moves on for the next hand.
std::string NextRecordStem(StemCounter& state, const std::vector<std::string>& fileList,
                           const std::filesystem::path& folder, CalendarDay today);

struct WorkFolderScan {
  std::vector<std::string> recordStems;  // sorted ascending (oldest first)
  // The record files as the walk found them, one for each stem: a name may differ from
  // stem + ".spd" in the case of its extension or in bytes that are not UTF-8.
  std::vector<std::filesystem::path> recordFiles;
  std::vector<std::string> backupStems;  // stems of "BAK" + stem + ".spd", folder order
  bool listed = true;        // false when the folder could not be listed (see error)
  std::error_code error;     // why the folder could not be listed
  std::size_t leftOut = 0;   // stems dropped by a limited scan (the oldest records)
};
// Lists the record and backup stems of the folder (every one of them) and deletes stale
// double backups ("BAKBAK..." .spd files).
WorkFolderScan ScanWorkFolder(const std::filesystem::path& folder);
// The same, keeping at most limit stems per list: the newest records and the first backups
// found; leftOut says how many were dropped.
WorkFolderScan ScanWorkFolder(const std::filesystem::path& folder, std::size_t limit);

// Reads a record file found by the folder scan (see ParseRecordLines). lines, when given,
// receives the file's lines.
RecordFileStatus ReadRecordPath(HandRecord& record, const std::filesystem::path& file,
                                CodePage codePage, std::vector<std::string>* lines = nullptr);
// True when the lines have the shape of a record file: a name line, a bid line, four play
// lines, the row count and at least as many score rows, none of the first seven empty.
bool HasRecordShape(const std::vector<std::string>& lines);

// appFolder / "Work".
std::filesystem::path WorkFolderOf(const std::filesystem::path& appFolder);
// Makes appFolder/Work the current directory; false when that fails.
bool EnterWorkFolder(const std::filesystem::path& appFolder);
// Creates the folder when nothing exists under that name (one trailing separator is
// dropped first); true when a directory is there afterwards.
bool EnsureFolder(std::string_view folder);

}  // namespace scorlet
