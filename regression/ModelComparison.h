#pragma once

#include "regression/ZoqStats.h"

#include <string>

// All five models fitted to the same entries, side by side, and what the current
// model leaves unexplained per entry.

constexpr int kModelCount = CZoqStats::Power + 1;

struct SModelFit {
    // 0 when the model cannot describe the entries: fewer than three of them, a
    // logarithm of an x (ln, log 10, power) or a y (exponential, power) that is not
    // positive, or all transformed x values equal. a, b, r and r2 are then NaN.
    int fits = 0;
    double a = 0.0;
    double b = 0.0;
    double r = 0.0;
    double r2 = 0.0;
};

struct SModelTable {
    SModelFit fits[kModelCount];
    // The model with the largest r2, or -1 when none fits or none has an r.
    int best = -1;
};

// Fits every model to the entries of `stats` (its x and y lists must be equally
// long, or nothing fits). `stats` itself, its model included, is not changed.
// Returns the number of models that fit.
int CompareModels(const CZoqStats& stats, SModelTable& table);

// The table row of one model as the window shows it: its name (marked when it
// is the best) and either "cannot fit" or a, b, r and r2 to six significant digits.
// Three lines; each written within `capacity` characters.
void DescribeModelRow(const SModelTable& table, int model, wchar_t lines[3][64]);

// y - ŷ per entry for the model of `stats`. Returns the number of entries written
// (at most `capacity`), or 0 when the model cannot fit the entries.
int ComputeResiduals(const CZoqStats& stats, double* residuals, int capacity);

// "x<TAB>y<TAB>residual" per entry, each value as the data files write it, each
// line ended by `lineEnd`; empty when the model cannot fit.
std::string WriteResidualsText(const CZoqStats& stats, const char* lineEnd);

// "x<TAB>y" per entry (entries 0 .. n_y - 1), values as the data files write them,
// so that they read back as the same doubles.
std::string WriteTabEntries(const CZoqStats& stats, const char* lineEnd);
