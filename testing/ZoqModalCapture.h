#pragma once

#include "testing/ZoqWindowDriver.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// What a test saw of a modal window (a message box, a dialog) that it answered.
struct SModalCapture {
    bool seen = false;
    std::wstring title;
    // The texts of its controls, run together.
    std::wstring text;
    // The text of the question the window itself asked after OK (see CaptureFileDialog).
    std::wstring question;
};

// Runs `action`, records the next top-level window that opens on this thread (its title
// and the texts of its controls) and closes it with command `answer`: IDOK ends a
// message box and a dialog; IDYES, IDNO or IDCANCEL answer a message box that asks.
// With `fileName`, the window is a common file dialog whose file name field gets that
// text before OK. A watchdog ends the modal loop if the window never shows.
SModalCapture CaptureModal(const std::function<void()>& action, const wchar_t* fileName = nullptr,
                           int answer = IDOK);
// CaptureModal around sending WM_COMMAND `command` to `hwnd`.
SModalCapture CaptureCommand(HWND hwnd, UINT command, const wchar_t* fileName = nullptr);
// CaptureModal around sending `message` to `hwnd`, the window answered with `answer`.
SModalCapture AnswerMessage(HWND hwnd, UINT message, WPARAM wParam, int answer);
// AnswerMessage for windows that open one after another while `message` is handled (a
// question, then a message box): each is recorded and closed with its answer in turn.
// One capture per answer; one not seen has `seen` false.
std::vector<SModalCapture> AnswerMessages(HWND hwnd, UINT message, WPARAM wParam,
                                          const std::vector<int>& answers);
// CaptureCommand through a common file dialog given `fileName`, where the dialog may ask
// a question of its own after OK (replace the existing file?): it is answered with
// `questionAnswer`, and when that is not IDYES the dialog, left open for another name,
// is cancelled.
SModalCapture CaptureFileDialog(HWND hwnd, UINT command, const wchar_t* fileName,
                                int questionAnswer);
// CaptureModal around a tap on the centre of `rect` (client coordinates of `hwnd`).
template <class Rect> SModalCapture CaptureTap(HWND hwnd, const Rect& rect) {
    return CaptureModal([=] { TapCentre(hwnd, rect); });
}
