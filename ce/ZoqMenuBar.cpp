#include "ce/ZoqMenuBar.h"

#include "ce/ZoqFrame.h"

#include <cwchar>

namespace {

int LoadLabel(HINSTANCE instance, const SZoqMenuBarButton& button, wchar_t* label, int capacity) {
    label[0] = L'\0';
    if (button.textId)
        return LoadStringW(instance, button.textId, label, capacity) > 0 ? 1 : 0;
    if (!button.text)
        return 1;
    wcsncpy(label, button.text, capacity - 1);
    label[capacity - 1] = L'\0';
    return 1;
}

} // namespace

int CZoqMenuBar::Create(HWND hwnd, HINSTANCE instance, const SZoqMenuBarInfo& info) {
    if (!hwnd || info.count < 0 || info.count > kMaxButtons || (info.count && !info.buttons))
        return 0;
    CZoqFrame::Button buttons[CZoqFrame::kMaxButtons] = {};
    for (int i = 0; i < info.count; ++i) {
        if (!LoadLabel(instance, info.buttons[i], buttons[i].text, CZoqFrame::kTextCapacity))
            return 0;
        buttons[i].command = info.buttons[i].command;
        buttons[i].popup = info.buttons[i].popup;
    }
    CZoqMenuHandle menu;
    if (info.menuId) {
        menu.Reset(LoadMenuW(instance, MAKEINTRESOURCEW(info.menuId)));
        if (!menu.Get())
            return 0;
    }
    CZoqFrame* frame = CZoqFrame::For(hwnd);
    if (!frame || !frame->SetMenuBar(menu.Get(), buttons, info.count))
        return 0;
    // The frame owns the menu now.
    menu.Release();
    frame->Refresh();
    return 1;
}

int CZoqMenuBar::Destroy(HWND hwnd) {
    CZoqFrame* frame = CZoqFrame::Of(hwnd);
    if (!frame || !frame->HasMenuBar())
        return 0;
    frame->RemoveMenuBar();
    frame->Refresh();
    return 1;
}

HMENU CZoqMenuBar::Menu(HWND hwnd) {
    CZoqFrame* frame = CZoqFrame::Of(hwnd);
    return frame ? frame->Menu() : nullptr;
}

int CZoqMenuBar::TrackPopup(HWND hwnd, HMENU popup, int x, int y, UINT flags) {
    if (!hwnd || !popup)
        return 0;
    POINT point = {x, y};
    ClientToScreen(hwnd, &point);
    TrackPopupMenuEx(popup, flags & ~TPM_RETURNCMD, point.x, point.y, hwnd, nullptr);
    return 1;
}

int CZoqMenuBar::ButtonRect(HWND hwnd, int index, RECT* screenRect) {
    CZoqFrame* frame = CZoqFrame::Of(hwnd);
    if (!frame || index < 0 || index >= frame->ButtonCount())
        return 0;
    return frame->PartRect(index, screenRect);
}

int CZoqMenuBar::SipButtonRect(HWND hwnd, RECT* screenRect) {
    CZoqFrame* frame = CZoqFrame::Of(hwnd);
    return frame ? frame->PartRect(CZoqFrame::kSipButton, screenRect) : 0;
}
