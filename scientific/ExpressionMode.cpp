#include "scientific/ExpressionMode.h"

#include "engine/Numora.h"
#include "engine/ZoqNumoraUtil.h"

namespace {

// Digits refuse to grow a number or a line beyond these lengths.
constexpr int kMaxNumberLength = 16;
constexpr int kMaxLineForDigits = 256;

constexpr wchar_t kOperatorSet[] = L"+\u00D7/*\u00F7Ee\u00B2r^CPRX<Y&|xn%";
constexpr wchar_t kNumberChars[] = L"0123456789ABCDEF.e";

int IsIn(const wchar_t* set, wchar_t c) {
    return c && TextFindChar(set, c) >= 0;
}

int OperatorMayFollow(int lastClass) {
    return lastClass == kClassOperand || lastClass == kClassMinus || lastClass == kClassClosing ||
           lastClass == kClassPoint;
}

int OperandMayFollow(int lastClass) {
    return lastClass == kClassEmpty || lastClass == kClassOperator || lastClass == kClassMinus ||
           lastClass == kClassOpen;
}

// Appends `text` when the line then still has room for the ")" that "=" adds for every
// open "(".
int AppendWithRoomToClose(CFixedText<kLineCapacity>* line, const wchar_t* text) {
    const int open = TextCountChar(line->Get(), L'(') + TextCountChar(text, L'(') -
                     TextCountChar(line->Get(), L')') - TextCountChar(text, L')');
    if (line->Length() + TextLength(text) + (open > 0 ? open : 0) + 1 > kLineCapacity) {
        return 0;
    }
    return line->Append(text);
}

int AppendCharWithRoomToClose(CFixedText<kLineCapacity>* line, wchar_t c) {
    const wchar_t text[2] = {c, 0};
    return AppendWithRoomToClose(line, text);
}

} // namespace

int LastCharClass(const wchar_t* line) {
    const wchar_t c = TextLastChar(line);
    if (!c) {
        return kClassEmpty;
    }
    if ((c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'Z')) {
        return kClassOperand;
    }
    if (c == L')' || c == L'\u00B2' || c == L'\u00B3' || c == L'\u00B9') {
        return kClassClosing;
    }
    if (IsIn(kOperatorSet, c)) {
        return kClassOperator;
    }
    switch (c) {
    case L'-':
        return kClassMinus;
    case L'(':
        return kClassOpen;
    case L'.':
        return kClassPoint;
    default:
        return kClassOther;
    }
}

int CurrentNumberLength(const wchar_t* line) {
    const int length = TextLength(line);
    int start = length;
    while (start > 0 && IsIn(kNumberChars, line[start - 1])) {
        --start;
    }
    return length - start;
}

CExpressionMode::CExpressionMode() : m_history(new CExpressionHistory) {}

CExpressionMode::~CExpressionMode() = default;

int CExpressionMode::Base() {
    return Numora::GetInstance()->GetBase();
}

int CExpressionMode::Evaluate(const wchar_t* text, wchar_t* out, int capacity) {
    wchar_t result[kResultCapacity];
    Numora::GetInstance()->Evaluate(text, result);
    if (!TextCopy(out, capacity, result)) {
        TextCopy(out, capacity, L"syntax error");
        return 0;
    }
    return !IsErrorText(result);
}

int CExpressionMode::ConvertAngle(wchar_t* value, int capacity) {
    Numora* engine = Numora::GetInstance();
    if (value) {
        wchar_t converted[kResultCapacity];
        if (!engine->ConvertAngle(value, converted) || !TextCopy(value, capacity, converted)) {
            return 0;
        }
    }
    engine->SetAngleMode(3);
    return 1;
}

int CExpressionMode::GetDisplayText(wchar_t* out, int capacity) const {
    return TextCopy(out, capacity, m_display.Get());
}

int CExpressionMode::GetSecondaryText(wchar_t* out, int capacity) const {
    return TextCopy(out, capacity, m_line.Get());
}

void CExpressionMode::SetSecondaryText(const wchar_t* text) {
    m_line.SetOrClear(text);
}

int CExpressionMode::TakeLine(const CFixedText<kLineCapacity>& line, int state) {
    m_line = line;
    m_state = state;
    return 1;
}

