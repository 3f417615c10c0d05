#include "platform/win32/Win32Desktop.h"

#include "platform/win32/Win32Util.h"

#include "common/CodePage.h"
#include "common/TextUtil.h"

#include <windows.h>
#include <mmsystem.h>
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <set>

namespace scorlet {

using win32::HandleOf;
using win32::Narrow;
using win32::Widen;

namespace {

HWND Hwnd(WindowHandle window) { return static_cast<HWND>(win32::HwndOf(window)); }

Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// Bitmap header of a DIB with top-down (height < 0) or bottom-up rows.
BITMAPINFO DibHeader(int width, int height, int bitsPerPixel)
{
    BITMAPINFO info {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// The device context of a window: the client area or the whole window, frame included.
// `overChildren`: drawing is not clipped by child windows (a window whose style clips its
// children would otherwise hide a painted block wherever a child control lies).
class WindowDc {
public:
    WindowDc(HWND hwnd, bool clientOnly, bool overChildren = false)
        : m_hwnd(hwnd),
          m_dc(overChildren     ? GetDCEx(hwnd, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS | (clientOnly ? 0 : DCX_WINDOW))
                   : clientOnly ? GetDC(hwnd)
                                : GetWindowDC(hwnd))
    {
    }
    ~WindowDc()
    {
        if (m_dc)
            ReleaseDC(m_hwnd, m_dc);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return m_dc; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

// Rows of a 16-bit DIB are padded to whole 32-bit words.
int DibStride16(int width) { return width + (width & 1); }

int CALLBACK CollectFont(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM param)
{
    reinterpret_cast<std::set<std::wstring>*>(param)->insert(font->lfFaceName);
    return 1;
}

// "http://" or "https://" (any case) with something after it.
bool IsWebAddress(const std::string& url)
{
    const std::string lower = LowerText(url);
    for (std::string_view prefix : {"http://", "https://"})
        if (lower.size() > prefix.size() && lower.starts_with(prefix))
            return true;
    return false;
}

} // namespace

Win32Desktop::Win32Desktop() = default;

Win32Desktop::~Win32Desktop()
{
    for (void* mutex : m_mutexes)
        CloseHandle(static_cast<HANDLE>(mutex));
}

// --- windows ---

WindowHandle Win32Desktop::firstWindow() { return HandleOf(GetWindow(GetDesktopWindow(), GW_CHILD)); }

WindowHandle Win32Desktop::nextWindow(WindowHandle window)
{
    return window ? HandleOf(GetWindow(Hwnd(window), GW_HWNDNEXT)) : 0;
}

bool Win32Desktop::isWindow(WindowHandle window) { return window && IsWindow(Hwnd(window)); }

WindowHandle Win32Desktop::desktopWindow() { return HandleOf(GetDesktopWindow()); }

std::string Win32Desktop::windowTitle(WindowHandle window)
{
    if (!isWindow(window))
        return {};
    // The ANSI call on purpose: a title the system code page cannot hold reads as "?", as the
    // window tables expect.
    std::string text(static_cast<size_t>(GetWindowTextLengthA(Hwnd(window))) + 2, '\0');
    const int n = GetWindowTextA(Hwnd(window), text.data(), static_cast<int>(text.size()));
    text.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return win32::AnsiToUtf8(text);
}

uint32_t Win32Desktop::windowStyle(WindowHandle window)
{
    return isWindow(window) ? static_cast<uint32_t>(GetWindowLongA(Hwnd(window), GWL_STYLE)) : 0;
}

bool Win32Desktop::windowRect(WindowHandle window, Rect& out)
{
    RECT r;
    if (!window || !GetWindowRect(Hwnd(window), &r))
        return false;
    out = ToRect(r);
    // Windows parks a minimised window at (-32000, -32000); Wine without a window manager leaves
    // it as an icon at the bottom of the screen. Programs see Windows' answer on both.
    if (IsIconic(Hwnd(window)))
        out = out.movedTo(MinimizedPosition, MinimizedPosition);
    return true;
}

bool Win32Desktop::clientRect(WindowHandle window, Rect& out)
{
    RECT r;
    if (!window || !GetClientRect(Hwnd(window), &r))
        return false;
    out = ToRect(r);
    return true;
}

bool Win32Desktop::clientOrigin(WindowHandle window, Point& out)
{
    POINT p {0, 0};
    if (!isWindow(window) || !ClientToScreen(Hwnd(window), &p))
        return false;
    out = {p.x, p.y};
    return true;
}

bool Win32Desktop::moveWindow(WindowHandle window, const Rect& r, bool repaint)
{
    return window && MoveWindow(Hwnd(window), r.left, r.top, r.width(), r.height(), repaint ? TRUE : FALSE);
}

bool Win32Desktop::showWindow(WindowHandle window, int showCommand)
{
    if (!isWindow(window))
        return false;
    ShowWindow(Hwnd(window), showCommand); // returns the previous visibility, not success
    return true;
}

bool Win32Desktop::setTopmost(WindowHandle window, bool topmost)
{
    return window
        && SetWindowPos(Hwnd(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                        SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool Win32Desktop::isTopmost(WindowHandle window)
{
    return isWindow(window) && (GetWindowLongA(Hwnd(window), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

bool Win32Desktop::repaintWindow(WindowHandle window)
{
    return window
        && RedrawWindow(Hwnd(window), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// --- pixels ---

int Win32Desktop::copyPixels(WindowHandle window, bool clientOnly, const Rect& source, uint16_t* out, int stride)
{
    const int width = source.width();
    const int height = source.height();
    if (!isWindow(window) || !out || width <= 0 || height <= 0 || stride < width)
        return 0;
    WindowDc windowDc(Hwnd(window), clientOnly);
    if (!windowDc.get())
        return 0;
    HDC memory = CreateCompatibleDC(windowDc.get());
    HBITMAP bitmap = CreateCompatibleBitmap(windowDc.get(), width, height);
    int rows = 0;
    if (memory && bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        // What the window's DC cannot supply (outside the window) must read 0, not old memory.
        PatBlt(memory, 0, 0, width, height, BLACKNESS);
        BitBlt(memory, 0, 0, width, height, windowDc.get(), source.left, source.top, SRCCOPY);
        SelectObject(memory, old); // GetDIBits wants the bitmap deselected
        BITMAPINFO info = DibHeader(width, height, 16);
        if (stride == DibStride16(width)) {
            rows = GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), out, &info, DIB_RGB_COLORS);
        } else {
            std::vector<uint16_t> rowsBuffer(static_cast<size_t>(DibStride16(width)) * height);
            rows = GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), rowsBuffer.data(), &info, DIB_RGB_COLORS);
            for (int y = 0; y < std::max(rows, 0); ++y)
                std::copy_n(rowsBuffer.data() + static_cast<size_t>(y) * DibStride16(width), width,
                            out + static_cast<size_t>(y) * stride);
        }
    }
    if (bitmap)
        DeleteObject(bitmap);
    if (memory)
        DeleteDC(memory);
    return std::max(rows, 0);
}

bool Win32Desktop::paintPixels(WindowHandle window, bool clientOnly, Point at, const Image& image)
{
    if (!isWindow(window) || image.width <= 0 || image.height <= 0)
        return false;
    std::vector<uint32_t> bits(image.pixels.size());
    std::transform(image.pixels.begin(), image.pixels.end(), bits.begin(), win32::DibPixel);
    WindowDc windowDc(Hwnd(window), clientOnly, true);
    if (!windowDc.get())
        return false;
    BITMAPINFO info = DibHeader(image.width, -image.height, 32);
    return SetDIBitsToDevice(windowDc.get(), at.x, at.y, static_cast<DWORD>(image.width),
                             static_cast<DWORD>(image.height), 0, 0, 0, static_cast<UINT>(image.height), bits.data(),
                             &info, DIB_RGB_COLORS)
        > 0;
}

// --- mouse ---

Point Win32Desktop::cursorPos()
{
    POINT p {0, 0};
    GetCursorPos(&p);
    return {p.x, p.y};
}

bool Win32Desktop::setCursorPos(Point screen) { return SetCursorPos(screen.x, screen.y); }

void Win32Desktop::leftClick()
{
    INPUT inputs[2] {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

// --- time and events ---

uint32_t Win32Desktop::tickCount() { return GetTickCount(); }

void Win32Desktop::requestQuit(int exitCode)
{
    if (!m_quit)
        m_exitCode = exitCode;
    m_quit = true;
}

void Win32Desktop::processEvents()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            requestQuit(static_cast<int>(msg.wParam));
            break;
        }
        if (preDispatch && preDispatch(&msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        if (m_quit)
            break; // the rest waits: the program is ending
    }
}

void Win32Desktop::waitUntil(uint32_t tick)
{
    for (;;) {
        processEvents();
        const int32_t left = static_cast<int32_t>(tick - GetTickCount()); // safe across the wrap
        if (left <= 0)
            return; // a program that quits ends its waits itself (see System.h)
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(left), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

// --- sound ---

void Win32Desktop::playSound(const std::string& alias)
{
    if (!alias.empty())
        PlaySoundW(Widen(alias).c_str(), nullptr, SND_ALIAS | SND_ASYNC | SND_NODEFAULT);
}

void Win32Desktop::beep() { MessageBeep(0xFFFFFFFF); }

// --- the system ---

std::vector<std::string> Win32Desktop::fontNames()
{
    std::set<std::wstring> faces;
    LOGFONTW query {};
    query.lfCharSet = DEFAULT_CHARSET; // every family once per character set it covers
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &query, CollectFont, reinterpret_cast<LPARAM>(&faces), 0);
    ReleaseDC(nullptr, screen);
    std::vector<std::string> names;
    for (const std::wstring& face : faces)
        if (!face.empty() && face[0] != L'@') // '@' marks the vertical variant of a CJK font
            names.push_back(Narrow(face));
    return names;
}

int Win32Desktop::ansiCodePage() { return static_cast<int>(GetACP()); }

namespace {

// The full path of the running executable ("" when it cannot be had).
std::wstring ExecutablePath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// True when `programName` names the running executable (file name without extension, any case).
bool IsOwnProgram(const std::string& programName)
{
    std::wstring name = ExecutablePath();
    const size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
        name.erase(0, slash + 1);
    const size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos)
        name.erase(dot);
    return !name.empty() && lstrcmpiW(name.c_str(), Widen(programName).c_str()) == 0;
}

} // namespace

bool Win32Desktop::previousInstance(const std::string& programName)
{
    // The answer is fixed at the first question: asking again would find this copy's own mutex.
    auto known = m_instances.find(programName);
    if (known != m_instances.end())
        return known->second;
    std::wstring name = L"Local\\ScorletInstance." + Widen(programName);
    std::replace(name.begin() + 6, name.end(), L'\\', L'_');
    HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
    bool running = mutex && GetLastError() == ERROR_ALREADY_EXISTS;
    if (mutex)
        m_mutexes.push_back(mutex);
    // A copy started from the same folder also finds the lock file the first copy holds there
    // for its whole run (the system drops the lock with the process); a folder where no lock
    // file can be made (read-only) has no lock to find.
    if (IsOwnProgram(programName)
        && m_folderLock.acquire(Utf8Path(programFolder()), FolderLock::FileName(programName)) == FolderLock::Status::Busy)
        running = true;
    m_instances[programName] = running;
    return running;
}

int Win32Desktop::platformId()
{
    OSVERSIONINFOA version {};
    version.dwOSVersionInfoSize = sizeof(version);
    return GetVersionExA(&version) ? static_cast<int>(version.dwPlatformId) : PlatformId::WindowsNT;
}

Size Win32Desktop::screenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

bool Win32Desktop::openWebPage(const std::string& url)
{
    // Only web addresses: ShellExecute would run a program or open a document just as readily.
    if (!IsWebAddress(url))
        return false;
    // The shell may hand the address to a COM handler: this thread needs COM (once; kept).
    static const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    (void)com;
    const auto result = ShellExecuteW(nullptr, L"open", Widen(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

std::string Win32Desktop::programFolder()
{
    const std::wstring path = ExecutablePath();
    const size_t slash = path.find_last_of(L"\\/");
    return Narrow(slash == std::wstring::npos ? std::wstring() : path.substr(0, slash));
}

} // namespace scorlet
