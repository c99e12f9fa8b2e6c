#pragma once

#include "calc/CalcFace.h"
#include "calc/CalcKeypad.h"
#include "ui/ZoqWnd.h"

struct SZoqMenuBarInfo;
class CWndGraph;

// What the regression and quadratic calculator windows do alike: they own the
// shared face, lay it out again on every real change of the client size once
// initialised, give the pen to its buttons and act on the button that fires, and
// show the about box and the graph in the same way. The derived window holds its
// calculator, draws the display texts and acts on the buttons (CCalcEntryWindow).
class CCalcWindow : public CZoqWnd {
public:
    // The identifier each program gives its icon resource.
    static constexpr int kProgramIconId = 1;

    ~CCalcWindow() override;

    LRESULT OnDraw(HWND hwnd, HDC dc, RECT* client) override;
    LRESULT OnSize(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnLButtonUp(HWND hwnd, POINT point) override;
    LRESULT OnLButtonDown(HWND hwnd, POINT point) override;
    LRESULT OnMouseMove(HWND hwnd, POINT point) override;
    LRESULT OnDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    // The desktop keyboard: the derived window's key table says what a key means.
    LRESULT OnChar(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnKeyUp(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    // The desktop frame's close box quits like "Quit"; a change of size lays out again.
    LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

    const CCalcFace& GetFace() const { return m_face; }

protected:
    // `programName` is the about box's; `displayDivisor` sizes the display font (see
    // ComputeCalcLayout); `keys` colours keypad rows 1 to 4.
    CCalcWindow(const wchar_t* programName, int displayDivisor, const CCalcFace::KeyColours& keys);

    // Dialog initialisation: the calculator cleared (the Clear button's action), full
    // screen, the menu bar, the button labels (string firstLabelId + i), and the first
    // layout, which the full-screen sizing came too early for.
    LRESULT InitCalcDialog(HWND hwnd, const SZoqMenuBarInfo& menuBar, UINT firstLabelId);
    // Runs a shared action on the program's calculator (`digit` is the digit of a Digit
    // action): 1 when there was one to run, 0 for ECalcAction::None.
    virtual int RunAction(ECalcAction action, wchar_t digit) = 0;
    // Keypad button 0, 1 or 2 fired: the program's own.
    virtual void ProgramButton(int index) = 0;
    // A character typed (with Shift held or not) and a key let go: 1 when the key
    // table gave it an action, which the window has run; the display is then redrawn.
    virtual int KeyTyped(wchar_t typed, int shift) = 0;
    virtual int KeyReleased(unsigned virtualKey) = 0;
    // The display texts, drawn over the panel into the frame being composed.
    virtual void DrawDisplay() = 0;
    void Redraw();
    // "Quit" and the close box: ends the program unless the derived window keeps it
    // running (ConfirmQuit).
    void Quit();
    // 1 when the program may end now; a window holding data that would be lost asks
    // the user first and answers 0 to stay.
    virtual int ConfirmQuit() { return 1; }
    void ShowAbout();
    // Runs `graph` from the graph dialog template, releases it and redraws.
    void RunGraph(CWndGraph& graph);

    CCalcFace m_face;

private:
    // Keypad button `index` fired (the pen was lifted over it): a shared button runs its
    // action, the others are the program's; the display is then redrawn.
    void ButtonAction(int index);

    const wchar_t* m_programName;
    int m_displayDivisor;
    CCalcFace::KeyColours m_keys;
    int m_lastWidth = 0;
    int m_lastHeight = 0;
    bool m_initialised = false;
};
