#include "ce/ZoqTransparent.h"

int TransparentImage(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                     int sourceY, int sourceWidth, int sourceHeight, COLORREF transparent) {
    if (!destination || !source || width <= 0 || height <= 0 || sourceWidth <= 0 ||
        sourceHeight <= 0)
        return 0;
    return TransparentBlt(destination, x, y, width, height, source, sourceX, sourceY, sourceWidth,
                          sourceHeight, transparent)
               ? 1
               : 0;
}
