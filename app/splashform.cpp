#include "app/splashform.h"

#include "resources/artwork/Artwork.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <qdrawutil.h>

namespace {

// The lowered bevel's width, and the room between its inner edge and the picture.
constexpr int kBevelWidth = 3;
constexpr int kPictureInset = 2 * kBevelWidth;

} // namespace

TfrmSplash::TfrmSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_picture(artwork::splashPicture())
{
    setObjectName(QStringLiteral("frmSplash"));
    // The bevel, the face inside it and the picture cover every pixel.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(m_picture.size() + QSize(2 * kPictureInset, 2 * kPictureInset));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TfrmSplash::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QBrush face = palette().window();
    qDrawShadePanel(&painter, rect(), palette(), true, kBevelWidth, &face);
    painter.drawPixmap(kPictureInset, kPictureInset, m_picture);
}
