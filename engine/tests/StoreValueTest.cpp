#include "engine/ZoqStoreValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct SStoreCase {
    const char* name;
    double value;
    int stored;
};

// The edges are inside, anything past them, and a NaN, are refused.
TEST(StoreValueTest, WithinStoresOnlyValuesInTheClosedRange) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const SStoreCase cases[] = {
        {"low edge", -2.5, 1},     {"high edge", 7.0, 1},
        {"middle", 1.0, 1},        {"below", -2.5000001, 0},
        {"above", 7.0000001, 0},   {"nan", nan, 0},
        {"infinity", INFINITY, 0}, {"minus infinity", -INFINITY, 0},
    };
    for (const SStoreCase& c : cases) {
        SCOPED_TRACE(c.name);
        double field = 42.0;
        EXPECT_EQ(c.stored, ZoqStoreWithin(c.value, -2.5, 7.0, &field));
        EXPECT_EQ(c.stored ? c.value : 42.0, field);
    }
}

TEST(StoreValueTest, FlagTakesZeroAndOneOnly) {
    const int values[] = {-1, 0, 1, 2, 255};
    for (int value : values) {
        SCOPED_TRACE(value);
        int field = 1 - (value == 1); // differs from an accepted value
        const int before = field;
        const int stored = ZoqStoreFlag(value, &field);
        EXPECT_EQ(value == 0 || value == 1, stored == 1);
        EXPECT_EQ(stored ? value : before, field);
    }
}

TEST(StoreValueTest, IfAsksTheGivenRule) {
    int field = 3;
    EXPECT_EQ(0, ZoqStoreIf(
                     5, [](int v) { return v % 2 == 0; }, &field));
    EXPECT_EQ(3, field);
    EXPECT_EQ(1, ZoqStoreIf(
                     8, [](int v) { return v % 2 == 0; }, &field));
    EXPECT_EQ(8, field);
}

} // namespace
