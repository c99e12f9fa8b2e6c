#include "cli/NumoraSearch.h"

#include "engine/Numora.h"
#include "graph/CurveSearch.h"
#include "graph/EquationCurve.h"
#include "graph/EquationTemplate.h"

#include <cmath>
#include <cstdio>
#include <cwchar>
#include <limits>

namespace {

struct SSearchOption {
    const wchar_t* name;
    ESearchKind kind; // None for --between
    int values;
    const char* valueError;
};

const SSearchOption kSearchOptions[] = {
    {L"--zero", ESearchKind::Zero, 1, "--zero needs an expression in X"},
    {L"--minimum", ESearchKind::Minimum, 1, "--minimum needs an expression in X"},
    {L"--maximum", ESearchKind::Maximum, 1, "--maximum needs an expression in X"},
    {L"--intersect", ESearchKind::Intersection, 2, "--intersect needs two expressions in X"},
    {L"--between", ESearchKind::None, 2, "--between needs two bounds: --between LOW HIGH"},
};

const char* NoneText(ESearchKind kind) {
    switch (kind) {
    case ESearchKind::Zero:
        return "no zero";
    case ESearchKind::Minimum:
        return "no minimum";
    case ESearchKind::Maximum:
        return "no maximum";
    default:
        return "no intersection";
    }
}

// Result texts are ASCII by construction.
void PrintText(const wchar_t* text) {
    for (const wchar_t* p = text; *p; ++p)
        std::fputc(static_cast<char>(*p), stdout);
}

bool IsNumberText(const wchar_t* text) {
    return std::wcscmp(text, L"syntax error") != 0 && std::wcscmp(text, L"infinity") != 0 &&
           std::wcscmp(text, L"imaginary") != 0;
}

bool EvaluateBound(const std::wstring& text, double& value) {
    wchar_t result[Numora::kResultCapacity];
    value = Numora::GetInstance()->Evaluate(text.c_str(), result, 10, 10);
    return IsNumberText(result) && std::isfinite(value);
}

int Search(const SNumoraSearch& search, double low, double high, SCurvePoint* point) {
    CEquationTemplate f, g;
    f.Prepare(search.curve.c_str());
    g.Prepare(search.other.c_str());
    const CEquationCurve curve(f);
    const CEquationCurve other(g);
    const double leftmost = std::numeric_limits<double>::quiet_NaN();
    switch (search.kind) {
    case ESearchKind::Zero:
        return FindZero(curve, low, high, leftmost, point);
    case ESearchKind::Minimum:
        return FindMinimum(curve, low, high, leftmost, point);
    case ESearchKind::Maximum:
        return FindMaximum(curve, low, high, leftmost, point);
    case ESearchKind::Intersection:
        return FindIntersection(curve, other, low, high, leftmost, point);
    case ESearchKind::None:
        break;
    }
    return 0;
}

// A curve that is a syntax error is one wherever it is evaluated.
bool IsSyntaxError(const std::wstring& curve, double x) {
    CEquationTemplate equation;
    equation.Prepare(curve.c_str());
    wchar_t result[Numora::kResultCapacity];
    CEquationCurve(equation).Result(x, result);
    return std::wcscmp(result, L"syntax error") == 0;
}

} // namespace

int ParseSearchOption(const std::vector<std::wstring>& arguments, std::size_t& i,
                      SNumoraSearch& search, std::string& error) {
    const std::wstring& argument = arguments[i];
    const std::size_t equals = argument.find(L'=');
    const std::wstring name = argument.substr(0, equals);
    const SSearchOption* option = nullptr;
    for (const SSearchOption& candidate : kSearchOptions) {
        if (name == candidate.name)
            option = &candidate;
    }
    if (!option)
        return 0;
    std::wstring values[2];
    int taken = 0;
    if (equals != std::wstring::npos)
        values[taken++] = argument.substr(equals + 1);
    // A value is never an option: "--intersect F --between ..." lacks its second curve.
    while (taken < option->values && i + 1 < arguments.size() &&
           arguments[i + 1].compare(0, 2, L"--") != 0)
        values[taken++] = arguments[++i];
    if (taken < option->values || (option->values == 2 && equals != std::wstring::npos) ||
        values[0].empty()) {
        error = option->valueError;
        return -1;
    }
    if (option->kind == ESearchKind::None) {
        if (search.rangeGiven) {
            error = "--between is given twice";
            return -1;
        }
        search.rangeGiven = true;
        search.low = values[0];
        search.high = values[1];
        return 1;
    }
    if (search.kind != ESearchKind::None) {
        error = "only one of --zero, --minimum, --maximum and --intersect at a time";
        return -1;
    }
    search.kind = option->kind;
    search.curve = values[0];
    search.other = values[1];
    return 1;
}

int CheckSearchOptions(const SNumoraSearch& search, int base, bool others, std::string& error) {
    if (search.kind == ESearchKind::None && !search.rangeGiven)
        return 1;
    if (search.kind == ESearchKind::None) {
        error = "--between goes with --zero, --minimum, --maximum or --intersect";
        return 0;
    }
    if (!search.rangeGiven) {
        error = "the search needs its range: --between LOW HIGH";
        return 0;
    }
    if (base != 10) {
        error = "the search works in base 10 only";
        return 0;
    }
    if (others) {
        error = "the search takes no other expressions and no --keys";
        return 0;
    }
    return 1;
}

int RunSearch(const SNumoraSearch& search) {
    double low, high;
    if (!EvaluateBound(search.low, low) || !EvaluateBound(search.high, high)) {
        std::fputs("numora: --between needs two numbers\n", stderr);
        return 2;
    }
    if (IsSyntaxError(search.curve, low) ||
        (search.kind == ESearchKind::Intersection && IsSyntaxError(search.other, low))) {
        std::fputs("syntax error\n", stdout);
        return 1;
    }
    SCurvePoint point;
    if (!Search(search, low, high, &point)) {
        std::fputs(NoneText(search.kind), stdout);
        std::fputc('\n', stdout);
        return 1;
    }
    wchar_t text[Numora::kResultCapacity];
    FormatAsResult(point.x, text);
    PrintText(text);
    if (search.kind != ESearchKind::Zero) {
        FormatAsResult(point.y, text);
        std::fputc('\t', stdout);
        PrintText(text);
    }
    std::fputc('\n', stdout);
    return 0;
}

const char* NumoraSearchUsage() {
    return "searching curves in X (in the --angle unit, with the --digits):\n"
           "  --zero EXPR             where EXPR is 0\n"
           "  --minimum EXPR          the lowest point where EXPR turns (x TAB y)\n"
           "  --maximum EXPR          the highest point where EXPR turns (x TAB y)\n"
           "  --intersect EXPR EXPR   where the two meet (x TAB y)\n"
           "  --between LOW HIGH      the range of x searched (required)\n"
           "  The leftmost zero or intersection is printed; the ends of the range are no\n"
           "  minimum or maximum. Prints \"no zero\" (\"no minimum\", ...) and exits 1 when\n"
           "  the range holds none.\n"
           "  numora --zero 'X^2-2' --between 0 2\n"
           "\n";
}
