#include "widgets/ReadableStyle.h"

#include "widgets/Contrast.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

ReadableStyle::ReadableStyle(const QString &baseStyle) : QProxyStyle(baseStyle) {}

void ReadableStyle::polish(QPalette &palette)
{
    QProxyStyle::polish(palette);
    const std::pair<QPalette::ColorRole, QPalette::ColorRole> textOnBackground[] = {
        {QPalette::ButtonText, QPalette::Button},
        {QPalette::WindowText, QPalette::Window},
        {QPalette::Text, QPalette::Base},
    };
    for (const auto &[text, background] : textOnBackground)
        palette.setColor(
            QPalette::Disabled, text,
            readableOn(palette.color(QPalette::Disabled, text), palette.color(QPalette::Disabled, background)));
}

void ReadableStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                  const QWidget *widget) const
{
    if (element != PE_FrameFocusRect) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // A thin solid frame in the highlight's hue, dark or light enough to stand out.
    const QColor around = widget ? widget->palette().color(widget->backgroundRole()) : option->palette.window().color();
    const QColor frame = readableOn(option->palette.color(QPalette::Highlight), around, kGraphicContrast);
    painter->save();
    painter->setPen(QPen(frame, 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

void useReadableStyle()
{
    if (!qobject_cast<ReadableStyle *>(QApplication::style()))
        QApplication::setStyle(new ReadableStyle(QApplication::style()->name()));
}
