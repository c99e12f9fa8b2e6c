#include "scientific/app/DisplayModel.h"

#include "scientific/Calculator.h"
#include "scientific/KeyTables.h"
#include "scientific/TextBuffer.h"
#include "scientific/app/resource.h"

namespace {

const wchar_t* const kAngleNames[] = {L"Deg", L"Rad", L"Grad"};

} // namespace

int DisplayFontHeight(EDisplayFont font) {
    switch (font) {
    case EDisplayFont::Number:
        return 17;
    case EDisplayFont::Line:
        return 14;
    default:
        return 12;
    }
}

int DisplayFontWeight(EDisplayFont font) {
    return font == EDisplayFont::Indicator ? 400 : 700;
}

SDisplayItem& CDisplayModel::Add(const SScreenLayout& layout, int x96, int y96, EDisplayFont font,
                                 int alignRight, int active) {
    SDisplayItem& item = m_items[m_count++];
    item = SDisplayItem{};
    item.x = DisplayX(layout, x96);
    item.y = DisplayY(layout, y96);
    item.font = font;
    item.alignRight = alignRight;
    item.active = active;
    return item;
}

void CDisplayModel::AddText(const SScreenLayout& layout, const wchar_t* text, int x96, int y96,
                            EDisplayFont font, int alignRight, int active) {
    SDisplayItem& item = Add(layout, x96, y96, font, alignRight, active);
    // Display texts are bounded by their producers; an overlong one is cut, not overrun.
    TextCopyLeft(item.text, SDisplayItem::kTextCapacity, text ? text : L"",
                 SDisplayItem::kTextCapacity - 1);
}

void CDisplayModel::AddLine(const SScreenLayout& layout, const SDisplayState& state) {
    SDisplayItem& item = Add(layout, 15, 24, EDisplayFont::Line, kAlignLeft, kActive);
    const wchar_t* line = state.line ? state.line : L"";
    const int length = TextLength(line);
    int start = 0;
    if (length > kLineWidth) {
        TextCopy(item.text, SDisplayItem::kTextCapacity, L"...");
        start = length - kLineTail;
    }
    for (int i = start; i < length; ++i) {
        const wchar_t c = state.commaSeparator && line[i] == L'.' ? L',' : line[i];
        if (!TextAppendChar(item.text, SDisplayItem::kTextCapacity, c)) {
            break;
        }
    }
}

void CDisplayModel::Build(const SScreenLayout& layout, const SDisplayState& state) {
    m_count = 0;
    const int second = state.layer == kLayerSecond || state.layer == kLayerSecondHyp;
    const int hyp = state.layer == kLayerHyp || state.layer == kLayerSecondHyp;

    AddText(layout, state.number, kDisplayRightX, 39, EDisplayFont::Number, kAlignRight, kActive);
    AddLine(layout, state);
    AddText(layout, L"2ndF", 12, 10, EDisplayFont::Indicator, kAlignLeft, second);
    AddText(layout, L"Hyp", 52, 10, EDisplayFont::Indicator, kAlignLeft, hyp);
    if (state.base == 10) {
        if (state.angleMode >= 0 && state.angleMode <= 2) {
            AddText(layout, kAngleNames[state.angleMode], 140, 10, EDisplayFont::Indicator,
                    kAlignLeft, kActive);
        }
    } else if (const wchar_t* name = BaseName(state.base)) {
        AddText(layout, name, kDisplayRightX, 24, EDisplayFont::IndicatorBold, kAlignRight,
                kActive);
    }
    if (state.expressionMode && state.canGoBack) {
        Add(layout, 110, 11, EDisplayFont::None, kAlignLeft, kActive).imageId = IDB_HISTORY_BACK;
    }
    if (state.expressionMode && state.canGoForward) {
        Add(layout, 110, 17, EDisplayFont::None, kAlignLeft, kActive).imageId = IDB_HISTORY_FORWARD;
    }
    if (state.memory1InUse) {
        AddText(layout, L"M1", 200, 10, EDisplayFont::Indicator, kAlignRight, kActive);
    }
    if (state.memory2InUse) {
        AddText(layout, L"M2", kDisplayRightX, 10, EDisplayFont::Indicator, kAlignRight, kActive);
    }
}

void CDisplayModel::Build(const SScreenLayout& layout, const SDisplayContent& content) {
    SDisplayState state{};
    state.number = content.number.main;
    state.line = content.line;
    state.commaSeparator = content.separator;
    state.layer = content.layer;
    state.angleMode = content.angleMode;
    state.base = content.base;
    state.expressionMode = content.calcMode == kModeExpression;
    state.canGoBack = content.historyBack;
    state.canGoForward = content.historyForward;
    state.memory1InUse = content.memory1InUse;
    state.memory2InUse = content.memory2InUse;
    Build(layout, state);
}

const SDisplayItem* CDisplayModel::FindShown(const wchar_t* text) const {
    for (int i = 0; i < m_count; ++i) {
        if (!m_items[i].imageId && TextEquals(m_items[i].text, text)) {
            return &m_items[i];
        }
    }
    return nullptr;
}
