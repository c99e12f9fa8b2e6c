#include "graph/WndGraph.h"

#include "ce/ZoqMenuBar.h"
#include "ce/ZoqScreen.h"
#include "ce/ZoqShell.h"
#include "graph/GraphResources.h"
#include "ui/ZoqString.h"

namespace {

// The icon size of a 96-dpi screen; the labels and the mode name keep half of it from
// the bottom edge, which scales them with the emulated screen.
constexpr int kIconSize = 32;

const ZoqMenuBarButton kMenuBarButtons[] = {
    {IDM_GRAPH_MODE, -1, IDS_GRAPH_MODE, nullptr},
    {IDM_GRAPH_RESET, -1, IDS_GRAPH_RESET, nullptr},
    {IDM_GRAPH_ZOOM_IN, -1, IDS_GRAPH_ZOOM_IN, nullptr},
    {IDM_GRAPH_ZOOM_OUT, -1, IDS_GRAPH_ZOOM_OUT, nullptr},
};

const UINT kModeNames[CGraphStylus::kModeCount] = {IDS_GRAPH_ZOOM, IDS_GRAPH_TRANSLATE,
                                                   IDS_GRAPH_POINT};

} // namespace

CWndGraph::CWndGraph()
    : m_font(nullptr), m_drawLines(true), m_grid(true), m_activeCurve(0), m_icon(kIconSize),
      m_sampleRuns(0), m_modeName() {
    CalcCurves(); // no equation yet: samples nothing, as the window's life begins
}

CWndGraph::~CWndGraph() {
    // The window goes first: its last messages may still reach the surfaces and pens.
    Destroy();
    // The font is selected into the back buffer: the surface lets go of it first.
    m_backBuffer.Destroy();
    m_cache.Destroy();
    CZoqGDI::DeleteHandle(m_font);
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
    const ZoqMenuBarInfo menuBar = {IDR_GRAPH_MENUBAR, kMenuBarButtons,
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
    if (!m_font && dialogFont && GetObjectW(dialogFont, sizeof font, &font))
        m_font = CreateFontIndirectW(&font);
    LoadModeName();
    CalcCurves();
    return 1;
}

LRESULT CWndGraph::OnCommand(HWND hwnd, WPARAM wParam, LPARAM) {
    switch (LOWORD(wParam)) {
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

LRESULT CWndGraph::OnKeyUp(HWND, WPARAM wParam, LPARAM) {
    const int width = m_view.Width(), height = m_view.Height();
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
    m_stylus.Up(m_view, point.x, point.y);
    Resample();
    return 0;
}

int CWndGraph::PrepareSurfaces(HDC dc) {
    if (m_backBuffer.IsEmpty()) {
        if (!m_backBuffer.CreateSized(dc, m_view.Width(), m_view.Height(),
                                      CZoqGDI::kDeviceIndependent))
            return 0;
        if (m_font)
            m_backBuffer.SelectFont(m_font);
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
