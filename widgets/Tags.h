#pragma once

// An integer tag on any widget, as the designer's Tag property: a way to find
// a group of controls, or a control's number, without knowing its name.

class QObject;

void setTag(QObject *object, int tag);
int tagOf(const QObject *object); // 0 when none was set
