#pragma once

class CZoqSettingsStore;

// What a program remembers of its window on the desktop, as DWORD values beside its
// other settings: "Size" (percent), "KeepOnTop" (0 or 1), "WindowLeft" and "WindowTop"
// (the frame's top-left corner, two's complement for positions left of or above the
// primary monitor).
struct SZoqPlacementSettings {
    int size = 0; // 0: none stored yet, or a stored value that is no size choice
    int keepOnTop = 0;
    int hasPosition = 0;
    int left = 0;
    int top = 0;

    // Reads what is stored under `key`; a missing or damaged value leaves its default.
    void Load(CZoqSettingsStore& store, const wchar_t* key);
    // Writes every value (the position only when there is one); 1 when all were written.
    int Save(CZoqSettingsStore& store, const wchar_t* key) const;
};
