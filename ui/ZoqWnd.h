#pragma once

#include "ce/ZoqRoute.h"

#include <windows.h>

class CZoqString;

// Base class of every window and modal dialog of the regression and quadratic
// calculators. One object drives one window handle; every message of that window goes
// through the shared WindowProc to one of the virtual handlers below, which a derived
// class overrides as it needs. The same procedure is the dialog procedure of DoModal.
//
// Handler results: for a window they are the window procedure's result. For a dialog
// (DoModal) a nonzero result means "handled" (and becomes the message result), zero
// leaves the message to the dialog manager's default processing.
class CZoqWnd {
public:
    // How a window or dialog handle finds its object (the window's user data, for
    // windows and dialogs alike).
    using Routing = CZoqRoute<CZoqWnd>;

    CZoqWnd();
    CZoqWnd(const CZoqWnd&) = delete;
    CZoqWnd& operator=(const CZoqWnd&) = delete;

    // Slot order matters to no caller but is kept as documented for readers of the
    // message table: each slot is named after its message.
    virtual ~CZoqWnd();
    virtual LRESULT OnPaint(HWND hwnd, WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnDraw(HWND hwnd, HDC dc, RECT* client);
    virtual LRESULT OnSettingChange(HWND hwnd, WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnSize(HWND hwnd, WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnNotify(HWND hwnd, WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnDrawItem(HWND hwnd, WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnMeasureItem(HWND hwnd, WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnChar(HWND hwnd, WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnKeyDown(HWND hwnd, WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnKeyUp(HWND hwnd, WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnEraseBkgnd(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // Every message at or above WM_USER.
    virtual LRESULT OnUserMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // WM_CREATE and WM_INITDIALOG.
    virtual LRESULT OnInitDialog(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // Mouse points: x = low 16 bits of lParam, y = high 16 bits, both unsigned.
    virtual LRESULT OnLButtonUp(HWND hwnd, POINT point);
    virtual LRESULT OnLButtonDown(HWND hwnd, POINT point);
    virtual LRESULT OnMouseMove(HWND hwnd, POINT point);
    virtual LRESULT OnTimer(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // Called with the object's handle already cleared.
    virtual LRESULT OnDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnActivate(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // Every other message below WM_USER.
    virtual LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnHotKey(HWND hwnd, WPARAM wParam, LPARAM lParam);
    // No message reaches it.
    virtual LRESULT OnSpare(HWND hwnd, WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnHScroll(HWND hwnd, WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnVScroll(HWND hwnd, WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnKillFocus(HWND hwnd, WPARAM wParam, LPARAM lParam);

    // Creates a window of its own class. Returns 1 when the window exists afterwards;
    // 0 when a window of the same class and (non-empty) title already exists, which is
    // brought to the front instead, or when registration or creation fails. An empty
    // class name means "ZoqClassDefault", an empty title "ZoqWndDefault".
    int Create(const wchar_t* title, HWND parent, HINSTANCE instance, const wchar_t* className,
               int x, int y, int width, int height, DWORD exStyle, DWORD style);
    // Runs the dialog template `dialogId` of `instance` modally and returns its result;
    // returns 1 at once when this object already has a window (brought to the front),
    // -1 when the template is missing or the dialog cannot be created.
    INT_PTR DoModal(HWND parent, HINSTANCE instance, UINT dialogId);
    // Destroys the window (or ends the dialog with result 1) and unregisters the class
    // this object registered. Always 1; safe at any time and more than once.
    int Destroy();
    // Brings this object's window forward, or else (with a non-empty title) the
    // top-level window of this object's class with that title. 1 when one was found.
    int BringToFront(const wchar_t* title);
    // Registers this object's class name with WindowProc. Returns the class atom, 0 on
    // failure. A class of that name already registered by this module with WindowProc
    // is used as it is (and then not unregistered by this object).
    ATOM RegisterWindowClass();

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND GetHandle() const { return m_hWnd; }
    HINSTANCE GetInstance() const { return m_instance; }
    const wchar_t* ClassName() const { return m_className; }

protected:
    CZoqString* m_string;
    HWND m_hWnd;
    HINSTANCE m_instance;
    ATOM m_classAtom;
    wchar_t* m_className;
    int m_createdAsWindow;

private:
    static LRESULT Attach(HWND hwnd, CZoqWnd* object, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT Unattached(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
