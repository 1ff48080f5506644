#include "ArgumentText.h"
#include "CommandLine.h"
#include "StandardDescriptors.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
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

// The command line says only what it has to say itself: Qt's warnings are not
// for its users. A failure Qt cannot go on from ends the program with status 2.
void quietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtFatalMsg)
        return;
    std::fprintf(stderr, "halvex-cli: cannot go on: %s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(halvex::cli::ExitFailure);
}

} // namespace

int main(int argc, char *argv[])
{
    halvex::occupyClosedStandardDescriptors();
    qInstallMessageHandler(quietQtMessages);
    std::unique_ptr<QCoreApplication> app;
    if (drawsPages(argc, argv)) {
        // Pages are drawn off any screen, whatever window system the environment names.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("halvex-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(HALVEX_VERSION));
    std::ios::sync_with_stdio(false);

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << halvex::cli::argumentText(argv[i]);
    return halvex::cli::runCommandLine(arguments, std::cin, std::cout, std::cerr);
}
