#include "ui/ZoqWnd.h"

#include "ce/ZoqDialogTemplate.h"
#include "ui/ZoqString.h"

namespace {

const wchar_t kDefaultClassName[] = L"ZoqClassDefault";
const wchar_t kDefaultTitle[] = L"ZoqWndDefault";
// CS_VREDRAW | CS_HREDRAW | CS_NOCLOSE: the programs quit through their own menus.
const UINT kClassStyle = 0x203;

// The dialog manager's class: such a window gets its default processing from the
// dialog manager once the dialog procedure returns 0, never from DefWindowProc.
bool IsDialogWindow(HWND hwnd) {
    return GetClassLongPtrW(hwnd, GCW_ATOM) == reinterpret_cast<ULONG_PTR>(WC_DIALOG);
}

POINT PointFrom(LPARAM lParam) {
    POINT point;
    point.x = LOWORD(lParam);
    point.y = HIWORD(lParam);
    return point;
}

// The desktop has no "low bit brings the owned pop-ups along" convention (the bit
// would name another handle); activating the last active pop-up does the same.
void BringForward(HWND hwnd) {
    if (IsIconic(hwnd))
        ShowWindow(hwnd, SW_RESTORE);
    HWND popup = GetLastActivePopup(hwnd);
    SetForegroundWindow(popup ? popup : hwnd);
}

} // namespace

CZoqWnd::CZoqWnd()
    : m_string(CZoqString::GetInstance()), m_hWnd(nullptr), m_instance(nullptr), m_classAtom(0),
      m_className(nullptr), m_createdAsWindow(0) {}

CZoqWnd::~CZoqWnd() {
    Destroy();
}

LRESULT CZoqWnd::OnPaint(HWND hwnd, WPARAM, LPARAM) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RECT client;
    GetClientRect(hwnd, &client);
    OnDraw(hwnd, dc, &client);
    EndPaint(hwnd, &paint);
    return 1;
}

LRESULT CZoqWnd::OnDraw(HWND, HDC, RECT*) {
    return 0;
}
LRESULT CZoqWnd::OnSettingChange(HWND, WPARAM, LPARAM) {
    return 0;
}
LRESULT CZoqWnd::OnSize(HWND, WPARAM, LPARAM) {
    return 0;
}
LRESULT CZoqWnd::OnNotify(HWND, WPARAM, LPARAM) {
    return 0;
}
LRESULT CZoqWnd::OnDrawItem(HWND, WPARAM, LPARAM) {
    return 0;
}
LRESULT CZoqWnd::OnMeasureItem(HWND, WPARAM, LPARAM) {
    return 0;
}
LRESULT CZoqWnd::OnChar(HWND, WPARAM, LPARAM) {
    return 0;
}
LRESULT CZoqWnd::OnKeyDown(HWND, WPARAM, LPARAM) {
    return 0;
}
LRESULT CZoqWnd::OnKeyUp(HWND, WPARAM, LPARAM) {
    return 0;
}
LRESULT CZoqWnd::OnEraseBkgnd(HWND, WPARAM, LPARAM) {
    return 0;
}
LRESULT CZoqWnd::OnUserMessage(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}
LRESULT CZoqWnd::OnInitDialog(HWND, WPARAM, LPARAM) {
    return 1;
}
LRESULT CZoqWnd::OnLButtonUp(HWND, POINT) {
    return 0;
}
LRESULT CZoqWnd::OnLButtonDown(HWND, POINT) {
    return 0;
}
LRESULT CZoqWnd::OnMouseMove(HWND, POINT) {
    return 0;
}
LRESULT CZoqWnd::OnTimer(HWND, WPARAM, LPARAM) {
    return 0;
}

LRESULT CZoqWnd::OnDestroy(HWND, WPARAM, LPARAM) {
    m_hWnd = nullptr;
    return 1;
}

LRESULT CZoqWnd::OnCommand(HWND, WPARAM, LPARAM) {
    return 0;
}
LRESULT CZoqWnd::OnActivate(HWND, WPARAM, LPARAM) {
    return 0;
}

