#pragma once

// Commands of the desktop habits every program offers in its menus (see CZoqDesktop).
// Resource scripts include this file too, so it holds nothing but the numbers, chosen
// below the programs' own ranges.
#define ZOQ_ID_SIZE_100 32300
#define ZOQ_ID_SIZE_150 32301
#define ZOQ_ID_SIZE_200 32302
#define ZOQ_ID_SIZE_300 32303
#define ZOQ_ID_KEEP_ON_TOP 32310
