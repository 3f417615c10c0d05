// The other program of the Wine test: top-level windows with known titles and known pixels, which
// logs every left click it receives. It uses the raw API only, so it checks the platform layer
// from outside.
//
//   scorlet_wine_windows.exe LOGFILE [--japanese]
//
// Fixed windows (client sizes exact, positions as placed; see WineLayout.h):
//   TitleA      caption + frame; client filled with RGB(40,0,0), a pure red block, marker pixels
//   TitleB      caption + frame; client filled with white
//   TitlePopup  visible, no caption
//   TitleHidden caption, never shown
//   TitleJapanese (with --japanese) a Japanese title, set through the wide-character API
// More windows on request: the probe appends lines to CommandFile (see WineLayout.h), read every
// 50 ms. Log lines: "ready"; "created ID HWND"; "down TAG x y" / "up TAG x y" in client
// coordinates (TAG is A, B, P, H, J or the ID of a requested window). Closing window A ends the
// program (exit 0); it also ends by itself after two minutes (exit 3).
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/wine/WineLayout.h"

namespace {

using namespace scorlet::wine;

const char* gLogPath = nullptr;
constexpr UINT_PTR LifetimeTimer = 1;
constexpr UINT_PTR CommandTimer = 2;

void Log(const std::string& line)
{
    if (FILE* f = std::fopen(gLogPath, "ab")) {
        std::fprintf(f, "%s\n", line.c_str());
        std::fclose(f);
    }
}

struct Block {
    RECT rect;
    COLORREF color;
};

// What a window shows, by its tag.
struct Look {
    COLORREF fill = RGB(255, 255, 255);
    std::vector<Block> blocks;
};
std::map<std::string, Look> gLooks;
std::map<HWND, std::string> gTags;

void Fill(HDC dc, const RECT& r, COLORREF color)
{
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void PaintLook(HWND hwnd, HDC dc, const Look& look)
{
    RECT all;
    GetClientRect(hwnd, &all);
    Fill(dc, all, look.fill);
    for (const Block& b : look.blocks)
        Fill(dc, b.rect, b.color);
}

void PaintPatternA(HDC dc)
{
    Fill(dc, RECT {0, 0, ClientWidth, ClientHeight}, RGB(40, 0, 0));
    Fill(dc, RECT {RedLeft, RedTop, RedRight, RedBottom}, RGB(255, 0, 0));
    SetPixelV(dc, 0, 0, RGB(0, 0, 255));
    SetPixelV(dc, ClientWidth - 1, ClientHeight - 1, RGB(0, 255, 0));
    SetPixelV(dc, WhiteX, WhiteY, RGB(255, 255, 255));
}

std::wstring Wide(const std::string& utf8)
{
    std::wstring wide(utf8.size() + 1, L'\0');
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                                      static_cast<int>(wide.size()));
    wide.resize(n > 0 ? n : 0);
    return wide;
}

constexpr DWORD FixedStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// "window ID LEFT TOP RIGHT BOTTOM FILL N [L T R B COLOR]*N TITLE..." or "close ID".
void RunCommand(const std::string& line)
{
    std::istringstream in(line);
    std::string verb, id;
    in >> verb >> id;
    if (verb == "close") {
        for (auto& [hwnd, tag] : gTags)
            if (tag == id) {
                DestroyWindow(hwnd);
                return;
            }
        return;
    }
    if (verb != "window")
        return;
    RECT r;
    unsigned long fill = 0;
    int count = 0;
    in >> r.left >> r.top >> r.right >> r.bottom >> fill >> count;
    Look look;
    look.fill = fill;
    for (int i = 0; i < count; ++i) {
        Block b {};
        unsigned long color = 0;
        in >> b.rect.left >> b.rect.top >> b.rect.right >> b.rect.bottom >> color;
        b.color = color;
        look.blocks.push_back(b);
    }
    std::string title;
    std::getline(in >> std::ws, title);
    if (!title.empty() && title.back() == '\r')
        title.pop_back();
    gLooks[id] = look;
    HWND hwnd
        = CreateWindowExW(0, L"ScorletWineWindows", Wide(title).c_str(), FixedStyle, r.left, r.top, r.right - r.left,
                          r.bottom - r.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) {
        Log("failed " + id);
        return;
    }
    gTags[hwnd] = id;
    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
    Log("created " + id + " " + std::to_string(reinterpret_cast<uintptr_t>(hwnd)));
}

void ReadCommands()
{
    static std::streamoff done = 0;
    std::ifstream in(CommandFile, std::ios::binary);
    if (!in)
        return;
    in.seekg(done);
    std::string line;
    while (std::getline(in, line)) {
        if (in.eof())
            break; // a line still being written: read it next time
        done = in.tellg();
        RunCommand(line);
    }
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    auto tag = gTags.find(hwnd);
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (tag != gTags.end() && tag->second == "A")
            PaintPatternA(dc);
        else if (tag != gTags.end() && gLooks.count(tag->second))
            PaintLook(hwnd, dc, gLooks[tag->second]);
        else
            PaintLook(hwnd, dc, Look {});
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        if (tag != gTags.end())
            Log(std::string(msg == WM_LBUTTONDOWN ? "down " : "up ") + tag->second + " "
                + std::to_string(static_cast<short>(LOWORD(lp))) + " "
                + std::to_string(static_cast<short>(HIWORD(lp))));
        return 0;
    case WM_TIMER:
        if (wp == CommandTimer)
            ReadCommands();
        else
            PostQuitMessage(3);
        return 0;
    case WM_CLOSE:
        if (tag != gTags.end() && tag->second == "A")
            PostQuitMessage(0);
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        gTags.erase(hwnd);
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

// A window whose client area is exactly ClientWidth x ClientHeight at the given screen position.
HWND MakeWindow(const char* title, DWORD style, int x, int y, const char* tag)
{
    RECT r {0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&r, style, FALSE, 0);
    HWND hwnd = CreateWindowExW(0, L"ScorletWineWindows", Wide(title).c_str(), style, x, y, r.right - r.left,
                                r.bottom - r.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (hwnd)
        gTags[hwnd] = tag;
    return hwnd;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: scorlet_wine_windows LOGFILE [--japanese]\n");
        return 2;
    }
    gLogPath = argv[1];
    const bool japanese = argc > 2 && std::string(argv[2]) == "--japanese";
    // Seen by the probe as a running copy of "ScorletWineWindows" (the previous-instance check).
    HANDLE instance = CreateMutexW(nullptr, FALSE, L"Local\\ScorletInstance.ScorletWineWindows");

    WNDCLASSW wc {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = L"ScorletWineWindows";
    RegisterClassW(&wc);

    const DWORD framed = WS_OVERLAPPEDWINDOW;
    HWND a = MakeWindow(TitleA, framed, StartAX, StartAY, "A");
    HWND b = MakeWindow(TitleB, framed, StartBX, StartBY, "B");
    HWND popup = MakeWindow(TitlePopup, WS_POPUP, StartBX, StartBY + 300, "P");
    HWND hidden = MakeWindow(TitleHidden, framed, StartBX, StartBY, "H");
    if (!a || !b || !popup || !hidden)
        return 4;
    ShowWindow(b, SW_SHOWNORMAL);
    ShowWindow(popup, SW_SHOWNORMAL);
    ShowWindow(a, SW_SHOWNORMAL);
    if (japanese) {
        HWND jp = MakeWindow(TitleJapanese, framed, StartBX + 40, StartBY + 40, "J");
        if (!jp)
            return 4;
        ShowWindow(jp, SW_SHOWNORMAL);
    }
    UpdateWindow(a);
    UpdateWindow(b);
    SetTimer(a, LifetimeTimer, 120000, nullptr);
    SetTimer(a, CommandTimer, 50, nullptr);
    Log("ready");

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (instance)
        CloseHandle(instance);
    return static_cast<int>(msg.wParam);
}
