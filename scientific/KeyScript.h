#pragma once

#include "scientific/KeyTables.h"

#include <functional>
#include <vector>

class CCalculator;

enum class EScriptAction {
    Press,           // category + index
    DigitOrOperator, // "E" and "C": a digit where the base has it, else the operator
    Store,
    Recall,
    MemoryAdd,
    MemorySubtract,
    Arrow, // index is the virtual-key code
};

struct SScriptKey {
    static constexpr int kNameCapacity = 24;
    EScriptAction action = EScriptAction::Press;
    EKeyCategory category = EKeyCategory::Digit;
    int index = 0;
    // The operator of a DigitOrOperator key.
    int alternative = 0;
    wchar_t name[kNameCapacity] = {};
};

// Reads a key script: key names as a user reads them on the keypad, separated by
// blanks ("2 + 3 × 4 ="). See KeyScriptHelp() for the names.
class CKeyScript {
public:
    // 1 when every name was known; 0 at the first unknown one (see ErrorName()).
    int Parse(const wchar_t* script);
    const std::vector<SScriptKey>& Keys() const { return m_keys; }
    const wchar_t* ErrorName() const { return m_error; }

    // Presses the keys in order; `afterKey` (when given) sees each key and whether the
    // calculator accepted it. Returns the number of accepted keys.
    int Run(CCalculator& calculator,
            const std::function<void(const SScriptKey&, int accepted)>& afterKey = {}) const;

    // Presses one key.
    static int Press(CCalculator& calculator, const SScriptKey& key);

private:
    int ParseName(const wchar_t* name, const wchar_t* next, int* consumedNext, SScriptKey* key);

    std::vector<SScriptKey> m_keys;
    wchar_t m_error[SScriptKey::kNameCapacity] = {};
};

// The key names, for --help.
const char* KeyScriptHelp();
