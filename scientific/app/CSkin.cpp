#include "scientific/app/CSkin.h"

#include "ce/ZoqGdiScope.h"

int CSkin::Load(HINSTANCE instance, const SScreenLayout& layout) {
    Release();
    CZoqImage face, pressed;
    if (!face.LoadFromResource(instance, layout.faceImage, L"PNG") ||
        !pressed.LoadFromResource(instance, layout.pressedImage, L"PNG")) {
        return 0;
    }
    m_width = face.Width() * layout.dpi / layout.imageDpi;
    m_height = face.Height() * layout.dpi / layout.imageDpi;
    m_face.Reset(Resampled(face, m_width, m_height));
    m_pressed.Reset(Resampled(pressed, m_width, m_height));
    if (!m_face.Get() || !m_pressed.Get()) {
        Release();
        return 0;
    }
    // The art's bottom right corner is plain body: the colour for any screen area the
    // art does not cover.
    CZoqMemoryDC memory(nullptr);
    CZoqSelection selected(memory.Get(), m_face.Get());
    m_body = GetPixel(memory.Get(), m_width - 1, m_height - 1);
    return 1;
}

void CSkin::Release() {
    m_face.Reset();
    m_pressed.Reset();
    m_width = m_height = 0;
}

HBITMAP CSkin::Resampled(const CZoqImage& image, int width, int height) {
    CZoqWindowDC screen(nullptr);
    CZoqGdiHandle<HBITMAP> bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    if (!bitmap.Get()) {
        return nullptr;
    }
    CZoqMemoryDC target(screen.Get());
    CZoqSelection selected(target.Get(), bitmap.Get());
    SetStretchBltMode(target.Get(), HALFTONE);
    SetBrushOrgEx(target.Get(), 0, 0, nullptr);
    const int same = width == image.Width() && height == image.Height();
    if (!image.Draw(target.Get(), 0, 0, same ? -1 : width, same ? -1 : height)) {
        return nullptr;
    }
    return bitmap.Release(); // deselected before the caller can use it
}

void CSkin::DrawFace(HDC dc, const RECT& client) const {
    CZoqGdiHandle<HBRUSH> body(CreateSolidBrush(m_body));
    FillRect(dc, &client, body.Get());
    if (!m_face.Get()) {
        return;
    }
    CZoqMemoryDC memory(dc);
    CZoqSelection selected(memory.Get(), m_face.Get());
    BitBlt(dc, 0, 0, m_width, m_height, memory.Get(), 0, 0, SRCCOPY);
}

void CSkin::DrawPiece(HDC dc, const RECT& key, int pressed) const {
    HBITMAP image = pressed ? m_pressed.Get() : m_face.Get();
    if (!image) {
        return;
    }
    CZoqMemoryDC memory(dc);
    CZoqSelection selected(memory.Get(), image);
    BitBlt(dc, 0, 0, key.right - key.left, key.bottom - key.top, memory.Get(), key.left, key.top,
           SRCCOPY);
}
