#include "regression/TrendoraKeys.h"

#include "calc/KeyTable.h"

namespace {

using SRow = SKeyRow<ETrendoraKey>;
constexpr EKeyEvent kChar = EKeyEvent::Char;
constexpr EKeyEvent kKeyUp = EKeyEvent::KeyUp;
constexpr EShiftState kEither = EShiftState::Either;

const SRow kKeys[] = {
    {kChar, L'0', L'9', kEither, ETrendoraKey::Digit},
    {kChar, 0x08, 0x08, kEither, ETrendoraKey::Backspace},
    {kChar, 0x0D, 0x0D, kEither, ETrendoraKey::Enter},
    {kChar, L'=', L'=', kEither, ETrendoraKey::Enter},
    {kChar, L'.', L'.', kEither, ETrendoraKey::DecimalPoint},
    {kChar, L'c', L'c', kEither, ETrendoraKey::ClearAll},
    {kChar, L'g', L'g', kEither, ETrendoraKey::Graph},
    {kChar, L'p', L'p', kEither, ETrendoraKey::ChangeSign},
    {kChar, L'm', L'm', kEither, ETrendoraKey::CompareModels},
    {kChar, L'r', L'r', kEither, ETrendoraKey::Residuals},
    {kChar, 0x03, 0x03, kEither, ETrendoraKey::CopyData},  // Ctrl+C
    {kChar, 0x16, 0x16, kEither, ETrendoraKey::PasteData}, // Ctrl+V
    {kKeyUp, kVirtualKeyUp, kVirtualKeyUp, kEither, ETrendoraKey::ToggleField},
    {kKeyUp, kVirtualKeyDown, kVirtualKeyDown, kEither, ETrendoraKey::ToggleField},
};

} // namespace

ETrendoraKey TrendoraKeyForChar(wchar_t c) {
    return LookUpKey(kKeys, kChar, c, 0, ETrendoraKey::None);
}

ETrendoraKey TrendoraKeyForKeyUp(unsigned virtualKey) {
    return LookUpKey(kKeys, kKeyUp, virtualKey, 0, ETrendoraKey::None);
}
