#include "graph/WndGraph.h"

#include "ce/ZoqMenuBar.h"
#include "ce/ZoqScreen.h"
#include "ce/ZoqShell.h"
#include "graph/GraphResources.h"
#include "graph/GraphValueBox.h"
#include "ui/ZoqString.h"

namespace {

// The icon size of a 96-dpi screen; the labels and the mode name keep half of it from
// the bottom edge, which scales them with the emulated screen.
constexpr int kIconSize = 32;

const SZoqMenuBarButton kMenuBarButtons[] = {
    {IDM_GRAPH_MODE, -1, IDS_GRAPH_MODE, nullptr},
    {IDM_GRAPH_RESET, -1, IDS_GRAPH_RESET, nullptr},
    {IDM_GRAPH_ZOOM_IN, -1, IDS_GRAPH_ZOOM_IN, nullptr},
    {IDM_GRAPH_ZOOM_OUT, -1, IDS_GRAPH_ZOOM_OUT, nullptr},
};

const UINT kModeNames[CGraphStylus::kModeCount] = {IDS_GRAPH_ZOOM, IDS_GRAPH_TRANSLATE,
                                                   IDS_GRAPH_POINT};

} // namespace

CWndGraph::CWndGraph()
    : m_font(), m_drawLines(true), m_grid(true), m_activeCurve(0), m_icon(kIconSize),
      m_sampleRuns(0), m_modeName(), m_cursor(), m_cursorSet(false), m_markShown(false),
      m_markLabel(), m_message() {
    CalcCurves(); // no equation yet: samples nothing, as the window's life begins
}

CWndGraph::~CWndGraph() {
    // The window goes first: its last messages may still reach the surfaces and pens.
    Destroy();
    // The font is selected into the back buffer: the surface lets go of it first.
    m_backBuffer.Destroy();
    m_cache.Destroy();
}

int CWndGraph::SetEquation(const wchar_t* text, int index) {
    return m_curves.SetEquation(text, index);
}

int CWndGraph::AddPoint(double x, double y) {
    return m_points.AddPoint(x, y);
}

void CWndGraph::CalcCurves() {
    m_curves.CalcCurves(m_view);
    ++m_sampleRuns;
}

