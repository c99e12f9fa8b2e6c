#include "ui/ZoqString.h"

#include "engine/ZoqNumberText.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <new>
#include <string>

namespace {

int TextLength(const wchar_t* text) {
    return static_cast<int>(std::wcslen(text));
}

// Writes `count` characters of `source` at `dest` followed by a terminator, cut to
// the capacity. memmove: callers may take a part of the destination itself.
int WriteBounded(wchar_t* dest, const wchar_t* source, int count, int capacity) {
    int fits = count < capacity ? 1 : 0;
    int kept = fits ? count : capacity - 1;
    std::memmove(dest, source, static_cast<std::size_t>(kept) * sizeof(wchar_t));
    dest[kept] = L'\0';
    return fits;
}

bool Overlaps(const wchar_t* a, int lengthA, const wchar_t* b, int lengthB) {
    return a < b + lengthB && b < a + lengthA;
}

} // namespace

CZoqString* CZoqString::GetInstance() {
    static CZoqString instance;
    return &instance;
}

int CZoqString::Copy(wchar_t* dest, const wchar_t* source, int capacity) {
    if (!dest || !source || capacity <= 0)
        return 0;
    return WriteBounded(dest, source, TextLength(source), capacity);
}

int CZoqString::Append(wchar_t* dest, const wchar_t* source, int capacity) {
    if (!dest || !source || capacity <= 0)
        return 0;
    int used = static_cast<int>(wcsnlen(dest, static_cast<std::size_t>(capacity)));
    if (used >= capacity) {
        dest[capacity - 1] = L'\0';
        return 0;
    }
    return WriteBounded(dest + used, source, TextLength(source), capacity - used);
}

int CZoqString::Clear(wchar_t* text) {
    if (!text)
        return 0;
    text[0] = L'\0';
    return 1;
}

int CZoqString::Length(const wchar_t* text) {
    return text ? TextLength(text) : 0;
}

int CZoqString::IsEmpty(const wchar_t* text) {
    return !text || text[0] == L'\0' ? 1 : 0;
}

int CZoqString::Compare(const wchar_t* a, const wchar_t* b) {
    if (!a || !b)
        return -1;
    return std::wcscmp(a, b);
}

int CZoqString::Find(const wchar_t* text, const wchar_t* part, int start) {
    if (!text || !part)
        return -1;
    int length = TextLength(text);
    if (start < 0 || start > length)
        return -1;
    // Some runtimes' wcsstr finds nothing for an empty part; the C standard finds it
    // at once.
    if (part[0] == L'\0')
        return start;
    const wchar_t* found = std::wcsstr(text + start, part);
    return found ? static_cast<int>(found - text) : -1;
}

int CZoqString::FindFirst(const wchar_t* text, const wchar_t* part) {
    return Find(text, part, 0);
}

int CZoqString::Mid(wchar_t* dest, const wchar_t* source, int start, int count, int capacity) {
    if (!dest || !source || capacity <= 0 || start < 0 || count < 0)
        return 0;
    if (static_cast<long long>(start) + count > TextLength(source))
        return 0;
    return WriteBounded(dest, source + start, count, capacity);
}

int CZoqString::Left(wchar_t* dest, const wchar_t* source, int count, int capacity) {
    if (!dest || !source || capacity <= 0)
        return 0;
    int length = TextLength(source);
    int kept = count < 0 ? 0 : (count > length ? length : count);
    return WriteBounded(dest, source, kept, capacity);
}

int CZoqString::Right(wchar_t* dest, const wchar_t* source, int count, int capacity) {
    if (!dest || !source || capacity <= 0)
        return 0;
    int length = TextLength(source);
    int kept = count < 0 ? 0 : (count > length ? length : count);
    return WriteBounded(dest, source + length - kept, kept, capacity);
}

int CZoqString::Delete(int start, int count, wchar_t* text) {
    if (!text || count <= 0)
        return 0;
    int length = TextLength(text);
    if (start < 0)
        start = 0;
    if (start >= length)
        return 1;
    int removed = count < length - start ? count : length - start;
    std::memmove(text + start, text + start + removed,
                 static_cast<std::size_t>(length - start - removed + 1) * sizeof(wchar_t));
    return 1;
}

int CZoqString::Insert(wchar_t* text, const wchar_t* part, int position, int capacity) {
    if (!text || !part || position < 0 || capacity <= 0)
        return 0;
    int length = static_cast<int>(wcsnlen(text, static_cast<std::size_t>(capacity)));
    if (length >= capacity) {
        text[capacity - 1] = L'\0';
        return 0;
    }
    int partLength = TextLength(part);
    // A part taken from the text itself would be overwritten by the shift.
    std::wstring ownCopy;
    if (Overlaps(text, capacity, part, partLength + 1)) {
        ownCopy.assign(part, static_cast<std::size_t>(partLength));
        part = ownCopy.c_str();
    }
    int at = position < length ? position : length;
    int room = capacity - 1;
    int tailLength = length - at;
    int partKept = partLength < room - at ? partLength : room - at;
    int tailKept = tailLength < room - at - partKept ? tailLength : room - at - partKept;
    std::memmove(text + at + partKept, text + at,
                 static_cast<std::size_t>(tailKept) * sizeof(wchar_t));
    std::memcpy(text + at, part, static_cast<std::size_t>(partKept) * sizeof(wchar_t));
    text[at + partKept + tailKept] = L'\0';
    return partKept == partLength && tailKept == tailLength ? 1 : 0;
}

int CZoqString::FromInt(wchar_t* dest, int value, int capacity) {
    if (!dest || capacity <= 0)
        return 0;
    wchar_t digits[16];
    int count = 0;
    // Through unsigned so that the most negative value has a magnitude too.
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : value;
    do {
        digits[count++] = static_cast<wchar_t>(L'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    wchar_t text[16];
    int length = 0;
    if (value < 0)
        text[length++] = L'-';
    while (count > 0)
        text[length++] = digits[--count];
    return WriteBounded(dest, text, length, capacity);
}

double CZoqString::ToDouble(const wchar_t* text) {
    if (!text)
        return -1.0;
    return std::wcstod(text, nullptr);
}

long CZoqString::ToLong(const wchar_t* text) {
    if (!text)
        return 0;
    return std::wcstol(text, nullptr, 10);
}

int CZoqString::FormatNumber(wchar_t* dest, double value, int digits, int capacity) {
    return ZoqFormatNumber(value, digits, dest, capacity) >= 0 ? 1 : 0;
}

int CZoqString::Format(wchar_t* dest, int capacity, const wchar_t* format, ...) {
    if (!dest || !format || capacity <= 0)
        return 0;
    dest[0] = L'\0';
    va_list arguments;
    va_start(arguments, format);
    int written = std::vswprintf(dest, static_cast<std::size_t>(capacity), format, arguments);
    va_end(arguments);
    if (written < 0 || written >= capacity) {
        // The runtimes differ on overflow: glibc reports -1, mingw the full length.
        dest[capacity - 1] = L'\0';
        return 0;
    }
    return 1;
}

wchar_t* CZoqString::Duplicate(const wchar_t* text) {
    if (!text)
        return nullptr;
    std::size_t length = std::wcslen(text);
    wchar_t* copy = new (std::nothrow) wchar_t[length + 1]();
    if (copy)
        std::memcpy(copy, text, length * sizeof(wchar_t));
    return copy;
}

int CZoqString::Free(wchar_t** text) {
    if (!text || !*text)
        return 0;
    delete[] * text;
    *text = nullptr;
    return 1;
}
