#include "ui/ZoqGDI.h"

#include <cstring>
#include <utility>

namespace {

// 24-bit rows padded to a multiple of 4 bytes.
int StrideOf(int width) {
    return (width * 3 + 3) & ~3;
}

} // namespace

CZoqGDI::CZoqGDI()
    : m_dc(), m_description(), m_bitmap(), m_previousBitmap(nullptr), m_bits(nullptr),
      m_selectedFont(nullptr), m_replacedBySelection(nullptr) {}

CZoqGDI::~CZoqGDI() {
    Destroy();
}

int CZoqGDI::Create(HDC dc, const RECT& rect, int flags) {
    Destroy();
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    if (!dc || width <= 0 || height <= 0)
        return 0;
    CZoqDCHandle memory(CreateCompatibleDC(dc));
    if (!memory.Get())
        return 0;
    CZoqGdiHandle<HBITMAP> bitmap;
    void* bits = nullptr;
    if (flags & kDeviceIndependent) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = height; // positive: rows bottom-up
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        info.bmiHeader.biSizeImage = static_cast<DWORD>(StrideOf(width)) * height;
        info.bmiHeader.biXPelsPerMeter = 3780;
        info.bmiHeader.biYPelsPerMeter = 3780;
        bitmap.Reset(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    } else {
        bitmap.Reset(CreateCompatibleBitmap(dc, width, height));
    }
    if (!bitmap.Get())
        return 0;
    m_dc = std::move(memory);
    m_bitmap = std::move(bitmap);
    m_bits = static_cast<BYTE*>(bits);
    m_previousBitmap = SelectObject(m_dc.Get(), m_bitmap.Get());
    GetObjectW(m_bitmap.Get(), sizeof(m_description), &m_description);
    RECT whole = {0, 0, width, height};
    if (flags & kCopyContents)
        BitBlt(m_dc.Get(), 0, 0, width, height, dc, rect.left, rect.top, SRCCOPY);
    else if (flags & kFillTransparent)
        FillSolid(m_dc.Get(), whole, kTransparent);
    return 1;
}

int CZoqGDI::CreateSized(HDC dc, int width, int height, int flags) {
    RECT rect = {0, 0, width, height};
    return Create(dc, rect, flags);
}

int CZoqGDI::Destroy() {
    if (m_dc.Get()) {
        // Everything selected goes back before anything is deleted.
        if (m_replacedBySelection)
            SelectObject(m_dc.Get(), m_replacedBySelection);
        if (m_previousBitmap)
            SelectObject(m_dc.Get(), m_previousBitmap);
    }
    m_dc.Reset();
    m_bitmap.Reset();
    m_previousBitmap = nullptr;
    m_bits = nullptr;
    m_selectedFont = nullptr;
    m_replacedBySelection = nullptr;
    std::memset(&m_description, 0, sizeof(m_description));
    return 1;
}

int CZoqGDI::Detach(Handles* handles) {
    if (!handles || !m_dc.Get())
        return 0;
    SelectFont(nullptr);
    handles->dc = m_dc.Release();
    handles->description = m_description;
    handles->bitmap = m_bitmap.Release();
    handles->previousBitmap = m_previousBitmap;
    handles->bits = m_bits;
    m_previousBitmap = nullptr;
    m_bits = nullptr;
    Destroy();
    return 1;
}

int CZoqGDI::Attach(const Handles& handles) {
    Destroy();
    if (!handles.dc)
        return 0;
    m_dc.Reset(handles.dc);
    m_description = handles.description;
    m_bitmap.Reset(handles.bitmap);
    m_previousBitmap = handles.previousBitmap;
    m_bits = handles.bits;
    return 1;
}

int CZoqGDI::MakeDeviceIndependent() {
    if (!m_dc.Get())
        return 0;
    if (m_bits)
        return 1;
    CZoqGDI copy;
    if (!copy.CreateSized(m_dc.Get(), Width(), Height(), kCopyContents | kDeviceIndependent))
        return 0;
    HFONT font = m_selectedFont;
    Handles handles = {};
    copy.Detach(&handles);
    Attach(handles);
    if (font)
        SelectFont(font);
    return 1;
}

int CZoqGDI::SelectFont(HFONT font) {
    if (m_dc.Get() && m_replacedBySelection)
        SelectObject(m_dc.Get(), m_replacedBySelection);
    m_replacedBySelection = nullptr;
    m_selectedFont = nullptr;
    if (!m_dc.Get() || !font)
        return 0;
    m_replacedBySelection = SelectObject(m_dc.Get(), font);
    if (!m_replacedBySelection)
        return 0;
    m_selectedFont = font;
    return 1;
}

COLORREF CZoqGDI::PixelAt(int x, int y) const {
    if (!m_bits || x < 0 || y < 0 || x >= Width() || y >= Height())
        return CLR_INVALID;
    GdiFlush();
    const BYTE* pixel = Row(y) + 3 * x;
    return RGB(pixel[2], pixel[1], pixel[0]);
}

BYTE* CZoqGDI::Row(int y) const {
    return m_bits + static_cast<size_t>(Height() - 1 - y) * Stride();
}
