#include "regression/app/DlgTrendora.h"
#include "regression/app/resource.h"
#include "testing/ZoqModalCapture.h"
#include "testing/ZoqModalWatch.h"
#include "testing/ZoqTestText.h"
#include "calc/tests/CalcKeys.h"

#include "ce/ZoqDesktop.h"
#include "ce/ZoqScreen.h"
#include "ce/ZoqShell.h"
#include "ZoqVersion.h"
#include "engine/ZoqClipboard.h"
#include "graph/WndGraph.h"
#include "regression/TrendoraCsv.h"
#include "regression/app/CsvMessages.h"

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

enum {
    kX = 0,
    kY = 1,
    kDel = 2,
    kClear = 6,
    kBack = 10,
    kEnter = 14,
    kZero = 15,
    kPoint = 16,
    kSign = 17,
    kGraph = 18
};

// The file name the test gives the file dialogs (the save dialog its own when
// set); an empty one cancels.
std::wstring g_answer;
std::optional<std::wstring> g_saveAnswer;
int g_asked = 0;
int g_askedSave = 0;
int AnswerFileDialog(HWND, bool save, wchar_t* path, int capacity) {
    ++g_asked;
    g_askedSave += save ? 1 : 0;
    const std::wstring& answer = save && g_saveAnswer ? *g_saveAnswer : g_answer;
    if (answer.empty() || static_cast<int>(answer.size()) >= capacity) {
        return 0;
    }
    std::swprintf(path, static_cast<size_t>(capacity), L"%ls", answer.c_str());
    return 1;
}