void CExpressionMode::LineForKey(int continuesResult, CFixedText<kLineCapacity>* line) const {
    if (m_state != kStateEquals) {
        *line = m_line;
    } else if (continuesResult) {
        line->Set(m_answer.Get());
    } else {
        line->Clear();
    }
}

int CExpressionMode::DigitKey(int index) {
    const wchar_t digit = DigitChar(index);
    if (!digit || index == kDigitExponent) {
        return 0;
    }
    const int point = index == kDigitPoint;
    if (point ? Base() != 10 : index >= Base()) {
        return 0;
    }
    CFixedText<kLineCapacity> line;
    LineForKey(0, &line);
    const int numberLength = CurrentNumberLength(line.Get());
    const wchar_t* number = line.Get() + line.Length() - numberLength;
    const int lastClass = LastCharClass(line.Get());
    if ((point && TextFindChar(number, L'.') >= 0) || numberLength > kMaxNumberLength ||
        line.Length() > kMaxLineForDigits || lastClass == kClassClosing ||
        lastClass == kClassOther) {
        return 0;
    }
    if (point && numberLength == 0 && !line.AppendChar(L'0')) {
        return 0;
    }
    if (!point && TextEquals(number, L"0")) {
        line.RemoveLast();
    }
    if (!AppendCharWithRoomToClose(&line, digit)) {
        return 0;
    }
    return TakeLine(line, kStateTyping);
}

// ± changes the sign of the number at the end of the line: 3 -> -3 -> 3,
// 5+3 -> 5+-3, 5-3 -> 5--3.
int CExpressionMode::AppendSignChange(CFixedText<kLineCapacity>* line) const {
    const int numberLength = CurrentNumberLength(line->Get());
    CFixedText<kValueCapacity> number;
    if (!number.Set(line->Get() + line->Length() - numberLength)) {
        return 0;
    }
    line->Cut(line->Length() - numberLength);
    if (line->Last() == L'-') {
        line->RemoveLast();
        if (OperatorMayFollow(LastCharClass(line->Get())) && !AppendWithRoomToClose(line, L"--")) {
            return 0;
        }
    } else if (!AppendWithRoomToClose(line, L"-")) {
        return 0;
    }
    return AppendWithRoomToClose(line, number.Get());
}

int CExpressionMode::FunctionKey(int index) {
    const wchar_t* text = FunctionText(index);
    if (index < 0 || index >= kFunctionCount) {
        return 0;
    }
    const int postfix =
        index == kFunctionInverse || index == kFunctionSquare || index == kFunctionCube;
    CFixedText<kLineCapacity> line;
    LineForKey(postfix, &line);
    if (index == kFunctionConvertAngle || index == kFunctionCycleAngle) {
        CFixedText<kResultCapacity> display = m_display;
        if (!ConvertAngle(index == kFunctionConvertAngle ? display.text : nullptr,
                          display.kCapacity)) {
            return 0;
        }
        m_display = display;
    } else if (index == kFunctionSign) {
        if (!AppendSignChange(&line)) {
            return 0;
        }
    } else if (postfix) {
        static const wchar_t* const kPostfix[] = {L"-\u00B9", L"\u00B2", L"\u00B3"};
        if (!OperatorMayFollow(LastCharClass(line.Get())) ||
            !AppendWithRoomToClose(&line, kPostfix[index - kFunctionInverse])) {
            return 0;
        }
    } else if (Base() != 10 || !OperandMayFollow(LastCharClass(line.Get())) ||
               !AppendWithRoomToClose(&line, text)) {
        return 0;
    }
    return TakeLine(line, kStateFunction);
}

int CExpressionMode::OperatorKey(int index) {
    const wchar_t op = OperatorChar(index);
    if (!op) {
        return 0;
    }
    CFixedText<kLineCapacity> line;
    LineForKey(1, &line);
    const int lastClass = LastCharClass(line.Get());
    if (!OperatorMayFollow(lastClass) && !(lastClass == kClassOpen && index == kOperatorMinus)) {
        return 0;
    }
    if (!AppendCharWithRoomToClose(&line, op)) {
        return 0;
    }
    return TakeLine(line, kStateOperator);
}

