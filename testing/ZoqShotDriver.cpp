#include "testing/ZoqShotDriver.h"

#include "ce/ZoqFrame.h"
#include "ce/ZoqGdiScope.h"
#include "ce/ZoqShot.h"
#include "testing/ZoqModalWatch.h"

#include <shellapi.h>

namespace {

// The graph has painted its curves by then.
constexpr UINT kModalDelayMs = 700;
constexpr UINT kModalWatchdogMs = 15000;

} // namespace

void TypeKeys(HWND hwnd, const wchar_t* keys) {
    Type(hwnd, keys);
}

int ShootModal(void (*action)(void*), void* context, const std::wstring& path) {
    int written = 0;
    const SZoqWatchOptions options =
        WatchFor(EZoqModalKind::kAnyWindow, kModalDelayMs, kModalWatchdogMs);
    CZoqModalWatch watch(
        [&](HWND modal) {
            RedrawWindow(modal, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
            written = CZoqShot::SaveWindow(modal, path.c_str());
            PostMessageW(modal, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        },
        options);
    action(context);
    return written;
}

int ShootWindow(HWND hwnd, const std::wstring& path) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
    PumpFor(300);
    return CZoqShot::SaveWindow(hwnd, path.c_str());
}

int ShootWithPopup(HWND hwnd, HWND popup, const wchar_t* path) {
    if (!IsWindow(hwnd) || !IsWindow(popup)) {
        return 0;
    }
    RedrawWindow(popup, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    RECT window, menu;
    GetWindowRect(hwnd, &window);
    GetWindowRect(popup, &menu);
    // A device window is shot as the device's screen, without the desktop frame.
    RECT area = {0, 0, window.right - window.left, window.bottom - window.top};
    CZoqFrame* frame = CZoqFrame::Of(hwnd);
    if (frame && frame->ScreenRect(&area)) {
        OffsetRect(&area, -window.left, -window.top);
    }
    CZoqWindowDC windowDc(hwnd);
    CZoqMemoryDC canvas(windowDc.Get());
    CZoqGdiHandle<HBITMAP> picture(
        CreateCompatibleBitmap(windowDc.Get(), area.right - area.left, area.bottom - area.top));
    if (!canvas.Get() || !picture.Get()) {
        return 0;
    }
    CZoqSelection selected(canvas.Get(), picture.Get());
    BitBlt(canvas.Get(), 0, 0, area.right - area.left, area.bottom - area.top, windowDc.Get(),
           area.left, area.top, SRCCOPY);
    CZoqWindowDC menuDc(popup);
    // Where the menu stands relative to the screen area's corner.
    const int x = menu.left - window.left - area.left;
    const int y = menu.top - window.top - area.top;
    BitBlt(canvas.Get(), x, y, menu.right - menu.left, menu.bottom - menu.top, menuDc.Get(), 0, 0,
           SRCCOPY);
    const RECT whole = {0, 0, area.right - area.left, area.bottom - area.top};
    return CZoqShot::SaveArea(canvas.Get(), whole, path);
}

std::wstring OutputFolder() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring folder = arguments && count > 1 ? arguments[1] : L".";
    LocalFree(arguments);
    if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') {
        folder += L'\\';
    }
    return folder;
}

void PlaceMidScreen(HWND hwnd) {
    RECT window;
    GetWindowRect(hwnd, &window);
    SetWindowPos(hwnd, nullptr, (GetSystemMetrics(SM_CXSCREEN) - (window.right - window.left)) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - (window.bottom - window.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpFor(100);
}
