#include "scientific/app/DesktopKeys.h"

namespace {

constexpr wchar_t kCtrlC = 0x03;
constexpr wchar_t kBackspace = 0x08;
constexpr wchar_t kEnter = 0x0D;
constexpr wchar_t kCtrlV = 0x16;
constexpr wchar_t kEscape = 0x1B;

SDesktopKey Key(EKeyCategory category, int index) {
    return SDesktopKey{EDesktopCommand::Key, SKeyAction{EKeyAction::Core, category, index, -1}};
}

SDesktopKey Command(EDesktopCommand command) {
    return SDesktopKey{command, SKeyAction{EKeyAction::None, EKeyCategory::Digit, 0, -1}};
}

int OperatorIndex(wchar_t c) {
    switch (c) {
    case L'+':
        return 0;
    case L'-':
        return kOperatorMinus;
    case L'*':
    case L'\u00d7':
        return kOperatorTimes;
    case L'/':
    case L'\u00f7':
        return 3;
    case L'^':
        return 4;
    default:
        return -1;
    }
}

} // namespace

SDesktopKey DesktopKeyForChar(wchar_t c, int base) {
    if (c >= L'0' && c <= L'9') {
        return Key(EKeyCategory::Digit, c - L'0');
    }
    if (base > 10 && c >= L'a' && c <= L'f') {
        c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    if (base > 10 && c >= L'A' && c <= L'F') {
        return Key(EKeyCategory::Digit, 10 + (c - L'A'));
    }
    const int op = OperatorIndex(c);
    if (op >= 0) {
        return Key(EKeyCategory::Operator, op);
    }
    switch (c) {
    case L'.':
    case L',':
        return Key(EKeyCategory::Digit, kDigitPoint);
    case L'(':
        return Key(EKeyCategory::Parenthesis, 0);
    case L')':
        return Key(EKeyCategory::Parenthesis, 1);
    case L'=':
    case kEnter:
        return Key(EKeyCategory::Equals, 0);
    case kBackspace:
        return Key(EKeyCategory::Clear, kClearBackspace);
    case kEscape:
        return Key(EKeyCategory::Clear, kClearAll);
    case kCtrlC:
        return Command(EDesktopCommand::CopyAnswer);
    case kCtrlV:
        return Command(EDesktopCommand::Paste);
    default:
        return Command(EDesktopCommand::None);
    }
}
