#pragma once

#include "scientific/DisplayContent.h"
#include "scientific/app/ScreenLayout.h"

#include <cstdint>

// What the calculator's display shows and where: the texts and images the main window
// draws over the skin, in drawing order, with their scaled positions, fonts and
// colours. Portable; the window only turns the items into GDI calls.

struct SDisplayState {
    const wchar_t* number; // the current mode's display text, already formatted
    const wchar_t* line;   // the current mode's secondary text (expression line)
    int commaSeparator;
    int layer;
    int angleMode; // 0 degrees, 1 radians, 2 grads
    int base;
    int expressionMode;
    int canGoBack;
    int canGoForward;
    int memory1InUse;
    int memory2InUse;
};

enum class EDisplayFont { Number, Line, Indicator, IndicatorBold, None };

struct SDisplayItem {
    static constexpr int kTextCapacity = 64;

    wchar_t text[kTextCapacity];
    int imageId; // a history arrow image, 0 for a text
    int x, y;    // texts aligned right end at x
    EDisplayFont font;
    int alignRight;
    int active;
};

// RGB of the active and inactive display inks.
constexpr uint8_t kActiveInk[3] = {78, 87, 97};
constexpr uint8_t kInactiveInk[3] = {138, 153, 172};

// Where the right-aligned display texts end (at 96 dpi, before the layout's scaling).
constexpr int kDisplayRightX = 225;

// Font heights (at 96 dpi) and weights of the display fonts.
int DisplayFontHeight(EDisplayFont font);
int DisplayFontWeight(EDisplayFont font);

class CDisplayModel {
public:
    static constexpr int kMaxItems = 10;
    // An expression line longer than this shows "..." and its last kLineTail characters.
    static constexpr int kLineWidth = 24;
    static constexpr int kLineTail = 22;

    void Build(const SScreenLayout& layout, const SDisplayState& state);
    // The same for what the calculator reports (CCalculator::GetDisplayContent).
    void Build(const SScreenLayout& layout, const SDisplayContent& content);

    int Count() const { return m_count; }
    const SDisplayItem& Item(int index) const { return m_items[index]; }
    // The first item showing exactly this text, or null.
    const SDisplayItem* FindShown(const wchar_t* text) const;

private:
    // What Add and AddText take for alignRight and active.
    static constexpr int kAlignLeft = 0;
    static constexpr int kAlignRight = 1;
    static constexpr int kActive = 1;

    SDisplayItem& Add(const SScreenLayout& layout, int x96, int y96, EDisplayFont font,
                      int alignRight, int active);
    void AddText(const SScreenLayout& layout, const wchar_t* text, int x96, int y96,
                 EDisplayFont font, int alignRight, int active);
    void AddLine(const SScreenLayout& layout, const SDisplayState& state);

    int m_count = 0;
    SDisplayItem m_items[kMaxItems] = {};
};
