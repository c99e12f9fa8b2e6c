// Screenshots of Trendora: the window with results in portrait and landscape, the
// graph of each of the five models with its data points on the fitted curve, and
// the graph of data 1e8 away from 0 with the line through them, the model table
// and the residuals; the "File" and "Mode" pop-ups, the about box and the questions
// whether to save changes and whether to replace a file, over the window.
//   TrendoraShots.exe FOLDER
#include "ce/ZoqScreen.h"
#include "ce/ZoqShot.h"
#include "graph/GraphResources.h"
#include "graph/WndGraph.h"
#include "regression/app/DlgTrendora.h"
#include "regression/app/resource.h"
#include "testing/ZoqModalWatch.h"
#include "testing/ZoqShotDriver.h"

#include <dlgs.h>

#include <cmath>
#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct SModelShot {
    const wchar_t* name;
    UINT command;
    double (*curve)(double);
    double x[5];
};

const SModelShot kModels[] = {
    {L"linear", IDM_MODEL_LINEAR, [](double x) { return 0.5 + 0.8 * x; }, {-4, -2, 0, 1.5, 3}},
    {L"log",
     IDM_MODEL_LOG,
     [](double x) { return 1 + 1.5 * std::log(x); },
     {0.3, 0.8, 1.5, 2.5, 4}},
    {L"log10",
     IDM_MODEL_LOG10,
     [](double x) { return 1 + 2 * std::log10(x); },
     {0.2, 0.5, 1, 2, 4}},
    {L"exponential",
     IDM_MODEL_EXPONENTIAL,
     [](double x) { return std::exp(0.2 + 0.5 * x); },
     {-3, -1.5, 0, 1.5, 3}},
    {L"power",
     IDM_MODEL_POWER,
     [](double x) { return std::exp(0.1) * std::pow(x, 0.8); },
     {0.5, 1, 2, 3, 4}},
};

// Types a number as the keypad would take it: "p" changes the sign.
void TypeNumber(HWND hwnd, double value) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%.4f", std::fabs(value));
    TypeKeys(hwnd, text);
    TypeKeys(hwnd, value < 0 ? L"p=" : L"=");
}

void EnterModel(HWND hwnd, const SModelShot& model) {
    SendMessageW(hwnd, WM_CHAR, L'c', 0);
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(model.command, 0), 0);
    for (double x : model.x) {
        TypeNumber(hwnd, x);
        TypeNumber(hwnd, model.curve(x));
    }
}

void OpenGraph(void* hwnd) {
    SendMessageW(static_cast<HWND>(hwnd), WM_CHAR, L'g', 0);
}

// Data far from 0 on y = 1 + 2 (x - 1e8): the fit must keep the ninth digit of
// its intercept for the line to pass through them.
constexpr double kFarOffset = 1e8;
constexpr double kFarSteps[] = {0, 1, 2, 3, 4};

void EnterFarData(HWND hwnd) {
    SendMessageW(hwnd, WM_CHAR, L'c', 0);
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDM_MODEL_LINEAR, 0), 0);
    for (double step : kFarSteps) {
        TypeNumber(hwnd, kFarOffset + step);
        TypeNumber(hwnd, 1 + 2 * step);
    }
}

