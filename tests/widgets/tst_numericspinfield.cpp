#include "widgets/NumericSpinField.h"

#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

// A field beside a button that can take the focus away from it.
struct FieldFixture {
    QWidget window;
    NumericSpinField *field = new NumericSpinField(&window);
    QPushButton *other = new QPushButton(QStringLiteral("other"), &window);

    FieldFixture(double minimum, double maximum, int decimals, double step = 1, bool whole = false)
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        field->setWholeNumbers(whole);
        field->setRange(minimum, maximum);
        field->setSingleStep(step);
        field->setDecimals(decimals);
        field->setMaxLength(6);
        window.show();
        window.activateWindow();
    }

    bool focusField()
    {
        field->setFocus();
        return QTest::qWaitForWindowActive(&window) && field->hasFocus();
    }

    void type(const QString &text)
    {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }

    void leave() { other->setFocus(); }
};

class TestNumericSpinField : public QObject {
    Q_OBJECT

private slots:
    void init();
    void writtenValues_data();
    void writtenValues();
    void reading_data();
    void reading();
    void typing_data();
    void typing();
    void leavingPullsIntoTheLimits_data();
    void leavingPullsIntoTheLimits();
    void exitHandlerRunsBeforeTheLimits();
    void aPopupIsNoLeaving_data();
    void aPopupIsNoLeaving();
    void refusedKeysBeep_data();
    void refusedKeysBeep();
    void stepping();
    void readOnlyDoesNotStep();
    void changingTheDecimalsRewritesTheValue();
};

void TestNumericSpinField::init()
{
    // A decimal comma in the user's locale must not change the field.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestNumericSpinField::writtenValues_data()
{
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("half away from zero") << 0.0 << 400.0 << 0 << 37.5 << "38";
    QTest::newRow("40.5") << 0.0 << 400.0 << 0 << 40.5 << "41";
    QTest::newRow("two decimals") << 1.0 << 14.0 << 2 << 7.4 << "7.40";
    QTest::newRow("three decimals") << 1.0 << 14.0 << 3 << 7.35 << "7.350";
    QTest::newRow("kPa one decimal") << 0.0 << 53.0 << 1 << 5.32 << "5.3";
    QTest::newRow("above the maximum") << 1.0 << 14.0 << 2 << 73.5 << "14.00";
    QTest::newRow("below the minimum") << 21.0 << 100.0 << 0 << 5.0 << "21";
    QTest::newRow("no thousands separator") << 0.0 << 100000.0 << 0 << 12345.0 << "12345";
}

void TestNumericSpinField::writtenValues()
{
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(int, decimals);
    QFETCH(double, value);
    QFETCH(QString, text);

    NumericSpinField field;
    field.setRange(minimum, maximum);
    field.setDecimals(decimals);
    field.setValue(value);
    QCOMPARE(field.text(), text);
}

void TestNumericSpinField::reading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("a number") << "7.35" << 7.35;
    QTest::newRow("outside the limits reads as typed") << "735" << 735.0;
    QTest::newRow("exponent") << "74e-1" << 7.4;
    QTest::newRow("empty reads as the minimum") << "" << 1.0;
    QTest::newRow("not a number reads as the minimum") << "7e" << 1.0;
    QTest::newRow("a lone sign") << "-" << 1.0;
}

void TestNumericSpinField::reading()
{
    QFETCH(QString, text);
    QFETCH(double, value);

    NumericSpinField field;
    field.setRange(1, 14);
    field.setDecimals(2);
    field.setText(text);
    QCOMPARE(field.value(), value);
    QCOMPARE(field.isEmpty(), text.isEmpty());
}

void TestNumericSpinField::typing_data()
{
    QTest::addColumn<bool>("whole");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");

    QTest::newRow("digits") << false << "735"
                            << "735";
    QTest::newRow("point") << false << "7.35"
                           << "7.35";
    QTest::newRow("second point refused") << false << "7.3.5"
                                          << "7.35";
    QTest::newRow("letters refused") << false << "7a,b3"
                                     << "73";
    QTest::newRow("one exponent letter") << false << "7e1e"
                                         << "7e1";
    QTest::newRow("signs") << false << "-+5"
                           << "-+5";
    QTest::newRow("at most six characters") << false << "1234567"
                                            << "123456";
    QTest::newRow("whole field refuses the point") << true << "2.5"
                                                   << "25";
    QTest::newRow("whole field refuses the exponent") << true << "2e5"
                                                      << "25";
}

void TestNumericSpinField::typing()
{
    QFETCH(bool, whole);
    QFETCH(QString, keys);
    QFETCH(QString, text);

    FieldFixture fixture(0, 1000000, whole ? 0 : 2, 1, whole);
    QVERIFY(fixture.focusField());
    fixture.type(keys);
    QCOMPARE(fixture.field->text(), text);
}

void TestNumericSpinField::leavingPullsIntoTheLimits_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("inside the limits is left as typed") << "7.3"
                                                        << "7.3";
    QTest::newRow("above is pulled to the maximum") << "20"
                                                    << "14.00";
    QTest::newRow("below is pulled to the minimum") << "0.5"
                                                    << "1.00";
    QTest::newRow("empty stays empty") << ""
                                       << "";
}

void TestNumericSpinField::leavingPullsIntoTheLimits()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    FieldFixture fixture(1, 14, 2, 0.01);
    // Whoever follows the user's edits last reads what the field shows.
    QString lastEdited;
    QObject::connect(fixture.field, &NumericSpinField::edited, [&] { lastEdited = fixture.field->text(); });
    QVERIFY(fixture.focusField());
    fixture.type(typed);
    fixture.leave();
    QCOMPARE(fixture.field->text(), shown);
    QCOMPARE(lastEdited, shown);
}

