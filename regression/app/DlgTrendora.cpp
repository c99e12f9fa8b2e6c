#include "regression/app/DlgTrendora.h"

#include "ce/ZoqMenuBar.h"
#include "ce/ZoqScreen.h"
#include "calc/NumberText.h"
#include "engine/ZoqClipboard.h"
#include "graph/WndGraph.h"
#include "regression/ModelComparison.h"
#include "regression/TrendoraCsv.h"
#include "regression/app/CsvMessages.h"
#include "regression/app/ListDialog.h"
#include "regression/app/resource.h"

#include <cwchar>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The program's own buttons: the active field, and deleting the entry shown.
enum Button { ButtonX = 0, ButtonY = 1, ButtonDelete = 2 };

const SCalcEntryMembers<CTrendoraCalc> kEntry = {
    &CTrendoraCalc::Digit, &CTrendoraCalc::ClearAll,     &CTrendoraCalc::Backspace,
    &CTrendoraCalc::Enter, &CTrendoraCalc::DecimalPoint, &CTrendoraCalc::ChangeSign};

const SSharedKey<ETrendoraKey> kSharedKeys[] = {
    {ETrendoraKey::Digit, ECalcAction::Digit},
    {ETrendoraKey::Backspace, ECalcAction::Backspace},
    {ETrendoraKey::Enter, ECalcAction::Enter},
    {ETrendoraKey::DecimalPoint, ECalcAction::DecimalPoint},
    {ETrendoraKey::ClearAll, ECalcAction::Clear},
    {ETrendoraKey::ChangeSign, ECalcAction::Sign},
    {ETrendoraKey::Graph, ECalcAction::Graph},
};

// The program's own keys that stand for a menu item: they pick it.
struct SKeyCommand {
    ETrendoraKey key;
    UINT command;
};
const SKeyCommand kKeyCommands[] = {
    {ETrendoraKey::CompareModels, IDM_COMPARE_MODELS},
    {ETrendoraKey::Residuals, IDM_RESIDUALS},
    {ETrendoraKey::CopyData, IDM_COPY_DATA},
    {ETrendoraKey::PasteData, IDM_PASTE_DATA},
};

// Shift makes no difference to any key.
ETrendoraKey KeyForChar(wchar_t typed, int) {
    return TrendoraKeyForChar(typed);
}

const SCalcKeyboard<ETrendoraKey> kKeyboard = {KeyForChar, TrendoraKeyForKeyUp, kSharedKeys,
                                               std::size(kSharedKeys)};

const CCalcFace::KeyColours kKeyColours = {RGB(228, 146, 27), RGB(164, 47, 4), 0xFF04FF,
                                           RGB(40, 22, 10)};

const SZoqMenuBarButton kMenuBarButtons[] = {
    {IDM_FILE, -1, IDS_FILE, nullptr},
    {IDM_MODE, -1, IDS_MODE, nullptr},
};

const wchar_t kProgramName[] = L"Zoq Trendora";

// The clipboard texts are plain ASCII numbers and separators.
std::wstring Widen(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

std::wstring Shown(double value) {
    wchar_t text[CTrendoraCalc::kTextCapacity];
    FormatGeneral(text, CTrendoraCalc::kTextCapacity, value + 0.0, 6);
    return text;
}

} // namespace

CDlgTrendora::CDlgTrendora() : CCalcEntryWindow(kProgramName, 7, kKeyColours, kEntry, kKeyboard) {}

LRESULT CDlgTrendora::OnInitDialog(HWND hwnd, WPARAM, LPARAM) {
    return InitCalcDialog(hwnd, SZoqMenuBarInfo{IDR_MENUBAR, kMenuBarButtons, 2}, IDS_BUTTON_FIRST);
}

