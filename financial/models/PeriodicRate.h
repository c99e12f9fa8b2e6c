#pragma once

// The rate per period at which `payments` (payment k due at the end of period k + 1)
// are worth `amount` today. The present value falls as the rate rises, so the rate
// is bracketed and halved down until the bracket no longer narrows: it cannot
// diverge or cycle whatever the payments are. 1 with the rate, 0 when no rate of 0
// or more gives the amount (the payments add up to less than it, or it is not
// positive).
int SolvePeriodicRate(const double* payments, int count, double amount, double* rate);
