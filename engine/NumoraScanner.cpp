#include "engine/NumoraScanner.h"

#include "engine/ZoqNumberText.h"

#include <cstring>

namespace {

struct CName {
    const char* text;
    int length;
};

// Search order decides between names that begin alike ("atanh" before "atan").
constexpr CName kFunctions[FunctionCount] = {
    {"abs", 3},  {"acos", 4}, {"asin", 4}, {"atanh", 5}, {"atan", 4}, {"cosh", 4}, {"cos", 3},
    {"exp", 3},  {"log2", 4}, {"log", 3},  {"ln", 2},    {"sinh", 4}, {"sin", 3},  {"sqrt", 4},
    {"tanh", 4}, {"tan", 3},  {"pct", 3},  {"!", 1},     {"asnh", 4}, {"acsh", 4}, {"atnh", 4},
    {"sum", 3},  {"dc", 2},   {"dms", 3},  {"rand", 4},  {"tenx", 4}, {"crt", 3},  {"cbd", 3},
    {"sqrd", 4}, {"inv", 3},  {"pm", 2},   {"ex", 2}};

constexpr char kPiText[] = "3.141592653589793238";
constexpr char kEText[] = "2.718281828459045235";

// Binary operators of the factor level, in the order they are tested; the code of
// the operator at index i is TokenPower + i.
constexpr char kFactorOperators[] = "^ErCPXYR<&|xn%";

// The token of each character that is a factor-level operator, 0 for the others.
struct CFactorTokens {
    int16_t token[256];
    constexpr CFactorTokens() : token() {
        for (int i = 0; kFactorOperators[i] != '\0'; ++i)
            token[static_cast<unsigned char>(kFactorOperators[i])] =
                static_cast<int16_t>(TokenPower + i);
    }
};
constexpr CFactorTokens kFactorTokens;

// The binary operator token of each precedence level for a character, 0 for none.
int16_t SumToken(char c) {
    return c == '+' ? TokenAdd : c == '-' ? TokenSubtract : 0;
}

int16_t ProductToken(char c) {
    return c == '*' ? TokenMultiply : c == '/' ? TokenDivide : 0;
}

int16_t FactorToken(char c) {
    return kFactorTokens.token[static_cast<unsigned char>(c)];
}

// Nesting can only deepen by consuming a character, so the text limit bounds it; the
// explicit limit keeps that true whatever the text.
constexpr int kMaxDepth = CNumoraProgram::kTextCapacity;

double ConstantValue(const char* text) {
    double value = 0;
    ZoqParseDecimal(text, text + std::strlen(text), &value);
    return value;
}

bool StartsWith(const char* at, const CName& name) {
    return at[0] == name.text[0] &&
           std::strncmp(at, name.text, static_cast<std::size_t>(name.length)) == 0;
}

} // namespace

CNumoraScanner::CNumoraScanner() : m_pi(ConstantValue(kPiText)), m_e(ConstantValue(kEText)) {}

int CNumoraScanner::Scan(CNumoraProgram& program) {
    m_program = &program;
    m_at = program.text;
    if (!Expression(0))
        return 0;
    return *m_at == '\0' ? 1 : 0;
}

bool CNumoraScanner::Append(int16_t token) {
    // The last entry is reserved for the end token.
    if (m_program->tokenCount >= CNumoraProgram::kTokens - 1)
        return false;
    m_program->tokens[m_program->tokenCount++] = token;
    return true;
}

bool CNumoraScanner::StoreNumber(double value) {
    int n = m_program->numberCount;
    if (n >= CNumoraProgram::kSlots)
        return false;
    if (!Append(static_cast<int16_t>(TokenFirstNumber + n)))
        return false;
    m_program->slots[n] = value;
    m_program->numberCount = static_cast<int16_t>(n + 1);
    return true;
}

// Level, and Factor within Term, are inlined as the compiler did when every level had
// its own loop: the scanner runs on every evaluation, and left to itself the compiler
// keeps calls there that cost up to 1 % more instructions per expression.
template <bool (CNumoraScanner::*Operand)(int), int16_t (*OperatorToken)(char)>
__attribute__((always_inline)) inline bool CNumoraScanner::Level(int depth) {
    if (!(this->*Operand)(depth))
        return false;
    for (;;) {
        int16_t token = OperatorToken(*m_at);
        if (token == 0)
            return true;
        if (!Append(token))
            return false;
        ++m_at;
        if (!(this->*Operand)(depth))
            return false;
    }
}

bool CNumoraScanner::Expression(int depth) {
    return Level<&CNumoraScanner::Term, SumToken>(depth);
}

bool CNumoraScanner::Term(int depth) {
    return Level<&CNumoraScanner::Factor, ProductToken>(depth);
}

__attribute__((always_inline)) inline bool CNumoraScanner::Factor(int depth) {
    return Level<&CNumoraScanner::Primary, FactorToken>(depth);
}

bool CNumoraScanner::Primary(int depth) {
    if (depth > kMaxDepth)
        return false;
    char c = *m_at;
    if (c == '-') {
        if (!Append(TokenNegate))
            return false;
        ++m_at;
        return Primary(depth + 1);
    }
    if (c == '(')
        return Parenthesised(depth);
    if ((c >= 'a' && c <= 'z') || c == 'E' || c == '!')
        return NamedPrimary(depth);
    return Literal();
}

bool CNumoraScanner::Parenthesised(int depth) {
    if (*m_at != '(' || !Append(TokenOpen))
        return false;
    ++m_at;
    if (!Expression(depth + 1))
        return false;
    if (*m_at != ')' || !Append(TokenClose))
        return false;
    ++m_at;
    return true;
}

bool CNumoraScanner::NamedPrimary(int depth) {
    for (int i = 0; i < FunctionCount; ++i) {
        if (StartsWith(m_at, kFunctions[i])) {
            if (!Append(static_cast<int16_t>(TokenFirstFunction + i)))
                return false;
            m_at += kFunctions[i].length;
            return Parenthesised(depth);
        }
    }
    if (m_at[0] == 'p' && m_at[1] == 'i') {
        m_at += 2;
        return StoreNumber(m_pi);
    }
    if (m_at[0] == 'e') {
        ++m_at;
        return StoreNumber(m_e);
    }
    return false;
}

bool CNumoraScanner::Literal() {
    const char* start = m_at;
    bool point = false;
    bool exponent = false;
    bool sign = false;
    for (;; ++m_at) {
        char c = *m_at;
        if (c >= '0' && c <= '9')
            continue;
        if (c == '.') {
            if (point)
                return false;
            point = true;
        } else if (c == 'e') {
            if (exponent)
                return false;
            exponent = true;
        } else if ((c == '+' || c == '-') && exponent && !sign) {
            sign = true;
        } else {
            break;
        }
    }
    double value = 0;
    // Every taken character must belong to the number: that is what makes "2e3+1"
    // (the sign and digits after the exponent taken, then left over) a syntax error.
    if (m_at > start && !ZoqParseDecimal(start, m_at, &value))
        return false;
    return StoreNumber(value);
}
