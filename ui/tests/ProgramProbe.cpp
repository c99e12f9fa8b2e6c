// A minimal program on the shared start-up: its window ends the message loop at once
// with exit code 7, so a test can tell "started and ran" (7) from "found a running
// copy and brought it forward" (0).
#include "ui/ZoqProgram.h"

namespace {

class CProbeWindow : public CZoqWnd {
public:
    LRESULT OnInitDialog(HWND, WPARAM, LPARAM) override {
        PostQuitMessage(7);
        return 0;
    }
};

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return ZoqProgramMain<CProbeWindow>(instance, L"Zoq Probe", L"ClassZoqProbe");
}
