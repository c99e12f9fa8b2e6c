#pragma once

// The device screen the layouts are computed from. On the desktop a program's top-level
// window plays that screen (see CZoqShell): every place that would read the screen
// size from the system reads Width() and Height() instead, so the formulas see what
// they would see on a device (a 240 x 320 portrait screen by default, scaled to the dpi).
class CZoqScreen {
public:
    static constexpr int kDefaultWidth = 240;
    static constexpr int kDefaultHeight = 320;
    // Heights of the shell's top bar and bottom menu bar at 96 dpi.
    static constexpr int kTopBarHeight = 26;
    static constexpr int kMenuBarHeight = 26;

    // The emulated screen in pixels.
    static int Width();
    static int Height();
    // Logical pixels per inch of the display (GetDeviceCaps LOGPIXELSX) unless SetDpi
    // overrides it.
    static int Dpi();
    // A length given for a 96-dpi screen: (length * dpi + 48) / 96.
    static int Scaled(int length);
    static int TopBarHeight() { return Scaled(kTopBarHeight); }
    static int MenuBarHeight() { return Scaled(kMenuBarHeight); }

    // Sets the screen size (a device window does it when the user resizes it; tests and
    // `--screen WxH` do it directly). Sizes below 1 restore the default size.
    static void SetSize(int width, int height);
    // Overrides the dpi; 0 reads it from the display again. The default size follows.
    static void SetDpi(int dpi);
    // Tells the system that the program scales itself, as every program here does.
    static void DeclareDpiAware();
};
