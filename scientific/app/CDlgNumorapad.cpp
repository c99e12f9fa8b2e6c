#include "scientific/app/CDlgNumorapad.h"

#include "ce/ZoqDesktop.h"
#include "ce/ZoqMenuBar.h"
#include "ce/ZoqRoute.h"
#include "ce/ZoqScreen.h"
#include "ce/ZoqShell.h"
#include "engine/ZoqClipboard.h"
#include "scientific/Calculator.h"
#include "scientific/HistorySettings.h"
#include "ui/ZoqUserLocale.h"
#include "scientific/app/ConstantCommands.h"
#include "scientific/app/DesktopKeys.h"
#include "scientific/app/KeyTemplate.h"
#include "scientific/app/NumorapadDialogs.h"
#include "scientific/app/resource.h"
#include "ce/ZoqGdiScope.h"

namespace {

constexpr int kKeyPathCapacity = 256;

CCalculator& Core() {
    static const CZoqUserLocale locale;
    return *CCalculator::GetInstance(&locale);
}

const SZoqMenuBarButton kMenuButtons[] = {
    {0, 0, IDS_MENU_FILE, nullptr},
    {0, 1, IDS_MENU_CONSTANTS, nullptr},
    {0, 2, IDS_MENU_OPTIONS, nullptr},
};

} // namespace

CDlgNumorapad::~CDlgNumorapad() {
    if (m_hwnd) {
        DestroyWindow(m_hwnd);
    }
}

int CDlgNumorapad::Create(HINSTANCE instance, CZoqSettingsStore* store, int show) {
    if (m_hwnd || !store || !CKeyWindow::RegisterKeyClass(instance)) {
        return 0;
    }
    m_instance = instance;
    m_store = store;
    CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_MAIN_PORTRAIT), nullptr, DialogProc,
                       reinterpret_cast<LPARAM>(this));
    if (!m_hwnd || !m_ready) {
        return 0;
    }
    if (show) {
        Show();
    }
    return 1;
}

void CDlgNumorapad::Show() {
    ShowWindow(m_hwnd, SW_SHOW);
    UpdateWindow(m_hwnd);
}

