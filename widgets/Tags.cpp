#include "widgets/Tags.h"

#include <QObject>
#include <QVariant>

namespace {
constexpr char kTagProperty[] = "tag";
}

void setTag(QObject *object, int tag)
{
    object->setProperty(kTagProperty, tag);
}

int tagOf(const QObject *object)
{
    return object->property(kTagProperty).toInt();
}
