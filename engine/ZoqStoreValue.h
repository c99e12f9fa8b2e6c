#pragma once

// The setters of every core keep one contract: a value they accept is stored and gives 1;
// anything else gives 0 and leaves the field as it was, so a refused entry never loses
// what the user had.

// Stores value when accept(value) holds.
template <class T, class Accept> int ZoqStoreIf(T value, Accept accept, T* field) {
    if (!accept(value)) {
        return 0;
    }
    *field = value;
    return 1;
}

// Stores value when it lies in [low, high].
template <class T> int ZoqStoreWithin(T value, T low, T high, T* field) {
    return ZoqStoreIf(
        value, [low, high](T v) { return v >= low && v <= high; }, field);
}

// Stores an on/off flag: 0 or 1, nothing else.
inline int ZoqStoreFlag(int flag, int* field) {
    return ZoqStoreWithin(flag, 0, 1, field);
}
