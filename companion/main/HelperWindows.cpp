#include "companion/main/HelperWindows.h"

namespace scorlet::companion {

Form& LoadHelper(Forms& forms, HelperWindow& window) {
  if (window.form == nullptr || !window.form->loaded()) {
    window.form = &forms.createForm(window.formName);
  }
  if (window.state == HelperState::NotLoaded) window.state = HelperState::Loaded;
  return *window.form;
}

void ShowHelper(HelperWindow& window, bool keepTop) {
  if (window.form == nullptr) return;
  window.form->setVisible(true);
  window.state = keepTop ? HelperState::Topmost : HelperState::Loaded;
}

void HideHelper(HelperWindow& window) {
  if (window.form != nullptr) window.form->setVisible(false);
  if (window.state == HelperState::Topmost) window.state = HelperState::Loaded;
}

void UnloadHelper(HelperWindow& window) {
  if (window.form != nullptr && window.form->loaded()) window.form->close();
  window.form = nullptr;
  window.state = HelperState::NotLoaded;
}

void UnloadAllHelpers(HelperWindows& windows) {
  windows.ForEach([](HelperWindow& w) { UnloadHelper(w); });
  windows.counter = CounterSide::None;
  windows.askAlertAnswered = false;
  windows.MessagePending = false;
}

}  // namespace scorlet::companion
