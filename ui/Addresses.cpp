#include "ui/Addresses.h"

#include "product/ProductInfo.h"
#include "ui/PageContext.h"
#include "ui/WindowSession.h"

#include <QUrl>

QString websiteAddress()
{
    return QStringLiteral("http://" HALVEX_WEBSITE);
}

void openAddress(Seams &seams, const WindowSession &session, const QString &address)
{
    if (!seams.desktop->openUrl(QUrl(address)))
        seams.boxes.error(session.text(halvex::OwnText::CannotOpenAddress).arg(address));
}
