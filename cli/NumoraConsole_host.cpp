#include "cli/NumoraCli.h"

#include <unistd.h>

bool StdinIsTerminal() {
    return isatty(STDIN_FILENO) != 0;
}

int main(int argc, char** argv) {
    std::vector<std::wstring> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(DecodeUtf8(argv[i]));
    return RunNumora(arguments);
}
