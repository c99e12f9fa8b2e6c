#pragma once

#include <cstddef>

// The two file operations the regression calculator needs, with one
// implementation per platform (FileAccess_posix.cpp, FileAccess_win.cpp).

// Reads at most `capacity` bytes from the start of the file into `buffer`.
// Returns the number of bytes read (0 for an empty file), or -1 when the path
// cannot be opened and read as a regular file (missing, a directory, a FIFO or a
// device, no access). It never waits for a writer.
int ReadFileHead(const wchar_t* path, char* buffer, int capacity);

// Replaces the file's contents with `size` bytes, so that a failure at any point
// leaves an existing file as it was: the bytes go to a new temporary file beside
// it, which replaces the file only after it was written, flushed and closed
// completely. The temporary file is removed on failure. A file that a plain write
// may not change (read-only) is not replaced. Returns 1 or 0.
int ReplaceFileContents(const wchar_t* path, const char* data, size_t size);

// What a line of a text file ends with on this platform: the data files are
// text files as the platform writes them.
extern const char kTextLineEnd[];
