#include "widgets/CylinderGauge.h"

#include <QAccessible>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace {

constexpr int kMinimum = 0;
constexpr int kMaximum = 100;

void paintBody(QPainter &painter, const QRectF &body, const QColor &light, const QColor &dark)
{
    QLinearGradient shade(body.topLeft(), body.bottomLeft());
    shade.setColorAt(0, dark);
    shade.setColorAt(0.35, light);
    shade.setColorAt(1, dark);
    painter.setBrush(shade);
    painter.drawRect(body);
}

} // namespace

CylinderGauge::CylinderGauge(QWidget *parent) : QWidget(parent)
{
    // Reached by Tab, so that the keyboard and a screen reader can read it.
    setFocusPolicy(Qt::TabFocus);
}

void CylinderGauge::setValue(int value)
{
    const int inRange = std::clamp(value, kMinimum, kMaximum);
    if (inRange == m_value)
        return;
    m_value = inRange;
    update();
    // Its accessible name carries the percentage.
    if (QAccessible::isActive()) {
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
}

QString CylinderGauge::text() const
{
    return QStringLiteral("%1%").arg(m_value);
}

QSize CylinderGauge::sizeHint() const
{
    return {200, 24};
}

void CylinderGauge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    const double capWidth = area.height() / 3;
    const QRectF body = area.adjusted(capWidth / 2, 0, -capWidth / 2, 0);
    const double filled = body.width() * m_value / kMaximum;

    painter.setPen(Qt::NoPen);
    // The empty glass, then the coloured liquid over its filled part.
    paintBody(painter, body, QColor(245, 245, 250), QColor(190, 195, 210));
    if (filled > 0) {
        const QRectF liquid(body.left(), body.top(), filled, body.height());
        paintBody(painter, liquid, QColor(120, 200, 120), QColor(0, 110, 0));
        painter.setBrush(QColor(0, 110, 0));
        painter.drawEllipse(QRectF(liquid.left() - capWidth / 2, liquid.top(), capWidth, liquid.height()));
    } else {
        painter.setBrush(QColor(190, 195, 210));
        painter.drawEllipse(QRectF(body.left() - capWidth / 2, body.top(), capWidth, body.height()));
    }
    // The open end, seen slightly from the side.
    painter.setBrush(QColor(225, 230, 240));
    painter.setPen(QPen(QColor(120, 125, 140), 1));
    painter.drawEllipse(QRectF(body.right() - capWidth / 2, body.top(), capWidth, body.height()));
    painter.setBrush(Qt::NoBrush);
    QPainterPath outline;
    outline.moveTo(body.topLeft());
    outline.lineTo(body.topRight());
    outline.moveTo(body.bottomLeft());
    outline.lineTo(body.bottomRight());
    painter.drawPath(outline);

    painter.setPen(Qt::black);
    painter.drawText(area, Qt::AlignCenter, text());
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}
