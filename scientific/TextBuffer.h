#pragma once

// Bounded operations on zero-terminated wide texts in fixed caller buffers.
// `capacity` always counts characters including the terminator. A write that does
// not fit is refused with 0 and leaves the destination as it was, so a value can
// never be half-written or run past its buffer.

inline int TextLength(const wchar_t* text) {
    int length = 0;
    if (text) {
        while (text[length]) {
            ++length;
        }
    }
    return length;
}

inline int TextIsEmpty(const wchar_t* text) {
    return !text || !text[0];
}

inline int TextEquals(const wchar_t* a, const wchar_t* b) {
    if (!a || !b) {
        return 0;
    }
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

// Copies at most `count` characters of source (fewer when it is shorter).
inline int TextCopyLeft(wchar_t* destination, int capacity, const wchar_t* source, int count) {
    int length = TextLength(source);
    if (count < length) {
        length = count < 0 ? 0 : count;
    }
    if (!destination || length + 1 > capacity) {
        return 0;
    }
    for (int i = 0; i < length; ++i) {
        destination[i] = source[i];
    }
    destination[length] = 0;
    return 1;
}

inline int TextCopy(wchar_t* destination, int capacity, const wchar_t* source) {
    return TextCopyLeft(destination, capacity, source, TextLength(source));
}

inline int TextAppend(wchar_t* destination, int capacity, const wchar_t* source) {
    const int start = TextLength(destination);
    const int length = TextLength(source);
    if (!destination || start + length + 1 > capacity) {
        return 0;
    }
    for (int i = 0; i < length; ++i) {
        destination[start + i] = source[i];
    }
    destination[start + length] = 0;
    return 1;
}

inline int TextAppendChar(wchar_t* destination, int capacity, wchar_t c) {
    const wchar_t piece[2] = {c, 0};
    return TextAppend(destination, capacity, piece);
}

inline wchar_t TextLastChar(const wchar_t* text) {
    const int length = TextLength(text);
    return length ? text[length - 1] : 0;
}

inline void TextRemoveLast(wchar_t* text) {
    const int length = TextLength(text);
    if (length) {
        text[length - 1] = 0;
    }
}

inline void TextCut(wchar_t* text, int length) {
    if (length >= 0 && length < TextLength(text)) {
        text[length] = 0;
    }
}

inline int TextFindChar(const wchar_t* text, wchar_t c) {
    for (int i = 0; text && text[i]; ++i) {
        if (text[i] == c) {
            return i;
        }
    }
    return -1;
}

inline int TextCountChar(const wchar_t* text, wchar_t c) {
    int count = 0;
    for (int i = 0; text && text[i]; ++i) {
        count += text[i] == c;
    }
    return count;
}

// Inserts `part` before `position` (0..length) when the result fits.
inline int TextInsert(wchar_t* text, int capacity, int position, const wchar_t* part) {
    const int length = TextLength(text);
    const int partLength = TextLength(part);
    if (!text || position < 0 || position > length || length + partLength + 1 > capacity) {
        return 0;
    }
    for (int i = length; i >= position; --i) {
        text[i + partLength] = text[i];
    }
    for (int i = 0; i < partLength; ++i) {
        text[position + i] = part[i];
    }
    return 1;
}

// A fixed-capacity text value: the storage every value, line and stack level of the
// calculator lives in.
template <int Capacity> struct CFixedText {
    static constexpr int kCapacity = Capacity;
    wchar_t text[Capacity] = {};

    const wchar_t* Get() const { return text; }
    int Length() const { return TextLength(text); }
    int IsEmpty() const { return text[0] == 0; }
    void Clear() { text[0] = 0; }
    int Set(const wchar_t* value) { return TextCopy(text, Capacity, value); }
    // A value that does not fit leaves the text empty rather than showing a stale one.
    void SetOrClear(const wchar_t* value) {
        if (!Set(value)) {
            Clear();
        }
    }
    int Append(const wchar_t* value) { return TextAppend(text, Capacity, value); }
    int AppendChar(wchar_t c) { return TextAppendChar(text, Capacity, c); }
    wchar_t Last() const { return TextLastChar(text); }
    void RemoveLast() { TextRemoveLast(text); }
    void Cut(int length) { TextCut(text, length); }
    int Equals(const wchar_t* value) const { return TextEquals(text, value); }
};
