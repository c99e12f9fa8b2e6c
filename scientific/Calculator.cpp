#include "scientific/Calculator.h"

#include "engine/Numora.h"
#include "engine/ZoqStoreValue.h"
#include "engine/ZoqNumoraUtil.h"

namespace {

CCalculator* g_calculator = nullptr;

// What the clipboard takes of a copied text.
constexpr int kClipboardCopyLength = 49;

} // namespace

CCalculator::CCalculator() : CCalculator(CZoqFixedLocale()) {}

CCalculator::CCalculator(const CZoqLocale& locale)
    : m_formatter(locale), m_modes{&m_expression, &m_algebraic, &m_dal, &m_chain, &m_rpn} {}

CCalculator* CCalculator::GetInstance(const CZoqLocale* locale) {
    if (!g_calculator) {
        g_calculator = locale ? new CCalculator(*locale) : new CCalculator();
    }
    return g_calculator;
}

void CCalculator::ReleaseInstance() {
    delete g_calculator;
    g_calculator = nullptr;
}

int CCalculator::GetBase() const {
    return Numora::GetInstance()->GetBase();
}

int CCalculator::GetBaseBits() const {
    return Numora::GetInstance()->GetBaseConverter().GetBits();
}

int CCalculator::SetBaseBits(int bits) {
    return Numora::GetInstance()->GetBaseConverter().SetBits(bits);
}

const CExpressionMode* CCalculator::Mode(int mode) const {
    return mode >= 0 && mode < kModeCount ? m_modes[mode] : nullptr;
}

int CCalculator::SetCalcMode(int mode) {
    return ZoqStoreWithin(mode, 0, kModeCount - 1, &m_mode);
}

int CCalculator::PressKey(EKeyCategory category, int index) {
    switch (category) {
    case EKeyCategory::Digit:
        return DigitKey(index);
    case EKeyCategory::Operator:
        return OperatorKey(index);
    case EKeyCategory::Function:
        return FunctionKey(index);
    case EKeyCategory::Parenthesis:
        return ParenthesisKey(index);
    case EKeyCategory::Memory:
        return MemoryKey(index);
    case EKeyCategory::Equals:
        return EqualsKey(index);
    case EKeyCategory::Constant:
        return ConstantKey(index);
    case EKeyCategory::Layer:
        return LayerKey(index);
    case EKeyCategory::Clear:
        return ClearKey(index);
    case EKeyCategory::Clipboard:
        return ClipboardKey(index);
    case EKeyCategory::Base:
        return BaseKey(index);
    }
    return 0;
}

// The answer key inserts the last result of whichever mode produced it; error texts
// are not answers.
void CCalculator::RememberAnswer() {
    const wchar_t* answer = CurrentMode().GetAnswer();
    if (!TextIsEmpty(answer) && !IsErrorText(answer)) {
        m_lastAnswer.Set(answer);
    }
}

int CCalculator::DigitKey(int index) {
    if (index < 0 || index > kDigitExponent) {
        return 0;
    }
    return CurrentMode().DigitKey(index);
}

int CCalculator::OperatorKey(int index) {
    if (index < 0 || index >= kOperatorCount || (index >= 4 && index <= 12 && GetBase() != 10)) {
        return 0;
    }
    const int accepted = CurrentMode().OperatorKey(index);
    RememberAnswer();
    return accepted;
}

int CCalculator::FunctionKey(int index) {
    SetNormalLayer();
    if (index < 0 || index >= kFunctionCount - 1 || (index != kFunctionSign && GetBase() != 10)) {
        return 0;
    }
    return CurrentMode().FunctionKey(index);
}

int CCalculator::ParenthesisKey(int index) {
    if (index != 0 && index != 1) {
        return 0;
    }
    return CurrentMode().ParenthesisKey(index);
}

int CCalculator::EqualsKey(int) {
    const int accepted = CurrentMode().EqualsKey(0);
    RememberAnswer();
    return accepted;
}

int CCalculator::ConstantKey(int index) {
    if (index == kConstantAnswer) {
        return CurrentMode().PutValue(m_lastAnswer.IsEmpty() ? L"0" : m_lastAnswer.Get());
    }
    if (index < 0 || index >= kConstantCount) {
        return 0;
    }
    return CurrentMode().ConstantKey(index);
}

// "2ndF" and "Hyp" combine: 5 normal, 0 2ndF, 1 Hyp, 2 both. Keys 3..7 select their
// own layer or return to the normal one.
int CCalculator::LayerKey(int key) {
    if (key == 0) {
        static const int kAfterSecond[] = {kLayerNormal, kLayerSecondHyp, kLayerHyp};
        m_layer = m_layer <= kLayerSecondHyp ? kAfterSecond[m_layer] : kLayerSecond;
    } else if (key == 1) {
        static const int kAfterHyp[] = {kLayerSecondHyp, kLayerNormal, kLayerSecond};
        m_layer = m_layer <= kLayerSecondHyp ? kAfterHyp[m_layer] : kLayerHyp;
    } else if (key >= 3 && key <= 7) {
        m_layer = m_layer == key ? kLayerNormal : key;
    } else {
        m_layer = kLayerNormal;
    }
    return 1;
}

