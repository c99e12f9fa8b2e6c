#include "scientific/app/CDisplayPainter.h"

#include "ce/ZoqTransparent.h"
#include "scientific/app/resource.h"
#include "ce/ZoqGdiScope.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

COLORREF Ink(int active) {
    const uint8_t* ink = active ? kActiveInk : kInactiveInk;
    return RGB(ink[0], ink[1], ink[2]);
}

} // namespace

int CDisplayPainter::LoadArrows(HINSTANCE instance) {
    const int back = m_back.LoadFromResource(instance, IDB_HISTORY_BACK, L"Png");
    const int forward = m_forward.LoadFromResource(instance, IDB_HISTORY_FORWARD, L"Png");
    return back && forward;
}

void CDisplayPainter::PrepareFonts(int dpi, int clearType) {
    const int quality = clearType ? CLEARTYPE_QUALITY : ANTIALIASED_QUALITY;
    if (m_fonts[0].Get() && dpi == m_dpi && quality == m_quality) {
        return;
    }
    m_dpi = dpi;
    m_quality = quality;
    for (int i = 0; i < kFontCount; ++i) {
        const EDisplayFont font = static_cast<EDisplayFont>(i);
        LOGFONTW lf = {};
        lf.lfHeight = -ScaledLength(DisplayFontHeight(font), dpi);
        lf.lfWeight = DisplayFontWeight(font);
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = static_cast<BYTE>(quality);
        lstrcpynW(lf.lfFaceName, L"Tahoma", LF_FACESIZE);
        m_fonts[i].Reset(CreateFontIndirectW(&lf));
    }
}

void CDisplayPainter::Paint(HDC dc, const CDisplayModel& model) const {
    CZoqSavedDC saved(dc);
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < model.Count(); ++i) {
        const SDisplayItem& item = model.Item(i);
        if (item.imageId) {
            DrawArrow(dc, item);
        } else {
            DrawLabel(dc, item);
        }
    }
}

void CDisplayPainter::DrawLabel(HDC dc, const SDisplayItem& item) const {
    const int index = static_cast<int>(item.font);
    if (index < 0 || index >= kFontCount || !m_fonts[index].Get()) {
        return;
    }
    CZoqSelection font(dc, m_fonts[index].Get());
    SetTextColor(dc, Ink(item.active));
    SetTextAlign(dc, (item.alignRight ? TA_RIGHT : TA_LEFT) | TA_TOP | TA_NOUPDATECP);
    ExtTextOutW(dc, item.x, item.y, 0, nullptr, item.text, lstrlenW(item.text), nullptr);
}

void CDisplayPainter::DrawArrow(HDC dc, const SDisplayItem& item) const {
    const CZoqImage& image = item.imageId == IDB_HISTORY_BACK ? m_back : m_forward;
    if (!image.Bitmap()) {
        return;
    }
    CZoqMemoryDC memory(dc);
    CZoqSelection selected(memory.Get(), image.Bitmap());
    TransparentImage(dc, item.x, item.y, ScaledLength(image.Width(), m_dpi),
                     ScaledLength(image.Height(), m_dpi), memory.Get(), 0, 0, image.Width(),
                     image.Height(), kMagenta);
}
