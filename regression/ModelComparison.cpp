#include "regression/ModelComparison.h"

#include "calc/NumberText.h"
#include "regression/CsvNumber.h"

#include <cmath>
#include <cwchar>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const wchar_t* const kModelNames[kModelCount] = {L"Linear", L"Log", L"Log 10", L"Exponential",
                                                 L"Power"};

bool LogOfX(int model) {
    return model == CZoqStats::Log || model == CZoqStats::Log10 || model == CZoqStats::Power;
}

bool LogOfY(int model) {
    return model == CZoqStats::Exponential || model == CZoqStats::Power;
}

// The domain of the model's logarithms, checked before fitting: a fit of such
// data would give non-finite numbers that must not be mistaken for results.
bool InDomain(const CZoqStats& stats, int model) {
    for (int i = 0; i < stats.GetCountY(); ++i) {
        if ((LogOfX(model) && !(stats.GetX(i) > 0.0)) ||
            (LogOfY(model) && !(stats.GetY(i) > 0.0))) {
            return false;
        }
    }
    return true;
}

// The fit with the means of the transformed values, about which ŷ is taken:
// a + b*x loses the digits of data far from 0 that a and b*x share.
struct CentredFit {
    SModelFit fit;
    double meanX = 0.0;
    double meanY = 0.0;
};

CentredFit FitCentredModel(const CZoqStats& stats, int model) {
    CentredFit centred;
    SModelFit& fit = centred.fit;
    fit.a = fit.b = fit.r = fit.r2 = kNaN;
    if (stats.GetCountX() != stats.GetCountY() || stats.GetCountY() < 3 ||
        !InDomain(stats, model)) {
        return centred;
    }
    CZoqStats copy(stats);
    if (!copy.SetModel(model) || !copy.Fit()) {
        return centred;
    }
    if (!std::isfinite(copy.GetIntercept()) || !std::isfinite(copy.GetSlope())) {
        return centred;
    }
    centred.meanX = copy.GetMeanX();
    centred.meanY = copy.GetMeanY();
    fit.fits = 1;
    fit.a = copy.GetIntercept();
    fit.b = copy.GetSlope();
    // Equal y values leave r undefined (NaN); the fit itself stands.
    fit.r = copy.GetCorrelation();
    fit.r2 = fit.r * fit.r;
    return centred;
}

double Predict(int model, const CentredFit& centred, double x) {
    const double b = centred.fit.b;
    switch (model) {
    case CZoqStats::Linear:
        return centred.meanY + b * (x - centred.meanX);
    case CZoqStats::Log:
        return centred.meanY + b * (std::log(x) - centred.meanX);
    case CZoqStats::Log10:
        return centred.meanY + b * (std::log10(x) - centred.meanX);
    case CZoqStats::Exponential:
        return std::exp(centred.meanY + b * (x - centred.meanX));
    case CZoqStats::Power:
        return std::exp(centred.meanY + b * (std::log(x) - centred.meanX));
    default:
        return kNaN;
    }
}

void Number(wchar_t* out, int capacity, const wchar_t* name, double value) {
    wchar_t digits[64];
    if (std::isfinite(value)) {
        FormatGeneral(digits, 64, value + 0.0, 6);
    } else {
        std::swprintf(digits, 64, L"undefined");
    }
    std::swprintf(out, static_cast<size_t>(capacity), L"%ls = %ls", name, digits);
}

void AppendNumber(std::string& text, double value) {
    char number[kCsvNumberMaxLength + 1];
    FormatCsvNumber(number, sizeof number, value);
    text += number;
}

} // namespace

int CompareModels(const CZoqStats& stats, SModelTable& table) {
    int fitting = 0;
    table.best = -1;
    for (int model = 0; model < kModelCount; ++model) {
        table.fits[model] = FitCentredModel(stats, model).fit;
        const SModelFit& fit = table.fits[model];
        if (!fit.fits) {
            continue;
        }
        ++fitting;
        if (!std::isnan(fit.r2) && (table.best < 0 || fit.r2 > table.fits[table.best].r2)) {
            table.best = model;
        }
    }
    return fitting;
}

void DescribeModelRow(const SModelTable& table, int model, wchar_t lines[3][64]) {
    if (model < 0 || model >= kModelCount) {
        lines[0][0] = lines[1][0] = lines[2][0] = L'\0';
        return;
    }
    const SModelFit& fit = table.fits[model];
    std::swprintf(lines[0], 64, L"%ls%ls", kModelNames[model],
                  model == table.best ? L"   <- best" : L"");
    if (!fit.fits) {
        std::swprintf(lines[1], 64, L"   cannot fit");
        lines[2][0] = L'\0';
        return;
    }
    wchar_t first[32], second[32];
    Number(first, 32, L"a", fit.a);
    Number(second, 32, L"b", fit.b);
    std::swprintf(lines[1], 64, L"   %ls   %ls", first, second);
    Number(first, 32, L"r", fit.r);
    Number(second, 32, L"r\x00B2", fit.r2);
    std::swprintf(lines[2], 64, L"   %ls   %ls", first, second);
}

int ComputeResiduals(const CZoqStats& stats, double* residuals, int capacity) {
    const int model = stats.GetModel();
    if (model < 0 || model >= kModelCount || !residuals) {
        return 0;
    }
    const CentredFit centred = FitCentredModel(stats, model);
    if (!centred.fit.fits) {
        return 0;
    }
    int written = 0;
    for (int i = 0; i < stats.GetCountY() && written < capacity; ++i) {
        residuals[written++] = stats.GetY(i) - Predict(model, centred, stats.GetX(i));
    }
    return written;
}

std::string WriteResidualsText(const CZoqStats& stats, const char* lineEnd) {
    double residuals[CZoqStats::kCapacity];
    const int count = ComputeResiduals(stats, residuals, CZoqStats::kCapacity);
    std::string text;
    for (int i = 0; i < count; ++i) {
        AppendNumber(text, stats.GetX(i));
        text += '\t';
        AppendNumber(text, stats.GetY(i));
        text += '\t';
        AppendNumber(text, residuals[i]);
        text += lineEnd;
    }
    return text;
}

std::string WriteTabEntries(const CZoqStats& stats, const char* lineEnd) {
    std::string text;
    for (int i = 0; i < stats.GetCountY(); ++i) {
        AppendNumber(text, stats.GetX(i));
        text += '\t';
        AppendNumber(text, stats.GetY(i));
        text += lineEnd;
    }
    return text;
}
