#include "regression/app/tests/WindowDriver.h"

#include "regression/app/ModalWatch.h"

namespace {

// The file name field of the common file dialogs: a combo box (cmb13) in the
// explorer style, an edit control (edt1) in the old one.
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;

struct CaptureRequest {
    ModalCapture* result;
    const wchar_t* fileName;
    int answer;
};

BOOL CALLBACK CollectText(HWND child, LPARAM context) {
    wchar_t text[512];
    GetWindowTextW(child, text, 512);
    if (*text) {
        reinterpret_cast<ModalCapture*>(context)->text += text;
    }
    return TRUE;
}

void CloseModal(HWND modal, void* context) {
    const CaptureRequest* request = static_cast<CaptureRequest*>(context);
    wchar_t title[256];
    GetWindowTextW(modal, title, 256);
    request->result->seen = true;
    request->result->title = title;
    EnumChildWindows(modal, CollectText, reinterpret_cast<LPARAM>(request->result));
    if (request->fileName) {
        HWND field = GetDlgItem(modal, kFileNameCombo);
        HWND edit = field ? FindWindowExW(field, nullptr, L"Edit", nullptr) : nullptr;
        if (!edit) {
            edit = field ? field : GetDlgItem(modal, kFileNameEdit);
        }
        SetWindowTextW(edit, request->fileName);
    }
    // Message boxes end with the button's command; full-screen dialogs with command
    // 1 (IDOK) as well.
    PostMessageW(modal, WM_COMMAND, MAKEWPARAM(request->answer, BN_CLICKED), 0);
}

// CaptureModal around any callable.
template <class Action>
ModalCapture CaptureDuring(Action action, const wchar_t* fileName, int answer = IDOK) {
    return CaptureModal([](void* context) { (*static_cast<Action*>(context))(); }, &action,
                        fileName, answer);
}

} // namespace

ModalCapture CaptureModal(void (*action)(void*), void* context, const wchar_t* fileName,
                          int answer) {
    ModalCapture result;
    CaptureRequest request{&result, fileName, answer};
    WatchModal(action, context, 200, 10000, CloseModal, &request);
    return result;
}

ModalCapture CaptureCommand(HWND hwnd, UINT command, const wchar_t* fileName) {
    return CaptureDuring([=] { Command(hwnd, command); }, fileName);
}

ModalCapture AnswerMessage(HWND hwnd, UINT message, WPARAM wParam, int answer) {
    return CaptureDuring([=] { SendMessageW(hwnd, message, wParam, 0); }, nullptr, answer);
}

ModalCapture CaptureTap(HWND hwnd, const CalcRect& rect) {
    return CaptureDuring([=] { Tap(hwnd, rect); }, nullptr);
}
