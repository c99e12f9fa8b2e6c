#pragma once

#include <cstdint>

// Where the programs keep their settings. The programs use the registry under
// HKEY_CURRENT_USER; the portable code and its native tests use an in-memory store.
// Keys are paths below HKEY_CURRENT_USER, for example L"SOFTWARE\\Zoq\\Numora".
//
// Every read is strict about what it finds: a value of another type, or (for binary
// values) of another size, or a string that does not fit the caller's buffer is
// refused with 0 and the caller's storage is left untouched, so that a damaged
// value never reaches a model.
enum class ZoqValueType { Missing, Dword, String, Binary, Other };

class CZoqSettingsStore {
public:
    virtual ~CZoqSettingsStore() = default;

    virtual int ReadDword(const wchar_t* key, const wchar_t* name, uint32_t* value) = 0;
    virtual int WriteDword(const wchar_t* key, const wchar_t* name, uint32_t value) = 0;

    // capacity counts characters including the terminator.
    virtual int ReadString(const wchar_t* key, const wchar_t* name, wchar_t* buffer,
                           int capacity) = 0;
    virtual int WriteString(const wchar_t* key, const wchar_t* name, const wchar_t* text) = 0;

    // Succeeds only when the stored value is binary and exactly `size` bytes long.
    virtual int ReadBinary(const wchar_t* key, const wchar_t* name, void* data, int size) = 0;
    virtual int WriteBinary(const wchar_t* key, const wchar_t* name, const void* data,
                            int size) = 0;

    virtual int DeleteValue(const wchar_t* key, const wchar_t* name) = 0;
    // Removes the key with its values and subkeys; 1 also when it did not exist.
    virtual int DeleteKey(const wchar_t* key) = 0;

    // Type and size in bytes of a stored value (strings: bytes including the
    // terminator, as the registry reports them). Returns 0 when the value is missing.
    virtual int QueryValue(const wchar_t* key, const wchar_t* name, ZoqValueType* type,
                           int* size) = 0;
};
