#pragma once

#include "engine/ZoqStoreValue.h"

// Number texts of the car loan and lease fields. Each writes nothing and returns 0
// when there is no buffer, when the value is outside the 0 .. 1e8 the fields
// accept (or not a number), or when the text does not fit `capacity` characters
// with its terminator.

inline bool IsFieldValue(double value) {
    return value >= 0 && value <= 100000000.0;
}

inline int StoreFieldValue(double value, double* field) {
    return ZoqStoreIf(value, IsFieldValue, field);
}

// A down payment above the price is accepted and taken as none.
inline int StoreDownPayment(double amount, double price, double* field) {
    if (!IsFieldValue(amount)) {
        return 0;
    }
    *field = amount > price ? 0 : amount;
    return 1;
}

// 12 significant digits.
int WriteFieldText(double value, wchar_t* text, int capacity);
// 12 significant digits, and a small value that still comes out with an exponent
// is written out in full (0.000012345 rather than 1.2345e-005).
int WriteExponentFreeFieldText(double value, wchar_t* text, int capacity);
// A plain decimal integer.
int WriteIntText(int value, wchar_t* text, int capacity);
// Copies source when it fits capacity characters with its terminator.
int CopyFittingText(const wchar_t* source, wchar_t* text, int capacity);
