#pragma once

// Conversions from world arithmetic to pixel coordinates.
//
// A double that is not finite, or too large for an int, has no defined conversion to an
// integer in C++. The graph meets such values all the time (1/X at 0, ln of a negative x,
// a zoom box shrunk to nothing), so every conversion goes through TruncToPixel, which clamps
// to a band far outside any window: a clamped row still lies more than two window heights
// away from every visible row, so the curve break rule keeps treating it as a jump, and GDI
// clips it like any other far-away coordinate.

constexpr int kPixelLimit = 1 << 24;

// Truncation toward zero, clamped to [-kPixelLimit, kPixelLimit]. NaN maps to -kPixelLimit,
// which as a row offset puts a sample below the window (see CGraphView::YToScreen).
inline int TruncToPixel(double value) {
    if (!(value > -kPixelLimit)) // also true for NaN
        return -kPixelLimit;
    if (value >= kPixelLimit)
        return kPixelLimit;
    return static_cast<int>(value);
}
