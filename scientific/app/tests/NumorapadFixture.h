#pragma once

#include "ce/ZoqScreen.h"
#include "engine/Numora.h"
#include "scientific/Calculator.h"
#include "scientific/app/CDlgNumorapad.h"
#include "scientific/app/resource.h"
#include "testing/ZoqWindowDriver.h"
#include "ui/ZoqMemoryStore.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// The real main dialog on an emulated screen, with a fresh calculator and an in-memory
// settings store for every test.
class NumorapadTest : public testing::Test {
protected:
    void SetUp() override { Open(240, 320, 96, &m_store); }

    void TearDown() override { CloseAll(); }

    void Open(int width, int height, int dpi, CZoqSettingsStore* store) {
        CZoqScreen::SetDpi(dpi);
        CZoqScreen::SetSize(width, height);
        m_dialog = std::make_unique<CDlgNumorapad>();
        ASSERT_TRUE(m_dialog->Create(GetModuleHandleW(nullptr), store));
    }

    // Destroys the dialog (its settings are saved) and forgets the calculator.
    void CloseAll() {
        m_dialog.reset();
        Pump();
        CCalculator::ReleaseInstance();
        Numora::ReleaseInstance();
        CZoqScreen::SetSize(0, 0);
        CZoqScreen::SetDpi(0);
    }

    static void Pump() { ::Pump(); }

    HWND Key(int index) const { return m_dialog->KeyWindow(index).Handle(); }

    // A pen tap on a key window: down and up inside it.
    void Tap(int index) {
        SendMessageW(Key(index), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageW(Key(index), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    }
    void TapAll(std::initializer_list<int> keys) {
        for (int key : keys) {
            Tap(key);
        }
    }
    void Command(UINT id) { SendMessageW(m_dialog->Handle(), WM_COMMAND, id, 0); }
    void Type(const wchar_t* text) {
        for (; *text; ++text) {
            SendMessageW(m_dialog->Handle(), WM_CHAR, *text, 0);
        }
    }

    std::wstring Number() { return m_dialog->Display().Item(0).text; }
    std::wstring Line() { return m_dialog->Display().Item(1).text; }
    CCalculator& Core() { return *CCalculator::GetInstance(); }

    CZoqMemoryStore m_store;
    std::unique_ptr<CDlgNumorapad> m_dialog;
};

// Key indices of the portrait face, by label.
namespace keys {
constexpr int kEquals = 0, kPoint = 3, kZero = 4, kMinus = 5, kPlus = 6, kThree = 7, kTwo = 8,
              kOne = 9, kDivide = 10, kTimes = 11, kSix = 12, kFive = 13, kFour = 14, kOpen = 15,
              kClose = 16, kNine = 17, kEight = 18, kSeven = 19, kAnswer = 20, kM1 = 22, kM2 = 23,
              kRecall = 24, kStore = 25, kPower = 26, kRegisterB = 30, kRoot = 32, kFactorial = 33,
              kTan = 34, kCos = 35, kSin = 36, kHyp = 37, kAc = 38, kQuit = 39, kDelete = 40,
              kSecond = 43;
}
