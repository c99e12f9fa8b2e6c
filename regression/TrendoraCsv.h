#pragma once

#include <string>

class CZoqStats;

// The regression calculator's data files: text, one "x,y" line per entry.

// Only the start of a data file is read: enough for 100 entries of the widest
// values the writer produces (two values of 317 characters, the separator and a
// two-byte line end), and more than a hand-written file needs.
constexpr int kCsvReadLimit = 64 * 1024;

// What a read took and what it left out; the user is told when anything was.
struct CsvReadReport {
    // Entries appended.
    int entries = 0;
    // Complete entries that found no room (the list holds 100).
    int beyondCapacity = 0;
    // Lines that hold no x,y pair of numbers (the header line of a spreadsheet
    // file and blank lines excepted).
    int unreadable = 0;
    // The text was longer than kCsvReadLimit: the rest, and the line the limit
    // cut, were not read.
    bool cut = false;

    int LeftOut() const { return beyondCapacity + unreadable; }
    bool AnythingLeftOut() const { return LeftOut() > 0 || cut; }
};

// Appends the entries of the first kCsvReadLimit of `size` bytes to `stats`, which
// must hold as many x values as y values, until it holds 100.
// A line holds an entry when its first two fields are numbers as ParseCsvNumber
// reads them; empty fields before them and further fields after them are ignored. Fields are
// separated by ",", or, where that gives no entry, by ";" or a tab; a field in double quotes may
// hold the separator. Lines end with a line feed, a carriage return or both. A UTF-8 byte-order
// mark, blank lines (white space and separators only) and a first line in which no field is a
// number (a header) are skipped silently.
CsvReadReport ReadCsvEntries(const char* bytes, int size, CZoqStats& stats);

// The whole file text: lines "x,y" for entries 0 .. n_y - 1 (an x value without
// its y is not saved), each value as FormatCsvNumber writes it, so that it reads
// back as the same double, and each line ended by `lineEnd`.
std::string WriteCsvEntries(const CZoqStats& stats, const char* lineEnd);

// Load: returns 0 and leaves `stats` unchanged when the file cannot be read;
// otherwise clears `stats` (keeping the model), reads the entries into it, fills
// `report` and returns 1.
int LoadCsvFile(const wchar_t* path, CZoqStats& stats, CsvReadReport& report);

// Save: writes the whole text in one piece; an existing file survives a failed
// save, and a read-only one is not replaced.
int SaveCsvFile(const wchar_t* path, const CZoqStats& stats);
