#include "ce/ZoqSip.h"

#include "ce/ZoqFrame.h"

namespace {

int g_raised = 0;

} // namespace

int CZoqSip::Show(HWND, int raise) {
    int raised = raise ? 1 : 0;
    if (raised != g_raised) {
        g_raised = raised;
        CZoqFrame::RepaintAll();
    }
    return 1;
}

int CZoqSip::IsRaised() {
    return g_raised;
}
