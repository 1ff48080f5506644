#include "ui/QtFileDialogs.h"

#include <QFileDialog>

QString QtFileDialogs::saveFileName(const QString &caption, const QString &suggested, const QString &filter)
{
    // Qt's own dialog, the same on every desktop, in the language of Qt's texts.
    return QFileDialog::getSaveFileName(m_owner, caption, suggested, filter, nullptr, QFileDialog::DontUseNativeDialog);
}
