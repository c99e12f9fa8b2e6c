#include "financial/app/AmortizationDialog.h"
#include "financial/models/MortgageModel.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring TempPath(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

std::string ReadWholeFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return "<missing>";
    }
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    CloseHandle(file);
    return bytes;
}

int CountLines(const std::string& text) {
    int lines = 0;
    for (char c : text) {
        lines += c == '\n';
    }
    return lines;
}

// 250000 at 5 % over 25 years, monthly: 300 payments.
CMortgageModel DefaultMortgage() {
    CMortgageModel model;
    model.SetPrincipal(250000);
    model.SetInterestRate(5);
    model.SetTerm(25);
    model.Recalculate();
    return model;
}

TEST(ScheduleFile, SavesHeaderAndOneLinePerPaymentReplacingTheOldFile) {
    CMortgageModel model = DefaultMortgage();
    CAmortizationDialog schedule(model);
    ASSERT_EQ(300, schedule.RowCount());
    const std::wstring path = TempPath(L"fiscora-schedule.csv");
    ASSERT_EQ(1, WriteFileReplacing(path.c_str(), "old contents", 12));
    ASSERT_EQ(1, schedule.SaveSchedule(path.c_str()));
    const std::string csv = ReadWholeFile(path);
    EXPECT_EQ(301, CountLines(csv));
    EXPECT_EQ(0u, csv.find("Payment,Balance,Interest,Principal\r\n1,250000.00,1041.67,419.81\r\n"))
        << csv.substr(0, 120);
    EXPECT_NE(std::string::npos, csv.find("\r\n300,"));
    DeleteFileW(path.c_str());
}

TEST(ScheduleFile, AFailedSaveLeavesNothingBehind) {
    CMortgageModel model = DefaultMortgage();
    CAmortizationDialog schedule(model);
    const std::wstring folder = TempPath(L"fiscora-no-such-folder");
    const std::wstring path = folder + L"\\schedule.csv";
    EXPECT_EQ(0, schedule.SaveSchedule(path.c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(folder.c_str()));
    EXPECT_EQ(0, schedule.SaveSchedule(L""));
    EXPECT_EQ(0, WriteFileReplacing(nullptr, "x", 1));
}

TEST(ScheduleFile, CopiesTheWholeScheduleAsTabSeparatedText) {
    CMortgageModel model = DefaultMortgage();
    CAmortizationDialog schedule(model);
    ASSERT_EQ(1, schedule.CopySchedule());
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(nullptr, data);
    std::wstring text(static_cast<const wchar_t*>(GlobalLock(data)));
    GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(0u,
              text.find(L"Payment\tBalance\tInterest\tPrincipal\r\n1\t250000.00\t1041.67\t419.81"));
    int lines = 0;
    for (wchar_t c : text) {
        lines += c == L'\n';
    }
    EXPECT_EQ(301, lines);
}

} // namespace
