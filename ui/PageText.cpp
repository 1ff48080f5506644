#include "PageText.h"

#include <QLabel>

QLabel *pageTitle(const QString &name, const QString &text, QWidget *parent)
{
    auto *title = new QLabel(text, parent);
    title->setObjectName(name);
    QFont font = title->font();
    font.setBold(true);
    font.setUnderline(true);
    title->setFont(font);
    return title;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}
