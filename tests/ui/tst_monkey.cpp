// A seeded monkey: thousands of random clicks, pointer moves and keys on the
// main window, across every page, with every dialog answered by recorders.
// After each step the window must still hold together: one side-bar arrow, the
// page shown the one page item chosen, one unit and one language ticked, the
// fields within their limits once left, the result fields read-only, at most
// one answer box ticked, the gauge within 0 to 100, and the status line showing
// the hint under the pointer. A failure names its seed and step;
// HALVEX_MONKEY_SEED and HALVEX_MONKEY_EVENTS repeat or lengthen a run.

#include "report/dialogs/ReportRunner.h"
#include "tests/support/WindowFixture.h"
#include "ui/SideBarActions.h"
#include "ui/TeacherPage.h"
#include "widgets/CylinderGauge.h"
#include "widgets/Hints.h"
#include "widgets/IndexedAction.h"
#include "widgets/NumericSpinField.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QStackedWidget>
#include <QWindow>

#include <random>

namespace {

struct SilentRunner final : ReportRunner {
    void run(const Report &) override {}
};

const int kKeys[] = {Qt::Key_0,  Qt::Key_3,     Qt::Key_5,     Qt::Key_7,      Qt::Key_9,         Qt::Key_Period,
                     Qt::Key_A,  Qt::Key_Minus, Qt::Key_E,     Qt::Key_Tab,    Qt::Key_Backtab,   Qt::Key_Return,
                     Qt::Key_Up, Qt::Key_Down,  Qt::Key_Space, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Delete};

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { m_fixture.forgetSettings(); }
    void randomUse_data();
    void randomUse();

private:
    // What must hold after every step; empty when it all does.
    QString brokenInvariant() const;
    QString expectedStatus(QPoint inWindow) const;
    // The long hint of the widget or of its nearest ancestor that has one.
    QString hintAround(const QWidget *widget) const;

    WindowFixture m_fixture;
};

void TestMonkey::randomUse_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("events");

    const int events =
        qEnvironmentVariableIsSet("HALVEX_MONKEY_EVENTS") ? qEnvironmentVariableIntValue("HALVEX_MONKEY_EVENTS") : 1000;
    if (qEnvironmentVariableIsSet("HALVEX_MONKEY_SEED")) {
        QTest::newRow("seed from the environment")
            << quint32(qEnvironmentVariableIntValue("HALVEX_MONKEY_SEED")) << events;
        return;
    }
    // Among them seeds that once reached a file dialog no one answered.
    for (const quint32 seed : {1u, 2u, 3u, 12u, 14u, 16u, 24u, 101u, 202u})
        QTest::addRow("seed %u", seed) << seed << events;
}

QString TestMonkey::expectedStatus(QPoint inWindow) const
{
    return hintAround(m_fixture.window->childAt(inWindow));
}

QString TestMonkey::hintAround(const QWidget *widget) const
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        const QString hint = hintLongPart(hintOf(w));
        if (!hint.isEmpty() || w == m_fixture.window.get())
            return hint;
    }
    return {};
}

QString TestMonkey::brokenInvariant() const
{
    TfrmMain &window = *m_fixture.window;
    const auto imageOf = [&](const char *name) { return window.findChild<IndexedAction *>(name)->imageIndex(); };

    int arrows = 0;
    for (const BarActionRow &row : kBarActions)
        arrows += imageOf(row.action) == kArrowImage ? 1 : 0;
    if (arrows != 1)
        return QStringLiteral("%1 side-bar arrows").arg(arrows);
    for (const TfrmMain::PageRow &row : TfrmMain::pageRows()) {
        const char *action = kBarActions[static_cast<std::size_t>(row.action)].action;
        const bool shown = window.pcABGDetails()->currentIndex() == static_cast<int>(row.page);
        if (window.findChild<IndexedAction *>(action)->isChosen() != shown)
            return QStringLiteral("%1 %2 chosen").arg(QLatin1String(action), shown ? "shown but not" : "not shown but");
    }
    if ((imageOf("alBarMMHG") == kTickImage) == (imageOf("alBarKPa") == kTickImage))
        return QStringLiteral("not one unit ticked");
    if ((imageOf("alBarEnglish") == kTickImage) == (imageOf("alBarFrench") == kTickImage))
        return QStringLiteral("not one language ticked");

    for (NumericSpinField *field : window.findChildren<NumericSpinField *>()) {
        if (field->hasFocus() || field->text().isEmpty())
            continue;
        if (field->value() < field->minimum() || field->value() > field->maximum())
            return QStringLiteral("%1 shows %2 outside %3 to %4")
                .arg(field->objectName(), field->text())
                .arg(field->minimum())
                .arg(field->maximum());
    }
    for (QLineEdit *result : {window.inputPanel()->edtAssessAcidBase(), window.inputPanel()->edtAssessO2()}) {
        if (!result->isReadOnly())
            return result->objectName() + QStringLiteral(" is editable");
    }
    if (const TeacherPage *teacher = window.findChild<TeacherPage *>()) {
        int ticked = 0;
        for (const halvex::AbgCategoryInfo &info : halvex::abgCategories())
            ticked +=
                teacher->findChild<QCheckBox *>(categoryControlName(QStringLiteral("chk"), info.category))->isChecked()
                    ? 1
                    : 0;
        if (ticked > 1)
            return QStringLiteral("%1 answers ticked").arg(ticked);
        const int gauge = teacher->findChild<CylinderGauge *>(QStringLiteral("pb"))->value();
        if (gauge < 0 || gauge > 100)
            return QStringLiteral("the gauge at %1").arg(gauge);
    }
    return {};
}

