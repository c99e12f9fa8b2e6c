#pragma once

// The bill amount as typed on the tip keypad: at most 11 characters, at most two
// digits behind the point, no leading "0" before another digit.
enum class TipKey {
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Back,
    Restart,
    Point
};

constexpr int kTipKeyCount = 13;
constexpr int kTipEntryMax = 11;

class CTipEntry {
public:
    // Applies one key; returns 1 when the text changed.
    int Press(TipKey key);
    void Clear();
    // Types a whole text key by key, so it obeys the same rules; the first character
    // that is neither a digit nor a point ends it.
    void SetText(const wchar_t* text);
    const wchar_t* Text() const { return m_text; }
    int Length() const { return m_length; }

    // The label of a keypad key: "0".."9", "<-", "Restart", ".".
    static const wchar_t* Label(TipKey key);

private:
    int AppendDigit(wchar_t digit);
    int DigitsAfterPoint() const;
    int HasPoint() const;

    wchar_t m_text[kTipEntryMax + 1] = {};
    int m_length = 0;
};
