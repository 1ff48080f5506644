#include "app/StartUp.h"
#include "process/StandardDescriptors.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    halvex::occupyClosedStandardDescriptors();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Ostrevane Software"));
    QApplication::setApplicationName(QStringLiteral("Halvex"));
    QApplication::setApplicationVersion(QStringLiteral(HALVEX_VERSION));

    const HalvexWindows windows = startHalvex(sleepUserInterface);
    return QApplication::exec();
}
