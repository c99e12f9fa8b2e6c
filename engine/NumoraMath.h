#pragma once

#include <cstdint>

// The arithmetic of the engine's operators and functions, each as the calculator
// defines it (snapping of trigonometric results, the rounded subtraction, the loops of
// "!", "C" and "P" stopped at overflow). Angles are in the unit of `angleMode`.
namespace NumoraMath {

// Subtraction rounded to the decimals the operands show at `precision` digits, which
// removes the binary noise of differences such as 0.3-0.1. With an operand written
// with an exponent the plain difference is the result when the rounded one is not
// finite or moves it by more than 1e-13 of its magnitude (1e-20-0 stays 1e-20).
double Subtract(double left, double right, int precision);

double Power(double left, double right);
double TimesTenTo(double left, double right);
double Root(double left, double right);
double Combinations(double left, double right);
double Permutations(double left, double right);
double PolarX(double radius, double angle, int angleMode);
double PolarY(double radius, double angle, int angleMode);
double Radius(double x, double y);
// Angle of the point (x, y) in [0, 360) degrees or the equivalent; -0 counts as 0.
double Angle(double x, double y, int angleMode);
double BitAnd(double left, double right);
double BitOr(double left, double right);
double BitXor(double left, double right);
double BitNor(double left, double right);

double Factorial(double v);
// m(m+1)/2 of m = floor(v), with the sign of m.
double Sum(double v);
double DegreesToDecimal(double v);
double DecimalToDegrees(double v);
// v percent, of slot 0 when slot 1 is not 0.
double Percent(double v, double slot0, double slot1);
// The next pseudo-random value in [0, 1]; `state` is the generator.
double Random(uint32_t& state);
// A function of the table other than "pct" and "rand".
double Function(int position, double v, int angleMode);

} // namespace NumoraMath
