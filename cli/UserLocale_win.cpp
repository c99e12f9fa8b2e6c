#include "cli/UserLocale.h"

#include "scientific/SystemLocale.h"

const CNumoraLocale& UserLocale() {
    static const CSystemLocale locale;
    return locale;
}