int CCalculator::ClearKey(int kind) {
    if (kind < 0 || kind > kClearBackspace) {
        return 0;
    }
    if (kind != kClearBackspace) {
        SetNormalLayer();
    }
    return CurrentMode().ClearKey(kind);
}

int CCalculator::ClipboardKey(int action) {
    CZoqNumoraUtil* util = CZoqNumoraUtil::GetInstance();
    wchar_t text[kLineCapacity];
    switch (action) {
    case kCopyAnswer:
    case kCopyEquation:
        if (action == kCopyEquation && m_mode != kModeExpression) {
            return 0;
        }
        if (action == kCopyAnswer) {
            GetDisplayValue(text, kLineCapacity);
        } else {
            CurrentMode().GetSecondaryText(text, kLineCapacity);
        }
        TextCut(text, kClipboardCopyLength);
        return util->CopyToClipboard(text, m_clipboardOwner);
    case kPaste: {
        wchar_t pasted[CZoqNumoraUtil::kPasteLength + 1];
        return util->PasteFromClipboard(pasted) && CurrentMode().PutValue(pasted);
    }
    default:
        return 0;
    }
}

int CCalculator::ConvertValue(const wchar_t* value, int fromBase, int toBase, wchar_t* out,
                              int capacity) {
    wchar_t result[kResultCapacity];
    Numora::GetInstance()->Evaluate(value, result, fromBase, toBase);
    return !IsErrorText(result) && TextCopy(out, capacity, result);
}

// The shown value moves to the new base. Every other mode is cleared too: the texts
// it holds are written in the old base and would be read as different numbers.
int CCalculator::BaseKey(int base) {
    if (base < 2 || base > 16) {
        return 0;
    }
    const int oldBase = GetBase();
    if (base == oldBase) {
        return 1;
    }
    wchar_t value[kResultCapacity];
    GetDisplayValue(value, kResultCapacity);
    wchar_t converted[kValueCapacity];
    const int hasValue = !TextIsEmpty(value) && !IsErrorText(value) &&
                         ConvertValue(value, oldBase, base, converted, kValueCapacity);
    for (CExpressionMode* mode : m_modes) {
        mode->ClearEverything();
    }
    if (hasValue) {
        CurrentMode().PutValue(converted);
    }
    wchar_t answer[kValueCapacity];
    if (m_lastAnswer.IsEmpty() ||
        !ConvertValue(m_lastAnswer.Get(), oldBase, base, answer, kValueCapacity)) {
        answer[0] = 0;
    }
    m_lastAnswer.Set(answer);
    Numora::GetInstance()->SetBase(base);
    // RPN shows X as it is; its Enter would push a copy of the value onto the stack.
    if (hasValue && m_mode != kModeRpn) {
        CurrentMode().EqualsKey(0);
        RememberAnswer();
    }
    return 1;
}

int CCalculator::ArrowKey(int virtualKey) {
    if (m_mode != kModeExpression) {
        return 0;
    }
    if (virtualKey == 38) {
        return m_expression.HistoryBack();
    }
    if (virtualKey == 40) {
        return m_expression.HistoryForward();
    }
    return 0;
}

int CCalculator::GetDisplayValue(wchar_t* out, int capacity) const {
    return CurrentMode().GetDisplayText(out, capacity);
}

int CCalculator::GetSecondaryText(wchar_t* out, int capacity) const {
    return CurrentMode().GetSecondaryText(out, capacity);
}

int CCalculator::GetDisplay(SDisplayText* out) const {
    wchar_t value[kResultCapacity];
    if (!out || !GetDisplayValue(value, kResultCapacity)) {
        return 0;
    }
    if (!value[0]) {
        TextCopy(value, kResultCapacity, L"0");
    }
    if (GetBase() == 10) {
        return m_formatter.Format(value, out);
    }
    return m_formatter.MapErrorText(value, out) ||
           m_formatter.FitOrRefuse(value, out, m_formatter.GetWidth());
}

int CCalculator::GetDisplayContent(SDisplayContent* out) const {
    if (!out) {
        return 0;
    }
    *out = SDisplayContent{};
    GetDisplay(&out->number);
    GetSecondaryText(out->line, kLineCapacity);
    out->separator = m_formatter.GetSeparator();
    out->layer = m_layer;
    out->angleMode = Numora::GetInstance()->GetAngleMode();
    out->base = GetBase();
    out->calcMode = m_mode;
    // The history arrows belong to the Expression mode's line.
    const int expression = m_mode == kModeExpression;
    out->historyBack = expression && GetHistory().CanGoBack();
    out->historyForward = expression && GetHistory().CanGoForward();
    out->memory1InUse = MemoryInUse(0);
    out->memory2InUse = MemoryInUse(1);
    return 1;
}
