#include "cli/NumoraOptions.h"
#include "testing/ZoqTestText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What one command line is expected to give: the parse result, and on success the
// display settings of a key script and the version request.
struct SOptionCase {
    std::vector<std::wstring> arguments;
    int result;
    const char* errorStart; // start of the message when the parse fails
    int notation;
    bool separators;
    int rpnDepth;
    bool version;
};

const SOptionCase kCases[] = {
    {{L"--keys", L"1"}, 1, "", 0, false, 4, false},
    {{L"--notation", L"float", L"--keys", L"1"}, 1, "", 0, false, 4, false},
    {{L"--notation", L"fixed", L"--keys", L"1"}, 1, "", 1, false, 4, false},
    {{L"--notation=sci", L"--keys", L"1"}, 1, "", 2, false, 4, false},
    {{L"--keys", L"1", L"--notation", L"eng"}, 1, "", 3, false, 4, false},
    {{L"--notation", L"scientific", L"--keys", L"1"}, 0, "--notation needs", 0, false, 4, false},
    {{L"--notation", L"SCI", L"--keys", L"1"}, 0, "--notation needs", 0, false, 4, false},
    {{L"--notation"}, 0, "--notation needs", 0, false, 4, false},
    {{L"--separators", L"--keys", L"1"}, 1, "", 0, true, 4, false},
    {{L"--separators=1", L"--keys", L"1"}, 0, "--separators takes no value", 0, false, 4, false},
    {{L"--depth", L"10", L"--mode", L"rpn", L"--keys", L"1"}, 1, "", 0, false, 10, false},
    {{L"--depth=20", L"--keys", L"1"}, 1, "", 0, false, 20, false},
    {{L"--depth", L"4", L"--keys", L"1"}, 1, "", 0, false, 4, false},
    {{L"--depth", L"3", L"--keys", L"1"}, 0, "--depth needs", 0, false, 4, false},
    {{L"--depth", L"5", L"--keys", L"1"}, 0, "--depth needs", 0, false, 4, false},
    {{L"--depth", L"010", L"--keys", L"1"}, 0, "--depth needs", 0, false, 4, false},
    {{L"--depth", L"", L"--keys", L"1"}, 0, "--depth needs", 0, false, 4, false},
    // The display options shape a key script's display; plain expressions have none.
    {{L"--notation", L"sci", L"1+1"}, 0, "--mode, --trace, --notation", 0, false, 4, false},
    {{L"--separators"}, 0, "--mode, --trace, --notation", 0, false, 4, false},
    {{L"--depth", L"10", L"2"}, 0, "--mode, --trace, --notation", 0, false, 4, false},
    {{L"--version"}, 1, "", 0, false, 4, true},
    {{L"--version=2"}, 0, "--version takes no value", 0, false, 4, false},
    {{L"--", L"--version"}, 1, "", 0, false, 4, false},
    {{L"--versions"}, 0, "unknown option --versions", 0, false, 4, false},
};

TEST(NumoraOptions, DisplayAndVersionOptions) {
    for (const SOptionCase& row : kCases) {
        std::string line;
        for (const std::wstring& argument : row.arguments)
            line += Narrow(argument) + " ";
        SCOPED_TRACE(line);
        SNumoraCommandLine options;
        std::string error;
        ASSERT_EQ(ParseNumoraOptions(row.arguments, options, error), row.result) << error;
        if (row.result == 0) {
            EXPECT_EQ(error.rfind(row.errorStart, 0), 0u) << error;
            continue;
        }
        EXPECT_EQ(options.notation, row.notation);
        EXPECT_EQ(options.separators, row.separators);
        EXPECT_EQ(options.rpnDepth, row.rpnDepth);
        EXPECT_EQ(options.version, row.version);
    }
}

// Every option the parser takes is explained by --help, so none is hidden.
TEST(NumoraOptions, UsageNamesEveryOption) {
    const std::string usage = NumoraUsage();
    for (const char* name :
         {"--base", "--bits", "--angle", "--digits", "--mode", "--keys", "--trace", "--notation",
          "--separators", "--depth", "--version", "--help"}) {
        SCOPED_TRACE(name);
        EXPECT_NE(usage.find(std::string("  ") + name + " "), std::string::npos);
        const std::wstring wide(name, name + std::char_traits<char>::length(name));
        std::vector<std::wstring> arguments = {wide};
        SNumoraCommandLine options;
        std::string error;
        ParseNumoraOptions(arguments, options, error);
        EXPECT_EQ(error.find("unknown option"), std::string::npos) << error;
    }
}

} // namespace
