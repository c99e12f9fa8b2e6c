#include "regression/TrendoraCsv.h"

#include "regression/FileAccess.h"
#include "calc/NumberText.h"
#include "regression/ZoqStats.h"

#include <cstdlib>
#include <cstring>

namespace {

// The C library's strtok, reentrant: skips leading delimiters, ends the token at
// the next delimiter (overwritten with NUL) and continues after it. `cursor` is
// null once the text is used up.
char* NextToken(char*& cursor, const char* delimiters) {
    if (!cursor) {
        return nullptr;
    }
    char* start = cursor + std::strspn(cursor, delimiters);
    if (*start == '\0') {
        cursor = nullptr;
        return nullptr;
    }
    char* end = start + std::strcspn(start, delimiters);
    if (*end == '\0') {
        cursor = nullptr;
    } else {
        *end = '\0';
        cursor = end + 1;
    }
    return start;
}

double ToDouble(const char* token) {
    return std::strtod(token, nullptr);
}

} // namespace

int ReadCsvEntries(const char* bytes, int size, CZoqStats& stats) {
    // A copy the tokeniser may cut up, terminated after the bytes that were read.
    char text[kCsvReadLimit + 1];
    const int length = bytes && size > 0 ? (size < kCsvReadLimit ? size : kCsvReadLimit) : 0;
    if (length > 0) {
        std::memcpy(text, bytes, length);
    }
    text[length] = '\0';

    int entries = 0;
    char* cursor = text;
    const char* xDelimiters = ",\n";
    for (;;) {
        const char* x = NextToken(cursor, xDelimiters);
        if (!x) {
            break;
        }
        stats.AppendX(ToDouble(x));
        xDelimiters = ",";
        const char* y = NextToken(cursor, "\n");
        if (!y) {
            break;
        }
        stats.AppendY(ToDouble(y));
        ++entries;
    }
    return entries;
}

std::string WriteCsvEntries(const CZoqStats& stats, const char* lineEnd) {
    std::string text;
    char number[kFixed6MaxLength + 1];
    for (int i = 0; i < stats.GetCountY(); ++i) {
        FormatFixed(number, sizeof number, stats.GetX(i), 6);
        text += number;
        text += ',';
        FormatFixed(number, sizeof number, stats.GetY(i), 6);
        text += number;
        text += lineEnd;
    }
    return text;
}

int LoadCsvFile(const wchar_t* path, CZoqStats& stats) {
    char head[kCsvReadLimit];
    const int size = ReadFileHead(path, head, sizeof head);
    if (size < 0) {
        return 0;
    }
    stats.Clear();
    ReadCsvEntries(head, size, stats);
    return 1;
}

int SaveCsvFile(const wchar_t* path, const CZoqStats& stats) {
    const std::string text = WriteCsvEntries(stats, kTextLineEnd);
    return ReplaceFileContents(path, text.data(), text.size());
}