void CWndGraph::Invalidate() {
    if (m_hWnd)
        InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CWndGraph::Resample() {
    CalcCurves();
    Invalidate();
}

void CWndGraph::ResetView() {
    m_view.ResetView();
    Resample();
}

void CWndGraph::ZoomIn() {
    if (m_view.ZoomIn())
        Resample();
}

void CWndGraph::ZoomOut() {
    if (m_view.ZoomOut())
        Resample();
}

void CWndGraph::LoadModeName() {
    CZoqString::GetInstance()->LoadText(m_modeName, kModeNames[m_stylus.Mode()], kModeNameCapacity,
                                        m_instance);
}

LRESULT CWndGraph::OnInitDialog(HWND hwnd, WPARAM, LPARAM) {
    CZoqShell::InitFullScreen(hwnd, CZoqShell::kOkButton);
    const SZoqMenuBarInfo menuBar = {IDR_GRAPH_MENUBAR, kMenuBarButtons,
                                     sizeof kMenuBarButtons / sizeof kMenuBarButtons[0]};
    CZoqMenuBar::Create(hwnd, m_instance, menuBar);
    RECT client;
    GetClientRect(hwnd, &client);
    m_view.SetSize(client.right, client.bottom);
    m_icon = CZoqScreen::Scaled(kIconSize);
    // A copy of the dialog's font: the dialog deletes its own when it ends, while the back
    // buffer, which has it selected, lives on until this object goes. Its template was
    // scaled to the device screen's dpi (CZoqDialogTemplate), so the font already follows
    // it like the label positions.
    LOGFONTW font;
    HGDIOBJ dialogFont = reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    if (!m_font.Get() && dialogFont && GetObjectW(dialogFont, sizeof font, &font))
        m_font.Reset(CreateFontIndirectW(&font));
    LoadModeName();
    CalcCurves();
    return 1;
}

void CWndGraph::ClearAnalysis() {
    m_markShown = false;
    m_message[0] = L'\0';
}

void CWndGraph::ShowAnalysis(EGraphAnalysis kind, int found) {
    ClearAnalysis();
    m_markShown = found != 0;
    CZoqString* strings = CZoqString::GetInstance();
    if (found)
        strings->LoadText(m_markLabel, IDS_GRAPH_FOUND_FIRST + kind, kModeNameCapacity, m_instance);
    else
        strings->LoadText(m_message, IDS_GRAPH_NONE_FIRST + kind, kModeNameCapacity, m_instance);
    Invalidate();
}

void CWndGraph::Analyse(EGraphAnalysis kind) {
    while (m_stylus.Mode() != CGraphStylus::kModePoint)
        m_stylus.NextMode();
    LoadModeName();
    double x = 0;
    if (kind == kAnalysisValue) {
        if (!AskGraphX(m_hWnd, m_instance, &x))
            return;
    }
    const POINT cursor = Cursor();
    ShowAnalysis(kind, AnalyseGraph(m_view, m_curves, kind, cursor.x, cursor.y, x, &m_mark));
}

POINT CWndGraph::Cursor() const {
    if (m_cursorSet)
        return m_cursor;
    return POINT{m_view.Width() / 2, m_view.Height() / 2};
}

LRESULT CWndGraph::OnCommand(HWND hwnd, WPARAM wParam, LPARAM) {
    const int command = LOWORD(wParam);
    if (command >= IDM_GRAPH_VALUE && command <= IDM_GRAPH_FIND_INTERSECTION) {
        Analyse(static_cast<EGraphAnalysis>(command - IDM_GRAPH_ANALYSIS_FIRST));
        return 1;
    }
    switch (command) {
    case IDM_GRAPH_MODE:
        m_stylus.NextMode();
        LoadModeName();
        Invalidate();
        return 1;
    case IDM_GRAPH_RESET:
        ResetView();
        return 1;
    case IDM_GRAPH_ZOOM_IN:
        ZoomIn();
        return 1;
    case IDM_GRAPH_ZOOM_OUT:
        ZoomOut();
        return 1;
    case IDOK:
    case IDCANCEL: // the desktop's Escape key closes the graph like "ok"
        EndDialog(hwnd, 0);
        return 1;
    }
    return 0;
}

// The context menu of the point-on-graph mode: the right button at a point (which becomes
// the cursor), or the keyboard's menu key or Shift+F10 (at the cursor).
void CWndGraph::ShowAnalysisMenu(LPARAM screenPoint) {
    if (m_stylus.Mode() != CGraphStylus::kModePoint || m_stylus.IsDown())
        return;
    // Signed: on a second monitor left of the first a screen x is negative.
    POINT point = {static_cast<short>(LOWORD(screenPoint)),
                   static_cast<short>(HIWORD(screenPoint))};
    if (point.x == -1 && point.y == -1) {
        point = Cursor();
    } else {
        ScreenToClient(m_hWnd, &point);
        m_cursor = point;
        m_cursorSet = true;
    }
    HMENU analyze = GetSubMenu(CZoqMenuBar::Menu(m_hWnd), 1);
    CZoqMenuBar::TrackPopup(m_hWnd, analyze, point.x, point.y, TPM_LEFTALIGN | TPM_TOPALIGN);
}

LRESULT CWndGraph::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CONTEXTMENU) {
        ShowAnalysisMenu(lParam);
        return 1;
    }
    return CZoqWnd::OnMessage(hwnd, message, wParam, lParam);
}

namespace {

// The analysis's letters, as its menu shows them.
int AnalysisForKey(WPARAM key) {
    switch (key) {
    case 'V':
        return kAnalysisValue;
    case 'Z':
        return kAnalysisZero;
    case 'N':
        return kAnalysisMinimum;
    case 'X':
        return kAnalysisMaximum;
    case 'I':
        return kAnalysisIntersection;
    default:
        return -1;
    }
}

} // namespace

