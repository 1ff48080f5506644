#pragma once

// Where Halvex keeps its settings: the per-user store of the platform in its
// native format (the registry on Windows, a configuration file elsewhere),
// under the company "Ostrevane Software" and the product "Halvex".

#include <QSettings>

#include <memory>

std::unique_ptr<QSettings> openSettingsStore();
