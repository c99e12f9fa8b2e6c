#pragma once

// Resources of the gallery program.
#define kGalleryMenu 100
#define kGalleryCommandQuit 40001
#define kGalleryCommandToggle 40002
