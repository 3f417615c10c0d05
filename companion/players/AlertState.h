// What the alert list keeps for the run: the list itself and the reason dialog's answer.
#pragma once

#include <string>

#include "companion/players/AlertList.h"

namespace scorlet::companion {

struct AlertState {
  AlertList list;
  std::string AlertReason;     // what frmReason returned
  bool reasonOpen = false;     // frmReason is up: a second mark waits for it
  bool fileUnreadable = false; // the file exists but could not be read: it is never overwritten
};

}  // namespace scorlet::companion
