#include "engine/ZoqAngleReduction.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// The binary digits of 2/π after the point, 32 to a word: enough for the largest
// double's exponent plus the 192 bits a reduction multiplies by.
constexpr uint32_t kTwoOverPi[] = {
    0xA2F9836E, 0x4E441529, 0xFC2757D1, 0xF534DDC0, 0xDB629599, 0x3C439041, 0xFE5163AB,
    0xDEBBC561, 0xB7246E3A, 0x424DD2E0, 0x06492EEA, 0x09D1921C, 0xFE1DEB1C, 0xB129A73E,
    0xE88235F5, 0x2EBB4484, 0xE99C7026, 0xB45F7E41, 0x3991D639, 0x835339F4, 0x9C845F8B,
    0xBDF9283B, 0x1FF897FF, 0xDE05980F, 0xEF2F118B, 0x5A0A6D1F, 0x6D367ECF, 0x27CB09B7,
    0x4F463F66, 0x9E5FEA2D, 0x7527BAC7, 0xEBE5F17B, 0x3D0739F7, 0x8A5292EA, 0x6BFB5FB1,
    0x1F8D5D08, 0x56033046, 0xFC7B6BAB, 0xF0CFBC20, 0x9AF4361D, 0xA9E39161};
constexpr int kTwoOverPiWords = sizeof kTwoOverPi / sizeof kTwoOverPi[0];

// π/2 as a sum of two extended-precision values (128 bits).
constexpr long double kHalfPiHi = 0xC90FDAA22168C235P-63L;
constexpr long double kHalfPiLo = -0xECE675D1FC8F8CBBP-129L;

uint32_t TwoOverPiWord(int index) {
    return index >= 0 && index < kTwoOverPiWords ? kTwoOverPi[index] : 0;
}

// 64 digits of 2/π starting `offset` digits after the point.
uint64_t TwoOverPiBits(int offset) {
    const int word = offset / 32;
    const int shift = offset % 32;
    const uint64_t high =
        (static_cast<uint64_t>(TwoOverPiWord(word)) << 32) | TwoOverPiWord(word + 1);
    if (shift == 0) {
        return high;
    }
    return (high << shift) | (TwoOverPiWord(word + 2) >> (32 - shift));
}

// `count` (1..64) bits of the 256-bit number `q` (least significant limb first)
// starting at bit `low`.
uint64_t Bits(const uint64_t (&q)[4], int low, int count) {
    const int limb = low / 64;
    const int shift = low % 64;
    uint64_t value = q[limb] >> shift;
    if (shift != 0 && limb + 1 < 4) {
        value |= q[limb + 1] << (64 - shift);
    }
    return count == 64 ? value : value & ((uint64_t{1} << count) - 1);
}

} // namespace

void ZoqReduceQuarterTurns(double x, int* quadrant, long double* hi, long double* lo) {
    const double magnitude = std::fabs(x);
    if (!(magnitude > 0.7853981633974483)) {
        *quadrant = 0;
        *hi = x;
        *lo = 0;
        return;
    }
    // |x| = m·2^e with a 53-bit whole m.
    uint64_t bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const uint64_t m = (bits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52);
    const int e = static_cast<int>(bits >> 52) - 1075;
    // Digits of 2/π that make m·2^e·2/π a multiple of 4 change nothing mod 4: skip
    // them and multiply by the next 192.
    const int skipped = e > 2 ? e - 2 : 0;
    const uint64_t c[3] = {TwoOverPiBits(skipped + 128), TwoOverPiBits(skipped + 64),
                           TwoOverPiBits(skipped)};
    uint64_t q[4] = {};
    unsigned __int128 carry = 0;
    for (int i = 0; i < 3; ++i) {
        const unsigned __int128 product = static_cast<unsigned __int128>(m) * c[i] + carry;
        q[i] = static_cast<uint64_t>(product);
        carry = product >> 64;
    }
    q[3] = static_cast<uint64_t>(carry);
    // m·C·2^(e - skipped - 192): the binary point sits `point` bits up.
    const int point = skipped + 192 - e;
    int turns = static_cast<int>(Bits(q, point, 2));
    uint64_t fractionHi = Bits(q, point - 64, 64);
    uint64_t fractionLo = Bits(q, point - 128, 64);
    int negative = 0;
    if (fractionHi >> 63) {
        // Nearer the next quarter turn: r is negative.
        turns = (turns + 1) & 3;
        negative = 1;
        fractionLo = ~fractionLo + 1;
        fractionHi = ~fractionHi + (fractionLo == 0 ? 1 : 0);
    }
    int scale = -64;
    if (fractionHi == 0) {
        fractionHi = fractionLo;
        fractionLo = 0;
        scale -= 64;
    }
    long double rHi = 0;
    long double rLo = 0;
    if (fractionHi != 0) {
        const int zeros = __builtin_clzll(fractionHi);
        if (zeros > 0) {
            fractionHi = (fractionHi << zeros) | (fractionLo >> (64 - zeros));
            fractionLo <<= zeros;
        }
        scale -= zeros;
        // Both conversions are exact: 64-bit wholes fit the extended significand.
        const long double turnHi = std::ldexp(static_cast<long double>(fractionHi), scale);
        const long double turnLo = std::ldexp(static_cast<long double>(fractionLo), scale - 64);
        const long double product = turnHi * kHalfPiHi;
        // The rounding error of the product, from a split of both factors into halves.
        constexpr long double kSplit = 4294967297.0L; // 2^32 + 1
        const long double a1 = turnHi * kSplit - (turnHi * kSplit - turnHi);
        const long double a2 = turnHi - a1;
        const long double b1 = kHalfPiHi * kSplit - (kHalfPiHi * kSplit - kHalfPiHi);
        const long double b2 = kHalfPiHi - b1;
        const long double error = ((a1 * b1 - product) + a1 * b2 + a2 * b1) + a2 * b2;
        const long double tail = error + (turnHi * kHalfPiLo + turnLo * kHalfPiHi);
        rHi = product + tail;
        rLo = tail - (rHi - product);
    }
    if (negative) {
        rHi = -rHi;
        rLo = -rLo;
    }
    if (x < 0) {
        rHi = -rHi;
        rLo = -rLo;
        turns = (4 - turns) & 3;
    }
    *quadrant = turns;
    *hi = rHi;
    *lo = rLo;
}