LRESULT CWndGraph::OnKeyUp(HWND, WPARAM wParam, LPARAM) {
    const int width = m_view.Width(), height = m_view.Height();
    const int analysis = AnalysisForKey(wParam);
    if (analysis >= 0) {
        Analyse(static_cast<EGraphAnalysis>(analysis));
        return 0;
    }
    switch (wParam) {
    case VK_ADD:
        ZoomIn();
        return 0;
    case VK_SUBTRACT:
        ZoomOut();
        return 0;
    case VK_LEFT:
        m_view.ScrollAtEdge(1, height / 2);
        break;
    case VK_UP:
        m_view.ScrollAtEdge(width / 2, 1);
        break;
    case VK_RIGHT:
        m_view.ScrollAtEdge(width - 1, height / 2);
        break;
    case VK_DOWN:
        m_view.ScrollAtEdge(width / 2, height - 1);
        break;
    }
    Resample();
    return 0;
}

LRESULT CWndGraph::OnLButtonDown(HWND, POINT point) {
    m_stylus.Down(point.x, point.y);
    return 0;
}

LRESULT CWndGraph::OnMouseMove(HWND, POINT point) {
    m_stylus.Move(m_view, point.x, point.y);
    // A stylus never moves without touching; a desktop mouse does, and with the button
    // up nothing on the frame follows it.
    if (m_stylus.IsDown())
        Invalidate();
    return 0;
}

LRESULT CWndGraph::OnLButtonUp(HWND, POINT point) {
    // A tap in point-on-graph mode moves the analysis's cursor and clears what it showed.
    if (m_stylus.Mode() == CGraphStylus::kModePoint && m_stylus.IsDown()) {
        m_cursor = point;
        m_cursorSet = true;
        ClearAnalysis();
    }
    m_stylus.Up(m_view, point.x, point.y);
    Resample();
    return 0;
}

int CWndGraph::PrepareSurfaces(HDC dc) {
    if (m_backBuffer.IsEmpty()) {
        if (!m_backBuffer.CreateSized(dc, m_view.Width(), m_view.Height(),
                                      CZoqGDI::kDeviceIndependent))
            return 0;
        if (m_font.Get())
            m_backBuffer.SelectFont(m_font.Get());
        // Dashed lines show the frame through their gaps.
        SetBkMode(m_backBuffer.DC(), TRANSPARENT);
    }
    return 1;
}

void CWndGraph::DrawFullFrame(HDC dc) {
    HDC back = m_backBuffer.DC();
    m_painter.Background(back, m_view);
    if (m_grid)
        m_painter.Grid(back, m_view);
    m_painter.Axes(back, m_view);
    if (!m_stylus.IsDown()) {
        m_painter.Curves(back, m_view, m_curves, m_drawLines);
        m_painter.Points(back, m_view, m_points);
    }
    m_painter.Labels(back, m_view, m_icon);
    if (m_markShown && !m_stylus.IsDown())
        m_painter.Mark(back, m_view, m_mark, m_markLabel, m_icon);
    if (m_message[0])
        m_painter.Message(back, m_view, m_message);
    if (m_cache.IsEmpty())
        m_cache.CreateSized(dc, m_view.Width(), m_view.Height(), 0);
    BitBlt(m_cache.DC(), 0, 0, m_view.Width(), m_view.Height(), back, 0, 0, SRCCOPY);
}

LRESULT CWndGraph::OnDraw(HWND, HDC dc, RECT*) {
    if (!PrepareSurfaces(dc))
        return 0;
    HDC back = m_backBuffer.DC();
    const int width = m_view.Width(), height = m_view.Height();
    const int mode = m_stylus.Mode();
    const bool overlay = m_stylus.IsDown() && !m_cache.IsEmpty() &&
                         (mode == CGraphStylus::kModeZoom || mode == CGraphStylus::kModePoint);
    if (overlay) {
        BitBlt(back, 0, 0, width, height, m_cache.DC(), 0, 0, SRCCOPY);
        if (mode == CGraphStylus::kModeZoom)
            m_painter.ZoomBox(back, m_stylus);
        else
            m_painter.Readout(back, m_view, m_curves, m_activeCurve, m_stylus.CurrentX(), m_icon);
    } else {
        DrawFullFrame(dc);
    }
    m_painter.ModeName(back, m_view, m_modeName, m_icon);
    BitBlt(dc, 0, 0, width, height, back, 0, 0, SRCCOPY);
    return 0;
}
