#include "calc/EntryText.h"

#include <cwchar>

int AppendChar(wchar_t* text, int capacity, wchar_t c) {
    const size_t length = std::wcslen(text);
    if (length + 1 >= static_cast<size_t>(capacity)) {
        return 0;
    }
    text[length] = c;
    text[length + 1] = L'\0';
    return 1;
}

int EraseLastChar(wchar_t* text) {
    const size_t length = std::wcslen(text);
    if (length == 0) {
        return 0;
    }
    text[length - 1] = L'\0';
    return 1;
}
