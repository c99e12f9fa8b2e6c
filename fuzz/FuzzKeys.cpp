// Feeds random key streams to Numorapad's calculator core: any category and index
// (out-of-range ones included), mode switches, bases 2..16, notations, display widths,
// word sizes, stack depths, memory operations, pasted texts and settings round trips.
// Checks what must always hold: every text the core shows or keeps is terminated
// within its buffer, registers stay within 31 characters, values within their slots.
#include "engine/Numora.h"
#include "engine/ZoqNumoraUtil.h"
#include "scientific/Calculator.h"
#include "scientific/KeyScript.h"
#include "scientific/NumoraSettings.h"
#include "ui/ZoqMemoryStore.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cwchar>
#include <new>
#include <string>

namespace {

class CByteReader {
public:
    CByteReader(const uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    int AtEnd() const { return m_position >= m_size; }
    uint8_t Byte() { return m_position < m_size ? m_data[m_position++] : 0; }
    // Mostly small indexes, sometimes any signed 16-bit value.
    int Index() {
        const uint8_t first = Byte();
        if (first < 0xF0) {
            return first % 40;
        }
        return static_cast<int16_t>(Byte() << 8 | Byte());
    }
    std::wstring Text() {
        std::wstring text;
        const int length = Byte() % 48;
        for (int i = 0; i < length; ++i) {
            const wchar_t c = static_cast<wchar_t>(Byte());
            text += c ? c : L'0';
        }
        return text;
    }

private:
    const uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_position = 0;
};

void Require(int condition) {
    if (!condition) {
        std::abort();
    }
}

void RequireTerminated(const wchar_t* text, std::size_t capacity) {
    Require(text && std::wmemchr(text, L'\0', capacity) != nullptr);
}

void CheckInvariants(const CCalculator& calculator) {
    SDisplayText display;
    Require(calculator.GetDisplay(&display));
    RequireTerminated(display.main, SDisplayText::kCapacity);
    RequireTerminated(display.significand, SDisplayText::kCapacity);
    RequireTerminated(display.exponent, SDisplayText::kExponentCapacity);
    wchar_t line[kLineCapacity];
    Require(calculator.GetSecondaryText(line, kLineCapacity));
    wchar_t value[kResultCapacity];
    Require(calculator.GetDisplayValue(value, kResultCapacity));
    Require(std::wcslen(value) < kResultCapacity);
    for (int k = 0; k < kRegisterCount; ++k) {
        Require(std::wcslen(calculator.GetMemory(k)) < kRegisterCapacity);
    }
    const CRpnMode& rpn = calculator.GetRpnMode();
    for (int i = 0; i < CRpnMode::kSlots; ++i) {
        Require(std::wcslen(rpn.GetSlot(i)) < CRpnMode::kSlotCapacity);
    }
    Require(rpn.GetDepth() >= CRpnMode::kMinDepth && rpn.GetDepth() <= CRpnMode::kMaxDepth);
    Require(calculator.GetBase() >= 2 && calculator.GetBase() <= 16);
}

// The memory view writes out every register: a pass over the same registers that
// CheckInvariants bounds already, so it runs every few steps rather than after each.
void CheckMemoryView(const CCalculator& calculator) {
    wchar_t view[1024];
    Require(calculator.GetMemoryView(view, 1024));
}

void RunOperation(CCalculator& calculator, CByteReader& input, CZoqMemoryStore& store,
                  CNumoraOptions& options) {
    const uint8_t op = input.Byte();
    if (op < 200) {
        // A key of one of the eleven categories, or of no category at all.
        calculator.PressKey(static_cast<EKeyCategory>(op % 13), input.Index());
        return;
    }
    switch (op % 12) {
    case 0:
        calculator.SetCalcMode(input.Byte() % 6);
        break;
    case 1:
        calculator.BaseKey(input.Byte() % 18);
        break;
    case 2:
        calculator.SetNotation(input.Byte() % 5);
        break;
    case 3:
        calculator.SetDisplayWidth(input.Byte() % 48);
        calculator.SetSeparator(input.Byte() % 3);
        break;
    case 4:
        calculator.SetBaseBits(input.Byte() % 52);
        break;
    case 5:
        calculator.SetRpnDepth(input.Byte() % 24);
        break;
    case 6:
        calculator.ArrowKey(36 + input.Byte() % 6);
        break;
    case 7: {
        const int k = input.Index();
        switch (input.Byte() % 4) {
        case 0:
            calculator.StoreMemory(k);
            break;
        case 1:
            calculator.RecallMemory(k);
            break;
        case 2:
            calculator.AddToMemory(k);
            break;
        default:
            calculator.SubtractFromMemory(k);
            break;
        }
        break;
    }
    case 8: {
        // Paste whatever text the clipboard holds.
        const std::wstring text = input.Text();
        CZoqNumoraUtil::GetInstance()->CopyToClipboard(text.c_str(), nullptr);
        calculator.ClipboardKey(CCalculator::kPaste);
        break;
    }
    case 9:
        calculator.CurrentMode().PutValue(input.Text().c_str());
        break;
    case 10: {
        CNumoraSettings settings(store);
        settings.Save(CNumoraSettings::kDefaultKeyPath, calculator, options);
        if (input.Byte() & 1) {
            const std::wstring text = input.Text();
            store.WriteString(CNumoraSettings::kDefaultKeyPath,
                              MemoryValueName(input.Byte() % kRegisterCount), text.c_str());
            store.WriteDword(CNumoraSettings::kDefaultKeyPath, L"Base", input.Byte());
        }
        settings.Load(CNumoraSettings::kDefaultKeyPath, calculator, options);
        break;
    }
    default: {
        // A key script read from the input.
        CKeyScript script;
        if (script.Parse(input.Text().c_str())) {
            script.Run(calculator, [&](const SScriptKey&, int) { CheckInvariants(calculator); });
        }
        break;
    }
    }
}

// A smaller quarantine than the sanitizer's default lets freed blocks be reused
// before their pages go cold: each input frees and allocates the same few blocks
// (the expression history among them), and fresh pages for every one of them cost
// more than running the keys. Freed memory is still held back for a while.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=16";
}

// The calculator is some 190 KB: built afresh on the heap for every input, each run
// paid for new pages and the sanitizer's bookkeeping of a large block, far more than
// the keys themselves cost. Every input still starts from a newly constructed one,
// built in the same storage.
class CCalculatorSlot {
public:
    CCalculator* Fresh() {
        Destroy();
        m_calculator = new (m_storage) CCalculator();
        return m_calculator;
    }
    void Destroy() {
        if (m_calculator) {
            m_calculator->~CCalculator();
            m_calculator = nullptr;
        }
    }

private:
    alignas(CCalculator) unsigned char m_storage[sizeof(CCalculator)];
    CCalculator* m_calculator = nullptr;
};

CCalculatorSlot g_calculatorSlot;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    Numora::ReleaseInstance();
    Numora::GetInstance()->SeedRandom(1);
    CCalculator* calculator = g_calculatorSlot.Fresh();
    CZoqMemoryStore store;
    CNumoraOptions options;
    CByteReader input(data, size);
    calculator->SetCalcMode(input.Byte() % 5);
    calculator->BaseKey(2 + input.Byte() % 15);
    calculator->SetNotation(input.Byte() % 4);
    calculator->SetDisplayWidth(CDisplayFormatter::kMinWidth + input.Byte() % 37);
    for (int steps = 0; !input.AtEnd() && steps < 2000; ++steps) {
        RunOperation(*calculator, input, store, options);
        CheckInvariants(*calculator);
        if (steps % 16 == 15) {
            CheckMemoryView(*calculator);
        }
    }
    CheckMemoryView(*calculator);
    g_calculatorSlot.Destroy();
    Numora::ReleaseInstance();
    return 0;
}
