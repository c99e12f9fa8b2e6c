#include "financial/app/TipEntry.h"

int CTipEntry::Press(TipKey key) {
    switch (key) {
    case TipKey::Point:
        if (m_length == 0 || HasPoint() || m_length >= kTipEntryMax) {
            return 0;
        }
        m_text[m_length++] = L'.';
        m_text[m_length] = L'\0';
        return 1;
    case TipKey::Back:
        if (m_length == 0) {
            return 0;
        }
        m_text[--m_length] = L'\0';
        return 1;
    case TipKey::Restart:
        if (m_length == 0) {
            return 0;
        }
        Clear();
        return 1;
    default:
        return AppendDigit(static_cast<wchar_t>(L'0' + static_cast<int>(key)));
    }
}

void CTipEntry::Clear() {
    m_length = 0;
    m_text[0] = L'\0';
}

void CTipEntry::SetText(const wchar_t* text) {
    Clear();
    for (const wchar_t* c = text; c && *c; ++c) {
        if (*c == L'.') {
            Press(TipKey::Point);
        } else if (*c >= L'0' && *c <= L'9') {
            Press(static_cast<TipKey>(*c - L'0'));
        } else {
            return;
        }
    }
}

int CTipEntry::AppendDigit(wchar_t digit) {
    int changed = 0;
    if (m_length == 1 && m_text[0] == L'0') {
        Clear();
        changed = 1;
    }
    if (m_length >= kTipEntryMax || DigitsAfterPoint() >= 2) {
        return changed;
    }
    m_text[m_length++] = digit;
    m_text[m_length] = L'\0';
    return 1;
}

int CTipEntry::HasPoint() const {
    for (int i = 0; i < m_length; ++i) {
        if (m_text[i] == L'.') {
            return 1;
        }
    }
    return 0;
}

int CTipEntry::DigitsAfterPoint() const {
    for (int i = 0; i < m_length; ++i) {
        if (m_text[i] == L'.') {
            return m_length - i - 1;
        }
    }
    return 0;
}

const wchar_t* CTipEntry::Label(TipKey key) {
    static const wchar_t* const kLabels[kTipKeyCount] = {
        L"0", L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9", L"<-", L"Restart", L"."};
    int index = static_cast<int>(key);
    return index >= 0 && index < kTipKeyCount ? kLabels[index] : L"";
}
