#include "widgets/Hints.h"

#include <QObject>
#include <QVariant>
#include <QWidget>

namespace {
constexpr char kHintProperty[] = "hint";
}

QString hintShortPart(const QString &hint)
{
    return hint.section(u'|', 0, 0);
}

QString hintLongPart(const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void setHint(QObject *object, const QString &hint)
{
    object->setProperty(kHintProperty, hint);
    // What the status line would show is what a screen reader reads as the description.
    if (auto *widget = qobject_cast<QWidget *>(object))
        widget->setAccessibleDescription(hintLongPart(hint));
}

QString hintOf(const QObject *object)
{
    return object->property(kHintProperty).toString();
}