void TestNumericSpinField::exitHandlerRunsBeforeTheLimits()
{
    FieldFixture fixture(1, 14, 2, 0.01);
    QString seenByHandler;
    fixture.field->setExitHandler([&] {
        seenByHandler = fixture.field->text();
        fixture.field->setValue(fixture.field->value() / 100);
    });
    QVERIFY(fixture.focusField());
    fixture.type(QStringLiteral("735"));
    fixture.leave();
    QCOMPARE(seenByHandler, QString("735"));
    QCOMPARE(fixture.field->text(), QString("7.35"));
}

void TestNumericSpinField::aPopupIsNoLeaving_data()
{
    QTest::addColumn<int>("reason");
    QTest::newRow("context menu") << int(Qt::PopupFocusReason);
    QTest::newRow("another window") << int(Qt::ActiveWindowFocusReason);
}

void TestNumericSpinField::aPopupIsNoLeaving()
{
    QFETCH(int, reason);

    FieldFixture fixture(1, 14, 2, 0.01);
    int exits = 0;
    fixture.field->setExitHandler([&] { ++exits; });
    QVERIFY(fixture.focusField());
    fixture.type(QStringLiteral("735"));
    QFocusEvent away(QEvent::FocusOut, Qt::FocusReason(reason));
    QApplication::sendEvent(fixture.field, &away);
    QCOMPARE(exits, 0);
    QCOMPARE(fixture.field->text(), QString("735"));

    // A real context menu, closed again: still the same text.
    QTimer::singleShot(0, [] {
        if (QWidget *menu = QApplication::activePopupWidget())
            menu->close();
    });
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(5, 5), fixture.field->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(fixture.field, &menu);
    QCOMPARE(fixture.field->text(), QString("735"));
    QCOMPARE(exits, 0);

    // Back in the window, the focus moves on to another control.
    fixture.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fixture.window));
    fixture.leave();
    QCOMPARE(exits, 1);
    QCOMPARE(fixture.field->text(), QString("14.00"));
}

void TestNumericSpinField::refusedKeysBeep_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("selected"); // as right after Tab or Enter
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("beeps");

    QTest::newRow("letter, nothing selected") << "7.5" << false << "a" << true;
    QTest::newRow("letter over the selection") << "7.5" << true << "a" << true;
    QTest::newRow("second point") << "7.5" << false << "." << true;
    QTest::newRow("digit, nothing selected") << "7.5" << false << "5" << false;
    QTest::newRow("digit over the selection") << "7.5" << true << "5" << false;
    QTest::newRow("the same digit over the selection") << "7" << true << "7" << false;
}

void TestNumericSpinField::refusedKeysBeep()
{
    QFETCH(QString, text);
    QFETCH(bool, selected);
    QFETCH(QString, key);
    QFETCH(bool, beeps);

    FieldFixture fixture(0, 1000, 1, 1);
    QVERIFY(fixture.focusField());
    fixture.field->setText(text);
    if (selected)
        fixture.field->selectAll();
    else
        fixture.field->findChild<QLineEdit *>()->end(false);
    QSignalSpy refused(fixture.field, &NumericSpinField::refused);
    QTest::keyClicks(fixture.field, key);
    QCOMPARE(refused.count(), beeps ? 1 : 0);
}

void TestNumericSpinField::stepping()
{
    FieldFixture fixture(1, 14, 2, 0.01);
    fixture.field->setValue(7.40);
    QVERIFY(fixture.focusField());
    QTest::keyClick(fixture.field, Qt::Key_Up);
    QCOMPARE(fixture.field->text(), QString("7.41"));
    QTest::keyClick(fixture.field, Qt::Key_Down);
    QTest::keyClick(fixture.field, Qt::Key_Down);
    QCOMPARE(fixture.field->text(), QString("7.39"));

    fixture.field->setValue(14);
    QTest::keyClick(fixture.field, Qt::Key_Up);
    QCOMPARE(fixture.field->text(), QString("14.00"));
    fixture.field->stepBy(-3);
    QCOMPARE(fixture.field->text(), QString("13.97"));
}

void TestNumericSpinField::readOnlyDoesNotStep()
{
    FieldFixture fixture(1, 14, 2, 0.01);
    fixture.field->setValue(7.40);
    fixture.field->setReadOnly(true);
    QVERIFY(fixture.focusField());
    QSignalSpy refused(fixture.field, &NumericSpinField::refused);
    QTest::keyClick(fixture.field, Qt::Key_Up);
    fixture.field->stepBy(1);
    QTest::keyClicks(fixture.field, QStringLiteral("5"));
    QCOMPARE(fixture.field->text(), QString("7.40"));
    QCOMPARE(refused.count(), 3); // the arrow key, the step and the typed key: a locked field is never silent
}

void TestNumericSpinField::changingTheDecimalsRewritesTheValue()
{
    NumericSpinField field;
    field.setRange(1, 14);
    field.setDecimals(2);
    field.setValue(7.355);
    QCOMPARE(field.text(), QString("7.36"));
    field.setDecimals(3);
    QCOMPARE(field.text(), QString("7.360"));
    field.setDecimals(1);
    QCOMPARE(field.text(), QString("7.4"));
}

QTEST_MAIN(TestNumericSpinField)
#include "tst_numericspinfield.moc"
