#include "ui/ZoqDynDisplay.h"

#include "ce/ZoqTransparent.h"
#include "ce/ZoqGdiScope.h"

namespace {

void Polyline3(HDC dc, COLORREF colour, POINT a, POINT b, POINT c) {
    CZoqGdiHandle<HPEN> pen(CreatePen(PS_SOLID, 1, colour));
    CZoqSelection selected(dc, pen.Get());
    POINT points[3] = {a, b, c};
    Polyline(dc, points, 3);
}

} // namespace

CZoqDynDisplay::CZoqDynDisplay()
    : m_style(kBevelled), m_background(0), m_gradient(0), m_lightEdge(0), m_darkEdge(0), m_rect(),
      m_faceSource(nullptr) {}

CZoqDynDisplay::~CZoqDynDisplay() = default;

int CZoqDynDisplay::Create(const RECT& rect, COLORREF background, COLORREF gradient,
                           COLORREF lightEdge, COLORREF darkEdge, int style,
                           CZoqDynDisplay* faceSource) {
    m_surface.Destroy();
    m_rect = rect;
    m_background = background;
    m_gradient = gradient;
    m_lightEdge = lightEdge;
    m_darkEdge = darkEdge;
    m_style = style;
    m_faceSource = faceSource == this ? nullptr : faceSource;
    return m_faceSource ? 1 : Render();
}

int CZoqDynDisplay::Render() {
    const int width = m_rect.right - m_rect.left;
    const int height = m_rect.bottom - m_rect.top;
    CZoqWindowDC screen(nullptr);
    if (!m_surface.CreateSized(screen.Get(), width, height,
                               CZoqGDI::kDeviceIndependent | CZoqGDI::kFillTransparent))
        return 0;
    HDC dc = m_surface.DC();
    RECT whole = {0, 0, width, height};
    switch (m_style) {
    case kBevelled:
        CZoqGDI::FillSolid(dc, whole, m_background);
        // Polylines leave out their last point, so each edge ends one pixel past it.
        Polyline3(dc, m_darkEdge, {0, height - 1}, {width - 1, height - 1}, {width - 1, -1});
        Polyline3(dc, m_lightEdge, {0, height - 2}, {0, 0}, {width - 1, 0});
        break;
    case kDoubleOutline:
    case kDoubleOutlineGradient: {
        CZoqGDI::DrawRect(dc, whole, m_background, m_darkEdge);
        RECT inner = {1, 1, width - 1, height - 1};
        CZoqGDI::DrawRect(dc, inner, m_background, m_lightEdge);
        if (m_style == kDoubleOutlineGradient) {
            RECT well = {2, 2, width - 2, height - 2};
            m_surface.GradientFill(well, m_background, m_gradient);
        }
        break;
    }
    default:
        CZoqGDI::FillSolid(dc, whole, m_background);
        break;
    }
    return 1;
}

int CZoqDynDisplay::Draw(HDC dc) const {
    const CZoqGDI& surface = Surface();
    if (!dc || surface.IsEmpty())
        return 0;
    return TransparentImage(dc, m_rect.left, m_rect.top, m_rect.right - m_rect.left,
                            m_rect.bottom - m_rect.top, surface.DC(), 0, 0, surface.Width(),
                            surface.Height(), CZoqGDI::kTransparent);
}
