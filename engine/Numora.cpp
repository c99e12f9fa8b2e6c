#include "engine/Numora.h"

#include "engine/NumoraEvaluator.h"
#include "engine/NumoraProgram.h"
#include "engine/NumoraScanner.h"
#include "engine/ZoqNumberText.h"
#include "engine/ZoqNumoraUtil.h"
#include "ui/ZoqString.h"

#include <cmath>
#include <cstring>
#include <ctime>
#include <cwchar>

struct Numora::CTables {
    CNumoraProgram program;
    CNumoraScanner scanner;
};

namespace {

constexpr wchar_t kSyntaxError[] = L"syntax error";
constexpr wchar_t kInfinity[] = L"infinity";
constexpr wchar_t kImaginary[] = L"imaginary";

struct CRewrite {
    const wchar_t* find;
    const wchar_t* replacement;
};

// The keypad's special characters, rewritten in this order before anything else.
constexpr CRewrite kRewrites[] = {{L"\u00F7", L"/"},
                                  {L"\u00D7", L"*"},
                                  {L"\u00B2", L"^(2)"},
                                  {L"\u00B3", L"^(3)"},
                                  {L"-\u00B9", L"^(-1)"}};

bool IsRewritten(wchar_t c) {
    return c == 0x00F7 || c == 0x00D7 || c == 0x00B2 || c == 0x00B3 || c == 0x00B9;
}

bool IsBase(int base) {
    return base >= 2 && base <= 36;
}

void WriteText(wchar_t* output, const wchar_t* text) {
    std::wmemcpy(output, text, std::wcslen(text) + 1);
}

uint32_t SecondsOfLocalTime() {
    std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    return local ? static_cast<uint32_t>(local->tm_sec) : 0;
}

} // namespace

Numora::Numora()
    : m_string(*CZoqString::GetInstance()), m_tables(new CTables()),
      m_random(SecondsOfLocalTime()) {}

Numora::~Numora() {
    delete m_tables;
    CZoqNumoraUtil::ReleaseInstance();
}

Numora* Numora::GetInstance() {
    return CZoqLazyInstance<Numora>::Get();
}

void Numora::ReleaseInstance() {
    CZoqLazyInstance<Numora>::Release();
}

int Numora::Rewrite(const wchar_t* input, wchar_t* work) {
    std::size_t length = wcsnlen(input, kWorkCapacity);
    if (length >= static_cast<std::size_t>(kWorkCapacity))
        return 0;
    bool special = false;
    for (std::size_t i = 0; i <= length; ++i) {
        work[i] = input[i];
        special = special || IsRewritten(input[i]);
    }
    if (!special)
        return 1;
    // Looked up each time: the text utility may have been released and created anew
    // since the engine was made.
    CZoqNumoraUtil& util = *CZoqNumoraUtil::GetInstance();
    for (const CRewrite& rewrite : kRewrites) {
        if (!util.ReplaceAll(work, rewrite.find, rewrite.replacement, work, kWorkCapacity))
            return 0;
    }
    return 1;
}

int Numora::ToDecimal(int base, wchar_t* work) {
    wchar_t decimal[kWorkCapacity];
    if (!m_converter.ExpressionToDecimal(base, work, decimal, kWorkCapacity))
        return 0;
    std::wmemcpy(work, decimal, std::wcslen(decimal) + 1);
    return 1;
}

int Numora::Narrow(const wchar_t* work) {
    CNumoraProgram& program = m_tables->program;
    std::size_t length = wcsnlen(work, CNumoraProgram::kTextCapacity);
    if (length > static_cast<std::size_t>(kMaxTextLength))
        return 0;
    // Everything the grammar knows is ASCII; any other character becomes DEL, which
    // no rule accepts (a plain cast could turn U+01D7 into the byte of "×").
    for (std::size_t i = 0; i < length; ++i) {
        wchar_t c = work[i];
        program.text[i] = c > 0 && c < 0x80 ? static_cast<char>(c) : '\x7F';
    }
    program.text[length] = '\0';
    program.textLength = static_cast<int16_t>(length);
    return 1;
}

void Numora::WriteResult(double value, int outputBase, wchar_t* output) {
    if (outputBase != 10) {
        m_converter.DecimalToBase(outputBase, value, output);
        return;
    }
    if (std::isinf(value))
        WriteText(output, kInfinity);
    else if (std::isnan(value))
        WriteText(output, kImaginary);
    else
        m_string.FormatNumber(output, value, m_precision, kResultCapacity);
}

double Numora::Evaluate(const wchar_t* input, wchar_t* output, int inputBase, int outputBase) {
    CNumoraProgram& program = m_tables->program;
    // Only slots 0 and 1 are ever read before the scanner writes them (the returned
    // value and the pct rule), so clearing them clears all the evaluation can see.
    program.slots[0] = 0;
    program.slots[1] = 0;
    program.tokenCount = 0;
    program.numberCount = 0;
    if (!output)
        return 0;
    wchar_t work[kWorkCapacity];
    bool scanned = input && IsBase(inputBase) && IsBase(outputBase) && Rewrite(input, work) &&
                   (inputBase == 10 || ToDecimal(inputBase, work)) && Narrow(work) &&
                   m_tables->scanner.Scan(program);
    if (scanned) {
        program.tokens[program.tokenCount] = TokenEnd;
        CNumoraEvaluator evaluator(m_angleMode, m_precision, m_random);
        scanned = evaluator.Run(program) != 0;
    }
    if (!scanned) {
        WriteText(output, kSyntaxError);
        return program.slots[0];
    }
    WriteResult(program.slots[0], outputBase, output);
    return program.slots[0];
}

double Numora::Evaluate(const wchar_t* input, wchar_t* output) {
    return Evaluate(input, output, m_base, m_base);
}

int Numora::SetPrecision(int digits) {
    if (digits < 0 || digits > 15)
        return 0;
    m_precision = static_cast<int8_t>(digits);
    return 1;
}

int Numora::SetAngleMode(int mode) {
    if (mode < 0 || mode > 3)
        return 0;
    m_angleMode = mode == 3 ? (m_angleMode + 1) % 3 : mode;
    return 1;
}

int Numora::SetBase(int base) {
    if (!IsBase(base))
        return 0;
    m_base = static_cast<int8_t>(base);
    return 1;
}

int Numora::ConvertAngle(const wchar_t* value, wchar_t* output) {
    if (!value || !output)
        return 0;
    std::size_t length = wcsnlen(value, kMaxAngleText + 1);
    if (length > static_cast<std::size_t>(kMaxAngleText))
        return 0;
    // Multiplies by the factor to the next unit of the cycle degrees, radians, grads.
    static const wchar_t* const kFactors[] = {L"*(pi)/180.0", L"*200.0/(pi)", L"*9.0/10.0"};
    wchar_t text[kResultCapacity];
    WriteText(text, length == 0 ? L"0" : value);
    m_string.Append(text, kFactors[m_angleMode]);
    Evaluate(text, text);
    WriteText(output, text);
    return 1;
}
