#include "regression/TrendoraCalc.h"

#include "calc/EntryText.h"
#include "calc/NumberText.h"
#include "ui/ZoqString.h"

#include <cmath>
#include <cwchar>

namespace {

constexpr int kCapacity = CTrendoraCalc::kTextCapacity;

// 1 when all of `part` fitted; what does not fit is cut.
int Append(wchar_t* text, int capacity, const wchar_t* part) {
    return CZoqString::GetInstance()->Append(text, part, capacity);
}

void SetNumber(wchar_t* text, double value) {
    FormatGeneral(text, kCapacity, value, 6);
}

// The value Enter stores for a field: the stored one while the text still reads as
// it is shown (six significant digits), so that stepping through an entry with "="
// does not round it; otherwise the text as typed.
double EnteredValue(const wchar_t* text, int index, int count, double stored) {
    if (index < count) {
        wchar_t shown[kCapacity];
        SetNumber(shown, stored);
        if (std::wcscmp(text, shown) == 0) {
            return stored;
        }
    }
    return std::wcstod(text, nullptr);
}

} // namespace

int CTrendoraCalc::Digit(wchar_t digit) {
    wchar_t* text = ActiveText();
    const size_t length = std::wcslen(text);
    if (digit < L'0' || digit > L'9' || length > kDigitLimit) {
        return 0;
    }
    if (std::wcscmp(text, L"0") == 0) {
        text[0] = digit;
        return 1;
    }
    return AppendChar(text, kCapacity, digit);
}

int CTrendoraCalc::DecimalPoint() {
    wchar_t* text = ActiveText();
    if (std::wcschr(text, L'.')) {
        return 0;
    }
    const bool negative = text[0] == L'-';
    wchar_t number[kCapacity] = {};
    Append(number, kCapacity, negative ? text + 1 : text);
    if (number[0] == L'\0') {
        Append(number, kCapacity, L"0");
    }
    wchar_t result[kCapacity] = {};
    if (!Append(result, kCapacity, negative ? L"-" : L"") || !Append(result, kCapacity, number) ||
        !Append(result, kCapacity, L".")) {
        return 0;
    }
    CZoqString::GetInstance()->Copy(text, result, kCapacity);
    return 1;
}

int CTrendoraCalc::ChangeSign() {
    wchar_t* text = ActiveText();
    const size_t length = std::wcslen(text);
    if (text[0] == L'-') {
        std::wmemmove(text, text + 1, length);
        return 1;
    }
    if (length + 2 > static_cast<size_t>(kCapacity)) {
        return 0;
    }
    std::wmemmove(text + 1, text, length + 1);
    text[0] = L'-';
    return 1;
}

int CTrendoraCalc::Backspace() {
    return EraseLastChar(ActiveText());
}

void CTrendoraCalc::Enter() {
    if (m_activeX) {
        if (m_xText[0] == L'\0') {
            return;
        }
        const int index = m_current - 1;
        StoreValue(true, EnteredValue(m_xText, index, m_stats.GetCountX(), m_stats.GetX(index)),
                   index);
        m_activeX = false;
        return;
    }
    if (m_yText[0] == L'\0') {
        return;
    }
    const int index = m_current - 1;
    StoreValue(false, EnteredValue(m_yText, index, m_stats.GetCountY(), m_stats.GetY(index)),
               index);
    ++m_current;
    RefitAndRefresh();
    m_activeX = true;
}

// Deleting at the new-entry position shortens the lists under the entry number; it
// moves back to the new-entry position, where the next pair typed is appended
// rather than refused one place beyond the lists.
void CTrendoraCalc::DeleteEntry() {
    // Both calls must run: an entry may hold its x without a y.
    const int deletedX = m_stats.DeleteX(m_current - 1);
    const int deletedY = m_stats.DeleteY(m_current - 1);
    if (deletedX || deletedY) {
        m_modified = true;
    }
    if (m_current > m_stats.GetCountY() + 1) {
        m_current = m_stats.GetCountY() + 1;
    }
}

void CTrendoraCalc::ClearAll() {
    m_stats.Clear();
    EmptyTexts();
    m_current = 1;
    m_modified = false;
}

