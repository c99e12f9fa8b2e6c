#pragma once

#include "regression/CentredList.h"

#include <cstdint>

// The data set of the regression calculator and the least-squares fit of one of
// five two-parameter models to it. Each model fits a straight line y' = a + b*x'
// to transformed values (see Transform in ZoqStats.cpp).
//
// The x list and the y list are kept separately: entry i is the pair
// (x value i, y value i), and a fit is defined only while both lists are equally
// long. Every mutator returns 1 on success and 0 on refusal, leaving the object
// unchanged when it refuses.
class CZoqStats {
public:
    enum Model : int32_t { Linear = 0, Log = 1, Log10 = 2, Exponential = 3, Power = 4 };
    static constexpr int kCapacity = 100;
    // The last model number SetModel accepts. It has no transformation, so Fit refuses it.
    static constexpr int kLastAcceptedModel = 5;

    CZoqStats();
    virtual ~CZoqStats() = default;

    int Clear();
    int SetModel(int model);
    int GetModel() const { return m_model; }

    int AppendX(double value) { return Append(m_x, m_countX, value); }
    int AppendY(double value) { return Append(m_y, m_countY, value); }
    int SetX(double value, int index) { return Set(m_x, m_countX, value, index); }
    int SetY(double value, int index) { return Set(m_y, m_countY, value, index); }
    int DeleteX(int index) { return Delete(m_x, m_countX, index); }
    int DeleteY(int index) { return Delete(m_y, m_countY, index); }
    // Index outside the held values gives 0.0.
    double GetX(int index) const;
    double GetY(int index) const;
    int GetCountX() const { return m_countX; }
    int GetCountY() const { return m_countY; }

    // Recomputes sums, means and deviations of both lists, then the coefficients.
    // Returns 0 (keeping a, b and r of the last fit) when the lists differ in length
    // or the model has no transformation. Non-finite results are not refused: a
    // logarithm of a value <= 0, a single entry or equal transformed x values (a
    // fit that is impossible: a, b and r are all NaN) give them; equal y values
    // leave r undefined. Means and deviations are taken about the mean, so data far
    // from 0 keep their digits.
    int Fit();
    double GetIntercept() const { return m_intercept; }
    double GetSlope() const { return m_slope; }
    double GetCorrelation() const { return m_correlation; }
    double GetMeanX() const { return m_meanX; }
    double GetMeanY() const { return m_meanY; }
    double GetPopulationDeviationX() const { return m_populationDeviationX; }
    double GetPopulationDeviationY() const { return m_populationDeviationY; }
    double GetSampleDeviationX() const { return m_sampleDeviationX; }
    double GetSampleDeviationY() const { return m_sampleDeviationY; }

private:
    static int Append(double* values, int16_t& count, double value);
    static int Set(double* values, int16_t& count, double value, int index);
    static int Delete(double* values, int16_t& count, int index);
    double TransformX(double x) const;
    double TransformY(double y) const;
    int TransformOfX() const;
    int TransformOfY() const;
    void SumList(const double* values, int count, bool isX, double& sum, double& sumSquares) const;
    static void Describe(const CentredList& list, bool centred, double sum, double sumSquares,
                         int count, double& mean, double& population, double& sample);
    void FitCentred(const CentredList& x, const CentredList& y);

    int32_t m_model = Linear;
    double m_meanX = 0.0;
    double m_populationDeviationX = 0.0;
    double m_sampleDeviationX = 0.0;
    double m_meanY = 0.0;
    double m_populationDeviationY = 0.0;
    double m_sampleDeviationY = 0.0;
    double m_intercept = 0.0;
    double m_slope = 0.0;
    double m_correlation = 0.0;
    double m_sumX = 0.0;
    double m_sumXSquares = 0.0;
    double m_sumY = 0.0;
    double m_sumYSquares = 0.0;
    double m_sumXY = 0.0;
    int16_t m_countX = 0;
    int16_t m_countY = 0;
    double m_x[kCapacity] = {};
    double m_y[kCapacity] = {};
};
