#pragma once

#include "engine/Numora.h"
#include "scientific/Calculator.h"
#include "scientific/KeyScript.h"
#include "testing/ZoqTestText.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// A fresh engine (degrees, base 10, 32 bits) and a fresh calculator for every test.
class CoreFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Numora::ReleaseInstance();
        m_calculator = std::make_unique<CCalculator>(m_locale);
    }

    void TearDown() override {
        m_calculator.reset();
        Numora::ReleaseInstance();
    }

    // Runs a key script; an unknown key name fails the test.
    void Keys(const wchar_t* script) {
        CKeyScript keys;
        ASSERT_EQ(keys.Parse(script), 1) << "unknown key " << Narrow(keys.ErrorName());
        keys.Run(*m_calculator);
    }

    int Press(const wchar_t* name) {
        CKeyScript keys;
        EXPECT_EQ(keys.Parse(name), 1);
        return keys.Keys().size() == 1 ? CKeyScript::Press(*m_calculator, keys.Keys()[0]) : -1;
    }

    std::wstring Display() const {
        SDisplayText text;
        m_calculator->GetDisplay(&text);
        return text.main;
    }

    std::wstring Line() const {
        wchar_t line[kLineCapacity];
        m_calculator->GetSecondaryText(line, kLineCapacity);
        return line;
    }

    std::wstring Slot(int slot) const { return m_calculator->GetRpnMode().GetSlot(slot); }

    CZoqFixedLocale m_locale{L".", L",", L"$"};
    std::unique_ptr<CCalculator> m_calculator;
};

// One key-script case: mode, base and notation set up first, then the keys; the
// display and the expression line (or indicator) after the last key.
struct SKeyCase {
    int mode;
    int base;
    int notation;
    const wchar_t* keys;
    const wchar_t* display;
    const wchar_t* line;
};

inline std::string Describe(const SKeyCase& row) {
    static const char* const kModes[] = {"Expression", "Algebraic", "DAL", "Chain", "RPN"};
    return std::string(kModes[row.mode]) + " base " + std::to_string(row.base) + " notation " +
           std::to_string(row.notation) + ": " + Narrow(row.keys);
}

inline void PrintTo(const SKeyCase& row, std::ostream* os) {
    *os << Describe(row);
}

class KeyCaseTest : public CoreFixture, public ::testing::WithParamInterface<SKeyCase> {
protected:
    void RunCase(const SKeyCase& row) {
        SCOPED_TRACE(Describe(row));
        ASSERT_EQ(m_calculator->SetCalcMode(row.mode), 1);
        ASSERT_EQ(m_calculator->BaseKey(row.base), 1);
        ASSERT_EQ(m_calculator->SetNotation(row.notation), 1);
        Keys(row.keys);
        EXPECT_EQ(Display(), row.display);
        EXPECT_EQ(Line(), row.line);
    }
};
