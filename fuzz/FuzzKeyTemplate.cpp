// Arbitrary bytes as a dialog template resource: the key-layout reader must refuse or
// read them without reading past the end, and never report more items than it holds.
#include "scientific/app/KeyTemplate.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact-size copy, so that any read past the end is caught.
    std::vector<uint8_t> bytes(data, data + size);
    CKeyTemplate keys;
    if (keys.Parse(bytes.data(), bytes.size())) {
        if (keys.Count() < 0 || keys.Count() > CKeyTemplate::kMaxItems) {
            abort();
        }
        for (int i = 0; i < keys.Count(); ++i) {
            SDialogItem item{};
            if (!keys.Find(keys.Item(i).id, &item)) {
                abort();
            }
        }
    } else if (keys.Count() != 0) {
        abort();
    }
    return 0;
}
