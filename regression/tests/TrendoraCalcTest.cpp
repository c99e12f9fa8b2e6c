#include "regression/TrendoraCalc.h"

#include "regression/TrendoraCsv.h"

#include "engine/Numora.h"
#include "engine/ZoqNumoraUtil.h"
#include "ui/ZoqString.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

// Runs a key script: digits, "." decimal point, "p" change sign, "<" backspace,
// "=" enter, "x" "y" select a field, "d" delete entry, "c" clear all, "f" first
// entry, "m" the Log model.
void Press(CTrendoraCalc& calc, const std::string& keys) {
    for (char key : keys) {
        switch (key) {
        case 'f':
            calc.Navigate(CTrendoraCalc::FirstEntry);
            break;
        case 'm':
            calc.SetModel(CZoqStats::Log);
            break;
        case '.':
            calc.DecimalPoint();
            break;
        case 'p':
            calc.ChangeSign();
            break;
        case '<':
            calc.Backspace();
            break;
        case '=':
            calc.Enter();
            break;
        case 'x':
        case 'y':
            calc.SetActiveX(key == 'x');
            break;
        case 'd':
            calc.DeleteEntry();
            break;
        case 'c':
            calc.ClearAll();
            break;
        default:
            calc.Digit(static_cast<wchar_t>(key));
        }
    }
}

