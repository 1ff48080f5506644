// The announcer as a screen reader meets it: a notification named by its
// news, hidden for good, one a main window and its dialogs, never told empty
// news; news waits until its window has the focus back, so that the focus is
// spoken first.

#include "widgets/AccessibleInterfaces.h"
#include "widgets/Announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>

namespace {

// What was told, in which window, and where the focus stood then.
struct Told {
    QWidget *window;
    QString news;
    QWidget *focus;
};

// A window with two buttons, the focus on the second.
struct Window {
    QWidget window;
    QPushButton *first = new QPushButton(QStringLiteral("First"), &window);
    QPushButton *second = new QPushButton(QStringLiteral("Second"), &window);

    bool open()
    {
        second->move(0, 40);
        window.show();
        window.activateWindow();
        second->setFocus();
        return QTest::qWaitForWindowActive(&window) && QTest::qWaitFor([this] { return second->hasFocus(); });
    }
};

} // namespace

class TestAnnouncer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installAccessibleInterfaces(); }
    void init();
    void cleanup() { setNewsListener(nullptr); }

    void newsIsANotificationNamedByIt();
    void noNewsIsNeverTold();
    void aDialogTellsThroughItsWindow();
    void newsWaitsForTheFocusToComeBack();
    void newsWaitsNoLongerThanTheWindowSystem();

private:
    QList<Told> m_told;
};

void TestAnnouncer::init()
{
    m_told.clear();
    setNewsListener([this](QWidget *window, const QString &news) {
        m_told.append({window, news, QApplication::focusWidget()});
    });
}

void TestAnnouncer::newsIsANotificationNamedByIt()
{
    Window shown;
    QVERIFY(shown.open());
    Announcer::announce(shown.first, QStringLiteral("Correct ! Normal Acid/Base balance, without Hypoxemia"));
    Announcer::announce(shown.second, QStringLiteral("New case: pH 7.31"));

    QCOMPARE(m_told.size(), 2);
    QCOMPARE(m_told[0].window, &shown.window);
    QCOMPARE(m_told[0].news, QStringLiteral("Correct ! Normal Acid/Base balance, without Hypoxemia"));
    const QList<Announcer *> announcers = shown.window.findChildren<Announcer *>();
    QCOMPARE(announcers.size(), 1);
    QVERIFY(!announcers.front()->isVisible());
    QAccessibleInterface *notification = QAccessible::queryAccessibleInterface(announcers.front());
    QCOMPARE(notification->role(), QAccessible::Notification);
    QCOMPARE(notification->text(QAccessible::Name), QStringLiteral("New case: pH 7.31"));
}

void TestAnnouncer::noNewsIsNeverTold()
{
    Window shown;
    QVERIFY(shown.open());
    Announcer::announce(shown.first, QString());
    QVERIFY(m_told.isEmpty());
    QVERIFY(!shown.window.findChild<Announcer *>());
}

void TestAnnouncer::aDialogTellsThroughItsWindow()
{
    Window shown;
    QVERIFY(shown.open());
    QDialog dialog(&shown.window);
    auto *next = new QPushButton(QStringLiteral("Next page"), &dialog);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    next->setFocus();
    QTRY_VERIFY(next->hasFocus());

    // Told at once, the focus being in the dialog, by the window's own notification.
    Announcer::announce(next, QStringLiteral("Page 2 of 2"));
    QCOMPARE(m_told.size(), 1);
    QCOMPARE(m_told[0].window, &shown.window);
    QCOMPARE(m_told[0].focus, next);
    QVERIFY(!dialog.findChild<Announcer *>());
    QCOMPARE(shown.window.findChildren<Announcer *>().size(), 1);
}

void TestAnnouncer::newsWaitsForTheFocusToComeBack()
{
    Window shown;
    QVERIFY(shown.open());
    QWidget dialog;
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    // Told in a window without the focus: kept until the window has it again.
    Announcer::announce(shown.first, QStringLiteral("Incorrect. Normal Acid/Base balance, without Hypoxemia"));
    QVERIFY(m_told.isEmpty());
    dialog.hide();
    shown.window.activateWindow();
    QTRY_COMPARE(m_told.size(), 1);
    QCOMPARE(m_told[0].news, QStringLiteral("Incorrect. Normal Acid/Base balance, without Hypoxemia"));
    QCOMPARE(m_told[0].focus, shown.second);
}

void TestAnnouncer::newsWaitsNoLongerThanTheWindowSystem()
{
    Window shown;
    QVERIFY(shown.open());
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));

    // A window that never gets the focus back still tells its news.
    Announcer::announce(shown.first, QStringLiteral("New case: pH 7.31"));
    QTRY_COMPARE_WITH_TIMEOUT(m_told.size(), 1, 10000);
    QVERIFY(!shown.window.isActiveWindow());
}

QTEST_MAIN(TestAnnouncer)
#include "tst_announcer.moc"
