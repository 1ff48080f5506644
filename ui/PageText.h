#pragma once

// Small helpers for the texts of the pages.

#include "language/OwnTexts.h"

#include <QColor>
#include <QString>

class QLabel;
class QTextEdit;
class QWidget;

// A page title: bold and underlined.
QLabel *pageTitle(const QString &name, const QString &text, QWidget *parent);
// Writes the widget's text (a label's or a check box's caption) in the
// colour's hue, dark or light enough to be read on the widget's background.
void setTextColour(QWidget *widget, const QColor &colour);
// A text a reader moves through but cannot change: read-only text to a screen
// reader (not a label), reached by Tab, selectable by keyboard and mouse.
QTextEdit *readOnlyDocument(const QString &name, QWidget *parent);
// One of our own texts in English, as the design's hints beside it stand whatever the language.
QString englishText(halvex::OwnText text);
