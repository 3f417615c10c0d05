// Start-up of the summary utility: the checks of where it runs, the initialisation file,
// the output folder, and then the batch.
#pragma once

#include <string>

#include "summary/BatchDriver.h"
#include "summary/UtilityShell.h"

namespace scorlet::summary {

enum class StartResult {
  Done,     // the batch ran; the program now waits for End
  Aborted,  // a start-up check failed; the notice was shown and the wait is over
};

struct StartOutcome {
  StartResult result = StartResult::Done;
  BatchResult batch;
};

// "Form_Load": everything from the start-up checks to the end of the batch.
StartOutcome FormLoad(UtilityShell& shell);

}  // namespace scorlet::summary
