#include "engine/ZoqMemoryClipboard.h"

#include <cwchar>

int CZoqMemoryClipboard::SetText(const wchar_t* text, void*) {
    if (!text)
        return 0;
    m_text = text;
    m_hasText = true;
    return 1;
}

int CZoqMemoryClipboard::GetText(wchar_t* output, int capacity) {
    if (!output || capacity <= 0)
        return 0;
    if (!m_hasText)
        return -1;
    std::size_t kept = m_text.size() < static_cast<std::size_t>(capacity - 1)
                           ? m_text.size()
                           : static_cast<std::size_t>(capacity - 1);
    std::wmemcpy(output, m_text.data(), kept);
    output[kept] = L'\0';
    return 1;
}
