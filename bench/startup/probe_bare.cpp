// The yardstick: a bare Qt window (a QMainWindow with one label) shown and idle.

#include "ProbeReport.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Hello"), &window));
    window.show();
    reportWhenIdle();
    return QApplication::exec();
}
