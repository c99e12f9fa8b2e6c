#pragma once

#include <string>
#include <vector>

// numora --zero / --minimum / --maximum / --intersect with --between: the curve search on
// expressions in X, in the engine's angle unit and digits.
enum class ESearchKind { None, Zero, Minimum, Maximum, Intersection };

struct SNumoraSearch {
    ESearchKind kind = ESearchKind::None;
    std::wstring curve;
    std::wstring other; // the second curve of --intersect
    bool rangeGiven = false;
    std::wstring low; // the bounds as expressions, evaluated once the angle unit is set
    std::wstring high;
};

// Takes the search option at arguments[i], with its values, and moves i to its last value.
// Returns 1 when taken, 0 when arguments[i] is no search option, -1 with a one-line message
// in `error` when its values are missing or the option is repeated.
int ParseSearchOption(const std::vector<std::wstring>& arguments, std::size_t& i,
                      SNumoraSearch& search, std::string& error);

// Whether the search options go together with the rest of the command line: `others` says
// whether expressions or --keys were given as well. 1, or 0 with a message in `error`.
int CheckSearchOptions(const SNumoraSearch& search, int base, bool others, std::string& error);

// Runs the search on the configured engine and prints the point ("x" for a zero, "x<TAB>y"
// otherwise) or "no zero" ("no minimum", "no maximum", "no intersection"). Returns the exit
// status: 0 found, 1 none (or the curve is a syntax error), 2 when a bound is no number.
int RunSearch(const SNumoraSearch& search);

// The lines --help adds for the search options.
const char* NumoraSearchUsage();
