#include "widgets/ReadableStyle.h"

#include "widgets/Contrast.h"

#include <QAbstractScrollArea>
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

void ReadableStyle::drawFocusFrame(const QStyleOption &option, const QRect &around, QPainter *painter,
                                   const QWidget *widget) const
{
    QStyleOptionFocusRect frame;
    frame.QStyleOption::operator=(option);
    frame.rect = around;
    drawPrimitive(PE_FrameFocusRect, &frame, painter, widget);
}

void ReadableStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    // A list, a text or a page view with the focus: its frame's outer line marks it.
    if (element == CE_ShapedFrame && (option->state & State_HasFocus)
        && qobject_cast<const QAbstractScrollArea *>(widget)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        drawFocusFrame(*option, option->rect, painter, widget);
        return;
    }
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if ((element != CE_CheckBox && element != CE_RadioButton) || !button || !(option->state & State_HasFocus)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionButton unfocused = *button;
    unfocused.state &= ~State_HasFocus;
    QProxyStyle::drawControl(element, &unfocused, painter, widget);
    const SubElement label = element == CE_CheckBox ? SE_CheckBoxFocusRect : SE_RadioButtonFocusRect;
    drawFocusFrame(*option, subElementRect(label, button, widget), painter, widget);
}

void ReadableStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                       const QWidget *widget) const
{
    const auto *button = qstyleoption_cast<const QStyleOptionToolButton *>(option);
    if (control != CC_ToolButton || !button || !(option->state & State_HasFocus)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    QStyleOptionToolButton unfocused = *button;
    unfocused.state &= ~State_HasFocus;
    QProxyStyle::drawComplexControl(control, &unfocused, painter, widget);
    drawFocusFrame(*option, option->rect.adjusted(1, 1, -1, -1), painter, widget);
}

void useReadableStyle()
{
    if (!qobject_cast<ReadableStyle *>(QApplication::style()))
        QApplication::setStyle(new ReadableStyle(QApplication::style()->name()));
}
