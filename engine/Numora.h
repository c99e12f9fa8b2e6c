#pragma once

#include "engine/ZoqBaseConverter.h"
#include "engine/ZoqLazyInstance.h"

#include <cstdint>

class CZoqString;

// Unit of trigonometric arguments and of the results of the inverse functions.
enum AngleMode : int32_t { AngleDegrees = 0, AngleRadians = 1, AngleGrads = 2 };

// The expression engine: evaluates a calculator expression given as wide text and
// hands back the result as text (or "syntax error", "infinity", "imaginary") and as a
// double. One instance per program; calls must not overlap.
//
// Limits of one expression: 129 numbers, 256 tokens (the end token included) and 255
// characters after the rewriting of the special characters. An expression beyond any
// of them evaluates to "syntax error"; nothing is ever written past a buffer.
class Numora {
public:
    // Every output text buffer given to the engine must hold this many wide characters.
    static constexpr int kResultCapacity = 64;
    static constexpr int kMaxNumbers = 129;
    static constexpr int kMaxTokens = 256;
    static constexpr int kMaxTextLength = 255;
    // Input texts of up to kWorkCapacity - 1 characters are rewritten; longer ones fail.
    static constexpr int kWorkCapacity = 512;
    static constexpr int kMaxAngleText = 32;

    static Numora* GetInstance();
    // Destroys the engine and the text utility singleton it uses.
    static void ReleaseInstance();

    // Full form. Bases 2..36; another base gives "syntax error". The output may be
    // the input buffer. Returns number slot 0: the result, or after a syntax error the
    // first number as scanned (0 when none was scanned).
    double Evaluate(const wchar_t* input, wchar_t* output, int inputBase, int outputBase);
    // Short form: the stored base for input and output.
    double Evaluate(const wchar_t* input, wchar_t* output);

    // 0..15 significant digits of decimal results; 0 when refused (nothing changes).
    int SetPrecision(int digits);
    int GetPrecision() const { return m_precision; }
    int GetAngleMode() const { return m_angleMode; }
    // 0..2 set the mode, 3 cycles degrees -> radians -> grads -> degrees.
    int SetAngleMode(int mode);
    // 2..36; 0 when refused (nothing changes).
    int SetBase(int base);
    int GetBase() const { return m_base; }
    // Writes the value converted from the current angle unit to the next one in the
    // cycle; 0 (output untouched) when the value text is longer than 32 characters.
    int ConvertAngle(const wchar_t* value, wchar_t* output);

    // The embedded converter; its bit width (SetBits) applies to results in other bases.
    CZoqBaseConverter& GetBaseConverter() { return m_converter; }

    // Restarts the pseudo-random sequence (the engine seeds it once at creation).
    void SeedRandom(uint32_t seed) { m_random = seed; }

private:
    friend class CZoqLazyInstance<Numora>;
    Numora();
    ~Numora();
    Numora(const Numora&) = delete;
    Numora& operator=(const Numora&) = delete;

    // The steps of Evaluate; each returns 0 when the expression is a syntax error.
    int Rewrite(const wchar_t* input, wchar_t* work);
    int ToDecimal(int base, wchar_t* work);
    int Narrow(const wchar_t* work);
    void WriteResult(double value, int outputBase, wchar_t* output);

    CZoqBaseConverter m_converter;
    CZoqString& m_string;
    // The fixed tables of an evaluation and the scanner, kept out of this header.
    struct CTables;
    CTables* m_tables;
    int32_t m_angleMode = AngleDegrees;
    int8_t m_precision = 15;
    int8_t m_base = 10;
    uint32_t m_random = 0;
};
