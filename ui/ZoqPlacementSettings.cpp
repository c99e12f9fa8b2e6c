#include "ui/ZoqPlacementSettings.h"

#include "ui/ZoqPlacement.h"
#include "ui/ZoqSettingsStore.h"

#include <cstdint>

namespace {

const wchar_t kSize[] = L"Size";
const wchar_t kKeepOnTop[] = L"KeepOnTop";
const wchar_t kLeft[] = L"WindowLeft";
const wchar_t kTop[] = L"WindowTop";

} // namespace

void SZoqPlacementSettings::Load(CZoqSettingsStore& store, const wchar_t* key) {
    uint32_t value = 0;
    if (store.ReadDword(key, kSize, &value) && CZoqPlacement::IsSize(static_cast<int>(value))) {
        size = static_cast<int>(value);
    }
    if (store.ReadDword(key, kKeepOnTop, &value) && value <= 1) {
        keepOnTop = static_cast<int>(value);
    }
    uint32_t x = 0;
    uint32_t y = 0;
    if (store.ReadDword(key, kLeft, &x) && store.ReadDword(key, kTop, &y)) {
        hasPosition = 1;
        left = static_cast<int32_t>(x);
        top = static_cast<int32_t>(y);
    }
}

int SZoqPlacementSettings::Save(CZoqSettingsStore& store, const wchar_t* key) const {
    int saved = 1;
    if (CZoqPlacement::IsSize(size)) {
        saved &= store.WriteDword(key, kSize, static_cast<uint32_t>(size));
    }
    saved &= store.WriteDword(key, kKeepOnTop, keepOnTop ? 1u : 0u);
    if (hasPosition) {
        saved &= store.WriteDword(key, kLeft, static_cast<uint32_t>(left));
        saved &= store.WriteDword(key, kTop, static_cast<uint32_t>(top));
    }
    return saved;
}
