#include "settings/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kCompany = QStringLiteral("Ostrevane Software");
const QString kProduct = QStringLiteral("Halvex");

// Whether the native store is a file that Halvex may read and write.
bool isUsableSettingsFile()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // The file's folder, wherever the store has been placed, learnt from a
    // store of another name that is never read from a file that exists, nor written.
    const QSettings probe(QSettings::NativeFormat, QSettings::UserScope, kCompany, kProduct + QStringLiteral(".probe"));
    const QFileInfo file(QFileInfo(probe.fileName()).dir().filePath(kProduct + QStringLiteral(".conf")));
    if (file.isSymLink() && !file.exists())
        return false; // a link to nothing: writing would create its target
    if (!file.exists())
        return true;
    return file.isFile() && file.size() <= kMaxSettingsFileBytes;
#else
    return true;
#endif
}

} // namespace

std::unique_ptr<QSettings> openSettingsStore()
{
    if (!isUsableSettingsFile())
        return std::make_unique<QSettings>(QString(), QSettings::IniFormat); // in memory only
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kCompany, kProduct);
}
