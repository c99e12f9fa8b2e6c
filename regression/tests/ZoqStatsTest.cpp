#include "regression/ZoqStats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

struct FitCase {
    const char* name;
    int model;
    std::vector<double> x, y;
    double a, b, r;
};

void Fill(CZoqStats& stats, const std::vector<double>& x, const std::vector<double>& y) {
    for (double v : x) {
        ASSERT_TRUE(stats.AppendX(v));
    }
    for (double v : y) {
        ASSERT_TRUE(stats.AppendY(v));
    }
}

TEST(ZoqStats, FitsEachModelOnExactData) {
    const double e = std::exp(1.0);
    const FitCase cases[] = {
        {"linear rising", CZoqStats::Linear, {1, 2, 3}, {2, 4, 6}, 0, 2, 1},
        {"linear falling", CZoqStats::Linear, {1, 2, 3}, {3, 1, -1}, 5, -2, -1},
        {"log", CZoqStats::Log, {1, e, e * e}, {4, 7, 10}, 4, 3, 1},
        {"log 10", CZoqStats::Log10, {1, 10, 100}, {1, 2, 3}, 1, 1, 1},
        {"exponential", CZoqStats::Exponential, {0, 1, 2}, {1, e, e * e}, 0, 1, 1},
        {"power", CZoqStats::Power, {1, 2, 4}, {3, 12, 48}, std::log(3.0), 2, 1},
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.name);
        CZoqStats stats;
        ASSERT_TRUE(stats.SetModel(c.model));
        Fill(stats, c.x, c.y);
        ASSERT_TRUE(stats.Fit());
        EXPECT_NEAR(stats.GetIntercept(), c.a, 1e-12);
        EXPECT_NEAR(stats.GetSlope(), c.b, 1e-12);
        EXPECT_NEAR(stats.GetCorrelation(), c.r, 1e-12);
    }
}

