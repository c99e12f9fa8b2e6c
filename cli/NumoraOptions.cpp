#include "cli/NumoraOptions.h"

#include <cwchar>

namespace {

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text)
        narrow += c > 0 && c < 0x80 ? static_cast<char>(c) : '?';
    return narrow;
}

// A whole decimal number within [low, high].
bool ParseInteger(const std::wstring& text, int low, int high, int& value) {
    if (text.empty() || text.size() > 9)
        return false;
    int result = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9')
            return false;
        result = result * 10 + (c - L'0');
    }
    if (result < low || result > high)
        return false;
    value = result;
    return true;
}

// The index of `value` in `names`, or -1.
int FindName(const std::wstring& value, const wchar_t* const* names, int count) {
    for (int i = 0; i < count; ++i) {
        if (value == names[i])
            return i;
    }
    return -1;
}

// One option of the table: its name, whether it takes a value, and how to apply it.
struct COption {
    const wchar_t* name;
    bool takesValue;
    bool (*apply)(const std::wstring& value, SNumoraCommandLine& options);
    const char* valueError;
};

const COption kOptions[] = {
    {L"--base", true,
     [](const std::wstring& v, SNumoraCommandLine& o) { return ParseInteger(v, 2, 36, o.base); },
     "--base needs a number from 2 to 36"},
    {L"--bits", true,
     [](const std::wstring& v, SNumoraCommandLine& o) { return ParseInteger(v, 4, 48, o.bits); },
     "--bits needs a number from 4 to 48"},
    {L"--digits", true,
     [](const std::wstring& v, SNumoraCommandLine& o) { return ParseInteger(v, 0, 15, o.digits); },
     "--digits needs a number from 0 to 15"},
    {L"--angle", true,
     [](const std::wstring& v, SNumoraCommandLine& o) {
         static const wchar_t* const kUnits[] = {L"deg", L"rad", L"grad"};
         const int mode = FindName(v, kUnits, 3);
         o.angleMode = mode < 0 ? o.angleMode : mode;
         return mode >= 0;
     },
     "--angle needs deg, rad or grad"},
    {L"--mode", true,
     [](const std::wstring& v, SNumoraCommandLine& o) {
         static const wchar_t* const kModes[] = {L"expression", L"algebraic", L"dal", L"chain",
                                                 L"rpn"};
         const int mode = FindName(v, kModes, 5);
         o.calcMode = mode < 0 ? o.calcMode : mode;
         o.modeGiven = o.modeGiven || mode >= 0;
         return mode >= 0;
     },
     "--mode needs expression, algebraic, dal, chain or rpn"},
    {L"--notation", true,
     [](const std::wstring& v, SNumoraCommandLine& o) {
         // In the order of the display formatter's notations.
         static const wchar_t* const kNotations[] = {L"float", L"fixed", L"sci", L"eng"};
         const int notation = FindName(v, kNotations, 4);
         o.notation = notation < 0 ? o.notation : notation;
         o.displayGiven = o.displayGiven || notation >= 0;
         return notation >= 0;
     },
     "--notation needs float, fixed, sci or eng"},
    {L"--separators", false,
     [](const std::wstring&, SNumoraCommandLine& o) {
         o.separators = true;
         o.displayGiven = true;
         return true;
     },
     ""},
    {L"--depth", true,
     [](const std::wstring& v, SNumoraCommandLine& o) {
         // The stack depths Numorapad offers.
         static const wchar_t* const kDepths[] = {L"4", L"10", L"20"};
         static const int kValues[] = {4, 10, 20};
         const int depth = FindName(v, kDepths, 3);
         o.rpnDepth = depth < 0 ? o.rpnDepth : kValues[depth];
         o.displayGiven = o.displayGiven || depth >= 0;
         return depth >= 0;
     },
     "--depth needs 4, 10 or 20"},
    {L"--keys", true,
     [](const std::wstring& v, SNumoraCommandLine& o) {
         o.keys = v;
         o.keysGiven = true;
         return true;
     },
     "--keys needs a key script"},
    {L"--trace", false,
     [](const std::wstring&, SNumoraCommandLine& o) {
         o.trace = true;
         return true;
     },
     ""},
    {L"--version", false,
     [](const std::wstring&, SNumoraCommandLine& o) {
         o.version = true;
         return true;
     },
     ""},
    {L"--help", false,
     [](const std::wstring&, SNumoraCommandLine& o) {
         o.help = true;
         return true;
     },
     ""},
};

} // namespace

