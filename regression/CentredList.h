#pragma once

// One list of a regression fit, held so that the fit keeps its digits however far
// the values sit from 0: each value's transform as an offset from the transform of
// the first value, and those offsets' deviations from their mean, scaled by a power
// of two so that their squares neither overflow nor underflow.
struct CentredList {
    enum Transform { Identity = 0, Ln = 1, Log10 = 2 };
    static constexpr int kCapacity = 100;

    int count = 0;
    // The transform of the first value; the mean is base + meanOffset.
    double base = 0.0;
    double meanOffset = 0.0;
    // (offset - meanOffset) / 2^exponent for each value.
    double deviations[kCapacity] = {};
    int exponent = 0;
    // Sum of the squared scaled deviations, less the rounding left in their sum.
    double squares = 0.0;
    // Every transformed value (as a double) equals the first one.
    bool equal = false;

    // Fills the list from `count` (1 .. kCapacity) raw values. Returns 0 when a
    // transformed value is not finite (a logarithm of a value <= 0, an infinite
    // value) or there is no value: the list is then unusable.
    int Set(const double* values, int count, int transform);

    double Mean() const { return base + meanOffset; }
    // Square root of the sum of squared deviations over `divisor`.
    double Deviation(int divisor) const;
};

// The sum of the products of the deviations of two lists of equal count, scaled by
// 2^-(x.exponent + y.exponent).
double ScaledCrossSum(const CentredList& x, const CentredList& y);
