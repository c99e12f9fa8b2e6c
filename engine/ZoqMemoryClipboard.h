#pragma once

#include "engine/ZoqClipboard.h"

#include <string>

// A clipboard in memory: the platform clipboard of native builds and of tests.
class CZoqMemoryClipboard : public CZoqClipboard {
public:
    int SetText(const wchar_t* text, void* owner) override;
    int GetText(wchar_t* output, int capacity) override;

    // Makes the clipboard hold no text at all (as after another program put a picture
    // there).
    void Empty() {
        m_hasText = false;
        m_text.clear();
    }
    const std::wstring& Text() const { return m_text; }

private:
    std::wstring m_text;
    bool m_hasText = false;
};
