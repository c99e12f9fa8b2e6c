#include "engine/NumoraEvaluator.h"

#include "engine/NumoraMath.h"

#include <cmath>

int CNumoraEvaluator::Run(CNumoraProgram& program) {
    if (!ToPostfix(program))
        return 0;
    return Evaluate(program);
}

// The precedence of an operator is its code: an operator pops every waiting operator
// whose code is at least its own, so equal codes associate to the left and unary minus
// and functions (codes above every binary one) bind tightest.
int CNumoraEvaluator::ToPostfix(CNumoraProgram& program) {
    int16_t* tokens = program.tokens;
    int16_t* stack = program.stack;
    int top = 0;
    stack[0] = TokenEnd;
    int written = 0;
    for (int read = 0;; ++read) {
        int16_t token = tokens[read];
        if (token >= TokenFirstNumber) {
            tokens[written++] = token;
        } else if (token == TokenOpen || token >= TokenNegate) {
            if (top + 1 >= CNumoraProgram::kStack)
                return 0;
            stack[++top] = token;
        } else if (token == TokenClose) {
            while (top > 0 && stack[top] != TokenOpen)
                tokens[written++] = stack[top--];
            if (top == 0)
                return 0;
            --top;
        } else if (token >= TokenAdd && token <= TokenRemainder) {
            while (stack[top] >= token && stack[top] > TokenOpen)
                tokens[written++] = stack[top--];
            if (top + 1 >= CNumoraProgram::kStack)
                return 0;
            stack[++top] = token;
        } else if (token == TokenEnd) {
            while (top > 0)
                tokens[written++] = stack[top--];
            tokens[written] = TokenEnd;
            return 1;
        } else {
            return 0;
        }
    }
}

int CNumoraEvaluator::Evaluate(CNumoraProgram& program) {
    double* slots = program.slots;
    int16_t* stack = program.stack;
    int top = -1;
    for (const int16_t* token = program.tokens; *token != TokenEnd; ++token) {
        int16_t code = *token;
        if (code >= TokenFirstNumber) {
            stack[++top] = static_cast<int16_t>(code - TokenFirstNumber);
        } else if (code >= TokenNegate) {
            if (top < 0)
                return 0;
            double& v = slots[stack[top]];
            if (code == TokenNegate)
                v = -v;
            else if (code - TokenFirstFunction == FunctionPercent)
                v = NumoraMath::Percent(v, slots[0], slots[1]);
            else if (code - TokenFirstFunction == FunctionRandom)
                v = NumoraMath::Random(m_random);
            else
                v = NumoraMath::Function(code - TokenFirstFunction, v, m_angleMode);
        } else {
            if (top < 1)
                return 0;
            double right = slots[stack[top--]];
            double& left = slots[stack[top]];
            left = Binary(code, left, right);
        }
    }
    return top == 0 ? 1 : 0;
}

double CNumoraEvaluator::Binary(int16_t token, double left, double right) {
    using namespace NumoraMath;
    switch (token) {
    case TokenAdd:
        return left + right;
    case TokenSubtract:
        return Subtract(left, right, m_precision);
    case TokenMultiply:
        return left * right;
    case TokenDivide:
        return left / right;
    case TokenPower:
        return Power(left, right);
    case TokenExponent:
        return TimesTenTo(left, right);
    case TokenRoot:
        return Root(left, right);
    case TokenCombinations:
        return Combinations(left, right);
    case TokenPermutations:
        return Permutations(left, right);
    case TokenPolarX:
        return PolarX(left, right, m_angleMode);
    case TokenPolarY:
        return PolarY(left, right, m_angleMode);
    case TokenRadius:
        return Radius(left, right);
    case TokenAngle:
        return Angle(left, right, m_angleMode);
    case TokenAnd:
        return BitAnd(left, right);
    case TokenOr:
        return BitOr(left, right);
    case TokenXor:
        return BitXor(left, right);
    case TokenNor:
        return BitNor(left, right);
    case TokenRemainder:
        return std::fmod(left, right);
    default:
        return left;
    }
}
