#include "calc/shots/ShotDriver.h"

#include "ce/ZoqShot.h"
#include "calc/ModalWatch.h"

#include <shellapi.h>

namespace {

struct ShotRequest {
    const std::wstring* path;
    int written;
};

void SaveAndClose(HWND modal, void* context) {
    ShotRequest* request = static_cast<ShotRequest*>(context);
    RedrawWindow(modal, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
    request->written = CZoqShot::SaveWindow(modal, request->path->c_str());
    PostMessageW(modal, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

} // namespace

void PumpFor(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

void TypeKeys(HWND hwnd, const wchar_t* keys) {
    for (; *keys; ++keys) {
        SendMessageW(hwnd, WM_CHAR, *keys, 0);
    }
}

int ShootModal(void (*action)(void*), void* context, const std::wstring& path) {
    ShotRequest request{&path, 0};
    WatchModal(action, context, 700, 15000, SaveAndClose, &request);
    return request.written;
}

int ShootWindow(HWND hwnd, const std::wstring& path) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
    PumpFor(300);
    return CZoqShot::SaveWindow(hwnd, path.c_str());
}

std::wstring OutputFolder() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring folder = count > 1 ? arguments[1] : L".";
    LocalFree(arguments);
    if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') {
        folder += L'\\';
    }
    return folder;
}
