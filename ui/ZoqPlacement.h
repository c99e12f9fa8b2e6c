#pragma once

// Where a program's window goes on the desktop and how large it is drawn: the arithmetic
// behind the Size choice, the first start and the remembered position, free of any
// window system. Rectangles are in desktop pixels, right and bottom exclusive.
struct SZoqRect {
    int left;
    int top;
    int right;
    int bottom;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

class CZoqPlacement {
public:
    // The sizes offered, in percent of a 96-dpi screen, smallest first.
    static constexpr int kSizes[] = {100, 150, 200, 300};
    static constexpr int kSizeCount = 4;
    static constexpr int kDefaultSize = 100;
    // The largest size the first start may choose, and the share of the work area's
    // height its window may take.
    static constexpr int kLargestFirstSize = 200;
    static constexpr int kFirstStartPercentOfWorkArea = 60;

    // 1 when `percent` is one of kSizes.
    static int IsSize(int percent);
    // The size one step up (step > 0) or down (step < 0) from `percent`, staying at the
    // ends; step 0 gives the default size. A percent that is no choice steps from the
    // choice next to it in that direction.
    static int StepSize(int percent, int step);
    // The emulated dots per inch of a size: 96 at 100 %.
    static int DpiOf(int percent);
    // The size at first start: the largest of the sizes up to kLargestFirstSize whose
    // window - the device screen `screenHeight96` pixels high at 96 dpi, enlarged, plus
    // the desktop frame's `frameHeight` - fits in kFirstStartPercentOfWorkArea of the
    // work area's height; the smallest size when none does.
    static int FirstSize(int workAreaHeight, int screenHeight96, int frameHeight);
    // A length drawn at `fromPercent`, drawn at `toPercent`, to the nearest pixel.
    static int Rescale(int length, int fromPercent, int toPercent);
    // `window` moved, not resized, so that it lies inside `area`; a window wider or
    // taller than the area keeps its top-left corner (and so its caption) inside it.
    static SZoqRect Clamp(const SZoqRect& window, const SZoqRect& area);
};
