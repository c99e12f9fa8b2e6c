#include "ui/ZoqPlacement.h"

int CZoqPlacement::IsSize(int percent) {
    for (int size : kSizes) {
        if (size == percent) {
            return 1;
        }
    }
    return 0;
}

int CZoqPlacement::StepSize(int percent, int step) {
    if (step == 0) {
        return kDefaultSize;
    }
    if (step > 0) {
        for (int size : kSizes) {
            if (size > percent) {
                return size;
            }
        }
        return kSizes[kSizeCount - 1];
    }
    for (int i = kSizeCount - 1; i >= 0; --i) {
        if (kSizes[i] < percent) {
            return kSizes[i];
        }
    }
    return kSizes[0];
}

int CZoqPlacement::DpiOf(int percent) {
    return (96 * percent + 50) / 100;
}

int CZoqPlacement::FirstSize(int workAreaHeight, int screenHeight96, int frameHeight) {
    // 64-bit products: a work area or a screen height from a damaged value cannot
    // overflow the comparison.
    const long long room = static_cast<long long>(workAreaHeight) * kFirstStartPercentOfWorkArea;
    int chosen = kSizes[0];
    for (int size : kSizes) {
        if (size > kLargestFirstSize) {
            break;
        }
        const long long window = static_cast<long long>(screenHeight96) * size +
                                 static_cast<long long>(frameHeight) * 100;
        if (window <= room) {
            chosen = size;
        }
    }
    return chosen;
}

int CZoqPlacement::Rescale(int length, int fromPercent, int toPercent) {
    if (fromPercent <= 0) {
        return length;
    }
    const long long scaled = static_cast<long long>(length) * toPercent;
    return static_cast<int>((scaled + fromPercent / 2) / fromPercent);
}

namespace {

// The start of a span of `length` placed at `start` and kept inside [low, high).
int ClampSpan(int start, int length, int low, int high) {
    if (length >= high - low || start < low) {
        return low;
    }
    if (start + length > high) {
        return high - length;
    }
    return start;
}

} // namespace

SZoqRect CZoqPlacement::Clamp(const SZoqRect& window, const SZoqRect& area) {
    const int width = window.Width();
    const int height = window.Height();
    const int left = ClampSpan(window.left, width, area.left, area.right);
    const int top = ClampSpan(window.top, height, area.top, area.bottom);
    return SZoqRect{left, top, left + width, top + height};
}