LRESULT CDlgTrendora::OnLButtonDown(HWND, POINT point) {
    if (m_face.ButtonDown(point) >= 0) {
        return 0;
    }
    const SCalcRect& panel = m_face.GetLayout().panel;
    if (point.x > CZoqScreen::Width() * 9 / 10) {
        m_calc.Navigate(NavigationBand(point.y, panel.top, panel.Height()));
        Redraw();
    }
    return 0;
}

void CDlgTrendora::ProgramButton(int index) {
    switch (index) {
    case ButtonX:
    case ButtonY:
        m_calc.SetActiveX(index == ButtonX);
        break;
    case ButtonDelete:
        m_calc.DeleteEntry();
        break;
    default:
        break;
    }
}

int CDlgTrendora::ProgramKey(ETrendoraKey key) {
    if (key == ETrendoraKey::ToggleField) {
        m_calc.ToggleActiveField();
        return 1;
    }
    for (const SKeyCommand& row : kKeyCommands) {
        if (row.key == key) {
            OnCommand(m_hWnd, MAKEWPARAM(row.command, 0), 0);
            return 1;
        }
    }
    return 0;
}

LRESULT CDlgTrendora::OnCommand(HWND hwnd, WPARAM wParam, LPARAM) {
    const UINT command = LOWORD(wParam);
    RECT client;
    GetClientRect(hwnd, &client);
    switch (command) {
    case IDM_FILE:
        ShowPopup(0, 0, TPM_BOTTOMALIGN | TPM_LEFTALIGN);
        break;
    case IDM_MODE:
        ShowPopup(1, client.right / 2, TPM_BOTTOMALIGN | TPM_LEFTALIGN);
        break;
    case IDM_ABOUT:
        ShowAbout();
        break;
    case IDM_QUIT:
        Quit();
        break;
    case IDM_LOAD_CSV:
        LoadCsv();
        break;
    case IDM_SAVE_CSV:
        SaveCsv();
        break;
    case IDM_COMPARE_MODELS:
        CompareModels();
        break;
    case IDM_RESIDUALS:
        ShowResiduals();
        break;
    case IDM_PASTE_DATA:
        PasteData();
        break;
    case IDM_COPY_DATA:
        CopyData();
        break;
    default:
        if (command >= IDM_MODEL_LINEAR && command <= IDM_MODEL_POWER) {
            m_calc.SetModel(static_cast<int>(command - IDM_MODEL_FIRST));
            Redraw();
        }
        break;
    }
    return 0;
}

void CDlgTrendora::ShowPopup(int popup, int x, UINT flags) {
    HMENU menu = CZoqMenuBar::Menu(m_hWnd);
    HMENU items = menu ? GetSubMenu(menu, popup) : nullptr;
    if (!items) {
        return;
    }
    if (popup == 1) {
        const int model = m_calc.GetStats().GetModel();
        for (UINT id = IDM_MODEL_LINEAR; id <= IDM_MODEL_POWER; ++id) {
            const bool current = static_cast<int>(id - IDM_MODEL_FIRST) == model;
            CheckMenuItem(items, id, MF_BYCOMMAND | (current ? MF_CHECKED : MF_UNCHECKED));
        }
    }
    RECT client;
    GetClientRect(m_hWnd, &client);
    CZoqMenuBar::TrackPopup(m_hWnd, items, x, client.bottom, flags);
}

int CDlgTrendora::OfferToSave() {
    if (!m_calc.IsModified()) {
        return 1;
    }
    switch (MessageBoxW(m_hWnd, L"Save changes to the entries?", kProgramName, MB_YESNOCANCEL)) {
    case IDYES:
        return SaveCsv();
    case IDNO:
        return 1;
    default:
        // Cancel, or no box could be shown: keep the entries.
        return 0;
    }
}

void CDlgTrendora::LoadCsv() {
    if (!OfferToSave()) {
        return;
    }
    wchar_t path[kPathCapacity] = {};
    CsvReadReport report;
    if (m_chooseFile(m_hWnd, false, path, kPathCapacity)) {
        if (!LoadCsvFile(path, m_calc.GetStats(), report)) {
            return;
        }
        // What was left out is still in the file: nothing held can be lost.
        m_calc.MarkSaved();
    }
    ShowReplacedEntries(report);
}

