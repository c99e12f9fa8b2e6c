#include "engine/ZoqMath.h"

#include "engine/ZoqExtended.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

// x^y as exp(y·ln x) in extended precision: ln x is carried to about 80 bits as a sum of
// two extended values so that y·ln x keeps its digits up to the overflow limit, where a
// unit of 2^-64 in the exponent would already move the result by a third of a unit in
// the last place of a double.

namespace {

using LD = long double;

// ln(1 + j/128) for j = 0..128, each as a sum of two extended values.
constexpr LD kLogTable[129][2] = {
    {0.0L, 0.0L},
    {0xFF015358833C47E2P-71L, -0x896FC6E23D7D2D4CP-136L},
    {0xFE054587E01F1E7DP-70L, -0x92C59642A1549054P-138L},
    {0xBDC8D83EAD88D549P-69L, 0xFEA98E2D7803B9AAP-135L},
    {0xFC14D873C1980268P-69L, -0xE07D87086EB028A9P-135L},
    {0x9CF43DCFF5EAFD48P-68L, 0xAD90155C8A72355FP-136L},
    {0xBBA2C7B196E7E232P-68L, -0xB0D5E11B5A7D386DP-133L},
    {0xDA16EB88CB8DF614P-68L, 0xD14C7D9F6CDD2958P-133L},
    {0xF85186008B15330CP-68L, -0xCDA3A4453343B396P-135L},
    {0x8B29B7751BD70743P-67L, 0x9705CF74C9791B69P-134L},
    {0x9A0EBCB0DE8E8495P-67L, -0xCF913DF65D915FBDP-133L},
    {0xA8D839F830C1FB49P-67L, 0xF1CD0D45F22B0979P-133L},
    {0xB78694572B5A5CDFP-67L, 0x93373DA336C819CAP-133L},
    {0xC61A2EB18CD907ADP-67L, 0xCB42A65EDAB43570P-132L},
    {0xD49369D256AB1B28P-67L, 0xBD22A9C3AA4C79AAP-132L},
    {0xE2F2A47ADE3A18AFP-67L, -0x9E8107E9E4E89627P-132L},
    {0xF1383B7157972F4FP-67L, 0xA87FFE1FE9E155DCP-132L},
    {0xFF64898EDF55D551P-67L, 0xE5199F9324E3BFE9P-132L},
    {0x86BBF3E68472CB35P-66L, -0x88E85BF3D5171DBEP-131L},
    {0x8DB956A97B3D0148P-66L, 0xC08D1CB35CE7E779P-132L},
    {0x94AA97C0FFA91A60P-66L, 0xBB8E203EDF4D10A0P-132L},
    {0x9B8FE100F47BA1DEP-66L, 0xD96C55E313F97410P-131L},
    {0xA2695B665BE8F33FP-66L, -0xC26AF0781E1F3BEAP-131L},
    {0xA9372F1D0DA1BD17P-66L, 0x803ADC796334DB7AP-132L},
    {0xAFF983853C9E9E44P-66L, -0xC1DF5F8DEDC45019P-131L},
    {0xB6B07F38CE90E46BP-66L, -0xB89A3B345E43904CP-131L},
    {0xBD5C481086C848DFP-66L, 0xDACB5A8182019200P-133L},
    {0xC3FD032906488481P-66L, 0x9017DC9977AD2AB8P-139L},
    {0xCA92D4E7A2B5A3B2P-66L, 0x983A9C5C4B3B1328P-134L},
    {0xD11DE0FF15AB18CAP-66L, -0x8EE4F856673D81C1P-131L},
    {0xD79E4A7405FF96C6P-66L, 0xE601937CCF5CBB3BP-131L},
    {0xDE1433A16C66B150P-66L, -0xC62EDE3C2AC3C3A8P-132L},
    {0xE47FBE3CD4D10D61P-66L, 0xBB03DE5FF734495CP-132L},
    {0xEAE10B5A7DDC8ADDP-66L, -0xEF29A06CAFF8F0E5P-131L},
    {0xF1383B7157972F4FP-66L, 0xA87FFE1FE9E155DCP-131L},
    {0xF7856E5EE2C9B291P-66L, -0xE435791EF9BD60A6P-132L},
    {0xFDC8C36AF1F1546BP-66L, -0xAB993C86B2D35F6EP-131L},
    {0x82012CA5A68206D7P-65L, 0x9EF42D7EE95E4447P-132L},
    {0x851927139C871AFCP-65L, -0xC085FE78FF3C75C8P-130L},
    {0x882C5FCD7256A8C5P-65L, -0xBEA96699C60F598DP-135L},
    {0x8B3AE55D5D30701DP-65L, -0xCE0AA3BE4747DC10P-132L},
    {0x8E44C60B4CCFD7DEP-65L, 0xD1CEA8071DDE19DCP-131L},
    {0x914A0FDE7BCB2D12P-65L, 0xA14F69D750CBD2EAP-132L},
    {0x944AD09EF4351AF6P-65L, -0xB6CFB03EFC69D296P-130L},
    {0x974715D708E984E1P-65L, 0xCC91A85081B3CDEEP-130L},
    {0x9A3EECD4C3EAA6B2P-65L, 0xACE9FDB9821EE511P-131L},
    {0x9D3262AB4A2F4E39P-65L, 0xF35CD740D08DF5BDP-130L},
    {0xA0218434353F1DE8P-65L, 0xC127DF4C64A61590P-130L},
    {0xA30C5E10E2F613E8P-65L, 0xB7B37B33C734415EP-130L},
    {0xA5F2FCABBBC506DAP-65L, 0xC9949F6FD8647AE5P-130L},
    {0xA8D56C396FC1684EP-65L, 0x93D60CFAAF188EA8P-130L},
    {0xABB3B8BA2AD362A5P-65L, -0xA926BE4CFA17F83AP-131L},
    {0xAE8DEDFAC04E5284P-65L, 0xD8E0F71FF84567CEP-130L},
    {0xB1641795CE3CA97BP-65L, 0xF5F22A601CA2E722P-130L},
    {0xB43640F4D8A57622P-65L, 0xAF840538E1A592DFP-132L},
    {0xB70475515D0F1C61P-65L, -0xC6CE728E83D0FCE9P-130L},
    {0xB9CEBFB5DE8034E7P-65L, 0x9314FEB4FBDE5AAEP-132L},
    {0xBC952AFEEA3D13E1P-65L, -0xA25B80584A5FA981P-130L},
    {0xBF57C1DC157E1B26P-65L, -0xC5A184B5ABEF23A8P-130L},
    {0xC2168ED0F458BA4AP-65L, -0x9D7343DCC4CBB87EP-131L},
    {0xC4D19C360A12D5ADP-65L, 0xE310220782AD9FFEP-131L},
    {0xC788F439B3163BF1P-65L, -0x8962A9679759A18DP-130L},
    {0xCA3CA0E108B7D5D2P-65L, 0xCDD147D106EAEA4AP-130L},
    {0xCCECAC08BF04565DP-65L, 0x92EEC47831BF7497P-130L},
    {0xCF991F65FCC25F96P-65L, -0x9728990BFADDE7E6P-130L},
    {0xD24204872DD85160P-65L, -0xD6523C52C5B4D8C5P-132L},
    {0xD4E764D4D0424C6AP-65L, 0x84FF52F25435EF84P-130L},
    {0xD78949923BC3588AP-65L, -0xC7BB5EA23D7F3C76P-130L},
    {0xDA27BBDE647B1466P-65L, -0x892A8B38F0E21BF6P-133L},
    {0xDCC2C4B49887DACCP-65L, 0xFB14F88EF0E7BC82P-130L},
    {0xDF5A6CED38DBDFBCP-65L, 0xC3A6F57783592DA9P-131L},
    {0xE1EEBD3E6D6A6B9EP-65L, -0xC3EB48565927D12CP-130L},
    {0xE47FBE3CD4D10D61P-65L, 0xBB03DE5FF734495CP-131L},
    {0xE70D785C2F9F5BDCP-65L, -0xB50D54BD98B63BCEP-132L},
    {0xE997F3F0075EAB0FP-65L, -0x9B9A0A0B9205CEA9P-133L},
    {0xEC1F392C5179F283P-65L, -0xEA45D136BBBC56BEP-130L},
    {0xEEA350260E2505F7P-65L, 0xC4D493A3B70FF4FBP-131L},
    {0xF12440D3E36130E6P-65L, -0x9C2E9AAD6E727580P-132L},
    {0xF3A2130EB43C3F1CP-65L, -0x972430D12E44BFB6P-132L},
    {0xF61CCE92346600BBP-65L, -0xC46B032B1A404F77P-132L},
    {0xF8947AFD7837659BP-65L, -0xDF13BB38C28A30AAP-132L},
    {0xFB091FD38145630AP-65L, 0xAD8796D9A0A432A2P-131L},
    {0xFD7AC47BC798F6CDP-65L, 0xFB3E4EA86BFB1B53P-130L},
    {0xFFE97042BFA4C2ADP-65L, -0x82FC9B379436E473P-130L},
    {0x812A952D2E87F635P-64L, -0xE5A8A046000E5C8EP-131L},
    {0x825EFCED49369330P-64L, -0xCFBFDD36209592F7P-131L},
    {0x8391F2E0E6FA0273P-64L, -0x869C76EE91549A91P-129L},
    {0x84C37A7AB9A905C9P-64L, -0x95AC02F00FE3F760P-135L},
    {0x85F39721295415B5P-64L, -0xED0899840065926FP-130L},
    {0x87224C2E8E645FB7P-64L, 0xAE5DE96963E347EFP-129L},
    {0x884F9CF16A64B7EFP-64L, 0xFB26C2DE462F920BP-131L},
    {0x897B8CAC9F7DE298P-64L, 0x918CE3E86A5A24EDP-132L},
    {0x8AA61E97A6AF4D4CP-64L, 0xF33A3965E280A9DAP-129L},
    {0x8BCF55DEC4CD05FEP-64L, 0xC1CDF40FA5C35639P-130L},
    {0x8CF735A33E4B7663P-64L, -0xD08A21F88615477CP-131L},
    {0x8E1DC0FB89E125E5P-64L, -0xB07132043A207101P-129L},
    {0x8F42FAF3820681EFP-64L, 0xC59A5F3E3C6BE5D0P-129L},
    {0x9066E68C955B6C9BP-64L, -0xFC2F08A404F6C2EDP-129L},
    {0x918986BDF5FA1417P-64L, -0xE4BC6E9ADBF5B8E4P-132L},
    {0x92AADE74C7BE59E0P-64L, 0x875B5A2079C4211DP-130L},
    {0x93CAF0944D88D75CP-64L, -0xF81848D2F1C00FF3P-130L},
    {0x94E9BFF615845643P-64L, -0xCA4D168CC1251798P-131L},
    {0x96074F6A24745DCCP-64L, -0xAC79C8BAC33B56FDP-130L},
    {0x9723A1B720134203P-64L, -0xBDE796DDE54EDAD3P-129L},
    {0x983EB99A7885F0FEP-64L, -0xA6F5E0A9926423D0P-129L},
    {0x995899C890EB8990P-64L, 0xAAD6CF645AC19C57P-130L},
    {0x9A7144ECE70E98B7P-64L, 0xB92D885CE4EAE4A6P-129L},
    {0x9B88BDAA3A3DAE2FP-64L, -0xBF6DEEC881B83B54P-131L},
    {0x9C9F069AB150CD4EP-64L, 0x884C06DBE30E3D88P-130L},
    {0x9DB4224FFFE1157CP-64L, 0xEDEC185936683ADCP-129L},
    {0x9EC813538AB7D520P-64L, 0x84C7A15A4F3DAE02P-130L},
    {0x9FDADC268B7A12DAP-64L, 0xE9D505CABBBCD90AP-129L},
    {0xA0EC7F4233957323P-64L, 0x97985E8C02EF2A71P-130L},
    {0xA1FCFF17CE733BD4P-64L, -0xD84649F11E6927C9P-129L},
    {0xA30C5E10E2F613E8P-64L, 0xB7B37B33C734415EP-129L},
    {0xA41A9E8F5446FB9FP-64L, -0xA1744CFE02F69E7CP-129L},
    {0xA527C2ED81F5D811P-64L, 0xF7E8F4DD86D8C5BAP-130L},
    {0xA633CD7E6771CD8BP-64L, 0x8ECDD3186FD8676CP-129L},
    {0xA73EC08DBADD84E6P-64L, -0xF67A9BA7AA23CBCFP-129L},
    {0xA8489E600B435A5EP-64L, 0xB3A5B0B56C3DA5E4P-129L},
    {0xA9516932DE2D5774P-64L, -0x83750EA4D0A2B082P-129L},
    {0xAA59233CCCA4BD49P-64L, -0xABD74BC27D0D2ED7P-129L},
    {0xAB5FCEAD9F9CCA09P-64L, -0xE77A32700D3191F5P-131L},
    {0xAC656DAE6BCC4985P-64L, -0xD0DA26CF74F55D87P-129L},
    {0xAD6A0261ACF967D9P-64L, 0x9AAA5F0239A8108BP-129L},
    {0xAE6D8EE360BB2468P-64L, -0x91C3A28F7CEA13FBP-129L},
    {0xAF70154920B3AB87P-64L, -0x9F6A02DBDF821674P-129L},
    {0xB07197A23C46C654P-64L, -0xDDA97D2C4D55E657P-131L},
    {0xB17217F7D1CF79ACP-64L, -0xD871319FF0342543P-130L},
};

constexpr LD kLn2Hi = 0xB17217F7D1P-40L; // 40 bits: k·kLn2Hi is exact
constexpr LD kLn2Lo = 0xCF79ABC9E3B39804P-104L;
constexpr LD kLn2Lo2 = -0xD0950BF0CBCD98D6P-172L;
constexpr LD kLog2E = 0xB8AA3B295C17F0BCP-63L;
constexpr LD kSplit = 4294967297.0L; // 2^32 + 1 splits a 64-bit significand in halves

struct SSeries {
    LD exp[18];      // 1/(k+1)!: e^r = 1 + r·P(r)
    LD logarithm[6]; // 1/(2k+3): 2 atanh s = 2s + 2s·z·P(z)
};

constexpr SSeries MakeSeries() {
    SSeries series{};
    LD factorial = 1; // exact up to 21!
    for (int k = 0; k < 18; ++k) {
        factorial *= k + 1;
        series.exp[k] = 1 / factorial;
    }
    for (int k = 0; k < 6; ++k) {
        series.logarithm[k] = 1.0L / (2 * k + 3);
    }
    return series;
}

constexpr SSeries kSeries = MakeSeries();

struct SPair {
    LD hi;
    LD lo;
};

SPair TwoSum(LD a, LD b) {
    const LD s = a + b;
    const LD v = s - a;
    return {s, (a - (s - v)) + (b - v)};
}

// a·b exactly as hi + lo.
SPair TwoProduct(LD a, LD b) {
    const LD p = a * b;
    const LD a1 = a * kSplit - (a * kSplit - a);
    const LD a2 = a - a1;
    const LD b1 = b * kSplit - (b * kSplit - b);
    const LD b2 = b - b1;
    return {p, ((a1 * b1 - p) + a1 * b2 + a2 * b1) + a2 * b2};
}

// ln x of a finite positive double as hi + lo.
SPair LogPair(double x) {
    const SZoqBinaryParts parts = ZoqBinaryParts<64>(x);
    const int e = parts.exponent;
    const int j = static_cast<int>((parts.fraction >> 44) + 1) >> 1; // nearest 1/128
    const double m = parts.mantissa;
    // ln m = ln c + 2 atanh s with c = 1 + j/128 and s = (m - c)/(m + c), |s| < 1/512.
    const LD c = 1 + j / 128.0L;
    const LD numerator = m - c;   // exact
    const LD denominator = m + c; // exact: both have few enough bits
    const LD s = numerator / denominator;
    const SPair product = TwoProduct(s, denominator);
    const LD sLo = ((numerator - product.hi) - product.lo) / denominator;
    const LD z = s * s;
    const LD tail = 2 * sLo + 2 * s * z * ZoqPolynomial(kSeries.logarithm, z);
    // e·ln 2 + ln c + 2s + tail, added from the largest part down.
    SPair total = TwoSum(e * kLn2Hi, kLogTable[j][0]);
    SPair next = TwoSum(total.hi, 2 * s);
    LD low = total.lo + next.lo;
    low += e * kLn2Lo + (kLogTable[j][1] + (tail + e * kLn2Lo2));
    return TwoSum(next.hi, low);
}

// e^(hi + lo) for |hi| <= 12000 and |lo| tiny beside it.
LD ExpPair(LD hi, LD lo) {
    const LD scaled = hi * kLog2E;
    const int k = static_cast<int>(scaled < 0 ? scaled - 0.5L : scaled + 0.5L);
    const LD r = ((hi - k * kLn2Hi) - k * kLn2Lo) + (lo - k * kLn2Lo2);
    return (1 + r * ZoqPolynomial(kSeries.exp, r)) * ZoqPowerOfTwo(k);
}

int IsWhole(double y) {
    return std::trunc(y) == y;
}

int IsOddWhole(double y) {
    // Doubles from 2^53 on are even.
    return IsWhole(y) && std::fabs(y) < 0x1p53 && std::fmod(y, 2.0) != 0;
}

} // namespace

