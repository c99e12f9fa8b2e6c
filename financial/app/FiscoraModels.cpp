#include "financial/app/FiscoraModels.h"

CFiscoraModels::CFiscoraModels(CZoqSettingsStore& store) : m_store(store) {
    carLoan.LoadSettings(store);
    lease.LoadSettings(store);
    tip.LoadSettings(store);
    // The mortgage's key is written at exit but deliberately not read back: the
    // mortgage calculator always starts from its defaults.
}

CFiscoraModels::~CFiscoraModels() {
    SaveSettings();
}

void CFiscoraModels::SaveSettings() {
    carLoan.SaveSettings(m_store);
    lease.SaveSettings(m_store);
    mortgage.SaveSettings(m_store);
    tip.SaveSettings(m_store);
}