LRESULT CZoqWnd::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // A dialog's default processing is the dialog manager's, reached by returning 0.
    if (!m_createdAsWindow)
        return 0;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CZoqWnd::OnHotKey(HWND, WPARAM, LPARAM) {
    return 0;
}
LRESULT CZoqWnd::OnSpare(HWND, WPARAM, LPARAM) {
    return 0;
}
LRESULT CZoqWnd::OnHScroll(HWND, WPARAM, LPARAM) {
    return 0;
}
LRESULT CZoqWnd::OnVScroll(HWND, WPARAM, LPARAM) {
    return 0;
}
LRESULT CZoqWnd::OnKillFocus(HWND, WPARAM, LPARAM) {
    return 0;
}

int CZoqWnd::Create(const wchar_t* title, HWND parent, HINSTANCE instance, const wchar_t* className,
                    int x, int y, int width, int height, DWORD exStyle, DWORD style) {
    Destroy();
    m_instance = instance;
    m_createdAsWindow = 1;
    m_className = m_string->Duplicate(m_string->IsEmpty(className) ? kDefaultClassName : className);
    if (!m_className)
        return 0;
    if (BringToFront(title))
        return 0;
    if (!RegisterWindowClass())
        return 0;
    HWND hwnd =
        CreateWindowExW(exStyle, m_className, m_string->IsEmpty(title) ? kDefaultTitle : title,
                        style, x, y, width, height, parent, nullptr, instance, this);
    // WM_CREATE already attached the handle; a window destroyed during its creation
    // has cleared it again.
    m_hWnd = hwnd && IsWindow(hwnd) ? hwnd : nullptr;
    return m_hWnd ? 1 : 0;
}

INT_PTR CZoqWnd::DoModal(HWND parent, HINSTANCE instance, UINT dialogId) {
    if (BringToFront(nullptr))
        return 1;
    Destroy();
    m_createdAsWindow = 0;
    m_instance = instance;
    // The window and the dialog procedure have the same signature and result type.
    return CZoqDialogTemplate::Box(instance, dialogId, parent,
                                   reinterpret_cast<DLGPROC>(&CZoqWnd::WindowProc),
                                   reinterpret_cast<LPARAM>(this));
}

int CZoqWnd::Destroy() {
    if (m_hWnd) {
        HWND hwnd = m_hWnd;
        if (m_createdAsWindow)
            DestroyWindow(hwnd);
        else
            EndDialog(hwnd, 1);
        // An ended dialog lives on until its modal loop returns, possibly after this
        // object is gone: it must no longer reach the object.
        Routing::Detach(hwnd, this);
        m_hWnd = nullptr;
    }
    if (m_classAtom && !m_string->IsEmpty(m_className)) {
        UnregisterClassW(m_className, m_instance);
        m_classAtom = 0;
    }
    m_string->Free(&m_className);
    return 1;
}

int CZoqWnd::BringToFront(const wchar_t* title) {
    HWND target = m_hWnd;
    if (!target && !m_string->IsEmpty(title) && !m_string->IsEmpty(m_className))
        target = FindWindowW(m_className, title);
    if (!target)
        return 0;
    BringForward(target);
    return 1;
}

