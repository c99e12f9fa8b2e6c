#include "scientific/KeyScript.h"

#include "scientific/Calculator.h"
#include "scientific/TextBuffer.h"

namespace {

struct SKeyName {
    const wchar_t* name;
    EKeyCategory category;
    int index;
};

const SKeyName kKeyNames[] = {
    {L"0", EKeyCategory::Digit, 0},
    {L"1", EKeyCategory::Digit, 1},
    {L"2", EKeyCategory::Digit, 2},
    {L"3", EKeyCategory::Digit, 3},
    {L"4", EKeyCategory::Digit, 4},
    {L"5", EKeyCategory::Digit, 5},
    {L"6", EKeyCategory::Digit, 6},
    {L"7", EKeyCategory::Digit, 7},
    {L"8", EKeyCategory::Digit, 8},
    {L"9", EKeyCategory::Digit, 9},
    {L"A", EKeyCategory::Digit, 10},
    {L"B", EKeyCategory::Digit, 11},
    {L"D", EKeyCategory::Digit, 13},
    {L"F", EKeyCategory::Digit, 15},
    {L".", EKeyCategory::Digit, kDigitPoint},
    {L"+", EKeyCategory::Operator, 0},
    {L"-", EKeyCategory::Operator, 1},
    {L"\u00D7", EKeyCategory::Operator, 2},
    {L"*", EKeyCategory::Operator, 2},
    {L"\u00F7", EKeyCategory::Operator, 3},
    {L"/", EKeyCategory::Operator, 3},
    {L"^", EKeyCategory::Operator, 4},
    {L"r", EKeyCategory::Operator, 6},
    {L"P", EKeyCategory::Operator, 8},
    {L"R", EKeyCategory::Operator, 9},
    {L"X", EKeyCategory::Operator, 10},
    {L"<", EKeyCategory::Operator, 11},
    {L"Y", EKeyCategory::Operator, 12},
    {L"&", EKeyCategory::Operator, 13},
    {L"|", EKeyCategory::Operator, 14},
    {L"x", EKeyCategory::Operator, 15},
    {L"n", EKeyCategory::Operator, 16},
    {L"%", EKeyCategory::Operator, 17},
    {L"cos", EKeyCategory::Function, 0},
    {L"sin", EKeyCategory::Function, 1},
    {L"tan", EKeyCategory::Function, 2},
    {L"acos", EKeyCategory::Function, 3},
    {L"asin", EKeyCategory::Function, 4},
    {L"atan", EKeyCategory::Function, 5},
    {L"cosh", EKeyCategory::Function, 6},
    {L"sinh", EKeyCategory::Function, 7},
    {L"tanh", EKeyCategory::Function, 8},
    {L"acsh", EKeyCategory::Function, 9},
    {L"asnh", EKeyCategory::Function, 10},
    {L"atnh", EKeyCategory::Function, 11},
    {L"drg>", EKeyCategory::Function, kFunctionConvertAngle},
    {L"drg", EKeyCategory::Function, kFunctionCycleAngle},
    {L"log", EKeyCategory::Function, 14},
    {L"ln", EKeyCategory::Function, 15},
    {L"log2", EKeyCategory::Function, 16},
    {L"abs", EKeyCategory::Function, 17},
    {L"\u00B1", EKeyCategory::Function, kFunctionSign},
    {L"+/-", EKeyCategory::Function, kFunctionSign},
    {L"pm", EKeyCategory::Function, kFunctionSign},
    {L"dc", EKeyCategory::Function, 19},
    {L"dms", EKeyCategory::Function, 20},
    {L"inv", EKeyCategory::Function, kFunctionInverse},
    {L"sqrd", EKeyCategory::Function, kFunctionSquare},
    {L"cbd", EKeyCategory::Function, kFunctionCube},
    {L"sqrt", EKeyCategory::Function, 24},
    {L"crt", EKeyCategory::Function, 25},
    {L"e^", EKeyCategory::Function, 26},
    {L"10^", EKeyCategory::Function, 27},
    {L"!", EKeyCategory::Function, 28},
    {L"sum", EKeyCategory::Function, 29},
    {L"pct", EKeyCategory::Function, kFunctionPercent},
    {L"rand", EKeyCategory::Function, 31},
    {L"(", EKeyCategory::Parenthesis, 0},
    {L")", EKeyCategory::Parenthesis, 1},
    {L"=", EKeyCategory::Equals, 0},
    {L"enter", EKeyCategory::Equals, 0},
    {L"ans", EKeyCategory::Constant, kConstantAnswer},
    {L"pi", EKeyCategory::Constant, 0},
    {L"e", EKeyCategory::Constant, 1},
    {L"c", EKeyCategory::Constant, 2},
    {L"G", EKeyCategory::Constant, 3},
    {L"me", EKeyCategory::Constant, 4},
    {L"mp", EKeyCategory::Constant, 5},
    {L"mn", EKeyCategory::Constant, 6},
    {L"mmu", EKeyCategory::Constant, 7},
    {L"NA", EKeyCategory::Constant, 8},
    {L"qe", EKeyCategory::Constant, 9},
    {L"alpha", EKeyCategory::Constant, 10},
    {L"sigma", EKeyCategory::Constant, 11},
    {L"h", EKeyCategory::Constant, 12},
    {L"Rgas", EKeyCategory::Constant, 13},
    {L"k", EKeyCategory::Constant, 14},
    {L"mu0", EKeyCategory::Constant, 15},
    {L"Faraday", EKeyCategory::Constant, 16},
    {L"AU", EKeyCategory::Constant, 17},
    {L"g", EKeyCategory::Constant, 18},
    {L"amu", EKeyCategory::Constant, 19},
    {L"eps0", EKeyCategory::Constant, kConstantVacuumPermittivity},
    {L"2ndf", EKeyCategory::Layer, 0},
    {L"hyp", EKeyCategory::Layer, 1},
    {L"clear", EKeyCategory::Clear, kClearAll},
    {L"ce", EKeyCategory::Clear, kClearEntry},
    {L"bs", EKeyCategory::Clear, kClearBackspace},
    {L"copy", EKeyCategory::Clipboard, 0},
    {L"copyexpr", EKeyCategory::Clipboard, 1},
    {L"paste", EKeyCategory::Clipboard, 2},
};

struct SMemoryName {
    const wchar_t* prefix;
    EScriptAction action;
};

const SMemoryName kMemoryNames[] = {
    {L"sto", EScriptAction::Store},
    {L"rcl", EScriptAction::Recall},
    {L"m+", EScriptAction::MemoryAdd},
    {L"m-", EScriptAction::MemorySubtract},
};

const wchar_t kRegisterNames[] = L"12ABCDEF";

int StartsWith(const wchar_t* text, const wchar_t* prefix) {
    while (*prefix) {
        if (*text++ != *prefix++) {
            return 0;
        }
    }
    return 1;
}

// A decimal integer of at most six digits with an optional "-", filling the whole text.
int ParseInteger(const wchar_t* text, int* value) {
    int sign = 1;
    if (*text == L'-') {
        sign = -1;
        ++text;
    }
    int digits = 0;
    int result = 0;
    for (; *text; ++text) {
        if (*text < L'0' || *text > L'9' || ++digits > 6) {
            return 0;
        }
        result = result * 10 + (*text - L'0');
    }
    *value = sign * result;
    return digits > 0;
}

int RegisterIndex(const wchar_t* name) {
    if (!name || !name[0] || name[1]) {
        return -1;
    }
    return TextFindChar(kRegisterNames, name[0]);
}

int IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r';
}

} // namespace

