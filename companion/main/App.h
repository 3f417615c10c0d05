// The program context of the companion: the platform, the settings, the main-loop state, the
// per-table records, the main window and the game's windows. One per run, passed by reference
// to every step; nothing of this lives in globals.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "common/CodePage.h"
#include "common/Config.h"
#include "common/Notation.h"
#include "companion/main/FrmZ.h"
#include "companion/main/GameWindows.h"
#include "companion/main/HelperWindows.h"
#include "companion/main/MainState.h"
#include "companion/players/AlertState.h"
#include "companion/recognition/ReadingState.h"
#include "companion/record/Board.h"
#include "companion/record/RecordState.h"
#include "platform/Desktop.h"
#include "platform/Forms.h"

namespace scorlet::companion {

// What start-up learns about the system and keeps for the run.
struct SystemFacts {
  Size screen;                      // ScreenWidth, ScreenHeight
  int platformId = 0;
  std::filesystem::path appFolder;  // the program's folder, made current by start-up
  CodePage codePage = CodePage::Western;
  bool japanese = false;            // the Japanese interface is on
  std::string interfaceFont;        // Japanese interface font, "" when none is installed
  bool meiryo = false;              // the interface font is Meiryo
  bool msPGothic = false;           // "ＭＳ Ｐゴシック" is installed
  bool configFound = false;
  std::string normalCaption;        // "ScorletS  2.5" or its Japanese form
  int mainHeight = 0;               // the main window's height as found at start-up
};

// What the main window shows of the deal and the game.
struct DealDisplay {
  std::array<std::string, 4> bids;    // per display position
  std::array<std::int32_t, 4> tricks{};
  bool tricksShown = false;           // trick counts have been read in this deal
  std::array<std::string, 4> names;
  std::array<std::int32_t, 4> scores{};
  std::string statusText;             // shown again by BeginDeal at each deal
  std::int32_t currentHandFile = -1;  // -1 = none
  std::int32_t deletionState = 0;     // of the work-file deletion; -1 waits for Delete
};

// The alert button's texts, prepared by start-up for the alert check.
struct AlertButtonTexts {
  std::array<std::string, 3> en;
  std::array<std::string, 3> ja;
};

struct App {
  App(Desktop& d, Forms& f) : desktop(d), forms(f) {}
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  Desktop& desktop;
  Forms& forms;

  Settings settings;
  SystemFacts system;
  MainLoopState loop;
  TableCounters counters;
  TableFlags flags;
  HelperWindows windows;
  TableReadingState reading;
  scorlet::SeatRotation SeatRotation{0, 1, 2, 3};
  FrmZ frmZ;
  GameWindowState game;
  DealDisplay deal;
  RecordState record;  // hand recording and the work-file list
  AlertButtonTexts alertTexts;
  AlertState alerts;      // the alert list and the reason dialog
  BiddingBoard bidding;  // the bidding board and the game's bid panel as last read

  // Reports what the program does (the Linux program prints it); may be empty.
  std::function<void(const std::string&)> trace;
  void Trace(const std::string& line) const {
    if (trace) trace(line);
  }

  std::uint32_t Now() { return desktop.tickCount(); }
  bool Japanese() const { return system.japanese; }
  // The configured back colour of the main window, else its design colour.
  Color BackColor() const { return settings.backColor.value_or(DesignBackColor); }
};

}  // namespace scorlet::companion
