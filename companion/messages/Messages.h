// The messages window frmErrMsg: numbered status and error messages about the game's windows, in
// the language of the game site, and ready texts.
#pragma once

#include <string>
#include <string_view>

#include "companion/recognition/TableReading.h"
#include "gamedata/Messages.h"
#include "platform/Types.h"

namespace scorlet {
class Form;
}

namespace scorlet::companion {

struct App;

// Print margins of the window, in pixels.
inline constexpr int MessageMarginLeft = 6;
inline constexpr int MessageMarginTop = 4;
// Fonts: Arial for texts without double-byte characters, the interface font otherwise.
inline constexpr std::string_view MessageFontName = "Arial";
inline constexpr int MessageFontSize = 13;
inline constexpr int MessageWideFontSize = 12;
// The window opens this far right of and below the main window's top-left corner.
inline constexpr int MessageWindowOffset = 40;  // 600 twips

// Form_Load of frmErrMsg when it is not loaded yet: placed beside the main window, in the
// configured back colour, state 1. Returns the window.
Form& LoadErrMsg(App& app);

// Prints message `number` of the current game language on the window (loading it when needed);
// a number without a text leaves the window empty.
void PutMsg(App& app, MessageNumber number);
// Shows a ready text as it stands; the window then waits (MessagePending) and the chime sounds.
void ShowErrorMsg(App& app, const std::string& text);
// Prints a text at the window's print position: character references are printed as the
// characters they name, double-byte parts in `wideFont`, the rest in the window's font.
void PMsg(Form& form, std::string_view text, const Font& wideFont);

// Character references ("&laquo;", "&auml;", "&amp;") replaced by the characters they name; an
// unknown reference and an "&" without a ";" after it are dropped.
std::string ExpandCharRefs(std::string_view text);

// A sub-window that a reader needs is missing: shows its message and waits until window
// tracking sees the window (MessagePending).
void ShowErrMessage(App& app, MessageNumber number);
// The outcome of a capture asked for by hand: shows its message without waiting.
void ShowStatusMsg(App& app, MessageNumber number);
// The end of a bid pass: a pass asked for by hand shows its status when the status tells where
// the game stands (not started, bidding not started or not over, bids unchanged, the deal over);
// an automatic pass shows nothing. Missing windows are reported through window tracking instead.
void ShowBidPassStatus(App& app, CaptureStatus status, CaptureMode mode);
// Hides the window; it stays loaded.
void HideErrMessage(App& app);

}  // namespace scorlet::companion