int CKeyScript::ParseName(const wchar_t* name, const wchar_t* next, int* consumedNext,
                          SScriptKey* key) {
    *consumedNext = 0;
    for (const SKeyName& entry : kKeyNames) {
        if (TextEquals(name, entry.name)) {
            key->category = entry.category;
            key->index = entry.index;
            return 1;
        }
    }
    if (TextEquals(name, L"E") || TextEquals(name, L"C")) {
        key->action = EScriptAction::DigitOrOperator;
        key->category = EKeyCategory::Digit;
        key->index = name[0] == L'E' ? 14 : 12;
        key->alternative = name[0] == L'E' ? 5 : 7;
        return 1;
    }
    if (TextEquals(name, L"up") || TextEquals(name, L"down")) {
        key->action = EScriptAction::Arrow;
        key->index = name[0] == L'u' ? 38 : 40;
        return 1;
    }
    for (const SMemoryName& memory : kMemoryNames) {
        if (!StartsWith(name, memory.prefix)) {
            continue;
        }
        const wchar_t* registerName = name + TextLength(memory.prefix);
        if (!registerName[0]) {
            registerName = next;
            *consumedNext = 1;
        }
        key->action = memory.action;
        key->index = RegisterIndex(registerName);
        return key->index >= 0;
    }
    int value = 0;
    if (StartsWith(name, L"base:") && ParseInteger(name + 5, &value)) {
        key->category = EKeyCategory::Base;
        key->index = value;
        return 1;
    }
    if (StartsWith(name, L"const:") && ParseInteger(name + 6, &value)) {
        key->category = EKeyCategory::Constant;
        key->index = value;
        return 1;
    }
    // key:CATEGORY:INDEX presses any key of the eleven categories, out-of-range
    // indexes included.
    if (StartsWith(name, L"key:")) {
        const int colon = TextFindChar(name + 4, L':');
        wchar_t category[8] = {};
        int categoryValue = 0;
        if (colon > 0 && TextCopyLeft(category, 8, name + 4, colon) &&
            ParseInteger(category, &categoryValue) && categoryValue >= 0 &&
            categoryValue < kKeyCategoryCount && ParseInteger(name + 5 + colon, &value)) {
            key->category = static_cast<EKeyCategory>(categoryValue);
            key->index = value;
            return 1;
        }
    }
    return 0;
}