int CDlgNumorapad::Run() {
    m_running = 1;
    MSG msg = {};
    // No IsDialogMessage: the calculator wants Enter, Escape and the arrows itself.
    while (m_hwnd && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (CZoqDesktop::TranslateKey(msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    m_running = 0;
    return msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 0;
}

void CDlgNumorapad::Close() {
    if (m_hwnd) {
        DestroyWindow(m_hwnd);
    }
}

INT_PTR CALLBACK CDlgNumorapad::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    using Routing = CZoqRoute<CDlgNumorapad, CZoqDialogSlot>;
    CDlgNumorapad* self = Routing::OnDialogMessage(hwnd, message, lParam);
    if (self && message == WM_INITDIALOG) {
        self->m_hwnd = hwnd;
    }
    if (!self || self->m_hwnd != hwnd) {
        return FALSE;
    }
    return self->OnMessage(message, wParam, lParam);
}

INT_PTR CDlgNumorapad::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= kKeyMessageBase && message < kKeyMessageBase + kKeyCount) {
        OnKeyMessage(static_cast<int>(message - kKeyMessageBase), wParam);
        return TRUE;
    }
    if (message == CZoqDesktop::ScaleMessage()) {
        OnScaleChanged();
        return TRUE;
    }
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_PAINT:
        OnPaint();
        return TRUE;
    case WM_ERASEBKGND:
        // Everything is painted by WM_PAINT.
        SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT, 1);
        return TRUE;
    case WM_SIZE:
        OnSize();
        return TRUE;
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return TRUE;
    case WM_KEYUP:
        return TRUE;
    case WM_CHAR:
        OnChar(wParam);
        return TRUE;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return TRUE;
    case WM_CLOSE:
        Close();
        return TRUE;
    case WM_ACTIVATE:
        CZoqShell::HandleActivate(m_hwnd, wParam, lParam, nullptr);
        return FALSE;
    case WM_ENDSESSION:
        OnEndSession(wParam);
        return TRUE;
    case WM_DESTROY:
        OnDestroy();
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CDlgNumorapad::OnInitDialog() {
    HICON icon = LoadIconW(m_instance, MAKEINTRESOURCEW(IDI_NUMORAPAD));
    SendMessageW(m_hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(m_hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    CZoqShell::InitFullScreen(m_hwnd, CZoqShell::kNoButton);
    const SZoqMenuBarInfo menuBar = {IDR_MENUBAR, kMenuButtons, 3};
    if (!CZoqMenuBar::Create(m_hwnd, m_instance, menuBar)) {
        return TRUE;
    }
    ApplyLayout(kLayoutAlways);
    wchar_t keyPath[kKeyPathCapacity];
    if (LoadKeyPath(keyPath, kKeyPathCapacity)) {
        CNumoraSettings(*m_store).Load(keyPath, Core(), m_options);
        LoadHistory(*m_store, keyPath, Core().EditHistory());
    }
    m_painter.LoadArrows(m_instance);
    Core().SetClipboardOwner(m_hwnd);
    m_ready = 1;
    SetFocus(m_hwnd);
    return FALSE;
}

// A desktop session that ends (log off, shut down) ends the process without destroying
// its windows: the settings and the registers are written now or never.
void CDlgNumorapad::OnEndSession(WPARAM ending) {
    if (ending) {
        SaveSettings();
    }
}

void CDlgNumorapad::OnDestroy() {
    SaveSettings();
    Core().SetClipboardOwner(nullptr);
    for (CKeyWindow& key : m_keys) {
        key.Destroy();
    }
    m_ready = 0;
    m_hwnd = nullptr;
    if (m_running) {
        PostQuitMessage(0);
    }
}

void CDlgNumorapad::SaveSettings() {
    wchar_t keyPath[kKeyPathCapacity];
    if (m_ready && LoadKeyPath(keyPath, kKeyPathCapacity)) {
        CNumoraSettings(*m_store).Save(keyPath, Core(), m_options);
        SaveHistory(*m_store, keyPath, Core().GetHistory());
    }
}

int CDlgNumorapad::LoadKeyPath(wchar_t* path, int capacity) const {
    return LoadStringW(m_instance, IDS_REGISTRY_KEY, path, capacity) > 0;
}

void CDlgNumorapad::OnSize() {
    RECT client;
    GetClientRect(m_hwnd, &client);
    if (m_backBuffer.Get() && (client.right != m_backSize.cx || client.bottom != m_backSize.cy)) {
        m_backBuffer.Reset();
    }
    if (!m_backBuffer.Get() && client.right > 0 && client.bottom > 0) {
        CZoqWindowDC screen(nullptr);
        m_backBuffer.Reset(CreateCompatibleBitmap(screen.Get(), client.right, client.bottom));
        m_backSize = SIZE{client.right, client.bottom};
    }
    if (m_ready) {
        ApplyLayout(kLayoutIfChanged);
    }
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

// The user chose another size: the skin, keys and fonts are made for the new dpi.
void CDlgNumorapad::OnScaleChanged() {
    OnSize();
    if (m_ready) {
        ApplyLayout(kLayoutAlways);
    }
}

void CDlgNumorapad::ApplyLayout(ELayoutApply when) {
    const SScreenLayout next =
        ChooseLayout(CZoqScreen::Width(), CZoqScreen::Height(), CZoqScreen::Dpi());
    if (when == kLayoutIfChanged && next.SameAs(m_layout)) {
        return;
    }
    m_layout = next;
    m_skin.Load(m_instance, m_layout);
    PlaceKeys();
    m_painter.PrepareFonts(m_layout.dpi, m_options.GetClearType());
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

// Moves the key rectangles to the layout's template and rebuilds the key windows over
// them; the display area is what lies above the topmost key under the display. Landscape
// and square faces have a column of keys beside the display that starts at the top edge:
// counting those would leave an empty display area that no key press ever repaints.
int CDlgNumorapad::PlaceKeys() {
    HRSRC found = FindResourceW(m_instance, MAKEINTRESOURCEW(m_layout.templateId), RT_DIALOG);
    HGLOBAL loaded = found ? LoadResource(m_instance, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    CKeyTemplate keys;
    if (!data || !keys.Parse(data, SizeofResource(m_instance, found))) {
        return 0;
    }
    RECT rects[kKeyCount];
    HDWP batch = BeginDeferWindowPos(kKeyCount);
    int top = 0x7FFFFFFF;
    const int displayRight = DisplayX(m_layout, kDisplayRightX);
    for (int i = 0; i < kKeyCount; ++i) {
        SDialogItem item{};
        if (!keys.Find(IDC_KEY_FIRST + i, &item)) {
            return 0;
        }
        const SPixelRect r =
            DialogUnitsToPixels(item.x, item.y, item.width, item.height, m_layout.dpi);
        rects[i] = RECT{r.left, r.top, r.right, r.bottom};
        if (r.left < displayRight && r.top < top) {
            top = r.top;
        }
        HWND frame = GetDlgItem(m_hwnd, IDC_KEY_FIRST + i);
        if (batch && frame) {
            batch = DeferWindowPos(batch, frame, nullptr, r.left, r.top, r.right - r.left,
                                   r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (batch) {
        EndDeferWindowPos(batch);
    }
    for (int i = 0; i < kKeyCount; ++i) {
        m_keys[i].Create(m_hwnd, m_instance, i, rects[i], &m_skin);
    }
    RECT client;
    GetClientRect(m_hwnd, &client);
    m_displayArea = RECT{0, 0, client.right, top};
    return 1;
}

void CDlgNumorapad::UpdateDisplayModel() {
    SDisplayContent content;
    Core().GetDisplayContent(&content);
    m_display.Build(m_layout, content);
}

const CDisplayModel& CDlgNumorapad::Display() {
    UpdateDisplayModel();
    return m_display;
}

void CDlgNumorapad::Render(HDC dc) {
    RECT client;
    GetClientRect(m_hwnd, &client);
    m_painter.PrepareFonts(m_layout.dpi, m_options.GetClearType());
    UpdateDisplayModel();
    m_skin.DrawFace(dc, client);
    m_painter.Paint(dc, m_display);
}

void CDlgNumorapad::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hwnd, &ps);
    if (m_backBuffer.Get()) {
        CZoqMemoryDC memory(dc);
        CZoqSelection selected(memory.Get(), m_backBuffer.Get());
        Render(memory.Get());
        BitBlt(dc, 0, 0, m_backSize.cx, m_backSize.cy, memory.Get(), 0, 0, SRCCOPY);
    }
    EndPaint(m_hwnd, &ps);
}

void CDlgNumorapad::InvalidateDisplay() {
    InvalidateRect(m_hwnd, &m_displayArea, FALSE);
}

void CDlgNumorapad::OnKeyMessage(int key, WPARAM phase) {
    if (phase != WM_LBUTTONDOWN || !m_ready) {
        return;
    }
    RunAction(KeyActionFor(key, Core().GetLayer(), m_options.GetPlusMinus()));
    InvalidateDisplay();
}

void CDlgNumorapad::RunAction(const SKeyAction& action) {
    switch (action.kind) {
    case EKeyAction::Core:
        if (!Core().PressKey(action.category, action.index) && action.fallbackDigit >= 0) {
            Core().DigitKey(action.fallbackDigit);
        }
        break;
    case EKeyAction::Quit:
        // Posted: the key window that asked is still on the stack.
        PostMessageW(m_hwnd, WM_COMMAND, ID_FILE_QUIT, 0);
        break;
    case EKeyAction::None:
        break;
    }
}

void CDlgNumorapad::OnKeyDown(WPARAM code) {
    // One step per press: the arrow is taken on the way down only (and repeats while
    // held), not once more when it comes up.
    if (code == VK_UP || code == VK_DOWN) {
        Core().ArrowKey(static_cast<int>(code));
        InvalidateDisplay();
    }
}

void CDlgNumorapad::OnChar(WPARAM code) {
    const SDesktopKey key = DesktopKeyForChar(static_cast<wchar_t>(code), Core().GetBase());
    switch (key.command) {
    case EDesktopCommand::Key:
        RunAction(key.action);
        break;
    case EDesktopCommand::CopyAnswer:
        // Ctrl+C and Ctrl+Shift+C type the same character; Shift picks the history.
        if (GetKeyState(VK_SHIFT) < 0) {
            CopyHistory();
        } else {
            Core().ClipboardKey(CCalculator::kCopyAnswer);
        }
        break;
    case EDesktopCommand::Paste:
        Paste();
        break;
    case EDesktopCommand::None:
        return;
    }
    InvalidateDisplay();
}

// An empty history leaves the clipboard as it was, as Copy Equation does with no line.
void CDlgNumorapad::CopyHistory() {
    const std::wstring text = HistoryText(Core().GetHistory());
    if (!text.empty()) {
        ZoqPlatformClipboard().SetText(text.c_str(), m_hwnd);
    }
}

void CDlgNumorapad::Paste() {
    Core().ClipboardKey(CCalculator::kPaste);
    InvalidateDisplay();
}

void CDlgNumorapad::InsertConstant(int constant) {
    Core().ConstantKey(constant);
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

void CDlgNumorapad::OnCommand(UINT command) {
    const int constant = ConstantForCommand(static_cast<int>(command));
    if (constant >= 0) {
        InsertConstant(constant);
        return;
    }
    switch (command) {
    case ID_FILE_COPY_ANSWER:
        Core().ClipboardKey(CCalculator::kCopyAnswer);
        break;
    case ID_FILE_COPY_EQUATION:
        Core().ClipboardKey(CCalculator::kCopyEquation);
        break;
    case ID_FILE_COPY_HISTORY:
        CopyHistory();
        break;
    case ID_FILE_PASTE:
        Paste();
        break;
    case ID_FILE_ABOUT:
        ShowAbout();
        break;
    case ID_FILE_QUIT:
    case IDCANCEL:
        Close();
        break;
    case ID_OPTIONS_OPTIONS:
        ShowOptions();
        break;
    case ID_OPTIONS_ADVANCED:
        ShowAdvanced();
        break;
    default:
        break;
    }
}

void CDlgNumorapad::ShowAbout() {
    ShowAboutBox(m_hwnd, m_instance);
}

void CDlgNumorapad::ShowOptions() {
    ShowOptionsDialog(m_hwnd, m_instance, Core(), m_options);
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

void CDlgNumorapad::ShowAdvanced() {
    int plusMinus = m_options.GetPlusMinus();
    ShowAdvancedDialog(m_hwnd, m_instance, Core(), &plusMinus);
    m_options.SetPlusMinus(plusMinus);
    InvalidateRect(m_hwnd, nullptr, FALSE);
}
