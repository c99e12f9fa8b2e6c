#pragma once

#include "ui/ZoqSettingsStore.h"

#include <map>
#include <string>
#include <vector>

// The settings store of the native tests: behaves like the registry for every
// operation of CZoqSettingsStore, including refusals of mismatched types and sizes.
// Key names compare case-insensitively, as registry keys do.
class CZoqMemoryStore : public CZoqSettingsStore {
public:
    int ReadDword(const wchar_t* key, const wchar_t* name, uint32_t* value) override;
    int WriteDword(const wchar_t* key, const wchar_t* name, uint32_t value) override;
    int ReadString(const wchar_t* key, const wchar_t* name, wchar_t* buffer, int capacity) override;
    int WriteString(const wchar_t* key, const wchar_t* name, const wchar_t* text) override;
    int ReadBinary(const wchar_t* key, const wchar_t* name, void* data, int size) override;
    int WriteBinary(const wchar_t* key, const wchar_t* name, const void* data, int size) override;
    int DeleteValue(const wchar_t* key, const wchar_t* name) override;
    int DeleteKey(const wchar_t* key) override;
    int QueryValue(const wchar_t* key, const wchar_t* name, ZoqValueType* type, int* size) override;

    // Lets tests plant damaged data: any type with any bytes.
    void Plant(const wchar_t* key, const wchar_t* name, ZoqValueType type, const void* data,
               int size);
    int KeyExists(const wchar_t* key) const;

private:
    struct Value {
        ZoqValueType type;
        std::vector<unsigned char> bytes;
    };
    using Values = std::map<std::wstring, Value>;

    static std::wstring Fold(const wchar_t* text);
    const Value* Find(const wchar_t* key, const wchar_t* name) const;

    std::map<std::wstring, Values> m_keys;
};
