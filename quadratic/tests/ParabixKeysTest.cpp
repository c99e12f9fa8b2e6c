#include "quadratic/ParabixKeys.h"

#include <gtest/gtest.h>

namespace {

struct SExpectedKey {
    unsigned code;
    EParabixKey withoutShift;
    EParabixKey withShift;
};

const SExpectedKey kTyped[] = {
    {L'.', EParabixKey::DecimalPoint, EParabixKey::DecimalPoint},
    {L'-', EParabixKey::MinusSign, EParabixKey::MinusSign},
    {0x08, EParabixKey::Backspace, EParabixKey::Backspace},
    {0x0D, EParabixKey::Enter, EParabixKey::Enter},
    {0x09, EParabixKey::NextField, EParabixKey::PreviousField},
};

EParabixKey Expected(unsigned code, int shift) {
    if (code >= L'0' && code <= L'9') {
        return EParabixKey::Digit;
    }
    for (const SExpectedKey& row : kTyped) {
        if (row.code == code) {
            return shift ? row.withShift : row.withoutShift;
        }
    }
    return EParabixKey::None;
}

TEST(ParabixKeys, EveryCharacterTypesItsKeyOrNothingWithAndWithoutShift) {
    for (int shift = 0; shift <= 1; ++shift) {
        int unmapped = 0;
        for (unsigned code = 0; code <= 0xFFFF; ++code) {
            const EParabixKey key = ParabixKeyForChar(static_cast<wchar_t>(code), shift);
            if (key != Expected(code, shift)) {
                ADD_FAILURE() << "character " << code << " shift " << shift << " maps to "
                              << static_cast<int>(key);
            }
            unmapped += key == EParabixKey::None;
        }
        // Ten digits and the five keys of the list; "=" and letters are no keys here.
        EXPECT_EQ(unmapped, 0x10000 - 10 - 5) << "shift " << shift;
    }
}

TEST(ParabixKeys, TheArrowsLetGoMoveBetweenTheFields) {
    const SExpectedKey released[] = {
        {0x26, EParabixKey::PreviousField, EParabixKey::PreviousField},
        {0x28, EParabixKey::NextField, EParabixKey::NextField},
    };
    for (unsigned code = 0; code <= 0x1FF; ++code) {
        SCOPED_TRACE(testing::Message() << "virtual key " << code);
        EParabixKey expected = EParabixKey::None;
        for (const SExpectedKey& row : released) {
            expected = row.code == code ? row.withoutShift : expected;
        }
        EXPECT_EQ(ParabixKeyForKeyUp(code), expected);
    }
    // Tab let go, and the Left and Right arrows, do nothing.
    EXPECT_EQ(ParabixKeyForKeyUp(0x09), EParabixKey::None);
    EXPECT_EQ(ParabixKeyForKeyUp(0x25), EParabixKey::None);
    EXPECT_EQ(ParabixKeyForKeyUp(0x27), EParabixKey::None);
}

} // namespace
