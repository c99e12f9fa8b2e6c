#include "ui/ZoqGDI.h"

#include <algorithm>

namespace {

bool IsBadRect(const RECT& rect) {
    return rect.right < rect.left || rect.bottom < rect.top;
}

BYTE Blend(int towards, int weight, int from) {
    return static_cast<BYTE>((towards * weight + from * (255 - weight)) >> 8);
}

bool IsColour(const BYTE* pixel, COLORREF colour) {
    return pixel[0] == GetBValue(colour) && pixel[1] == GetGValue(colour) &&
           pixel[2] == GetRValue(colour);
}

void SetPixelBytes(BYTE* pixel, COLORREF colour) {
    pixel[0] = GetBValue(colour);
    pixel[1] = GetGValue(colour);
    pixel[2] = GetRValue(colour);
}

} // namespace

COLORREF CZoqGDI::GradientColour(COLORREF top, COLORREF bottom, int row, int height) {
    if (height <= 0)
        return bottom;
    // Weight of the bottom colour, in floating point as the rows are counted upwards.
    int weight = static_cast<int>((1.0 - static_cast<double>(row) / height) * 255.0);
    return RGB(Blend(GetRValue(bottom), weight, GetRValue(top)),
               Blend(GetGValue(bottom), weight, GetGValue(top)),
               Blend(GetBValue(bottom), weight, GetBValue(top)));
}

int CZoqGDI::GradientFill(const RECT& rect, COLORREF top, COLORREF bottom) {
    if (!m_dc.Get() || IsBadRect(rect) || !MakeDeviceIndependent())
        return 0;
    FillGradientColumn(rect, top, bottom);
    return 1;
}

void CZoqGDI::FillGradientColumn(const RECT& rect, COLORREF top, COLORREF bottom) {
    const int height = rect.bottom - rect.top;
    const int left = std::max<int>(rect.left, 0);
    const int right = std::min<int>(rect.right, Width());
    const int firstRow = std::max<int>(rect.top, 0);
    const int endRow = std::min<int>(rect.bottom, Height());
    if (left >= right || firstRow >= endRow)
        return;
    GdiFlush();
    // One column is computed; the others are block copies of it.
    for (int i = 0; i < height; ++i) {
        int y = rect.bottom - 1 - i;
        if (y >= firstRow && y < endRow)
            SetPixelBytes(Row(y) + 3 * left, GradientColour(top, bottom, i, height));
    }
    for (int x = left + 1; x < right; ++x)
        BitBlt(m_dc.Get(), x, firstRow, 1, endRow - firstRow, m_dc.Get(), left, firstRow, SRCCOPY);
}

int CZoqGDI::GradientRoundRect(const RECT& rect, COLORREF pen, int cornerWidth, int cornerHeight,
                               COLORREF top, COLORREF bottom) {
    if (!m_dc.Get() || IsBadRect(rect) || !MakeDeviceIndependent())
        return 0;
    DrawRoundRect(m_dc.Get(), rect, kGradientMarker, pen, cornerWidth, cornerHeight);
    PaintMarkedPixels(rect, top, bottom);
    return 1;
}

void CZoqGDI::PaintMarkedPixels(const RECT& rect, COLORREF top, COLORREF bottom) {
    const int height = rect.bottom - rect.top;
    const int left = std::max<int>(rect.left, 0);
    const int right = std::min<int>(rect.right, Width());
    GdiFlush();
    for (int i = 0; i < height; ++i) {
        int y = rect.bottom - 1 - i;
        if (y < 0 || y >= Height())
            continue;
        COLORREF colour = GradientColour(top, bottom, i, height);
        BYTE* row = Row(y);
        for (int x = left; x < right; ++x)
            if (IsColour(row + 3 * x, kGradientMarker))
                SetPixelBytes(row + 3 * x, colour);
    }
}

int CZoqGDI::GradientOnDC(HDC dc, const RECT& rect, COLORREF first, COLORREF second) {
    if (!dc || IsBadRect(rect))
        return 0;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    CZoqGDI picture;
    CZoqGDI ramp;
    if (!picture.Create(dc, rect, kCopyContents | kDeviceIndependent) ||
        !ramp.CreateSized(dc, 1, width + height, kDeviceIndependent))
        return 0;
    RECT rampRect = {0, 0, 1, width + height};
    ramp.GradientFill(rampRect, first, second);
    // Column x takes ramp rows x .. x + height - 1: pixel (x, y) gets step x + y.
    for (int x = 0; x < width; ++x)
        BitBlt(picture.DC(), x, 0, 1, height, ramp.DC(), 0, x, SRCCOPY);
    return BitBlt(dc, rect.left, rect.top, width, height, picture.DC(), 0, 0, SRCCOPY) ? 1 : 0;
}

int CZoqGDI::TintTowards(BYTE* bits, int height, int stride, const RECT& rect, COLORREF colour,
                         int amount) {
    if (!bits || height <= 0 || stride < 3 || IsBadRect(rect))
        return 0;
    const int weight = std::clamp(amount, 0, 255);
    const int left = std::max<int>(rect.left, 0);
    const int right = std::min<int>(rect.right, stride / 3);
    const int firstRow = std::max<int>(rect.top, 0);
    const int endRow = std::min<int>(rect.bottom, height);
    GdiFlush();
    for (int y = firstRow; y < endRow; ++y) {
        BYTE* row = bits + static_cast<size_t>(height - 1 - y) * stride;
        for (int x = left; x < right; ++x) {
            BYTE* pixel = row + 3 * x;
            if (IsColour(pixel, kTransparent))
                continue;
            pixel[0] = Blend(GetBValue(colour), weight, pixel[0]);
            pixel[1] = Blend(GetGValue(colour), weight, pixel[1]);
            pixel[2] = Blend(GetRValue(colour), weight, pixel[2]);
        }
    }
    return 1;
}
