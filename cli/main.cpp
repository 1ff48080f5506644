#include "CommandLine.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("halvex-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(HALVEX_VERSION));
    std::ios::sync_with_stdio(false);
    return halvex::cli::runCommandLine(QCoreApplication::arguments(), std::cin, std::cout, std::cerr);
}
