#include "engine/Numora.h"
#include "scientific/Calculator.h"
#include "scientific/KeyScript.h"
#include "scientific/app/DisplayModel.h"
#include "scientific/app/resource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

int CountImages(const CDisplayModel& model, int imageId) {
    int count = 0;
    for (int i = 0; i < model.Count(); ++i) {
        count += model.Item(i).imageId == imageId;
    }
    return count;
}

// From keys to the drawn items through the calculator's one display call: what the
// window paints for a calculator state.
TEST(DisplayContentModel, CalculatorStatesBecomeTheirItems) {
    const struct {
        const char* name;
        int mode;
        int separator;
        const wchar_t* keys;
        const wchar_t* number;
        const wchar_t* line;
        const wchar_t* shown;  // one more text that must be shown
        const wchar_t* hidden; // one that must not be
        int backArrows;
    } rows[] = {
        {"expression, two results", kModeExpression, 0, L"1 . 5 + 1 = 2 * 2 =", L"4.", L"2\u00d72",
         L"Deg", L"HEX", 1},
        {"comma shows on the line", kModeExpression, 1, L"1 . 5 + 1", L"0,", L"1,5+1", L"Deg",
         L"M1", 0},
        {"chain keeps its history hidden", kModeChain, 0, L"2 + 3 =", L"5.", L"=", L"Hyp", L"Rad",
         0},
        {"rpn with a memory and radians", kModeRpn, 0, L"drg 7 sto 1", L"7.", L"", L"M1", L"M2", 0},
        {"hex replaces the angle", kModeDal, 0, L"base:16 A", L"A", L"", L"HEX", L"Deg", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Numora::ReleaseInstance();
        CCalculator calculator;
        if (row.mode != kModeExpression) {
            // The history of an earlier Expression session stays out of the other modes.
            calculator.SetCalcMode(kModeExpression);
            CKeyScript history;
            ASSERT_EQ(history.Parse(L"1 + 1 = 2 + 2 ="), 1);
            history.Run(calculator);
        }
        ASSERT_EQ(calculator.SetCalcMode(row.mode), 1);
        ASSERT_EQ(calculator.SetSeparator(row.separator), 1);
        CKeyScript keys;
        ASSERT_EQ(keys.Parse(row.keys), 1);
        keys.Run(calculator);
        SDisplayContent content;
        ASSERT_EQ(calculator.GetDisplayContent(&content), 1);
        CDisplayModel model;
        model.Build(ChooseLayout(240, 320, 96), content);
        EXPECT_EQ(std::wstring(model.Item(0).text), row.number);
        EXPECT_EQ(std::wstring(model.Item(1).text), row.line);
        EXPECT_NE(model.FindShown(row.shown), nullptr);
        EXPECT_EQ(model.FindShown(row.hidden), nullptr);
        EXPECT_EQ(CountImages(model, IDB_HISTORY_BACK), row.backArrows);
        EXPECT_EQ(CountImages(model, IDB_HISTORY_FORWARD), 0);
    }
    Numora::ReleaseInstance();
}

} // namespace
