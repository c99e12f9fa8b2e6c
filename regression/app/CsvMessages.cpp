#include "regression/app/CsvMessages.h"

#include "regression/ZoqStats.h"

namespace {

std::wstring Lines(int count) {
    return std::to_wstring(count) + (count == 1 ? L" line" : L" lines");
}

} // namespace

std::wstring CsvLeftOutMessage(const CsvReadReport& report) {
    std::wstring text;
    if (report.LeftOut() > 0) {
        text = Lines(report.LeftOut()) + L" of the file " +
               (report.LeftOut() == 1 ? L"was" : L"were") + L" left out:";
        if (report.beyondCapacity > 0) {
            text += L"\r\n" + std::to_wstring(report.beyondCapacity) + L" after the first " +
                    std::to_wstring(CZoqStats::kCapacity) + L" entries";
        }
        if (report.unreadable > 0) {
            text += L"\r\n" + Lines(report.unreadable) + L" without an x,y pair of numbers";
        }
    }
    if (report.cut) {
        if (!text.empty()) {
            text += L"\r\n\r\n";
        }
        text += L"The file is longer than " + std::to_wstring(kCsvReadLimit) +
                L" bytes; what follows was not read.";
    }
    return text;
}

std::wstring CsvNotSavedMessage(const wchar_t* path) {
    return std::wstring(L"The entries were not saved: the file is read-only or cannot be "
                        L"written.\r\n\r\n") +
           (path ? path : L"");
}
