#include "ce/ZoqShot.h"

#include "ce/ZoqFrame.h"
#include "ce/ZoqScreen.h"
#include "ce/ZoqWic.h"
#include "ce/ZoqGdiScope.h"

#include <shellapi.h>

#include <cwchar>
#include <vector>

namespace {

wchar_t g_shotPath[CZoqShot::kPathCapacity] = L"";
HWND g_shotWindow = nullptr;
int g_size = 0;

// Writes top-down 24-bit BGR rows as PNG.
int WritePng(const BYTE* rows, int width, int height, int stride, const wchar_t* path) {
    CZoqWic wic;
    if (!wic.Factory())
        return 0;
    CZoqComPtr<IWICStream> stream;
    CZoqComPtr<IWICBitmapEncoder> encoder;
    CZoqComPtr<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (FAILED(wic.Factory()->CreateStream(stream.Out())) ||
        FAILED(stream->InitializeFromFilename(path, GENERIC_WRITE)) ||
        FAILED(wic.Factory()->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Out())) ||
        FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(frame.Out(), nullptr)) ||
        FAILED(frame->Initialize(nullptr)) || FAILED(frame->SetSize(width, height)) ||
        FAILED(frame->SetPixelFormat(&format)) ||
        !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) ||
        FAILED(frame->WritePixels(height, stride, stride * height, const_cast<BYTE*>(rows))) ||
        FAILED(frame->Commit()) || FAILED(encoder->Commit()))
        return 0;
    return 1;
}

BOOL CALLBACK FindOwnedDialog(HWND hwnd, LPARAM found) {
    if (IsWindowVisible(hwnd) && GetWindow(hwnd, GW_OWNER) == g_shotWindow) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK TakeShot(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND target = g_shotWindow;
    EnumThreadWindows(GetCurrentThreadId(), FindOwnedDialog, reinterpret_cast<LPARAM>(&target));
    int saved = CZoqShot::SaveWindow(target, g_shotPath);
    PostQuitMessage(saved ? 0 : 3);
}

int ParseScreen(const wchar_t* text) {
    int width = 0, height = 0;
    if (swscanf(text, L"%dx%d", &width, &height) != 2 || width < 1 || height < 1 || width > 4096 ||
        height > 4096)
        return 0;
    CZoqScreen::SetSize(width, height);
    return 1;
}

} // namespace

