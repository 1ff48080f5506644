#include "widgets/ClickableLabel.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {

// Where a label puts its text: at the left, centred on its height.
constexpr Qt::Alignment kAlignment = Qt::AlignLeft | Qt::AlignVCenter;

} // namespace

ClickableLabel::ClickableLabel(QWidget *parent) : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void ClickableLabel::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    updateGeometry();
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void ClickableLabel::activate()
{
    emit clicked();
}

// As a label measures one line of plain text.
QSize ClickableLabel::sizeHint() const
{
    return fontMetrics().boundingRect(QRect(0, 0, 2000, 2000), kAlignment, m_text).size();
}

// A label is as small as its one line allows; this label's own measure, not a subclass's.
QSize ClickableLabel::minimumSizeHint() const
{
    return ClickableLabel::sizeHint();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        activate();
    QWidget::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        activate();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    painter.drawItemText(rect(), QStyle::visualAlignment(layoutDirection(), kAlignment), palette(), isEnabled(), m_text,
                         foregroundRole());
    if (!hasFocus())
        return;
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}

void ClickableLabel::changeEvent(QEvent *event)
{
    // A new font asks for another room.
    if (event->type() == QEvent::FontChange)
        updateGeometry();
    QWidget::changeEvent(event);
}