ATOM CZoqWnd::RegisterWindowClass() {
    if (m_string->IsEmpty(m_className))
        return 0;
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = kClassStyle;
    windowClass.lpfnWndProc = &CZoqWnd::WindowProc;
    windowClass.hInstance = m_instance;
    // Without a class cursor a desktop pointer keeps whatever shape it entered with.
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.lpszClassName = m_className;
    ATOM atom = RegisterClassExW(&windowClass);
    if (atom) {
        m_classAtom = atom;
        return atom;
    }
    // Another object of this program registered the class: share it, but leave its
    // unregistration to that object.
    WNDCLASSEXW existing = {};
    existing.cbSize = sizeof(existing);
    if (GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return 0;
    // GetClassInfoEx answers with the class atom.
    auto existingAtom = static_cast<ATOM>(GetClassInfoExW(m_instance, m_className, &existing));
    if (existingAtom && existing.lpfnWndProc == &CZoqWnd::WindowProc)
        return existingAtom;
    return 0;
}

LRESULT CALLBACK CZoqWnd::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        auto create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        return Attach(hwnd, create ? static_cast<CZoqWnd*>(create->lpCreateParams) : nullptr,
                      message, wParam, lParam);
    }
    if (message == WM_INITDIALOG)
        return Attach(hwnd, reinterpret_cast<CZoqWnd*>(lParam), message, wParam, lParam);
    CZoqWnd* object = Routing::Lookup(hwnd);
    // The window's last message comes after WM_DESTROY let go of the object, which may
    // be gone by now: the window lets go of it without reaching it.
    if (message == WM_NCDESTROY) {
        Routing::Detach(hwnd, object);
        return Unattached(hwnd, message, wParam, lParam);
    }
    if (!object || object->m_hWnd != hwnd)
        return Unattached(hwnd, message, wParam, lParam);
    return object->Dispatch(hwnd, message, wParam, lParam);
}

LRESULT CZoqWnd::Attach(HWND hwnd, CZoqWnd* object, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!object)
        return Unattached(hwnd, message, wParam, lParam);
    Routing::Attach(hwnd, object);
    object->m_hWnd = hwnd;
    return object->OnInitDialog(hwnd, wParam, lParam);
}

LRESULT CZoqWnd::Unattached(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsDialogWindow(hwnd))
        return 0;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CZoqWnd::Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Read before routing: a handler may end the dialog or free this object.
    const bool dialog = !m_createdAsWindow;
    LRESULT result = Route(hwnd, message, wParam, lParam);
    // The dialog manager takes a handled message's result from DWLP_MSGRESULT.
    if (dialog && result && IsWindow(hwnd))
        SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
    return result;
}

LRESULT CZoqWnd::Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_USER)
        return OnUserMessage(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_PAINT:
        return OnPaint(hwnd, wParam, lParam);
    case WM_SETTINGCHANGE:
        return OnSettingChange(hwnd, wParam, lParam);
    case WM_SIZE:
        return OnSize(hwnd, wParam, lParam);
    case WM_NOTIFY:
        return OnNotify(hwnd, wParam, lParam);
    case WM_DRAWITEM:
        return OnDrawItem(hwnd, wParam, lParam);
    case WM_MEASUREITEM:
        return OnMeasureItem(hwnd, wParam, lParam);
    case WM_CHAR:
        return OnChar(hwnd, wParam, lParam);
    case WM_KEYDOWN:
        return OnKeyDown(hwnd, wParam, lParam);
    case WM_KEYUP:
        return OnKeyUp(hwnd, wParam, lParam);
    case WM_ERASEBKGND:
        return OnEraseBkgnd(hwnd, wParam, lParam);
    case WM_LBUTTONUP:
        return OnLButtonUp(hwnd, PointFrom(lParam));
    case WM_LBUTTONDOWN:
        return OnLButtonDown(hwnd, PointFrom(lParam));
    case WM_MOUSEMOVE:
        return OnMouseMove(hwnd, PointFrom(lParam));
    case WM_TIMER:
        return OnTimer(hwnd, wParam, lParam);
    case WM_DESTROY:
        m_hWnd = nullptr;
        return OnDestroy(hwnd, wParam, lParam);
    case WM_COMMAND:
        return OnCommand(hwnd, wParam, lParam);
    case WM_ACTIVATE:
        return OnActivate(hwnd, wParam, lParam);
    case WM_HOTKEY:
        return OnHotKey(hwnd, wParam, lParam);
    case WM_HSCROLL:
        return OnHScroll(hwnd, wParam, lParam);
    case WM_VSCROLL:
        return OnVScroll(hwnd, wParam, lParam);
    case WM_KILLFOCUS:
        return OnKillFocus(hwnd, wParam, lParam);
    default:
        return OnMessage(hwnd, message, wParam, lParam);
    }
}
