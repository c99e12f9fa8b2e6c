#include "ui/ZoqMemoryStore.h"
#include "ui/ZoqPlacement.h"
#include "ui/ZoqPlacementSettings.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

const wchar_t kKey[] = L"SOFTWARE\\Zoq\\PlacementTest";

TEST(PlacementTest, SizeKeysStepThroughTheChoices) {
    struct Row {
        int from;
        int step;
        int to;
    };
    const Row rows[] = {
        {100, +1, 150}, {150, +1, 200}, {200, +1, 300}, {300, +1, 300}, // stays at the top
        {300, -1, 200}, {200, -1, 150}, {150, -1, 100}, {100, -1, 100}, // stays at the bottom
        {300, 0, 100},  {150, 0, 100},  {100, 0, 100},                  // Ctrl+0
        {120, +1, 150}, {120, -1, 100}, {250, +1, 300}, {250, -1, 200}, // between choices
        {50, -1, 100},  {50, +1, 100},  {400, +1, 300}, {400, -1, 300}, // outside them
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.from << " step " << row.step);
        EXPECT_EQ(row.to, CZoqPlacement::StepSize(row.from, row.step));
    }
}

TEST(PlacementTest, OnlyTheOfferedSizesAreSizes) {
    const int yes[] = {100, 150, 200, 300};
    const int no[] = {0, -100, 99, 101, 125, 175, 250, 301, 400, 1000};
    for (int size : yes) {
        SCOPED_TRACE(size);
        EXPECT_EQ(1, CZoqPlacement::IsSize(size));
    }
    for (int size : no) {
        SCOPED_TRACE(size);
        EXPECT_EQ(0, CZoqPlacement::IsSize(size));
    }
}

TEST(PlacementTest, EachSizeIsADeviceOfItsDpi) {
    const int sizes[] = {100, 150, 200, 300};
    const int dpis[] = {96, 144, 192, 288};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(sizes[i]);
        EXPECT_EQ(dpis[i], CZoqPlacement::DpiOf(sizes[i]));
    }
}

// The device screen is 320 pixels high at 96 dpi; the frame adds `frame` pixels.
TEST(PlacementTest, FirstStartTakesTheLargestSizeThatFitsSixtyPercentOfTheWorkArea) {
    struct Row {
        int workArea;
        int frame;
        int size;
    };
    const Row rows[] = {
        {1040, 31, 150}, // 1080-line desktop: 200 % (671) is more than 624
        {1400, 31, 200}, // 1440-line desktop: 671 fits 840
        {2120, 31, 200}, // never more than 200 % at first start, however tall
        {1170, 31, 200}, // 671 fits 702
        {1118, 31, 150}, // 60 % is 670.8 against 671: 200 % does not fit...
        {1119, 31, 200}, // ...against 671.4 it does
        {853, 31, 150},  // 511 fits 511.8
        {851, 31, 100},  // 511 is more than 510.6
        {600, 31, 100},  // small screens keep 100 %
        {0, 31, 100},    // no work area known
        {-5, 0, 100},    // nonsense in: the smallest size out
        {800, 0, 150},   // no frame: 480 fits 480
        {1067, 0, 200},  // 640 fits 640.2
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "work area " << row.workArea << " frame " << row.frame);
        EXPECT_EQ(row.size, CZoqPlacement::FirstSize(row.workArea, 320, row.frame));
    }
}

TEST(PlacementTest, FirstStartSurvivesHugeNumbers) {
    EXPECT_EQ(200, CZoqPlacement::FirstSize(2000000000, 320, 31));
    EXPECT_EQ(100, CZoqPlacement::FirstSize(2000000000, 2000000000, 2000000000));
}

TEST(PlacementTest, ScreenLengthsFollowTheSize) {
    struct Row {
        int length;
        int from;
        int to;
        int result;
    };
    const Row rows[] = {
        {240, 100, 200, 480}, {320, 100, 150, 480}, {480, 200, 100, 240}, {360, 150, 200, 480},
        {640, 200, 300, 960}, {251, 100, 150, 377}, {377, 150, 100, 251}, {480, 150, 150, 480},
        {0, 100, 300, 0},     {240, 0, 200, 240}, // no size to scale from: unchanged
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.length << " " << row.from << "->" << row.to);
        EXPECT_EQ(row.result, CZoqPlacement::Rescale(row.length, row.from, row.to));
    }
}

