#include "ce/ZoqDialogTemplate.h"

#include "ce/ZoqGdiScope.h"
#include "ce/ZoqScreen.h"

#include <cstring>

namespace {

// Fixed parts of the two template forms before the menu field.
constexpr size_t kClassicHeader = 18;  // style, extended style, item count, x, y, cx, cy
constexpr size_t kExtendedHeader = 26; // version, signature, help id, ex style, style, ...
constexpr size_t kExtendedStyleOffset = 12;

int ReadWord(const BYTE* data, size_t size, size_t offset, WORD* value) {
    if (offset + sizeof(WORD) > size) {
        return 0;
    }
    std::memcpy(value, data + offset, sizeof(WORD));
    return 1;
}

// The offset after a menu, class or title field: 0x0000 (none), 0xFFFF and an ordinal,
// or a zero-terminated string. 0 when the field runs past the end.
size_t SkipField(const BYTE* data, size_t size, size_t offset) {
    WORD word = 0;
    if (!ReadWord(data, size, offset, &word)) {
        return 0;
    }
    if (word == 0x0000) {
        return offset + 2;
    }
    if (word == 0xFFFF) {
        return offset + 4 <= size ? offset + 4 : 0;
    }
    for (; ReadWord(data, size, offset, &word); offset += 2) {
        if (word == 0) {
            return offset + 2;
        }
    }
    return 0;
}

int DisplayDpi() {
    CZoqClientDC screen(nullptr);
    const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : 96;
}

// The template of `templateId`, copied and scaled when the emulated screen's dpi is
// not the display's; `scaled` stays empty when the resource itself serves.
const DLGTEMPLATE* Prepare(HINSTANCE instance, UINT templateId, std::vector<BYTE>* scaled) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(templateId), RT_DIALOG);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) {
        return nullptr;
    }
    const int emulated = CZoqScreen::Dpi();
    const int display = DisplayDpi();
    if (emulated != display && CZoqDialogTemplate::ScaleFont(data, SizeofResource(instance, found),
                                                             emulated, display, scaled)) {
        return reinterpret_cast<const DLGTEMPLATE*>(scaled->data());
    }
    return static_cast<const DLGTEMPLATE*>(data);
}

} // namespace

int CZoqDialogTemplate::ScaleFont(const void* data, size_t size, int numerator, int denominator,
                                  std::vector<BYTE>* copy) {
    const BYTE* bytes = static_cast<const BYTE*>(data);
    if (!bytes || !copy || numerator <= 0 || denominator <= 0) {
        return 0;
    }
    WORD version = 0;
    WORD signature = 0;
    const int extended = ReadWord(bytes, size, 0, &version) &&
                         ReadWord(bytes, size, 2, &signature) && version == 1 &&
                         signature == 0xFFFF;
    const size_t styleOffset = extended ? kExtendedStyleOffset : 0;
    DWORD style = 0;
    if (styleOffset + sizeof style > size) {
        return 0;
    }
    std::memcpy(&style, bytes + styleOffset, sizeof style);
    if (!(style & DS_SETFONT)) {
        return 0;
    }
    size_t offset = extended ? kExtendedHeader : kClassicHeader;
    for (int field = 0; field < 3 && offset; ++field) { // menu, class, title
        offset = SkipField(bytes, size, offset);
    }
    WORD points = 0;
    if (!offset || !ReadWord(bytes, size, offset, &points)) {
        return 0;
    }
    const long long scaled =
        (static_cast<long long>(points) * numerator + denominator / 2) / denominator;
    const WORD newPoints = static_cast<WORD>(scaled < 1 ? 1 : (scaled > 0x7FFF ? 0x7FFF : scaled));
    copy->assign(bytes, bytes + size);
    std::memcpy(copy->data() + offset, &newPoints, sizeof newPoints);
    return 1;
}

INT_PTR CZoqDialogTemplate::Box(HINSTANCE instance, UINT templateId, HWND owner, DLGPROC proc,
                                LPARAM param) {
    std::vector<BYTE> scaled;
    const DLGTEMPLATE* dialog = Prepare(instance, templateId, &scaled);
    return dialog ? DialogBoxIndirectParamW(instance, dialog, owner, proc, param) : -1;
}

HWND CZoqDialogTemplate::Create(HINSTANCE instance, UINT templateId, HWND parent, DLGPROC proc,
                                LPARAM param) {
    std::vector<BYTE> scaled;
    const DLGTEMPLATE* dialog = Prepare(instance, templateId, &scaled);
    return dialog ? CreateDialogIndirectParamW(instance, dialog, parent, proc, param) : nullptr;
}
