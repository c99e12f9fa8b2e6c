#include "scientific/NumoraSettings.h"

#include "engine/ZoqStoreValue.h"
#include "scientific/Calculator.h"
#include "ui/ZoqSettingsStore.h"

namespace {

const wchar_t* const kMemoryNames[kRegisterCount] = {
    L"Memory1", L"Memory2", L"MemoryA", L"MemoryB", L"MemoryC", L"MemoryD", L"MemoryE", L"MemoryF"};

constexpr int kDefaultCalcMode = kModeExpression;
constexpr int kDefaultNotation = 0;
constexpr int kDefaultSeparator = 0;
constexpr int kDefaultBase = 10;
constexpr int kDefaultBits = 32;

} // namespace

const wchar_t* MemoryValueName(int registerIndex) {
    return registerIndex >= 0 && registerIndex < kRegisterCount ? kMemoryNames[registerIndex]
                                                                : nullptr;
}

int CNumoraOptions::SetClearType(int on) {
    return ZoqStoreFlag(on, &m_clearType);
}

int CNumoraOptions::SetPlusMinus(int asMinus) {
    return ZoqStoreFlag(asMinus, &m_plusMinus);
}

// A stored DWORD that does not fit an int is out of every option's range; it is
// handed on as -1 so the setter refuses it.
int CNumoraSettings::ReadOption(const wchar_t* keyPath, const wchar_t* name, int defaultValue,
                                int* present) {
    uint32_t value = 0;
    if (!m_store.ReadDword(keyPath, name, &value)) {
        *present = 0;
        return defaultValue;
    }
    *present = 1;
    return value > 0x7FFFFFFFu ? -1 : static_cast<int>(value);
}

// Options are applied in the stored order; UseComma comes before Seperator, so
// Seperator wins. A value the holder refuses counts as missing: its default applies,
// except that a missing or refused Seperator keeps what UseComma set: both hold the
// same setting, and a damaged copy must not overrule the good one.
// Base, BaseBits and RpnStackSize are refused when the whole stored number is out of
// range, not only its low byte.
int CNumoraSettings::Load(const wchar_t* keyPath, CCalculator& calculator,
                          CNumoraOptions& options) {
    int all = 1;
    auto apply = [&](const wchar_t* name, int defaultValue, auto&& setter) {
        int present = 0;
        const int value = ReadOption(keyPath, name, defaultValue, &present);
        if (!present || !setter(value)) {
            setter(defaultValue);
            all = 0;
        }
    };
    apply(L"UseComma", kDefaultSeparator, [&](int v) { return calculator.SetSeparator(v); });
    apply(L"ClearType", 1, [&](int v) { return options.SetClearType(v); });
    apply(L"PlusMinus", 0, [&](int v) { return options.SetPlusMinus(v); });
    apply(L"CalcMode", kDefaultCalcMode, [&](int v) { return calculator.SetCalcMode(v); });
    apply(L"Notation", kDefaultNotation, [&](int v) { return calculator.SetNotation(v); });
    apply(L"Seperator", calculator.GetSeparator(),
          [&](int v) { return calculator.SetSeparator(v); });
    apply(L"Base", kDefaultBase, [&](int v) { return calculator.SetBase(v); });
    apply(L"BaseBits", kDefaultBits, [&](int v) { return calculator.SetBaseBits(v); });
    apply(L"RpnStackSize", CRpnMode::kDefaultDepth,
          [&](int v) { return calculator.SetRpnDepth(v); });

    for (int k = 0; k < kRegisterCount; ++k) {
        wchar_t text[kRegisterCapacity];
        if (!m_store.ReadString(keyPath, kMemoryNames[k], text, kRegisterCapacity) ||
            !calculator.SetMemory(k, text)) {
            calculator.SetMemory(k, L"");
            all = 0;
        }
    }
    return all;
}

int CNumoraSettings::Save(const wchar_t* keyPath, const CCalculator& calculator,
                          const CNumoraOptions& options) {
    const uint32_t separator = static_cast<uint32_t>(calculator.GetSeparator());
    int all = 1;
    auto write = [&](const wchar_t* name, int value) {
        all = m_store.WriteDword(keyPath, name, static_cast<uint32_t>(value)) && all;
    };
    write(L"UseComma", static_cast<int>(separator));
    write(L"ClearType", options.GetClearType());
    write(L"PlusMinus", options.GetPlusMinus());
    write(L"CalcMode", calculator.GetCalcMode());
    write(L"Notation", calculator.GetNotation());
    write(L"Seperator", static_cast<int>(separator));
    write(L"Base", calculator.GetBase());
    write(L"BaseBits", calculator.GetBaseBits());
    write(L"RpnStackSize", calculator.GetRpnDepth());
    for (int k = 0; k < kRegisterCount; ++k) {
        const wchar_t* text = calculator.GetMemory(k);
        all = m_store.WriteString(keyPath, kMemoryNames[k], text[0] ? text : L"0") && all;
    }
    return all;
}
