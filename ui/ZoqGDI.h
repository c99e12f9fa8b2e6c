#pragma once

#include "ce/ZoqGdiScope.h"

#include <windows.h>

// An off-screen drawing surface: a memory device context with one bitmap selected into
// it, optionally a 24-bit device-independent section whose pixels are edited directly
// (3 bytes per pixel, blue green red; rows bottom-up; row stride = Stride()). Windows
// compose their client area in a surface and copy it to the screen in one transfer;
// buttons keep their faces in surfaces.
//
// The static members are the free drawing operations, usable on any device context.
// Colours are COLORREF values; two act as markers: kTransparent (magenta) is the
// transparent colour of every pre-rendered surface, and kNoColour given as a brush or
// pen colour means no brush or no pen.
class CZoqGDI {
public:
    static constexpr COLORREF kTransparent = 0xFF00FF;
    static constexpr COLORREF kNoColour = 0xFF04FF;
    // Fill colour of a shape whose pixels a gradient replaces afterwards.
    static constexpr COLORREF kGradientMarker = 0xFF08FF;

    // Flags of Create and CreateSized.
    static constexpr int kCopyContents = 1;      // copy the rectangle of the given context
    static constexpr int kDeviceIndependent = 2; // a 24-bit section with pixel bits
    static constexpr int kFillTransparent = 4;   // fill with kTransparent (unless copying)

    // Text alignments of DrawTextAt.
    static constexpr int kAlignLeft = 0;
    static constexpr int kAlignCentre = 1;
    static constexpr int kAlignRight = 2;

    // Everything a surface holds, for Detach and Attach.
    struct Handles {
        HDC dc;
        BITMAP description;
        HBITMAP bitmap;
        HGDIOBJ previousBitmap;
        BYTE* bits;
    };

    CZoqGDI();
    virtual ~CZoqGDI();
    CZoqGDI(const CZoqGDI&) = delete;
    CZoqGDI& operator=(const CZoqGDI&) = delete;

    // Builds a surface of the rectangle's size, compatible with `dc`. 0 (surface empty)
    // for a null context, a rectangle without area, or a failed creation.
    int Create(HDC dc, const RECT& rect, int flags);
    int CreateSized(HDC dc, int width, int height, int flags);
    // Releases everything (selections put back before anything is deleted). Always 1.
    int Destroy();
    // Moves every handle out to the caller, who then owns them; the surface is empty
    // afterwards. 0 on an empty surface. A font selected with SelectFont is put back
    // first.
    int Detach(Handles* handles);
    // Takes over handles from Detach (the surface is destroyed first).
    int Attach(const Handles& handles);
    // Turns a device-dependent surface into a device-independent one with the same
    // contents; 1 at once when it already has pixel bits; 0 on an empty surface.
    int MakeDeviceIndependent();
    // Selects a font the caller keeps owning, putting back any earlier one. 0 on an
    // empty surface or a null font (the earlier font is put back all the same).
    int SelectFont(HFONT font);
    // Vertical gradient (top colour at the top, bottom colour at the bottom) of the
    // surface's pixels in `rect`, made device independent first when needed.
    int GradientFill(const RECT& rect, COLORREF top, COLORREF bottom);
    // A rounded rectangle whose inside is the vertical gradient; the outline and the
    // pixels outside the shape keep their colours.
    int GradientRoundRect(const RECT& rect, COLORREF pen, int cornerWidth, int cornerHeight,
                          COLORREF top, COLORREF bottom);

    HDC DC() const { return m_dc.Get(); }
    HBITMAP Bitmap() const { return m_bitmap.Get(); }
    BYTE* Bits() const { return m_bits; }
    const BITMAP& Description() const { return m_description; }
    int Width() const { return m_description.bmWidth; }
    int Height() const { return m_description.bmHeight; }
    int Stride() const { return m_description.bmWidthBytes; }
    int IsEmpty() const { return m_dc.Get() ? 0 : 1; }
    // The colour of pixel (x, y) (y from the top) of a device-independent surface, or
    // CLR_INVALID outside it.
    COLORREF PixelAt(int x, int y) const;

    // --- Free drawing operations. Each returns 1 when it drew, 0 for a null context or
    // text, or a rectangle with right < left or bottom < top.
    static int FillSolid(HDC dc, const RECT& rect, COLORREF colour);
    // One-pixel solid outline; kNoColour as brush draws the outline only, as pen the
    // fill only.
    static int DrawRect(HDC dc, const RECT& rect, COLORREF brush, COLORREF pen);
    static int DrawRoundRect(HDC dc, const RECT& rect, COLORREF brush, COLORREF pen,
                             int cornerWidth, int cornerHeight);
    // New GDI objects the caller owns (CZoqGdiHandle). MakePen: a width below 0 gives
    // no pen (null).
    static HBRUSH MakeBrush(COLORREF colour);
    static HPEN MakePen(COLORREF colour, int style, int width);
    // A font of `height`, escapement and orientation angle x 10, character set 1,
    // ClearType quality when asked (else default quality). Null for a negative height
    // or weight or a missing face name.
    static HFONT MakeFont(int height, int weight, int clearType, const wchar_t* face, int angle);
    // Draws the whole text in `rect` with DrawText `format`, in `font` when given, in
    // `colour` unless it is kTransparent (then the context's colour), with background
    // mode `backgroundMode`; all three are restored afterwards.
    static int DrawTextIn(HDC dc, const wchar_t* text, const RECT& rect, UINT format, HFONT font,
                          COLORREF colour, int backgroundMode);
    // Draws a single line at (x, y): kAlignRight ends the text box at x, kAlignCentre
    // centres it on x, anything else starts it at x. The box is the text's width plus 2
    // pixels wide and its height high.
    static int DrawTextAt(HDC dc, const wchar_t* text, int x, int y, int alignment, HFONT font,
                          COLORREF colour, int backgroundMode);
    // Fills a rectangle of any context with a diagonal gradient: `first` at the top-left
    // corner, `second` at the bottom-right; pixel (x, y) takes gradient step x + y.
    static int GradientOnDC(HDC dc, const RECT& rect, COLORREF first, COLORREF second);
    // Blends every pixel of `rect` (y from the top) of bottom-up 24-bit rows towards
    // `colour` by amount/255, leaving kTransparent pixels untouched. The rectangle is
    // cut to the image (height rows, stride / 3 columns).
    static int TintTowards(BYTE* bits, int height, int stride, const RECT& rect, COLORREF colour,
                           int amount);
    // The vertical gradient's colour for row i (counted upwards from the bottom row) of a
    // rectangle of `height` rows.
    static COLORREF GradientColour(COLORREF top, COLORREF bottom, int row, int height);

private:
    void FillGradientColumn(const RECT& rect, COLORREF top, COLORREF bottom);
    void PaintMarkedPixels(const RECT& rect, COLORREF top, COLORREF bottom);
    BYTE* Row(int y) const;

    CZoqDCHandle m_dc;
    BITMAP m_description;
    CZoqGdiHandle<HBITMAP> m_bitmap;
    HGDIOBJ m_previousBitmap;
    BYTE* m_bits;
    HFONT m_selectedFont;
    HGDIOBJ m_replacedBySelection;
};
