#pragma once

// The level payment that repays `principal` in `count` payments at `rate` per period
// (a fraction: 0.005 is half a percent): principal * rate / (1 - (1 + rate)^-count).
// Worked out through log1p and expm1 so that a rate too small to change 1 + rate still
// gives its true payment rather than infinity; a rate of 0 repays in equal parts.
// 0 when there are no payments.
double AnnuityPayment(double principal, double rate, int count);

// (1 + rate)^(1 / parts) - 1: the rate per part of a period that compounds to `rate`
// over the period, without the cancellation of subtracting 1 from a power near 1.
double RatePerPart(double rate, double parts);