TEST(ZoqStats, MeansAndDeviationsAreOfTransformedValues) {
    CZoqStats stats;
    stats.SetModel(CZoqStats::Log10);
    Fill(stats, {1, 10, 100, 1000}, {2, 4, 4, 6});
    ASSERT_TRUE(stats.Fit());
    EXPECT_DOUBLE_EQ(stats.GetMeanX(), 1.5);
    EXPECT_DOUBLE_EQ(stats.GetMeanY(), 4.0);
    EXPECT_NEAR(stats.GetPopulationDeviationX(), std::sqrt(1.25), 1e-12);
    EXPECT_NEAR(stats.GetSampleDeviationX(), std::sqrt(5.0 / 3.0), 1e-12);
    EXPECT_NEAR(stats.GetPopulationDeviationY(), std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(stats.GetSampleDeviationY(), std::sqrt(8.0 / 3.0), 1e-12);
}

TEST(ZoqStats, UnequalListsRefuseTheFitAndKeepTheLastCoefficients) {
    CZoqStats stats;
    Fill(stats, {1, 2, 3}, {2, 4, 6});
    ASSERT_TRUE(stats.Fit());
    stats.AppendX(10);
    EXPECT_FALSE(stats.Fit());
    EXPECT_DOUBLE_EQ(stats.GetSlope(), 2.0);
    EXPECT_NEAR(stats.GetIntercept(), 0.0, 1e-12);
    // The means were still recomputed from both lists.
    EXPECT_DOUBLE_EQ(stats.GetMeanX(), 4.0);
}

TEST(ZoqStats, DegenerateDataGiveNonFiniteResults) {
    struct Case {
        const char* name;
        int model;
        std::vector<double> x, y;
    } cases[] = {
        {"single entry", CZoqStats::Linear, {1}, {2}},
        {"equal x values", CZoqStats::Linear, {2, 2, 2}, {1, 2, 3}},
        {"log of zero", CZoqStats::Log, {0, 1, 2}, {1, 2, 3}},
        {"log of negative y", CZoqStats::Exponential, {1, 2, 3}, {-1, 2, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CZoqStats stats;
        stats.SetModel(c.model);
        Fill(stats, c.x, c.y);
        EXPECT_TRUE(stats.Fit());
        EXPECT_FALSE(std::isfinite(stats.GetSlope()) && std::isfinite(stats.GetCorrelation()));
    }
}

TEST(ZoqStats, ModelNumbers) {
    CZoqStats stats;
    EXPECT_EQ(stats.GetModel(), CZoqStats::Linear);
    const struct {
        int model;
        int accepted;
    } cases[] = {{-1, 0}, {0, 1}, {4, 1}, {5, 1}, {6, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model);
        CZoqStats s;
        s.SetModel(CZoqStats::Power);
        EXPECT_EQ(s.SetModel(c.model), c.accepted);
        EXPECT_EQ(s.GetModel(), c.accepted ? c.model : CZoqStats::Power);
    }
    // Model 5 has no transformation: its fit is refused.
    stats.SetModel(5);
    Fill(stats, {1, 2, 3}, {2, 4, 6});
    EXPECT_FALSE(stats.Fit());
    // Clear keeps the model.
    stats.Clear();
    EXPECT_EQ(stats.GetModel(), 5);
    EXPECT_EQ(stats.GetCountX(), 0);
}

// Each row: a list of three values (10, 20, 30), one operation, what it returns
// and the list afterwards.
TEST(ZoqStats, ListOperations) {
    enum Op { Set, Delete };
    const struct {
        const char* name;
        Op op;
        int index;
        int result;
        std::vector<double> after;
    } cases[] = {
        {"set overwrites", Set, 1, 1, {10, 99, 30}},
        {"set at n appends", Set, 3, 1, {10, 20, 30, 99}},
        {"set past n refused", Set, 4, 0, {10, 20, 30}},
        {"set negative refused", Set, -1, 0, {10, 20, 30}},
        {"delete first moves down", Delete, 0, 1, {20, 30}},
        {"delete middle", Delete, 1, 1, {10, 30}},
        {"delete at n removes the last", Delete, 3, 1, {10, 20}},
        {"delete past n refused", Delete, 4, 0, {10, 20, 30}},
        {"delete negative refused", Delete, -1, 0, {10, 20, 30}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (int list = 0; list < 2; ++list) {
            CZoqStats stats;
            const bool isX = list == 0;
            for (double v : {10.0, 20.0, 30.0}) {
                isX ? stats.AppendX(v) : stats.AppendY(v);
            }
            int result = 0;
            if (c.op == Set) {
                result = isX ? stats.SetX(99, c.index) : stats.SetY(99, c.index);
            } else {
                result = isX ? stats.DeleteX(c.index) : stats.DeleteY(c.index);
            }
            EXPECT_EQ(result, c.result);
            std::vector<double> held;
            const int count = isX ? stats.GetCountX() : stats.GetCountY();
            for (int i = 0; i < count; ++i) {
                held.push_back(isX ? stats.GetX(i) : stats.GetY(i));
            }
            EXPECT_EQ(held, c.after);
            EXPECT_EQ(isX ? stats.GetCountY() : stats.GetCountX(), 0);
        }
    }
}

TEST(ZoqStats, CapacityIsOneHundredValues) {
    CZoqStats stats;
    EXPECT_FALSE(stats.DeleteX(0)) << "empty list";
    for (int i = 0; i < CZoqStats::kCapacity; ++i) {
        ASSERT_TRUE(stats.AppendX(i));
        ASSERT_TRUE(stats.SetY(i, i));
    }
    EXPECT_FALSE(stats.AppendX(100));
    EXPECT_FALSE(stats.SetY(100, 100));
    EXPECT_TRUE(stats.SetY(-5, 99));
    EXPECT_EQ(stats.GetCountX(), 100);
    EXPECT_EQ(stats.GetCountY(), 100);
    EXPECT_EQ(stats.GetX(99), 99.0);
    EXPECT_EQ(stats.GetY(99), -5.0);
    EXPECT_EQ(stats.GetX(100), 0.0) << "outside the held values";
}

// Data far from 0 keep every digit of the fit, where the raw sums lost them all.
TEST(ZoqStats, FitsFarFromZeroKeepTheirDigits) {
    const double hour = 3600;
    const FitCase cases[] = {
        {"linear at 1e8",
         CZoqStats::Linear,
         {100000000, 100000001, 100000002, 100000003},
         {1, 3, 5, 7},
         -199999999,
         2,
         1},
        {"linear at 1e9 falling",
         CZoqStats::Linear,
         {1e9, 1e9 + 1, 1e9 + 2},
         {5, 3, 1},
         2e9 + 5,
         -2,
         -1},
        {"linear, y at 1e8",
         CZoqStats::Linear,
         {1, 2, 3, 4},
         {1e8 + 2, 1e8 + 4, 1e8 + 6, 1e8 + 8},
         1e8,
         2,
         1},
        {"exponential at 1e6",
         CZoqStats::Exponential,
         {1e6, 1e6 + 1, 1e6 + 2},
         {1, std::exp(0.5), std::exp(1.0)},
         -5e5,
         0.5,
         1},
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.name);
        CZoqStats stats;
        stats.SetModel(c.model);
        Fill(stats, c.x, c.y);
        ASSERT_TRUE(stats.Fit());
        EXPECT_NEAR(stats.GetIntercept(), c.a, 1e-12 * std::fabs(c.a));
        EXPECT_NEAR(stats.GetSlope(), c.b, 1e-12 * std::fabs(c.b));
        EXPECT_NEAR(stats.GetCorrelation(), c.r, 1e-12);
    }
    // Hourly time stamps: y = 3 + 2 ln(x / 1.7e9) exactly, so b = 2 and r = 1.
    CZoqStats stats;
    stats.SetModel(CZoqStats::Log);
    for (int i = 0; i < 48; ++i) {
        const double x = 1.7e9 + hour * i;
        stats.AppendX(x);
        stats.AppendY(3 + 2 * std::log1p(hour * i / 1.7e9));
    }
    ASSERT_TRUE(stats.Fit());
    EXPECT_NEAR(stats.GetSlope(), 2, 1e-9);
    EXPECT_LE(std::fabs(stats.GetCorrelation()), 1.0);
    EXPECT_NEAR(stats.GetCorrelation(), 1, 1e-12);
}

// An independent reference in long double: the transformed values as offsets from
// the first one (ln x_i - ln x_0 as log1p of the exact relative step), then sums
// about the mean.
struct Reference {
    long double a, b, r;
    long double scaleA; // |mean y'| + |b * mean x'|: the size of what a cancels
};

std::vector<long double> Offsets(const std::vector<double>& values, bool ln, bool log10,
                                 long double& base) {
    std::vector<long double> offsets;
    const long double first = values[0];
    base = ln ? std::log(first) : log10 ? std::log10(first) : first;
    for (double v : values) {
        const long double step = static_cast<long double>(v) - first;
        long double t = ln || log10 ? std::log1p(step / first) : step;
        offsets.push_back(log10 ? t / std::log(10.0L) : t);
    }
    return offsets;
}

Reference ReferenceFit(int model, const std::vector<double>& x, const std::vector<double>& y) {
    long double baseX = 0, baseY = 0;
    const bool lnX = model == CZoqStats::Log || model == CZoqStats::Power;
    const bool lnY = model == CZoqStats::Exponential || model == CZoqStats::Power;
    const std::vector<long double> tx = Offsets(x, lnX, model == CZoqStats::Log10, baseX);
    const std::vector<long double> ty = Offsets(y, lnY, false, baseY);
    const size_t n = x.size();
    long double mx = 0, my = 0;
    for (size_t i = 0; i < n; ++i) {
        mx += tx[i];
        my += ty[i];
    }
    mx /= n;
    my /= n;
    long double sxx = 0, syy = 0, sxy = 0;
    for (size_t i = 0; i < n; ++i) {
        sxx += (tx[i] - mx) * (tx[i] - mx);
        syy += (ty[i] - my) * (ty[i] - my);
        sxy += (tx[i] - mx) * (ty[i] - my);
    }
    Reference ref;
    ref.b = sxy / sxx;
    ref.a = (baseY + my) - ref.b * (baseX + mx);
    ref.r = sxy / std::sqrt(sxx * syy);
    ref.scaleA = std::fabs(baseY + my) + std::fabs(ref.b * (baseX + mx));
    return ref;
}

std::string Describe(int model, const std::vector<double>& x, const std::vector<double>& y) {
    std::string text = "model " + std::to_string(model) + ":";
    char number[64];
    for (size_t i = 0; i < x.size(); ++i) {
        std::snprintf(number, sizeof number, " (%.17g, %.17g)", x[i], y[i]);
        text += number;
    }
    return text;
}

// Data sets of every model at offsets from 0 up to 1.7e9 (hourly time stamps), at
// ordinary and at extreme scales, noisy or exactly on the fitted relation.
TEST(ZoqStats, GeneratedFitsMatchTheReference) {
    std::mt19937_64 bits(1208);
    auto unit = [&bits] { return static_cast<double>(bits() >> 11) * 0x1p-53; };
    const double offsets[] = {0, 1e6, 1e7, 1e8, 1e9, 1.7e9};
    const double scales[] = {1, 1e-170, 1e160};
    int sets = 0;
    for (int model = CZoqStats::Linear; model <= CZoqStats::Power; ++model) {
        const bool logX =
            model == CZoqStats::Log || model == CZoqStats::Log10 || model == CZoqStats::Power;
        const bool logY = model == CZoqStats::Exponential || model == CZoqStats::Power;
        for (double offset : offsets) {
            for (double scale : scales) {
                for (int round = 0; round < 40; ++round) {
                    const int n = 2 + static_cast<int>(bits() % 99);
                    const bool exact = round % 4 == 0;
                    // Hourly steps at the time-stamp offset, else steps of up to 10.
                    const double step = offset == 1.7e9 ? 3600 : 10 * unit() + 0.01;
                    const double start = logX ? std::max(offset, 1.0) : offset - 5 * step;
                    const double slope = (unit() * 4 - 2) + (bits() % 2 ? 0.5 : -0.5);
                    std::vector<double> x, y;
                    for (int i = 0; i < n; ++i) {
                        x.push_back((start + step * (i + unit())) * scale);
                    }
                    // The relation runs from 0 to `slope` over the transformed x
                    // values, plus noise of a tenth of that.
                    const double first = logX ? std::log(x.front()) : x.front();
                    const double last = logX ? std::log(x.back()) : x.back();
                    for (int i = 0; i < n; ++i) {
                        const double position =
                            ((logX ? std::log(x[i]) : x[i]) - first) / (last - first);
                        const double noise = exact ? 0.0 : 0.1 * slope * (unit() - 0.5);
                        const double line = slope * position + noise;
                        y.push_back(logY ? std::exp(line) : (line + offset) * scale);
                    }
                    const Reference ref = ReferenceFit(model, x, y);
                    SCOPED_TRACE(Describe(model, x, y));
                    CZoqStats stats;
                    stats.SetModel(model);
                    Fill(stats, x, y);
                    ASSERT_TRUE(stats.Fit());
                    EXPECT_LE(std::fabs(stats.GetCorrelation()), 1.0);
                    EXPECT_NEAR(stats.GetSlope(), ref.b, 1e-12 * std::fabs(ref.b));
                    EXPECT_NEAR(stats.GetCorrelation(), ref.r, 1e-12);
                    EXPECT_NEAR(stats.GetIntercept(), ref.a, 1e-12 * ref.scaleA);
                    if (::testing::Test::HasFailure()) {
                        return;
                    }
                    ++sets;
                }
            }
        }
    }
    EXPECT_EQ(sets, 5 * 6 * 3 * 40);
}

// Every transformed x equal: no line fits, and a, b and r all read as the
// non-finite results of the other impossible fits. Equal y values leave only r
// undefined: the line is flat.
TEST(ZoqStats, EqualValuesAreDetectedExactly) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // Three values whose logarithms round to one double.
    const double above1e300 = std::nextafter(1e300, 2e300);
    ASSERT_EQ(std::log(1e300), std::log(std::nextafter(above1e300, 2e300)));
    const FitCase cases[] = {
        {"x = 0.1 seven times",
         CZoqStats::Linear,
         std::vector<double>(7, 0.1),
         {0, 1, 2, 3, 4, 5, 6},
         nan,
         nan,
         nan},
        {"x = 2 three times", CZoqStats::Linear, {2, 2, 2}, {1, 2, 3}, nan, nan, nan},
        {"x = 1e8 + 0.3",
         CZoqStats::Linear,
         {1e8 + 0.3, 1e8 + 0.3, 1e8 + 0.3},
         {1, 5, 2},
         nan,
         nan,
         nan},
        {"single entry", CZoqStats::Linear, {4}, {2}, nan, nan, nan},
        {"log of equal x", CZoqStats::Log, {0.7, 0.7, 0.7, 0.7}, {1, 2, 3, 4}, nan, nan, nan},
        {"log 10 of x = 1", CZoqStats::Log10, {1, 1, 1}, {1, 2, 3}, nan, nan, nan},
        {"power of equal x", CZoqStats::Power, {3.3, 3.3, 3.3}, {1, 2, 3}, nan, nan, nan},
        {"exponential of equal x",
         CZoqStats::Exponential,
         {1e9 + 0.1, 1e9 + 0.1, 1e9 + 0.1},
         {1, 2, 3},
         nan,
         nan,
         nan},
        {"equal y = 0.1",
         CZoqStats::Linear,
         {1, 2, 3, 4, 5, 6, 7},
         std::vector<double>(7, 0.1),
         0.1,
         0,
         nan},
        {"equal y far out",
         CZoqStats::Linear,
         {1e8, 1e8 + 1, 1e8 + 5},
         {1e9 + 0.7, 1e9 + 0.7, 1e9 + 0.7},
         1e9 + 0.7,
         0,
         nan},
        {"power of equal y", CZoqStats::Power, {1, 2, 3}, {0.3, 0.3, 0.3}, std::log(0.3), 0, nan},
        {"ln x equal as doubles",
         CZoqStats::Log,
         {1e300, above1e300, std::nextafter(above1e300, 2e300)},
         {1, 2, 3},
         nan,
         nan,
         nan},
        {"x almost equal",
         CZoqStats::Linear,
         {0.1, 0.1, std::nextafter(0.1, 1.0)},
         {1, 1, 2},
         1 - 0.1 / (std::nextafter(0.1, 1.0) - 0.1),
         1 / (std::nextafter(0.1, 1.0) - 0.1),
         1},
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.name);
        CZoqStats stats;
        stats.SetModel(c.model);
        Fill(stats, c.x, c.y);
        ASSERT_TRUE(stats.Fit());
        const double results[] = {stats.GetIntercept(), stats.GetSlope(), stats.GetCorrelation()};
        const double expected[] = {c.a, c.b, c.r};
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE("abr"[i]);
            if (std::isnan(expected[i])) {
                EXPECT_TRUE(std::isnan(results[i])) << results[i];
            } else {
                EXPECT_NEAR(results[i], expected[i], 1e-12 * std::fabs(expected[i]));
            }
        }
    }
}

} // namespace
