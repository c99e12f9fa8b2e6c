#include "scientific/app/ScreenLayout.h"

#include "scientific/app/resource.h"

namespace {

// Win32 MulDiv for the non-negative values of the templates: rounds half up.
int RoundedMulDiv(int a, int b, int c) {
    return (2 * a * b + c) / (2 * c);
}

// The skin pair drawn at 96 dpi, or with `high` the one drawn at 192 dpi.
void PickImages(SScreenLayout* layout, bool high, int face, int pressed, int faceHigh,
                int pressedHigh) {
    layout->faceImage = high ? faceHigh : face;
    layout->pressedImage = high ? pressedHigh : pressed;
    layout->imageDpi = high ? 192 : 96;
}

} // namespace

EScreenShape ClassifyScreen(int width, int height) {
    if (width == height) {
        return EScreenShape::Square;
    }
    return width > height ? EScreenShape::Landscape : EScreenShape::Portrait;
}

SScreenLayout ChooseLayout(int width, int height, int dpi) {
    SScreenLayout layout{};
    layout.shape = ClassifyScreen(width, height);
    layout.dpi = dpi;
    layout.textXPercent = 100;
    switch (layout.shape) {
    case EScreenShape::Portrait:
        layout.templateId = IDD_MAIN_PORTRAIT;
        PickImages(&layout, width > 320, IDB_FACE_PORTRAIT, IDB_PRESSED_PORTRAIT,
                   IDB_FACE_PORTRAIT_HI, IDB_PRESSED_PORTRAIT_HI);
        break;
    case EScreenShape::Landscape:
        layout.templateId = IDD_MAIN_LANDSCAPE;
        PickImages(&layout, width > 320 && height < ScaledLength(320, dpi), IDB_FACE_LANDSCAPE,
                   IDB_PRESSED_LANDSCAPE, IDB_FACE_LANDSCAPE_HI, IDB_PRESSED_LANDSCAPE_HI);
        layout.displayOffsetY = -ScaledLength(7, dpi);
        break;
    case EScreenShape::Square:
        layout.templateId = IDD_MAIN_SQUARE;
        layout.faceImage = IDB_FACE_SQUARE;
        layout.pressedImage = IDB_PRESSED_SQUARE;
        layout.imageDpi = 96;
        layout.displayOffsetY = -ScaledLength(5, dpi);
        layout.textXPercent = 75;
        break;
    }
    return layout;
}

SPixelRect DialogUnitsToPixels(int x, int y, int width, int height, int dpi) {
    const int baseX = ScaledLength(6, dpi);
    const int baseY = ScaledLength(13, dpi);
    return SPixelRect{RoundedMulDiv(x, baseX, 4), RoundedMulDiv(y, baseY, 8),
                      RoundedMulDiv(x + width, baseX, 4), RoundedMulDiv(y + height, baseY, 8)};
}

int DisplayX(const SScreenLayout& layout, int x96) {
    return ScaledLength(x96, layout.dpi) * layout.textXPercent / 100;
}

int DisplayY(const SScreenLayout& layout, int y96) {
    return ScaledLength(y96, layout.dpi) + layout.displayOffsetY;
}
