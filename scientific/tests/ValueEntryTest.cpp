#include "CoreFixture.h"

#include "scientific/AlgebraicMode.h"
#include "scientific/ChainMode.h"

#include <string>

namespace {

// The modes that keep X apart from the pending expression, built fresh for each row.
std::unique_ptr<CDalMode> MakeXMode(int mode) {
    switch (mode) {
    case kModeAlgebraic:
        return std::make_unique<CAlgebraicMode>();
    case kModeChain:
        return std::make_unique<CChainMode>();
    case kModeRpn:
        return std::make_unique<CRpnMode>();
    default:
        return std::make_unique<CDalMode>();
    }
}

std::wstring Secondary(const CExpressionMode& mode) {
    wchar_t text[kLineCapacity];
    mode.GetSecondaryText(text, kLineCapacity);
    return text;
}

const int kXModes[] = {kModeAlgebraic, kModeDal, kModeChain, kModeRpn};

class ValueEntryTest : public CoreFixture {};

} // namespace

// A recalled or pasted value either fits X whole or is refused with X, the indicator
// and the state as they were.
TEST_F(ValueEntryTest, PutValueFitsXWholeOrChangesNothing) {
    const std::wstring longest(kValueCapacity - 1, L'7');
    const std::wstring tooLong(kValueCapacity, L'7');
    for (int modeIndex : kXModes) {
        SCOPED_TRACE("mode " + std::to_string(modeIndex));
        std::unique_ptr<CDalMode> mode = MakeXMode(modeIndex);
        ASSERT_EQ(1, mode->DigitKey(4));
        ASSERT_EQ(1, mode->OperatorKey(kOperatorTimes));
        ASSERT_EQ(1, mode->DigitKey(2));
        const std::wstring secondary = Secondary(*mode);
        const int state = mode->GetState();

        EXPECT_EQ(0, mode->PutValue(tooLong.c_str()));
        EXPECT_EQ(0, mode->PutValue(nullptr));
        EXPECT_EQ(L"2", std::wstring(mode->GetX()));
        EXPECT_EQ(secondary, Secondary(*mode));
        EXPECT_EQ(state, mode->GetState());

        EXPECT_EQ(1, mode->PutValue(longest.c_str()));
        EXPECT_EQ(longest, std::wstring(mode->GetX()));
        EXPECT_EQ(L"", Secondary(*mode));
        EXPECT_EQ(kStateValue, mode->GetState());
    }
}

// The secondary text is the expression line or the operator indicator; a text too
// long for it leaves it empty, never a stale one.
TEST_F(ValueEntryTest, SecondaryTextTooLongLeavesItEmpty) {
    struct SRow {
        const char* name;
        std::unique_ptr<CExpressionMode> mode;
        int capacity;
    };
    SRow rows[] = {
        {"expression line", std::make_unique<CExpressionMode>(), kLineCapacity},
        {"D.A.L. indicator", std::make_unique<CDalMode>(), 16},
    };
    for (SRow& row : rows) {
        SCOPED_TRACE(row.name);
        const std::wstring fits(row.capacity - 1, L'1');
        row.mode->SetSecondaryText(fits.c_str());
        EXPECT_EQ(fits, Secondary(*row.mode));
        row.mode->SetSecondaryText(std::wstring(row.capacity, L'1').c_str());
        EXPECT_EQ(L"", Secondary(*row.mode));
    }
}

// RPN shares D.A.L.'s clear keys but for two: clear all leaves the stack new, and
// backspace edits only a number being typed (never a result left after ")").
TEST_F(ValueEntryTest, ClearKeysOfDalAndRpn) {
    struct SRow {
        int mode;
        int kind;
        int accepted;
        const wchar_t* x;
        int state;
    };
    // Every row starts from "1 2" typed.
    const SRow rows[] = {
        {kModeDal, kClearBackspace, 1, L"1", kStateTyping},
        {kModeRpn, kClearBackspace, 1, L"1", kStateTyping},
        {kModeDal, kClearEntry, 1, L"", kStateCleared},
        {kModeRpn, kClearEntry, 1, L"", kStateCleared},
        {kModeDal, kClearAll, 1, L"", kStateCleared},
        {kModeRpn, kClearAll, 1, L"", kStateNew},
        {kModeDal, kClearAllAlgebraic, 1, L"", kStateCleared},
        {kModeRpn, kClearAllAlgebraic, 1, L"", kStateNew},
        {kModeDal, 4, 0, L"12", kStateTyping},
        {kModeRpn, 4, 0, L"12", kStateTyping},
    };
    for (const SRow& row : rows) {
        SCOPED_TRACE("mode " + std::to_string(row.mode) + " clear " + std::to_string(row.kind));
        std::unique_ptr<CDalMode> mode = MakeXMode(row.mode);
        ASSERT_EQ(1, mode->DigitKey(1));
        ASSERT_EQ(1, mode->DigitKey(2));
        EXPECT_EQ(row.accepted, mode->ClearKey(row.kind));
        EXPECT_EQ(row.x, std::wstring(mode->GetX()));
        EXPECT_EQ(row.state, mode->GetState());
    }

    // After ")" D.A.L. still edits the value in X; RPN edits no value it was given.
    std::unique_ptr<CDalMode> dal = MakeXMode(kModeDal);
    ASSERT_EQ(1, dal->ParenthesisKey(0));
    ASSERT_EQ(1, dal->DigitKey(3));
    ASSERT_EQ(1, dal->DigitKey(4));
    ASSERT_EQ(1, dal->ParenthesisKey(1));
    const std::wstring closed = dal->GetX();
    ASSERT_FALSE(closed.empty());
    EXPECT_EQ(1, dal->ClearKey(kClearBackspace));
    EXPECT_EQ(closed.substr(0, closed.size() - 1), std::wstring(dal->GetX()));
    std::unique_ptr<CDalMode> rpn = MakeXMode(kModeRpn);
    ASSERT_EQ(1, rpn->PutValue(L"34"));
    EXPECT_EQ(0, rpn->ClearKey(kClearBackspace));
    EXPECT_EQ(L"34", std::wstring(rpn->GetX()));
}
