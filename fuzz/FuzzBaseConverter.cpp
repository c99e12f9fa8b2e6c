// The base converter on arbitrary digit texts and values: results stay within their
// buffers, and a value within the bit width reads back from its digits.
#include "engine/ZoqBaseConverter.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 10)
        return 0;
    CZoqBaseConverter converter;
    int base = 2 + data[0] % 35;
    converter.SetBits(data[1] % 50);
    double value;
    std::memcpy(&value, data + 2, sizeof value);

    wchar_t digits[CZoqBaseConverter::kDigitsCapacity];
    if (!converter.DecimalToBase(base, value, digits))
        std::abort();
    std::size_t length = std::wcslen(digits);
    if (length == 0 || length > static_cast<std::size_t>(converter.GetBits()))
        std::abort();
    wchar_t decimal[CZoqBaseConverter::kDecimalCapacity];
    if (!converter.DigitsToDecimal(base, digits, decimal))
        std::abort();
    // Reading the digits back gives the value reduced into the width, never more.
    long long back = std::wcstoll(decimal, nullptr, 10);
    if (back < 0 || back >= (1LL << converter.GetBits()))
        std::abort();

    std::wstring text;
    for (std::size_t i = 10; i < size; ++i)
        text += static_cast<wchar_t>(data[i] ? data[i] : '0');
    int capacity = 1 + data[1] % 64;
    wchar_t expression[64];
    if (converter.ExpressionToDecimal(base, text.c_str(), expression, capacity) &&
        wmemchr(expression, L'\0', static_cast<std::size_t>(capacity)) == nullptr)
        std::abort();
    converter.DigitsToDecimal(base, text.c_str(), decimal);
    return 0;
}
