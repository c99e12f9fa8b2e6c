#pragma once

#include "ce/ZoqGdiScope.h"

#include <windows.h>

#include <cstddef>

// A decoded PNG or JPEG image: a bitmap of the screen's colour depth with its width and
// height. Decoding is done once (per layout); drawing copies the bitmap.
class CZoqImage {
public:
    // Images larger than this on either side are refused.
    static constexpr int kMaxSide = 8192;

    CZoqImage();
    ~CZoqImage();
    CZoqImage(const CZoqImage&) = delete;
    CZoqImage& operator=(const CZoqImage&) = delete;

    // Decodes resource `id` of custom type `type` ("PNG", "Png", "Jpeg"...) of `instance`.
    // 1 with the bitmap, width and height set; 0 (image empty) when the resource is
    // missing or does not decode.
    int LoadFromResource(HINSTANCE instance, UINT id, const wchar_t* type);
    // Decodes a file (opened for shared reading).
    int LoadFromFile(const wchar_t* path);
    // Decodes PNG or JPEG data held in memory.
    int LoadFromMemory(const void* data, std::size_t size);
    // Copies the whole image to (x, y) when width and height are both -1, otherwise
    // stretches it into width x height. 0 when empty or without a context.
    int Draw(HDC dc, int x, int y, int width, int height) const;
    // Deletes the bitmap; the image is empty afterwards.
    void Release();

    HBITMAP Bitmap() const { return m_bitmap.Get(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    CZoqGdiHandle<HBITMAP> m_bitmap;
    int m_width;
    int m_height;
};
