#include "DecimalPreferences.h"

#include <algorithm>

const DecimalPreference &decimalPreference(AppSetting setting)
{
    return *std::find_if(kDecimalPreferences.begin(), kDecimalPreferences.end(),
                         [setting](const DecimalPreference &preference) { return preference.setting == setting; });
}

int storedDecimals(const AppSettings &settings, AppSetting setting)
{
    const DecimalPreference &preference = decimalPreference(setting);
    const int stored = settings[setting].integer();
    return stored >= preference.minimum && stored <= preference.maximum ? stored : preference.design;
}
