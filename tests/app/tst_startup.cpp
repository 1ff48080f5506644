#include "app/StartUp.h"
#include "app/splashform.h"
#include "ui/ErrorForm.h"
#include "ui/MainForm.h"

#include <QLabel>
#include <QTest>
#include <QWindow>

class TestStartUp : public QObject {
    Q_OBJECT

private slots:
    void sequence();
};

void TestStartUp::sequence()
{
    QList<std::chrono::milliseconds> waits;
    bool splashShownDuringWait = false;
    bool mainExistedDuringWait = true;
    const HalvexWindows windows = startHalvex([&](std::chrono::milliseconds duration) {
        waits << duration;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *splash = qobject_cast<TfrmSplash *>(widget)) {
                splashShownDuringWait = splash->isVisible() && splash->windowHandle()->isExposed();
                QCOMPARE(splash->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().size(), QSize(302, 149));
            }
        }
        mainExistedDuringWait =
            !QApplication::topLevelWidgets().isEmpty()
            && std::any_of(QApplication::topLevelWidgets().begin(), QApplication::topLevelWidgets().end(),
                           [](QWidget *w) { return qobject_cast<TfrmMain *>(w) != nullptr; });
    });

    QCOMPARE(waits, QList<std::chrono::milliseconds>{std::chrono::milliseconds(2000)});
    QVERIFY(splashShownDuringWait);
    QVERIFY(!mainExistedDuringWait);
    QCOMPARE(QGuiApplication::applicationName(), QString("Halvex"));
    QCOMPARE(QGuiApplication::desktopFileName(), QString("org.ostrevane.Halvex"));
    QVERIFY(!QApplication::windowIcon().isNull());
    QVERIFY(windows.main->isVisible());
    QVERIFY(windows.error->isHidden());
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<TfrmSplash *>(widget)); // the splash is gone
}

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
