#include "cli/NumoraCli.h"

#include "cli/NumoraKeys.h"
#include "cli/NumoraOptions.h"
#include "cli/NumoraSearch.h"
#include "engine/Numora.h"
#include "scientific/KeyScript.h"

#include "ZoqVersion.h"

#include <cstdio>
#include <cwchar>

namespace {

bool IsErrorText(const wchar_t* text) {
    return std::wcscmp(text, L"syntax error") == 0 || std::wcscmp(text, L"infinity") == 0 ||
           std::wcscmp(text, L"imaginary") == 0;
}

// Result texts are ASCII by construction.
void PrintLine(const wchar_t* text) {
    for (const wchar_t* p = text; *p; ++p)
        std::fputc(static_cast<char>(*p), stdout);
    std::fputc('\n', stdout);
}

// Evaluates one expression, prints its result; false when the result is an error text.
bool EvaluateAndPrint(Numora& engine, const std::wstring& expression) {
    wchar_t result[Numora::kResultCapacity];
    engine.Evaluate(expression.c_str(), result);
    PrintLine(result);
    return !IsErrorText(result);
}

bool ReadLine(std::string& line) {
    line.clear();
    int c;
    while ((c = std::fgetc(stdin)) != EOF && c != '\n')
        line += static_cast<char>(c);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return c != EOF || !line.empty();
}

int EvaluateStandardInput(Numora& engine) {
    bool allGood = true;
    bool prompt = StdinIsTerminal();
    std::string line;
    for (;;) {
        if (prompt) {
            std::fputs("> ", stdout);
            std::fflush(stdout);
        }
        if (!ReadLine(line))
            break;
        if (line.empty())
            continue;
        allGood = EvaluateAndPrint(engine, DecodeUtf8(line)) && allGood;
        std::fflush(stdout);
    }
    return allGood ? 0 : 1;
}

void Configure(Numora& engine, const SNumoraCommandLine& options) {
    engine.SetBase(options.base);
    engine.GetBaseConverter().SetBits(options.bits);
    engine.SetAngleMode(options.angleMode);
    engine.SetPrecision(options.digits);
}

} // namespace

int RunNumora(const std::vector<std::wstring>& arguments) {
    SNumoraCommandLine options;
    std::string error;
    if (!ParseNumoraOptions(arguments, options, error)) {
        std::fprintf(stderr, "numora: %s\n", error.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(NumoraUsage(), stdout);
        std::fputs(NumoraSearchUsage(), stdout);
        std::fputs(KeyScriptHelp(), stdout);
        return 0;
    }
    if (options.version) {
        std::fputs("numora " ZOQ_VERSION "\n", stdout);
        return 0;
    }
    if (options.keysGiven)
        return RunKeyScriptCommand(options);
    Numora& engine = *Numora::GetInstance();
    Configure(engine, options);
    int status = 0;
    if (options.search.kind != ESearchKind::None) {
        status = RunSearch(options.search);
    } else if (options.expressions.empty()) {
        status = EvaluateStandardInput(engine);
    } else {
        for (const std::wstring& expression : options.expressions)
            status = EvaluateAndPrint(engine, expression) ? status : 1;
    }
    std::fflush(stdout);
    Numora::ReleaseInstance();
    return status;
}

std::wstring DecodeUtf8(const std::string& bytes) {
    std::wstring text;
    std::size_t i = 0;
    while (i < bytes.size()) {
        unsigned lead = static_cast<unsigned char>(bytes[i]);
        std::size_t extra = 0;
        unsigned code = lead;
        bool valid = true;
        if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            code = lead & 0x07;
        } else if (lead >= 0x80) {
            valid = false;
        }
        valid = valid && i + extra < bytes.size();
        for (std::size_t k = 1; valid && k <= extra; ++k) {
            unsigned next = static_cast<unsigned char>(bytes[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid) {
            text += static_cast<wchar_t>(0xFFFD);
            ++i;
            continue;
        }
        // Outside the basic plane a character is of no use to an expression; one
        // replacement character keeps it a single character on every platform.
        text += code > 0xFFFF ? static_cast<wchar_t>(0xFFFD) : static_cast<wchar_t>(code);
        i += extra + 1;
    }
    return text;
}
