#include "financial/app/OptionsDialog.h"

#include "ce/ZoqDesktop.h"
#include "ce/ZoqMenuBar.h"
#include "ce/ZoqScreen.h"
#include "ce/ZoqShell.h"
#include "financial/app/FiscoraModels.h"
#include "financial/app/resource.h"
#include "financial/models/FinancialOptions.h"
#include "ui/ZoqPlacement.h"

#include <algorithm>
#include <initializer_list>
#include <commctrl.h>

namespace {

struct STabInfo {
    int templateId;
    UINT nameId;
};
constexpr STabInfo kTabs[COptionsDialog::kTabCount] = {
    {IDD_OPT_GENERAL, IDS_TAB_GENERAL}, {IDD_OPT_MORTGAGE, IDS_TAB_MORTGAGE},
    {IDD_OPT_TIP, IDS_TAB_TIP},         {IDD_OPT_LEASE, IDS_TAB_LEASE},
    {IDD_OPT_CARLOAN, IDS_TAB_CARLOAN},
};

const SZoqMenuBarButton kDoneButton[] = {{IDOK, -1, IDS_MENU_DONE, nullptr}};

HWND g_openDialog = nullptr;

} // namespace

// ---------------------------------------------------------------- tab pages

INT_PTR COptionsTab::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog();
        return TRUE;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_SIZE:
        OnSize(HIWORD(lParam));
        return TRUE;
    case WM_VSCROLL:
        OnVScroll(LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

COptionsTab::~COptionsTab() {
    Destroy();
}

void COptionsTab::OnInitDialog() {
    HWND dialog = Handle();
    LOGFONTW caption = {};
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    if (font && GetObjectW(font, sizeof caption, &caption)) {
        caption.lfWeight = FW_BOLD;
        m_captionFont.Reset(CreateFontIndirectW(&caption));
        SendDlgItemMessageW(dialog, IDC_TAB_CAPTION, WM_SETFONT,
                            reinterpret_cast<WPARAM>(m_captionFont.Get()), FALSE);
    }
    RECT margin = {0, 0, 0, 4};
    MapDialogRect(dialog, &margin);
    for (HWND control = GetWindow(dialog, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        m_contentHeight = std::max<int>(m_contentHeight, rect.bottom + margin.bottom);
    }
    switch (m_templateId) {
    case IDD_OPT_GENERAL:
        CheckDlgButton(dialog, IDC_NO_SIP, m_autoSip == 0 ? BST_CHECKED : BST_UNCHECKED);
        for (int i = 0; i < CZoqPlacement::kSizeCount; ++i) {
            if (CZoqPlacement::kSizes[i] == m_size) {
                CheckRadioButton(dialog, IDC_SIZE_100, IDC_SIZE_300, IDC_SIZE_100 + i);
            }
        }
        break;
    case IDD_OPT_MORTGAGE: {
        wchar_t text[64];
        for (int index = 0; index < kMortgageScheduleCount; ++index) {
            if (LoadStringW(Instance(), IDS_SCHEDULE_FIRST + index, text, 64) > 0) {
                SendDlgItemMessageW(dialog, IDC_SCHEDULE, CB_ADDSTRING, 0,
                                    reinterpret_cast<LPARAM>(text));
            }
        }
        SendDlgItemMessageW(dialog, IDC_SCHEDULE, CB_SETCURSEL, m_models.mortgage.Schedule(), 0);
        for (int position = 0; position < kCostOfPointsEntries; ++position) {
            if (CostOfPointsEntryText(position, text, 64)) {
                SendDlgItemMessageW(dialog, IDC_POINT_COST, CB_ADDSTRING, 0,
                                    reinterpret_cast<LPARAM>(text));
            }
        }
        SendDlgItemMessageW(dialog, IDC_POINT_COST, CB_SETCURSEL,
                            CostOfPointsPosition(m_models.mortgage.CostPerPoint()), 0);
        break;
    }
    case IDD_OPT_LEASE:
        CheckDlgButton(dialog, IDC_PAY_TAX_CAP,
                       m_models.lease.PayTaxOnCapitalCost() ? BST_CHECKED : BST_UNCHECKED);
        break;
    default:
        break;
    }
}

void COptionsTab::OnSize(int height) {
    m_pageHeight = height;
    ScrollTo(m_scroll);
}

void COptionsTab::OnVScroll(int code) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(Handle(), SB_VERT, &info);
    const int line = CZoqScreen::Scaled(13);
    switch (code) {
    case SB_TOP:
        ScrollTo(0);
        break;
    case SB_BOTTOM:
        ScrollTo(m_contentHeight);
        break;
    case SB_LINEUP:
        ScrollTo(m_scroll - line);
        break;
    case SB_LINEDOWN:
        ScrollTo(m_scroll + line);
        break;
    case SB_PAGEUP:
        ScrollTo(m_scroll - m_pageHeight);
        break;
    case SB_PAGEDOWN:
        ScrollTo(m_scroll + m_pageHeight);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        ScrollTo(info.nTrackPos);
        break;
    default:
        break;
    }
}

// Moves the controls so that `position` (clamped to what there is to see) is the top
// of the page; the scroll bar shows only when the page is shorter than the tab.
void COptionsTab::ScrollTo(int position) {
    const int hidden = std::max(0, m_contentHeight - m_pageHeight);
    position = std::clamp(position, 0, hidden);
    if (position != m_scroll) {
        // Each control is moved itself: scrolling the window would leave the controls
        // of a hidden tab where they were.
        const int shift = m_scroll - position;
        for (HWND control = GetWindow(Handle(), GW_CHILD); control;
             control = GetWindow(control, GW_HWNDNEXT)) {
            RECT rect;
            GetWindowRect(control, &rect);
            MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
            SetWindowPos(control, nullptr, rect.left, rect.top + shift, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        InvalidateRect(Handle(), nullptr, TRUE);
        m_scroll = position;
    }
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = hidden > 0 ? m_contentHeight - 1 : 0;
    info.nPage = hidden > 0 ? static_cast<UINT>(m_pageHeight) : 0;
    info.nPos = m_scroll;
    SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
}

void COptionsTab::Apply() {
    if (m_templateId == IDD_OPT_LEASE && Handle()) {
        m_models.lease.SetPayTaxOnCapitalCost(
            IsDlgButtonChecked(Handle(), IDC_PAY_TAX_CAP) == BST_CHECKED ? 1 : 0);
    }
}

void COptionsTab::OnCommand(int id, int code) {
    switch (id) {
    case IDC_RESET_ALL:
        ResetAll();
        break;
    case IDC_NO_SIP:
        if (code == BN_CLICKED) {
            m_autoSip = m_autoSip ? 0 : 1;
        }
        break;
    case IDC_SIZE_100:
    case IDC_SIZE_150:
    case IDC_SIZE_200:
    case IDC_SIZE_300:
        if (code == BN_CLICKED) {
            m_size = CZoqPlacement::kSizes[id - IDC_SIZE_100];
        }
        break;
    case IDC_SCHEDULE: {
        const int position =
            static_cast<int>(SendDlgItemMessageW(Handle(), IDC_SCHEDULE, CB_GETCURSEL, 0, 0));
        if (position >= 0) {
            m_models.mortgage.SetSchedule(position);
        }
        break;
    }
    case IDC_POINT_COST:
        if (code == CBN_SELCHANGE) {
            const int position =
                static_cast<int>(SendDlgItemMessageW(Handle(), IDC_POINT_COST, CB_GETCURSEL, 0, 0));
            if (position >= 0) {
                m_models.mortgage.SetCostPerPoint(CostOfPointsAt(position));
            }
        }
        break;
    case IDC_CLEAR_PROFILE1:
        ClearProfile(1);
        break;
    case IDC_CLEAR_PROFILE2:
        ClearProfile(2);
        break;
    default:
        break;
    }
}

void COptionsTab::ClearProfile(int profile) {
    CZoqSettingsStore& store = m_models.Store();
    switch (m_templateId) {
    case IDD_OPT_MORTGAGE:
        m_models.mortgage.ClearProfile(store, profile);
        m_cleared[static_cast<int>(Calculator::Mortgage)] = 1;
        break;
    case IDD_OPT_TIP:
        m_models.tip.ClearProfile(store, profile);
        m_cleared[static_cast<int>(Calculator::Tip)] = 1;
        break;
    case IDD_OPT_LEASE:
        m_models.lease.ClearProfile(store, profile);
        m_cleared[static_cast<int>(Calculator::Lease)] = 1;
        break;
    case IDD_OPT_CARLOAN:
        m_models.carLoan.ClearProfile(store, profile);
        m_cleared[static_cast<int>(Calculator::CarLoan)] = 1;
        break;
    default:
        break;
    }
}

void COptionsTab::ResetAll() {
    ResetAllCalculators(m_models.Store(), m_models.mortgage, m_models.carLoan, m_models.lease,
                        m_models.tip);
    for (int calculator = 0; calculator < kCalculatorCount; ++calculator) {
        m_cleared[calculator] = 1;
    }
    MessageBoxW(GetParent(Handle()), kResetAllText, kResetAllCaption, MB_OK | MB_ICONINFORMATION);
}

// ---------------------------------------------------------------- dialog

COptionsDialog::COptionsDialog(CFiscoraModels& models, int& autoSip) : m_size(CZoqDesktop::Size()) {
    for (int index = 0; index < kTabCount; ++index) {
        m_tabs[index] = std::make_unique<COptionsTab>(kTabs[index].templateId, models, autoSip,
                                                      m_size, m_cleared);
    }
}

COptionsDialog::~COptionsDialog() {
    Destroy();
}

HWND COptionsDialog::OpenDialog() {
    return g_openDialog;
}

INT_PTR COptionsDialog::Run(HINSTANCE instance, HWND owner) {
    if (g_openDialog) {
        SetForegroundWindow(g_openDialog);
        BringWindowToTop(g_openDialog);
        return 0;
    }
    return DoModal(instance, IDD_OPTIONS, owner);
}

HWND COptionsDialog::TabControl() const {
    return GetDlgItem(Handle(), IDC_TABS);
}

INT_PTR COptionsDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        g_openDialog = Handle();
        OnInitDialog();
        return TRUE;
    case WM_SIZE:
        LayoutTabs();
        return TRUE;
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_TABS && header->code == TCN_SELCHANGE) {
            SelectTab(TabCtrl_GetCurSel(TabControl()));
        }
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            for (auto& tab : m_tabs) {
                tab->Apply();
            }
            EndDialog(Handle(), IDOK);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

void COptionsDialog::OnDestroyed() {
    g_openDialog = nullptr;
}

void COptionsDialog::OnInitDialog() {
    CZoqShell::InitFullScreen(Handle(), CZoqShell::kNoButton);
    CZoqMenuBar::Create(Handle(), Instance(), {0, kDoneButton, 1});
    HWND tabs = TabControl();
    wchar_t name[32];
    for (int index = 0; index < kTabCount; ++index) {
        LoadStringW(Instance(), kTabs[index].nameId, name, 32);
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = name;
        TabCtrl_InsertItem(tabs, index, &item);
        m_tabs[index]->CreateModeless(Instance(), kTabs[index].templateId, Handle());
    }
    LayoutTabs();
    SelectTab(0);
}

void COptionsDialog::LayoutTabs() {
    HWND tabs = TabControl();
    if (!tabs) {
        return;
    }
    RECT client;
    GetClientRect(Handle(), &client);
    MoveWindow(tabs, 0, 0, client.right, client.bottom, TRUE);
    RECT display = client;
    TabCtrl_AdjustRect(tabs, FALSE, &display);
    for (auto& tab : m_tabs) {
        SetWindowPos(tab->Handle(), HWND_TOP, display.left, display.top,
                     display.right - display.left, display.bottom - display.top, SWP_NOACTIVATE);
    }
}

void COptionsDialog::SelectTab(int index) {
    if (index < 0 || index >= kTabCount) {
        return;
    }
    ShowWindow(m_tabs[m_current]->Handle(), SW_HIDE);
    m_current = index;
    TabCtrl_SetCurSel(TabControl(), index);
    ShowWindow(m_tabs[index]->Handle(), SW_SHOW);
}