int CDlgTrendora::SaveCsv() {
    wchar_t path[kPathCapacity] = {};
    int saved = 0;
    const bool chosen = m_chooseFile(m_hWnd, true, path, kPathCapacity) != 0;
    if (chosen) {
        saved = SaveCsvFile(path, m_calc.GetStats());
        if (saved) {
            m_calc.MarkSaved();
        }
    }
    Redraw();
    if (chosen && !saved) {
        Warn(CsvNotSavedMessage(path).c_str());
    }
    return saved;
}

void CDlgTrendora::ShowGraph() {
    CWndGraph graph;
    m_calc.RefitAndRefresh();
    const CZoqStats& stats = m_calc.GetStats();
    for (int i = 0; i < stats.GetCountX(); ++i) {
        graph.AddPoint(stats.GetX(i), stats.GetY(i));
    }
    // Without a fitted curve the graph shows the points alone.
    wchar_t equation[CTrendoraCalc::kTextCapacity * 2 + 16];
    if (m_calc.BuildGraphEquation(equation, sizeof equation / sizeof equation[0])) {
        graph.SetEquation(equation, 0);
    }
    RunGraph(graph);
}

void CDlgTrendora::CompareModels() {
    SModelTable table;
    ::CompareModels(m_calc.GetStats(), table);
    SListDialogContent content;
    content.title = L"Compare Models";
    for (int model = 0; model < kModelCount; ++model) {
        wchar_t lines[3][64];
        DescribeModelRow(table, model, lines);
        for (const wchar_t* line : lines) {
            if (line[0]) {
                content.rows.emplace_back(line);
                content.choiceOfRow.push_back(table.fits[model].fits ? model : -1);
            }
        }
    }
    const int chosen = ShowListDialog(m_instance, m_hWnd, content);
    if (chosen >= 0) {
        m_calc.SetModel(chosen);
    }
    Redraw();
}

void CDlgTrendora::ShowResiduals() {
    const CZoqStats& stats = m_calc.GetStats();
    double residuals[CZoqStats::kCapacity];
    const int count = ComputeResiduals(stats, residuals, CZoqStats::kCapacity);
    wchar_t model[32] = {};
    LoadStringW(m_instance, IDS_MODEL_FIRST + stats.GetModel(), model, 32);
    const std::wstring title = std::wstring(L"Residuals: ") + model;
    SListDialogContent content;
    content.title = title.c_str();
    if (count == 0) {
        content.rows.push_back(std::wstring(model) + L" cannot fit the entries");
    } else {
        content.rows.push_back(L"x\ty\tresidual");
    }
    for (int i = 0; i < count; ++i) {
        content.rows.push_back(Shown(stats.GetX(i)) + L"\t" + Shown(stats.GetY(i)) + L"\t" +
                               Shown(residuals[i]));
    }
    content.copyText = Widen(WriteResidualsText(stats, "\r\n"));
    ShowListDialog(m_instance, m_hWnd, content);
    Redraw();
}

// Reads like a data file; entries held are replaced only when the clipboard has some.
void CDlgTrendora::PasteData() {
    std::vector<wchar_t> text(kCsvReadLimit + 2);
    if (ZoqPlatformClipboard().GetText(text.data(), static_cast<int>(text.size())) != 1) {
        Warn(L"The clipboard holds no text.");
        return;
    }
    std::string bytes;
    for (const wchar_t* c = text.data(); *c; ++c) {
        // Anything beyond ASCII is no part of a number or a separator.
        bytes += *c < 0x80 ? static_cast<char>(*c) : '?';
    }
    CZoqStats pasted;
    pasted.SetModel(m_calc.GetStats().GetModel());
    const CsvReadReport report =
        ReadCsvEntries(bytes.data(), static_cast<int>(bytes.size()), pasted);
    if (report.entries == 0) {
        Warn(L"The clipboard holds no x,y pairs of numbers.");
        return;
    }
    if (!OfferToSave()) {
        return;
    }
    m_calc.GetStats() = pasted;
    m_calc.MarkModified();
    ShowReplacedEntries(report);
}

