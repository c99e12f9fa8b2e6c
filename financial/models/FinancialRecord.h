#pragma once

#include "financial/models/FinancialRecordModel.h"
#include "ui/ZoqSettingsStore.h"

#include <cmath>
#include <cstdint>

// The calculators' registry records. Every value is REG_BINARY: a double as its
// 8 IEEE 754 bytes in little-endian order, an int as 4 little-endian bytes. The
// byte order is spelt out here rather than taken from the host so that a record
// reads back the same whichever build wrote it.
//
// A model lists its values once, in record order, to a visitor with Double/Int
// calls; the writer stores them, the reader takes each value only when it is
// present with the right size, finite, and accepted by the field's rule. A value
// that fails leaves its field as it was, so damaged data never reaches a model. A
// rule that compares a value with a neighbour applies only when the neighbour was
// taken from the same record: a damaged neighbour must not cost a good value.

void EncodeRecordDouble(double value, unsigned char bytes[8]);
double DecodeRecordDouble(const unsigned char bytes[8]);
void EncodeRecordInt(int32_t value, unsigned char bytes[4]);
int32_t DecodeRecordInt(const unsigned char bytes[4]);

class CFinancialRecordWriter {
public:
    CFinancialRecordWriter(CZoqSettingsStore& store, const wchar_t* key)
        : m_store(store), m_key(key) {}

    // 1, as a reader answers for a value it took.
    template <class Accept> int Double(const wchar_t* name, const double& value, Accept) {
        WriteDouble(name, value);
        return 1;
    }
    template <class Accept> int Int(const wchar_t* name, const int& value, Accept) {
        WriteInt(name, value);
        return 1;
    }
    // A value kept in the record for other readers but never loaded back.
    void WriteOnlyDouble(const wchar_t* name, double value) { WriteDouble(name, value); }
    // A value appended after records were first written: written as any other.
    template <class Accept>
    int AppendedDouble(const wchar_t* name, const double& value, double, Accept accept) {
        return Double(name, value, accept);
    }
    template <class Accept>
    int AppendedInt(const wchar_t* name, const int& value, int, Accept accept) {
        return Int(name, value, accept);
    }

    // 1 when every value was written.
    int Succeeded() const { return m_failures == 0 ? 1 : 0; }

private:
    void WriteDouble(const wchar_t* name, double value);
    void WriteInt(const wchar_t* name, int value);

    CZoqSettingsStore& m_store;
    const wchar_t* m_key;
    int m_failures = 0;
};

class CFinancialRecordReader {
public:
    CFinancialRecordReader(CZoqSettingsStore& store, const wchar_t* key)
        : m_store(store), m_key(key) {}

    // 1 when the stored value was taken, 0 when it was missing or refused.
    template <class Accept> int Double(const wchar_t* name, double& field, Accept accept) {
        double value = 0;
        if (ReadDouble(name, &value) && std::isfinite(value) && accept(value)) {
            field = value;
            return 1;
        }
        return 0;
    }
    template <class Accept> int Int(const wchar_t* name, int& field, Accept accept) {
        int value = 0;
        if (ReadInt(name, &value) && accept(value)) {
            field = value;
            return 1;
        }
        return 0;
    }
    void WriteOnlyDouble(const wchar_t*, double) {}
    // A value appended after records were first written: a record older than it
    // lacks it and gives the field `absent`; a damaged one leaves the field alone.
    template <class Accept>
    int AppendedDouble(const wchar_t* name, double& field, double absent, Accept accept) {
        return Appended(name, field, absent, [&] { return Double(name, field, accept); });
    }
    template <class Accept>
    int AppendedInt(const wchar_t* name, int& field, int absent, Accept accept) {
        return Appended(name, field, absent, [&] { return Int(name, field, accept); });
    }

private:
    template <class T, class Take>
    int Appended(const wchar_t* name, T& field, T absent, Take take) {
        if (!Present(name)) {
            field = absent;
            return 0;
        }
        return take();
    }

    int Present(const wchar_t* name);
    int ReadDouble(const wchar_t* name, double* value);
    int ReadInt(const wchar_t* name, int* value);

    CZoqSettingsStore& m_store;
    const wchar_t* m_key;
};

// Field rules shared by the records.
inline bool IsNonNegative(double value) {
    return value >= 0;
}
inline bool IsAnyValue(double) {
    return true;
}
inline bool IsFlag(int value) {
    return value == 0 || value == 1;
}

// A value that may not exceed a neighbour listed before it: `accept`, and no more
// than `limit` when `limitTaken` says the neighbour came from the same record.
template <class Accept> auto NotAboveNeighbour(Accept accept, const double& limit, int limitTaken) {
    return [accept, &limit, limitTaken](double value) {
        return accept(value) && (!limitTaken || value <= limit);
    };
}

// The record base's members: here, where writer and reader are complete.
template <class TModel>
void CFinancialRecordOf<TModel>::WriteRecord(CFinancialRecordWriter& writer) const {
    TModel::VisitRecord(static_cast<const TModel&>(*this), writer);
}

template <class TModel>
void CFinancialRecordOf<TModel>::ReadRecord(CFinancialRecordReader& reader) {
    TModel& model = static_cast<TModel&>(*this);
    TModel::VisitRecord(model, reader);
    model.DeriveFromRecord();
}
