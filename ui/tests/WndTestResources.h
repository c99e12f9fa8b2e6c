#pragma once

// Resources of the window library's tests.
#define kTestDialog 200
