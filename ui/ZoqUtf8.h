#pragma once

#include <string>

// UTF-8, the text of files names and consoles outside Windows, and of the tests' messages,
// from and to the wide texts of the code (UTF-16 or UTF-32, as wchar_t is on the platform).

// UTF-8 of the wide characters [begin, end); an unpaired surrogate or a value past U+10FFFF
// becomes U+FFFD.
std::string ZoqToUtf8(const wchar_t* begin, const wchar_t* end);
// The same up to the terminator; a null text is empty.
std::string ZoqToUtf8(const wchar_t* text);

// The wide text of UTF-8; a malformed sequence becomes U+FFFD, one per bad byte. A null
// text is empty.
std::wstring ZoqFromUtf8(const char* text);
