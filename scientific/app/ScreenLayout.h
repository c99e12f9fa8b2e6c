#pragma once

// Which key layout and skin pair a screen of a given size and resolution gets, and the
// pixel geometry that follows from it. Portable: the window code feeds it the
// emulated screen and gets back everything it needs to place keys and texts.

enum class EScreenShape { Portrait, Landscape, Square };

struct SScreenLayout {
    EScreenShape shape;
    int templateId;   // dialog template holding the 44 key rectangles
    int faceImage;    // PNG resource of the skin
    int pressedImage; // PNG resource of the pressed-key skin
    int imageDpi;     // resolution the skin pair was drawn for
    int displayOffsetY;
    int textXPercent; // display text x coordinates are scaled by this (square: 75)
    int dpi;

    int SameAs(const SScreenLayout& other) const {
        return templateId == other.templateId && faceImage == other.faceImage && dpi == other.dpi;
    }
};

struct SPixelRect {
    int left, top, right, bottom;
};

// (length * dpi + 48) / 96: a length given for a 96-dpi screen.
inline int ScaledLength(int length, int dpi) {
    return (length * dpi + 48) / 96;
}

EScreenShape ClassifyScreen(int width, int height);
SScreenLayout ChooseLayout(int width, int height, int dpi);

// Dialog units of the key templates to pixels. The base units are fixed (those of the
// layouts' design font, 6 x 13 pixels at 96 dpi, scaled) rather than measured from
// whatever face the system substitutes, so keys always sit on the skin art, which the
// generator draws with the same numbers.
SPixelRect DialogUnitsToPixels(int x, int y, int width, int height, int dpi);

// An x coordinate of the display texts for this layout (scaled, then the square
// layout's 0.75, truncated).
int DisplayX(const SScreenLayout& layout, int x96);
// A y coordinate of the display texts (scaled, plus the display offset).
int DisplayY(const SScreenLayout& layout, int y96);
