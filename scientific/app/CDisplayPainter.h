#pragma once

#include "ce/ZoqGdiScope.h"
#include "ce/ZoqImage.h"
#include "scientific/app/DisplayModel.h"

#include <windows.h>

// Draws the display items over the skin: the fonts of the display (made once per dpi
// and ClearType setting, not per paint) and the two history arrows.
class CDisplayPainter {
public:
    CDisplayPainter() = default;
    CDisplayPainter(const CDisplayPainter&) = delete;
    CDisplayPainter& operator=(const CDisplayPainter&) = delete;

    // Decodes the history arrows (resource type "Png"). 1 when both are there.
    int LoadArrows(HINSTANCE instance);
    // Makes the fonts for this dpi and text quality unless they already are.
    void PrepareFonts(int dpi, int clearType);
    int FontQuality() const { return m_quality; }

    void Paint(HDC dc, const CDisplayModel& model) const;

private:
    static constexpr int kFontCount = 4;
    void DrawLabel(HDC dc, const SDisplayItem& item) const;
    void DrawArrow(HDC dc, const SDisplayItem& item) const;

    CZoqGdiHandle<HFONT> m_fonts[kFontCount];
    int m_dpi = 0;
    int m_quality = 0;
    CZoqImage m_back;
    CZoqImage m_forward;
};
