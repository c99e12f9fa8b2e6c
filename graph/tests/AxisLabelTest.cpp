#include "graph/AxisLabel.h"
#include "graph/GraphView.h"

#include <gtest/gtest.h>

#include <string>

TEST(AxisLabel, ShortensNumbersToAFewCharacters) {
    const struct {
        double value;
        const wchar_t* label;
    } cases[] = {
        {3.14159265359, L"3.1415"},
        {-3.14159265359, L"-3.1415"},
        {12.5, L"12.5"},
        {1.23456789012e-005, L"1.234e-5"},
        {5.0, L"5"},
        {-5.0, L"-5"},
        {0.0, L"0"},
        {2.5, L"2.5"},
        {0.1, L"0.1"},
        {-0.125, L"-0.125"},
        {123.456789, L"123.456789"}, // only a single leading digit is cut
        {-1.23456789012e-005, L"-1.23e-5"},
        {1.5e-20, L"1.5e-20"},
        {1e-11, L"1.e-11"},
        {2e-300, L"2.e-300"}, // a three-digit exponent keeps its digits
        {1e20, L"1.e+020"},   // a "+" stops the stripping
        {1.23456789012e20, L"1.234e+020"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        wchar_t label[32] = L"untouched";
        ASSERT_EQ(FormatAxisLabel(c.value, label, 32), 1);
        EXPECT_EQ(std::wstring(label), c.label);
    }
}

TEST(AxisLabel, WritesNoMoreThanTheCapacity) {
    wchar_t label[8];
    std::wmemset(label, L'#', 8);
    ASSERT_EQ(FormatAxisLabel(123.456789, label, 4), 1);
    EXPECT_EQ(std::wstring(label), L"123");
    EXPECT_EQ(label[4], L'#');
    EXPECT_EQ(FormatAxisLabel(1.0, label, 0), 0);
    EXPECT_EQ(FormatAxisLabel(1.0, nullptr, 8), 0);
}

TEST(AxisLabel, DefaultViewReadsFiveAndMinusFive) {
    CGraphView view;
    view.SetSize(240, 268);
    const struct {
        const char* edge;
        double value;
        const wchar_t* label;
    } edges[] = {{"top", view.TopValue(), L"5"},
                 {"bottom", view.BottomValue(), L"-5"},
                 {"left", view.LeftValue(), L"-5"},
                 {"right", view.RightValue(), L"5"}};
    for (const auto& edge : edges) {
        SCOPED_TRACE(edge.edge);
        wchar_t label[32];
        ASSERT_EQ(FormatAxisLabel(edge.value, label, 32), 1);
        EXPECT_EQ(std::wstring(label), edge.label);
    }
}
