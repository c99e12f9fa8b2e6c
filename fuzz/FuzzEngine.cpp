// Feeds arbitrary text to the full form of Numora::Evaluate with input and output
// bases, angle mode and precision taken from the first bytes, and checks what must
// always hold: a terminated result within the buffer, and number texts that read
// back to the value they came from.
#include "engine/Numora.h"
#include "engine/ZoqNumberText.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

constexpr std::size_t kHeader = 4;

int PickBase(uint8_t byte) {
    // Mostly decimal, where the grammar is richest.
    return byte < 128 ? 10 : 2 + byte % 35;
}

// Bytes become Latin-1 characters (which include the keypad's ×, ÷, ², ³, ¹); 0xFF
// introduces a character given by the next two bytes.
std::wstring Widen(const uint8_t* data, std::size_t size) {
    std::wstring text;
    for (std::size_t i = 0; i < size; ++i) {
        wchar_t c = data[i];
        if (data[i] == 0xFF && i + 2 < size) {
            c = static_cast<wchar_t>(data[i + 1] << 8 | data[i + 2]);
            i += 2;
        }
        if (c == 0)
            c = L'0';
        text += c;
    }
    return text;
}

void CheckTerminated(const wchar_t* text, std::size_t capacity) {
    if (wmemchr(text, L'\0', capacity) == nullptr)
        std::abort();
}

void CheckNumberTexts(double value) {
    char text[kZoqNumberCapacity];
    if (!std::isfinite(value))
        return;
    // 17 significant digits identify every double.
    int length = ZoqGeneralFormat(std::fabs(value), 17, text, sizeof text);
    if (length < 0)
        std::abort();
    double back = -1;
    if (!ZoqParseDecimal(text, text + length, &back) || back != std::fabs(value))
        std::abort();
    wchar_t display[kZoqNumberCapacity];
    for (int digits = 0; digits <= kZoqMaxDigits; digits += 5) {
        if (ZoqFormatNumber(value, digits, display, kZoqNumberCapacity) < 0)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < kHeader)
        return 0;
    Numora& engine = *Numora::GetInstance();
    engine.SetAngleMode(data[2] % 3);
    engine.SetPrecision(data[3] % 16);
    engine.GetBaseConverter().SetBits(4 + data[3] % 45);
    std::wstring text = Widen(data + kHeader, size - kHeader);

    wchar_t output[Numora::kResultCapacity];
    double value = engine.Evaluate(text.c_str(), output, PickBase(data[0]), PickBase(data[1]));
    CheckTerminated(output, Numora::kResultCapacity);
    CheckNumberTexts(value);

    wchar_t converted[Numora::kResultCapacity];
    engine.ConvertAngle(text.c_str(), converted);
    return 0;
}
