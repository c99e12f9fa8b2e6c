#include "scientific/app/DesktopKeys.h"

#include <gtest/gtest.h>

namespace {

struct SCharRow {
    wchar_t c;
    int base;
    EDesktopCommand command;
    EKeyCategory category;
    int index;
};

TEST(DesktopKeys, TypedCharactersReachTheFaceKeysEntries) {
    const SCharRow rows[] = {
        {L'7', 10, EDesktopCommand::Key, EKeyCategory::Digit, 7},
        {L'.', 10, EDesktopCommand::Key, EKeyCategory::Digit, kDigitPoint},
        {L',', 10, EDesktopCommand::Key, EKeyCategory::Digit, kDigitPoint},
        {L'+', 10, EDesktopCommand::Key, EKeyCategory::Operator, 0},
        {L'-', 10, EDesktopCommand::Key, EKeyCategory::Operator, kOperatorMinus},
        {L'*', 10, EDesktopCommand::Key, EKeyCategory::Operator, kOperatorTimes},
        {L'/', 10, EDesktopCommand::Key, EKeyCategory::Operator, 3},
        {L'^', 10, EDesktopCommand::Key, EKeyCategory::Operator, 4},
        {L'(', 10, EDesktopCommand::Key, EKeyCategory::Parenthesis, 0},
        {L')', 10, EDesktopCommand::Key, EKeyCategory::Parenthesis, 1},
        {L'=', 10, EDesktopCommand::Key, EKeyCategory::Equals, 0},
        {L'\r', 10, EDesktopCommand::Key, EKeyCategory::Equals, 0},
        {L'\b', 10, EDesktopCommand::Key, EKeyCategory::Clear, kClearBackspace},
        {0x1B, 10, EDesktopCommand::Key, EKeyCategory::Clear, kClearAll},
        {L'a', 16, EDesktopCommand::Key, EKeyCategory::Digit, 10},
        {L'F', 16, EDesktopCommand::Key, EKeyCategory::Digit, 15},
        {L'c', 12, EDesktopCommand::Key, EKeyCategory::Digit, 12},
    };
    for (const SCharRow& row : rows) {
        SCOPED_TRACE(testing::Message() << int(row.c) << " base " << row.base);
        const SDesktopKey key = DesktopKeyForChar(row.c, row.base);
        ASSERT_EQ(key.command, row.command);
        EXPECT_EQ(key.action.kind, EKeyAction::Core);
        EXPECT_EQ(key.action.category, row.category);
        EXPECT_EQ(key.action.index, row.index);
    }
}

TEST(DesktopKeys, CommandsAndIgnoredCharacters) {
    EXPECT_EQ(DesktopKeyForChar(0x03, 10).command, EDesktopCommand::CopyAnswer);
    EXPECT_EQ(DesktopKeyForChar(0x16, 10).command, EDesktopCommand::Paste);
    // Letters are hexadecimal digits only where the base has them.
    EXPECT_EQ(DesktopKeyForChar(L'a', 10).command, EDesktopCommand::None);
    EXPECT_EQ(DesktopKeyForChar(L'G', 16).command, EDesktopCommand::None);
    EXPECT_EQ(DesktopKeyForChar(L' ', 10).command, EDesktopCommand::None);
}

} // namespace
