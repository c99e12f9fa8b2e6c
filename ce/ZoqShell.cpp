#include "ce/ZoqShell.h"

#include "ce/ZoqFrame.h"
#include "ce/ZoqScreen.h"

namespace {

const LONG kDesktopFrame = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME;
const LONG kOwnedFrame = WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME;
const LONG kOwnedExFrame =
    WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;

HWND RootOwner(HWND hwnd) {
    HWND root = hwnd;
    while (HWND owner = GetWindow(root, GW_OWNER))
        root = owner;
    return root;
}

// The window size whose area inside the desktop frame is width x height.
SIZE OuterSize(HWND hwnd, int width, int height) {
    RECT rect = {0, 0, width, height};
    AdjustWindowRectEx(&rect, GetWindowLongW(hwnd, GWL_STYLE), FALSE,
                       GetWindowLongW(hwnd, GWL_EXSTYLE));
    SIZE size = {rect.right - rect.left, rect.bottom - rect.top};
    return size;
}

void InitDevice(HWND hwnd, CZoqFrame* frame) {
    SetWindowLongW(hwnd, GWL_STYLE, GetWindowLongW(hwnd, GWL_STYLE) | kDesktopFrame);
    frame->SetDevice(1);
    SIZE size = OuterSize(hwnd, CZoqScreen::Width(), CZoqScreen::Height());
    SetWindowPos(hwnd, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void InitOwned(HWND hwnd, HWND owner) {
    // The top bar carries the title: the dialog's own caption and edges go.
    SetWindowLongW(hwnd, GWL_STYLE, GetWindowLongW(hwnd, GWL_STYLE) & ~kOwnedFrame);
    SetWindowLongW(hwnd, GWL_EXSTYLE, GetWindowLongW(hwnd, GWL_EXSTYLE) & ~kOwnedExFrame);
    RECT screen = {0, 0, CZoqScreen::Width(), CZoqScreen::Height()};
    CZoqFrame* ownerFrame = CZoqFrame::Of(owner);
    if (ownerFrame && ownerFrame->IsDevice()) {
        ownerFrame->ScreenRect(&screen);
    } else if (owner) {
        RECT window;
        GetWindowRect(owner, &window);
        OffsetRect(&screen, window.left, window.top);
    }
    SetWindowPos(hwnd, nullptr, screen.left, screen.top, CZoqScreen::Width(), CZoqScreen::Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

} // namespace

int CZoqShell::InitFullScreen(HWND hwnd, int flags) {
    if (!hwnd || !IsWindow(hwnd) || (GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD))
        return 0;
    CZoqFrame* frame = CZoqFrame::For(hwnd);
    if (!frame)
        return 0;
    frame->SetTopBar(flags & kOkButton);
    HWND owner = RootOwner(hwnd);
    if (owner == hwnd)
        InitDevice(hwnd, frame);
    else
        InitOwned(hwnd, owner);
    frame->Refresh();
    return 1;
}

int CZoqShell::ResizeScreen(HWND hwnd, int width, int height) {
    CZoqFrame* frame = CZoqFrame::Of(hwnd);
    if (!frame || !frame->IsDevice() || width < 1 || height < 1)
        return 0;
    SIZE size = OuterSize(hwnd, width, height);
    SetWindowPos(hwnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 1;
}

int CZoqShell::OkButtonRect(HWND hwnd, RECT* screenRect) {
    CZoqFrame* frame = CZoqFrame::Of(hwnd);
    return frame ? frame->PartRect(CZoqFrame::kOkButton, screenRect) : 0;
}

int CZoqShell::HandleActivate(HWND, WPARAM, LPARAM, ActivateInfo*) {
    return 1;
}

int CZoqShell::HandleSettingChange(HWND, WPARAM, LPARAM, ActivateInfo*) {
    return 1;
}
