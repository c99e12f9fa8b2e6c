#pragma once

#include "cli/NumoraSearch.h"

#include <string>
#include <vector>

// What the command line asks numora to do.
struct SNumoraCommandLine {
    int base = 10;
    int bits = 32;
    int angleMode = 0; // AngleMode of the engine
    int digits = 15;
    bool help = false;
    bool version = false;
    std::vector<std::wstring> expressions;
    // --mode, --keys, --trace: a key script for the calculator core.
    int calcMode = 0;
    bool modeGiven = false;
    bool keysGiven = false;
    bool trace = false;
    std::wstring keys;
    SNumoraSearch search;
    // --notation, --separators, --depth: the display of a key script.
    int notation = 0; // ENotation of the display formatter
    bool separators = false;
    int rpnDepth = 4;
    bool displayGiven = false;
};

// Parses the arguments (without the program name). Returns 1, or 0 with a one-line
// message in `error`. Arguments beginning with "--" are options until a lone "--";
// everything else is an expression. Options take their value as the next argument or
// after "=" ("--base 16", "--base=16").
int ParseNumoraOptions(const std::vector<std::wstring>& arguments, SNumoraCommandLine& options,
                       std::string& error);

// The usage text printed by --help.
const char* NumoraUsage();
