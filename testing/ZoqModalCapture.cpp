#include "testing/ZoqModalCapture.h"

#include "testing/ZoqModalWatch.h"

namespace {

// The file name field of the common file dialogs: a combo box (cmb13) in the explorer
// style, an edit control (edt1) in the old one.
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;

// The window gets its step once it has run its modal loop for a while.
constexpr UINT kDelayMs = 200;
constexpr UINT kWatchdogMs = 10000;

SZoqWatchOptions AnyWindow() {
    return WatchFor(EZoqModalKind::kAnyWindow, kDelayMs, kWatchdogMs);
}

void Record(HWND modal, SModalCapture& result) {
    result.seen = true;
    result.title = Caption(modal);
    result.text = ControlTexts(modal);
}

void EnterFileName(HWND dialog, const wchar_t* fileName) {
    HWND field = GetDlgItem(dialog, kFileNameCombo);
    HWND edit = field ? FindWindowExW(field, nullptr, L"Edit", nullptr) : nullptr;
    if (!edit) {
        edit = field ? field : GetDlgItem(dialog, kFileNameEdit);
    }
    SetWindowTextW(edit, fileName);
}

void Answer(HWND window, int answer) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
}

} // namespace

SModalCapture CaptureModal(const std::function<void()>& action, const wchar_t* fileName,
                           int answer) {
    SModalCapture result;
    CZoqModalWatch watch(
        [&](HWND modal) {
            Record(modal, result);
            if (fileName) {
                EnterFileName(modal, fileName);
            }
            Answer(modal, answer);
        },
        AnyWindow());
    action();
    return result;
}

SModalCapture CaptureCommand(HWND hwnd, UINT command, const wchar_t* fileName) {
    return CaptureModal([=] { Command(hwnd, command); }, fileName);
}

SModalCapture AnswerMessage(HWND hwnd, UINT message, WPARAM wParam, int answer) {
    return CaptureModal([=] { SendMessageW(hwnd, message, wParam, 0); }, nullptr, answer);
}

std::vector<SModalCapture> AnswerMessages(HWND hwnd, UINT message, WPARAM wParam,
                                          const std::vector<int>& answers) {
    std::vector<SModalCapture> results(answers.size());
    std::vector<CZoqModalWatch::Step> steps;
    for (size_t i = 0; i < answers.size(); ++i) {
        steps.push_back([&results, &answers, i](HWND modal) {
            Record(modal, results[i]);
            Answer(modal, answers[i]);
        });
    }
    CZoqModalWatch watch(std::move(steps), AnyWindow());
    SendMessageW(hwnd, message, wParam, 0);
    return results;
}

SModalCapture CaptureFileDialog(HWND hwnd, UINT command, const wchar_t* fileName,
                                int questionAnswer) {
    SModalCapture result;
    HWND fileDialog = nullptr;
    // The question is owned by the file dialog and opens inside its loop, after OK.
    CZoqModalWatch watch({[&](HWND dialog) {
                              fileDialog = dialog;
                              Record(dialog, result);
                              EnterFileName(dialog, fileName);
                              Answer(dialog, IDOK);
                          },
                          [&](HWND question) {
                              const std::wstring text = ControlTexts(question);
                              result.question = text.empty() ? L"?" : text;
                              Answer(question, questionAnswer);
                              if (questionAnswer != IDYES) {
                                  Answer(fileDialog, IDCANCEL);
                              }
                          }},
                         AnyWindow());
    Command(hwnd, command);
    return result;
}
