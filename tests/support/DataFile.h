#pragma once

// The lines of a data file of tests/data, as UTF-8 text: the lines that start
// with '#' are comments, and blank lines are passed over.

#include <QFile>
#include <QStringList>

inline QStringList dataFileLines(const char *path)
{
    QFile file(QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", path);
    QStringList lines;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        QString text = line;
        if (text.endsWith(u'\r'))
            text.chop(1);
        if (!text.startsWith(u'#') && !text.trimmed().isEmpty())
            lines << text;
    }
    return lines;
}
