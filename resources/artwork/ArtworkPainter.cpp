#include "resources/artwork/ArtworkPainter.h"

#include <algorithm>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace artwork::painter {
namespace {

const QColor kMaroon(128, 0, 0);
const QColor kMarkerRed(220, 0, 0);
const QColor kLightBlue(214, 223, 247);
const QColor kNavy(0, 0, 128);

QPixmap transparent(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A drop of blood: the mark of the ABG group and of the splash picture.
QPainterPath dropPath(const QRectF &box)
{
    QPainterPath path;
    const double cx = box.center().x();
    path.moveTo(cx, box.top());
    path.cubicTo(cx + box.width() * 0.15, box.top() + box.height() * 0.3, box.right(), box.top() + box.height() * 0.5,
                 box.right(), box.top() + box.height() * 0.68);
    path.arcTo(QRectF(box.left(), box.bottom() - box.width(), box.width(), box.width()), 0, -180);
    path.cubicTo(box.left(), box.top() + box.height() * 0.5, cx - box.width() * 0.15, box.top() + box.height() * 0.3,
                 cx, box.top());
    return path;
}

// The product's name in maroon over a line of navy text, as on the splash and the printed sheet.
void paintWordmark(QPainter &painter, const QRectF &name, int namePixels, const QRectF &line, int linePixels,
                   const QString &text)
{
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(namePixels);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(kMaroon);
    painter.drawText(name, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Halvex"));
    QFont subtitle(QStringLiteral("Arial"));
    subtitle.setPixelSize(linePixels);
    painter.setFont(subtitle);
    painter.setPen(kNavy);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, text);
}

void paintDrop(QPainter &painter, const QRectF &box)
{
    QRadialGradient shine(box.left() + box.width() * 0.35, box.top() + box.height() * 0.6, box.width() * 0.7);
    shine.setColorAt(0, QColor(240, 60, 60));
    shine.setColorAt(1, kMaroon);
    painter.setPen(QPen(kMaroon.darker(130), 1));
    painter.setBrush(shine);
    painter.drawPath(dropPath(box));
}

QPixmap splashPicture()
{
    QPixmap pixmap(302, 149);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, 149);
    sky.setColorAt(0, Qt::white);
    sky.setColorAt(1, kLightBlue);
    painter.fillRect(pixmap.rect(), sky);

    // A gas-exchange trace across the foot of the picture.
    QPainterPath trace;
    trace.moveTo(0, 122);
    for (int x = 0; x <= 302; x += 2) {
        const double t = x / 302.0;
        const double beat = (x % 60 > 24 && x % 60 < 34) ? -18.0 * (x % 60 == 28 ? 1.0 : 0.4) : 0.0;
        trace.lineTo(x, 122 - 6 * t + beat);
    }
    painter.setPen(QPen(kNavy, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(trace);

    paintDrop(painter, QRectF(22, 22, 46, 66));

    paintWordmark(painter, QRectF(84, 18, 210, 50), 40, QRectF(86, 66, 210, 20), 13,
                  QStringLiteral("Arterial Blood Gas Analyzer"));
    return pixmap;
}

QPixmap tickMarker()
{
    QPixmap pixmap = transparent(16, 16);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kMarkerRed, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
    return pixmap;
}

QPixmap arrowMarker()
{
    QPixmap pixmap = transparent(16, 16);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kMarkerRed);
    painter.drawPolygon(QPolygonF(
        {QPointF(2, 6), QPointF(8, 6), QPointF(8, 2), QPointF(15, 8), QPointF(8, 14), QPointF(8, 10), QPointF(2, 10)}));
    return pixmap;
}

QPixmap groupIcon(GroupIcon kind)
{
    QPixmap pixmap = transparent(32, 32);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
    case GroupIcon::Abg:
        paintDrop(painter, QRectF(8, 2, 16, 27));
        break;
    case GroupIcon::Units: {
        // A pressure dial.
        painter.setPen(QPen(kNavy, 2));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QRectF(3, 3, 26, 26));
        for (int i = 0; i < 5; ++i) {
            painter.save();
            painter.translate(16, 16);
            painter.rotate(-135 + i * 67.5);
            painter.drawLine(QPointF(0, -11), QPointF(0, -8));
            painter.restore();
        }
        painter.setPen(QPen(kMarkerRed, 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(16, 16), QPointF(23, 10));
        break;
    }
    case GroupIcon::Language: {
        // A speech bubble with letters.
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(2, 4, 28, 19), 5, 5);
        bubble.moveTo(8, 22);
        bubble.lineTo(7, 29);
        bubble.lineTo(14, 22);
        painter.setPen(QPen(kNavy, 1.5));
        painter.setBrush(Qt::white);
        painter.drawPath(bubble.simplified());
        QFont letters(QStringLiteral("Arial"));
        letters.setPixelSize(12);
        letters.setBold(true);
        painter.setFont(letters);
        painter.setPen(kMaroon);
        painter.drawText(QRectF(2, 4, 28, 19), Qt::AlignCenter, QStringLiteral("Aa"));
        break;
    }
    }
    return pixmap;
}

QPixmap reportLogo()
{
    QPixmap pixmap(166, 65);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paintDrop(painter, QRectF(8, 8, 32, 48));
    paintWordmark(painter, QRectF(48, 4, 118, 38), 30, QRectF(48, 40, 118, 16), 10,
                  QStringLiteral("Blood Gas Analyzer"));
    return pixmap;
}

QPixmap printerIcon()
{
    QPixmap pixmap = transparent(16, 16);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5, 1.5, 7, 5)); // paper going in
    painter.setBrush(QColor(150, 155, 165));
    painter.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1.5, 1.5); // the body
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5, 9.5, 7, 5)); // the printed page
    painter.setPen(QPen(kNavy, 1));
    painter.drawLine(QPointF(6, 11.5), QPointF(10, 11.5));
    painter.drawLine(QPointF(6, 13), QPointF(9, 13));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 160, 0));
    painter.drawEllipse(QRectF(11.5, 7, 2, 2));
    return pixmap;
}

} // namespace

QPixmap applicationIcon(int size)
{
    QPixmap pixmap = transparent(size, size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    QLinearGradient sky(0, 0, 0, s);
    sky.setColorAt(0, Qt::white);
    sky.setColorAt(1, kLightBlue);
    painter.setPen(QPen(kNavy, std::max(1.0, s / 32)));
    painter.setBrush(sky);
    painter.drawRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.18, s * 0.18);
    paintDrop(painter, QRectF(s * 0.28, s * 0.12, s * 0.44, s * 0.72));
    return pixmap;
}

QPixmap draw(Picture picture)
{
    switch (picture) {
    case Picture::Splash:
        return splashPicture();
    case Picture::Tick:
        return tickMarker();
    case Picture::Arrow:
        return arrowMarker();
    case Picture::GroupAbg:
        return groupIcon(GroupIcon::Abg);
    case Picture::GroupUnits:
        return groupIcon(GroupIcon::Units);
    case Picture::GroupLanguage:
        return groupIcon(GroupIcon::Language);
    case Picture::ReportLogo:
        return reportLogo();
    case Picture::Printer:
        return printerIcon();
    }
    return {};
}

} // namespace artwork::painter
