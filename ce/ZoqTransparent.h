#pragma once

#include <windows.h>

// Copies (and stretches when the sizes differ) a source rectangle onto a destination,
// leaving the destination as it was wherever the source has the `transparent` colour.
// 1 on success; 0 for a missing context or an empty rectangle.
int TransparentImage(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                     int sourceY, int sourceWidth, int sourceHeight, COLORREF transparent);
