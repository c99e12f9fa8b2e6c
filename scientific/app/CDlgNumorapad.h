#pragma once

#include "ce/ZoqGdiScope.h"
#include "scientific/app/CDisplayPainter.h"
#include "scientific/app/CKeyWindow.h"
#include "scientific/app/CSkin.h"
#include "scientific/app/DisplayModel.h"
#include "scientific/app/KeyActions.h"
#include "scientific/app/ScreenLayout.h"
#include "scientific/NumoraSettings.h"

#include <windows.h>

class CZoqSettingsStore;

// The main dialog of Numorapad: the skin, the 44 key windows, the display, the menu bar
// and the options. It is a modeless dialog from template 102 with its own message loop
// (Run), so the keyboard reaches it untouched by the dialog manager and tests can drive
// it message by message.
class CDlgNumorapad {
public:
    CDlgNumorapad() = default;
    ~CDlgNumorapad();
    CDlgNumorapad(const CDlgNumorapad&) = delete;
    CDlgNumorapad& operator=(const CDlgNumorapad&) = delete;

    // Creates the dialog; the settings are read from `store` now and written back to it
    // when the dialog is destroyed. It is shown at once unless `show` is 0 (the program
    // places it first). 1 on success.
    int Create(HINSTANCE instance, CZoqSettingsStore* store, int show = 1);
    // Shows the dialog created hidden.
    void Show();
    // Runs the message loop until the dialog is destroyed; the program's exit code.
    int Run();
    // Ends the dialog as "Quit" does: the settings are written.
    void Close();

    HWND Handle() const { return m_hwnd; }
    const SScreenLayout& Layout() const { return m_layout; }
    const CKeyWindow& KeyWindow(int key) const { return m_keys[key]; }
    const RECT& DisplayArea() const { return m_displayArea; }
    // The display as the next paint draws it.
    const CDisplayModel& Display();
    // Paints the whole client area into `dc` as WM_PAINT does.
    void Render(HDC dc);
    const CNumoraOptions& Options() const { return m_options; }
    int FontQuality() const { return m_painter.FontQuality(); }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    BOOL OnInitDialog();
    void OnPaint();
    void OnSize();
    void OnScaleChanged();
    void OnKeyMessage(int key, WPARAM phase);
    void OnKeyDown(WPARAM code);
    void OnChar(WPARAM code);
    void OnCommand(UINT command);
    void OnEndSession(WPARAM ending);
    void OnDestroy();

    enum ELayoutApply { kLayoutIfChanged, kLayoutAlways };
    void ApplyLayout(ELayoutApply when);
    int PlaceKeys();
    void UpdateDisplayModel();
    void InvalidateDisplay();
    void RunAction(const SKeyAction& action);
    void InsertConstant(int constant);
    void Paste();
    void CopyHistory();
    void ShowOptions();
    void ShowAdvanced();
    void ShowAbout();
    int LoadKeyPath(wchar_t* path, int capacity) const;
    void SaveSettings();

    HWND m_hwnd = nullptr;
    HINSTANCE m_instance = nullptr;
    CZoqSettingsStore* m_store = nullptr;
    int m_ready = 0;
    int m_running = 0;
    SScreenLayout m_layout = {};
    CSkin m_skin;
    CKeyWindow m_keys[kKeyCount];
    CDisplayPainter m_painter;
    CDisplayModel m_display;
    RECT m_displayArea = {};
    CZoqGdiHandle<HBITMAP> m_backBuffer;
    SIZE m_backSize = {};
    CNumoraOptions m_options;
};
