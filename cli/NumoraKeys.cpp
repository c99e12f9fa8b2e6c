#include "cli/NumoraKeys.h"

#include "cli/NumoraOptions.h"
#include "engine/Numora.h"
#include "scientific/Calculator.h"
#include "scientific/KeyScript.h"
#include "ui/ZoqUserLocale.h"
#include "ui/ZoqUtf8.h"

#include <cstdio>
#include <memory>

namespace {

// Display texts carry "×", "÷", "²" and the like: written as UTF-8.
void PrintUtf8(const wchar_t* text) {
    std::fputs(ZoqToUtf8(text).c_str(), stdout);
}

void PrintDisplay(const CCalculator& calculator) {
    SDisplayText display;
    calculator.GetDisplay(&display);
    PrintUtf8(display.main);
}

void PrintTrace(const CCalculator& calculator, const SScriptKey& key) {
    PrintUtf8(key.name);
    std::fputc('\t', stdout);
    PrintDisplay(calculator);
    std::fputc('\t', stdout);
    wchar_t line[kLineCapacity];
    calculator.GetSecondaryText(line, kLineCapacity);
    PrintUtf8(line);
    std::fputc('\n', stdout);
}

} // namespace

int RunKeyScriptCommand(const SNumoraCommandLine& options) {
    CKeyScript script;
    if (!script.Parse(options.keys.c_str())) {
        std::fputs("numora: unknown key ", stderr);
        for (const wchar_t* p = script.ErrorName(); *p; ++p) {
            std::fputc(*p > 0 && *p < 0x80 ? static_cast<int>(*p) : '?', stderr);
        }
        std::fputs(" (see --help)\n", stderr);
        return 2;
    }
    Numora* engine = Numora::GetInstance();
    engine->GetBaseConverter().SetBits(options.bits);
    engine->SetAngleMode(options.angleMode);
    engine->SetPrecision(options.digits);
    // The core keeps its texts in fixed buffers: too large for the stack.
    // The fixed locale unless the separators are asked for: a script's output does not
    // change with the machine it runs on.
    auto calculator = options.separators ? std::make_unique<CCalculator>(CZoqUserLocale())
                                         : std::make_unique<CCalculator>();
    calculator->SetCalcMode(options.calcMode);
    calculator->SetNotation(options.notation);
    calculator->SetSeparator(options.separators ? 1 : 0);
    calculator->SetRpnDepth(options.rpnDepth);
    if (!calculator->BaseKey(options.base)) {
        std::fputs("numora: key scripts work in bases 2 to 16\n", stderr);
        Numora::ReleaseInstance();
        return 2;
    }
    if (options.trace) {
        script.Run(*calculator, [&](const SScriptKey& key, int) { PrintTrace(*calculator, key); });
    } else {
        script.Run(*calculator);
        PrintDisplay(*calculator);
        std::fputc('\n', stdout);
    }
    std::fflush(stdout);
    wchar_t value[kResultCapacity];
    calculator->GetDisplayValue(value, kResultCapacity);
    const int status = IsErrorText(value) ? 1 : 0;
    calculator.reset();
    Numora::ReleaseInstance();
    return status;
}
