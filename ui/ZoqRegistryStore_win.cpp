#include "ui/ZoqRegistryStore.h"

#include <windows.h>

#include <cstring>

namespace {

// Owns an open registry key for the length of one operation.
class CScopedKey {
public:
    CScopedKey() = default;
    ~CScopedKey() {
        if (m_key) {
            RegCloseKey(m_key);
        }
    }
    CScopedKey(const CScopedKey&) = delete;
    CScopedKey& operator=(const CScopedKey&) = delete;

    int Open(const wchar_t* path, REGSAM access = KEY_READ) {
        return RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, access, &m_key) == ERROR_SUCCESS;
    }
    int Create(const wchar_t* path) {
        return RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_READ | KEY_WRITE,
                               nullptr, &m_key, nullptr) == ERROR_SUCCESS;
    }
    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

// The type and size in bytes of a stored value.
int QueryRaw(const wchar_t* key, const wchar_t* name, DWORD* type, DWORD* size) {
    CScopedKey k;
    return k.Open(key) &&
           RegQueryValueExW(k.Get(), name, nullptr, type, nullptr, size) == ERROR_SUCCESS;
}

// Reads a value only when its type is `wanted` and its size fits `capacity` bytes.
int ReadRaw(const wchar_t* key, const wchar_t* name, DWORD wanted, void* data, DWORD capacity,
            DWORD* size) {
    DWORD type = 0;
    DWORD stored = 0;
    if (!QueryRaw(key, name, &type, &stored) || type != wanted || stored > capacity) {
        return 0;
    }
    CScopedKey k;
    *size = capacity;
    if (!k.Open(key) ||
        RegQueryValueExW(k.Get(), name, nullptr, &type, static_cast<BYTE*>(data), size) !=
            ERROR_SUCCESS ||
        type != wanted) {
        return 0;
    }
    return 1;
}

int WriteRaw(const wchar_t* key, const wchar_t* name, DWORD type, const void* data, DWORD size) {
    CScopedKey k;
    return k.Create(key) && RegSetValueExW(k.Get(), name, 0, type, static_cast<const BYTE*>(data),
                                           size) == ERROR_SUCCESS;
}

} // namespace

int CZoqRegistryStore::ReadDword(const wchar_t* key, const wchar_t* name, uint32_t* value) {
    DWORD stored = 0;
    DWORD size = 0;
    if (!ReadRaw(key, name, REG_DWORD, &stored, sizeof stored, &size) || size != sizeof stored) {
        return 0;
    }
    *value = stored;
    return 1;
}

int CZoqRegistryStore::WriteDword(const wchar_t* key, const wchar_t* name, uint32_t value) {
    DWORD stored = value;
    return WriteRaw(key, name, REG_DWORD, &stored, sizeof stored);
}

int CZoqRegistryStore::ReadString(const wchar_t* key, const wchar_t* name, wchar_t* buffer,
                                  int capacity) {
    if (capacity <= 0) {
        return 0;
    }
    // One spare unit so that a stored string without a terminator still fits and
    // can be terminated here; the check below keeps the caller's limit.
    wchar_t text[1024];
    DWORD size = 0;
    const DWORD room = static_cast<DWORD>(sizeof text - sizeof(wchar_t));
    if (!ReadRaw(key, name, REG_SZ, text, room, &size) || size % sizeof(wchar_t) != 0) {
        return 0;
    }
    size_t units = size / sizeof(wchar_t);
    if (units > 0 && text[units - 1] == 0) {
        --units;
    }
    text[units] = 0;
    units = wcslen(text);
    if (units + 1 > static_cast<size_t>(capacity)) {
        return 0;
    }
    std::memcpy(buffer, text, (units + 1) * sizeof(wchar_t));
    return 1;
}

int CZoqRegistryStore::WriteString(const wchar_t* key, const wchar_t* name, const wchar_t* text) {
    const DWORD size = static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t));
    return WriteRaw(key, name, REG_SZ, text, size);
}

int CZoqRegistryStore::ReadBinary(const wchar_t* key, const wchar_t* name, void* data, int size) {
    if (size < 0) {
        return 0;
    }
    DWORD read = 0;
    // The stored size must match exactly: a shorter or longer record is damaged.
    ZoqValueType type;
    int stored = 0;
    if (!QueryValue(key, name, &type, &stored) || type != ZoqValueType::Binary || stored != size) {
        return 0;
    }
    return ReadRaw(key, name, REG_BINARY, data, static_cast<DWORD>(size), &read) &&
           read == static_cast<DWORD>(size);
}

int CZoqRegistryStore::WriteBinary(const wchar_t* key, const wchar_t* name, const void* data,
                                   int size) {
    if (size < 0) {
        return 0;
    }
    return WriteRaw(key, name, REG_BINARY, data, static_cast<DWORD>(size));
}

int CZoqRegistryStore::DeleteValue(const wchar_t* key, const wchar_t* name) {
    CScopedKey k;
    if (!k.Open(key, KEY_SET_VALUE)) {
        return 0;
    }
    return RegDeleteValueW(k.Get(), name) == ERROR_SUCCESS;
}

int CZoqRegistryStore::DeleteKey(const wchar_t* key) {
    // Removes the key itself with everything below it.
    const LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, key);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

int CZoqRegistryStore::QueryValue(const wchar_t* key, const wchar_t* name, ZoqValueType* type,
                                  int* size) {
    DWORD rawType = 0;
    DWORD rawSize = 0;
    if (!QueryRaw(key, name, &rawType, &rawSize)) {
        return 0;
    }
    switch (rawType) {
    case REG_DWORD:
        *type = ZoqValueType::Dword;
        break;
    case REG_SZ:
        *type = ZoqValueType::String;
        break;
    case REG_BINARY:
        *type = ZoqValueType::Binary;
        break;
    default:
        *type = ZoqValueType::Other;
        break;
    }
    *size = static_cast<int>(rawSize);
    return 1;
}
