#pragma once

#include <cstdint>

// The fixed tables of one evaluation: the narrowed text, the token list (infix while
// scanning, postfix after the conversion), the operator/operand stack and the number
// slots. Nothing in the evaluation path allocates.

// Token codes. The code of a binary operator is also its precedence.
enum NumoraToken : int16_t {
    TokenEnd = 1,
    TokenOpen = 2,
    TokenAdd = 3,
    TokenSubtract = 4,
    TokenMultiply = 5,
    TokenDivide = 6,
    TokenPower = 7,
    TokenExponent = 8,
    TokenRoot = 9,
    TokenCombinations = 10,
    TokenPermutations = 11,
    TokenPolarX = 12,
    TokenPolarY = 13,
    TokenRadius = 14,
    TokenAngle = 15,
    TokenAnd = 16,
    TokenOr = 17,
    TokenXor = 18,
    TokenNor = 19,
    TokenRemainder = 20,
    TokenClose = 21,
    TokenNegate = 24,
    TokenFirstFunction = 25,
    TokenLastFunction = 56,
    TokenFirstNumber = 75,
};

// Positions in the function table; the token code is TokenFirstFunction + position.
enum NumoraFunction : int {
    FunctionAbs,
    FunctionAcos,
    FunctionAsin,
    FunctionAtanh,
    FunctionAtan,
    FunctionCosh,
    FunctionCos,
    FunctionExp,
    FunctionLog2,
    FunctionLog,
    FunctionLn,
    FunctionSinh,
    FunctionSin,
    FunctionSqrt,
    FunctionTanh,
    FunctionTan,
    FunctionPercent,
    FunctionFactorial,
    FunctionAsnh,
    FunctionAcsh,
    FunctionAtnh,
    FunctionSum,
    FunctionDegreesToDecimal,
    FunctionDecimalToDegrees,
    FunctionRandom,
    FunctionTenX,
    FunctionCubeRoot,
    FunctionCube,
    FunctionSquare,
    FunctionInverse,
    FunctionNegate,
    FunctionEx,
    FunctionCount
};

struct CNumoraProgram {
    static constexpr int kSlots = 129;
    static constexpr int kTokens = 256;
    static constexpr int kTextCapacity = 256;
    // Every token but the end token can be an operator waiting on the stack (a run of
    // unary minus signs), so the stack holds as many entries as the token list.
    static constexpr int kStack = kTokens;

    double slots[kSlots];
    char text[kTextCapacity];
    int16_t tokens[kTokens];
    int16_t stack[kStack];
    int16_t tokenCount;
    int16_t numberCount;
    int16_t textLength;
};
