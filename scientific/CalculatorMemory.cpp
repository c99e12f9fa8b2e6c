#include "scientific/Calculator.h"

#include "engine/Numora.h"
#include "scientific/DecimalText.h"

namespace {

const wchar_t* const kRegisterLabels[kRegisterCount] = {L"1: ", L"2: ", L"A: ", L"B: ",
                                                        L"C: ", L"D: ", L"E: ", L"F: "};

int ValidRegister(int registerIndex) {
    return registerIndex >= 0 && registerIndex < kRegisterCount;
}

// After "=" the shown value already stands as a result: storing it must not turn the
// next digit into a continuation of the old line (Expression) or into a stack lift (RPN).
void MarkValuePlaced(CExpressionMode& mode) {
    if (mode.GetState() != kStateEquals) {
        mode.SetState(kStateValue);
    }
}

} // namespace

const wchar_t* CCalculator::GetMemory(int registerIndex) const {
    return ValidRegister(registerIndex) ? m_memories[registerIndex].Get() : nullptr;
}

int CCalculator::SetMemory(int registerIndex, const wchar_t* decimalText) {
    SDecimal number;
    if (!ValidRegister(registerIndex) || !decimalText ||
        (decimalText[0] && !ParseDecimal(decimalText, &number))) {
        return 0;
    }
    return m_memories[registerIndex].Set(decimalText);
}

int CCalculator::MemoryInUse(int registerIndex) const {
    const wchar_t* text = GetMemory(registerIndex);
    return text && text[0] && !TextEquals(text, L"0");
}

int CCalculator::GetMemoryInBase(int registerIndex, wchar_t* out, int capacity) const {
    const wchar_t* text = GetMemory(registerIndex);
    if (!text) {
        return 0;
    }
    if (!text[0]) {
        return TextCopy(out, capacity, L"0");
    }
    if (GetBase() == 10) {
        return TextCopy(out, capacity, text);
    }
    return ConvertValue(text, 10, GetBase(), out, capacity);
}

int CCalculator::GetMemoryView(wchar_t* out, int capacity) const {
    wchar_t view[kRegisterCount * (kValueCapacity + 8)] = {};
    constexpr int kViewCapacity = sizeof view / sizeof view[0];
    for (int k = 0; k < kRegisterCount; ++k) {
        wchar_t value[kValueCapacity];
        if (!GetMemoryInBase(k, value, kValueCapacity)) {
            TextCopy(value, kValueCapacity, L"0");
        }
        TextAppend(view, kViewCapacity, kRegisterLabels[k]);
        TextAppend(view, kViewCapacity, value);
        TextAppend(view, kViewCapacity, L"\n");
    }
    return TextCopy(out, capacity, view);
}

int CCalculator::StoreMemory(int registerIndex) {
    SetNormalLayer();
    if (!ValidRegister(registerIndex)) {
        return 0;
    }
    wchar_t value[kResultCapacity];
    GetDisplayValue(value, kResultCapacity);
    wchar_t decimal[kRegisterCapacity];
    if (!ConvertValue(TextIsEmpty(value) ? L"0" : value, GetBase(), 10, decimal,
                      kRegisterCapacity)) {
        return 0;
    }
    m_memories[registerIndex].Set(decimal);
    MarkValuePlaced(CurrentMode());
    return 1;
}

int CCalculator::RecallMemory(int registerIndex) {
    SetNormalLayer();
    wchar_t value[kValueCapacity];
    if (!GetMemoryInBase(registerIndex, value, kValueCapacity)) {
        return 0;
    }
    return CurrentMode().PutValue(value);
}

// register (in the current base) op value, evaluated in the current base; the register
// keeps the result as decimal text. An error result leaves the register as it was.
int CCalculator::MemoryArithmetic(int registerIndex, wchar_t op) {
    wchar_t text[2 * kResultCapacity];
    constexpr int kTextCapacity = sizeof text / sizeof text[0];
    wchar_t value[kResultCapacity];
    if (!GetMemoryInBase(registerIndex, text, kTextCapacity)) {
        return 0;
    }
    GetDisplayValue(value, kResultCapacity);
    if (op == L'-' || !TextIsEmpty(value)) {
        TextAppendChar(text, kTextCapacity, op);
        TextAppend(text, kTextCapacity, value);
    }
    wchar_t result[kResultCapacity];
    Numora::GetInstance()->Evaluate(text, result);
    wchar_t decimal[kRegisterCapacity];
    if (IsErrorText(result) || !ConvertValue(result, GetBase(), 10, decimal, kRegisterCapacity)) {
        return 0;
    }
    m_memories[registerIndex].Set(decimal);
    return 1;
}

int CCalculator::AddToMemory(int registerIndex) {
    SetNormalLayer();
    if (!ValidRegister(registerIndex) || !MemoryArithmetic(registerIndex, L'+')) {
        return 0;
    }
    MarkValuePlaced(CurrentMode());
    return 1;
}

int CCalculator::SubtractFromMemory(int registerIndex) {
    SetNormalLayer();
    return ValidRegister(registerIndex) && MemoryArithmetic(registerIndex, L'-');
}

// What a register key does depends on the layer at the moment of the press.
int CCalculator::MemoryKey(int registerIndex) {
    if (!ValidRegister(registerIndex)) {
        return 0;
    }
    switch (m_layer) {
    case kLayerStore:
        return StoreMemory(registerIndex);
    case kLayerRecall:
        return RecallMemory(registerIndex);
    case kLayerNormal:
        return AddToMemory(registerIndex);
    case kLayerSecond:
        return SubtractFromMemory(registerIndex);
    default:
        return AddToMemory(0);
    }
}
