#pragma once

// x = n·π/2 + r for a finite double x of any magnitude: writes the quadrant n mod 4 and
// r in [-π/4, π/4] as an unevaluated sum hi + lo of extended-precision values, accurate
// to far more bits than a double holds even when x lies next to a multiple of π/2.
void ZoqReduceQuarterTurns(double x, int* quadrant, long double* hi, long double* lo);
