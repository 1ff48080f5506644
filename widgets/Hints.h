#pragma once

// Hints of two parts, "short|long": a tooltip shows the short part, the status
// line the long part. A hint without "|" is both.

#include <QString>

class QObject;

QString hintShortPart(const QString &hint);
QString hintLongPart(const QString &hint);

// A widget's hint is also its accessible description.
void setHint(QObject *object, const QString &hint);
QString hintOf(const QObject *object);
