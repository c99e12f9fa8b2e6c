#include "scientific/DalMode.h"

namespace {

int InState(int state, std::initializer_list<int> states) {
    for (int s : states) {
        if (state == s) {
            return 1;
        }
    }
    return 0;
}

} // namespace

int CDalMode::GetDisplayText(wchar_t* out, int capacity) const {
    return TextCopy(out, capacity, m_x.Get());
}

int CDalMode::GetSecondaryText(wchar_t* out, int capacity) const {
    return TextCopy(out, capacity, m_indicator.Get());
}

void CDalMode::SetSecondaryText(const wchar_t* text) {
    m_indicator.SetOrClear(text);
}

const wchar_t* CDalMode::GetLevelText(int level) const {
    return level >= 0 && level < kLevels ? m_levels[level].Get() : L"";
}

int CDalMode::IsImmediateFunction(int index) const {
    return (index >= kFunctionSign && index <= 29) || index == 31;
}

int CDalMode::AcceptsCloseInState(int state) const {
    return InState(state, {kStateTyping, kStateParenthesis, kStateValue});
}

int CDalMode::AppendOperand(int level, CFixedText<kLineCapacity>* text) const {
    if (!text->Append(m_x.Get())) {
        return 0;
    }
    for (int i = 0; i < m_openFunctions[level]; ++i) {
        if (!text->Append(L")")) {
            return 0;
        }
    }
    return 1;
}

void CDalMode::CloseLevel(int level) {
    CFixedText<kLineCapacity> text = m_levels[level];
    wchar_t result[kResultCapacity];
    if (AppendOperand(level, &text)) {
        Evaluate(text.Get(), result, kResultCapacity);
    } else {
        TextCopy(result, kResultCapacity, L"syntax error");
    }
    if (!m_x.Set(result)) {
        m_x.Set(L"syntax error");
    }
    m_levels[level].Clear();
    m_openFunctions[level] = 0;
}

void CDalMode::EvaluateAll() {
    for (; m_level >= 0; --m_level) {
        CloseLevel(m_level);
    }
    m_level = 0;
    m_answer = m_x;
    m_indicator.Set(L"=");
    m_state = kStateEquals;
}

int CDalMode::DigitKey(int index) {
    const wchar_t digit = DigitChar(index);
    if (!digit || index == kDigitExponent) {
        return 0;
    }
    const int point = index == kDigitPoint;
    if (point ? Base() != 10 : index >= Base()) {
        return 0;
    }
    CFixedText<kValueCapacity> x = m_x;
    if (InState(m_state,
                {kStateOperator, kStateFunction, kStateEquals, kStateValue, kStateParenthesis})) {
        x.Clear();
    }
    if (point && TextFindChar(x.Get(), L'.') >= 0) {
        return 0;
    }
    if (!point && x.Equals(L"0")) {
        if (index == 0) {
            return 0;
        }
        x.Clear();
    }
    if (x.Length() >= kMaxTyped) {
        return 0;
    }
    if (point && x.IsEmpty()) {
        x.Set(L"0");
    }
    x.AppendChar(digit);
    // A number typed right after ")" multiplies the parenthesis: (2+3)4 is 5×4.
    if (m_state == kStateParenthesis && !OperatorKey(kOperatorTimes)) {
        return 0;
    }
    m_x = x;
    m_state = kStateTyping;
    return 1;
}

int CDalMode::OperatorKey(int index) {
    const wchar_t op = OperatorChar(index);
    if (!op) {
        return 0;
    }
    const wchar_t opText[2] = {op, 0};
    CFixedText<kLineCapacity> level = m_levels[m_level];
    if (m_state == kStateOperator) {
        level.RemoveLast();
        if (!level.Append(opText)) {
            return 0;
        }
        m_levels[m_level] = level;
        m_indicator.Set(opText);
        return 1;
    }
    if (!InState(m_state, {kStateTyping, kStateParenthesis, kStateEquals, kStateValue})) {
        return 0;
    }
    if (!AppendOperand(m_level, &level) || !level.Append(opText)) {
        return 0;
    }
    m_levels[m_level] = level;
    m_openFunctions[m_level] = 0;
    m_previous = m_x;
    m_x.Clear();
    m_indicator.Set(opText);
    m_state = kStateOperator;
    return 1;
}

int CDalMode::EqualsKey(int index) {
    if (index != 0 || InState(m_state, {kStateFunction, kStateEquals, kStateCleared, kStateNew})) {
        return 0;
    }
    EvaluateAll();
    return 1;
}

int CDalMode::OpenLevel() {
    if (m_level >= kMaxLevel) {
        return 0;
    }
    ++m_level;
    m_levels[m_level].Clear();
    m_openFunctions[m_level] = 0;
    m_indicator.Set(L"(");
    m_state = kStateCleared;
    return 1;
}

int CDalMode::ParenthesisKey(int index) {
    if (index == 0) {
        if (m_level >= kMaxLevel) {
            return 0;
        }
        if (!TakeXBeforeOpening()) {
            return 0;
        }
        return OpenLevel();
    }
    if (index != 1 || m_level == 0 || !AcceptsCloseInState(m_state)) {
        return 0;
    }
    CloseLevel(m_level);
    --m_level;
    m_indicator.Set(L")");
    m_state = kStateParenthesis;
    return 1;
}

