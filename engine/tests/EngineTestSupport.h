#pragma once

#include "engine/Numora.h"
#include "testing/ZoqTestText.h"

#include <gtest/gtest.h>

#include <string>

// Gives each test a fresh engine with the defaults (degrees, 15 digits, base 10).
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        Numora::ReleaseInstance();
        engine = Numora::GetInstance();
    }
    void TearDown() override { Numora::ReleaseInstance(); }

    std::wstring Eval(const std::wstring& expression) {
        wchar_t out[Numora::kResultCapacity];
        value = engine->Evaluate(expression.c_str(), out);
        return out;
    }

    Numora* engine = nullptr;
    double value = 0;
};

struct ExpressionCase {
    const wchar_t* expression;
    const wchar_t* expected;
};
