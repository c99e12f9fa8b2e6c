#pragma once

#include "financial/app/FinDialog.h"
#include "financial/app/ScheduleText.h"

#include <vector>

class CMortgageModel;

// "Amortization" (template 107): the mortgage's schedule in a report list, one row per
// payment, with a menu bar holding "Done" and "Schedule" (copy the whole schedule to
// the clipboard, save it as a CSV file).
class CAmortizationDialog : public CFinDialog {
public:
    explicit CAmortizationDialog(const CMortgageModel& model);

    // The schedule as the list shows it.
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    // Puts the schedule on the clipboard as tab-separated text; 1 on success.
    int CopySchedule();
    // Writes the schedule as CSV to `path` through a temporary file beside it, so a
    // failed write never leaves a half-written file under the user's name. 1 on success.
    int SaveSchedule(const wchar_t* path);

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnInitDialog();
    void FillList();
    // Shares the list's client width out among the columns, so all of them show.
    void FitColumns();
    void AskAndSave();
    HWND List() const;

    std::vector<SAmortizationRow> m_rows;
};

// Writes `bytes` to `path` safely: a temporary file in the same folder, flushed, then
// moved over the target in one step. 1 on success; on failure the target is untouched
// and the temporary file removed.
int WriteFileReplacing(const wchar_t* path, const char* bytes, size_t size);
