#include "ce/ZoqDesktop.h"

#include "ce/ZoqFrame.h"
#include "ce/ZoqScreen.h"
#include "ce/ZoqShell.h"
#include "ce/ZoqShot.h"
#include "ui/ZoqPlacement.h"
#include "ui/ZoqPlacementSettings.h"
#include "ui/ZoqSettingsStore.h"

#include <cwchar>

namespace {

constexpr int kKeyCapacity = 128;
constexpr UINT kSizeCommands[] = {ZOQ_ID_SIZE_100, ZOQ_ID_SIZE_150, ZOQ_ID_SIZE_200,
                                  ZOQ_ID_SIZE_300};

struct SDesktopState {
    HWND hwnd = nullptr;
    CZoqSettingsStore* store = nullptr;
    wchar_t key[kKeyCapacity] = L"";
    SZoqPlacementSettings settings;
    int size = CZoqPlacement::kDefaultSize;
    // The screen at 100 % as the user shaped it, and the screen the last change of size
    // left: a desktop too small for a size holds the window smaller than asked, and the
    // screen must get its shape back when the size goes down again.
    SIZE shape = {0, 0};
    SIZE placed = {0, 0};
};

SDesktopState g_state;

// The frame a device window has around its screen, in pixels.
int FrameHeight() {
    RECT rect = {0, 0, 0, 0};
    AdjustWindowRectEx(&rect, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME, FALSE, 0);
    return rect.bottom - rect.top;
}

int WorkAreaHeight() {
    RECT area = {0, 0, 0, 0};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) {
        return 0;
    }
    return area.bottom - area.top;
}

SZoqRect ToZoq(const RECT& rect) {
    return SZoqRect{rect.left, rect.top, rect.right, rect.bottom};
}