// Takes a quit message off the queue; true when there was one.
bool TakeQuit() {
    MSG message;
    return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

const wchar_t kSaveChanges[] = L"Save changes to the entries?";

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class TrendoraWindow : public ::testing::Test {
protected:
    void SetUp() override {
        CZoqScreen::SetSize(0, 0);
        m_hwnd = OpenTestWindow(m_window, L"Zoq Trendora test", L"ClassTrendoraTest");
        ASSERT_TRUE(m_hwnd);
        m_window.SetFileChooser(AnswerFileDialog);
        g_answer.clear();
        g_saveAnswer.reset();
        g_asked = g_askedSave = 0;
        TakeQuit();
        m_dir = fs::temp_directory_path() / L"trendora-window";
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override {
        m_window.Destroy();
        // A quit the test left would end the next test's modal loops.
        TakeQuit();
        // The file dialogs make the chosen folder current, which keeps it from removal.
        SetCurrentDirectoryW(fs::temp_directory_path().c_str());
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }

    void Press(int button) { TapCentre(m_hwnd, m_window.GetFace().GetLayout().buttons[button]); }
    void PressKeys(const char* keys) {
        for (; *keys; ++keys) {
            const char k = *keys;
            Press(k >= '0' && k <= '9' ? kDigitButton[k - '0']
                  : k == '='           ? kEnter
                  : k == '.'           ? kPoint
                  : k == 'p'           ? kSign
                  : k == '<'           ? kBack
                  : k == 'x'           ? kX
                  : k == 'y'           ? kY
                  : k == 'd'           ? kDel
                                       : kClear);
        }
    }
    void TapStrip(int band) {
        const SCalcRect& panel = m_window.GetFace().GetLayout().panel;
        TapAt(m_hwnd, panel.right - 2, panel.top + panel.Height() * (2 * band + 1) / 10);
    }
    const CTrendoraCalc& Calc() const { return m_window.GetCalc(); }
    // Load over changed entries, answering "No" to saving them.
    void LoadDiscarding() {
        const SModalCapture box = AnswerMessage(m_hwnd, WM_COMMAND, IDM_LOAD_CSV, IDNO);
        EXPECT_NE(box.text.find(kSaveChanges), std::wstring::npos) << "no question before loading";
    }

    CDlgTrendora m_window;
    HWND m_hwnd = nullptr;
    fs::path m_dir;
};

TEST_F(TrendoraWindow, LaysOutTheDefaultScreen) {
    RECT client;
    GetClientRect(m_hwnd, &client);
    EXPECT_EQ(client.right, CZoqScreen::Width());
    const SCalcLayout expected = ComputeCalcLayout(client.right, client.bottom, 7, false);
    EXPECT_EQ(m_window.GetFace().GetLayout().buttons[18].bottom, expected.buttons[18].bottom);
    EXPECT_TRUE(m_window.GetFace().IsLaidOut());
}

// A rotation of the device: the layout follows the new client size at once.
TEST_F(TrendoraWindow, RotatingTheScreenLaysOutAgain) {
    ASSERT_TRUE(CZoqShell::ResizeScreen(m_hwnd, CZoqScreen::Scaled(320), CZoqScreen::Scaled(240)));
    Pump();
    RECT client;
    GetClientRect(m_hwnd, &client);
    ASSERT_GT(client.right, client.bottom);
    const SCalcLayout expected = ComputeCalcLayout(client.right, client.bottom, 7, true);
    const SCalcLayout& actual = m_window.GetFace().GetLayout();
    EXPECT_EQ(actual.buttons[18].right, expected.buttons[18].right);
    EXPECT_EQ(actual.buttons[18].bottom, expected.buttons[18].bottom);
    EXPECT_EQ(actual.displayFontHeight, expected.displayFontHeight);
    PressKeys("1=2=");
    EXPECT_EQ(Calc().GetEntryCount(), 1) << "the moved buttons take the pen";
}

// The frame as composed in the back buffer: background, panel, the navigation
// arrows in the text colour, and the keypad.
TEST_F(TrendoraWindow, DrawsBackgroundPanelArrowsAndKeys) {
    UpdateWindow(m_hwnd);
    const CCalcFace& face = m_window.GetFace();
    const SCalcLayout& layout = face.GetLayout();
    const SCalcRect& panel = layout.panel;
    EXPECT_EQ(face.PixelAt(1, 1), RGB(128, 138, 162));
    EXPECT_EQ(face.PixelAt(panel.left + panel.Width() / 2, panel.bottom + 2), RGB(128, 138, 162));
    // The single up arrow's shaft: centred at right - u, at 30% of the panel.
    const int u = CZoqScreen::Height() / 18;
    EXPECT_EQ(face.PixelAt(panel.right - u, panel.top + panel.Height() * 30 / 100 + 1),
              RGB(43, 45, 46));
    // Inside the panel, away from texts: its own colours, not the background.
    EXPECT_NE(face.PixelAt(panel.left + panel.Width() / 2, panel.top + 3), RGB(128, 138, 162));
    // A keypad button's face near its left edge, halfway down.
    const SCalcRect& seven = layout.buttons[kDigitButton[7]];
    const COLORREF key = face.PixelAt(seven.left + 4, (seven.top + seven.bottom) / 2);
    EXPECT_NE(key, RGB(128, 138, 162));
    EXPECT_GT(GetRValue(key), GetBValue(key)) << "an orange key";
}

TEST_F(TrendoraWindow, EnteringPairsByPen) {
    PressKeys("1=2=");
    EXPECT_EQ(Calc().GetEntryCount(), 1);
    EXPECT_EQ(Calc().GetCurrentEntry(), 2);
    EXPECT_STREQ(Calc().GetXText(), L"");
    EXPECT_STREQ(Calc().GetYText(), L"");
    PressKeys("2=4=3=6=");
    EXPECT_STREQ(Calc().GetResult(CTrendoraCalc::Intercept), L"0");
    EXPECT_STREQ(Calc().GetResult(CTrendoraCalc::Slope), L"2");
    EXPECT_STREQ(Calc().GetResult(CTrendoraCalc::Correlation), L"1");
}

TEST_F(TrendoraWindow, EditingByPen) {
    const struct {
        const char* keys;
        const wchar_t* text;
    } cases[] = {
        {".", L"0."},  {".p", L"-0."}, {".p.", L"-0."}, {"12345678901234567", L"1234567890123456"},
        {"12<", L"1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        PressKeys("c");
        PressKeys(c.keys);
        EXPECT_STREQ(Calc().GetXText(), c.text);
    }
}

TEST_F(TrendoraWindow, PenMovedOffAButtonDoesNothing) {
    const SCalcRect& seven = m_window.GetFace().GetLayout().buttons[kDigitButton[7]];
    SendMessageW(m_hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(seven.left + 2, seven.top + 2));
    SendMessageW(m_hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(seven.left + 2, seven.top - 20));
    SendMessageW(m_hwnd, WM_LBUTTONUP, 0, MAKELPARAM(seven.left + 2, seven.top - 20));
    EXPECT_STREQ(Calc().GetXText(), L"");
}

TEST_F(TrendoraWindow, NavigationStripBands) {
    PressKeys("1=2=2=4=3=7=");
    ASSERT_EQ(Calc().GetCurrentEntry(), 4);
    const struct {
        int band;
        int current;
    } taps[] = {{0, 1}, {3, 2}, {3, 3}, {2, 3}, {1, 2}, {4, 4}, {3, 4}, {1, 3}};
    for (const auto& t : taps) {
        SCOPED_TRACE(t.band);
        TapStrip(t.band);
        EXPECT_EQ(Calc().GetCurrentEntry(), t.current);
    }
    EXPECT_STREQ(Calc().GetXText(), L"3");
    // Left of the strip a tap on the panel does nothing.
    const SCalcRect& panel = m_window.GetFace().GetLayout().panel;
    TapAt(m_hwnd, panel.left + 10, panel.top + 5);
    EXPECT_EQ(Calc().GetCurrentEntry(), 3);
}

TEST_F(TrendoraWindow, KeyboardCharacters) {
    Type(m_hwnd, L"12\b3=4\r");
    EXPECT_EQ(Calc().GetEntryCount(), 1);
    EXPECT_EQ(Calc().GetStats().GetX(0), 13.0);
    Type(m_hwnd, L"5.p");
    EXPECT_STREQ(Calc().GetXText(), L"-5.");
    SendMessageW(m_hwnd, WM_KEYUP, VK_DOWN, 0);
    EXPECT_FALSE(Calc().IsActiveX());
    Type(m_hwnd, L"c");
    EXPECT_EQ(Calc().GetEntryCount(), 0);
}

TEST_F(TrendoraWindow, ModelMenuCommandsRefit) {
    PressKeys("1=3=2=12=4=48=");
    Command(m_hwnd, IDM_MODEL_POWER);
    EXPECT_EQ(Calc().GetStats().GetModel(), CZoqStats::Power);
    EXPECT_STREQ(Calc().GetResult(CTrendoraCalc::Intercept), L"1.09861");
    EXPECT_STREQ(Calc().GetResult(CTrendoraCalc::Slope), L"2");
}

// What the pop-up of a menu-bar button showed while it was open.
struct PopupSeen {
    RECT rect = {};
    std::wstring items; // texts joined by "|", the checked one marked with "*"
};

// Sends `command`, which opens a pop-up, reads the pop-up and closes it.
PopupSeen ReadPopup(HWND hwnd, UINT command) {
    PopupSeen seen;
    const SZoqWatchOptions options = WatchFor(EZoqModalKind::kPopupMenu, 50, 5000);
    CZoqModalWatch watch(
        [&](HWND popup) {
            GetWindowRect(popup, &seen.rect);
            seen.items = PopupItems(popup);
            EndMenu();
        },
        options);
    Command(hwnd, command);
    EXPECT_EQ(watch.TimedOut(), 0);
    return seen;
}

// "File" opens at the client area's bottom-left corner, "Mode" at the middle of its
// bottom edge with the current model checked.
TEST_F(TrendoraWindow, MenuBarButtonsOpenTheirPopups) {
    const struct {
        UINT command;
        UINT model;
        const wchar_t* items;
        bool centred;
    } cases[] = {
        {IDM_FILE, IDM_MODEL_LINEAR,
         L"About|Load CSV File|Save CSV File|Paste Data\tCtrl+V|Copy Data\tCtrl+C||Size|Keep on "
         L"top||Quit",
         false},
        {IDM_MODE, IDM_MODEL_LINEAR,
         L"Linear*|Log|Log 10|Exponential|Power||Compare Models\tM|Residuals\tR", true},
        {IDM_MODE, IDM_MODEL_EXPONENTIAL,
         L"Linear|Log|Log 10|Exponential*|Power||Compare Models\tM|Residuals\tR", true},
    };
    ShowWindow(m_hwnd, SW_SHOW);
    SetForegroundWindow(m_hwnd);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        Command(m_hwnd, c.model);
        const PopupSeen popup = ReadPopup(m_hwnd, c.command);
        EXPECT_EQ(popup.items, c.items) << Narrow(popup.items);
        RECT client;
        GetClientRect(m_hwnd, &client);
        POINT corner = {c.centred ? client.right / 2 : 0, client.bottom};
        ClientToScreen(m_hwnd, &corner);
        EXPECT_EQ(popup.rect.left, corner.x);
        EXPECT_LE(std::abs(popup.rect.bottom - corner.y), 1) << "stands on the client's bottom";
    }
}

// "Keep on top" of the File menu carries a check mark while the window is kept on top,
// and its command turns that on and off; the Size commands lay the window out again.
TEST_F(TrendoraWindow, FileMenuKeepsOnTopAndSizes) {
    CZoqDesktop::Begin(nullptr, nullptr, 100);
    ASSERT_EQ(1, CZoqDesktop::Attach(m_hwnd));
    ShowWindow(m_hwnd, SW_SHOW);
    const struct {
        UINT command;
        int topmost;
        int size;
        const wchar_t* items;
    } rows[] = {
        {ZOQ_ID_KEEP_ON_TOP, 1, 100,
         L"About|Load CSV File|Save CSV File|Paste Data\tCtrl+V|Copy Data\tCtrl+C||Size|Keep on "
         L"top*||Quit"},
        {ZOQ_ID_SIZE_200, 1, 200,
         L"About|Load CSV File|Save CSV File|Paste Data\tCtrl+V|Copy Data\tCtrl+C||Size|Keep on "
         L"top*||Quit"},
        {ZOQ_ID_KEEP_ON_TOP, 0, 200,
         L"About|Load CSV File|Save CSV File|Paste Data\tCtrl+V|Copy Data\tCtrl+C||Size|Keep on "
         L"top||Quit"},
        {ZOQ_ID_SIZE_100, 0, 100,
         L"About|Load CSV File|Save CSV File|Paste Data\tCtrl+V|Copy Data\tCtrl+C||Size|Keep on "
         L"top||Quit"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.command);
        Command(m_hwnd, row.command);
        EXPECT_EQ(row.topmost, (GetWindowLongW(m_hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
        RECT client;
        GetClientRect(m_hwnd, &client);
        EXPECT_EQ(240 * row.size / 100, client.right);
        EXPECT_EQ(client.right, m_window.GetFace().GetLayout().panel.right +
                                    m_window.GetFace().GetLayout().panel.left);
        const PopupSeen popup = ReadPopup(m_hwnd, IDM_FILE);
        EXPECT_EQ(popup.items, row.items) << Narrow(popup.items);
    }
    CZoqDesktop::SetKeepOnTop(0);
    CZoqDesktop::Detach();
    CZoqScreen::SetDpi(0);
}

TEST_F(TrendoraWindow, CsvRoundTripThroughTheFileCommands) {
    PressKeys("1=2=3=4=");
    const fs::path file = m_dir / L"pairs.csv";
    g_answer = file.wstring();
    Command(m_hwnd, IDM_SAVE_CSV);
    EXPECT_EQ(g_asked, 1);
    EXPECT_EQ(Read(file), "1.000000,2.000000\r\n3.000000,4.000000\r\n");

    PressKeys("c5=6=");
    LoadDiscarding();
    EXPECT_EQ(Calc().GetEntryCount(), 2);
    EXPECT_EQ(Calc().GetCurrentEntry(), 1);
    EXPECT_STREQ(Calc().GetXText(), L"1");
    EXPECT_STREQ(Calc().GetYText(), L"2");
    EXPECT_EQ(Calc().GetStats().GetY(1), 4.0);
}

// The same round trip through the real common dialogs, answered through their
// file name field.
TEST_F(TrendoraWindow, CsvRoundTripThroughTheRealFileDialogs) {
    m_window.SetFileChooser(ChooseCsvFile);
    PressKeys("1=2=3=4=");
    const std::wstring file = (m_dir / L"dialog.csv").wstring();
    const SModalCapture saveDialog = CaptureCommand(m_hwnd, IDM_SAVE_CSV, file.c_str());
    ASSERT_TRUE(saveDialog.seen);
    EXPECT_EQ(Read(file), "1.000000,2.000000\r\n3.000000,4.000000\r\n");

    PressKeys("c");
    const SModalCapture loadDialog = CaptureCommand(m_hwnd, IDM_LOAD_CSV, file.c_str());
    ASSERT_TRUE(loadDialog.seen);
    EXPECT_EQ(Calc().GetEntryCount(), 2);
    EXPECT_EQ(Calc().GetStats().GetX(1), 3.0);
}

// Lines of 100 bytes: "i,3i" and spaces.
std::string PaddedLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        std::string line = std::to_string(i) + "," + std::to_string(3 * i);
        text += line + std::string(99 - line.size(), ' ') + "\n";
    }
    return text;
}

// A load that leaves values out says how many in one message after the entries
// are shown; a file read whole says nothing.
TEST_F(TrendoraWindow, LoadingFiles) {
    std::string wide;
    for (int i = 0; i < 100; ++i) {
        wide += "-9999999999999999.000000,-9999999999999999.000000\r\n";
    }
    const struct {
        const char* name;
        std::string text;
        int count;
        const wchar_t* a;                 // null: not checked
        std::vector<const wchar_t*> told; // parts of the message; none: no message
    } cases[] = {
        {"x without y", "1,2\n2,4\n3,6\n7\n", 3, L"0", {L"1 line of the file was left out"}},
        {"6000 bytes", PaddedLines(60), 60, L"0", {}},
        {"100 wide entries", wide, 100, nullptr, {}},
        {"130 entries", PaddedLines(130), 100, L"0", {L"30 lines", L"first 100 entries"}},
        {"words", "1,2\n2,4\nfoo,bar\n3,6\n", 3, L"0", {L"1 line"}},
        {"spreadsheet", "\xEF\xBB\xBFx;y\r\n1;\"2\"\r\n2;4\r\n3;6\r\n\r\n", 3, L"0", {}},
        {"70000 bytes", PaddedLines(700), 100, L"0", {L"555 lines", L"65536 bytes"}},
        {"empty", "", 0, L"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PressKeys("c1=5=2=3=3=8=");
        const fs::path file = m_dir / (std::string(c.name) + ".csv");
        std::ofstream(file, std::ios::binary) << c.text;
        g_answer = file.wstring();
        const std::vector<SModalCapture> boxes =
            AnswerMessages(m_hwnd, WM_COMMAND, IDM_LOAD_CSV, {IDNO, IDOK});
        EXPECT_NE(boxes[0].text.find(kSaveChanges), std::wstring::npos);
        EXPECT_EQ(Calc().GetStats().GetCountX(), c.count);
        EXPECT_EQ(Calc().GetStats().GetCountY(), c.count);
        if (c.a) {
            EXPECT_STREQ(Calc().GetResult(CTrendoraCalc::Intercept), c.a);
        }
        EXPECT_EQ(Calc().GetCurrentEntry(), 1);
        EXPECT_EQ(boxes[1].seen, !c.told.empty());
        EXPECT_EQ(boxes[1].title, c.told.empty() ? L"" : L"Zoq Trendora");
        for (const wchar_t* part : c.told) {
            EXPECT_NE(boxes[1].text.find(part), std::wstring::npos) << Narrow(boxes[1].text);
        }
        EXPECT_FALSE(Calc().IsModified());
        EXPECT_FALSE(TakeQuit());
    }

    // A name that cannot be read changes nothing; a cancelled dialog shows entry 1.
    PressKeys("c1=2=3=4=");
    g_answer = (m_dir / L"missing.csv").wstring();
    LoadDiscarding();
    EXPECT_EQ(Calc().GetEntryCount(), 2);
    EXPECT_EQ(Calc().GetCurrentEntry(), 3);
    g_answer.clear();
    LoadDiscarding();
    EXPECT_EQ(Calc().GetEntryCount(), 2);
    EXPECT_EQ(Calc().GetCurrentEntry(), 1);
}

// A save that fails keeps the old file as it was and tells the user; the entries
// still count as unsaved.
TEST_F(TrendoraWindow, FailedSaveLeavesTheOldFileAndTells) {
    const struct {
        const char* name;
        bool readOnly;
    } cases[] = {
        {"held open", false},
        {"read-only", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path file = m_dir / L"kept.csv";
        std::ofstream(file, std::ios::binary) << "9.000000,9.000000\r\n";
        if (c.readOnly) {
            ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
        }
        HANDLE held = c.readOnly ? INVALID_HANDLE_VALUE
                                 : CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        PressKeys("c1=2=");
        g_answer = file.wstring();
        const std::vector<SModalCapture> boxes =
            AnswerMessages(m_hwnd, WM_COMMAND, IDM_SAVE_CSV, {IDOK});
        if (held != INVALID_HANDLE_VALUE) {
            CloseHandle(held);
        }
        EXPECT_TRUE(boxes[0].seen) << "the user is told";
        EXPECT_EQ(boxes[0].title, L"Zoq Trendora");
        EXPECT_NE(boxes[0].text.find(L"not saved"), std::wstring::npos);
        EXPECT_EQ(Read(file), "9.000000,9.000000\r\n");
        EXPECT_EQ((GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_READONLY) != 0, c.readOnly);
        EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
        EXPECT_TRUE(Calc().IsModified());
        SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove(file);
    }
}

TEST_F(TrendoraWindow, AboutBox) {
    const SModalCapture about = CaptureCommand(m_hwnd, IDM_ABOUT);
    ASSERT_TRUE(about.seen);
    EXPECT_EQ(about.title, L"About Zoq Trendora");
    EXPECT_NE(about.text.find(L"Zoq Trendora\r\n" ZOQ_VERSION_WIDE L"\r\n\r\n"), std::wstring::npos)
        << Narrow(about.text);
}

TEST_F(TrendoraWindow, GraphButtonOpensTheGraphModally) {
    PressKeys("1=2=2=4=3=6=");
    const SModalCapture graph = CaptureTap(m_hwnd, m_window.GetFace().GetLayout().buttons[kGraph]);
    ASSERT_TRUE(graph.seen);
    EXPECT_EQ(graph.title, L"Zoq Trendora");
    EXPECT_TRUE(IsWindow(m_hwnd));
    EXPECT_EQ(Calc().GetEntryCount(), 3);
}

// What the graph that "g" opens holds and draws.
struct GraphSeen {
    bool seen = false;
    std::wstring equation; // empty: no curve
    int curvePixels = 0;
    int pointsDrawn = 0; // data points with a white centre pixel
    std::vector<std::pair<double, double>> points;
};

void OpenGraph(void* hwnd) {
    SendMessageW(static_cast<HWND>(hwnd), WM_CHAR, L'g', 0);
}

void InspectGraph(HWND modal, void* context) {
    GraphSeen& seen = *static_cast<GraphSeen*>(context);
    auto* graph = dynamic_cast<CWndGraph*>(CZoqWnd::Routing::Lookup(modal));
    if (graph) {
        seen.seen = true;
        const wchar_t* equation = graph->Curves().Equation(0);
        seen.equation = equation ? equation : L"";
        const CZoqGDI& back = graph->BackBuffer();
        for (int y = 0; y < back.Height(); ++y) {
            for (int x = 0; x < back.Width(); ++x) {
                seen.curvePixels += back.PixelAt(x, y) == RGB(0, 128, 255);
            }
        }
        for (const auto& [x, y] : seen.points) {
            const CGraphView& view = graph->View();
            seen.pointsDrawn +=
                back.PixelAt(view.XToScreen(x), view.YToScreen(y)) == RGB(255, 255, 255);
        }
    }
    PostMessageW(modal, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

// The graph shows the fitted line only when there is one: with fewer than three
// entries or every x equal, the points alone.
TEST_F(TrendoraWindow, GraphDrawsTheLineOnlyForAFit) {
    const struct {
        const char* name;
        const char* keys;
        std::vector<std::pair<double, double>> points;
        const wchar_t* equation;
    } cases[] = {
        {"two entries", "1=2=2=4=", {{1, 2}, {2, 4}}, L""},
        {"every x equal", "1=1=1=2=1=3=", {{1, 1}, {1, 2}, {1, 3}}, L""},
        {"a line", "1=2=2=3=3=4=", {{1, 2}, {2, 3}, {3, 4}}, L"1*X+1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PressKeys("c");
        PressKeys(c.keys);
        GraphSeen seen;
        seen.points = c.points;
        WatchModal(OpenGraph, m_hwnd, 300, 15000, InspectGraph, &seen);
        ASSERT_TRUE(seen.seen);
        EXPECT_EQ(seen.equation, c.equation);
        EXPECT_EQ(seen.curvePixels > 0, c.equation[0] != L'\0') << seen.curvePixels;
        EXPECT_EQ(seen.pointsDrawn, static_cast<int>(c.points.size()));
    }
}

// Quitting ("Quit" or the close box) with an entry typed since the last save: the
// question, and whether the program ends and what is saved for each answer.
TEST_F(TrendoraWindow, QuitWithUnsavedEntriesAsks) {
    enum Save { NoSave, Saved, SaveCancelled, SaveFails };
    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
        int answer;
        Save save;
        bool quits;
    } cases[] = {
        {"Quit, Yes", WM_COMMAND, IDM_QUIT, IDYES, Saved, true},
        {"close box, Yes", WM_CLOSE, 0, IDYES, Saved, true},
        {"Quit, Yes, save cancelled", WM_COMMAND, IDM_QUIT, IDYES, SaveCancelled, false},
        {"Quit, Yes, save fails", WM_COMMAND, IDM_QUIT, IDYES, SaveFails, false},
        {"close box, Yes, save fails", WM_CLOSE, 0, IDYES, SaveFails, false},
        {"Quit, No", WM_COMMAND, IDM_QUIT, IDNO, NoSave, true},
        {"close box, No", WM_CLOSE, 0, IDNO, NoSave, true},
        {"Quit, Cancel", WM_COMMAND, IDM_QUIT, IDCANCEL, NoSave, false},
        {"close box, Cancel", WM_CLOSE, 0, IDCANCEL, NoSave, false},
    };
    const fs::path file = m_dir / L"quit.csv";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(file);
        std::ofstream(file, std::ios::binary) << "9.000000,9.000000\r\n";
        HANDLE held = c.save == SaveFails
                          ? CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)
                          : INVALID_HANDLE_VALUE;
        g_answer = c.save == SaveCancelled ? L"" : file.wstring();
        g_asked = 0;
        PressKeys("c1=2=");

        const std::vector<SModalCapture> boxes =
            AnswerMessages(m_hwnd, c.message, c.wParam, {c.answer, IDOK});
        const SModalCapture& box = boxes[0];
        if (held != INVALID_HANDLE_VALUE) {
            CloseHandle(held);
        }
        EXPECT_TRUE(box.seen);
        EXPECT_EQ(boxes[1].seen, c.save == SaveFails) << "a failed save is told";
        EXPECT_EQ(box.title, L"Zoq Trendora");
        EXPECT_NE(box.text.find(kSaveChanges), std::wstring::npos);
        EXPECT_EQ(TakeQuit(), c.quits);
        EXPECT_TRUE(IsWindow(m_hwnd));
        EXPECT_EQ(Calc().GetEntryCount(), 1);
        EXPECT_EQ(g_asked, c.answer == IDYES ? 1 : 0) << "the save dialog";
        EXPECT_EQ(Read(file), c.save == Saved ? "1.000000,2.000000\r\n" : "9.000000,9.000000\r\n");
        // What was saved is not asked about again; what was not, is.
        EXPECT_EQ(Calc().IsModified(), c.save != Saved);
    }
}

// Nothing that could be lost: quitting asks nothing and ends the program.
TEST_F(TrendoraWindow, QuitWithNothingUnsavedAsksNothing) {
    const fs::path file = m_dir / L"kept.csv";
    g_answer = file.wstring();
    const struct {
        const char* name;
        const char* keys;
        UINT before;
    } cases[] = {
        {"no entries", "", 0},
        {"typed, not entered", "12", 0},
        {"saved", "1=2=3=4=", IDM_SAVE_CSV},
        {"saved, then stepped through", "1=2=3=4=", IDM_SAVE_CSV},
        {"loaded", "", IDM_LOAD_CSV},
        {"cleared", "1=2=c", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PressKeys("c");
        PressKeys(c.keys);
        if (c.before) {
            Command(m_hwnd, c.before);
        }
        if (std::string(c.name).find("stepped") != std::string::npos) {
            TapStrip(CTrendoraCalc::FirstEntry);
            PressKeys("====");
        }
        for (UINT message : {WM_COMMAND, WM_CLOSE}) {
            const SModalCapture box = AnswerMessage(m_hwnd, message, IDM_QUIT, IDCANCEL);
            EXPECT_FALSE(box.seen) << Narrow(box.text);
            EXPECT_TRUE(TakeQuit());
        }
    }
}

// Loading over entries typed since the last save: "Yes" saves them first (and a
// cancelled save keeps them), "No" loads over them, "Cancel" keeps them.
TEST_F(TrendoraWindow, LoadOverUnsavedEntriesAsks) {
    const fs::path loaded = m_dir / L"loaded.csv";
    std::ofstream(loaded, std::ios::binary) << "5,6\n7,8\n";
    const fs::path saved = m_dir / L"saved.csv";
    const struct {
        const char* name;
        int answer;
        bool saveChosen;
        bool loads;
    } cases[] = {
        {"Yes", IDYES, true, true},
        {"Yes, save cancelled", IDYES, false, false},
        {"No", IDNO, false, true},
        {"Cancel", IDCANCEL, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(saved);
        PressKeys("c1=2=3=4=");
        g_answer = loaded.wstring();
        g_saveAnswer = c.saveChosen ? saved.wstring() : L"";
        g_asked = g_askedSave = 0;

        const SModalCapture box = AnswerMessage(m_hwnd, WM_COMMAND, IDM_LOAD_CSV, c.answer);
        EXPECT_TRUE(box.seen);
        EXPECT_NE(box.text.find(kSaveChanges), std::wstring::npos);
        EXPECT_EQ(g_askedSave, c.answer == IDYES ? 1 : 0);
        EXPECT_EQ(g_asked - g_askedSave, c.loads ? 1 : 0) << "the open dialog";
        EXPECT_EQ(fs::exists(saved), c.saveChosen);
        if (c.saveChosen) {
            EXPECT_EQ(Read(saved), "1.000000,2.000000\r\n3.000000,4.000000\r\n");
        }
        EXPECT_EQ(Calc().GetStats().GetX(0), c.loads ? 5.0 : 1.0);
        EXPECT_EQ(Calc().GetCurrentEntry(), c.loads ? 1 : 3);
        EXPECT_FALSE(TakeQuit());

        // Loaded entries are not asked about: a further load goes straight to the dialog.
        if (c.loads) {
            const SModalCapture again = AnswerMessage(m_hwnd, WM_COMMAND, IDM_LOAD_CSV, IDCANCEL);
            EXPECT_FALSE(again.seen);
            EXPECT_EQ(Calc().GetStats().GetX(1), 7.0);
        }
    }
}

// The real save dialog asks before replacing an existing file; a new name is
// written without a question.
TEST_F(TrendoraWindow, SavingOverAnExistingFileAsksFirst) {
    m_window.SetFileChooser(ChooseCsvFile);
    const fs::path file = m_dir / L"existing.csv";
    const struct {
        const char* name;
        bool exists;
        int answer;
        const char* kept;
    } cases[] = {
        {"replace refused", true, IDNO, "9.000000,9.000000\r\n"},
        {"replace accepted", true, IDYES, "1.000000,2.000000\r\n"},
        {"new file", false, IDNO, "1.000000,2.000000\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(file);
        if (c.exists) {
            std::ofstream(file, std::ios::binary) << "9.000000,9.000000\r\n";
        }
        PressKeys("c1=2=");
        const SModalCapture dialog =
            CaptureFileDialog(m_hwnd, IDM_SAVE_CSV, file.wstring().c_str(), c.answer);
        ASSERT_TRUE(dialog.seen);
        EXPECT_EQ(!dialog.question.empty(), c.exists) << Narrow(dialog.question);
        EXPECT_EQ(Read(file), c.kept);
        EXPECT_EQ(Calc().IsModified(), c.answer == IDNO && c.exists);
    }
}

} // namespace

namespace {

// What the list dialog showed, and what the test did in it.
struct ListSeen {
    bool seen = false;
    std::wstring title;
    std::vector<std::wstring> rows;
    // Tap the first row that begins with this text (nullptr: none).
    const wchar_t* tap = nullptr;
    bool copy = false;
    // The "Copy" button is shown inside the screen, below the list.
    bool copyShown = false;
};

void InspectList(HWND dialog, void* context) {
    auto& seen = *static_cast<ListSeen*>(context);
    HWND list = GetDlgItem(dialog, IDC_LIST_ROWS);
    if (!list) {
        EndDialog(dialog, IDCANCEL);
        return;
    }
    seen.seen = true;
    wchar_t title[64] = L"";
    GetWindowTextW(dialog, title, 64);
    seen.title = title;
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    int tapRow = -1;
    for (int i = 0; i < count; ++i) {
        wchar_t row[128] = L"";
        if (SendMessageW(list, LB_GETTEXTLEN, i, 0) < 128) {
            SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(row));
        }
        seen.rows.push_back(row);
        if (tapRow < 0 && seen.tap && seen.rows.back().rfind(seen.tap, 0) == 0) {
            tapRow = i;
        }
    }
    HWND copy = GetDlgItem(dialog, IDC_LIST_COPY);
    RECT client, button, rows;
    GetClientRect(dialog, &client);
    GetWindowRect(copy, &button);
    GetWindowRect(list, &rows);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&button), 2);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rows), 2);
    seen.copyShown = IsWindowVisible(copy) && button.top >= rows.bottom &&
                     button.bottom <= client.bottom && button.top > client.bottom / 2;
    if (seen.copy) {
        SendDlgItemMessageW(dialog, IDC_LIST_COPY, BM_CLICK, 0, 0);
    }
    if (tapRow >= 0) {
        // A pen tap on the row, as the list box gets it.
        RECT row;
        SendMessageW(list, LB_GETITEMRECT, tapRow, reinterpret_cast<LPARAM>(&row));
        const LPARAM at = MAKELPARAM((row.left + row.right) / 2, (row.top + row.bottom) / 2);
        SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(list, WM_LBUTTONUP, 0, at);
    }
    if (IsWindow(dialog)) {
        // Not ended by the tap: the shell's "ok".
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    }
}

struct CommandContext {
    HWND hwnd;
    UINT command;
};

void SendCommand(void* context) {
    const auto& c = *static_cast<CommandContext*>(context);
    Command(c.hwnd, c.command);
}

ListSeen ShowList(HWND hwnd, UINT command, ListSeen seen) {
    CommandContext context{hwnd, command};
    WatchModal(SendCommand, &context, 200, 15000, InspectList, &seen);
    return seen;
}

std::wstring ClipboardText() {
    std::vector<wchar_t> text(4096);
    EXPECT_EQ(ZoqPlatformClipboard().GetText(text.data(), static_cast<int>(text.size())), 1);
    return text.data();
}

std::vector<std::vector<double>> Columns(const std::wstring& text) {
    std::vector<std::vector<double>> lines;
    const wchar_t* p = text.c_str();
    while (*p) {
        std::vector<double> fields;
        wchar_t* end = nullptr;
        for (;;) {
            fields.push_back(std::wcstod(p, &end));
            if (*end != L'\t') {
                break;
            }
            p = end + 1;
        }
        EXPECT_EQ(std::wstring(end, std::min<size_t>(2, std::wcslen(end))), L"\r\n");
        lines.push_back(fields);
        p = *end ? end + 2 : end;
    }
    return lines;
}

} // namespace

// x = 0 keeps ln, log 10 and power from fitting; the data grow exponentially, so
// that model is the best; a tap on it switches to it.
TEST_F(TrendoraWindow, CompareModelsShowsTheTableAndSwitches) {
    PressKeys("0=1=1=3=2=7=3=20=4=55=");
    ListSeen seen;
    seen.tap = L"Exponential";
    seen = ShowList(m_hwnd, IDM_COMPARE_MODELS, seen);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.title, L"Compare Models");
    EXPECT_FALSE(seen.copyShown) << "nothing to copy";
    int cannot = 0;
    std::wstring best;
    for (const std::wstring& row : seen.rows) {
        cannot += row.find(L"cannot fit") != std::wstring::npos;
        if (row.find(L"best") != std::wstring::npos) {
            best += row;
        }
    }
    EXPECT_EQ(cannot, 3);
    EXPECT_EQ(best.rfind(L"Exponential", 0), 0u) << Narrow(best);
    EXPECT_EQ(Calc().GetStats().GetModel(), CZoqStats::Exponential);
    // A tap on a model that cannot fit leaves the model as it was.
    seen = ListSeen();
    seen.tap = L"Power";
    seen = ShowList(m_hwnd, IDM_COMPARE_MODELS, seen);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(Calc().GetStats().GetModel(), CZoqStats::Exponential);
    // The key opens it too.
    seen = ListSeen();
    CommandContext unused{m_hwnd, 0};
    WatchModal([](void* c) { Type(static_cast<CommandContext*>(c)->hwnd, L"m"); }, &unused, 200,
               15000, InspectList, &seen);
    EXPECT_TRUE(seen.seen);
}

TEST_F(TrendoraWindow, ResidualsAreListedAndCopied) {
    PressKeys("1=2=2=4=3=7=4=7=");
    ZoqPlatformClipboard().SetText(L"", m_hwnd);
    ListSeen seen;
    seen.copy = true;
    seen = ShowList(m_hwnd, IDM_RESIDUALS, seen);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.rows.size(), 5u) << "a heading and one row per entry";
    EXPECT_TRUE(seen.copyShown);
    // y - (a + b x) by the textbook formulas on the four entries.
    const double xs[] = {1, 2, 3, 4}, ys[] = {2, 4, 7, 7};
    double mx = 0, my = 0, sxx = 0, sxy = 0;
    for (int i = 0; i < 4; ++i) {
        mx += xs[i] / 4, my += ys[i] / 4;
    }
    for (int i = 0; i < 4; ++i) {
        sxx += (xs[i] - mx) * (xs[i] - mx), sxy += (xs[i] - mx) * (ys[i] - my);
    }
    const auto lines = Columns(ClipboardText());
    ASSERT_EQ(lines.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(lines[i].size(), 3u);
        EXPECT_EQ(lines[i][0], xs[i]);
        EXPECT_EQ(lines[i][1], ys[i]);
        EXPECT_NEAR(lines[i][2], ys[i] - (my + sxy / sxx * (xs[i] - mx)), 1e-12);
    }
}