void TestMonkey::randomUse()
{
    QFETCH(quint32, seed);
    QFETCH(int, events);

    QVERIFY(m_fixture.open(seed));
    TfrmMain &window = *m_fixture.window;
    window.setReportRunner(std::make_unique<SilentRunner>());
    QWindow *handle = window.windowHandle();
    std::mt19937 random(seed);
    const auto below = [&](int n) { return int(random() % unsigned(n)); };

    QSet<QString> pagesSeen;
    // What a key that moved the focus left on the status line stays until the mouse enters another control.
    QString keyboardHint;
    for (int step = 0; step < events; ++step) {
        const int kind = below(10);
        QString did;
        if (kind < 6) {
            // A click somewhere on a control that is shown, the pointer moved there first.
            QList<QWidget *> shown;
            for (QWidget *widget : window.findChildren<QWidget *>()) {
                if (widget->isVisible() && widget->isEnabled() && widget->width() > 0 && widget->height() > 0)
                    shown << widget;
            }
            QWidget *target = shown[below(int(shown.size()))];
            const QPoint point = target->mapTo(&window, QPoint(below(target->width()), below(target->height())));
            QTest::mouseMove(handle, point);
            const QString status = window.statusLine()->text();
            QVERIFY2(status == expectedStatus(point) || status == keyboardHint,
                     qPrintable(QStringLiteral("seed %1 step %2: status line \"%3\" over %4, expected \"%5\"")
                                    .arg(seed)
                                    .arg(step)
                                    .arg(status, target->objectName(), expectedStatus(point))));
            QTest::mouseClick(handle, Qt::LeftButton, {}, point);
            did = QStringLiteral("click on %1 (%2)").arg(target->objectName(), target->metaObject()->className());
        } else {
            const int key = kKeys[below(int(std::size(kKeys)))];
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : &window, Qt::Key(key));
            // Tab shows the hint of where the focus went; a key whose action moved
            // the focus (Space on Clear puts it into the pH field) leaves the hint
            // shown before: either way, what the status line now says stands.
            if (QApplication::focusWidget() != focus)
                keyboardHint = window.statusLine()->text();
            did =
                QStringLiteral("key %1 on %2").arg(key).arg(focus ? focus->objectName() : QStringLiteral("the window"));
        }
        QApplication::processEvents();
        const QString broken = brokenInvariant();
        QVERIFY2(broken.isEmpty(),
                 qPrintable(QStringLiteral("seed %1 step %2 after %3: %4").arg(seed).arg(step).arg(did, broken)));
        QVERIFY2(QApplication::activeModalWidget() == nullptr,
                 qPrintable(QStringLiteral("seed %1 step %2: a dialog was left open").arg(seed).arg(step)));
        pagesSeen << window.pcABGDetails()->currentWidget()->objectName();
    }
    // The run went round the window, not into one corner of it.
    if (events >= 1000)
        QVERIFY2(pagesSeen.size() >= 6, qPrintable(QStringList(pagesSeen.values()).join(", ")));
    qInfo("seed %u: %d events, pages seen: %s; %lld messages", seed, events,
          qPrintable(QStringList(pagesSeen.values()).join(", ")), qlonglong(m_fixture.boxes.count()));
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
