#include "ce/ZoqScreen.h"
#include "ui/ZoqProgram.h"
#include "ui/gallery/GalleryWindow.h"

// The gallery needs a roomier screen than a handheld's; --screen WxH still wins.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    CZoqScreen::SetSize(CZoqScreen::Scaled(480), CZoqScreen::Scaled(640));
    return ZoqProgramMain<CGalleryWindow>(instance, L"Zoq Gallery", L"ClassZoqGallery");
}
