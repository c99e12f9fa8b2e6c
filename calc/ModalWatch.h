#pragma once

#include <windows.h>

// Drives a modal window that something opens on this thread (a message box, a
// dialog, the graph), for the window tests and the screenshot drivers of Trendora
// and Parabix: runs `action`, and `delay` milliseconds after the first top-level
// window activates calls `onModal(window, context)` from inside that window's
// modal loop; onModal should end the loop. A watchdog ends every modal loop of the
// thread each `watchdog` milliseconds until `action` returns, so nothing can hang.
// The watchdog's quit message is taken off the queue before returning; a quit
// message `action` posts itself stays. One watch at a time. Returns the window that
// activated, or null.
HWND WatchModal(void (*action)(void*), void* actionContext, UINT delay, UINT watchdog,
                void (*onModal)(HWND, void*), void* modalContext);

// WatchModal for up to `count` modal windows that open one after another (a
// message box after a dialog closed): onModal is called for each. A window that
// activates again when a watched one closes (its owner) is not a new one.
HWND WatchModals(void (*action)(void*), void* actionContext, UINT delay, UINT watchdog,
                 void (*onModal)(HWND, void*), void* modalContext, int count);
