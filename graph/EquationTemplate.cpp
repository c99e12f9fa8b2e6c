#include "graph/EquationTemplate.h"

#include <cwchar>

int CEquationTemplate::Prepare(const wchar_t* equation) {
    m_text.assign(equation ? equation : L"");
    m_variables.clear();
    for (size_t i = 0; i < m_text.size(); ++i) {
        if (m_text[i] == L'X')
            m_variables.push_back(i);
    }
    return 1;
}

int CEquationTemplate::Substitute(const wchar_t* value, wchar_t* out, size_t capacity) const {
    if (!out || capacity == 0)
        return 0;
    if (!value)
        value = L"";
    const size_t valueLength = std::wcslen(value);
    const size_t length = m_text.size() - m_variables.size() + m_variables.size() * valueLength;
    if (length >= capacity) {
        out[0] = L'\0';
        return 0;
    }
    wchar_t* write = out;
    size_t from = 0;
    for (size_t at : m_variables) {
        std::wmemcpy(write, m_text.data() + from, at - from);
        write += at - from;
        std::wmemcpy(write, value, valueLength);
        write += valueLength;
        from = at + 1;
    }
    std::wmemcpy(write, m_text.data() + from, m_text.size() - from);
    write += m_text.size() - from;
    *write = L'\0';
    return 1;
}