void CDlgTrendora::ShowReplacedEntries(const CsvReadReport& report) {
    m_calc.ShowFirstEntry();
    Redraw();
    if (report.AnythingLeftOut()) {
        Warn(CsvLeftOutMessage(report).c_str());
    }
}

void CDlgTrendora::Warn(const wchar_t* text) {
    MessageBoxW(m_hWnd, text, kProgramName, MB_OK | MB_ICONWARNING);
}

void CDlgTrendora::CopyData() {
    const std::string text = WriteTabEntries(m_calc.GetStats(), "\r\n");
    if (!text.empty()) {
        ZoqPlatformClipboard().SetText(Widen(text).c_str(), m_hWnd);
    }
}

void CDlgTrendora::DrawDisplay() {
    DrawEntries();
    DrawNavigation();
}

void CDlgTrendora::DrawEntries() {
    const int sw = CZoqScreen::Width();
    const bool wide = CZoqScreen::Height() < CZoqScreen::Width();
    const SCalcRect& panel = m_face.GetLayout().panel;
    const int top = panel.top;
    const int height = panel.Height();
    const int font = m_face.GetLayout().displayFontHeight;
    const int step = height * 15 / 100 * (wide ? 2 : 1);
    const int label = sw / 16;
    const int equals = sw / 16 + sw / 24;
    const int value = sw / 16 + sw / 11;

    int y = top + height * (wide ? 20 : 10) / 100 - font / 2;
    m_face.Text(sw / 32, m_calc.IsActiveX() ? y : y + step, L"\x2022");
    m_face.Text(label, y, L"X");
    m_face.Text(equals, y, L"=");
    m_face.Text(value, y, m_calc.GetXText());
    m_face.Text(label, y + step, L"Y");
    m_face.Text(equals, y + step, L"=");
    m_face.Text(value, y + step, m_calc.GetYText());
    wchar_t count[48];
    std::swprintf(count, 48, L"# of Entries: %d", m_calc.GetEntryCount());
    m_face.Text(label, y + 2 * step, count);

    const int resultLabel = wide ? sw / 2 : sw / 16;
    y = top + height * (wide ? 20 : 60) / 100 - font / 2;
    const wchar_t* names[] = {L"a", L"b", L"r"};
    for (int i = 0; i < 3; ++i) {
        const int row = y + i * step;
        m_face.Text(resultLabel, row, names[i]);
        m_face.Text(resultLabel + sw / 24, row, L"=");
        m_face.Text(resultLabel + sw / 11, row, m_calc.GetResult(CTrendoraCalc::Intercept + i));
    }
}

void CDlgTrendora::DrawNavigation() {
    const int sh = CZoqScreen::Height();
    const SCalcRect& panel = m_face.GetLayout().panel;
    const int top = panel.top;
    const int height = panel.Height();
    const int size = sh / 21;
    const int u = sh / 18;
    const int right = panel.right;
    const int inner = right - u * 6 / 10;
    const int outer = right - u * 14 / 10;
    m_face.Arrow(inner, top + height * 15 / 100, size, true);
    m_face.Arrow(outer, top + height * 15 / 100, size, true);
    m_face.Arrow(right - u, top + height * 30 / 100, size, true);
    m_face.Arrow(right - u, top + height * 70 / 100, size, false);
    m_face.Arrow(inner, top + height * 85 / 100, size, false);
    m_face.Arrow(outer, top + height * 85 / 100, size, false);
    wchar_t current[16];
    std::swprintf(current, 16, L"%d", m_calc.GetCurrentEntry());
    m_face.Text(right - u, top + height * 50 / 100 - m_face.GetLayout().displayFontHeight / 2,
                current, true);
}
