#include "regression/ZoqStats.h"

#include "engine/ZoqStoreValue.h"

#include <cmath>
#include <limits>

static_assert(CentredList::kCapacity == CZoqStats::kCapacity, "a centred list holds every value");

CZoqStats::CZoqStats() {
    Clear();
}

int CZoqStats::Clear() {
    m_meanX = m_populationDeviationX = m_sampleDeviationX = 0.0;
    m_meanY = m_populationDeviationY = m_sampleDeviationY = 0.0;
    m_intercept = m_slope = m_correlation = 0.0;
    m_sumX = m_sumXSquares = m_sumY = m_sumYSquares = m_sumXY = 0.0;
    m_countX = m_countY = 0;
    for (int i = 0; i < kCapacity; ++i) {
        m_x[i] = m_y[i] = 0.0;
    }
    return 1;
}

int CZoqStats::SetModel(int model) {
    return ZoqStoreWithin<int32_t>(model, Linear, kLastAcceptedModel, &m_model);
}

double CZoqStats::GetX(int index) const {
    return index >= 0 && index < m_countX ? m_x[index] : 0.0;
}

double CZoqStats::GetY(int index) const {
    return index >= 0 && index < m_countY ? m_y[index] : 0.0;
}

int CZoqStats::Append(double* values, int16_t& count, double value) {
    if (count >= kCapacity) {
        return 0;
    }
    values[count++] = value;
    return 1;
}

int CZoqStats::Set(double* values, int16_t& count, double value, int index) {
    if (index < 0 || index > count) {
        return 0;
    }
    if (index == count) {
        return Append(values, count, value);
    }
    values[index] = value;
    return 1;
}

// Index == count is accepted and removes the last value: the calculator window
// deletes "the entry at the new-entry position" that way.
int CZoqStats::Delete(double* values, int16_t& count, int index) {
    if (index < 0 || index > count || count == 0) {
        return 0;
    }
    for (int i = index; i + 1 < count; ++i) {
        values[i] = values[i + 1];
    }
    values[--count] = 0.0;
    return 1;
}

double CZoqStats::TransformX(double x) const {
    switch (m_model) {
    case Log:
    case Power:
        return std::log(x);
    case Log10:
        return std::log10(x);
    default:
        return x;
    }
}

double CZoqStats::TransformY(double y) const {
    return m_model == Exponential || m_model == Power ? std::log(y) : y;
}

int CZoqStats::TransformOfX() const {
    switch (m_model) {
    case Log:
    case Power:
        return CentredList::Ln;
    case Log10:
        return CentredList::Log10;
    default:
        return CentredList::Identity;
    }
}

int CZoqStats::TransformOfY() const {
    return m_model == Exponential || m_model == Power ? CentredList::Ln : CentredList::Identity;
}

void CZoqStats::SumList(const double* values, int count, bool isX, double& sum,
                        double& sumSquares) const {
    sum = sumSquares = 0.0;
    for (int i = 0; i < count; ++i) {
        const double v = isX ? TransformX(values[i]) : TransformY(values[i]);
        sum += v;
        sumSquares += v * v;
    }
}

namespace {

double Deviation(double sum, double sumSquares, int count, int divisor) {
    return std::sqrt((sumSquares - (1.0 / count) * (sum * sum)) / divisor);
}

// The value an impossible fit reports: the NaN that 0/0 gives on x86, as the raw
// sums always gave for equal x values that are exact in binary.
double Undefined() {
    return -std::numeric_limits<double>::quiet_NaN();
}

} // namespace

// A list whose transformed values are all finite is described by its centred sums;
// otherwise (a logarithm of a value <= 0, an infinite value) the raw sums give the
// non-finite results such data have always shown.
void CZoqStats::Describe(const CentredList& list, bool centred, double sum, double sumSquares,
                         int count, double& mean, double& population, double& sample) {
    if (centred) {
        mean = list.Mean();
        population = list.Deviation(count);
        sample = list.Deviation(count - 1);
        return;
    }
    mean = sum / count;
    population = Deviation(sum, sumSquares, count, count);
    sample = Deviation(sum, sumSquares, count, count - 1);
}

int CZoqStats::Fit() {
    if (m_model > Power) {
        return 0;
    }
    SumList(m_x, m_countX, true, m_sumX, m_sumXSquares);
    SumList(m_y, m_countY, false, m_sumY, m_sumYSquares);
    CentredList x, y;
    const bool centredX = x.Set(m_x, m_countX, TransformOfX());
    const bool centredY = y.Set(m_y, m_countY, TransformOfY());
    Describe(x, centredX, m_sumX, m_sumXSquares, m_countX, m_meanX, m_populationDeviationX,
             m_sampleDeviationX);
    Describe(y, centredY, m_sumY, m_sumYSquares, m_countY, m_meanY, m_populationDeviationY,
             m_sampleDeviationY);

    m_sumXY = 0.0;
    if (m_countX != m_countY) {
        return 0;
    }
    const int n = m_countX;
    for (int i = 0; i < n; ++i) {
        m_sumXY += TransformX(m_x[i]) * TransformY(m_y[i]);
    }
    if (centredX && x.equal) {
        // No line is fitted through points that all lie on one vertical.
        m_intercept = m_slope = m_correlation = Undefined();
    } else if (centredX && centredY) {
        FitCentred(x, y);
    } else {
        m_slope = (n * m_sumXY - m_sumX * m_sumY) / (n * m_sumXSquares - m_sumX * m_sumX);
        m_intercept = (m_sumY - m_slope * m_sumX) / n;
        m_correlation = (m_slope / m_sampleDeviationY) * m_sampleDeviationX;
    }
    return 1;
}

// b = Sxy / Sxx, a = mean y - b * mean x, r = Sxy / sqrt(Sxx * Syy), with the sums
// taken about the means; rounding may still carry |r| a unit past 1, never more.
void CZoqStats::FitCentred(const CentredList& x, const CentredList& y) {
    const double cross = ScaledCrossSum(x, y);
    m_slope = std::ldexp(cross / x.squares, y.exponent - x.exponent);
    m_intercept = y.Mean() - m_slope * x.Mean();
    const double r = cross / (std::sqrt(x.squares) * std::sqrt(y.squares));
    m_correlation = std::fabs(r) > 1.0 ? std::copysign(1.0, r) : r;
}