TEST(TrendoraCalc, EntryEditing) {
    const struct {
        const char* keys;
        const wchar_t* text;
    } cases[] = {
        {".", L"0."},
        {".p", L"-0."},
        {".p.", L"-0."},
        {"p.", L"-0."},
        {"p5.", L"-5."},
        {"0", L"0"},
        {"07", L"7"}, // a lone 0 is replaced
        {"0.07", L"0.07"},
        {"pp", L""},
        {"12p", L"-12"},
        {"12<<<", L""},
        {"1234567890123456", L"1234567890123456"},
        {"12345678901234567", L"1234567890123456"}, // the 17th digit is ignored
        {"1234567890123456.p", L"-1234567890123456."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        CTrendoraCalc calc;
        Press(calc, c.keys);
        EXPECT_STREQ(calc.GetXText(), c.text);
    }
}

TEST(TrendoraCalc, EnteringPairs) {
    CTrendoraCalc calc;
    Press(calc, "1=");
    EXPECT_FALSE(calc.IsActiveX());
    Press(calc, "2=");
    EXPECT_EQ(calc.GetEntryCount(), 1);
    EXPECT_EQ(calc.GetCurrentEntry(), 2);
    EXPECT_TRUE(calc.IsActiveX());
    EXPECT_STREQ(calc.GetXText(), L"");
    EXPECT_STREQ(calc.GetYText(), L"");
    EXPECT_STREQ(calc.GetResult(CTrendoraCalc::Slope), L"") << "fewer than three entries";

    Press(calc, "2=4=3=6=");
    EXPECT_EQ(calc.GetEntryCount(), 3);
    EXPECT_STREQ(calc.GetResult(CTrendoraCalc::Intercept), L"0");
    EXPECT_STREQ(calc.GetResult(CTrendoraCalc::Slope), L"2");
    EXPECT_STREQ(calc.GetResult(CTrendoraCalc::Correlation), L"1");
    EXPECT_STREQ(calc.GetResult(CTrendoraCalc::Spare), L"");

    // "=" on an empty field does nothing.
    Press(calc, "=");
    EXPECT_TRUE(calc.IsActiveX());
    EXPECT_EQ(calc.GetStats().GetCountX(), 3);
}

TEST(TrendoraCalc, NavigationBands) {
    CTrendoraCalc calc;
    Press(calc, "1=2=2=4=3=7=");
    const struct {
        int start;
        int band;
        int current;
        const wchar_t* x;
    } cases[] = {
        {3, CTrendoraCalc::FirstEntry, 1, L"1"},    {3, CTrendoraCalc::PreviousEntry, 2, L"2"},
        {1, CTrendoraCalc::PreviousEntry, 1, L"1"}, {2, CTrendoraCalc::NoBand, 2, nullptr},
        {2, CTrendoraCalc::NextEntry, 3, L"3"},     {4, CTrendoraCalc::NextEntry, 4, L""},
        {1, CTrendoraCalc::NewEntry, 4, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.band);
        calc.Navigate(CTrendoraCalc::FirstEntry);
        while (calc.GetCurrentEntry() < c.start) {
            calc.Navigate(CTrendoraCalc::NextEntry);
        }
        Press(calc, "9"); // a typed digit survives only the inactive band
        calc.Navigate(c.band);
        EXPECT_EQ(calc.GetCurrentEntry(), c.current);
        if (c.x) {
            EXPECT_STREQ(calc.GetXText(), c.x);
        } else {
            EXPECT_EQ(calc.GetXText()[std::wcslen(calc.GetXText()) - 1], L'9');
        }
    }
}

TEST(TrendoraCalc, EditingAnEntryOverwritesIt) {
    CTrendoraCalc calc;
    Press(calc, "1=2=2=4=3=6=");
    calc.Navigate(CTrendoraCalc::FirstEntry);
    Press(calc, "<5=<<3=");
    EXPECT_EQ(calc.GetEntryCount(), 3);
    EXPECT_EQ(calc.GetStats().GetX(0), 5.0);
    EXPECT_EQ(calc.GetStats().GetY(0), 3.0);
    EXPECT_EQ(calc.GetCurrentEntry(), 2);
    EXPECT_STREQ(calc.GetXText(), L"2") << "the next entry is shown";
}

// An entry is shown with six significant digits; "=" on a field that still reads as
// shown keeps the stored value, while an edited field stores what was typed.
TEST(TrendoraCalc, EnterOnAShownEntryKeepsItsValue) {
    const struct {
        const char* keys; // at entry 1, which holds (2023.125, 0.1234567)
        double x, y;
    } cases[] = {
        {"==", 2023.125, 0.1234567},   {"y=", 2023.125, 0.1234567},
        {"<5==", 2023.15, 0.1234567},  {"=<<<<<<<1.5=", 2023.125, 1.5},
        {"pp==", 2023.125, 0.1234567}, // changed and changed back: reads as shown again
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        CTrendoraCalc calc;
        Press(calc, "2023.125=.1234567=");
        calc.Navigate(CTrendoraCalc::FirstEntry);
        ASSERT_STREQ(calc.GetXText(), L"2023.12");
        Press(calc, c.keys);
        EXPECT_EQ(calc.GetStats().GetX(0), c.x);
        EXPECT_EQ(calc.GetStats().GetY(0), c.y);
    }
}

TEST(TrendoraCalc, DeletingEntries) {
    CTrendoraCalc calc;
    Press(calc, "1=2=2=4=3=6=");
    Press(calc, "d"); // at the new-entry position: the last entry goes
    EXPECT_EQ(calc.GetEntryCount(), 2);
    calc.Navigate(CTrendoraCalc::FirstEntry);
    Press(calc, "d");
    EXPECT_EQ(calc.GetEntryCount(), 1);
    EXPECT_EQ(calc.GetStats().GetX(0), 2.0);
    EXPECT_STREQ(calc.GetXText(), L"1") << "texts keep their contents until a refresh";
    Press(calc, "c");
    EXPECT_EQ(calc.GetEntryCount(), 0);
    EXPECT_EQ(calc.GetCurrentEntry(), 1);
    EXPECT_STREQ(calc.GetXText(), L"");
}

// After the last entry is deleted at the new-entry position, the next pair typed
// is the new last entry, not refused one place beyond the lists.
TEST(TrendoraCalc, PairTypedAfterDeletingTheLastEntryIsKept) {
    CTrendoraCalc calc;
    Press(calc, "1=2=2=4=3=6=");
    Press(calc, "d");
    EXPECT_EQ(calc.GetCurrentEntry(), 3) << "the new-entry position";
    Press(calc, "7=8=");
    EXPECT_EQ(calc.GetEntryCount(), 3);
    EXPECT_EQ(calc.GetStats().GetX(2), 7.0);
    EXPECT_EQ(calc.GetStats().GetY(2), 8.0);
    EXPECT_EQ(calc.GetCurrentEntry(), 4);
}

TEST(TrendoraCalc, AHundredEntriesAreTheLimit) {
    CTrendoraCalc calc;
    for (int i = 1; i <= 100; ++i) {
        Press(calc, std::to_string(i) + "=" + std::to_string(2 * i) + "=");
    }
    EXPECT_EQ(calc.GetEntryCount(), 100);
    Press(calc, "7=8=");
    EXPECT_EQ(calc.GetStats().GetCountX(), 100);
    EXPECT_EQ(calc.GetEntryCount(), 100);
    EXPECT_EQ(calc.GetCurrentEntry(), 102) << "the entry number still advances";
}

// A last line with an x alone is left out: the entries loaded fit, and the old
// results do not stay.
TEST(TrendoraCalc, LoadedTrailingXIsLeftOut) {
    CTrendoraCalc calc;
    Press(calc, "1=5=2=3=3=8=");
    const std::string text = "1,2\n2,4\n3,6\n4\n";
    calc.GetStats().Clear();
    EXPECT_EQ(ReadCsvEntries(text.data(), (int)text.size(), calc.GetStats()).unreadable, 1);
    calc.ShowFirstEntry();
    EXPECT_EQ(calc.GetCurrentEntry(), 1);
    EXPECT_EQ(calc.GetStats().GetCountX(), 3);
    EXPECT_STREQ(calc.GetXText(), L"1");
    EXPECT_STREQ(calc.GetYText(), L"2");
    EXPECT_STREQ(calc.GetResult(CTrendoraCalc::Intercept), L"0");
    EXPECT_STREQ(calc.GetResult(CTrendoraCalc::Slope), L"2");
    EXPECT_STREQ(calc.GetResult(CTrendoraCalc::Correlation), L"1");
}

TEST(TrendoraCalc, GraphEquations) {
    const struct {
        int model;
        const wchar_t* equation;
    } cases[] = {
        {CZoqStats::Linear, L"2*X+1"},     {CZoqStats::Log, L"2*ln(X)+1"},
        {CZoqStats::Log10, L"2*log(X)+1"}, {CZoqStats::Exponential, L"exp(1+2*X)"},
        {CZoqStats::Power, L"exp(1)*X^2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model);
        CTrendoraCalc calc;
        calc.SetModel(c.model);
        // Data whose transformed values lie on y' = 1 + 2x'.
        for (double t : {0.5, 1.0, 2.0}) {
            const bool logX = c.model == CZoqStats::Log || c.model == CZoqStats::Power;
            const double x = logX ? std::exp(t) : c.model == CZoqStats::Log10 ? std::pow(10, t) : t;
            const double line = 1 + 2 * t;
            const bool logY = c.model >= CZoqStats::Exponential;
            calc.GetStats().AppendX(x);
            calc.GetStats().AppendY(logY ? std::exp(line) : line);
        }
        calc.RefitAndRefresh();
        wchar_t equation[64];
        ASSERT_TRUE(calc.BuildGraphEquation(equation, 64));
        EXPECT_STREQ(equation, c.equation);
        EXPECT_FALSE(calc.BuildGraphEquation(equation, 5));
        EXPECT_STREQ(equation, L"");
    }
}

} // namespace

// The graph gets an equation only for a fit that the results show and that is
// possible; otherwise it draws the points alone. The coefficients keep their digits
// where the six-digit texts would move the line off data far from 0.
TEST(TrendoraCalc, GraphEquationOnlyForAFittedLine) {
    const struct {
        const char* name;
        std::string keys;
        const wchar_t* equation; // null: no equation
        const wchar_t* results[3];
    } cases[] = {
        {"no entries", "", nullptr, {L"", L"", L""}},
        {"two entries", "1=2=2=4=", nullptr, {L"", L"", L""}},
        {"three entries", "1=3=2=5=3=7=", L"2*X+1", {L"1", L"2", L"1"}},
        {"equal x 0.1",
         "0.1=0=0.1=1=0.1=2=0.1=3=0.1=4=0.1=5=0.1=6=",
         nullptr,
         {L"-nan", L"-nan", L"-nan"}},
        {"equal x 2", "2=1=2=2=2=3=", nullptr, {L"-nan", L"-nan", L"-nan"}},
        {"log of 0", "m0=1=1=2=2=3=", nullptr, {L"-nan", L"-nan", L"-nan"}},
        {"far from 0",
         "100000000=1=100000001=3=100000002=5=100000003=7=",
         L"2*X+-199999999",
         {L"-2e+08", L"2", L"1"}},
        {"far falling",
         "1000000000=5=1000000001=3=1000000002=1=",
         L"-2*X+2000000005",
         {L"2e+09", L"-2", L"-1"}},
        {"flat", "1=4=2=4=3=4=", L"0*X+4", {L"4", L"0", L"-nan"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CTrendoraCalc calc;
        Press(calc, c.keys);
        for (int i = 0; i < 3; ++i) {
            EXPECT_STREQ(calc.GetResult(CTrendoraCalc::Intercept + i), c.results[i]) << "abr"[i];
        }
        wchar_t equation[64] = L"unchanged";
        EXPECT_EQ(calc.BuildGraphEquation(equation, 64), c.equation ? 1 : 0);
        EXPECT_STREQ(equation, c.equation ? c.equation : L"");
    }
}

namespace {

// The graph window puts each x value, bracketed, in place of every X and
// evaluates the text with the engine; the fitted curve must pass through data
// that lie on it, also far from 0.
TEST(TrendoraCalc, GraphCurvePassesThroughTheData) {
    const struct {
        int model;
        double x[3], y[3];
    } cases[] = {
        {CZoqStats::Linear, {-1, 0.5, 3}, {-3.5, 1, 8.5}},
        {CZoqStats::Log,
         {0.5, 2, 7},
         {1 - 0.7 * std::log(0.5), 1 - 0.7 * std::log(2.0), 1 - 0.7 * std::log(7.0)}},
        {CZoqStats::Log10, {1, 10, 1000}, {2, 2.5, 3.5}},
        {CZoqStats::Exponential, {-1, 0, 2}, {std::exp(0.3 - 0.4), std::exp(0.3), std::exp(1.1)}},
        {CZoqStats::Power,
         {0.5, 2, 5},
         {1.5 * std::pow(0.5, -1.2), 1.5 * std::pow(2, -1.2), 1.5 * std::pow(5, -1.2)}},
        {CZoqStats::Linear, {1e8, 1e8 + 1, 1e8 + 3}, {1, 3, 7}},
        {CZoqStats::Log,
         {1.7e9, 1.7e9 + 3600, 1.7e9 + 7200},
         {1, 1 + 1e3 * std::log1p(3600 / 1.7e9), 1 + 1e3 * std::log1p(7200 / 1.7e9)}},
        {CZoqStats::Exponential, {1e6, 1e6 + 1, 1e6 + 2}, {1, std::exp(0.5), std::exp(1.0)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model);
        CTrendoraCalc calc;
        calc.SetModel(c.model);
        for (int i = 0; i < 3; ++i) {
            calc.GetStats().AppendX(c.x[i]);
            calc.GetStats().AppendY(c.y[i]);
        }
        calc.RefitAndRefresh();
        wchar_t equation[64];
        ASSERT_TRUE(calc.BuildGraphEquation(equation, 64));
        for (int i = 0; i < 3; ++i) {
            wchar_t number[CZoqString::kNumberCapacity];
            CZoqString::GetInstance()->FormatNumber(number, c.x[i], 12);
            wchar_t substituted[256];
            CZoqNumoraUtil::GetInstance()->ReplaceAll(
                equation, L"X", (std::wstring(L"(") + number + L")").c_str(), substituted, 256);
            wchar_t output[256];
            const double y = Numora::GetInstance()->Evaluate(substituted, output);
            EXPECT_NEAR(y, c.y[i], 1e-9 * std::fabs(c.y[i]))
                << std::string(substituted, substituted + std::wcslen(substituted));
        }
    }
}

// What a user could lose on quitting: the entries changed since the last save or
// load. Each case saves after `saved` and then runs `then`.
TEST(TrendoraCalc, ModifiedSinceLastSave) {
    std::string hundred;
    for (int i = 0; i < CZoqStats::kCapacity; ++i) {
        hundred += "1=2=";
    }
    const struct {
        const char* name;
        std::string saved;
        std::string then;
        bool modified;
    } cases[] = {
        {"nothing done", "", "", false},
        {"typed, not entered", "", "12", false},
        {"an x entered", "", "1=", true},
        {"a pair entered", "1=2=3=4=", "5=6=", true},
        {"saved", "1=2=3=4=", "", false},
        {"a field typed over", "1=2=3=4=", "f5=", true},
        {"a y typed over", "1=2=3=4=", "f=<7=", true},
        {"stepped through with =", "1=2=3=4=", "f====", false},
        {"same value typed again", "1=2=3=4=", "f<1=", false},
        {"navigated", "1=2=3=4=", "ff", false},
        {"model changed", "1=2=3=4=", "m", false},
        {"last entry deleted", "1=2=3=4=", "d", true},
        {"first entry deleted", "1=2=3=4=", "fd", true},
        {"delete with no entries", "", "d", false},
        {"cleared", "1=2=", "3=4=c", false},
        {"cleared, then a pair", "1=2=", "c3=4=", true},
        {"a pair the full lists refuse", hundred, "5=6=", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CTrendoraCalc calc;
        Press(calc, c.saved);
        calc.MarkSaved();
        Press(calc, c.then);
        EXPECT_EQ(calc.IsModified(), c.modified);
    }
}

} // namespace
