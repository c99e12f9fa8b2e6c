#pragma once

#include <cstddef>
#include <cstdint>

// The rectangle of one control of a dialog template, in dialog units.
struct SDialogItem {
    uint32_t id;
    int x, y, width, height;
};

// Reads the control rectangles out of a dialog template resource (DLGTEMPLATE or
// DLGTEMPLATEEX, as the resource compiler writes them). Portable: it works on the raw
// little-endian bytes, so the key layouts can be read without creating a dialog and
// tested natively. Every read is bounded by `size`; a truncated or malformed template
// is refused.
class CKeyTemplate {
public:
    static constexpr int kMaxItems = 64;

    // 1 when the template was read completely, 0 when it is malformed or holds more
    // than kMaxItems controls.
    int Parse(const void* data, size_t size);

    int Count() const { return m_count; }
    const SDialogItem& Item(int index) const { return m_items[index]; }
    // 1 and the item with that control id, 0 when no control has it.
    int Find(uint32_t id, SDialogItem* item) const;

private:
    int ReadAll(const void* data, size_t size);

    int m_count = 0;
    SDialogItem m_items[kMaxItems] = {};
};
