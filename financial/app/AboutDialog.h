#pragma once

#include "financial/app/FinDialog.h"

// "About Fiscora" (dialog 103): icon, name, the suite version, maker and what it computes.
// "Done", the top bar's "ok" or IDOK closes it.
class CAboutDialog : public CFinDialog {
protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};
