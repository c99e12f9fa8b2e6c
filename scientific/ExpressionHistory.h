#pragma once

#include "scientific/KeyTables.h"
#include "scientific/TextBuffer.h"

// The last 30 evaluated expressions of the Expression mode with their results, and
// a cursor the arrow keys move through them.
class CExpressionHistory {
public:
    static constexpr int kEntries = 30;

    struct SEntry {
        CFixedText<kLineCapacity> expression;
        // Results are values; a 48-digit binary result must fit.
        CFixedText<kValueCapacity> result;
    };

    // Nothing happens when the entry at the cursor already holds the same pair; the
    // oldest entry is dropped when all 30 are in use.
    void Add(const wchar_t* expression, const wchar_t* result);
    // The entry before the cursor; null at the first entry (or with no entries).
    const SEntry* Back();
    // The entry after the cursor; null when it moves past the newest entry (the
    // caller then shows an empty line) and 0 is returned in `moved` when the cursor
    // already stood past the newest entry.
    const SEntry* Forward(int* moved);
    void Clear();
    // Appends a kept entry as it was, after the others, with the cursor past the newest
    // (as after a restart, where the line is empty). 0, changing nothing, when all 30
    // are in use or a text does not fit.
    int Restore(const wchar_t* expression, const wchar_t* result);

    int Count() const { return m_count; }
    int Cursor() const { return m_cursor; }
    int CanGoBack() const { return m_cursor > 0; }
    int CanGoForward() const { return m_cursor >= 0 && m_cursor < m_count - 1; }
    const SEntry& At(int index) const { return m_entries[index]; }

private:
    SEntry m_entries[kEntries];
    int m_count = 0;
    int m_cursor = -1;
};