int CExpressionMode::ParenthesisKey(int index) {
    if ((index != 0 && index != 1) || Base() != 10) {
        return 0;
    }
    CFixedText<kLineCapacity> line;
    LineForKey(0, &line);
    const int lastClass = LastCharClass(line.Get());
    if (index == 0) {
        // "(" right after an operand is taken (2( fails at "="), as constants are not.
        if (!(OperandMayFollow(lastClass) || lastClass == kClassOperand) ||
            !AppendWithRoomToClose(&line, L"(")) {
            return 0;
        }
    } else {
        CZoqNumoraUtil* util = CZoqNumoraUtil::GetInstance();
        if (util->CountOpen(line.Get()) <= util->CountClose(line.Get()) ||
            !(lastClass == kClassOperand || lastClass == kClassClosing ||
              lastClass == kClassPoint) ||
            !line.Append(L")")) {
            return 0;
        }
    }
    return TakeLine(line, kStateParenthesis);
}

int CExpressionMode::ConstantKey(int index) {
    const wchar_t* text = index == kConstantAnswer ? m_answer.Get() : ConstantText(index);
    if (!text || Base() != 10) {
        return 0;
    }
    return AppendOperand(text);
}

// Puts `text` on the line where an operand may stand, with room left to close the line.
int CExpressionMode::AppendOperand(const wchar_t* text) {
    CFixedText<kLineCapacity> line;
    LineForKey(0, &line);
    if (!OperandMayFollow(LastCharClass(line.Get())) || !AppendWithRoomToClose(&line, text)) {
        return 0;
    }
    return TakeLine(line, kStateValue);
}

// A recalled or pasted value is already written in the current base, so unlike the
// constants it is accepted in every base.
int CExpressionMode::PutValue(const wchar_t* text) {
    if (!text) {
        return 0;
    }
    return AppendOperand(text);
}

int CExpressionMode::EqualsKey(int index) {
    if (index != 0) {
        return 0;
    }
    m_state = kStateEquals;
    // The line keeps room for its closing parentheses (see AppendWithRoomToClose).
    CZoqNumoraUtil::GetInstance()->CloseParens(m_line.text, m_line.kCapacity);
    wchar_t result[kResultCapacity];
    Evaluate(m_line.Get(), result, kResultCapacity);
    m_display.Set(result);
    m_answer.SetOrClear(result);
    m_history->Add(m_line.Get(), result);
    return 1;
}

int CExpressionMode::ClearKey(int kind) {
    if (kind == kClearAll) {
        if (m_state == kStateCleared) {
            m_history->Clear();
        }
        m_state = kStateCleared;
        m_line.Clear();
        m_display.Clear();
        return 1;
    }
    if (kind == kClearBackspace) {
        CFixedText<kLineCapacity> line;
        LineForKey(0, &line);
        line.RemoveLast();
        m_line = line;
        return 1;
    }
    return 0;
}

void CExpressionMode::ClearEverything() {
    m_state = kStateNew;
    m_line.Clear();
    m_display.Clear();
    m_answer.Clear();
    m_history->Clear();
}

int CExpressionMode::HistoryBack() {
    const CExpressionHistory::SEntry* entry = m_history->Back();
    if (!entry) {
        return 0;
    }
    ShowHistoryEntry(entry);
    return 1;
}

int CExpressionMode::HistoryForward() {
    int moved = 0;
    const CExpressionHistory::SEntry* entry = m_history->Forward(&moved);
    if (!moved) {
        return 0;
    }
    ShowHistoryEntry(entry);
    return 1;
}

// A shown entry stands as if its "=" had just been pressed: an operator continues from
// the result on the display, not from whatever was evaluated last.
void CExpressionMode::ShowHistoryEntry(const CExpressionHistory::SEntry* entry) {
    if (entry) {
        m_line = entry->expression;
        m_display.Set(entry->result.Get());
        m_answer.SetOrClear(entry->result.Get());
    } else {
        m_line.Clear();
        m_display.Clear();
        m_answer.Clear();
    }
    m_state = kStateEquals;
}
