#include "regression/ModelComparison.h"
#include "regression/TrendoraCsv.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

// Least squares by the normal equations in long double on the transformed data,
// written apart from the fit under test.
struct Reference {
    bool fits = false;
    long double a = 0, b = 0, r = 0;
};

bool Transform(int model, double x, double y, long double& tx, long double& ty) {
    const bool logX = model == 1 || model == 2 || model == 4;
    const bool logY = model == 3 || model == 4;
    if ((logX && x <= 0) || (logY && y <= 0)) {
        return false;
    }
    tx = model == 2 ? std::log10(static_cast<long double>(x))
         : logX     ? std::log(static_cast<long double>(x))
                    : x;
    ty = logY ? std::log(static_cast<long double>(y)) : y;
    return true;
}

Reference Solve(int model, const std::vector<double>& x, const std::vector<double>& y) {
    Reference ref;
    const size_t n = x.size();
    if (n < 3) {
        return ref;
    }
    long double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    std::vector<long double> tx(n), ty(n);
    for (size_t i = 0; i < n; ++i) {
        if (!Transform(model, x[i], y[i], tx[i], ty[i])) {
            return ref;
        }
        sx += tx[i];
        sy += ty[i];
    }
    const long double mx = sx / n, my = sy / n;
    for (size_t i = 0; i < n; ++i) {
        sxx += (tx[i] - mx) * (tx[i] - mx);
        syy += (ty[i] - my) * (ty[i] - my);
        sxy += (tx[i] - mx) * (ty[i] - my);
    }
    if (sxx == 0) {
        return ref;
    }
    ref.fits = true;
    ref.b = sxy / sxx;
    ref.a = my - ref.b * mx;
    ref.r = sxy / std::sqrt(sxx * syy);
    return ref;
}

void Fill(CZoqStats& stats, const std::vector<double>& x, const std::vector<double>& y) {
    for (size_t i = 0; i < x.size(); ++i) {
        ASSERT_TRUE(stats.AppendX(x[i]));
        ASSERT_TRUE(stats.AppendY(y[i]));
    }
}

void ExpectNear(double actual, long double expected, const char* what) {
    const long double scale = std::fmax(1.0L, std::fabs(expected));
    EXPECT_LE(std::fabs(actual - expected), 1e-10L * scale)
        << what << ": " << actual << " vs " << static_cast<double>(expected);
}

struct Set {
    const char* name;
    std::vector<double> x, y;
};

std::vector<Set> Sets() {
    std::vector<Set> sets = {
        {"linear-ish", {1, 2, 3, 4, 5}, {2.1, 3.9, 6.2, 7.8, 10.1}},
        {"exponential growth", {0, 1, 2, 3, 4}, {1, 2.7, 7.5, 20, 54}},
        {"power law", {1, 2, 4, 8, 16}, {3, 12.5, 47, 190, 770}},
        {"logarithmic", {1, 3, 9, 27, 81}, {0.1, 1.2, 2.1, 3.2, 4.1}},
        {"negative x", {-2, -1, 1, 2}, {1, 2, 3, 5}},
        {"zero y", {1, 2, 3, 4}, {0, 1, 2, 4}},
        {"negative y", {1, 2, 3}, {-1, -2, -4}},
        {"equal x", {2, 2, 2, 2}, {1, 2, 3, 4}},
        {"two entries", {1, 2}, {3, 5}},
        {"far from zero", {1e8, 1e8 + 1, 1e8 + 2, 1e8 + 4}, {3, 5, 7.5, 11}},
        {"falling", {0.5, 1, 1.5, 2, 3}, {9, 5, 3.2, 2.4, 1.1}},
    };
    std::mt19937 random(15);
    std::uniform_real_distribution<double> value(0.1, 50.0), sign(-1.0, 1.0);
    for (int s = 0; s < 20; ++s) {
        Set set{"random", {}, {}};
        const int n = 3 + s % 9;
        for (int i = 0; i < n; ++i) {
            // Every fourth set has values of both signs.
            set.x.push_back(value(random) * (s % 4 == 3 && sign(random) < 0 ? -1 : 1));
            set.y.push_back(value(random) * (s % 4 == 1 && sign(random) < 0 ? -1 : 1));
        }
        sets.push_back(set);
    }
    return sets;
}

