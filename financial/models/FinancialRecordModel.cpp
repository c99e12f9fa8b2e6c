#include "financial/models/FinancialRecordModel.h"

#include "financial/models/FinancialRecord.h"

const wchar_t* CFinancialRecordModel::ProfileKey(int profile) const {
    return profile == 1 || profile == 2 ? FinancialRecordKey(m_calculator, profile) : nullptr;
}

int CFinancialRecordModel::SaveRecord(CZoqSettingsStore& store, const wchar_t* key) const {
    if (!key) {
        return 0;
    }
    CFinancialRecordWriter writer(store, key);
    WriteRecord(writer);
    return writer.Succeeded();
}

int CFinancialRecordModel::LoadRecord(CZoqSettingsStore& store, const wchar_t* key) {
    if (!key) {
        return 0;
    }
    CFinancialRecordReader reader(store, key);
    ReadRecord(reader);
    return 1;
}

int CFinancialRecordModel::SaveSettings(CZoqSettingsStore& store) const {
    return SaveRecord(store, FinancialRecordKey(m_calculator, 0));
}

int CFinancialRecordModel::LoadSettings(CZoqSettingsStore& store) {
    return LoadRecord(store, FinancialRecordKey(m_calculator, 0));
}

int CFinancialRecordModel::SaveProfile(CZoqSettingsStore& store, int profile) const {
    return SaveRecord(store, ProfileKey(profile));
}

int CFinancialRecordModel::LoadProfile(CZoqSettingsStore& store, int profile) {
    return LoadRecord(store, ProfileKey(profile));
}

int CFinancialRecordModel::ClearProfile(CZoqSettingsStore& store, int profile) {
    if (!ProfileKey(profile)) {
        return 0;
    }
    ClearForProfile();
    return SaveProfile(store, profile);
}
