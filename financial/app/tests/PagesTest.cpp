#include "financial/app/MoneyText.h"
#include "financial/app/PageSteps.h"
#include "financial/app/ScheduleText.h"
#include "financial/app/TipEntry.h"
#include "financial/models/TipModel.h"
#include "ui/ZoqString.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

std::wstring Money(const wchar_t* number, const wchar_t* prefix = nullptr) {
    wchar_t out[64];
    EXPECT_EQ(1, NormalizeMoney(number, prefix, out, 64));
    return out;
}

TEST(MoneyText, NormalisesTwoDecimalsByCutting) {
    struct Case {
        const wchar_t* number;
        const wchar_t* prefix;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"21400", nullptr, L"21400.00"},
        {L"20123.456", nullptr, L"20123.45"},
        {L"30.6666666667", L"$", L"$30.66"},
        {L"12", L"$", L"$12.00"},
        {L"0.5", nullptr, L"0.50"},
        {L"-0.5", nullptr, L"-0.50"},
        {L"7.", nullptr, L"7.00"},
        {L"0", L"EUR ", L"EUR 0.00"},
        {L"1.e-010", nullptr, L"0.00"},
        // Below 0.1 FormatNumber may answer in exponent form: its cents still count.
        {L"9.87654321e-002", nullptr, L"0.09"},
        {L"1.08333333333e-002", L"$", L"$0.01"},
        {L"1.e-002", nullptr, L"0.01"},
        {L"5.55555555556E-002", nullptr, L"0.05"},
        {L"-9.87654321e-002", nullptr, L"-0.09"},
        {L"9.99999999999e-003", nullptr, L"0.00"},
        {L"-9.99999999999e-003", nullptr, L"0.00"},
        {L"-0.004", L"$", L"$0.00"},
        {L"1.e-300", nullptr, L"0.00"},
        {L"4.9406564584124654e-324", nullptr, L"0.00"},
        {L"123.4", L"", L"123.40"},
        {L"99999999.999", nullptr, L"99999999.99"},
        // 10^12 and more come in exponent form: written out, never cut to the mantissa.
        {L"1.e+012", nullptr, L"1000000000000.00"},
        {L"1.23456789012e+015", L"$", L"$1234567890120000.00"},
        {L"-2.5e+013", nullptr, L"-25000000000000.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "number " << c.number);
        EXPECT_EQ(std::wstring(c.expected), Money(c.number, c.prefix));
    }
}

// What FormatNumber writes at twelve digits, cut to cents: worked out from the
// runtime's exponent form, by moving the digits to where the exponent puts them.
std::wstring CutToCents(double value) {
    char scientific[64];
    std::snprintf(scientific, sizeof scientific, "%.11e", std::fabs(value));
    std::string digits;
    for (const char* p = scientific; *p && *p != 'e'; ++p) {
        if (*p != '.') {
            digits += *p;
        }
    }
    const int exponent = std::atoi(std::strchr(scientific, 'e') + 1);
    auto digit = [&](int index) { // index 0 is the 10^exponent place
        return index >= 0 && index < static_cast<int>(digits.size()) ? digits[index] : '0';
    };
    std::wstring whole;
    for (int index = 0; index <= exponent; ++index) {
        whole += static_cast<wchar_t>(digit(index));
    }
    if (whole.empty()) {
        whole = L"0";
    }
    const std::wstring cents = {static_cast<wchar_t>(digit(exponent + 1)),
                                static_cast<wchar_t>(digit(exponent + 2))};
    const bool zero = whole.find_first_not_of(L'0') == std::wstring::npos && cents == L"00";
    return (value < 0 && !zero ? L"-" : L"") + whole + L"." + cents;
}

