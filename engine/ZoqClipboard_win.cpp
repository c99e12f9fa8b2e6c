#include "engine/ZoqClipboard.h"

#include <windows.h>

#include <cwchar>

namespace {

// Closes the clipboard on every way out of an operation that opened it.
class CClipboardOpen {
public:
    explicit CClipboardOpen(HWND owner) : m_open(OpenClipboard(owner) != FALSE) {}
    ~CClipboardOpen() {
        if (m_open)
            CloseClipboard();
    }
    bool IsOpen() const { return m_open; }

private:
    bool m_open;
};

class CWinClipboard : public CZoqClipboard {
public:
    int SetText(const wchar_t* text, void* owner) override;
    int GetText(wchar_t* output, int capacity) override;
};

int CWinClipboard::SetText(const wchar_t* text, void* owner) {
    if (!text)
        return 0;
    CClipboardOpen clipboard(static_cast<HWND>(owner));
    if (!clipboard.IsOpen())
        return 0;
    EmptyClipboard();
    SIZE_T bytes = (std::wcslen(text) + 1) * sizeof(wchar_t);
    if (bytes < 100)
        bytes = 100;
    // The desktop clipboard takes only movable global memory; the handheld's
    // LocalAlloc block is the same kind of memory there.
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    if (!block)
        return 0;
    void* data = GlobalLock(block);
    if (!data) {
        GlobalFree(block);
        return 0;
    }
    std::wmemcpy(static_cast<wchar_t*>(data), text, std::wcslen(text) + 1);
    GlobalUnlock(block);
    if (!SetClipboardData(CF_UNICODETEXT, block)) {
        GlobalFree(block);
        return 0;
    }
    return 1;
}

int CWinClipboard::GetText(wchar_t* output, int capacity) {
    if (!output || capacity <= 0)
        return 0;
    CClipboardOpen clipboard(nullptr);
    if (!clipboard.IsOpen())
        return 0;
    HANDLE block = GetClipboardData(CF_UNICODETEXT);
    if (!block)
        return -1;
    const wchar_t* data = static_cast<const wchar_t*>(GlobalLock(block));
    if (!data)
        return -1;
    // The block may be larger than the text, never trust it to be terminated early.
    SIZE_T limit = GlobalSize(block) / sizeof(wchar_t);
    SIZE_T kept = 0;
    while (kept < limit && kept + 1 < static_cast<SIZE_T>(capacity) && data[kept] != L'\0')
        ++kept;
    std::wmemcpy(output, data, kept);
    output[kept] = L'\0';
    GlobalUnlock(block);
    return 1;
}

} // namespace

CZoqClipboard& ZoqPlatformClipboard() {
    static CWinClipboard clipboard;
    return clipboard;
}
