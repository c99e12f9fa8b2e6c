#pragma once

#include "engine/ZoqLazyInstance.h"

class CZoqString;
class CZoqClipboard;

// Text operations the calculators need around the engine: replace-all, counting and
// closing parentheses, and the clipboard. Capacities count wide characters including
// the terminator.
class CZoqNumoraUtil {
public:
    // The working text of ReplaceAll.
    static constexpr int kWorkCapacity = 512;
    // A pasted text keeps at most this many characters; the output holds one more.
    static constexpr int kPasteLength = 32;
    // How much of the clipboard is looked at to find the text between surrounding blanks.
    static constexpr int kPasteReadLength = 256;

    static CZoqNumoraUtil* GetInstance();
    static void ReleaseInstance();

    // Replaces every occurrence of `find` by `replacement`, searching again from the
    // start after each replacement. The output may be the source. 0 (output untouched)
    // when a text is missing or the result would not fit kWorkCapacity or `capacity`.
    // An empty `find` copies the source unchanged.
    int ReplaceAll(const wchar_t* source, const wchar_t* find, const wchar_t* replacement,
                   wchar_t* output, int capacity);

    int CountOpen(const wchar_t* text);
    int CountClose(const wchar_t* text);
    // Appends one ")" for each "(" in excess of the ")". 0 (text untouched) when the
    // closed text would not fit `capacity`.
    int CloseParens(wchar_t* text, int capacity);

    // `owner` is the window that owns the clipboard (an HWND in the programs).
    int CopyToClipboard(const wchar_t* text, void* owner);
    // Writes the clipboard text without surrounding blanks and line ends, cut to
    // kPasteLength characters, or "0" when the clipboard holds no such text; `output` holds
    // kPasteLength + 1. 0 when no output is given or the clipboard cannot be read (output
    // untouched).
    int PasteFromClipboard(wchar_t* output);

    // The clipboard to use; null restores the platform clipboard.
    void SetClipboard(CZoqClipboard* clipboard);

private:
    friend class CZoqLazyInstance<CZoqNumoraUtil>;
    CZoqNumoraUtil();
    ~CZoqNumoraUtil() = default;
    CZoqNumoraUtil(const CZoqNumoraUtil&) = delete;
    CZoqNumoraUtil& operator=(const CZoqNumoraUtil&) = delete;

    int Count(const wchar_t* text, const wchar_t* part);

    CZoqString& m_string;
    CZoqClipboard* m_clipboard;
};
