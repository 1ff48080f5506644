#include "app/splashform.h"

#include "resources/artwork/Artwork.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

TfrmSplash::TfrmSplash(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(3);

    auto *picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(artwork::splashPicture());
    picture->setAlignment(Qt::AlignCenter);

    auto *inside = new QVBoxLayout(panel);
    inside->setContentsMargins(3, 3, 3, 3);
    inside->addWidget(picture);
    auto *outside = new QVBoxLayout(this);
    outside->setContentsMargins(0, 0, 0, 0);
    outside->addWidget(panel);

    setFixedSize(sizeHint());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}
