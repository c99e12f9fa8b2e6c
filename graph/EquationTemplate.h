#pragma once

#include <cstddef>
#include <string>
#include <vector>

// An equation in X, split once at every "X" so that a value can be put in place of the
// variable for each sample without searching the text again and without allocating.
// The text produced is the one a replace-all of "X" by the value gives.
class CEquationTemplate {
public:
    // Returns 1; a null text makes the template empty.
    int Prepare(const wchar_t* equation);
    bool IsEmpty() const { return m_text.empty(); }
    const wchar_t* Text() const { return m_text.c_str(); }

    // Writes the equation with every X replaced by value into out (capacity characters,
    // terminator included). Returns 1, or 0 with out holding an empty text when the result
    // does not fit.
    int Substitute(const wchar_t* value, wchar_t* out, size_t capacity) const;

private:
    std::wstring m_text;
    std::vector<size_t> m_variables; // positions of the X characters in m_text
};
