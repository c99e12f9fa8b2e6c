#include "regression/ZoqStats.h"

#include <cmath>
#include <gtest/gtest.h>
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

} // namespace
