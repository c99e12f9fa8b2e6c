#include "engine/ZoqNumoraUtil.h"

#include "engine/ZoqClipboard.h"
#include "ui/ZoqString.h"

#include <cwchar>

CZoqNumoraUtil::CZoqNumoraUtil()
    : m_string(*CZoqString::GetInstance()), m_clipboard(&ZoqPlatformClipboard()) {}

CZoqNumoraUtil* CZoqNumoraUtil::GetInstance() {
    return CZoqLazyInstance<CZoqNumoraUtil>::Get();
}

void CZoqNumoraUtil::ReleaseInstance() {
    CZoqLazyInstance<CZoqNumoraUtil>::Release();
}

int CZoqNumoraUtil::ReplaceAll(const wchar_t* source, const wchar_t* find,
                               const wchar_t* replacement, wchar_t* output, int capacity) {
    if (!source || !find || !replacement || !output || capacity <= 0)
        return 0;
    wchar_t work[kWorkCapacity];
    int length = static_cast<int>(std::wcslen(source));
    if (length >= kWorkCapacity)
        return 0;
    std::wmemcpy(work, source, static_cast<std::size_t>(length) + 1);
    int findLength = static_cast<int>(std::wcslen(find));
    int replacementLength = static_cast<int>(std::wcslen(replacement));
    if (findLength > 0) {
        // The search conceptually restarts at the start after every replacement; the
        // text before the replaced place is unchanged, so it can resume just before it.
        int from = 0;
        // A replacement that keeps recreating what it replaces would never end.
        int budget = 2 * kWorkCapacity;
        while (length > 0) {
            const wchar_t* found = std::wcsstr(work + from, find);
            if (!found)
                break;
            if (--budget < 0)
                return 0;
            int at = static_cast<int>(found - work);
            int newLength = length - findLength + replacementLength;
            if (newLength >= kWorkCapacity)
                return 0;
            std::wmemmove(work + at + replacementLength, work + at + findLength,
                          static_cast<std::size_t>(length - at - findLength) + 1);
            std::wmemcpy(work + at, replacement, static_cast<std::size_t>(replacementLength));
            length = newLength;
            if (at >= length)
                break;
            from = at - findLength + 1 > 0 ? at - findLength + 1 : 0;
        }
    }
    if (length >= capacity)
        return 0;
    std::wmemcpy(output, work, static_cast<std::size_t>(length) + 1);
    return 1;
}

int CZoqNumoraUtil::Count(const wchar_t* text, const wchar_t* part) {
    if (!text)
        return 0;
    int count = 0;
    for (int at = m_string.Find(text, part, 0); at >= 0; at = m_string.Find(text, part, at + 1))
        ++count;
    return count;
}

int CZoqNumoraUtil::CountOpen(const wchar_t* text) {
    return Count(text, L"(");
}

int CZoqNumoraUtil::CountClose(const wchar_t* text) {
    return Count(text, L")");
}

int CZoqNumoraUtil::CloseParens(wchar_t* text, int capacity) {
    if (!text || capacity <= 0)
        return 0;
    int missing = CountOpen(text) - CountClose(text);
    if (missing <= 0)
        return 1;
    int length = static_cast<int>(std::wcslen(text));
    if (length + missing >= capacity)
        return 0;
    for (int i = 0; i < missing; ++i)
        text[length + i] = L')';
    text[length + missing] = L'\0';
    return 1;
}

int CZoqNumoraUtil::CopyToClipboard(const wchar_t* text, void* owner) {
    if (!text)
        return 0;
    return m_clipboard->SetText(text, owner);
}

namespace {
bool IsPasteSpace(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}
} // namespace

int CZoqNumoraUtil::PasteFromClipboard(wchar_t* output) {
    if (!output)
        return 0;
    // A number copied from another program usually arrives with a line end or spaces
    // around it; those would turn it into a syntax error, so they are dropped before the
    // text is cut to the paste length.
    wchar_t text[kPasteReadLength + 1];
    int read = m_clipboard->GetText(text, kPasteReadLength + 1);
    if (read == 0)
        return 0;
    const wchar_t* start = text;
    size_t length = 0;
    if (read > 0) {
        while (IsPasteSpace(*start))
            ++start;
        length = std::wcslen(start);
        while (length > 0 && IsPasteSpace(start[length - 1]))
            --length;
    }
    if (length == 0) {
        output[0] = L'0';
        output[1] = L'\0';
        return 1;
    }
    if (length > static_cast<size_t>(kPasteLength))
        length = kPasteLength;
    std::wmemcpy(output, start, length);
    output[length] = L'\0';
    return 1;
}

void CZoqNumoraUtil::SetClipboard(CZoqClipboard* clipboard) {
    m_clipboard = clipboard ? clipboard : &ZoqPlatformClipboard();
}