TEST(ModelComparison, AgreesWithIndependentLeastSquares) {
    for (const Set& set : Sets()) {
        SCOPED_TRACE(set.name);
        CZoqStats stats;
        Fill(stats, set.x, set.y);
        ASSERT_TRUE(stats.SetModel(CZoqStats::Power));
        SModelTable table;
        int fitting = 0, best = -1;
        long double bestR2 = -1;
        const int count = CompareModels(stats, table);
        for (int model = 0; model < kModelCount; ++model) {
            SCOPED_TRACE(model);
            const Reference ref = Solve(model, set.x, set.y);
            const SModelFit& fit = table.fits[model];
            ASSERT_EQ(fit.fits != 0, ref.fits);
            if (!ref.fits) {
                EXPECT_TRUE(std::isnan(fit.a) && std::isnan(fit.b) && std::isnan(fit.r2));
                continue;
            }
            ++fitting;
            ExpectNear(fit.a, ref.a, "a");
            ExpectNear(fit.b, ref.b, "b");
            ExpectNear(fit.r, ref.r, "r");
            ExpectNear(fit.r2, ref.r * ref.r, "r2");
            if (ref.r * ref.r > bestR2) {
                bestR2 = ref.r * ref.r, best = model;
            }
        }
        EXPECT_EQ(count, fitting);
        if (best >= 0 && table.best != best) {
            // Only a tie within rounding may choose another model.
            ExpectNear(table.fits[table.best].r2, bestR2, "best r2");
        }
        EXPECT_EQ(table.best < 0, best < 0);
        EXPECT_EQ(stats.GetModel(), CZoqStats::Power) << "the comparison left the model alone";
    }
}

