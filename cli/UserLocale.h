#pragma once

#include "scientific/NumoraLocale.h"

// The separators and currency symbol of the user's regional settings: the system's on
// Windows, the environment's numeric and monetary locale (LC_ALL, LC_NUMERIC, LANG)
// elsewhere.
const CNumoraLocale& UserLocale();
