#include "regression/ZoqStats.h"

#include "engine/ZoqPow.h"

#include <cmath>

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
    if (model < Linear || model > kLastAcceptedModel) {
        return 0;
    }
    m_model = model;
    return 1;
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

void CZoqStats::SumList(const double* values, int count, bool isX, double& sum, double& sumSquares,
                        double& mean) const {
    sum = sumSquares = 0.0;
    for (int i = 0; i < count; ++i) {
        const double v = isX ? TransformX(values[i]) : TransformY(values[i]);
        sum += v;
        sumSquares += ZoqPow(v, 2);
    }
    mean = sum / count;
}

namespace {
double PopulationDeviation(double sum, double sumSquares, int count) {
    return ZoqPow((sumSquares - (1.0 / count) * ZoqPow(sum, 2)) / count, 0.5);
}

double SampleDeviation(double sum, double sumSquares, int count) {
    return ZoqPow((sumSquares - (1.0 / count) * ZoqPow(sum, 2)) / (count - 1), 0.5);
}
} // namespace

int CZoqStats::Fit() {
    if (m_model > Power) {
        return 0;
    }
    SumList(m_x, m_countX, true, m_sumX, m_sumXSquares, m_meanX);
    SumList(m_y, m_countY, false, m_sumY, m_sumYSquares, m_meanY);
    m_populationDeviationX = PopulationDeviation(m_sumX, m_sumXSquares, m_countX);
    m_populationDeviationY = PopulationDeviation(m_sumY, m_sumYSquares, m_countY);
    m_sampleDeviationX = SampleDeviation(m_sumX, m_sumXSquares, m_countX);
    m_sampleDeviationY = SampleDeviation(m_sumY, m_sumYSquares, m_countY);

    m_sumXY = 0.0;
    if (m_countX != m_countY) {
        return 0;
    }
    const int n = m_countX;
    for (int i = 0; i < n; ++i) {
        m_sumXY += TransformX(m_x[i]) * TransformY(m_y[i]);
    }
    m_slope = (n * m_sumXY - m_sumX * m_sumY) / (n * m_sumXSquares - m_sumX * m_sumX);
    m_intercept = (m_sumY - m_slope * m_sumX) / n;
    m_correlation = (m_slope / m_sampleDeviationY) * m_sampleDeviationX;
    return 1;
}
