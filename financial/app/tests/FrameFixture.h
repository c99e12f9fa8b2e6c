#pragma once

#include "ce/ZoqScreen.h"
#include "ce/ZoqSip.h"
#include "financial/app/FiscoraFrame.h"
#include "financial/app/FiscoraModels.h"
#include "testing/ZoqModalWatch.h"
#include "testing/ZoqWindowDriver.h"
#include "ui/ZoqMemoryStore.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// A real Fiscora main window in the test process, on an emulated screen, with its
// settings in memory so that tests neither see nor disturb the registry. The store
// outlives Stop/Start, as the registry outlives a program.
class CFrameFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void Start(int width = 240, int height = 320);
    void Stop();
    // Runs the messages waiting in the queue (a WM_QUIT of a closed frame goes with them).
    static void Pump();
    // Pen down and up at the centre of `rect` (client coordinates of `window`).
    static void Tap(HWND window, const RECT& rect);
    static void PenDown(HWND window, POINT point);
    static void PenUp(HWND window, POINT point);

    HWND Field(const CWizardPage& page, int field) const;
    // Types a text into a field of a page (focus, text) as a user would.
    void Type(CWizardPage& page, int field, const wchar_t* text);
    std::wstring FieldText(const CWizardPage& page, int field) const;
    int IsReadOnly(const CWizardPage& page, int field) const;
    int IsShown(HWND window) const;
    // "Next" and "Back" as the pen presses them.
    void PressNext(CWizardPage& page);
    void PressBack(CWizardPage& page);
    void Command(int id);
    // The user's currency symbol, as the pages show it.
    static std::wstring Currency();

    // Closes any dialog a test did not expect (and fails the test), so none hangs.
    std::unique_ptr<CZoqModalWatch> m_guard;
    CZoqMemoryStore m_store;
    std::unique_ptr<CFiscoraModels> m_models;
    std::unique_ptr<CFiscoraFrame> m_frame;
};
