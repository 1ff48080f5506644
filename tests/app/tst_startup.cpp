#include "app/StartUp.h"
#include "app/splashform.h"
#include "ui/ErrorForm.h"
#include "ui/MainForm.h"

#include <QTest>
#include <QWindow>

namespace {

// The splash as the user sees it: the 302 x 149 picture centred in a lowered
// bevel three pixels wide, with the face's colour between the two.
void checkSplashPicture(TfrmSplash &splash)
{
    const QImage picture = splash.picture().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(picture.size(), QSize(302, 149));
    const QImage shown = splash.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), QSize(314, 161));
    QCOMPARE(shown.copy(6, 6, 302, 149), picture);
    const QPalette &palette = splash.palette();
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(shown.pixel(i, 80), palette.color(QPalette::Dark).rgb());         // left edge, lowered
        QCOMPARE(shown.pixel(157, i), palette.color(QPalette::Dark).rgb());        // top edge
        QCOMPARE(shown.pixel(313 - i, 80), palette.color(QPalette::Light).rgb());  // right edge
        QCOMPARE(shown.pixel(157, 160 - i), palette.color(QPalette::Light).rgb()); // bottom edge
    }
    QCOMPARE(shown.pixel(4, 80), palette.color(QPalette::Window).rgb());
}

} // namespace

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
                checkSplashPicture(*splash);
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
