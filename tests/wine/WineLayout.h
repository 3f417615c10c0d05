// What the test windows of the Wine test look like: shared by the window program and the probe.
#pragma once

namespace scorlet::wine {

inline constexpr const char* TitleA = "Scorlet Wine Window A";
inline constexpr const char* TitleB = "Scorlet Wine Window B";
inline constexpr const char* TitlePopup = "Scorlet Wine Popup";
inline constexpr const char* TitleHidden = "Scorlet Wine Hidden";
// "スペード表" in UTF-8.
inline constexpr const char* TitleJapanese = "\xE3\x82\xB9\xE3\x83\x9A\xE3\x83\xBC\xE3\x83\x89\xE8\xA1\xA8";

// Where the probe asks the window program for more windows, one command a line:
//   window ID LEFT TOP RIGHT BOTTOM FILL N [L T R B COLOR]*N TITLE   (colours 0x00BBGGRR, decimal)
//   close ID
inline constexpr const char* CommandFile = "commands.txt";

// Client area of windows A and B, and of the popup.
inline constexpr int ClientWidth = 301; // odd: a capture row then needs one pixel of padding
inline constexpr int ClientHeight = 200;
inline constexpr int StartAX = 40, StartAY = 40;
inline constexpr int StartBX = 500, StartBY = 60;

// Window A's client area: RGB(40,0,0) everywhere, except a pure red block, blue at (0,0), green at
// the bottom-right corner and one white pixel.
inline constexpr int RedLeft = 10, RedTop = 20, RedRight = 30, RedBottom = 40; // right/bottom excluded
inline constexpr int WhiteX = 150, WhiteY = 77;

// 5-5-5 values of those colours.
inline constexpr unsigned short Dark555 = 0x1400; // RGB(40,0,0): 40 >> 3 = 5 in the red bits
inline constexpr unsigned short Red555 = 0x7C00;
inline constexpr unsigned short Blue555 = 0x001F;
inline constexpr unsigned short Green555 = 0x03E0;
inline constexpr unsigned short White555 = 0x7FFF;

} // namespace scorlet::wine
