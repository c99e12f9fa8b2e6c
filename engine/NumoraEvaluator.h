#pragma once

#include "engine/NumoraProgram.h"

#include <cstdint>

// Turns the scanned token list into postfix order in place and evaluates it over the
// number slots; the result is left in slot 0.
class CNumoraEvaluator {
public:
    CNumoraEvaluator(int angleMode, int precision, uint32_t& random)
        : m_angleMode(angleMode), m_precision(precision), m_random(random) {}

    // 1 on success; 0 only for a token list the scanner cannot produce.
    int Run(CNumoraProgram& program);

private:
    static int ToPostfix(CNumoraProgram& program);
    int Evaluate(CNumoraProgram& program);
    double Binary(int16_t token, double left, double right);

    int m_angleMode;
    int m_precision;
    uint32_t& m_random;
};