TEST(PlacementTest, WindowsAreMovedBackOntoTheWorkArea) {
    const SZoqRect area = {0, 0, 1920, 1040};
    struct Row {
        const char* name;
        SZoqRect window;
        SZoqRect area;
        SZoqRect placed;
    };
    const Row rows[] = {
        {"inside stays", {100, 200, 350, 550}, area, {100, 200, 350, 550}},
        {"off the right", {1800, 200, 2050, 550}, area, {1670, 200, 1920, 550}},
        {"off the bottom", {100, 900, 350, 1250}, area, {100, 690, 350, 1040}},
        {"off the left and top", {-300, -50, -50, 300}, area, {0, 0, 250, 350}},
        {"far away", {40000, 40000, 40250, 40350}, area, {1670, 690, 1920, 1040}},
        {"touching the edges stays", {1670, 690, 1920, 1040}, area, {1670, 690, 1920, 1040}},
        {"taller than the area", {100, 300, 350, 1500}, area, {100, 0, 350, 1200}},
        {"wider than the area", {500, 100, 2500, 400}, area, {0, 100, 2000, 400}},
        {"monitor left of the primary",
         {-2100, 10, -1850, 360},
         {-1920, 0, 0, 1080},
         {-1920, 10, -1670, 360}},
        {"work area below a top task bar",
         {10, 5, 260, 355},
         {0, 40, 1920, 1080},
         {10, 40, 260, 390}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const SZoqRect placed = CZoqPlacement::Clamp(row.window, row.area);
        EXPECT_EQ(row.placed.left, placed.left);
        EXPECT_EQ(row.placed.top, placed.top);
        EXPECT_EQ(row.placed.right, placed.right);
        EXPECT_EQ(row.placed.bottom, placed.bottom);
    }
}

TEST(PlacementSettingsTest, RoundTripsThroughTheStore) {
    struct Row {
        int size;
        int keepOnTop;
        int left;
        int top;
    };
    const Row rows[] = {
        {150, 1, 120, 80}, {300, 0, -1700, -20}, {100, 1, 0, 0}, {200, 0, 3000, 2000}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.size << " at " << row.left << "," << row.top);
        CZoqMemoryStore store;
        SZoqPlacementSettings saved;
        saved.size = row.size;
        saved.keepOnTop = row.keepOnTop;
        saved.hasPosition = 1;
        saved.left = row.left;
        saved.top = row.top;
        ASSERT_EQ(1, saved.Save(store, kKey));
        SZoqPlacementSettings loaded;
        loaded.Load(store, kKey);
        EXPECT_EQ(row.size, loaded.size);
        EXPECT_EQ(row.keepOnTop, loaded.keepOnTop);
        EXPECT_EQ(1, loaded.hasPosition);
        EXPECT_EQ(row.left, loaded.left);
        EXPECT_EQ(row.top, loaded.top);
    }
}

TEST(PlacementSettingsTest, DamagedOrMissingValuesKeepTheirDefaults) {
    struct Row {
        const char* name;
        const wchar_t* value;
        ZoqValueType type;
        uint32_t data;
        int size;
        int keepOnTop;
        int hasPosition;
    };
    const Row rows[] = {
        {"size that is no choice", L"Size", ZoqValueType::Dword, 175, 0, 0, 0},
        {"size zero", L"Size", ZoqValueType::Dword, 0, 0, 0, 0},
        {"size as a string", L"Size", ZoqValueType::String, 0x00300032, 0, 0, 0},
        {"size as binary", L"Size", ZoqValueType::Binary, 200, 0, 0, 0},
        {"keep on top out of range", L"KeepOnTop", ZoqValueType::Dword, 7, 0, 0, 0},
        {"only one coordinate", L"WindowLeft", ZoqValueType::Dword, 40, 0, 0, 0},
        {"a good size", L"Size", ZoqValueType::Dword, 200, 200, 0, 0},
        {"on top", L"KeepOnTop", ZoqValueType::Dword, 1, 0, 1, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CZoqMemoryStore store;
        store.Plant(kKey, row.value, row.type, &row.data, sizeof row.data);
        SZoqPlacementSettings loaded;
        loaded.Load(store, kKey);
        EXPECT_EQ(row.size, loaded.size);
        EXPECT_EQ(row.keepOnTop, loaded.keepOnTop);
        EXPECT_EQ(row.hasPosition, loaded.hasPosition);
    }
}

TEST(PlacementSettingsTest, NoSizeChosenWritesNoSize) {
    CZoqMemoryStore store;
    SZoqPlacementSettings settings;
    ASSERT_EQ(1, settings.Save(store, kKey));
    ZoqValueType type = ZoqValueType::Missing;
    int bytes = 0;
    EXPECT_EQ(0, store.QueryValue(kKey, L"Size", &type, &bytes));
    EXPECT_EQ(0, store.QueryValue(kKey, L"WindowLeft", &type, &bytes));
    EXPECT_EQ(1, store.QueryValue(kKey, L"KeepOnTop", &type, &bytes));
}

} // namespace