TEST(MoneyText, EveryValueKeepsItsCents) {
    // Cents 1 to 9 with tails of every length, then the same digits at every scale.
    const double tails[] = {0, 0.0012345678901, 0.00087654321, 0.0055555555555, 0.0098765432};
    int checked = 0;
    for (int scale = -3; scale <= 14; ++scale) {
        for (int cents = 1; cents <= 99; cents += cents < 10 ? 1 : 11) {
            for (double tail : tails) {
                for (int sign : {1, -1}) {
                    const double value = sign * (cents / 100.0 + tail) * std::pow(10.0, scale);
                    wchar_t number[CZoqString::kNumberCapacity];
                    ASSERT_EQ(1, CZoqString::GetInstance()->FormatNumber(
                                     number, value, 12, CZoqString::kNumberCapacity));
                    SCOPED_TRACE(testing::Message()
                                 << "value " << value << " text "
                                 << std::string(number, number + wcslen(number)));
                    EXPECT_EQ(CutToCents(value), Money(number));
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 1500);
}

// A bill of 0.05 with 30 % split among 6: 0.0108333... each, shown as one cent.
TEST(MoneyText, SmallTipSharesShowTheirCents) {
    const struct {
        const wchar_t* bill;
        int percentPosition;
        int peoplePosition;
        const wchar_t* perPerson;
    } rows[] = {
        {L"0.05", 23, 5, L"0.01"},                          // 30 %
        {L"0.3", 0, 4, L"0.06"},                            // 0 %, 5 people
        {L"0.5", 10, 5, L"0.09"},                           // 10 %, 6 people
        {L"0.07", 0, 0, L"0.07"},  {L"1", 20, 19, L"0.06"}, // 20 %, 20 people
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << std::string(row.bill, row.bill + wcslen(row.bill)));
        CTipModel tip;
        tip.SetAmountFromText(row.bill);
        ASSERT_EQ(1, tip.SetPercentagePosition(row.percentPosition));
        ASSERT_EQ(1, tip.SetPeoplePosition(row.peoplePosition));
        wchar_t number[CZoqString::kNumberCapacity];
        ASSERT_EQ(1, CZoqString::GetInstance()->FormatNumber(number, tip.TotalSplit(), 12,
                                                             CZoqString::kNumberCapacity));
        EXPECT_EQ(std::wstring(L"$") + row.perPerson, Money(number, L"$"));
    }
}

TEST(MoneyText, RefusesWhatDoesNotFit) {
    wchar_t out[8] = L"junk";
    EXPECT_EQ(0, NormalizeMoney(L"123456", nullptr, out, 8)); // 123456.00 needs 10
    EXPECT_STREQ(L"", out);
    EXPECT_EQ(1, NormalizeMoney(L"1234", nullptr, out, 8));
    EXPECT_STREQ(L"1234.00", out);
    EXPECT_EQ(0, NormalizeMoney(nullptr, nullptr, out, 8));
}

TEST(MoneyText, CentsRoundAndNeverShowNegativeZero) {
    struct Case {
        double value;
        const wchar_t* expected;
    };
    const Case cases[] = {{1461.3315, L"1461.33"}, {0.004, L"0.00"},   {-0.004, L"0.00"},
                          {2.675001, L"2.68"},     {-12.5, L"-12.50"}, {250000, L"250000.00"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "value " << c.value);
        wchar_t out[32];
        EXPECT_EQ(1, FormatCents(c.value, out, 32));
        EXPECT_STREQ(c.expected, out);
    }
    wchar_t small[4];
    EXPECT_EQ(0, FormatCents(1234.5, small, 4));
    EXPECT_STREQ(L"", small);
}

std::wstring Type(const char* keys) {
    CTipEntry entry;
    for (const char* k = keys; *k; ++k) {
        switch (*k) {
        case '.':
            entry.Press(TipKey::Point);
            break;
        case '<':
            entry.Press(TipKey::Back);
            break;
        case 'R':
            entry.Press(TipKey::Restart);
            break;
        default:
            entry.Press(static_cast<TipKey>(*k - '0'));
        }
    }
    return entry.Text();
}

TEST(TipEntry, KeypadRules) {
    struct Case {
        const char* keys;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {"05", L"5"},                     // a lone leading zero is replaced
        {"0.5", L"0.5"},                  // but stays before a point
        {"12.345", L"12.34"},             // two digits after the point at most
        {".", L""},                       // no point on an empty entry
        {"1..2", L"1.2"},                 // one point only
        {"123456789012", L"12345678901"}, // eleven characters at most
        {"1234567890.", L"1234567890."},  // the point may be the eleventh
        {"12345678901.", L"12345678901"}, // but never the twelfth
        {"12<3", L"13"},                  // back deletes the last character
        {"<", L""},                       // back on nothing does nothing
        {"12.3R4", L"4"},                 // restart empties
        {"00", L"0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "keys " << c.keys);
        EXPECT_EQ(std::wstring(c.expected), Type(c.keys));
    }
}

TEST(TipEntry, SetTextFollowsTheKeyRules) {
    struct Case {
        const wchar_t* text;
        const wchar_t* expected;
    };
    const Case cases[] = {{L"80", L"80"},
                          {L"30.666", L"30.66"},
                          {L"1e-05", L"1"},
                          {L"123456789012.5", L"12345678901"},
                          {L"", L""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "text " << c.text);
        CTipEntry entry;
        entry.Press(TipKey::Digit7);
        entry.SetText(c.text);
        EXPECT_STREQ(c.expected, entry.Text());
    }
}

TEST(TipEntry, LabelsOfTheThirteenKeys) {
    EXPECT_STREQ(L"0", CTipEntry::Label(TipKey::Digit0));
    EXPECT_STREQ(L"9", CTipEntry::Label(TipKey::Digit9));
    EXPECT_STREQ(L"<-", CTipEntry::Label(TipKey::Back));
    EXPECT_STREQ(L"Restart", CTipEntry::Label(TipKey::Restart));
    EXPECT_STREQ(L".", CTipEntry::Label(TipKey::Point));
}

TEST(PageSteps, TablesMatchTheWizards) {
    struct Case {
        Calculator calculator;
        int steps;
        int step;
        const wchar_t* title;
        const wchar_t* firstLabel;
        int required;
        int readOnly;
    };
    const Case cases[] = {
        {Calculator::CarLoan, 3, 0, L"PRICING", L"Car Price", 0b00001, 0b00100},
        {Calculator::CarLoan, 3, 1, L"FINANCING", L"Down Payment", 0b11000, 0},
        {Calculator::CarLoan, 3, 2, L"TOTALS", L"Amount Borrowed", 0, 0b11111},
        {Calculator::Lease, 4, 0, L"PRICING", L"Price", 0b00001, 0b00100},
        {Calculator::Lease, 4, 1, L"LEASING", L"Down Payment", 0b11100, 0},
        {Calculator::Lease, 4, 2, L"PAYMENTS", L"Total Payments", 0, 0b11111},
        {Calculator::Lease, 4, 3, L"TOTALS", L"Total Payments", 0, 0b11111},
        {Calculator::Mortgage, 4, 0, L"MORTGAGE", L"Principle", 0b00111, 0},
        {Calculator::Mortgage, 4, 1, L"ADDITIONAL COSTS", L"Down Payment", 0, 0b10000},
        {Calculator::Mortgage, 4, 2, L"EXTRA PAYMENTS", L"Extra per Payment", 0, 0b01000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "step " << c.step << " of " << static_cast<int>(c.calculator));
        EXPECT_EQ(c.steps, StepsOf(c.calculator).stepCount);
        const SStepInfo* step = StepOf(c.calculator, c.step);
        ASSERT_NE(nullptr, step);
        EXPECT_STREQ(c.title, step->title);
        EXPECT_STREQ(c.firstLabel, step->fields[0].label);
        int required = 0, readOnly = 0;
        for (int f = 0; f < 5; ++f) {
            required |= step->fields[f].required << f;
            readOnly |= step->fields[f].readOnly << f;
        }
        EXPECT_EQ(c.required, required);
        EXPECT_EQ(c.readOnly, readOnly);
    }
    EXPECT_EQ(nullptr, StepOf(Calculator::CarLoan, 3));
    EXPECT_EQ(nullptr, StepOf(Calculator::Tip, -1));
    EXPECT_EQ(0, StepOf(Calculator::Mortgage, 3)->hasFields);
    EXPECT_EQ(nullptr, StepOf(Calculator::Mortgage, 2)->fields[4].label);
    EXPECT_EQ(2, StepsOf(Calculator::Tip).stepCount);
}

TEST(PageSteps, UnitMarks) {
    EXPECT_STREQ(L"kr", UnitMark(FieldUnit::Currency, L"kr"));
    EXPECT_STREQ(L"%", UnitMark(FieldUnit::Percent, L"kr"));
    EXPECT_STREQ(L"#", UnitMark(FieldUnit::Count, L"kr"));
    EXPECT_STREQ(L"", UnitMark(FieldUnit::None, L"kr"));
}

TEST(ScheduleText, RowsHeaderAndSeparators) {
    const SAmortizationRow rows[] = {
        MakeAmortizationRow(1000.0, 100000.0, 583.33),
        MakeAmortizationRow(1000.0, 99416.67, 0.0), // past the end: no interest either
    };
    EXPECT_DOUBLE_EQ(416.67, rows[0].interest);
    EXPECT_EQ(0.0, rows[1].interest);
    EXPECT_EQ(std::string("Payment,Balance,Interest,Principal\r\n"
                          "1,100000.00,416.67,583.33\r\n"
                          "2,99416.67,0.00,0.00\r\n"),
              ScheduleCsv(rows, 2));
    EXPECT_EQ(
        std::wstring(L"Payment\tBalance\tInterest\tPrincipal\r\n1\t100000.00\t416.67\t583.33\r\n"),
        ScheduleText(rows, 1, L'\t'));
    EXPECT_EQ(std::string("Payment,Balance,Interest,Principal\r\n"), ScheduleCsv(nullptr, 5));
}

} // namespace
