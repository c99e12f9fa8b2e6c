#include "scientific/app/DisplayModel.h"
#include "scientific/app/resource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

SDisplayState Plain() {
    SDisplayState state{};
    state.number = L"0.";
    state.line = L"";
    state.layer = 5;
    state.base = 10;
    state.expressionMode = 1;
    return state;
}

std::wstring Text(const SDisplayItem& item) {
    return item.text;
}

TEST(DisplayModel, DrawsNumberLineAndIndicatorsInOrder) {
    CDisplayModel model;
    SDisplayState state = Plain();
    state.number = L"14.";
    state.line = L"2+3\u00d74";
    model.Build(ChooseLayout(240, 320, 96), state);
    ASSERT_EQ(model.Count(), 5);
    EXPECT_EQ(Text(model.Item(0)), L"14.");
    EXPECT_EQ(model.Item(0).x, 225);
    EXPECT_EQ(model.Item(0).y, 39);
    EXPECT_TRUE(model.Item(0).alignRight);
    EXPECT_EQ(model.Item(0).font, EDisplayFont::Number);
    EXPECT_EQ(Text(model.Item(1)), L"2+3\u00d74");
    EXPECT_EQ(model.Item(1).x, 15);
    EXPECT_FALSE(model.Item(1).alignRight);
    EXPECT_EQ(Text(model.Item(2)), L"2ndF");
    EXPECT_EQ(Text(model.Item(3)), L"Hyp");
    EXPECT_EQ(Text(model.Item(4)), L"Deg");
    EXPECT_EQ(model.Item(4).x, 140);
}

TEST(DisplayModel, LongExpressionLineShowsItsTail) {
    struct {
        const wchar_t* line;
        const wchar_t* shown;
    } rows[] = {
        {L"123456789012345678901234", L"123456789012345678901234"},
        {L"1234567890123456789012345", L"...4567890123456789012345"},
        {L"sin(30)+cos(60)\u00d7tan(45)-1", L"...(30)+cos(60)\u00d7tan(45)-1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << std::wstring(row.line).size());
        CDisplayModel model;
        SDisplayState state = Plain();
        state.line = row.line;
        model.Build(ChooseLayout(240, 320, 96), state);
        EXPECT_EQ(Text(model.Item(1)), row.shown);
    }
}

TEST(DisplayModel, CommaSeparatorRewritesTheLine) {
    CDisplayModel model;
    SDisplayState state = Plain();
    state.line = L"1.5+2.25";
    state.commaSeparator = 1;
    model.Build(ChooseLayout(240, 320, 96), state);
    EXPECT_EQ(Text(model.Item(1)), L"1,5+2,25");
}

TEST(DisplayModel, OtherBaseShowsItsNameInsteadOfTheAngle) {
    CDisplayModel model;
    SDisplayState state = Plain();
    state.base = 16;
    model.Build(ChooseLayout(240, 320, 96), state);
    const SDisplayItem* hex = model.FindShown(L"HEX");
    ASSERT_NE(hex, nullptr);
    EXPECT_EQ(hex->x, 225);
    EXPECT_EQ(hex->y, 24);
    EXPECT_TRUE(hex->alignRight);
    EXPECT_EQ(hex->font, EDisplayFont::IndicatorBold);
    EXPECT_EQ(model.FindShown(L"Deg"), nullptr);
    EXPECT_EQ(model.FindShown(L"Rad"), nullptr);
}

TEST(DisplayModel, LayersLightTheirIndicators) {
    struct {
        int layer;
        int second, hyp;
    } rows[] = {{5, 0, 0}, {0, 1, 0}, {1, 0, 1}, {2, 1, 1}, {3, 0, 0}, {4, 0, 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.layer);
        CDisplayModel model;
        SDisplayState state = Plain();
        state.layer = row.layer;
        model.Build(ChooseLayout(240, 320, 96), state);
        EXPECT_EQ(model.FindShown(L"2ndF")->active, row.second);
        EXPECT_EQ(model.FindShown(L"Hyp")->active, row.hyp);
    }
}

TEST(DisplayModel, SquareAndLandscapeMoveEveryElement) {
    SDisplayState state = Plain();
    state.memory1InUse = 1;
    state.canGoBack = 1;
    CDisplayModel square;
    square.Build(ChooseLayout(240, 240, 96), state);
    EXPECT_EQ(square.Item(0).x, 168);
    EXPECT_EQ(square.Item(0).y, 34);
    EXPECT_EQ(square.FindShown(L"Deg")->x, 105);
    EXPECT_EQ(square.FindShown(L"M1")->x, 150);
    CDisplayModel landscape;
    landscape.Build(ChooseLayout(320, 240, 96), state);
    EXPECT_EQ(landscape.Item(0).x, 225);
    EXPECT_EQ(landscape.Item(0).y, 32);
    EXPECT_EQ(landscape.FindShown(L"2ndF")->y, 3);
    for (int i = 0; i < landscape.Count(); ++i) {
        if (landscape.Item(i).imageId == IDB_HISTORY_BACK) {
            EXPECT_EQ(landscape.Item(i).y, 4);
        }
    }
}

TEST(DisplayModel, HistoryArrowsOnlyInExpressionMode) {
    struct {
        int expression, back, forward;
        int expectBack, expectForward;
    } rows[] = {{1, 1, 0, 1, 0}, {1, 0, 1, 0, 1}, {1, 1, 1, 1, 1}, {0, 1, 1, 0, 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.expression << row.back << row.forward);
        CDisplayModel model;
        SDisplayState state = Plain();
        state.expressionMode = row.expression;
        state.canGoBack = row.back;
        state.canGoForward = row.forward;
        model.Build(ChooseLayout(240, 320, 96), state);
        int back = 0, forward = 0;
        for (int i = 0; i < model.Count(); ++i) {
            back += model.Item(i).imageId == IDB_HISTORY_BACK;
            forward += model.Item(i).imageId == IDB_HISTORY_FORWARD;
        }
        EXPECT_EQ(back, row.expectBack);
        EXPECT_EQ(forward, row.expectForward);
    }
}

TEST(DisplayModel, MemoryIndicatorsFollowTheRegisters) {
    CDisplayModel model;
    SDisplayState state = Plain();
    state.memory2InUse = 1;
    model.Build(ChooseLayout(240, 320, 96), state);
    EXPECT_EQ(model.FindShown(L"M1"), nullptr);
    ASSERT_NE(model.FindShown(L"M2"), nullptr);
    EXPECT_EQ(model.FindShown(L"M2")->x, 225);
}

TEST(DisplayModel, OverlongNumberIsCutToItsBuffer) {
    std::wstring huge(200, L'7');
    CDisplayModel model;
    SDisplayState state = Plain();
    state.number = huge.c_str();
    state.line = huge.c_str();
    model.Build(ChooseLayout(240, 320, 96), state);
    EXPECT_EQ(Text(model.Item(0)).size(), size_t(SDisplayItem::kTextCapacity - 1));
    EXPECT_EQ(Text(model.Item(1)).size(), size_t(25));
}

} // namespace
