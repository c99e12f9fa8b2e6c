#pragma once

// Resources of the ce/ tests.
#define kPatternPng 300
#define kSolidJpeg 301
#define kTestMenu 302
#define kMissingResource 399
#define kCommandFirst 41001
#define kCommandSecond 41002
#define kCommandReset 41005
#define kCommandZoom 41006
#define kStringReset 41010
#define kFullScreenDialog 303
