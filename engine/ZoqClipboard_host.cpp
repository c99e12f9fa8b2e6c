#include "engine/ZoqMemoryClipboard.h"

// Native builds have no system clipboard; one in memory stands in for it.
CZoqClipboard& ZoqPlatformClipboard() {
    static CZoqMemoryClipboard clipboard;
    return clipboard;
}
