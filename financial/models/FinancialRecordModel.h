#pragma once

#include "financial/models/FinancialKeys.h"

class CZoqSettingsStore;
class CFinancialRecordReader;
class CFinancialRecordWriter;

// The registry records every calculator keeps alike: its own key (profile 0) and
// the user's profiles 1 and 2. A model lists its values to the writer and the
// reader; a profile number other than 1 or 2 is refused with 0.
class CFinancialRecordModel {
public:
    int SaveSettings(CZoqSettingsStore& store) const;
    int LoadSettings(CZoqSettingsStore& store);
    int SaveProfile(CZoqSettingsStore& store, int profile) const;
    int LoadProfile(CZoqSettingsStore& store, int profile);
    // Clears the model the way its calculator clears, then stores that in the profile.
    int ClearProfile(CZoqSettingsStore& store, int profile);

protected:
    explicit CFinancialRecordModel(Calculator calculator) : m_calculator(calculator) {}
    // Not deleted through this class, so no virtual destructor is needed.
    ~CFinancialRecordModel() = default;
    CFinancialRecordModel(const CFinancialRecordModel&) = default;
    CFinancialRecordModel& operator=(const CFinancialRecordModel&) = default;

    virtual void WriteRecord(CFinancialRecordWriter& writer) const = 0;
    // Also brings whatever the model derives from the loaded values up to date.
    virtual void ReadRecord(CFinancialRecordReader& reader) = 0;
    virtual void ClearForProfile() = 0;

private:
    const wchar_t* ProfileKey(int profile) const;
    int SaveRecord(CZoqSettingsStore& store, const wchar_t* key) const;
    int LoadRecord(CZoqSettingsStore& store, const wchar_t* key);

    Calculator m_calculator;
};

// The record plumbing of every calculator in one place. TModel lists its values once,
// in record order, in a static `VisitRecord(self, visitor)` that both writing and
// reading go through, and may bring what it derives from them up to date in
// `DeriveFromRecord()` after a load; it befriends this class for both. The members
// are defined in FinancialRecord.h: a model's record source explicitly instantiates
// this class beside its VisitRecord, and its header declares that instantiation extern.
template <class TModel> class CFinancialRecordOf : public CFinancialRecordModel {
protected:
    using CFinancialRecordModel::CFinancialRecordModel;
    // Nothing to derive unless the model says so.
    void DeriveFromRecord() {}

private:
    void WriteRecord(CFinancialRecordWriter& writer) const override;
    void ReadRecord(CFinancialRecordReader& reader) override;
};
