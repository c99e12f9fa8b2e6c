#pragma once

#include "regression/ZoqStats.h"

// The regression calculator without its window: the data entry key by key, the
// entry navigation, the results and the graph equation. The window draws what
// this holds and forwards its keys here.
class CTrendoraCalc {
public:
    static constexpr int kTextCapacity = 64;
    // Digits are refused once a field is longer than this.
    static constexpr int kDigitLimit = 15;
    // Significant digits of the coefficients in the graph equation.
    static constexpr int kGraphDigits = 15;
    enum Result { Spare = 0, Intercept = 1, Slope = 2, Correlation = 3, ResultCount = 4 };
    // The bands of the navigation strip, top to bottom.
    enum Band { FirstEntry = 0, PreviousEntry = 1, NoBand = 2, NextEntry = 3, NewEntry = 4 };

    CTrendoraCalc() { ClearAll(); }

    // Entry editing on the active field; each returns 1 when the text changed.
    int Digit(wchar_t digit);
    int DecimalPoint();
    int ChangeSign();
    int Backspace();

    // X: stores the x value of the current entry and moves to Y. Y: stores the y
    // value, moves on to the next entry, refits and refreshes, and moves to X.
    void Enter();
    // Removes the current entry (at the new-entry position, the last one, and the
    // entry number stays at the new-entry position). The texts keep their contents
    // until the next refresh.
    void DeleteEntry();
    // The user's clear: nothing is left that could be lost, so the entries count as
    // unmodified afterwards.
    void ClearAll();
    void Navigate(int band);
    void SetActiveX(bool activeX) { m_activeX = activeX; }
    void ToggleActiveField() { m_activeX = !m_activeX; }
    void SetModel(int model);
    // Fits when there are more than two y values and fills the texts: the results,
    // and the x and y of the current entry when it exists.
    void RefitAndRefresh();

    // The fitted relation as an equation in X for the graph window, with a and b of
    // the shown fit to kGraphDigits significant digits. Returns 0 (an empty text)
    // when it does not fit, and when no fit is shown or the fit is impossible.
    int BuildGraphEquation(wchar_t* out, int capacity) const;

    CZoqStats& GetStats() { return m_stats; }
    const CZoqStats& GetStats() const { return m_stats; }
    int GetCurrentEntry() const { return m_current; }
    int GetEntryCount() const { return m_stats.GetCountY(); }
    bool IsActiveX() const { return m_activeX; }
    const wchar_t* GetXText() const { return m_xText; }
    const wchar_t* GetYText() const { return m_yText; }
    const wchar_t* GetResult(int which) const;
    // After a load: the first entry, refit and refresh.
    void ShowFirstEntry();

    // Whether the entry list changed since it was last saved, loaded or cleared: a
    // value stored that differs from the one held, an entry added or deleted.
    // Stepping through the entries with "=" stores what is held and changes nothing.
    bool IsModified() const { return m_modified; }
    // The entries were written to or read from a file.
    void MarkSaved() { m_modified = false; }
    // The entries were replaced from elsewhere (the clipboard): they are in no file.
    void MarkModified() { m_modified = true; }

private:
    wchar_t* ActiveText() { return m_activeX ? m_xText : m_yText; }
    void EmptyTexts();
    // Stores `value` as x (or y) value `index`; marks the entries modified when the
    // list changed. Returns what the statistics returned.
    int StoreValue(bool isX, double value, int index);

    CZoqStats m_stats;
    int m_current = 1;
    wchar_t m_xText[kTextCapacity] = {};
    wchar_t m_yText[kTextCapacity] = {};
    wchar_t m_results[ResultCount][kTextCapacity] = {};
    bool m_activeX = true;
    bool m_modified = false;
};
