// Every text the summary utility shows or writes, in English and Japanese.
#pragma once

#include <string_view>

namespace scorlet::summary {

inline constexpr std::string_view kProgramFile = "ScorletSut.exe";
inline constexpr std::string_view kVersion = " 2.5";
inline constexpr std::string_view kPageTitle = "RoradUvoru";
inline constexpr std::string_view kArchiveName = "ScorletS25zip";
inline constexpr std::string_view kDealFont = "Times New Roman";
inline constexpr int kDealFontSize = 14;

enum class Msg {
  OutputFolder,
  EndCaption,
  Preparing,
  PreparingText,
  PreparingEnd,
  FileCount,
  FileCountEnd,
  NoFiles,
  ClickEndTerminate,
  FilesMade,
  ClickEndFinish,
  Deals,
  CannotRead,
  PageFailed,
  AppPath,
  ClickEndOrEsc,
  Waiting,
  SecondStartBefore,
  SecondStartAfter,
  UnzipLine1,
  UnzipLine2Before,
  UnzipLine2After,
  IniFile,
  IniNotFound,
  IniStandard,
  IniUnreadable,
  WorkAbsent,
  FileAbsent,
  IllegalKeyword,
  ScoreCaption,
  TextScoreCaption,
  BiddingComment,
  HandComment,
  PlayComment,
  WorkUnreadable,
  OddShape,
  NothingMade,
  NotAFolder,
  RaceAlt,
  IndexTitle,
  IndexDay,
  IndexGame,
  TeamNorthSouth,
  TeamEastWest,
  IndexScore,
  IndexWinner,
  IndexDeals,
  IndexPage,
  IndexUnfinished,
  PlayersTitle,
  PlayersName,
  PlayersMade,
  PlayersSet,
  PlayersBags,
  PlayersNilMade,
  PlayersNilFailed,
  PlayersDoubleNilMade,
  PlayersDoubleNilFailed,
  PlayersWins,
  PlayersLosses,
  PlayersNote,
  Count
};

// The text of a message in the language in force.
std::string_view Text(Msg id, bool japanese);

}  // namespace scorlet::summary
