#pragma once

#include <string>

class CZoqStats;

// The regression calculator's data files: comma-separated text, one "x,y" line
// per entry, each value written with six decimals.

// Only the start of a data file is read.
constexpr int kCsvReadLimit = 5000;

// Appends the entries found in the first kCsvReadLimit of `size` bytes to `stats`
// with AppendX/AppendY (so at most 100 are taken). Tokens are taken in turn, each
// skipping leading delimiters: the first x up to "," or a line feed, every y up to
// a line feed, every later x up to ","; reading stops at the first missing token,
// so a trailing x without its y is taken alone. Each token is converted as strtod
// converts it (leading white space skipped, stops at the first character that
// cannot belong to the number). A NUL byte ends the text. Returns the number of
// complete x,y pairs found in the text, taken or not.
int ReadCsvEntries(const char* bytes, int size, CZoqStats& stats);

// The whole file text: lines "x,y" for entries 0 .. n_y - 1 (an x value without
// its y is not saved), each value formatted as "%f" and each line ended by
// `lineEnd`.
std::string WriteCsvEntries(const CZoqStats& stats, const char* lineEnd);

// Load: returns 0 and leaves `stats` unchanged when the file cannot be read;
// otherwise clears `stats` (keeping the model), reads the entries and returns 1.
int LoadCsvFile(const wchar_t* path, CZoqStats& stats);

// Save: writes the whole text in one piece; an existing file survives a failed save.
int SaveCsvFile(const wchar_t* path, const CZoqStats& stats);
