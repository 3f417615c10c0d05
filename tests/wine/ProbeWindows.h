// What the Wine probes share: window titles as UTF-8, finding a visible top-level window by its
// title, and polling for a condition.
#pragma once

#include <windows.h>

#include <string>

namespace probe {

inline std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

inline std::string Title(HWND window) {
  wchar_t buffer[512] = {};
  GetWindowTextW(window, buffer, 511);
  return Utf8(buffer);
}

// The first visible top-level window whose title begins with `prefix` and holds `part`.
inline HWND FindByTitle(const std::string& prefix, const std::string& part = "") {
  struct Found {
    std::string prefix;
    std::string part;
    HWND window = nullptr;
  } found{prefix, part, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* f = reinterpret_cast<Found*>(data);
        if (!IsWindowVisible(window)) return TRUE;
        const std::string title = Title(window);
        if (title.rfind(f->prefix, 0) != 0 || title.find(f->part) == std::string::npos) return TRUE;
        f->window = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found.window;
}

// Polls every 100 ms for up to `seconds`.
template <class Test>
bool WaitFor(double seconds, Test test) {
  for (int i = 0; i < static_cast<int>(seconds * 10); ++i) {
    if (test()) return true;
    Sleep(100);
  }
  return test();
}

}  // namespace probe
