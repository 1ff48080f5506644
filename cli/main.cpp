#include "cli/ArgumentText.h"
#include "cli/CommandLine.h"
#include "process/StandardDescriptors.h"

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

// Qt's own arguments that choose how pages are drawn: the command line draws
// off any screen whatever they say, so they are left aside with their values.
bool isQtPlatformArgument(const char *argument)
{
    for (const char *name : {"-platform", "-platformpluginpath", "-platformtheme", "-plugin"}) {
        if (std::strcmp(argument, name) == 0 || (argument[0] == '-' && std::strcmp(argument + 1, name) == 0))
            return true;
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
    // Qt sees the program's name only: every argument is the command line's.
    static int qtArgc = 1;
    std::unique_ptr<QCoreApplication> app;
    if (drawsPages(argc, argv)) {
        // Pages are drawn off any screen, whatever window system the environment names.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(qtArgc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(qtArgc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("halvex-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(HALVEX_VERSION));
    std::ios::sync_with_stdio(false);

    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        if (i > 0 && isQtPlatformArgument(argv[i])) {
            ++i; // and its value
            continue;
        }
        arguments << halvex::cli::argumentText(argv[i]);
    }
    return halvex::cli::runCommandLine(arguments, std::cin, std::cout, std::cerr);
}
