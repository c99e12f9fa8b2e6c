#pragma once

// The engine's elementary functions, one implementation for every build. The runtime
// libraries disagree in the last digits (mingw-w64 reduces large trigonometric
// arguments with a short pi and loses digits in sinh and tanh), so a result would
// depend on the program that computed it. These compute in x87 extended precision,
// which both x86-64 builds share, with exact argument reduction for sin, cos and tan
// at any magnitude, and round once to double: the correctly rounded result except
// when it lies within about 2^-10 units in the last place of a halfway point.
// Special values follow the C standard (nan in, nan out; domain errors give nan).
// No allocation, no state.

double ZoqSin(double x);
double ZoqCos(double x);
double ZoqTan(double x);
double ZoqAsin(double x);
double ZoqAcos(double x);
double ZoqAtan(double x);
double ZoqExp(double x);
double ZoqLog(double x);
double ZoqLog10(double x);
double ZoqSinh(double x);
double ZoqCosh(double x);
double ZoqTanh(double x);
// x^y with the special cases of the C standard's pow.
double ZoqPower(double x, double y);
