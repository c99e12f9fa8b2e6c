#include "ce/ZoqGdiScope.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// Whether a GDI object handle still names a live object.
bool Alive(HGDIOBJ object) {
    return object && GetObjectType(object) != 0;
}

struct SMaker {
    const char* name;
    HGDIOBJ (*make)();
};

const SMaker kMakers[] = {
    {"brush", [] { return static_cast<HGDIOBJ>(CreateSolidBrush(RGB(1, 2, 3))); }},
    {"pen", [] { return static_cast<HGDIOBJ>(CreatePen(PS_DASH, 1, RGB(4, 5, 6))); }},
    {"font",
     [] {
         return static_cast<HGDIOBJ>(
             CreateFontW(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
     }},
    {"bitmap", [] { return static_cast<HGDIOBJ>(CreateBitmap(4, 4, 1, 32, nullptr)); }},
    {"region", [] { return static_cast<HGDIOBJ>(CreateRectRgn(0, 0, 5, 5)); }},
};

TEST(GdiHandle, ReleasesWhatItHoldsExactlyOnceWhateverThePath) {
    for (const SMaker& maker : kMakers) {
        SCOPED_TRACE(maker.name);
        HGDIOBJ first = maker.make();
        HGDIOBJ second = maker.make();
        ASSERT_TRUE(Alive(first) && Alive(second));
        {
            CZoqGdiHandle<HGDIOBJ> owner(first);
            // Holding the same object again must not free it.
            owner.Reset(first);
            EXPECT_TRUE(Alive(first));
            owner.Reset(second);
            EXPECT_FALSE(Alive(first));
            EXPECT_TRUE(Alive(second));
        }
        EXPECT_FALSE(Alive(second)); // scope end

        HGDIOBJ kept = maker.make();
        {
            CZoqGdiHandle<HGDIOBJ> owner(kept);
            EXPECT_EQ(kept, owner.Release());
            EXPECT_EQ(nullptr, owner.Get());
        }
        EXPECT_TRUE(Alive(kept)); // handed over: the caller deletes it
        DeleteObject(kept);

        HGDIOBJ moved = maker.make();
        HGDIOBJ replaced = maker.make();
        {
            CZoqGdiHandle<HGDIOBJ> target(replaced);
            {
                CZoqGdiHandle<HGDIOBJ> source(moved);
                CZoqGdiHandle<HGDIOBJ> middle(std::move(source));
                EXPECT_EQ(nullptr, source.Get());
                target = std::move(middle);
                EXPECT_EQ(nullptr, middle.Get());
                EXPECT_FALSE(Alive(replaced)); // the target's old object went
            }
            EXPECT_TRUE(Alive(moved)); // the emptied owners freed nothing
            auto& self = target;
            target = std::move(self);
            EXPECT_EQ(moved, target.Get());
            EXPECT_TRUE(Alive(moved));
        }
        EXPECT_FALSE(Alive(moved));
    }
}

TEST(GdiHandle, MenusIconsAndContextsAreReleasedByTheirOwnCall) {
    HDC memory = CreateCompatibleDC(nullptr);
    ASSERT_EQ(static_cast<DWORD>(OBJ_MEMDC), GetObjectType(memory));
    { CZoqDCHandle owner(memory); }
    EXPECT_EQ(0u, GetObjectType(memory));

    HMENU menu = CreatePopupMenu();
    ASSERT_TRUE(IsMenu(menu));
    {
        CZoqMenuHandle owner(menu);
        AppendMenuW(owner.Get(), MF_STRING, 1, L"one");
        EXPECT_EQ(1, GetMenuItemCount(owner.Get()));
    }
    EXPECT_FALSE(IsMenu(menu));

    ICONINFO info = {};
    info.fIcon = TRUE;
    CZoqGdiHandle<HBITMAP> mask(CreateBitmap(16, 16, 1, 1, nullptr));
    CZoqGdiHandle<HBITMAP> colour(CreateBitmap(16, 16, 1, 32, nullptr));
    info.hbmMask = mask.Get();
    info.hbmColor = colour.Get();
    HICON icon = CreateIconIndirect(&info);
    ASSERT_NE(nullptr, icon);
    ICONINFO seen = {};
    ASSERT_TRUE(GetIconInfo(icon, &seen));
    DeleteObject(seen.hbmMask);
    DeleteObject(seen.hbmColor);
    { CZoqIconHandle owner(icon); }
    EXPECT_FALSE(GetIconInfo(icon, &seen));
}

TEST(ClientDC, IsTheWindowsClientContextAndIsGivenBack) {
    HWND window = CreateWindowExW(0, L"STATIC", L"dc", WS_OVERLAPPED, 0, 0, 40, 30, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    struct SCase {
        const char* name;
        HWND hwnd;
    };
    const SCase cases[] = {{"window", window}, {"screen", nullptr}};
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        HDC dc = nullptr;
        {
            CZoqClientDC client(c.hwnd);
            dc = client.Get();
            ASSERT_NE(nullptr, dc);
            if (c.hwnd) {
                EXPECT_EQ(c.hwnd, WindowFromDC(dc));
            }
        }
        // Given back at scope end: a second release finds nothing to give back.
        EXPECT_EQ(0, ReleaseDC(c.hwnd, dc));
    }
    DestroyWindow(window);
}

} // namespace
