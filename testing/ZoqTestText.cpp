#include "testing/ZoqTestText.h"

#include "ui/ZoqUtf8.h"

std::string Narrow(const wchar_t* text) {
    return ZoqToUtf8(text);
}

// Every character counts, a null one too, as in the string's own comparisons.
std::string Narrow(const std::wstring& text) {
    return ZoqToUtf8(text.data(), text.data() + text.size());
}

std::wstring Widen(const char* text) {
    return ZoqFromUtf8(text);
}

std::wstring Widen(const std::string& text) {
    return ZoqFromUtf8(text.c_str());
}