// Pasted: a header and an unreadable line among lines of each separator; the same
// message as a file's. Copied back: tab-separated, the same doubles.
TEST_F(TrendoraWindow, PasteAndCopyData) {
    ASSERT_TRUE(ZoqPlatformClipboard().SetText(
        L"x\ty\r\n1.5\t2\r\n2;4.25\r\nnone\r\n3,6.5\r\n0.1\t1e-7\r\n", m_hwnd));
    const SModalCapture box = AnswerMessage(m_hwnd, WM_COMMAND, IDM_PASTE_DATA, IDOK);
    EXPECT_TRUE(box.seen);
    CsvReadReport report;
    report.unreadable = 1;
    EXPECT_NE(box.text.find(CsvLeftOutMessage(report)), std::wstring::npos);
    const double xs[] = {1.5, 2, 3, 0.1}, ys[] = {2, 4.25, 6.5, 1e-7};
    ASSERT_EQ(Calc().GetEntryCount(), 4);
    EXPECT_TRUE(Calc().IsModified());
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Calc().GetStats().GetX(i), xs[i]) << i;
        EXPECT_EQ(Calc().GetStats().GetY(i), ys[i]) << i;
    }

    ZoqPlatformClipboard().SetText(L"", m_hwnd);
    Command(m_hwnd, IDM_COPY_DATA);
    const std::wstring copied = ClipboardText();
    EXPECT_EQ(copied.find(L','), std::wstring::npos);
    const auto lines = Columns(copied);
    ASSERT_EQ(lines.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        ASSERT_EQ(lines[i].size(), 2u);
        EXPECT_EQ(lines[i][0], xs[i]) << i;
        EXPECT_EQ(lines[i][1], ys[i]) << i;
    }

    // Ctrl+C copies the same.
    ZoqPlatformClipboard().SetText(L"", m_hwnd);
    Type(m_hwnd, L"\x03");
    EXPECT_EQ(ClipboardText(), copied);

    // Nothing readable: the entries stay.
    ZoqPlatformClipboard().SetText(L"just words\r\n", m_hwnd);
    const SModalCapture none = AnswerMessage(m_hwnd, WM_COMMAND, IDM_PASTE_DATA, IDOK);
    EXPECT_NE(none.text.find(L"no x,y pairs"), std::wstring::npos);
    EXPECT_EQ(Calc().GetEntryCount(), 4);
}
