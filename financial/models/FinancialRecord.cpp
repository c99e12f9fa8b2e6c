#include "financial/models/FinancialRecord.h"

#include <cstring>

static_assert(sizeof(double) == 8 && sizeof(int) == 4,
              "record layout needs 8-byte doubles, 4-byte ints");

namespace {

// The bytes of an unsigned value, lowest first, whatever the host's own order.
template <class TBits> void PutLittleEndian(TBits bits, unsigned char* bytes) {
    for (size_t i = 0; i < sizeof bits; ++i) {
        bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
    }
}

template <class TBits> TBits GetLittleEndian(const unsigned char* bytes) {
    TBits bits = 0;
    for (size_t i = 0; i < sizeof bits; ++i) {
        bits |= static_cast<TBits>(bytes[i]) << (8 * i);
    }
    return bits;
}

} // namespace

void EncodeRecordDouble(double value, unsigned char bytes[8]) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    PutLittleEndian(bits, bytes);
}

double DecodeRecordDouble(const unsigned char bytes[8]) {
    const auto bits = GetLittleEndian<uint64_t>(bytes);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void EncodeRecordInt(int32_t value, unsigned char bytes[4]) {
    PutLittleEndian(static_cast<uint32_t>(value), bytes);
}

int32_t DecodeRecordInt(const unsigned char bytes[4]) {
    return static_cast<int32_t>(GetLittleEndian<uint32_t>(bytes));
}

void CFinancialRecordWriter::WriteDouble(const wchar_t* name, double value) {
    unsigned char bytes[8];
    EncodeRecordDouble(value, bytes);
    if (!m_store.WriteBinary(m_key, name, bytes, sizeof bytes)) {
        ++m_failures;
    }
}

void CFinancialRecordWriter::WriteInt(const wchar_t* name, int value) {
    unsigned char bytes[4];
    EncodeRecordInt(value, bytes);
    if (!m_store.WriteBinary(m_key, name, bytes, sizeof bytes)) {
        ++m_failures;
    }
}

int CFinancialRecordReader::ReadDouble(const wchar_t* name, double* value) {
    unsigned char bytes[8];
    if (!m_store.ReadBinary(m_key, name, bytes, sizeof bytes)) {
        return 0;
    }
    *value = DecodeRecordDouble(bytes);
    return 1;
}

int CFinancialRecordReader::ReadInt(const wchar_t* name, int* value) {
    unsigned char bytes[4];
    if (!m_store.ReadBinary(m_key, name, bytes, sizeof bytes)) {
        return 0;
    }
    *value = DecodeRecordInt(bytes);
    return 1;
}

int CFinancialRecordReader::Present(const wchar_t* name) {
    ZoqValueType type = ZoqValueType::Missing;
    int size = 0;
    return m_store.QueryValue(m_key, name, &type, &size) && type != ZoqValueType::Missing;
}
