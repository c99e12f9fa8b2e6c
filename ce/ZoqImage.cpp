#include "ce/ZoqImage.h"

#include "ce/ZoqWic.h"
#include "ce/ZoqGdiScope.h"

#include <vector>

namespace {

// The decoded frame as top-down 32-bit BGR rows turned into a bitmap compatible with the
// screen.
HBITMAP BitmapFromSource(IWICImagingFactory* factory, IWICBitmapSource* source, int* width,
                         int* height) {
    UINT w = 0, h = 0;
    if (FAILED(source->GetSize(&w, &h)) || w == 0 || h == 0 ||
        w > static_cast<UINT>(CZoqImage::kMaxSide) || h > static_cast<UINT>(CZoqImage::kMaxSide))
        return nullptr;
    CZoqComPtr<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(converter.Out())) ||
        FAILED(converter->Initialize(source, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone,
                                     nullptr, 0.0, WICBitmapPaletteTypeCustom)))
        return nullptr;
    std::vector<BYTE> pixels(static_cast<size_t>(w) * h * 4);
    if (FAILED(
            converter->CopyPixels(nullptr, w * 4, static_cast<UINT>(pixels.size()), pixels.data())))
        return nullptr;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = static_cast<LONG>(w);
    info.bmiHeader.biHeight = -static_cast<LONG>(h); // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    CZoqWindowDC screen(nullptr);
    CZoqGdiHandle<HBITMAP> bitmap(
        CreateCompatibleBitmap(screen.Get(), static_cast<int>(w), static_cast<int>(h)));
    if (!bitmap.Get() ||
        !SetDIBits(screen.Get(), bitmap.Get(), 0, h, pixels.data(), &info, DIB_RGB_COLORS))
        return nullptr;
    *width = static_cast<int>(w);
    *height = static_cast<int>(h);
    return bitmap.Release();
}

HBITMAP Decode(IWICImagingFactory* factory, IWICBitmapDecoder* decoder, int* width, int* height) {
    CZoqComPtr<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, frame.Out())))
        return nullptr;
    return BitmapFromSource(factory, frame.Get(), width, height);
}

} // namespace

CZoqImage::CZoqImage() : m_bitmap(), m_width(0), m_height(0) {}

CZoqImage::~CZoqImage() {
    Release();
}

int CZoqImage::LoadFromResource(HINSTANCE instance, UINT id, const wchar_t* type) {
    Release();
    if (!type)
        return 0;
    HRSRC resource = FindResourceW(instance, MAKEINTRESOURCEW(id), type);
    HGLOBAL loaded = resource ? LoadResource(instance, resource) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return 0;
    return LoadFromMemory(data, SizeofResource(instance, resource));
}

int CZoqImage::LoadFromFile(const wchar_t* path) {
    Release();
    if (!path)
        return 0;
    CZoqWic wic;
    if (!wic.Factory())
        return 0;
    CZoqComPtr<IWICBitmapDecoder> decoder;
    if (FAILED(wic.Factory()->CreateDecoderFromFilename(
            path, nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand, decoder.Out())))
        return 0;
    m_bitmap.Reset(Decode(wic.Factory(), decoder.Get(), &m_width, &m_height));
    return m_bitmap.Get() ? 1 : 0;
}

int CZoqImage::LoadFromMemory(const void* data, std::size_t size) {
    Release();
    if (!data || size == 0 || size > 0x7FFFFFFF)
        return 0;
    CZoqWic wic;
    if (!wic.Factory())
        return 0;
    CZoqComPtr<IWICStream> stream;
    CZoqComPtr<IWICBitmapDecoder> decoder;
    if (FAILED(wic.Factory()->CreateStream(stream.Out())) ||
        FAILED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(data)),
                                            static_cast<DWORD>(size))) ||
        FAILED(wic.Factory()->CreateDecoderFromStream(
            stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.Out())))
        return 0;
    m_bitmap.Reset(Decode(wic.Factory(), decoder.Get(), &m_width, &m_height));
    return m_bitmap.Get() ? 1 : 0;
}

int CZoqImage::Draw(HDC dc, int x, int y, int width, int height) const {
    if (!dc || !m_bitmap.Get())
        return 0;
    CZoqMemoryDC memory(dc);
    if (!memory.Get())
        return 0;
    CZoqSelection selected(memory.Get(), m_bitmap.Get());
    if (width == -1 && height == -1)
        return BitBlt(dc, x, y, m_width, m_height, memory.Get(), 0, 0, SRCCOPY) ? 1 : 0;
    return StretchBlt(dc, x, y, width, height, memory.Get(), 0, 0, m_width, m_height, SRCCOPY) ? 1
                                                                                               : 0;
}

void CZoqImage::Release() {
    m_bitmap.Reset();
    m_width = 0;
    m_height = 0;
}
