#include "calc/tests/WindowDriver.h"

#include "calc/ModalWatch.h"

namespace {

// The file name field of the common file dialogs: a combo box (cmb13) in the
// explorer style, an edit control (edt1) in the old one.
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;

struct CaptureRequest {
    ModalCapture* result;
    const wchar_t* fileName;
    int answer;
    // 0 when no question is expected.
    int questionAnswer = 0;
    HWND modal = nullptr;
    UINT_PTR questionTimer = 0;
};

// Thread timers carry no context of their own.
CaptureRequest* g_questioned = nullptr;

struct OwnedSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwned(HWND window, LPARAM context) {
    OwnedSearch* search = reinterpret_cast<OwnedSearch*>(context);
    if (IsWindowVisible(window) && GetWindow(window, GW_OWNER) == search->owner) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectText(HWND child, LPARAM context) {
    wchar_t text[512];
    GetWindowTextW(child, text, 512);
    if (*text) {
        reinterpret_cast<ModalCapture*>(context)->text += text;
    }
    return TRUE;
}

// Runs inside the question's modal loop, which the window's OK opened.
void CALLBACK AnswerQuestion(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    CaptureRequest* request = g_questioned;
    if (!request) {
        return;
    }
    request->questionTimer = 0;
    OwnedSearch search{request->modal, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindOwned, reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
        return;
    }
    ModalCapture question;
    EnumChildWindows(search.found, CollectText, reinterpret_cast<LPARAM>(&question));
    request->result->question = question.text.empty() ? L"?" : question.text;
    PostMessageW(search.found, WM_COMMAND, MAKEWPARAM(request->questionAnswer, BN_CLICKED), 0);
    if (request->questionAnswer != IDYES) {
        PostMessageW(request->modal, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
}

void Record(HWND modal, ModalCapture& result) {
    wchar_t title[256];
    GetWindowTextW(modal, title, 256);
    result.seen = true;
    result.title = title;
    EnumChildWindows(modal, CollectText, reinterpret_cast<LPARAM>(&result));
}

void CloseModal(HWND modal, void* context) {
    CaptureRequest* request = static_cast<CaptureRequest*>(context);
    Record(modal, *request->result);
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
    if (request->questionAnswer) {
        request->modal = modal;
        g_questioned = request;
        request->questionTimer = SetTimer(nullptr, 0, 300, AnswerQuestion);
    }
}

struct SequenceRequest {
    std::vector<ModalCapture> results;
    const std::vector<int>* answers;
    size_t next = 0;
};

void CloseNextModal(HWND modal, void* context) {
    SequenceRequest* request = static_cast<SequenceRequest*>(context);
    if (request->next >= request->results.size()) {
        return;
    }
    Record(modal, request->results[request->next]);
    PostMessageW(modal, WM_COMMAND, MAKEWPARAM((*request->answers)[request->next], BN_CLICKED), 0);
    ++request->next;
}

// CaptureModal around any callable.
template <class Action>
ModalCapture CaptureDuring(Action action, const wchar_t* fileName, int answer = IDOK) {
    return CaptureModal([](void* context) { (*static_cast<Action*>(context))(); }, &action,
                        fileName, answer);
}

} // namespace

ModalCapture CaptureFileDialog(HWND hwnd, UINT command, const wchar_t* fileName,
                               int questionAnswer) {
    ModalCapture result;
    CaptureRequest request{&result, fileName, IDOK, questionAnswer};
    auto action = [=] { Command(hwnd, command); };
    WatchModal([](void* context) { (*static_cast<decltype(action)*>(context))(); }, &action, 200,
               10000, CloseModal, &request);
    // No question came: the timer must not outlive the request.
    if (request.questionTimer) {
        KillTimer(nullptr, request.questionTimer);
    }
    g_questioned = nullptr;
    return result;
}

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

ModalCapture CaptureTap(HWND hwnd, const SCalcRect& rect) {
    return CaptureDuring([=] { Tap(hwnd, rect); }, nullptr);
}

std::vector<ModalCapture> AnswerMessages(HWND hwnd, UINT message, WPARAM wParam,
                                         const std::vector<int>& answers) {
    SequenceRequest request{std::vector<ModalCapture>(answers.size()), &answers};
    auto action = [=] { SendMessageW(hwnd, message, wParam, 0); };
    WatchModals([](void* context) { (*static_cast<decltype(action)*>(context))(); }, &action, 200,
                10000, CloseNextModal, &request, static_cast<int>(answers.size()));
    return request.results;
}
