#include "scientific/app/KeyTemplate.h"

namespace {

constexpr uint32_t kDsSetFont = 0x40;

class CByteReader {
public:
    CByteReader(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    int Word(uint16_t* value) {
        if (m_size - m_position < 2) {
            return 0;
        }
        *value = static_cast<uint16_t>(m_data[m_position] | m_data[m_position + 1] << 8);
        m_position += 2;
        return 1;
    }
    int Dword(uint32_t* value) {
        uint16_t low = 0, high = 0;
        if (!Word(&low) || !Word(&high)) {
            return 0;
        }
        *value = static_cast<uint32_t>(low) | static_cast<uint32_t>(high) << 16;
        return 1;
    }
    int Short(int* value) {
        uint16_t word = 0;
        if (!Word(&word)) {
            return 0;
        }
        *value = static_cast<int16_t>(word);
        return 1;
    }
    // A zero-terminated UTF-16 text, skipped.
    int SkipText() {
        uint16_t c = 0;
        do {
            if (!Word(&c)) {
                return 0;
            }
        } while (c);
        return 1;
    }
    // Empty (0x0000), an ordinal (0xFFFF then a word) or a text.
    int SkipTextOrOrdinal() {
        uint16_t first = 0;
        if (!Word(&first)) {
            return 0;
        }
        if (first == 0) {
            return 1;
        }
        if (first == 0xFFFF) {
            return Word(&first);
        }
        return SkipText();
    }
    int Skip(size_t count) {
        if (count > m_size - m_position) {
            return 0;
        }
        m_position += count;
        return 1;
    }
    // Controls start on 32-bit boundaries counted from the start of the template.
    int AlignDword() { return Skip((4 - m_position % 4) % 4); }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_position = 0;
};

int ReadRect(CByteReader& in, SDialogItem* item) {
    return in.Short(&item->x) && in.Short(&item->y) && in.Short(&item->width) &&
           in.Short(&item->height);
}

} // namespace

int CKeyTemplate::Parse(const void* data, size_t size) {
    m_count = 0;
    if (!data) {
        return 0;
    }
    const int count = ReadAll(data, size);
    if (count < 0) {
        m_count = 0;
        return 0;
    }
    return 1;
}

int CKeyTemplate::ReadAll(const void* data, size_t size) {
    CByteReader in(static_cast<const uint8_t*>(data), size);
    uint16_t version = 0, signature = 0;
    if (!in.Word(&version) || !in.Word(&signature)) {
        return -1;
    }
    // DLGTEMPLATEEX starts with version 1 and the signature 0xFFFF; a DLGTEMPLATE with
    // its style (whose low word these are) then its extended style.
    const int extended = version == 1 && signature == 0xFFFF;
    uint32_t style = static_cast<uint32_t>(version) | static_cast<uint32_t>(signature) << 16;
    uint32_t ignored = 0;
    if (extended && (!in.Dword(&ignored) || !in.Dword(&ignored) || !in.Dword(&style))) {
        return -1;
    }
    if (!extended && !in.Dword(&ignored)) {
        return -1;
    }
    uint16_t count = 0;
    SDialogItem frame{};
    if (!in.Word(&count) || !ReadRect(in, &frame) || !in.SkipTextOrOrdinal() ||
        !in.SkipTextOrOrdinal() || !in.SkipText()) {
        return -1;
    }
    if (style & kDsSetFont) {
        // Point size, then (extended only) weight, italic and character set, then the face.
        uint16_t pointSize = 0;
        if (!in.Word(&pointSize) || (extended && !in.Skip(4)) || !in.SkipText()) {
            return -1;
        }
    }
    if (count > kMaxItems) {
        return -1;
    }
    for (int i = 0; i < count; ++i) {
        SDialogItem item{};
        if (!in.AlignDword()) {
            return -1;
        }
        if (extended) {
            // Help id, extended style, style; then the rectangle and a 32-bit id.
            if (!in.Skip(12) || !ReadRect(in, &item) || !in.Dword(&item.id)) {
                return -1;
            }
        } else {
            uint16_t id16 = 0;
            if (!in.Skip(8) || !ReadRect(in, &item) || !in.Word(&id16)) {
                return -1;
            }
            item.id = id16;
        }
        uint16_t extra = 0;
        if (!in.SkipTextOrOrdinal() || !in.SkipTextOrOrdinal() || !in.Word(&extra) ||
            !in.Skip(extra)) {
            return -1;
        }
        m_items[m_count++] = item;
    }
    return m_count;
}

int CKeyTemplate::Find(uint32_t id, SDialogItem* item) const {
    for (int i = 0; i < m_count; ++i) {
        if (m_items[i].id == id) {
            if (item) {
                *item = m_items[i];
            }
            return 1;
        }
    }
    return 0;
}
