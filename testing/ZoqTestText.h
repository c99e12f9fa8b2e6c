#pragma once

#include <string>

// Texts of the tests and screenshot programs: the engine and the windows speak wide
// strings, GoogleTest's messages and the console narrow ones. Portable.

// UTF-8 of a wide text (UTF-16 or UTF-32, as wchar_t is on the platform); an unpaired
// surrogate becomes U+FFFD. A null text is empty.
std::string Narrow(const wchar_t* text);
std::string Narrow(const std::wstring& text);

// The wide text of UTF-8; a malformed sequence becomes U+FFFD, one per bad byte.
std::wstring Widen(const char* text);
std::wstring Widen(const std::string& text);