int CDalMode::Percent() {
    CFixedText<kLineCapacity> text;
    const wchar_t last = m_levels[m_level].Last();
    if ((last == L'+' || last == L'-') && m_state == kStateTyping) {
        text.Set(m_previous.Get());
        text.Append(L"*");
    }
    if (!text.Append(m_x.Get()) || !text.Append(L"*0.01")) {
        return 0;
    }
    wchar_t result[kResultCapacity];
    Evaluate(text.Get(), result, kResultCapacity);
    if (!m_x.Set(result)) {
        return 0;
    }
    return 1;
}

int CDalMode::ActOnX(const wchar_t* functionText) {
    if (m_state == kStateOperator) {
        return 0;
    }
    CFixedText<kValueCapacity> x = m_x;
    if (m_state == kStateCleared || m_state == kStateNew) {
        x.Set(L"0");
    }
    if (x.IsEmpty()) {
        return 0;
    }
    CFixedText<kLineCapacity> text;
    text.Set(functionText);
    text.Append(x.Get());
    text.Append(L")");
    wchar_t result[kResultCapacity];
    Evaluate(text.Get(), result, kResultCapacity);
    return TakeValue(result);
}

// The angle keys leave the value state with X possibly empty; an empty X is no factor.
int CDalMode::MultiplyByX() {
    return m_x.IsEmpty() ? 1 : OperatorKey(kOperatorTimes);
}

// What stands in X before a "(" or a prefix function opens: a number there is a factor,
// a finished result gives way.
int CDalMode::TakeXBeforeOpening() {
    if (InState(m_state, {kStateTyping, kStateParenthesis, kStateValue})) {
        return MultiplyByX();
    }
    if (m_state == kStateEquals) {
        m_x.Clear();
    }
    return 1;
}

int CDalMode::PrefixFunction(const wchar_t* text) {
    // Room for X, the operator and the function text, so that nothing is half done.
    if (m_levels[m_level].Length() + m_x.Length() + m_openFunctions[m_level] + 2 +
            TextLength(text) >=
        kLineCapacity) {
        return 0;
    }
    if (!TakeXBeforeOpening()) {
        return 0;
    }
    ++m_openFunctions[m_level];
    CFixedText<16> name;
    name.Set(text);
    name.RemoveLast();
    m_indicator = name;
    m_levels[m_level].Append(text);
    m_state = kStateFunction;
    return 1;
}

int CDalMode::FunctionKey(int index) {
    const wchar_t* text = FunctionText(index);
    if (index == kFunctionConvertAngle || index == kFunctionCycleAngle) {
        CFixedText<kValueCapacity> x = m_x;
        if (!ConvertAngle(index == kFunctionConvertAngle ? x.text : nullptr, x.kCapacity)) {
            return 0;
        }
        m_x = x;
        if (SetsStateAfterAngleOrPercent()) {
            m_state = kStateValue;
        }
        return 1;
    }
    if (!text) {
        return 0;
    }
    if (index == kFunctionPercent) {
        if (!Percent()) {
            return 0;
        }
        if (SetsStateAfterAngleOrPercent()) {
            m_state = kStateValue;
        }
        return 1;
    }
    return IsImmediateFunction(index) ? ActOnX(text) : PrefixFunction(text);
}

int CDalMode::ConstantKey(int index) {
    if (Base() != 10) {
        return 0;
    }
    const wchar_t* text = ConstantText(index);
    if (index == kConstantAnswer) {
        text = m_answer.IsEmpty() ? L"0" : m_answer.Get();
    }
    if (!text) {
        return 0;
    }
    wchar_t value[kResultCapacity];
    Evaluate(text, value, kResultCapacity);
    return PutValue(value);
}

int CDalMode::FitsX(const wchar_t* text) {
    return text && TextLength(text) < kValueCapacity;
}

int CDalMode::TakeValue(const wchar_t* text) {
    if (!FitsX(text)) {
        return 0;
    }
    m_x.Set(text);
    m_indicator.Clear();
    m_state = kStateValue;
    return 1;
}

// A value right after ")" multiplies the parenthesis, as a typed number does; a value
// that does not fit is refused before that.
int CDalMode::PutValue(const wchar_t* text) {
    if (!FitsX(text) || (m_state == kStateParenthesis && !OperatorKey(kOperatorTimes))) {
        return 0;
    }
    return TakeValue(text);
}

int CDalMode::ClearKey(int kind) {
    switch (kind) {
    case kClearAll:
    case kClearAllAlgebraic:
        ClearEverything();
        m_state = kStateCleared;
        return 1;
    case kClearEntry:
        m_x.Clear();
        m_state = kStateCleared;
        return 1;
    case kClearBackspace:
        if (m_state != kStateTyping && m_state != kStateParenthesis) {
            return 0;
        }
        m_x.RemoveLast();
        return 1;
    default:
        return 0;
    }
}

void CDalMode::ClearEverything() {
    m_x.Clear();
    m_previous.Clear();
    for (int i = 0; i < kLevels; ++i) {
        m_levels[i].Clear();
        m_openFunctions[i] = 0;
    }
    m_level = 0;
    m_indicator.Clear();
    m_answer.Clear();
    m_state = kStateNew;
}
