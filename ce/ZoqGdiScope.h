#pragma once

#include <windows.h>

// Scoped ownership of device contexts, GDI objects and selections. Declare an owned
// object before the selection that uses it: scopes unwind in reverse order, so the
// selection is undone before the object is deleted, and no object is ever deleted
// while selected.

// Owns a GDI object (pen, brush, font, bitmap, region) and deletes it at scope end.
template <class THandle> class CZoqGdiHandle {
public:
    explicit CZoqGdiHandle(THandle handle = nullptr) : m_handle(handle) {}
    ~CZoqGdiHandle() { Reset(); }
    CZoqGdiHandle(const CZoqGdiHandle&) = delete;
    CZoqGdiHandle& operator=(const CZoqGdiHandle&) = delete;

    THandle Get() const { return m_handle; }
    // Hands the object to the caller, who deletes it.
    THandle Release() {
        THandle handle = m_handle;
        m_handle = nullptr;
        return handle;
    }
    void Reset(THandle handle = nullptr) {
        if (m_handle)
            DeleteObject(m_handle);
        m_handle = handle;
    }

private:
    THandle m_handle;
};

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
class CZoqMemoryDC {
public:
    explicit CZoqMemoryDC(HDC compatible) : m_dc(CreateCompatibleDC(compatible)) {}
    ~CZoqMemoryDC() {
        if (m_dc)
            DeleteDC(m_dc);
    }
    CZoqMemoryDC(const CZoqMemoryDC&) = delete;
    CZoqMemoryDC& operator=(const CZoqMemoryDC&) = delete;

    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
};

// The device context of a whole window (non-client area included), or with a null
// window, of the screen.
class CZoqWindowDC {
public:
    explicit CZoqWindowDC(HWND hwnd) : m_hwnd(hwnd), m_dc(GetWindowDC(hwnd)) {}
    ~CZoqWindowDC() {
        if (m_dc)
            ReleaseDC(m_hwnd, m_dc);
    }
    CZoqWindowDC(const CZoqWindowDC&) = delete;
    CZoqWindowDC& operator=(const CZoqWindowDC&) = delete;

    HDC Get() const { return m_dc; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

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
