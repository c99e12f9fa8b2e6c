#include "regression/TrendoraCsv.h"

#include "regression/CsvNumber.h"
#include "regression/FileAccess.h"
#include "regression/ZoqStats.h"

#include <vector>

namespace {

// Tried in this order on each line: "," is what the calculator writes, the others
// are what spreadsheets write where "," is the decimal separator.
constexpr char kSeparators[] = {',', ';', '\t'};

bool IsLineEnd(char c) {
    return c == '\n' || c == '\r';
}

// The end of the field that starts at `p`: the next separator outside double
// quotes, or the end of the line.
const char* FieldEnd(const char* p, const char* end, char separator) {
    bool quoted = false;
    for (; p < end; ++p) {
        if (*p == '"') {
            quoted = !quoted;
        } else if (*p == separator && !quoted) {
            break;
        }
    }
    return p;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

bool IsBlankText(const char* begin, const char* end) {
    for (; begin < end; ++begin) {
        if (!IsSpace(*begin)) {
            return false;
        }
    }
    return true;
}

// The entry is in the first two fields after any empty ones (a spreadsheet's empty
// first column).
bool ReadEntry(const char* begin, const char* end, char separator, double& x, double& y) {
    const char* xEnd = FieldEnd(begin, end, separator);
    while (xEnd != end && IsBlankText(begin, xEnd)) {
        begin = xEnd + 1;
        xEnd = FieldEnd(begin, end, separator);
    }
    if (xEnd == end) {
        return false;
    }
    const char* yEnd = FieldEnd(xEnd + 1, end, separator);
    double first = 0.0;
    double second = 0.0;
    if (!ParseCsvNumber(begin, xEnd, first) || !ParseCsvNumber(xEnd + 1, yEnd, second)) {
        return false;
    }
    x = first;
    y = second;
    return true;
}

bool HoldsAnyNumber(const char* begin, const char* end) {
    for (const char separator : kSeparators) {
        for (const char* field = begin;;) {
            const char* fieldEnd = FieldEnd(field, end, separator);
            double ignored = 0.0;
            if (ParseCsvNumber(field, fieldEnd, ignored)) {
                return true;
            }
            if (fieldEnd == end) {
                break;
            }
            field = fieldEnd + 1;
        }
    }
    return false;
}

// An empty row of a spreadsheet is written as its separators alone.
bool IsBlankLine(const char* begin, const char* end) {
    for (; begin < end; ++begin) {
        if (!IsSpace(*begin) && *begin != ',' && *begin != ';') {
            return false;
        }
    }
    return true;
}

bool ReadLineEntry(const char* begin, const char* end, double& x, double& y) {
    for (const char separator : kSeparators) {
        if (ReadEntry(begin, end, separator, x, y)) {
            return true;
        }
    }
    return false;
}

// The bytes to read: a text longer than the limit ends at the last line end the
// limit did not cut (the byte just past the limit may still end a line).
int ReadableLength(const char* bytes, int size, bool& cut) {
    cut = size > kCsvReadLimit;
    if (!cut) {
        return size;
    }
    for (int i = kCsvReadLimit; i > 0; --i) {
        if (IsLineEnd(bytes[i])) {
            return i;
        }
    }
    return 0;
}

} // namespace

CsvReadReport ReadCsvEntries(const char* bytes, int size, CZoqStats& stats) {
    CsvReadReport report;
    if (!bytes || size <= 0) {
        return report;
    }
    const char* p = bytes;
    const char* const end = bytes + ReadableLength(bytes, size, report.cut);
    if (end - p >= 3 && p[0] == '\xEF' && p[1] == '\xBB' && p[2] == '\xBF') {
        p += 3;
    }
    bool firstLine = true;
    while (p < end) {
        const char* lineEnd = p;
        while (lineEnd < end && !IsLineEnd(*lineEnd)) {
            ++lineEnd;
        }
        if (!IsBlankLine(p, lineEnd)) {
            double x = 0.0;
            double y = 0.0;
            const bool entry = ReadLineEntry(p, lineEnd, x, y);
            if (entry && stats.GetCountY() < CZoqStats::kCapacity && stats.AppendX(x)) {
                stats.AppendY(y);
                ++report.entries;
            } else if (entry) {
                ++report.beyondCapacity;
            } else if (!firstLine || HoldsAnyNumber(p, lineEnd)) {
                ++report.unreadable;
            }
            firstLine = false;
        }
        p = lineEnd;
        if (p < end && *p == '\r') {
            ++p;
        }
        if (p < end && *p == '\n') {
            ++p;
        }
    }
    return report;
}

std::string WriteCsvEntries(const CZoqStats& stats, const char* lineEnd) {
    std::string text;
    char number[kCsvNumberMaxLength + 1];
    for (int i = 0; i < stats.GetCountY(); ++i) {
        text.append(number, FormatCsvNumber(number, sizeof number, stats.GetX(i)));
        text += ',';
        text.append(number, FormatCsvNumber(number, sizeof number, stats.GetY(i)));
        text += lineEnd;
    }
    return text;
}

int LoadCsvFile(const wchar_t* path, CZoqStats& stats, CsvReadReport& report) {
    // One byte beyond the limit tells whether the file goes on.
    std::vector<char> head(kCsvReadLimit + 1);
    const int size = ReadFileHead(path, head.data(), static_cast<int>(head.size()));
    if (size < 0) {
        return 0;
    }
    stats.Clear();
    report = ReadCsvEntries(head.data(), size, stats);
    return 1;
}

int SaveCsvFile(const wchar_t* path, const CZoqStats& stats) {
    const std::string text = WriteCsvEntries(stats, kTextLineEnd);
    return ReplaceFileContents(path, text.data(), text.size());
}
