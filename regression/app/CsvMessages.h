#pragma once

#include "regression/TrendoraCsv.h"

#include <string>

// What the window tells the user about a data file.

// After a load that left values out: how many lines, and why.
std::wstring CsvLeftOutMessage(const CsvReadReport& report);

// After a save that did not happen although a file was chosen.
std::wstring CsvNotSavedMessage(const wchar_t* path);