TEST(ModelComparison, RefusesWhatCannotFit) {
    const struct {
        const char* name;
        std::vector<double> x, y;
        int fitting[kModelCount];
    } cases[] = {
        {"all positive", {1, 2, 3}, {1, 3, 2}, {1, 1, 1, 1, 1}},
        {"zero x", {0, 1, 2}, {1, 2, 3}, {1, 0, 0, 1, 0}},
        {"negative y", {1, 2, 3}, {1, -2, 3}, {1, 1, 1, 0, 0}},
        {"equal x", {5, 5, 5}, {1, 2, 3}, {0, 0, 0, 0, 0}},
        {"equal x of 1 in logs", {1, 1, 1}, {1, 2, 3}, {0, 0, 0, 0, 0}},
        {"two entries", {1, 2}, {1, 2}, {0, 0, 0, 0, 0}},
        {"none", {}, {}, {0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CZoqStats stats;
        Fill(stats, c.x, c.y);
        SModelTable table;
        CompareModels(stats, table);
        for (int model = 0; model < kModelCount; ++model) {
            SCOPED_TRACE(model);
            EXPECT_EQ(table.fits[model].fits, c.fitting[model]);
            wchar_t lines[3][64];
            DescribeModelRow(table, model, lines);
            const bool saysCannot =
                std::wstring(lines[1]).find(L"cannot fit") != std::wstring::npos;
            EXPECT_EQ(saysCannot, c.fitting[model] == 0) << lines[1];
        }
    }
}

TEST(ModelComparison, UnequalListsFitNothing) {
    CZoqStats stats;
    Fill(stats, {1, 2, 3}, {2, 4, 6});
    ASSERT_TRUE(stats.AppendX(4));
    SModelTable table;
    EXPECT_EQ(CompareModels(stats, table), 0);
    EXPECT_EQ(table.best, -1);
    double residuals[4];
    EXPECT_EQ(ComputeResiduals(stats, residuals, 4), 0);
}

TEST(ModelComparison, MarksOnlyTheBestRow) {
    CZoqStats stats;
    Fill(stats, {1, 2, 3, 4, 5}, {2.7, 7.4, 20.1, 54.6, 148.4});
    SModelTable table;
    CompareModels(stats, table);
    ASSERT_EQ(table.best, CZoqStats::Exponential);
    for (int model = 0; model < kModelCount; ++model) {
        wchar_t lines[3][64];
        DescribeModelRow(table, model, lines);
        EXPECT_EQ(std::wstring(lines[0]).find(L"best") != std::wstring::npos,
                  model == CZoqStats::Exponential)
            << model;
    }
}

TEST(ModelComparison, ResidualsAgainstReference) {
    for (const Set& set : Sets()) {
        for (int model = 0; model < kModelCount; ++model) {
            SCOPED_TRACE(std::string(set.name) + " model " + std::to_string(model));
            CZoqStats stats;
            Fill(stats, set.x, set.y);
            ASSERT_TRUE(stats.SetModel(model));
            const Reference ref = Solve(model, set.x, set.y);
            double residuals[CZoqStats::kCapacity];
            const int count = ComputeResiduals(stats, residuals, CZoqStats::kCapacity);
            ASSERT_EQ(count, ref.fits ? static_cast<int>(set.x.size()) : 0);
            for (int i = 0; i < count; ++i) {
                long double tx = 0, ty = 0;
                ASSERT_TRUE(Transform(model, set.x[i], set.y[i], tx, ty));
                const long double line = ref.a + ref.b * tx;
                const long double predicted = model >= 3 ? std::exp(line) : line;
                // Beyond the rounding of the data, the transformed x carries one
                // rounding of its own, which the slope magnifies.
                const long double conditioning = 16 * DBL_EPSILON * std::fabs(ref.b * tx) *
                                                 (model >= 3 ? std::fabs(predicted) : 1.0L);
                const long double scale = std::fmax(1.0L, std::fabs(set.y[i]));
                EXPECT_LE(std::fabs(residuals[i] - (set.y[i] - predicted)),
                          1e-9L * scale + conditioning)
                    << i;
            }
        }
    }
}

// The clipboard texts read back through the data file reader as the same doubles.
TEST(ModelComparison, TextsReadBackExactly) {
    const std::vector<double> x = {0.1, -1e-300, 123456789.123456789, 1.0 / 3.0, 7};
    const std::vector<double> y = {2.5e300, 0, -0.000123, 2.0 / 3.0, 1e-5};
    CZoqStats stats;
    Fill(stats, x, y);
    const std::string text = WriteTabEntries(stats, "\r\n");
    EXPECT_EQ(text.find(','), std::string::npos) << text;
    CZoqStats back;
    const CsvReadReport report = ReadCsvEntries(text.data(), static_cast<int>(text.size()), back);
    EXPECT_FALSE(report.AnythingLeftOut());
    ASSERT_EQ(back.GetCountY(), static_cast<int>(x.size()));
    for (size_t i = 0; i < x.size(); ++i) {
        EXPECT_EQ(back.GetX(static_cast<int>(i)), x[i]) << i;
        EXPECT_EQ(back.GetY(static_cast<int>(i)), y[i]) << i;
    }

    double residuals[8];
    ASSERT_EQ(ComputeResiduals(stats, residuals, 8), 5);
    const std::string lines = WriteResidualsText(stats, "\n");
    const char* p = lines.c_str();
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        char* end = nullptr;
        EXPECT_EQ(std::strtod(p, &end), x[i]);
        ASSERT_EQ(*end, '\t');
        EXPECT_EQ(std::strtod(end + 1, &end), y[i]);
        ASSERT_EQ(*end, '\t');
        EXPECT_EQ(std::strtod(end + 1, &end), residuals[i]);
        ASSERT_EQ(*end, '\n');
        p = end + 1;
    }
    EXPECT_EQ(*p, '\0');
    ASSERT_TRUE(stats.SetModel(CZoqStats::Log));
    EXPECT_EQ(WriteResidualsText(stats, "\n"), "") << "ln of a negative x";
}

} // namespace
