#include "scientific/app/NumorapadProgram.h"

#include "ce/ZoqDesktop.h"
#include "ce/ZoqShot.h"
#include "engine/Numora.h"
#include "scientific/Calculator.h"
#include "scientific/app/CDlgNumorapad.h"
#include "scientific/app/resource.h"

namespace {

// The key of the program's settings, which its string table names.
const wchar_t* SettingsKey(HINSTANCE instance) {
    static wchar_t key[128] = L"";
    if (!LoadStringW(instance, IDS_REGISTRY_KEY, key, 128)) {
        return nullptr;
    }
    return key;
}

} // namespace

int RunNumorapad(HINSTANCE instance, const SNumorapadStart& start) {
    CZoqDesktop::BeginProgram(start.store, SettingsKey(instance));
    if (start.prepare) {
        start.prepare(start.context);
    }
    int code = 1;
    {
        CDlgNumorapad dialog;
        if (dialog.Create(instance, start.store, 0)) {
            CZoqDesktop::AttachProgram(dialog.Handle());
            dialog.Show();
            if (start.shown) {
                start.shown(dialog, start.context);
            }
            CZoqShot::StartIfRequested(dialog.Handle());
            code = dialog.Run();
        }
    }
    CCalculator::ReleaseInstance();
    Numora::ReleaseInstance();
    return code;
}
