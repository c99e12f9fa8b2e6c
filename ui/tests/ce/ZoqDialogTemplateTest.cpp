#include "ce/ZoqDialogTemplate.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// Builds dialog templates word by word, as the resource compiler lays them out.
class CTemplate {
public:
    CTemplate& Word(WORD word) {
        const BYTE* bytes = reinterpret_cast<const BYTE*>(&word);
        m_bytes.insert(m_bytes.end(), bytes, bytes + 2);
        return *this;
    }
    CTemplate& Dword(DWORD dword) { return Word(LOWORD(dword)).Word(HIWORD(dword)); }
    CTemplate& Text(const wchar_t* text) {
        for (; *text; ++text) {
            Word(static_cast<WORD>(*text));
        }
        return Word(0);
    }
    // The header of the classic form: style, extended style, no items, x, y, cx, cy.
    CTemplate& Classic(DWORD style) { return Dword(style).Dword(0).Word(0).Dword(0).Dword(0); }
    // The header of the extended form: version 1, signature, help id, ex style, style, ...
    CTemplate& Extended(DWORD style) {
        return Word(1).Word(0xFFFF).Dword(0).Dword(0).Dword(style).Word(0).Dword(0).Dword(0);
    }
    size_t Mark() const { return m_bytes.size(); }
    const std::vector<BYTE>& Bytes() const { return m_bytes; }

private:
    std::vector<BYTE> m_bytes;
};

WORD WordAt(const std::vector<BYTE>& bytes, size_t offset) {
    WORD word = 0;
    std::memcpy(&word, bytes.data() + offset, 2);
    return word;
}

struct SCase {
    const char* name;
    int extended;
    int menu;  // 0: none, 1: ordinal, 2: name
    int klass; // the same for the window class
    const wchar_t* title;
    WORD points;
    int numerator;
    int denominator;
    WORD scaled;
};

TEST(DialogTemplate, FontPointSizeIsScaledWhereverTheFieldsBeforeItEnd) {
    const SCase cases[] = {
        {"classic, plain", 0, 0, 0, L"Options", 8, 192, 96, 16},
        {"extended, plain", 1, 0, 0, L"Options", 8, 192, 96, 16},
        {"extended, menu ordinal", 1, 1, 0, L"Graph", 8, 144, 96, 12},
        {"extended, menu and class names", 1, 2, 2, L"", 8, 288, 96, 24},
        {"classic, class ordinal", 0, 0, 1, L"About", 9, 144, 96, 14}, // 13.5 rounds up
        {"extended, same dpi", 1, 0, 0, L"x", 8, 96, 96, 8},
        {"extended, smaller", 1, 0, 0, L"x", 8, 96, 192, 4},
        {"classic, long title", 0, 2, 1, L"Scientific Calculator", 10, 120, 96, 13}, // 12.5
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        CTemplate dialog;
        const DWORD style = DS_SETFONT | WS_POPUP;
        if (c.extended) {
            dialog.Extended(style);
        } else {
            dialog.Classic(style);
        }
        for (int field : {c.menu, c.klass}) {
            if (field == 1) {
                dialog.Word(0xFFFF).Word(102);
            } else if (field == 2) {
                dialog.Text(L"NAMED");
            } else {
                dialog.Word(0);
            }
        }
        dialog.Text(c.title);
        const size_t pointsAt = dialog.Mark();
        dialog.Word(c.points);
        if (c.extended) {
            dialog.Word(FW_NORMAL).Word(0);
        }
        dialog.Text(L"Tahoma").Word(0x1234); // and what follows: the items
        std::vector<BYTE> copy;
        ASSERT_EQ(1, CZoqDialogTemplate::ScaleFont(dialog.Bytes().data(), dialog.Bytes().size(),
                                                   c.numerator, c.denominator, &copy));
        ASSERT_EQ(dialog.Bytes().size(), copy.size());
        EXPECT_EQ(c.scaled, WordAt(copy, pointsAt));
        for (size_t i = 0; i < copy.size(); ++i) {
            if (i != pointsAt && i != pointsAt + 1) {
                ASSERT_EQ(dialog.Bytes()[i], copy[i]) << "byte " << i << " changed";
            }
        }
    }
}

TEST(DialogTemplate, TemplatesWithoutAFontOrCutShortAreRefused) {
    CTemplate noFont;
    noFont.Extended(WS_POPUP).Word(0).Word(0).Text(L"Title").Word(8).Text(L"Tahoma");
    CTemplate cutInTitle;
    cutInTitle.Classic(DS_SETFONT).Word(0).Word(0).Word(L'T').Word(L'i');
    CTemplate cutBeforeFont;
    cutBeforeFont.Extended(DS_SETFONT).Word(0).Word(0).Text(L"Title");
    CTemplate cutInOrdinal;
    cutInOrdinal.Classic(DS_SETFONT).Word(0xFFFF);
    const struct {
        const char* name;
        const std::vector<BYTE>& bytes;
    } cases[] = {
        {"no DS_SETFONT", noFont.Bytes()},
        {"title never ends", cutInTitle.Bytes()},
        {"ends before the font", cutBeforeFont.Bytes()},
        {"menu ordinal cut", cutInOrdinal.Bytes()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<BYTE> copy;
        EXPECT_EQ(0, CZoqDialogTemplate::ScaleFont(c.bytes.data(), c.bytes.size(), 192, 96, &copy));
        EXPECT_TRUE(copy.empty());
    }
    std::vector<BYTE> copy;
    EXPECT_EQ(0, CZoqDialogTemplate::ScaleFont(nullptr, 40, 192, 96, &copy));
    EXPECT_EQ(0, CZoqDialogTemplate::ScaleFont(noFont.Bytes().data(), 3, 192, 96, &copy));
}

} // namespace
