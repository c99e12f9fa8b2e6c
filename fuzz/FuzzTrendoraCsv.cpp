// Trendora's data file reader over arbitrary file contents: it must stay within the
// bytes it was given, take at most 100 entries and only finite numbers, account for
// every complete entry it found, and what it writes back must fit the read limit
// and read back as the same doubles, the same text and nothing left out.
#include "regression/TrendoraCsv.h"
#include "regression/ZoqStats.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool SameEntries(const CZoqStats& a, const CZoqStats& b) {
    if (a.GetCountX() != b.GetCountX() || a.GetCountY() != b.GetCountY()) {
        return false;
    }
    for (int i = 0; i < a.GetCountX(); ++i) {
        const double ax = a.GetX(i), bx = b.GetX(i), ay = a.GetY(i), by = b.GetY(i);
        if (std::memcmp(&ax, &bx, sizeof ax) != 0 || std::memcmp(&ay, &by, sizeof ay) != 0) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CZoqStats stats;
    const CsvReadReport report =
        ReadCsvEntries(reinterpret_cast<const char*>(data), static_cast<int>(size), stats);
    if (stats.GetCountX() != stats.GetCountY() || stats.GetCountX() > CZoqStats::kCapacity ||
        report.entries != stats.GetCountX() ||
        (report.beyondCapacity > 0 && report.entries != CZoqStats::kCapacity) ||
        report.unreadable < 0 || report.cut != (size > static_cast<size_t>(kCsvReadLimit))) {
        std::abort();
    }
    for (int i = 0; i < stats.GetCountX(); ++i) {
        if (!std::isfinite(stats.GetX(i)) || !std::isfinite(stats.GetY(i))) {
            std::abort();
        }
    }
    for (const char* lineEnd : {"\n", "\r\n"}) {
        const std::string written = WriteCsvEntries(stats, lineEnd);
        if (written.size() > static_cast<size_t>(kCsvReadLimit)) {
            std::abort();
        }
        CZoqStats again;
        const CsvReadReport back =
            ReadCsvEntries(written.data(), static_cast<int>(written.size()), again);
        if (back.AnythingLeftOut() || !SameEntries(stats, again) ||
            WriteCsvEntries(again, lineEnd) != written) {
            std::abort();
        }
    }
    return 0;
}
