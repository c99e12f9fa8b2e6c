// Native builds have no ANSI code page and no string resources: 8-bit texts are taken
// as Latin-1, and there is nothing to load.
#include "ui/ZoqString.h"

int CZoqString::FromAnsi(wchar_t* dest, const char* source, int capacity) {
    if (!dest || !source || capacity <= 0)
        return 0;
    int i = 0;
    for (; source[i] != '\0'; ++i) {
        if (i == capacity - 1) {
            dest[i] = L'\0';
            return 0;
        }
        dest[i] = static_cast<wchar_t>(static_cast<unsigned char>(source[i]));
    }
    dest[i] = L'\0';
    return 1;
}

int CZoqString::ToAnsi(char* dest, const wchar_t* source, int capacity) {
    if (!dest || !source || capacity <= 0)
        return 0;
    int i = 0;
    for (; source[i] != L'\0'; ++i) {
        if (i == capacity - 1) {
            dest[i] = '\0';
            return 0;
        }
        unsigned code = static_cast<unsigned>(source[i]);
        dest[i] = code < 0x100 ? static_cast<char>(code) : '?';
    }
    dest[i] = '\0';
    return 1;
}

int CZoqString::LoadText(wchar_t* dest, unsigned, int capacity, void*) {
    if (dest && capacity > 0)
        dest[0] = L'\0';
    return 0;
}