// Moves `hwnd` so that its frame at `wanted` lies on the work area of the monitor
// nearest to it.
void PlaceOnScreen(HWND hwnd, const RECT& wanted) {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST), &monitor)) {
        return;
    }
    const SZoqRect placed = CZoqPlacement::Clamp(ToZoq(wanted), ToZoq(monitor.rcWork));
    RECT current;
    GetWindowRect(hwnd, &current);
    if (placed.left != current.left || placed.top != current.top) {
        SetWindowPos(hwnd, nullptr, placed.left, placed.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void ApplyKeepOnTop(HWND hwnd, int onTop) {
    SetWindowPos(hwnd, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

int StepOfKey(WPARAM key) {
    switch (key) {
    case VK_OEM_PLUS:
    case VK_ADD:
        return 1;
    case VK_OEM_MINUS:
    case VK_SUBTRACT:
        return -1;
    case '0':
    case VK_NUMPAD0:
        return 0;
    default:
        return 2;
    }
}

} // namespace

void CZoqDesktop::Begin(CZoqSettingsStore* store, const wchar_t* key, int firstSize) {
    g_state = SDesktopState{};
    g_state.store = store && key ? store : nullptr;
    if (g_state.store) {
        wcsncpy(g_state.key, key, kKeyCapacity - 1);
        g_state.key[kKeyCapacity - 1] = L'\0';
        g_state.settings.Load(*g_state.store, g_state.key);
    }
    int size = g_state.settings.size;
    if (!CZoqPlacement::IsSize(size)) {
        size = CZoqPlacement::IsSize(firstSize)
                   ? firstSize
                   : CZoqPlacement::FirstSize(WorkAreaHeight(), CZoqScreen::kDefaultHeight,
                                              FrameHeight());
    }
    g_state.size = size;
    CZoqScreen::SetDpi(CZoqPlacement::DpiOf(size));
}

void CZoqDesktop::BeginProgram(CZoqSettingsStore* store, const wchar_t* key) {
    if (CZoqShot::RequestedPath()) {
        Begin(nullptr, nullptr, CZoqPlacement::kDefaultSize);
    } else {
        Begin(store, key);
    }
}

int CZoqDesktop::AttachProgram(HWND hwnd) {
    if (!Attach(hwnd)) {
        return 0;
    }
    if (CZoqShot::RequestedSize()) {
        SetSize(CZoqShot::RequestedSize());
    }
    return 1;
}

int CZoqDesktop::Attach(HWND hwnd) {
    CZoqFrame* frame = CZoqFrame::Of(hwnd);
    if (!frame || !frame->IsDevice()) {
        return 0;
    }
    g_state.hwnd = hwnd;
    RECT window;
    GetWindowRect(hwnd, &window);
    if (g_state.settings.hasPosition) {
        OffsetRect(&window, g_state.settings.left - window.left, g_state.settings.top - window.top);
    }
    PlaceOnScreen(hwnd, window);
    if (g_state.settings.keepOnTop) {
        ApplyKeepOnTop(hwnd, g_state.settings.keepOnTop);
    }
    return 1;
}

HWND CZoqDesktop::Window() {
    return g_state.hwnd;
}

void CZoqDesktop::Detach() {
    if (g_state.hwnd) {
        Save();
    }
    g_state.hwnd = nullptr;
}

int CZoqDesktop::TranslateKey(const MSG& message) {
    if (!g_state.hwnd || message.message != WM_KEYDOWN || !(GetKeyState(VK_CONTROL) & 0x8000) ||
        GetAncestor(message.hwnd, GA_ROOT) != g_state.hwnd) {
        return 0;
    }
    const int step = StepOfKey(message.wParam);
    if (step > 1) {
        return 0;
    }
    SetSize(CZoqPlacement::StepSize(g_state.size, step));
    return 1;
}

int CZoqDesktop::Size() {
    return g_state.size;
}

int CZoqDesktop::SetSize(int percent) {
    HWND hwnd = g_state.hwnd;
    if (!hwnd || !CZoqPlacement::IsSize(percent)) {
        return 0;
    }
    g_state.settings.size = percent;
    if (percent == g_state.size) {
        return 1;
    }
    // The screen keeps its shape: a landscape screen dragged to 300 x 220 at 100 % is
    // 600 x 440 at 200 %.
    if (CZoqScreen::Width() != g_state.placed.cx || CZoqScreen::Height() != g_state.placed.cy) {
        g_state.shape.cx = CZoqPlacement::Rescale(CZoqScreen::Width(), g_state.size, 100);
        g_state.shape.cy = CZoqPlacement::Rescale(CZoqScreen::Height(), g_state.size, 100);
    }
    const int width = CZoqPlacement::Rescale(g_state.shape.cx, 100, percent);
    const int height = CZoqPlacement::Rescale(g_state.shape.cy, 100, percent);
    g_state.size = percent;
    CZoqScreen::SetDpi(CZoqPlacement::DpiOf(percent));
    if (CZoqFrame* frame = CZoqFrame::Of(hwnd)) {
        frame->Rescale();
    }
    CZoqShell::ResizeScreen(hwnd, width, height);
    g_state.placed = SIZE{CZoqScreen::Width(), CZoqScreen::Height()};
    SendMessageW(hwnd, ScaleMessage(), static_cast<WPARAM>(percent), 0);
    RECT window;
    GetWindowRect(hwnd, &window);
    PlaceOnScreen(hwnd, window);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
    return 1;
}

int CZoqDesktop::KeepOnTop() {
    return g_state.settings.keepOnTop;
}

int CZoqDesktop::SetKeepOnTop(int onTop) {
    if (!g_state.hwnd) {
        return 0;
    }
    g_state.settings.keepOnTop = onTop ? 1 : 0;
    ApplyKeepOnTop(g_state.hwnd, g_state.settings.keepOnTop);
    return 1;
}

int CZoqDesktop::Save() {
    if (g_state.hwnd) {
        OnMoved(g_state.hwnd);
    }
    if (!g_state.store) {
        return 0;
    }
    SZoqPlacementSettings settings = g_state.settings;
    settings.size = g_state.size;
    return settings.Save(*g_state.store, g_state.key);
}

UINT CZoqDesktop::ScaleMessage() {
    static const UINT message = RegisterWindowMessageW(L"ZoqScaleChanged");
    return message;
}

void CZoqDesktop::OnMoved(HWND hwnd) {
    if (hwnd != g_state.hwnd || IsIconic(hwnd) || IsZoomed(hwnd)) {
        return;
    }
    RECT window;
    GetWindowRect(hwnd, &window);
    g_state.settings.hasPosition = 1;
    g_state.settings.left = window.left;
    g_state.settings.top = window.top;
}

int CZoqDesktop::OnCommand(HWND hwnd, UINT id) {
    if (hwnd != g_state.hwnd) {
        return 0;
    }
    for (int i = 0; i < CZoqPlacement::kSizeCount; ++i) {
        if (id == kSizeCommands[i]) {
            SetSize(CZoqPlacement::kSizes[i]);
            return 1;
        }
    }
    if (id == ZOQ_ID_KEEP_ON_TOP) {
        SetKeepOnTop(!g_state.settings.keepOnTop);
        return 1;
    }
    return 0;
}

void CZoqDesktop::OnInitMenu(HWND hwnd, HMENU menu) {
    if (hwnd != g_state.hwnd || !menu) {
        return;
    }
    for (int i = 0; i < CZoqPlacement::kSizeCount; ++i) {
        if (CZoqPlacement::kSizes[i] == g_state.size) {
            CheckMenuRadioItem(menu, kSizeCommands[0], kSizeCommands[CZoqPlacement::kSizeCount - 1],
                               kSizeCommands[i], MF_BYCOMMAND);
        }
    }
    CheckMenuItem(menu, ZOQ_ID_KEEP_ON_TOP,
                  MF_BYCOMMAND | (g_state.settings.keepOnTop ? MF_CHECKED : MF_UNCHECKED));
}

void CZoqDesktop::OnEnd(HWND hwnd) {
    if (hwnd == g_state.hwnd) {
        Detach();
    }
}
