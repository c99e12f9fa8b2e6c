#include "ui/ZoqUtf8.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void Append(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

void Append(std::wstring& out, char32_t code) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (code >= 0x10000) {
            code -= 0x10000;
            out += static_cast<wchar_t>(0xD800 + (code >> 10));
            out += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
            return;
        }
    }
    out += static_cast<wchar_t>(code);
}

bool IsHigh(char32_t unit) {
    return unit >= 0xD800 && unit < 0xDC00;
}

bool IsLow(char32_t unit) {
    return unit >= 0xDC00 && unit < 0xE000;
}

// The code point of a UTF-8 sequence of `length` bytes starting with `lead`, or the
// replacement when a continuation byte is missing, the form is overlong or the value
// is no scalar value. `text` advances past what was used.
char32_t Decode(const unsigned char*& text) {
    const unsigned char lead = *text++;
    if (lead < 0x80) {
        return lead;
    }
    int length = 0;
    char32_t code = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 1, code = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 2, code = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 3, code = lead & 0x07, least = 0x10000;
    } else {
        return kReplacement;
    }
    for (int i = 0; i < length; ++i) {
        if ((*text & 0xC0) != 0x80) {
            return kReplacement;
        }
        code = (code << 6) | (*text++ & 0x3F);
    }
    if (code < least || code > 0x10FFFF || IsHigh(code) || IsLow(code)) {
        return kReplacement;
    }
    return code;
}

} // namespace

std::string ZoqToUtf8(const wchar_t* begin, const wchar_t* end) {
    std::string out;
    for (const wchar_t* p = begin; p < end; ++p) {
        char32_t code = static_cast<char32_t>(*p);
        if (sizeof(wchar_t) == 2 && IsHigh(code) && p + 1 < end &&
            IsLow(static_cast<char32_t>(p[1]))) {
            code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<char32_t>(p[1]) - 0xDC00);
            ++p;
        } else if (IsHigh(code) || IsLow(code) || code > 0x10FFFF) {
            code = kReplacement;
        }
        Append(out, code);
    }
    return out;
}

std::string ZoqToUtf8(const wchar_t* text) {
    const wchar_t* end = text;
    while (end && *end) {
        ++end;
    }
    return ZoqToUtf8(text, end);
}

std::wstring ZoqFromUtf8(const char* text) {
    std::wstring out;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (p && *p) {
        Append(out, Decode(p));
    }
    return out;
}
