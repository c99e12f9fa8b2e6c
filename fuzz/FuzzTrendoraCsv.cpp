// Trendora's data file reader over arbitrary file contents: it must stay within the
// bytes it was given, take at most 100 entries, and what it writes back must read
// back to the same text.
#include "regression/TrendoraCsv.h"
#include "regression/ZoqStats.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CZoqStats stats;
    ReadCsvEntries(reinterpret_cast<const char*>(data), static_cast<int>(size), stats);
    if (stats.GetCountX() > CZoqStats::kCapacity || stats.GetCountY() > stats.GetCountX()) {
        std::abort();
    }
    const std::string written = WriteCsvEntries(stats, "\n");
    if (written.size() > static_cast<size_t>(kCsvReadLimit)) {
        return 0; // a longer text is read only in part, by design
    }
    CZoqStats again;
    ReadCsvEntries(written.data(), static_cast<int>(written.size()), again);
    if (again.GetCountY() != stats.GetCountY() || WriteCsvEntries(again, "\n") != written) {
        std::abort();
    }
    return 0;
}