int CTrendoraCalc::StoreValue(bool isX, double value, int index) {
    const int count = isX ? m_stats.GetCountX() : m_stats.GetCountY();
    const double held = isX ? m_stats.GetX(index) : m_stats.GetY(index);
    const int stored = isX ? m_stats.SetX(value, index) : m_stats.SetY(value, index);
    if (stored && (index >= count || held != value)) {
        m_modified = true;
    }
    return stored;
}

void CTrendoraCalc::EmptyTexts() {
    m_xText[0] = m_yText[0] = L'\0';
    for (wchar_t* result : m_results) {
        result[0] = L'\0';
    }
}

void CTrendoraCalc::Navigate(int band) {
    const int newEntry = m_stats.GetCountY() + 1;
    switch (band) {
    case FirstEntry:
        m_current = 1;
        break;
    case PreviousEntry:
        if (m_current > 1) {
            --m_current;
        }
        break;
    case NextEntry:
        if (m_current < newEntry) {
            ++m_current;
        }
        break;
    case NewEntry:
        m_current = newEntry;
        break;
    default:
        return;
    }
    RefitAndRefresh();
}

void CTrendoraCalc::SetModel(int model) {
    m_stats.SetModel(model);
    RefitAndRefresh();
}

void CTrendoraCalc::ShowFirstEntry() {
    m_current = 1;
    RefitAndRefresh();
}

// When the lists differ in length Fit refuses and keeps the last coefficients,
// which are then shown again.
void CTrendoraCalc::RefitAndRefresh() {
    EmptyTexts();
    if (m_stats.GetCountY() > 2) {
        m_stats.Fit();
        SetNumber(m_results[Intercept], m_stats.GetIntercept() + 0.0);
        SetNumber(m_results[Slope], m_stats.GetSlope() + 0.0);
        SetNumber(m_results[Correlation], m_stats.GetCorrelation() + 0.0);
    }
    if (m_current <= m_stats.GetCountY()) {
        SetNumber(m_xText, m_stats.GetX(m_current - 1));
        SetNumber(m_yText, m_stats.GetY(m_current - 1));
    }
}

const wchar_t* CTrendoraCalc::GetResult(int which) const {
    return which >= 0 && which < ResultCount ? m_results[which] : L"";
}

// Exponential and power fit ln y against x or ln x; their curves are
// y = e^(a + b*x) and y = e^a * x^b. The coefficients go in with 15 digits rather
// than as the six-digit texts shown: data at 1e8 need the intercept's ninth digit
// for the line to pass through them.
int CTrendoraCalc::BuildGraphEquation(wchar_t* out, int capacity) const {
    if (!out || capacity <= 0) {
        return 0;
    }
    out[0] = L'\0';
    // Without shown results (fewer than three entries) or with non-finite ones (an
    // impossible fit) there is no curve: the graph shows the points alone.
    const double intercept = m_stats.GetIntercept(), slope = m_stats.GetSlope();
    if (m_results[Intercept][0] == L'\0' || !std::isfinite(intercept) || !std::isfinite(slope)) {
        return 0;
    }
    wchar_t a[kCapacity], b[kCapacity];
    FormatGeneral(a, kCapacity, intercept + 0.0, kGraphDigits);
    FormatGeneral(b, kCapacity, slope + 0.0, kGraphDigits);
    const wchar_t* parts[6] = {};
    switch (m_stats.GetModel()) {
    case CZoqStats::Linear:
        parts[0] = b, parts[1] = L"*X+", parts[2] = a;
        break;
    case CZoqStats::Log:
        parts[0] = b, parts[1] = L"*ln(X)+", parts[2] = a;
        break;
    case CZoqStats::Log10:
        parts[0] = b, parts[1] = L"*log(X)+", parts[2] = a;
        break;
    case CZoqStats::Exponential:
        parts[0] = L"exp(", parts[1] = a, parts[2] = L"+", parts[3] = b, parts[4] = L"*X)";
        break;
    case CZoqStats::Power:
        parts[0] = L"exp(", parts[1] = a, parts[2] = L")*X^", parts[3] = b;
        break;
    default:
        return 0;
    }
    for (const wchar_t* part : parts) {
        if (part && !Append(out, capacity, part)) {
            out[0] = L'\0';
            return 0;
        }
    }
    return 1;
}
