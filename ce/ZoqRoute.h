#pragma once

#include <windows.h>

// Where a window keeps the pointer to the object that drives it. Every window class
// of the suite ties its handles to its objects through CZoqRoute below; the slot is
// the only thing that differs between them.

// A pointer-sized value of the window's extra memory at Index.
template <int Index> class CZoqLongSlot {
public:
    static void* Read(HWND hwnd) { return reinterpret_cast<void*>(GetWindowLongPtrW(hwnd, Index)); }
    static void Write(HWND hwnd, void* object) {
        SetWindowLongPtrW(hwnd, Index, reinterpret_cast<LONG_PTR>(object));
    }
    static void Erase(HWND hwnd) { SetWindowLongPtrW(hwnd, Index, 0); }
};

// The window's own user data: for windows of a class the program registers.
using CZoqWindowSlot = CZoqLongSlot<GWLP_USERDATA>;
// The dialog manager's user data: for dialog procedures, whose window user data the
// dialog's owner may use.
using CZoqDialogSlot = CZoqLongSlot<DWLP_USER>;

// A named window property: for an object that subclasses a window whose user data
// belongs to the window's own object.
template <const wchar_t* Name> class CZoqPropertySlot {
public:
    static void* Read(HWND hwnd) { return GetPropW(hwnd, Name); }
    static void Write(HWND hwnd, void* object) { SetPropW(hwnd, Name, object); }
    static void Erase(HWND hwnd) { RemovePropW(hwnd, Name); }
};

// Ties window handles to objects of one class. The object is attached when the window
// first names it (WM_NCCREATE's creation parameter, WM_INITDIALOG's parameter, or the
// moment a subclassing object takes the window over), looked up for every message,
// and detached when the window ends (WM_NCDESTROY) or the object lets go of it first,
// whichever comes first. Detach leaves a window alone that names another object, so an
// object that outlived its window cannot untie that handle's next owner.
template <class TObject, class TSlot = CZoqWindowSlot> class CZoqRoute {
public:
    // 1 when the window names the object afterwards; 0 for a null window or object.
    static int Attach(HWND hwnd, TObject* object) {
        if (!hwnd || !object)
            return 0;
        TSlot::Write(hwnd, const_cast<void*>(static_cast<const void*>(object)));
        return Lookup(hwnd) == object ? 1 : 0;
    }

    // The object the window names; null before Attach, after Detach, for a null window
    // and for a window that no longer exists.
    static TObject* Lookup(HWND hwnd) {
        return hwnd ? static_cast<TObject*>(TSlot::Read(hwnd)) : nullptr;
    }

    // Unties the window when it still names `object`: 1 then, else 0 and no change.
    static int Detach(HWND hwnd, const TObject* object) {
        if (!object || Lookup(hwnd) != object)
            return 0;
        TSlot::Erase(hwnd);
        return 1;
    }

    // The first step of a window procedure: attaches WM_NCCREATE's creation parameter
    // and answers the lookup. WM_NCDESTROY detaches the window and reaches no object.
    static TObject* OnWindowMessage(HWND hwnd, UINT message, LPARAM lParam) {
        if (message == WM_NCCREATE && lParam)
            Attach(hwnd,
                   static_cast<TObject*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        return LookupOrForget(hwnd, message);
    }

    // The first step of a dialog procedure: attaches WM_INITDIALOG's parameter and
    // answers the lookup. WM_NCDESTROY detaches the dialog and reaches no object.
    static TObject* OnDialogMessage(HWND hwnd, UINT message, LPARAM lParam) {
        if (message == WM_INITDIALOG)
            Attach(hwnd, reinterpret_cast<TObject*>(lParam));
        return LookupOrForget(hwnd, message);
    }

    // A whole window procedure for an object that keeps its window handle in `handle`
    // and takes every message in `handler`. Messages before the object is attached, or
    // of a window the object no longer holds, get the default processing; at
    // WM_NCDESTROY the object lets go of the window before the default processing.
    template <class TSelf = TObject>
    static LRESULT Window(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                          HWND TSelf::*handle, LRESULT (TSelf::*handler)(UINT, WPARAM, LPARAM)) {
        if (message == WM_NCDESTROY) {
            TObject* self = Lookup(hwnd);
            if (self && self->*handle == hwnd)
                self->*handle = nullptr;
        }
        TObject* self = OnWindowMessage(hwnd, message, lParam);
        if (self && message == WM_NCCREATE)
            self->*handle = hwnd;
        if (!self || self->*handle != hwnd)
            return DefWindowProcW(hwnd, message, wParam, lParam);
        return (self->*handler)(message, wParam, lParam);
    }

private:
    static TObject* LookupOrForget(HWND hwnd, UINT message) {
        TObject* object = Lookup(hwnd);
        if (message != WM_NCDESTROY)
            return object;
        Detach(hwnd, object);
        return nullptr;
    }
};
