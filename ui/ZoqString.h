#pragma once

#include <cstddef>

// The shared text toolbox: null-safe operations on zero-terminated wide texts held in
// caller buffers. A null pointer makes an operation do nothing and return 0 (or the
// listed failure value).
//
// Every operation that writes takes the capacity of the destination in characters,
// terminator included; the array overloads take it from the array. A result that does
// not fit is cut at capacity - 1 characters and terminated, and the operation returns 0.
class CZoqString {
public:
    // Room for any FormatNumber text.
    static constexpr int kNumberCapacity = 64;

    virtual ~CZoqString() = default;

    // Created on first use; lives until the program ends.
    static CZoqString* GetInstance();

    int Copy(wchar_t* dest, const wchar_t* source, int capacity);
    int Append(wchar_t* dest, const wchar_t* source, int capacity);
    int Clear(wchar_t* text);
    int Length(const wchar_t* text);
    int IsEmpty(const wchar_t* text);
    // wcscmp's result; -1 when either text is null.
    int Compare(const wchar_t* a, const wchar_t* b);
    // Index of the first occurrence at or after start; -1 when absent, when start < 0
    // or start > length.
    int Find(const wchar_t* text, const wchar_t* part, int start);
    int FindFirst(const wchar_t* text, const wchar_t* part);
    // `count` characters from start; 0 (dest untouched) when start + count exceeds the
    // length or either is negative.
    int Mid(wchar_t* dest, const wchar_t* source, int start, int count, int capacity);
    // The first `count` characters (below 0 counts as 0; at most the whole source).
    int Left(wchar_t* dest, const wchar_t* source, int count, int capacity);
    // The last `count` characters, likewise.
    int Right(wchar_t* dest, const wchar_t* source, int count, int capacity);
    // Removes count characters from start (start below 0 counts as 0, count is cut to
    // what remains); nothing for count <= 0 (returns 0).
    int Delete(int start, int count, wchar_t* text);
    // Inserts part before position (beyond the length appends); a negative position
    // does nothing (returns 0).
    int Insert(wchar_t* text, const wchar_t* part, int position, int capacity);
    // Decimal text of the value.
    int FromInt(wchar_t* dest, int value, int capacity);
    // The platform's wide string-to-double conversion; -1.0 for null.
    double ToDouble(const wchar_t* text);
    // The platform's wide string-to-long conversion (base 10); 0 for null.
    long ToLong(const wchar_t* text);
    // Number to display text with `digits` significant digits. 0 with dest untouched
    // when dest is null or digits is negative; 0 with dest emptied when the text does
    // not fit (kNumberCapacity always suffices).
    int FormatNumber(wchar_t* dest, double value, int digits, int capacity);
    // printf-style formatting into dest (emptied first); 1 unless formatting fails or
    // the text does not fit. "%ls" for wide strings.
    int Format(wchar_t* dest, int capacity, const wchar_t* format, ...);
    // 8-bit (ANSI code page) to wide and back.
    int FromAnsi(wchar_t* dest, const char* source, int capacity);
    int ToAnsi(char* dest, const wchar_t* source, int capacity);
    // Loads a string resource of `instance` (an HINSTANCE), or of the module given to
    // SetModule when instance is null. 0 when dest is null, capacity <= 0, there is no
    // instance or no such string (dest then empty).
    int LoadText(wchar_t* dest, unsigned id, int capacity, void* instance);
    // A newly allocated copy (length + 1 characters); null for null. Release with Free.
    wchar_t* Duplicate(const wchar_t* text);
    // Frees the text and sets the pointer to null; 0 when it was already null.
    int Free(wchar_t** text);

    // The module whose string resources LoadText uses by default.
    void SetModule(void* instance) { m_module = instance; }
    void* GetModule() const { return m_module; }

    template <std::size_t N> int Copy(wchar_t (&dest)[N], const wchar_t* source) {
        return Copy(dest, source, static_cast<int>(N));
    }
    template <std::size_t N> int Append(wchar_t (&dest)[N], const wchar_t* source) {
        return Append(dest, source, static_cast<int>(N));
    }
    template <std::size_t N>
    int Mid(wchar_t (&dest)[N], const wchar_t* source, int start, int count) {
        return Mid(dest, source, start, count, static_cast<int>(N));
    }
    template <std::size_t N> int Left(wchar_t (&dest)[N], const wchar_t* source, int count) {
        return Left(dest, source, count, static_cast<int>(N));
    }
    template <std::size_t N> int Right(wchar_t (&dest)[N], const wchar_t* source, int count) {
        return Right(dest, source, count, static_cast<int>(N));
    }
    template <std::size_t N> int Insert(wchar_t (&text)[N], const wchar_t* part, int position) {
        return Insert(text, part, position, static_cast<int>(N));
    }
    template <std::size_t N> int FromInt(wchar_t (&dest)[N], int value) {
        return FromInt(dest, value, static_cast<int>(N));
    }
    template <std::size_t N> int FormatNumber(wchar_t (&dest)[N], double value, int digits) {
        return FormatNumber(dest, value, digits, static_cast<int>(N));
    }
    template <std::size_t N> int FromAnsi(wchar_t (&dest)[N], const char* source) {
        return FromAnsi(dest, source, static_cast<int>(N));
    }
    template <std::size_t N> int ToAnsi(char (&dest)[N], const wchar_t* source) {
        return ToAnsi(dest, source, static_cast<int>(N));
    }
    template <std::size_t N, typename... Args>
    int Format(wchar_t (&dest)[N], const wchar_t* format, Args... args) {
        return Format(dest, static_cast<int>(N), format, args...);
    }

private:
    CZoqString() = default;
    CZoqString(const CZoqString&) = delete;
    CZoqString& operator=(const CZoqString&) = delete;

    void* m_module = nullptr;
};
