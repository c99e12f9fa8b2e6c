#include "ui/ZoqString.h"

#include <windows.h>

int CZoqString::FromAnsi(wchar_t* dest, const char* source, int capacity) {
    if (!dest || !source || capacity <= 0)
        return 0;
    int length = lstrlenA(source);
    int needed = MultiByteToWideChar(CP_ACP, 0, source, length, nullptr, 0);
    if (needed < capacity) {
        MultiByteToWideChar(CP_ACP, 0, source, length, dest, needed);
        dest[needed] = L'\0';
        return 1;
    }
    // Too long: convert what fits (the call fails on a short buffer without writing
    // a usable prefix, so convert through a full-size copy).
    wchar_t* whole = new wchar_t[needed + 1];
    MultiByteToWideChar(CP_ACP, 0, source, length, whole, needed);
    CopyMemory(dest, whole, (capacity - 1) * sizeof(wchar_t));
    dest[capacity - 1] = L'\0';
    delete[] whole;
    return 0;
}

int CZoqString::ToAnsi(char* dest, const wchar_t* source, int capacity) {
    if (!dest || !source || capacity <= 0)
        return 0;
    int length = lstrlenW(source);
    int needed = WideCharToMultiByte(CP_ACP, 0, source, length, nullptr, 0, nullptr, nullptr);
    if (needed < capacity) {
        WideCharToMultiByte(CP_ACP, 0, source, length, dest, needed, nullptr, nullptr);
        dest[needed] = '\0';
        return 1;
    }
    char* whole = new char[needed + 1];
    WideCharToMultiByte(CP_ACP, 0, source, length, whole, needed, nullptr, nullptr);
    CopyMemory(dest, whole, capacity - 1);
    dest[capacity - 1] = '\0';
    delete[] whole;
    return 0;
}

int CZoqString::LoadText(wchar_t* dest, unsigned id, int capacity, void* instance) {
    if (!dest || capacity <= 0)
        return 0;
    if (!instance)
        instance = m_module;
    if (!instance)
        return 0;
    int length = LoadStringW(static_cast<HINSTANCE>(instance), id, dest, capacity);
    if (length <= 0) {
        dest[0] = L'\0';
        return 0;
    }
    return 1;
}
