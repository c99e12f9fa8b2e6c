#include "financial/models/Annuity.h"

#include <cmath>

// Long double on both builds: the x87 precision leaves the result correctly rounded in
// all but rare cases, so the Windows and the native build agree on the payment.
double AnnuityPayment(double principal, double rate, int count) {
    if (count <= 0) {
        return 0;
    }
    if (rate == 0) {
        return principal / count;
    }
    const long double r = rate;
    // 1 - (1 + r)^-n = -expm1(-n log1p(r)).
    const long double repaid = -std::expm1(-static_cast<long double>(count) * std::log1p(r));
    return static_cast<double>(static_cast<long double>(principal) * r / repaid);
}

double RatePerPart(double rate, double parts) {
    const long double r = rate;
    return static_cast<double>(std::expm1(std::log1p(r) / static_cast<long double>(parts)));
}
