#pragma once

#include <windows.h>

// Scoped ownership of device contexts, GDI objects and selections. Declare an owned
// object before the selection that uses it: scopes unwind in reverse order, so the
// selection is undone before the object is deleted, and no object is ever deleted
// while selected.

// How an owner lets go of what it holds: each handle type has its own release call.
class CZoqDeleteObject {
public:
    static void Free(HGDIOBJ object) { DeleteObject(object); }
};
class CZoqDeleteDC {
public:
    static void Free(HDC dc) { DeleteDC(dc); }
};
class CZoqDestroyMenu {
public:
    static void Free(HMENU menu) { DestroyMenu(menu); }
};
class CZoqDestroyIcon {
public:
    static void Free(HICON icon) { DestroyIcon(icon); }
};

// Owns a handle and releases it at scope end, when it is reset, or when another owner
// is moved over it. By default a GDI object (pen, brush, font, bitmap, region); menus
// icons and memory device contexts through the aliases below.
template <class THandle, class TFree = CZoqDeleteObject> class CZoqGdiHandle {
public:
    explicit CZoqGdiHandle(THandle handle = nullptr) : m_handle(handle) {}
    ~CZoqGdiHandle() { Reset(); }
    CZoqGdiHandle(const CZoqGdiHandle&) = delete;
    CZoqGdiHandle& operator=(const CZoqGdiHandle&) = delete;
    CZoqGdiHandle(CZoqGdiHandle&& other) noexcept : m_handle(other.Release()) {}
    CZoqGdiHandle& operator=(CZoqGdiHandle&& other) noexcept {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }

    THandle Get() const { return m_handle; }
    // Hands the object to the caller, who releases it.
    THandle Release() {
        THandle handle = m_handle;
        m_handle = nullptr;
        return handle;
    }
    // Releases the object held (unless it is the one given) and holds `handle`.
    void Reset(THandle handle = nullptr) {
        if (m_handle && m_handle != handle)
            TFree::Free(m_handle);
        m_handle = handle;
    }

private:
    THandle m_handle;
};

using CZoqMenuHandle = CZoqGdiHandle<HMENU, CZoqDestroyMenu>;
using CZoqIconHandle = CZoqGdiHandle<HICON, CZoqDestroyIcon>;
using CZoqDCHandle = CZoqGdiHandle<HDC, CZoqDeleteDC>;

// Selects an object into a device context and puts the previous one back at scope end.
// A null object selects nothing.
class CZoqSelection {
public:
    CZoqSelection(HDC dc, HGDIOBJ object)
        : m_dc(dc), m_previous(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~CZoqSelection() {
        if (m_previous)
            SelectObject(m_dc, m_previous);
    }
    CZoqSelection(const CZoqSelection&) = delete;
    CZoqSelection& operator=(const CZoqSelection&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// A memory device context compatible with another one (null: with the screen).
class CZoqMemoryDC : public CZoqDCHandle {
public:
    explicit CZoqMemoryDC(HDC compatible) : CZoqDCHandle(CreateCompatibleDC(compatible)) {}
};

// How a window lends its device context: the whole window, non-client area included,
// or its client area. A null window lends the screen's.
class CZoqLendWindowDC {
public:
    static HDC Lend(HWND hwnd) { return GetWindowDC(hwnd); }
};
class CZoqLendClientDC {
public:
    static HDC Lend(HWND hwnd) { return GetDC(hwnd); }
};

// A device context a window lends, given back at scope end.
template <class TLend> class CZoqLentDC {
public:
    explicit CZoqLentDC(HWND hwnd) : m_hwnd(hwnd), m_dc(TLend::Lend(hwnd)) {}
    ~CZoqLentDC() {
        if (m_dc)
            ReleaseDC(m_hwnd, m_dc);
    }
    CZoqLentDC(const CZoqLentDC&) = delete;
    CZoqLentDC& operator=(const CZoqLentDC&) = delete;

    HDC Get() const { return m_dc; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

using CZoqWindowDC = CZoqLentDC<CZoqLendWindowDC>;
using CZoqClientDC = CZoqLentDC<CZoqLendClientDC>;

// Saves a device context's state (clipping, colours, modes) and restores it at scope end.
class CZoqSavedDC {
public:
    explicit CZoqSavedDC(HDC dc) : m_dc(dc), m_saved(dc ? SaveDC(dc) : 0) {}
    ~CZoqSavedDC() {
        if (m_saved)
            RestoreDC(m_dc, m_saved);
    }
    CZoqSavedDC(const CZoqSavedDC&) = delete;
    CZoqSavedDC& operator=(const CZoqSavedDC&) = delete;

private:
    HDC m_dc;
    int m_saved;
};
