// Nanoseconds per evaluation of calculator expressions: our engine end to end (text
// in, result text out) against fparser and muparser doing what a calculator built on
// them must do: parse a fresh string, evaluate, format the result with "%.15g".
// Prints one table and ends with "geomean ours/fparser: R".
#include "engine/Numora.h"
#include "engine/ZoqNumoraUtil.h"
#include "ui/ZoqString.h"

#include <benchmark/benchmark.h>
#include <fparser.hh>
#include <muParser.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

struct CExpression {
    const char* name;
    std::wstring ours;
    std::string fparser;
    std::string muparser;
};

std::string ToNarrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

CExpression Same(const char* name, const char* text) {
    std::string narrow = text;
    return {name, std::wstring(narrow.begin(), narrow.end()), narrow, narrow};
}

const char kLong[] =
    "1.25*13.347+57.714+sqrt(42.04)/19.387*82.891-(7.89+2.9)*52.033*sqrt(39.08)*58.723/"
    "81.622/71.304-91.228-57.326*10.099*25.911*62.225/82.597+(5.68+5.7)/92.001/66.620*32.649+"
    "56.557*62.848+(2.00+4.9)*1.0625";

// The graph window's texts: the x value of each of 480 columns, formatted with 12
// significant digits and put in brackets in place of every X.
std::vector<std::wstring> GraphTexts(const wchar_t* equation) {
    std::vector<std::wstring> texts;
    CZoqString& strings = *CZoqString::GetInstance();
    CZoqNumoraUtil& util = *CZoqNumoraUtil::GetInstance();
    for (int column = 0; column < 480; ++column) {
        wchar_t x[CZoqString::kNumberCapacity + 2] = L"(";
        strings.FormatNumber(x + 1, -10 + column * (20.0 / 479), 12, CZoqString::kNumberCapacity);
        strings.Append(x, L")");
        wchar_t text[CZoqNumoraUtil::kWorkCapacity];
        util.ReplaceAll(equation, L"X", x, text, CZoqNumoraUtil::kWorkCapacity);
        texts.push_back(text);
    }
    return texts;
}

const wchar_t kGraphEquation[] = L"1*X^2-3*X+2";

std::vector<CExpression> Expressions() {
    std::vector<CExpression> list = {
        Same("short", "2+3*4"),
        Same("functions", "sin(30)^2+cos(30)^2"),
        {"constants", L"ln(10)*e+pi/4", "log(10)*e+pi/4", "ln(10)*e+pi/4"},
        Same("nested", "((1+2)*(3+(4*(5+6))))/(7+(8*(9+(1/2))))"),
        Same("long", kLong),
    };
    // One representative column of the graph case for the peers' rows; our row runs
    // through every column.
    std::wstring column = GraphTexts(kGraphEquation)[123];
    list.push_back({"graph", column, ToNarrow(column), ToNarrow(column)});
    return list;
}

void Ours(benchmark::State& state, std::wstring text) {
    Numora& engine = *Numora::GetInstance();
    wchar_t out[Numora::kResultCapacity];
    for (auto _ : state) {
        engine.Evaluate(text.c_str(), out);
        benchmark::DoNotOptimize(out);
    }
}

void OursGraph(benchmark::State& state) {
    Numora& engine = *Numora::GetInstance();
    std::vector<std::wstring> texts = GraphTexts(kGraphEquation);
    wchar_t out[Numora::kResultCapacity];
    std::size_t column = 0;
    for (auto _ : state) {
        engine.Evaluate(texts[column].c_str(), out);
        benchmark::DoNotOptimize(out);
        column = column + 1 == texts.size() ? 0 : column + 1;
    }
}

// The graph window's whole step per sample: format x, substitute, evaluate.
void OursGraphPipeline(benchmark::State& state) {
    Numora& engine = *Numora::GetInstance();
    CZoqString& strings = *CZoqString::GetInstance();
    CZoqNumoraUtil& util = *CZoqNumoraUtil::GetInstance();
    int column = 0;
    for (auto _ : state) {
        wchar_t x[CZoqString::kNumberCapacity + 2] = L"(";
        strings.FormatNumber(x + 1, -10 + column * (20.0 / 479), 12, CZoqString::kNumberCapacity);
        strings.Append(x, L")");
        wchar_t text[CZoqNumoraUtil::kWorkCapacity];
        util.ReplaceAll(kGraphEquation, L"X", x, text, CZoqNumoraUtil::kWorkCapacity);
        engine.Evaluate(text, text);
        benchmark::DoNotOptimize(text);
        column = column == 479 ? 0 : column + 1;
    }
}

void Fparser(benchmark::State& state, std::string text) {
    FunctionParser parser;
    parser.AddConstant("pi", M_PI);
    parser.AddConstant("e", M_E);
    char out[64];
    for (auto _ : state) {
        parser.Parse(text, "");
        double value = parser.Eval(nullptr);
        std::snprintf(out, sizeof out, "%.15g", value);
        benchmark::DoNotOptimize(out);
    }
}

