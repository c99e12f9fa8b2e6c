#include "quadratic/ParabixKeys.h"

#include "calc/KeyTable.h"

namespace {

using SRow = SKeyRow<EParabixKey>;
constexpr EKeyEvent kChar = EKeyEvent::Char;
constexpr EKeyEvent kKeyUp = EKeyEvent::KeyUp;
constexpr EShiftState kEither = EShiftState::Either;
constexpr wchar_t kTab = 0x09;

const SRow kKeys[] = {
    {kChar, L'0', L'9', kEither, EParabixKey::Digit},
    {kChar, L'.', L'.', kEither, EParabixKey::DecimalPoint},
    {kChar, L'-', L'-', kEither, EParabixKey::MinusSign},
    {kChar, 0x08, 0x08, kEither, EParabixKey::Backspace},
    {kChar, 0x0D, 0x0D, kEither, EParabixKey::Enter},
    {kChar, kTab, kTab, EShiftState::Up, EParabixKey::NextField},
    {kChar, kTab, kTab, EShiftState::Down, EParabixKey::PreviousField},
    {kKeyUp, kVirtualKeyUp, kVirtualKeyUp, kEither, EParabixKey::PreviousField},
    {kKeyUp, kVirtualKeyDown, kVirtualKeyDown, kEither, EParabixKey::NextField},
};

} // namespace

EParabixKey ParabixKeyForChar(wchar_t c, int shift) {
    return LookUpKey(kKeys, kChar, c, shift, EParabixKey::None);
}

EParabixKey ParabixKeyForKeyUp(unsigned virtualKey) {
    return LookUpKey(kKeys, kKeyUp, virtualKey, 0, EParabixKey::None);
}
