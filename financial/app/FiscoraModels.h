#pragma once

#include "financial/models/CarLoanModel.h"
#include "financial/models/LeaseModel.h"
#include "financial/models/MortgageModel.h"
#include "financial/models/TipModel.h"

class CZoqSettingsStore;

// The four calculators of one run and the store they live in. Built at start: the
// car loan, lease and tip read their calculator keys, the mortgage starts from its
// defaults. Destroyed at exit, after the pages: every calculator writes its key.
class CFiscoraModels {
public:
    explicit CFiscoraModels(CZoqSettingsStore& store);
    ~CFiscoraModels();
    CFiscoraModels(const CFiscoraModels&) = delete;
    CFiscoraModels& operator=(const CFiscoraModels&) = delete;

    CZoqSettingsStore& Store() { return m_store; }
    // Writes every calculator's key, as the models do when they go at exit.
    void SaveSettings();

    CCarLoanModel carLoan;
    CLeaseModel lease;
    CMortgageModel mortgage;
    CTipModel tip;

private:
    CZoqSettingsStore& m_store;
};
