#pragma once

// What a screen reader meets in a LabelTable: a table of cells, its header
// cells named as headers, each cell read once by its text.

class QAccessibleInterface;
class QObject;
class QString;

// The interface for the table or one of its labels; none for any other object.
QAccessibleInterface *labelTableAccessible(const QString &className, QObject *object);
