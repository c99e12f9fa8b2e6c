#pragma once

#include "engine/NumoraProgram.h"

// Recursive-descent scanner: checks the grammar of the narrowed text, writes the token
// list in infix order and stores every number in the next slot. There is no white
// space and no implicit multiplication. Beyond the token or slot limits it fails like
// any other syntax error.
class CNumoraScanner {
public:
    // The literal values of the constants, converted once like typed numbers.
    CNumoraScanner();

    // 1 when the whole text is one expression; 0 on a syntax error. On failure the
    // slots hold what was scanned before the failing place.
    int Scan(CNumoraProgram& program);

private:
    // One precedence level: operands joined left to right by the level's binary
    // operators, whose token OperatorToken gives for a character (0 for none).
    template <bool (CNumoraScanner::*Operand)(int), int16_t (*OperatorToken)(char)>
    bool Level(int depth);
    bool Expression(int depth);
    bool Term(int depth);
    bool Factor(int depth);
    bool Primary(int depth);
    bool Parenthesised(int depth);
    bool NamedPrimary(int depth);
    bool Literal();
    bool Append(int16_t token);
    bool StoreNumber(double value);

    CNumoraProgram* m_program = nullptr;
    const char* m_at = nullptr;
    double m_pi;
    double m_e;
};
