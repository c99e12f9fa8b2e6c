#include "ui/ZoqMemoryStore.h"

#include <cstring>
#include <cwctype>

std::wstring CZoqMemoryStore::Fold(const wchar_t* text) {
    std::wstring folded = text ? text : L"";
    for (wchar_t& c : folded) {
        c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    }
    return folded;
}

const CZoqMemoryStore::Value* CZoqMemoryStore::Find(const wchar_t* key, const wchar_t* name) const {
    auto k = m_keys.find(Fold(key));
    if (k == m_keys.end()) {
        return nullptr;
    }
    auto v = k->second.find(Fold(name));
    return v == k->second.end() ? nullptr : &v->second;
}

void CZoqMemoryStore::Plant(const wchar_t* key, const wchar_t* name, ZoqValueType type,
                            const void* data, int size) {
    Value& value = m_keys[Fold(key)][Fold(name)];
    value.type = type;
    const auto* bytes = static_cast<const unsigned char*>(data);
    value.bytes.assign(bytes, bytes + (size > 0 ? size : 0));
}

int CZoqMemoryStore::KeyExists(const wchar_t* key) const {
    return m_keys.count(Fold(key)) ? 1 : 0;
}

int CZoqMemoryStore::ReadDword(const wchar_t* key, const wchar_t* name, uint32_t* value) {
    const Value* v = Find(key, name);
    if (!v || v->type != ZoqValueType::Dword || v->bytes.size() != sizeof(uint32_t)) {
        return 0;
    }
    std::memcpy(value, v->bytes.data(), sizeof(uint32_t));
    return 1;
}

int CZoqMemoryStore::WriteDword(const wchar_t* key, const wchar_t* name, uint32_t value) {
    Plant(key, name, ZoqValueType::Dword, &value, sizeof value);
    return 1;
}

// Strings are stored as the registry stores them on Windows: UTF-16 code units and
// a terminator, so sizes reported by QueryValue match the real registry's.
int CZoqMemoryStore::ReadString(const wchar_t* key, const wchar_t* name, wchar_t* buffer,
                                int capacity) {
    const Value* v = Find(key, name);
    if (!v || v->type != ZoqValueType::String || v->bytes.size() % 2 != 0 || capacity <= 0) {
        return 0;
    }
    size_t units = v->bytes.size() / 2;
    // Drop one stored terminator, as RegQueryValueEx callers do.
    if (units > 0 && v->bytes[2 * units - 2] == 0 && v->bytes[2 * units - 1] == 0) {
        --units;
    }
    if (units + 1 > static_cast<size_t>(capacity)) {
        return 0;
    }
    for (size_t i = 0; i < units; ++i) {
        buffer[i] = static_cast<wchar_t>(v->bytes[2 * i] | (v->bytes[2 * i + 1] << 8));
    }
    buffer[units] = 0;
    return 1;
}

int CZoqMemoryStore::WriteString(const wchar_t* key, const wchar_t* name, const wchar_t* text) {
    std::vector<unsigned char> bytes;
    for (const wchar_t* p = text;; ++p) {
        unsigned unit = static_cast<unsigned>(*p) & 0xFFFF;
        bytes.push_back(static_cast<unsigned char>(unit & 0xFF));
        bytes.push_back(static_cast<unsigned char>(unit >> 8));
        if (*p == 0) {
            break;
        }
    }
    Plant(key, name, ZoqValueType::String, bytes.data(), static_cast<int>(bytes.size()));
    return 1;
}

int CZoqMemoryStore::ReadBinary(const wchar_t* key, const wchar_t* name, void* data, int size) {
    const Value* v = Find(key, name);
    if (!v || v->type != ZoqValueType::Binary || size < 0 ||
        v->bytes.size() != static_cast<size_t>(size)) {
        return 0;
    }
    if (size > 0) {
        std::memcpy(data, v->bytes.data(), static_cast<size_t>(size));
    }
    return 1;
}

int CZoqMemoryStore::WriteBinary(const wchar_t* key, const wchar_t* name, const void* data,
                                 int size) {
    if (size < 0) {
        return 0;
    }
    Plant(key, name, ZoqValueType::Binary, data, size);
    return 1;
}

int CZoqMemoryStore::DeleteValue(const wchar_t* key, const wchar_t* name) {
    auto k = m_keys.find(Fold(key));
    if (k == m_keys.end()) {
        return 0;
    }
    return k->second.erase(Fold(name)) ? 1 : 0;
}

int CZoqMemoryStore::DeleteKey(const wchar_t* key) {
    const std::wstring folded = Fold(key);
    const std::wstring prefix = folded + L"\\";
    for (auto k = m_keys.begin(); k != m_keys.end();) {
        if (k->first == folded || k->first.compare(0, prefix.size(), prefix) == 0) {
            k = m_keys.erase(k);
        } else {
            ++k;
        }
    }
    return 1;
}

int CZoqMemoryStore::QueryValue(const wchar_t* key, const wchar_t* name, ZoqValueType* type,
                                int* size) {
    const Value* v = Find(key, name);
    if (!v) {
        return 0;
    }
    *type = v->type;
    *size = static_cast<int>(v->bytes.size());
    return 1;
}
