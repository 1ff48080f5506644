#pragma once

// Where Halvex keeps its settings: the per-user store of the platform in its
// native format (the registry on Windows, a configuration file elsewhere),
// under the company "Ostrevane Software" and the product "Halvex".
//
// A settings file that is no regular file (a pipe, a device, a folder, a link
// to one of those or to nothing) or is larger than any Halvex writes is not
// Halvex's: it is neither read nor written, and the program runs on a store of
// its own that starts empty and keeps nothing, as for any unreadable store.

#include <QSettings>

#include <memory>

// The largest settings file read; Halvex's own are a few hundred bytes.
inline constexpr qint64 kMaxSettingsFileBytes = 1 << 20;

std::unique_ptr<QSettings> openSettingsStore();