void Muparser(benchmark::State& state, std::string text) {
    mu::Parser parser;
    parser.DefineConst("pi", M_PI);
    parser.DefineConst("e", M_E);
    char out[64];
    for (auto _ : state) {
        parser.SetExpr(text);
        double value = parser.Eval();
        std::snprintf(out, sizeof out, "%.15g", value);
        benchmark::DoNotOptimize(out);
    }
}

void OursFormat(benchmark::State& state) {
    CZoqString& strings = *CZoqString::GetInstance();
    wchar_t out[CZoqString::kNumberCapacity];
    double value = 1.0 / 3;
    for (auto _ : state) {
        strings.FormatNumber(out, value, 15, CZoqString::kNumberCapacity);
        benchmark::DoNotOptimize(out);
        value += 1.0000001;
    }
}

void PrintfFormat(benchmark::State& state) {
    char out[64];
    double value = 1.0 / 3;
    for (auto _ : state) {
        std::snprintf(out, sizeof out, "%.15g", value);
        benchmark::DoNotOptimize(out);
        value += 1.0000001;
    }
}

// Collects the time per iteration of every run instead of printing them.
class CTableReporter : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            nanoseconds[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    std::map<std::string, double> nanoseconds;
};

void Register(const char* name, void (*function)(benchmark::State&)) {
    benchmark::RegisterBenchmark(name, function)->Unit(benchmark::kNanosecond)->MinTime(0.3);
}

template <typename Text>
void Register(const std::string& name, void (*function)(benchmark::State&, Text), Text text) {
    benchmark::RegisterBenchmark(name.c_str(), function, text)
        ->Unit(benchmark::kNanosecond)
        ->MinTime(0.3);
}

// Our results must be the peers' results; a benchmark of wrong answers is worthless.
bool CheckAgreement(const std::vector<CExpression>& list) {
    bool agree = true;
    Numora& engine = *Numora::GetInstance();
    for (const CExpression& e : list) {
        wchar_t out[Numora::kResultCapacity];
        double ours = engine.Evaluate(e.ours.c_str(), out);
        FunctionParser parser;
        parser.AddConstant("pi", M_PI);
        parser.AddConstant("e", M_E);
        parser.Parse(e.fparser, "");
        double theirs = parser.Eval(nullptr);
        // Degrees against radians in the trigonometric case: compare its identity.
        bool same = std::fabs(ours - theirs) <= 1e-9 * std::fmax(1.0, std::fabs(theirs));
        if (!same) {
            std::printf("mismatch in %s: ours %.17g, fparser %.17g\n", e.name, ours, theirs);
            agree = false;
        }
    }
    return agree;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::vector<CExpression> list = Expressions();
    if (!CheckAgreement(list))
        return 1;
    for (const CExpression& e : list) {
        if (std::string(e.name) == "graph")
            Register("ours/graph", OursGraph);
        else
            Register(std::string("ours/") + e.name, Ours, e.ours);
        Register(std::string("fparser/") + e.name, Fparser, e.fparser);
        Register(std::string("muparser/") + e.name, Muparser, e.muparser);
    }
    Register("ours/format", OursFormat);
    Register("printf/format", PrintfFormat);
    Register("ours/graph pipeline", OursGraphPipeline);

    CTableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto ns = [&](const std::string& name) { return reporter.nanoseconds[name]; };

    std::printf("%-12s %12s %12s %12s %14s\n", "expression", "ours ns", "fparser ns", "muparser ns",
                "ours/fparser");
    double logSum = 0;
    bool allFaster = true;
    for (const CExpression& e : list) {
        double ours = ns(std::string("ours/") + e.name);
        double fparser = ns(std::string("fparser/") + e.name);
        double muparser = ns(std::string("muparser/") + e.name);
        double ratio = ours / fparser;
        logSum += std::log(ratio);
        allFaster = allFaster && ratio < 1;
        std::printf("%-12s %12.1f %12.1f %12.1f %14.2f\n", e.name, ours, fparser, muparser, ratio);
    }
    double format = ns("ours/format");
    double printfFormat = ns("printf/format");
    std::printf("%-12s %12.1f %12.1f %12.1f %14.2f   (FormatNumber 15 digits vs %%.15g)\n",
                "format", format, printfFormat, printfFormat, format / printfFormat);
    double pipeline = ns("ours/graph pipeline");
    std::printf("graph: %.0f evaluations/s (format x, substitute, evaluate: %.1f ns)\n",
                1e9 / pipeline, pipeline);
    std::printf("faster than fparser on every expression: %s\n", allFaster ? "yes" : "no");
    std::printf("geomean ours/fparser: %.2f\n",
                std::exp(logSum / static_cast<double>(list.size())));
    benchmark::Shutdown();
    return 0;
}
