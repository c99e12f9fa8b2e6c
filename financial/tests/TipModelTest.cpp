#include "financial/models/TipModel.h"

#include <gtest/gtest.h>

TEST(TipModel, EightyWithFifteenPercentForThree) {
    CTipModel tip;
    tip.SetAmountFromText(L"80");
    ASSERT_EQ(tip.SetPercentagePosition(15), 1);
    ASSERT_EQ(tip.SetPeoplePosition(2), 1);
    EXPECT_DOUBLE_EQ(tip.TipAmount(), 12);
    EXPECT_DOUBLE_EQ(tip.Total(), 92);
    EXPECT_DOUBLE_EQ(tip.TotalSplit(), 92.0 / 3);
}

TEST(TipModel, StartsWithTenPercentForOnePerson) {
    CTipModel tip;
    tip.SetAmountFromText(L"not a number");
    EXPECT_EQ(tip.Amount(), 0);
    tip.SetAmountFromText(L"1e999");
    EXPECT_EQ(tip.Amount(), 0);
    tip.SetAmountFromText(L"50");
    EXPECT_DOUBLE_EQ(tip.TipAmount(), 5);
    EXPECT_EQ(tip.People(), 1);
    EXPECT_EQ(tip.PercentagePosition(), 10);
    EXPECT_EQ(tip.PeoplePosition(), 0);
}

TEST(TipModel, ListPositionsOutsideTheListsAreRefused) {
    CTipModel tip;
    for (int position : {-1, 28, 1000}) {
        SCOPED_TRACE(position);
        EXPECT_EQ(tip.SetPercentagePosition(position), 0);
    }
    EXPECT_EQ(tip.SetPeoplePosition(20), 0);
    EXPECT_EQ(tip.SetPeoplePosition(-1), 0);
    EXPECT_EQ(tip.TipPercentage(), 10);
    EXPECT_EQ(tip.People(), 1);
    ASSERT_EQ(tip.SetPercentagePosition(22), 1);
    EXPECT_EQ(tip.TipPercentage(), 25);
    EXPECT_EQ(tip.PercentagePosition(), 22);
    ASSERT_EQ(tip.SetPercentagePosition(27), 1);
    EXPECT_EQ(tip.TipPercentage(), 50);
}

TEST(TipModel, ListTexts) {
    CTipModel tip;
    wchar_t text[32];
    const struct {
        int position;
        const wchar_t* text;
    } percentages[] = {{0, L"0 % "}, {20, L"20 % "}, {21, L"22 % "}, {27, L"50 % "}};
    for (const auto& row : percentages) {
        SCOPED_TRACE(row.position);
        ASSERT_EQ(tip.PercentageEntryText(row.position, text, 32), 1);
        EXPECT_STREQ(text, row.text);
    }
    const struct {
        int position;
        const wchar_t* text;
    } people[] = {{0, L"1 Person"}, {1, L"2 People"}, {19, L"20 People"}};
    for (const auto& row : people) {
        SCOPED_TRACE(row.position);
        ASSERT_EQ(tip.PeopleEntryText(row.position, text, 32, L"Person", L"People"), 1);
        EXPECT_STREQ(text, row.text);
    }
    EXPECT_EQ(tip.PeopleEntryText(20, text, 32, L"Person", L"People"), 0);
    EXPECT_EQ(tip.PercentageEntryText(1, text, 4), 0);

    tip.SetPercentagePosition(15);
    tip.SetPeoplePosition(2);
    EXPECT_EQ(tip.CurrentPercentageText(text, 32), 15);
    EXPECT_STREQ(text, L"15 %");
    EXPECT_EQ(tip.CurrentPeopleText(text, 32), 3);
    EXPECT_STREQ(text, L"3");
    EXPECT_EQ(tip.CurrentPercentageText(nullptr, 0), 15);
    EXPECT_EQ(tip.CurrentPeopleText(nullptr, 0), 3);
}