void Stylus(HWND graph, UINT message, int x, int y) {
    SendMessageW(graph, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
}

struct SFarShot {
    std::wstring path;
    int written = 0;
};

// The graph opens at -5 .. 5. A user gets to data at 1e8 as below: zoom out as far
// as the graph allows, drag the view across in translate mode until the data show,
// then zoom back in step by step, tapping the data to centre them each time.
void GoToFarData(HWND modal, void* context) {
    SFarShot& shot = *static_cast<SFarShot*>(context);
    auto* graph = dynamic_cast<CWndGraph*>(CZoqWnd::Routing::Lookup(modal));
    if (graph) {
        const CGraphView& view = graph->View();
        const double x = kFarOffset + 2, y = 5;
        for (double range = 0; range != view.XRange();) {
            range = view.XRange();
            SendMessageW(modal, WM_COMMAND, IDM_GRAPH_ZOOM_OUT, 0);
        }
        SendMessageW(modal, WM_COMMAND, IDM_GRAPH_MODE, 0); // translate
        const int width = view.Width(), height = view.Height();
        for (int drag = 0; drag < 1000 && view.XToScreen(x) > width * 8 / 10; ++drag) {
            Stylus(modal, WM_LBUTTONDOWN, width * 85 / 100, height / 2);
            Stylus(modal, WM_MOUSEMOVE, width * 15 / 100, height / 2);
            Stylus(modal, WM_LBUTTONUP, width * 15 / 100, height / 2);
        }
        for (;;) {
            Stylus(modal, WM_LBUTTONDOWN, view.XToScreen(x), view.YToScreen(y));
            Stylus(modal, WM_LBUTTONUP, view.XToScreen(x), view.YToScreen(y));
            if (view.XRange() <= 10) {
                break;
            }
            SendMessageW(modal, WM_COMMAND, IDM_GRAPH_ZOOM_IN, 0);
        }
        RedrawWindow(modal, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
        shot.written = CZoqShot::SaveWindow(modal, shot.path.c_str());
    }
    PostMessageW(modal, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

int ShootFarGraph(HWND hwnd, const std::wstring& path) {
    EnterFarData(hwnd);
    SFarShot shot{path};
    WatchModal(OpenGraph, hwnd, 700, 60000, GoToFarData, &shot);
    return shot.written;
}

void CompareModels(void* hwnd) {
    SendMessageW(static_cast<HWND>(hwnd), WM_COMMAND, MAKEWPARAM(IDM_COMPARE_MODELS, 0), 0);
}

void ShowResiduals(void* hwnd) {
    SendMessageW(static_cast<HWND>(hwnd), WM_COMMAND, MAKEWPARAM(IDM_RESIDUALS, 0), 0);
}

// The data file the load shot opens: entries, a line of words, more than 100 entries.
std::wstring g_loadPath;
int AnswerLoad(HWND, bool, wchar_t* path, int capacity) {
    if (static_cast<int>(g_loadPath.size()) >= capacity) {
        return 0;
    }
    g_loadPath.copy(path, g_loadPath.size());
    path[g_loadPath.size()] = L'\0';
    return 1;
}

void LoadCsv(void* hwnd) {
    SendMessageW(static_cast<HWND>(hwnd), WM_COMMAND, MAKEWPARAM(IDM_LOAD_CSV, 0), 0);
}

// The message after a load that left lines out, over the entries it loaded.
int ShootLoadMessage(CDlgTrendora& window, const std::wstring& folder) {
    wchar_t temporary[MAX_PATH];
    if (!GetTempPathW(MAX_PATH, temporary)) {
        return 0;
    }
    g_loadPath = std::wstring(temporary) + L"trendora-shot.csv";
    std::string text = "x,y\r\n";
    for (int i = 0; i < 104; ++i) {
        text += (i == 2 ? "n/a" : std::to_string(i)) + "," + std::to_string(2 * i + 1) + "\r\n";
    }
    FILE* file = _wfopen(g_loadPath.c_str(), L"wb");
    if (!file) {
        return 0;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    std::fclose(file);
    if (!written) {
        return 0;
    }
    window.SetFileChooser(AnswerLoad);
    SendMessageW(window.GetHandle(), WM_CHAR, L'c', 0);
    const int shot = ShootModal(LoadCsv, window.GetHandle(), folder + L"trendora-load-message.png");
    DeleteFileW(g_loadPath.c_str());
    return shot;
}

// ---- What the user meets over the window: the menu-bar pop-ups, the prompts and the
// ---- about box, each saved with the window under it.

struct SOverShot {
    HWND window;
    std::wstring path;
    UINT answer; // the button that closes what was shot
    int written;
};
SOverShot g_menuShot;

// Runs inside the pop-up's menu loop: saves it over the window and closes it.
void CALLBACK SaveOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    g_menuShot.written = CZoqShot::SaveWindowWithMenu(g_menuShot.window, g_menuShot.path.c_str());
    EndMenu();
}

// `command` is what a menu-bar button sends: its pop-up opens.
int ShootMenu(HWND hwnd, UINT command, const std::wstring& path) {
    g_menuShot = SOverShot{hwnd, path, 0, 0};
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, SaveOpenMenu);
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    KillTimer(nullptr, timer);
    return g_menuShot.written;
}

void SaveOverAndAnswer(HWND modal, void* context) {
    SOverShot& shot = *static_cast<SOverShot*>(context);
    shot.written = CZoqShot::SaveWindowWith(shot.window, &modal, 1, shot.path.c_str());
    PostMessageW(modal, WM_COMMAND, MAKEWPARAM(shot.answer, BN_CLICKED), 0);
}

struct SCommand {
    HWND hwnd;
    UINT command;
};

void SendCommand(void* context) {
    const SCommand& command = *static_cast<SCommand*>(context);
    SendMessageW(command.hwnd, WM_COMMAND, MAKEWPARAM(command.command, 0), 0);
}

// Picks `command` from a pop-up and saves the message box it brings up over the window,
// then answers it with `answer`.
int ShootPrompt(HWND hwnd, UINT command, UINT answer, const std::wstring& path) {
    SOverShot shot{hwnd, path, answer, 0};
    SCommand pick{hwnd, command};
    WatchModal(SendCommand, &pick, 700, 15000, SaveOverAndAnswer, &shot);
    return shot.written;
}

// In the save dialog the user goes to a folder holding one data file and gives its
// name; the question whether to replace it is saved over the dialog and the window,
// and answered "Yes".
struct SOverwriteShot {
    SOverShot shot;
    std::wstring folder;
    std::wstring name;
    HWND dialog = nullptr;
};

// The name box is a combo box in the explorer-style dialog, an edit in the old one.
void TypeFileName(HWND dialog, const std::wstring& text) {
    if (!SetDlgItemTextW(dialog, cmb13, text.c_str())) {
        SetDlgItemTextW(dialog, edt1, text.c_str());
    }
}

void AnswerSaveDialog(HWND modal, void* context) {
    SOverwriteShot& overwrite = *static_cast<SOverwriteShot*>(context);
    if (!overwrite.dialog) {
        overwrite.dialog = modal;
        // A folder's name and "Save" open the folder.
        TypeFileName(modal, overwrite.folder);
        SendMessageW(modal, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        TypeFileName(modal, overwrite.name);
        PostMessageW(modal, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return;
    }
    const HWND over[] = {overwrite.dialog, modal};
    overwrite.shot.written =
        CZoqShot::SaveWindowWith(overwrite.shot.window, over, 2, overwrite.shot.path.c_str());
    PostMessageW(modal, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
}

int ShootOverwritePrompt(CDlgTrendora& window, const std::wstring& path) {
    wchar_t temporary[MAX_PATH];
    if (!GetTempPathW(MAX_PATH, temporary)) {
        return 0;
    }
    SOverwriteShot overwrite{SOverShot{window.GetHandle(), path, IDYES, 0},
                             std::wstring(temporary) + L"trendora-shots", L"entries.csv"};
    const std::wstring file = overwrite.folder + L"\\" + overwrite.name;
    CreateDirectoryW(overwrite.folder.c_str(), nullptr);
    HANDLE created = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE) {
        return 0;
    }
    CloseHandle(created);
    window.SetFileChooser(ChooseCsvFile);
    SCommand save{window.GetHandle(), IDM_SAVE_CSV};
    WatchModal(SendCommand, &save, 700, 15000, AnswerSaveDialog, &overwrite, 2);
    DeleteFileW(file.c_str());
    RemoveDirectoryW(overwrite.folder.c_str());
    return overwrite.shot.written;
}

int ShootMenusAndPrompts(CDlgTrendora& window, HWND hwnd, const std::wstring& folder) {
    PlaceMidScreen(hwnd);
    EnterModel(hwnd, kModels[0]);
    int failures = !ShootMenu(hwnd, IDM_FILE, folder + L"trendora-menu-file.png");
    failures += !ShootMenu(hwnd, IDM_MODE, folder + L"trendora-menu-mode.png");
    failures += !ShootPrompt(hwnd, IDM_ABOUT, IDOK, folder + L"trendora-about.png");
    // Loading a file over entries not saved yet.
    failures += !ShootPrompt(hwnd, IDM_LOAD_CSV, IDCANCEL, folder + L"trendora-save-changes.png");
    return failures + !ShootOverwritePrompt(window, folder + L"trendora-overwrite.png");
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // The high-resolution screen is the portrait one at 192 dpi (480 x 640 pixels).
    const struct SScreen : SShotScreen {
        bool graphs;
    } screens[] = {{{L"portrait", 240, 320, 96}, true},
                   {{L"landscape", 320, 240, 96}, false},
                   {{L"square", 240, 240, 96}, false},
                   {{L"hires", 240, 320, 192}, true}};
    const auto shoot = [](CDlgTrendora& window, HWND hwnd, const SScreen& screen,
                          const std::wstring& folder) {
        EnterModel(hwnd, kModels[0]);
        // A next x value being typed.
        SendMessageW(hwnd, WM_CHAR, L'6', 0);
        int failures = !ShootWindow(hwnd, folder + L"trendora-" + screen.name + L".png");
        if (screen.graphs) {
            const std::wstring prefix = screen.dpi == 96 ? L"" : std::wstring(screen.name) + L"-";
            for (const SModelShot& model : kModels) {
                EnterModel(hwnd, model);
                failures += !ShootModal(
                    OpenGraph, hwnd, folder + L"trendora-graph-" + prefix + model.name + L".png");
            }
            // Getting there takes some two hundred resamplings: one screen only.
            if (screen.dpi == 96) {
                failures += !ShootFarGraph(hwnd, folder + L"trendora-graph-far.png");
            }
        }
        // The exponential data: negative x leave three models unable to fit.
        EnterModel(hwnd, kModels[3]);
        failures +=
            !ShootModal(CompareModels, hwnd, folder + L"trendora-models-" + screen.name + L".png");
        failures += !ShootModal(ShowResiduals, hwnd,
                                folder + L"trendora-residuals-" + screen.name + L".png");
        if (screen.dpi == 96 && screen.graphs) {
            failures += !ShootLoadMessage(window, folder);
        }
        return failures;
    };
    return RunScreenShots<CDlgTrendora>(instance, L"Zoq Trendora", L"ClassTrendora", screens, shoot,
                                        ShootMenusAndPrompts);
}
