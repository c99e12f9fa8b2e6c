#include "cli/NumoraCli.h"

#include <io.h>

#include <cstdio>

bool StdinIsTerminal() {
    return _isatty(_fileno(stdin)) != 0;
}

int wmain(int argc, wchar_t** argv) {
    std::vector<std::wstring> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(argv[i]);
    return RunNumora(arguments);
}
