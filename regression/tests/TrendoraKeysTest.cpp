#include "regression/TrendoraKeys.h"

#include <gtest/gtest.h>

namespace {

struct SExpectedKey {
    unsigned code;
    ETrendoraKey key;
};

const SExpectedKey kTyped[] = {
    {L'0', ETrendoraKey::Digit},         {L'5', ETrendoraKey::Digit},
    {L'9', ETrendoraKey::Digit},         {L'.', ETrendoraKey::DecimalPoint},
    {0x08, ETrendoraKey::Backspace},     {0x0D, ETrendoraKey::Enter},
    {L'=', ETrendoraKey::Enter},         {L'c', ETrendoraKey::ClearAll},
    {L'p', ETrendoraKey::ChangeSign},    {L'g', ETrendoraKey::Graph},
    {L'm', ETrendoraKey::CompareModels}, {L'r', ETrendoraKey::Residuals},
    {0x03, ETrendoraKey::CopyData},      {0x16, ETrendoraKey::PasteData},
};

// The one key of the list with `code`, or None.
template <int N> ETrendoraKey Expected(const SExpectedKey (&keys)[N], unsigned code) {
    if (code >= L'0' && code <= L'9') {
        return ETrendoraKey::Digit;
    }
    for (const SExpectedKey& key : keys) {
        if (key.code == code) {
            return key.key;
        }
    }
    return ETrendoraKey::None;
}

TEST(TrendoraKeys, EveryCharacterTypesItsKeyOrNothing) {
    for (const SExpectedKey& row : kTyped) {
        SCOPED_TRACE(testing::Message() << "character " << row.code);
        EXPECT_EQ(TrendoraKeyForChar(static_cast<wchar_t>(row.code)), row.key);
    }
    // Upper-case letters, "," and "-" type nothing: they are not this calculator's keys.
    int unmapped = 0;
    for (unsigned code = 0; code <= 0xFFFF; ++code) {
        const ETrendoraKey key = TrendoraKeyForChar(static_cast<wchar_t>(code));
        if (key != Expected(kTyped, code)) {
            ADD_FAILURE() << "character " << code << " maps to " << static_cast<int>(key);
        }
        unmapped += key == ETrendoraKey::None;
    }
    EXPECT_EQ(unmapped, 0x10000 - 10 - 11);
}

TEST(TrendoraKeys, OnlyTheUpAndDownArrowsToggleTheField) {
    const SExpectedKey released[] = {{0x26, ETrendoraKey::ToggleField},
                                     {0x28, ETrendoraKey::ToggleField}};
    for (unsigned code = 0; code <= 0x1FF; ++code) {
        SCOPED_TRACE(testing::Message() << "virtual key " << code);
        ETrendoraKey expected = ETrendoraKey::None;
        for (const SExpectedKey& row : released) {
            expected = row.code == code ? row.key : expected;
        }
        EXPECT_EQ(TrendoraKeyForKeyUp(code), expected);
    }
    // A key let go is no character: the arrow codes typed are "&" and "(".
    EXPECT_EQ(TrendoraKeyForChar(L'&'), ETrendoraKey::None);
    EXPECT_EQ(TrendoraKeyForKeyUp(L'5'), ETrendoraKey::None);
}

} // namespace