int ParseNumoraOptions(const std::vector<std::wstring>& arguments, SNumoraCommandLine& options,
                       std::string& error) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& argument = arguments[i];
        if (optionsEnded || argument.compare(0, 2, L"--") != 0) {
            options.expressions.push_back(argument);
            continue;
        }
        if (argument == L"--") {
            optionsEnded = true;
            continue;
        }
        const int search = ParseSearchOption(arguments, i, options.search, error);
        if (search != 0) {
            if (search < 0)
                return 0;
            continue;
        }
        std::size_t equals = argument.find(L'=');
        std::wstring name = argument.substr(0, equals);
        const COption* option = nullptr;
        for (const COption& candidate : kOptions) {
            if (name == candidate.name)
                option = &candidate;
        }
        if (!option) {
            error = "unknown option " + Narrow(name) + " (see --help)";
            return 0;
        }
        std::wstring value;
        if (option->takesValue) {
            if (equals != std::wstring::npos) {
                value = argument.substr(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                error = option->valueError;
                return 0;
            }
        } else if (equals != std::wstring::npos) {
            error = Narrow(name) + " takes no value";
            return 0;
        }
        if (!option->apply(value, options)) {
            error = option->valueError;
            return 0;
        }
    }
    if ((options.modeGiven || options.trace || options.displayGiven) && !options.keysGiven) {
        error = "--mode, --trace, --notation, --separators and --depth need --keys";
        return 0;
    }
    if (options.keysGiven && !options.expressions.empty()) {
        error = "--keys takes no expressions";
        return 0;
    }
    return CheckSearchOptions(options.search, options.base,
                              options.keysGiven || !options.expressions.empty(), error);
}

const char* NumoraUsage() {
    return "usage: numora [OPTIONS] [--] [EXPR...]\n"
           "Evaluates each expression and prints one result line per expression;\n"
           "with no expression, reads one expression per line from standard input.\n"
           "Exits 1 when a result is an error text, 2 on a bad option.\n"
           "\n"
           "  --base N      number base of input and output, 2..36 (default 10)\n"
           "  --bits N      bit width of results in other bases, 4..48 (default 32)\n"
           "  --angle UNIT  deg, rad or grad (default deg)\n"
           "  --digits N    significant digits of decimal results, 0..15 (default 15)\n"
           "  --mode MODE   with --keys: expression (default), algebraic, dal, chain or rpn\n"
           "  --keys KEYS   press the calculator's keys (names below) and print the\n"
           "                display after the last one; --base 2..16 applies\n"
           "  --trace       with --keys: print key, display and expression line after each key\n"
           "  --notation N  with --keys: float (default), fixed, sci or eng, as the display\n"
           "  --separators  with --keys: a decimal comma and the locale's digit grouping\n"
           "  --depth N     with --keys: RPN stack depth 4 (default), 10 or 20\n"
           "  --version     the suite's version\n"
           "  --help        this text\n"
           "\n"
           "examples:\n"
           "  numora '2+3*4' 'sin(30)^2' '5C2'\n"
           "  numora --base 16 --bits 8 -- -1\n"
           "  numora --angle grad 'acos(0)'\n"
           "  numora --mode chain --keys '2 + 3 * 4 ='\n"
           "  numora --mode expression --notation sci --keys '1 2 3 . 4 5 ='\n"
           "\n";
}
