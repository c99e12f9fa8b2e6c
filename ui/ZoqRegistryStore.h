#pragma once

#include "ui/ZoqSettingsStore.h"

// The settings store of the programs: values below HKEY_CURRENT_USER in the registry.
class CZoqRegistryStore : public CZoqSettingsStore {
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
};