int CZoqShot::SaveArea(HDC dc, const RECT& rect, const wchar_t* path) {
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    if (!dc || !path || width <= 0 || height <= 0)
        return 0;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows, as the encoder wants them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    CZoqGdiHandle<HBITMAP> section(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    CZoqMemoryDC memory(dc);
    if (!section.Get() || !memory.Get())
        return 0;
    {
        CZoqSelection selected(memory.Get(), section.Get());
        if (!BitBlt(memory.Get(), 0, 0, width, height, dc, rect.left, rect.top, SRCCOPY))
            return 0;
    }
    GdiFlush();
    int stride = (width * 3 + 3) & ~3;
    return WritePng(static_cast<const BYTE*>(bits), width, height, stride, path);
}

int CZoqShot::SaveWindow(HWND hwnd, const wchar_t* path) {
    if (!hwnd || !IsWindow(hwnd) || !path)
        return 0;
    RedrawWindow(hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT window;
    GetWindowRect(hwnd, &window);
    RECT area = {0, 0, window.right - window.left, window.bottom - window.top};
    // A device window is shot as the device's screen, without the desktop frame.
    CZoqFrame* frame = CZoqFrame::Of(hwnd);
    if (frame && frame->ScreenRect(&area))
        OffsetRect(&area, -window.left, -window.top);
    CZoqWindowDC dc(hwnd);
    return SaveArea(dc.Get(), area, path);
}

namespace {

// The part of the screen `hwnd` shows: a device window's emulated screen, any other
// window whole.
RECT ShownRect(HWND hwnd) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    CZoqFrame* frame = CZoqFrame::Of(hwnd);
    if (frame)
        frame->ScreenRect(&rect);
    return rect;
}

// Copies what `hwnd` shows of itself onto `target`, whose top-left corner is `origin` on
// the screen.
int CopyShown(HWND hwnd, HDC target, POINT origin) {
    RedrawWindow(hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT window;
    GetWindowRect(hwnd, &window);
    const RECT shown = ShownRect(hwnd);
    CZoqWindowDC dc(hwnd);
    return dc.Get() && BitBlt(target, shown.left - origin.x, shown.top - origin.y,
                              shown.right - shown.left, shown.bottom - shown.top, dc.Get(),
                              shown.left - window.left, shown.top - window.top, SRCCOPY);
}

} // namespace

int CZoqShot::SaveWindowWith(HWND hwnd, const HWND* over, int count, const wchar_t* path) {
    if (!hwnd || !IsWindow(hwnd) || !path || count < 0 || (count > 0 && !over))
        return 0;
    RECT area = ShownRect(hwnd);
    for (int i = 0; i < count; ++i) {
        if (!IsWindow(over[i]))
            return 0;
        const RECT shown = ShownRect(over[i]);
        UnionRect(&area, &area, &shown);
    }
    const RECT whole = {0, 0, area.right - area.left, area.bottom - area.top};
    CZoqWindowDC screen(nullptr);
    CZoqGdiHandle<HBITMAP> bitmap(CreateCompatibleBitmap(screen.Get(), whole.right, whole.bottom));
    CZoqMemoryDC memory(screen.Get());
    if (!bitmap.Get() || !memory.Get())
        return 0;
    CZoqSelection selected(memory.Get(), bitmap.Get());
    // Not every display lets the screen be read back: between the windows lies the
    // desktop's plain background.
    FillRect(memory.Get(), &whole, GetSysColorBrush(COLOR_DESKTOP));
    const POINT origin = {area.left, area.top};
    if (!CopyShown(hwnd, memory.Get(), origin))
        return 0;
    for (int i = 0; i < count; ++i) {
        if (!CopyShown(over[i], memory.Get(), origin))
            return 0;
    }
    return SaveArea(memory.Get(), whole, path);
}

int CZoqShot::SaveWindowWithMenu(HWND hwnd, const wchar_t* path) {
    // Other threads (and with Wine, other processes) may have pop-ups of their own.
    for (HWND menu = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); menu;
         menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) {
        if (IsWindowVisible(menu) &&
            GetWindowThreadProcessId(menu, nullptr) == GetCurrentThreadId())
            return SaveWindowWith(hwnd, &menu, 1, path);
    }
    return 0;
}

int CZoqShot::ReadCommandLine() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments)
        return 0;
    for (int i = 1; i + 1 < count; ++i) {
        if (wcscmp(arguments[i], L"--screen") == 0) {
            ParseScreen(arguments[++i]);
        } else if (wcscmp(arguments[i], L"--shot") == 0) {
            wcsncpy(g_shotPath, arguments[++i], kPathCapacity - 1);
            g_shotPath[kPathCapacity - 1] = L'\0';
        } else if (wcscmp(arguments[i], L"--size") == 0) {
            g_size = _wtoi(arguments[++i]);
        }
    }
    LocalFree(arguments);
    return g_shotPath[0] ? 1 : 0;
}

int CZoqShot::StartIfRequested(HWND hwnd, UINT delayMs) {
    if (!g_shotPath[0] || !hwnd)
        return 0;
    g_shotWindow = hwnd;
    return SetTimer(nullptr, 0, delayMs, TakeShot) ? 1 : 0;
}

int CZoqShot::RequestedSize() {
    return g_size;
}

const wchar_t* CZoqShot::RequestedPath() {
    return g_shotPath[0] ? g_shotPath : nullptr;
}
