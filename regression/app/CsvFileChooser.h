#pragma once

#include <windows.h>

// Asks the user for a data file name: the common open or save dialog owned by
// `owner`, filter "CSV" (*.csv), the name in `path` (initially empty); the save
// dialog confirms replacing an existing file. Returns 1 when a name was chosen.
// Tests replace it to answer the dialog themselves.
using CsvFileChooser = int (*)(HWND owner, bool save, wchar_t* path, int capacity);

int ChooseCsvFile(HWND owner, bool save, wchar_t* path, int capacity);
