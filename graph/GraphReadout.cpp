#include "graph/GraphReadout.h"

#include "engine/Numora.h"
#include "graph/EquationTemplate.h"
#include "graph/GraphCurves.h"
#include "graph/GraphView.h"
#include "ui/ZoqString.h"

#include <cwchar>
#include <limits>

namespace {

constexpr int kReadoutDigits = 12;
constexpr size_t kExpressionCapacity = 512;

} // namespace

int ComputeReadout(const CGraphView& view, const CGraphCurves& curves, int slot, int column,
                   SGraphReadout* readout) {
    const CEquationTemplate* equation = curves.Template(slot);
    if (!readout || !equation)
        return 0;
    readout->column = column;
    CZoqString::GetInstance()->FormatNumber(readout->xText, view.ColumnToX(column), kReadoutDigits);

    // The read-out puts the number in without brackets, as it has always shown it.
    wchar_t expression[kExpressionCapacity];
    double value = std::numeric_limits<double>::quiet_NaN();
    if (equation->Substitute(readout->xText, expression, kExpressionCapacity))
        value = Numora::GetInstance()->Evaluate(expression, readout->yText);
    else
        CZoqString::GetInstance()->Copy(readout->yText, L"syntax error");

    readout->row = view.ReadoutRow(PlottedValue(value, readout->yText));
    readout->crosshair =
        column > 0 && column < view.Width() && readout->row > 0 && readout->row < view.Height();
    return 1;
}
