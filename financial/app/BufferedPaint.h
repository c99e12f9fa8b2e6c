#pragma once

#include "ui/ZoqGDI.h"

#include <windows.h>

// Answers WM_PAINT through a back buffer, so that the window never shows half drawn:
// the buffer's `width` x `height` is filled with `background`, drawn on by
// `draw(surface, all)` (all: that whole area) and copied to the window in one go. A
// window whose buffer could not be made draws nothing; its paint is still ended.
template <class Draw>
void PaintBuffered(HWND window, const CZoqGDI& buffer, int width, int height, COLORREF background,
                   Draw draw) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    HDC surface = buffer.DC();
    if (surface) {
        const RECT all = {0, 0, width, height};
        CZoqGDI::FillSolid(surface, all, background);
        draw(surface, all);
        BitBlt(dc, 0, 0, width, height, surface, 0, 0, SRCCOPY);
    }
    EndPaint(window, &paint);
}
