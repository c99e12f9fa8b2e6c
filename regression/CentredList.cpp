#include "regression/CentredList.h"

#include <cmath>

namespace {

// ln(value) - ln(base) for positive finite values. Near the base the difference
// comes from log1p of the exact relative step (hourly time stamps of 1.7e9 differ
// in ln only in the seventh digit, which two rounded logarithms would spoil);
// farther away from the logarithm of the quotient.
double LnRatio(double value, double base) {
    if (value == base) {
        return 0.0;
    }
    if (value >= base * 0.5 && value <= base * 2) {
        return std::log1p((value - base) / base);
    }
    const double quotient = value / base;
    if (std::isnormal(quotient)) {
        return std::log(quotient);
    }
    return std::log(value) - std::log(base);
}

double Transformed(double value, int transform) {
    switch (transform) {
    case CentredList::Ln:
        return std::log(value);
    case CentredList::Log10:
        return std::log10(value);
    default:
        return value;
    }
}

double Offset(double value, double first, int transform) {
    switch (transform) {
    case CentredList::Ln:
        return LnRatio(value, first);
    case CentredList::Log10:
        return LnRatio(value, first) / std::log(10.0);
    default:
        return value - first;
    }
}

} // namespace

int CentredList::Set(const double* values, int n, int transform) {
    count = n;
    if (n <= 0 || n > kCapacity) {
        return 0;
    }
    base = Transformed(values[0], transform);
    if (!std::isfinite(base)) {
        return 0;
    }
    double offsets[kCapacity];
    double sum = 0.0;
    equal = true;
    for (int i = 0; i < n; ++i) {
        const double transformed = Transformed(values[i], transform);
        offsets[i] = Offset(values[i], values[0], transform);
        if (!std::isfinite(transformed) || !std::isfinite(offsets[i])) {
            return 0;
        }
        // Equal as the transformed doubles are, even where the offsets still tell
        // two values apart.
        equal = equal && transformed == base;
        sum += offsets[i];
    }
    meanOffset = sum / n;
    double largest = 0.0;
    for (int i = 0; i < n; ++i) {
        deviations[i] = offsets[i] - meanOffset;
        largest = std::fmax(largest, std::fabs(deviations[i]));
    }
    if (!std::isfinite(largest)) {
        return 0;
    }
    exponent = largest > 0.0 ? std::ilogb(largest) : 0;
    double deviationSum = 0.0;
    squares = 0.0;
    for (int i = 0; i < n; ++i) {
        deviations[i] = std::ldexp(deviations[i], -exponent);
        deviationSum += deviations[i];
        squares += deviations[i] * deviations[i];
    }
    // What the rounded mean left in the deviations' sum.
    squares -= deviationSum * deviationSum / n;
    if (squares < 0.0) {
        squares = 0.0;
    }
    return 1;
}

double CentredList::Deviation(int divisor) const {
    return std::ldexp(std::sqrt(squares / divisor), exponent);
}

double ScaledCrossSum(const CentredList& x, const CentredList& y) {
    const int n = x.count;
    double products = 0.0, sumX = 0.0, sumY = 0.0;
    for (int i = 0; i < n; ++i) {
        products += x.deviations[i] * y.deviations[i];
        sumX += x.deviations[i];
        sumY += y.deviations[i];
    }
    return products - sumX * sumY / n;
}