int CKeyScript::Parse(const wchar_t* script) {
    m_keys.clear();
    m_error[0] = 0;
    if (!script) {
        return 1;
    }
    // Split into blank-separated names first, so a memory key can take its register
    // from the name after it.
    std::vector<std::vector<wchar_t>> names;
    for (const wchar_t* p = script; *p;) {
        while (IsBlank(*p)) {
            ++p;
        }
        if (!*p) {
            break;
        }
        std::vector<wchar_t> name;
        while (*p && !IsBlank(*p)) {
            name.push_back(*p++);
        }
        name.push_back(0);
        names.push_back(std::move(name));
    }
    for (size_t i = 0; i < names.size(); ++i) {
        SScriptKey key;
        const wchar_t* name = names[i].data();
        const wchar_t* next = i + 1 < names.size() ? names[i + 1].data() : L"";
        int consumedNext = 0;
        if (TextLength(name) >= SScriptKey::kNameCapacity ||
            !ParseName(name, next, &consumedNext, &key)) {
            TextCopyLeft(m_error, SScriptKey::kNameCapacity, name, SScriptKey::kNameCapacity - 1);
            m_keys.clear();
            return 0;
        }
        TextCopy(key.name, SScriptKey::kNameCapacity, name);
        if (consumedNext) {
            TextAppend(key.name, SScriptKey::kNameCapacity, L" ");
            TextAppend(key.name, SScriptKey::kNameCapacity, next);
            ++i;
        }
        m_keys.push_back(key);
    }
    return 1;
}

int CKeyScript::Press(CCalculator& calculator, const SScriptKey& key) {
    switch (key.action) {
    case EScriptAction::Press:
        return calculator.PressKey(key.category, key.index);
    case EScriptAction::DigitOrOperator:
        return calculator.GetBase() > key.index ? calculator.DigitKey(key.index)
                                                : calculator.OperatorKey(key.alternative);
    case EScriptAction::Store:
        return calculator.StoreMemory(key.index);
    case EScriptAction::Recall:
        return calculator.RecallMemory(key.index);
    case EScriptAction::MemoryAdd:
        return calculator.AddToMemory(key.index);
    case EScriptAction::MemorySubtract:
        return calculator.SubtractFromMemory(key.index);
    case EScriptAction::Arrow:
        return calculator.ArrowKey(key.index);
    }
    return 0;
}

int CKeyScript::Run(CCalculator& calculator,
                    const std::function<void(const SScriptKey&, int)>& afterKey) const {
    int accepted = 0;
    for (const SScriptKey& key : m_keys) {
        const int ok = Press(calculator, key);
        accepted += ok;
        if (afterKey) {
            afterKey(key, ok);
        }
    }
    return accepted;
}

const char* KeyScriptHelp() {
    return "Key names (separated by blanks):\n"
           "  digits      0-9 A-F .        (E and C are digits in bases above 14 and 12,\n"
           "                                the operators E and C otherwise)\n"
           "  operators   + - \xC3\x97 \xC3\xB7 ^ E r C P R X < Y & | x n %   (* and / for "
           "\xC3\x97 "
           "and \xC3\xB7)\n"
           "  functions   cos sin tan acos asin atan cosh sinh tanh acsh asnh atnh\n"
           "              log ln log2 abs dc dms inv sqrd cbd sqrt crt e^ 10^ ! sum rand\n"
           "              \xC2\xB1 (or +/- or pm) sign change, pct percent,\n"
           "              drg> convert to the next angle unit, drg next angle unit\n"
           "  ( )         parentheses (RPN: swap X and Y, roll down)\n"
           "  = enter     equals (RPN: Enter)\n"
           "  ans         the last answer\n"
           "  constants   pi e c G me mp mn mmu NA qe alpha sigma h Rgas k mu0 Faraday AU g amu\n"
           "              eps0, or const:N for constant key N\n"
           "  memories    sto R, rcl R, m+ R, m- R with R one of 1 2 A B C D E F\n"
           "  2ndf hyp    keypad layers\n"
           "  clear ce bs clear all, clear entry, backspace\n"
           "  up down     step through the expression history (Expression mode)\n"
           "  copy copyexpr paste   clipboard\n"
           "  base:N      change to base N (2..16)\n"
           "  key:C:I     press key I of category C (0 digits ... 10 bases)\n";
}
