// The companion's helper windows beside the table: one typed record each, held by the program,
// with its state. Loading, showing, hiding and unloading go through the functions here, so the
// state always says what the user sees.
#pragma once

#include <cstdint>

#include "platform/Forms.h"

namespace scorlet::companion {

// 0 not loaded, 1 loaded (shown or hidden), 2 shown and kept top-most on every tick.
enum class HelperState : std::int32_t { NotLoaded = 0, Loaded = 1, Topmost = 2 };

// Which of the two counter windows is in use.
enum class CounterSide : std::int32_t { None = 0, Left = 1, Right = 2 };

struct HelperWindow {
  explicit HelperWindow(const char* name) : formName(name) {}
  const char* formName;  // the form's name
  Form* form = nullptr;  // the loaded form, nullptr when not loaded
  HelperState state = HelperState::NotLoaded;

  WindowHandle handle() const { return form ? form->handle() : 0; }
  bool loaded() const { return state != HelperState::NotLoaded; }
  bool kept() const { return state == HelperState::Topmost; }
};

struct HelperWindows {
  HelperWindow board{"frmBoard"};
  HelperWindow cardPlay{"frmCardPlay"};
  HelperWindow counterLeft{"frmCounter0"};
  HelperWindow counterRight{"frmCounter"};
  CounterSide counter = CounterSide::None;  // the counter in use
  HelperWindow delWork{"frmDelWork"};
  HelperWindow errMsg{"frmErrMsg"};
  HelperWindow helpBid{"frmHelpBid"};
  HelperWindow myBox{"frmMyBOX"};
  HelperWindow score{"frmScore"};
  HelperWindow askAlert{"frmAskAlert"};
  bool askAlertAnswered = false;  // the alert question was answered, waiting to be carried out
  bool MessagePending = false;    // the messages window waits for a sub-window

  HelperWindow& CounterWindow() { return counter == CounterSide::Left ? counterLeft : counterRight; }
  // Every window, for the loops that load, keep or unload them all.
  template <typename F>
  void ForEach(F f) {
    for (HelperWindow* w : {&board, &cardPlay, &counterLeft, &counterRight, &delWork, &errMsg,
                            &helpBid, &myBox, &score, &askAlert})
      f(*w);
  }
};

// Creates the window's form when it is not loaded yet; the window is loaded and hidden.
Form& LoadHelper(Forms& forms, HelperWindow& window);
// Shows it; `keepTop` keeps it top-most on every tick (state 2), else state 1.
void ShowHelper(HelperWindow& window, bool keepTop);
// Hides it; it stays loaded (state 1).
void HideHelper(HelperWindow& window);
// Closes its form; state 0.
void UnloadHelper(HelperWindow& window);
// Unloads every window and clears the per-table states (when a table is left).
void UnloadAllHelpers(HelperWindows& windows);

}  // namespace scorlet::companion
