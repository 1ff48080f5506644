#include "ui/DecimalPreferences.h"

int storedDecimals(const AppSettings &settings, DecimalValue value)
{
    const DecimalPreference &preference = decimalPreference(value);
    const int stored = settings[preference.setting].integer();
    return stored >= preference.minimum && stored <= preference.maximum ? stored : preference.design;
}
