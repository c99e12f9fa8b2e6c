#include "scientific/app/KeyActions.h"

#include <gtest/gtest.h>

namespace {

constexpr int kAllLayers[] = {kLayerNormal,    kLayerSecond, kLayerHyp,
                              kLayerSecondHyp, kLayerRecall, kLayerStore};

TEST(KeyActions, BasicKeysActTheSameInEveryLayer) {
    // Digits, operators, equals, clear and the layer keys ignore the layer.
    const int keys[] = {0,  1,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                        15, 16, 17, 18, 19, 22, 23, 24, 25, 37, 38, 39, 40, 43};
    for (int key : keys) {
        const SKeyAction normal = KeyActionFor(key, kLayerNormal, 0);
        for (int layer : kAllLayers) {
            SCOPED_TRACE(testing::Message() << "key " << key << " layer " << layer);
            const SKeyAction action = KeyActionFor(key, layer, 0);
            EXPECT_EQ(action.kind, normal.kind);
            EXPECT_EQ(action.category, normal.category);
            EXPECT_EQ(action.index, normal.index);
        }
    }
}

TEST(KeyActions, LetterKeysCarryHexDigitsAndRegistersInFaceOrder) {
    // Keys 31..26 hold A..F both as fallback digits (normal layer) and as registers
    // (other layers), so the art's letter matches what the key does.
    for (int letter = 0; letter < 6; ++letter) {
        const int key = 31 - letter;
        SCOPED_TRACE(key);
        EXPECT_EQ(KeyActionFor(key, kLayerNormal, 0).fallbackDigit, 10 + letter);
        for (int layer : {kLayerHyp, kLayerSecondHyp, kLayerRecall, kLayerStore}) {
            const SKeyAction action = KeyActionFor(key, layer, 0);
            EXPECT_EQ(action.category, EKeyCategory::Memory);
            EXPECT_EQ(action.index, 2 + letter);
        }
        EXPECT_EQ(KeyActionFor(key, kLayerSecond, 0).fallbackDigit, -1);
    }
}

TEST(KeyActions, TrigonometryKeysFollowSecondAndHyp) {
    struct {
        int key;
        int normal, second, hyp, secondHyp;
    } rows[] = {{34, 2, 5, 8, 11}, {35, 0, 3, 6, 9}, {36, 1, 4, 7, 10}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.key);
        EXPECT_EQ(KeyActionFor(row.key, kLayerNormal, 0).index, row.normal);
        EXPECT_EQ(KeyActionFor(row.key, kLayerSecond, 0).index, row.second);
        EXPECT_EQ(KeyActionFor(row.key, kLayerHyp, 0).index, row.hyp);
        EXPECT_EQ(KeyActionFor(row.key, kLayerSecondHyp, 0).index, row.secondHyp);
        EXPECT_EQ(KeyActionFor(row.key, kLayerStore, 0).kind, EKeyAction::None);
        EXPECT_EQ(KeyActionFor(row.key, kLayerRecall, 0).kind, EKeyAction::None);
    }
}

TEST(KeyActions, PlusMinusOptionTurnsTheSignKeyIntoMinus) {
    const SKeyAction sign = KeyActionFor(2, kLayerNormal, 0);
    EXPECT_EQ(sign.category, EKeyCategory::Function);
    EXPECT_EQ(sign.index, kFunctionSign);
    const SKeyAction minus = KeyActionFor(2, kLayerSecond, 1);
    EXPECT_EQ(minus.category, EKeyCategory::Operator);
    EXPECT_EQ(minus.index, kOperatorMinus);
}

TEST(KeyActions, SecondLayerSelectsBases) {
    struct {
        int key, base;
    } rows[] = {{20, 10}, {21, 2}, {26, 16}, {27, 8}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.key);
        const SKeyAction action = KeyActionFor(row.key, kLayerSecond, 0);
        EXPECT_EQ(action.category, EKeyCategory::Base);
        EXPECT_EQ(action.index, row.base);
    }
}

TEST(KeyActions, QuitKeyAndOutOfRange) {
    EXPECT_EQ(KeyActionFor(kKeyQuit, kLayerHyp, 0).kind, EKeyAction::Quit);
    EXPECT_EQ(KeyActionFor(-1, kLayerNormal, 0).kind, EKeyAction::None);
    EXPECT_EQ(KeyActionFor(kKeyCount, kLayerNormal, 0).kind, EKeyAction::None);
}

} // namespace
