#include "SettingsStore.h"

std::unique_ptr<QSettings> openSettingsStore()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Ostrevane Software"), QStringLiteral("Halvex"));
}
