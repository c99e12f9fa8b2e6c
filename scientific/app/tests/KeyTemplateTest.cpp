#include "scientific/app/KeyTemplate.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// Writes dialog templates byte by byte as the resource compiler lays them out.
class CTemplateWriter {
public:
    void Word(uint16_t v) {
        bytes.push_back(uint8_t(v & 0xFF));
        bytes.push_back(uint8_t(v >> 8));
    }
    void Dword(uint32_t v) {
        Word(uint16_t(v & 0xFFFF));
        Word(uint16_t(v >> 16));
    }
    void Text(const char* s) {
        for (; *s; ++s) {
            Word(uint16_t(*s));
        }
        Word(0);
    }
    void Align() {
        while (bytes.size() % 4) {
            bytes.push_back(0);
        }
    }
    std::vector<uint8_t> bytes;
};

constexpr uint32_t kSetFont = 0x40;

struct SItem {
    uint32_t id;
    int16_t x, y, w, h;
};

std::vector<uint8_t> Extended(const std::vector<SItem>& items, uint32_t style) {
    CTemplateWriter out;
    out.Word(1);
    out.Word(0xFFFF);
    out.Dword(0);     // help id
    out.Dword(0);     // extended style
    out.Dword(style); // style
    out.Word(uint16_t(items.size()));
    for (int16_t v : {0, 0, 168, 174}) {
        out.Word(uint16_t(v));
    }
    out.Word(0);         // no menu
    out.Word(0);         // default class
    out.Text("Numbers"); // title
    if (style & kSetFont) {
        out.Word(8);
        out.Word(400);
        out.Word(0x0100); // italic, charset
        out.Text("Tahoma");
    }
    for (const SItem& item : items) {
        out.Align();
        out.Dword(0);
        out.Dword(0);
        out.Dword(0x50000007);
        for (int16_t v : {item.x, item.y, item.w, item.h}) {
            out.Word(uint16_t(v));
        }
        out.Dword(item.id);
        out.Word(0xFFFF);
        out.Word(0x0082); // static
        out.Text("");
        out.Word(0);
    }
    return out.bytes;
}

std::vector<uint8_t> Classic(const std::vector<SItem>& items) {
    CTemplateWriter out;
    out.Dword(0x80C80000 | kSetFont);
    out.Dword(0);
    out.Word(uint16_t(items.size()));
    for (int16_t v : {0, 0, 100, 50}) {
        out.Word(uint16_t(v));
    }
    out.Word(0);
    out.Text("Dlg");   // class by name
    out.Text("Title"); // title
    out.Word(8);
    out.Text("MS Shell Dlg");
    for (const SItem& item : items) {
        out.Align();
        out.Dword(0x50000000);
        out.Dword(0);
        for (int16_t v : {item.x, item.y, item.w, item.h}) {
            out.Word(uint16_t(v));
        }
        out.Word(uint16_t(item.id));
        out.Text("Button"); // class by name
        out.Word(0xFFFF);   // title by ordinal
        out.Word(7);
        out.Word(2); // two bytes of creation data
        out.Word(0xABCD);
    }
    return out.bytes;
}

const std::vector<SItem> kItems = {
    {32801, 128, 147, 30, 16}, {32802, 96, 147, 32, 16}, {32844, 3, 40, 25, 12}};

void ExpectItems(const CKeyTemplate& keys) {
    ASSERT_EQ(keys.Count(), int(kItems.size()));
    for (size_t i = 0; i < kItems.size(); ++i) {
        SCOPED_TRACE(i);
        SDialogItem item{};
        ASSERT_TRUE(keys.Find(kItems[i].id, &item));
        EXPECT_EQ(item.x, kItems[i].x);
        EXPECT_EQ(item.y, kItems[i].y);
        EXPECT_EQ(item.width, kItems[i].w);
        EXPECT_EQ(item.height, kItems[i].h);
    }
}

TEST(KeyTemplate, ReadsExtendedTemplatesWithAndWithoutFont) {
    for (uint32_t style : {kSetFont, 0u}) {
        SCOPED_TRACE(style);
        const std::vector<uint8_t> bytes = Extended(kItems, style);
        CKeyTemplate keys;
        ASSERT_TRUE(keys.Parse(bytes.data(), bytes.size()));
        ExpectItems(keys);
        EXPECT_FALSE(keys.Find(32803, nullptr));
    }
}

TEST(KeyTemplate, ReadsClassicTemplatesWithNamedClassesAndCreationData) {
    const std::vector<uint8_t> bytes = Classic(kItems);
    CKeyTemplate keys;
    ASSERT_TRUE(keys.Parse(bytes.data(), bytes.size()));
    ExpectItems(keys);
}

TEST(KeyTemplate, RefusesEveryTruncation) {
    for (const std::vector<uint8_t>& whole : {Extended(kItems, kSetFont), Classic(kItems)}) {
        for (size_t size = 0; size < whole.size(); ++size) {
            SCOPED_TRACE(size);
            // A copy of exactly `size` bytes, so the sanitizer sees any read past it.
            const std::vector<uint8_t> part(whole.begin(), whole.begin() + long(size));
            CKeyTemplate keys;
            EXPECT_FALSE(keys.Parse(part.data(), part.size()));
            EXPECT_EQ(keys.Count(), 0);
        }
    }
}

TEST(KeyTemplate, RefusesMoreItemsThanItHolds) {
    std::vector<SItem> many;
    for (int i = 0; i <= CKeyTemplate::kMaxItems; ++i) {
        many.push_back({uint32_t(100 + i), 0, 0, 1, 1});
    }
    const std::vector<uint8_t> bytes = Extended(many, kSetFont);
    CKeyTemplate keys;
    EXPECT_FALSE(keys.Parse(bytes.data(), bytes.size()));
    EXPECT_FALSE(keys.Parse(nullptr, 10));
}

} // namespace