double ZoqPower(double x, double y) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    if (y == 0 || x == 1) {
        return 1;
    }
    if (std::isnan(x) || std::isnan(y)) {
        return x + y;
    }
    if (std::isinf(y)) {
        const double magnitude = std::fabs(x);
        if (magnitude == 1) {
            return 1;
        }
        return (magnitude < 1) == (y < 0) ? kInf : 0;
    }
    const int negative = x < 0 || (x == 0 && std::signbit(x));
    const int oddWhole = IsOddWhole(y);
    if (x == 0 || std::isinf(x)) {
        // 0^y and inf^y: a zero or an infinity, signed for odd whole y.
        const int large = (x == 0) == (y < 0);
        const double result = large ? kInf : 0.0;
        return negative && oddWhole ? -result : result;
    }
    if (negative && !IsWhole(y)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    // Cases whose correctly rounded result one operation gives, the common ones first.
    if (y == 2) {
        return x * x;
    }
    if (y == 1) {
        return x;
    }
    if (y == -1) {
        return 1 / x;
    }
    if (y == 0.5 && x > 0) {
        return std::sqrt(x);
    }
    const SPair log = LogPair(std::fabs(x));
    // y·ln|x| as hi + lo: the product of the leading parts exactly, then the rest.
    const SPair product = TwoProduct(y, log.hi);
    const LD hi = product.hi;
    const LD lo = product.lo + y * log.lo;
    LD result;
    if (hi > 12000) {
        result = kInf;
    } else if (hi < -12000) {
        result = 0;
    } else {
        result = ExpPair(hi, lo);
    }
    const double rounded = static_cast<double>(result);
    return negative && oddWhole ? -rounded : rounded;
}
