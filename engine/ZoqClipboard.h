#pragma once

// The one thing the calculators need of the platform clipboard: put a Unicode text
// there and read one back. The programs use the Win32 clipboard; native builds and
// tests use an in-memory one.
class CZoqClipboard {
public:
    virtual ~CZoqClipboard() = default;

    // Replaces the clipboard content by the text. `owner` is the window that owns the
    // clipboard (an HWND in the programs). 1 on success.
    virtual int SetText(const wchar_t* text, void* owner) = 0;

    // Copies at most capacity - 1 characters of the clipboard text into `output` and
    // terminates it. 1 when a text was read, -1 when the clipboard holds no text,
    // 0 when the clipboard could not be read.
    virtual int GetText(wchar_t* output, int capacity) = 0;
};

// The clipboard of the platform the program was built for.
CZoqClipboard& ZoqPlatformClipboard();
