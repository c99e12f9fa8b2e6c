#pragma once

#include <windows.h>

#include <vector>

// Dialogs from templates, laid out for the emulated screen. A template's controls are
// measured in dialog units, which follow its font, and the dialog manager sizes that
// font for the display's dpi; on a device of another dpi (an enlarged program) the
// font's point size is scaled by the ratio of the two dpis, so every control comes out
// as it would on that device.
class CZoqDialogTemplate {
public:
    // DialogBoxParamW and CreateDialogParamW with the template scaled.
    static INT_PTR Box(HINSTANCE instance, UINT templateId, HWND owner, DLGPROC proc, LPARAM param);
    static HWND Create(HINSTANCE instance, UINT templateId, HWND parent, DLGPROC proc,
                       LPARAM param);

    // Copies the template (`size` bytes, classic or extended form) to `copy` with its
    // font's point size multiplied by numerator / denominator, rounded. 1 when done; 0
    // for a template without a font of its own or one that ends before its font.
    static int ScaleFont(const void* data, size_t size, int numerator, int denominator,
                         std::vector<BYTE>* copy);
};
