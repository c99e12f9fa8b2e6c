#include "scientific/NumoraSettings.h"

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
    if (on != 0 && on != 1) {
        return 0;
    }
    m_clearType = on;
    return 1;
}

int CNumoraOptions::SetPlusMinus(int asMinus) {
    if (asMinus != 0 && asMinus != 1) {
        return 0;
    }
    m_plusMinus = asMinus;
    return 1;
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
// Seperator wins. Base, BaseBits and RpnStackSize are refused when the whole stored
// number is out of range (not only its low byte).
int CNumoraSettings::Load(const wchar_t* keyPath, CCalculator& calculator,
                          CNumoraOptions& options) {
    int all = 1;
    int present = 0;
    auto accept = [&](int accepted) { all = all && present && accepted; };
    CDisplayFormatter& formatter = calculator.GetFormatter();

    accept(formatter.SetSeparator(ReadOption(keyPath, L"UseComma", kDefaultSeparator, &present)));
    accept(options.SetClearType(ReadOption(keyPath, L"ClearType", 1, &present)));
    accept(options.SetPlusMinus(ReadOption(keyPath, L"PlusMinus", 0, &present)));
    accept(calculator.SetCalcMode(ReadOption(keyPath, L"CalcMode", kDefaultCalcMode, &present)));
    accept(formatter.SetNotation(ReadOption(keyPath, L"Notation", kDefaultNotation, &present)));
    accept(formatter.SetSeparator(ReadOption(keyPath, L"Seperator", kDefaultSeparator, &present)));
    accept(calculator.SetBase(ReadOption(keyPath, L"Base", kDefaultBase, &present)));
    accept(calculator.SetBaseBits(ReadOption(keyPath, L"BaseBits", kDefaultBits, &present)));
    accept(calculator.SetRpnDepth(
        ReadOption(keyPath, L"RpnStackSize", CRpnMode::kDefaultDepth, &present)));

    for (int k = 0; k < kRegisterCount; ++k) {
        wchar_t text[kRegisterCapacity];
        present = m_store.ReadString(keyPath, kMemoryNames[k], text, kRegisterCapacity);
        if (!present || !calculator.SetMemory(k, text)) {
            calculator.SetMemory(k, L"");
            all = 0;
        }
    }
    return all;
}

int CNumoraSettings::Save(const wchar_t* keyPath, const CCalculator& calculator,
                          const CNumoraOptions& options) {
    const CDisplayFormatter& formatter = calculator.GetFormatter();
    const uint32_t separator = static_cast<uint32_t>(formatter.GetSeparator());
    int all = 1;
    auto write = [&](const wchar_t* name, int value) {
        all = m_store.WriteDword(keyPath, name, static_cast<uint32_t>(value)) && all;
    };
    write(L"UseComma", static_cast<int>(separator));
    write(L"ClearType", options.GetClearType());
    write(L"PlusMinus", options.GetPlusMinus());
    write(L"CalcMode", calculator.GetCalcMode());
    write(L"Notation", formatter.GetNotation());
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
