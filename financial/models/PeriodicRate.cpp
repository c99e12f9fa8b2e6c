#include "financial/models/PeriodicRate.h"

#include <cmath>

namespace {

// Present value less the amount; discounting by repeated division keeps it free
// of pow() and monotone in the rate.
double Excess(const double* payments, int count, double amount, double rate) {
    const double factor = 1.0 / (1.0 + rate);
    double discount = 1.0;
    double value = 0;
    for (int k = 0; k < count; ++k) {
        discount *= factor;
        value += payments[k] * discount;
    }
    return value - amount;
}

} // namespace

int SolvePeriodicRate(const double* payments, int count, double amount, double* rate) {
    if (count < 1 || !(amount > 0) || !std::isfinite(amount)) {
        return 0;
    }
    double low = 0;
    const double atZero = Excess(payments, count, amount, low);
    if (!std::isfinite(atZero) || atZero < 0) {
        return 0;
    }
    if (atZero == 0) {
        *rate = 0;
        return 1;
    }
    // Widen until the payments are worth less than the amount; 2^20 per period is
    // far beyond any loan, so failing that means the payments do not discount.
    double high = 1;
    while (Excess(payments, count, amount, high) > 0) {
        low = high;
        high *= 2;
        if (high > 1048576.0) {
            return 0;
        }
    }
    for (int i = 0; i < 200; ++i) {
        const double middle = low + (high - low) / 2;
        if (middle <= low || middle >= high) {
            break; // the bracket is two neighbouring doubles
        }
        if (Excess(payments, count, amount, middle) > 0) {
            low = middle;
        } else {
            high = middle;
        }
    }
    *rate = low + (high - low) / 2;
    return 1;
}
