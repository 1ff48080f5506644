#include "CommandLine.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstring>
#include <iostream>
#include <memory>

namespace {

// Only the sheet draws pages; it needs the graphical part of Qt, on no screen.
bool drawsPages(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '-')
            return std::strcmp(argv[i], "sheet") == 0;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    std::unique_ptr<QCoreApplication> app;
    if (drawsPages(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("halvex-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(HALVEX_VERSION));
    std::ios::sync_with_stdio(false);
    return halvex::cli::runCommandLine(QCoreApplication::arguments(), std::cin, std::cout, std::cerr);
}
