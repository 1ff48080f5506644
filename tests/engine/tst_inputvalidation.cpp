#include "engine/InputValidation.h"
#include "tests/support/TestText.h"

#include <QTest>

#include <cmath>

using namespace halvex;

Q_DECLARE_METATYPE(AbgInput)

namespace {

AbgInput initialValues()
{
    return {.pH = 7.40, .PaCO2 = 40, .PaO2 = 90, .HCO3 = 24, .FiO2 = 21, .Age = 40};
}

template <typename Change>
AbgInput with(Change change)
{
    AbgInput input = initialValues();
    change(input);
    return input;
}

} // namespace

class TestInputValidation : public QObject {
    Q_OBJECT

private slots:
    void checksInOrder_data();
    void checksInOrder();
    void pressuresAreConvertedToMmHg();
};

void TestInputValidation::checksInOrder_data()
{
    QTest::addColumn<AbgInput>("input");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("message"); // empty when the input is accepted
    QTest::addColumn<bool>("translated");
    QTest::addColumn<bool>("information");

    const QString empty = "One or more fields are Empty!";
    const QString ph = "pH is out of range!  Range : 1 to 14 -log[H]";
    const QString age = "AGE is out of range!  Range 0 to 135 Years";
    const QString o2 = "O2(%) is out of range!  Range: 21 to 100 %";
    const auto row = [](const char *name, AbgInput input, const char *units, const QString &message,
                        bool translated = true, bool information = false) {
        QTest::newRow(name) << input << QString(units) << message << translated << information;
    };

    row("initial values", initialValues(), "MMHG", "");
    row("initial values in kPa", with([](AbgInput &i) {
            i.PaCO2 = 5.3;
            i.PaO2 = 12;
        }),
        "KPA", "");
    row("empty pH", with([](AbgInput &i) { i.pH.reset(); }), "MMHG", empty);
    row("empty HCO3", with([](AbgInput &i) { i.HCO3.reset(); }), "MMHG", empty);
    row("empty beats out of range", with([](AbgInput &i) {
            i.pH = 20;
            i.PaO2.reset();
        }),
        "MMHG", empty);
    row("pH 1 and 14 accepted", with([](AbgInput &i) { i.pH = 14; }), "MMHG", "");
    row("pH below 1", with([](AbgInput &i) { i.pH = 0.99; }), "MMHG", ph);
    row("pH above 14", with([](AbgInput &i) { i.pH = 14.01; }), "MMHG", ph);
    row("pH before PaCO2", with([](AbgInput &i) {
            i.pH = 20;
            i.PaCO2 = 0;
        }),
        "MMHG", ph);
    row("PaCO2 0", with([](AbgInput &i) { i.PaCO2 = 0; }), "MMHG", "PaCO2 is out of range!  Range: 0 to 400 mmHg");
    row("PaCO2 400 accepted", with([](AbgInput &i) { i.PaCO2 = 400; }), "MMHG", "");
    row("PaCO2 401", with([](AbgInput &i) { i.PaCO2 = 401; }), "mmhg", "PaCO2 is out of range!  Range: 0 to 400 mmHg");
    row("PaCO2 0 in kPa", with([](AbgInput &i) { i.PaCO2 = 0; }), "KPA", "PaCO2 is out of range!  Range: 0 to 53 kpa");
    row("PaCO2 54 in kPa", with([](AbgInput &i) { i.PaCO2 = 54; }), "KPA",
        "PaCO2 is out of range!  Range: 0 to 53 kpa");
    row("unknown unit checks kPa", with([](AbgInput &i) { i.PaCO2 = 54; }), "PSI",
        "PaCO2 is out of range!  Range: 0 to 53 kpa");
    row("PaO2 0", with([](AbgInput &i) { i.PaO2 = 0; }), "MMHG", "PaO2 is out range!  Range: 0 to 700 mmHg");
    row("PaO2 700 accepted", with([](AbgInput &i) { i.PaO2 = 700; }), "MMHG", "");
    row("PaO2 94 in kPa", with([](AbgInput &i) {
            i.PaCO2 = 5;
            i.PaO2 = 94;
        }),
        "KPA", "PaO2 is out range!  Range: 0 to 93 kpa");
    row("HCO3 0 accepted", with([](AbgInput &i) { i.HCO3 = 0; }), "MMHG", "");
    row("HCO3 negative", with([](AbgInput &i) { i.HCO3 = -1; }), "MMHG",
        "HCO3 is out of range!  Range: 0 to 200 mEq/L");
    row("HCO3 201", with([](AbgInput &i) { i.HCO3 = 201; }), "MMHG", "HCO3 is out of range!  Range: 0 to 200 mEq/L");
    row("age 0 accepted", with([](AbgInput &i) { i.Age = 0; }), "MMHG", "");
    row("age 136", with([](AbgInput &i) { i.Age = 136; }), "MMHG", age);
    row("age before O2", with([](AbgInput &i) {
            i.Age = 136;
            i.FiO2 = 101;
        }),
        "MMHG", age);
    row("O2 20", with([](AbgInput &i) { i.FiO2 = 20; }), "MMHG", o2, false, true);
    row("O2 101", with([](AbgInput &i) { i.FiO2 = 101; }), "MMHG", o2, false, true);
    row("O2 100 accepted", with([](AbgInput &i) { i.FiO2 = 100; }), "MMHG", "");
    row("NaN is refused", with([](AbgInput &i) { i.PaO2 = std::nan(""); }), "MMHG",
        "PaO2 is out range!  Range: 0 to 700 mmHg");
}

void TestInputValidation::checksInOrder()
{
    QFETCH(AbgInput, input);
    QFETCH(QString, units);
    QFETCH(QString, message);
    QFETCH(bool, translated);
    QFETCH(bool, information);

    const auto failure = validateAbgInput(input, pressureUnitNamed(units.toStdString()));
    QCOMPARE(failure.has_value(), !message.isEmpty());
    if (!failure)
        return;
    QCOMPARE(qs(failure->message), message);
    QCOMPARE(failure->translated, translated);
    QCOMPARE(failure->box == MessageBoxKind::Information, information);
}

void TestInputValidation::pressuresAreConvertedToMmHg()
{
    const AbgInput input = with([](AbgInput &i) {
        i.PaCO2 = 5.3;
        i.PaO2 = 12;
    });
    const BloodGasSample sample = sampleInMmHg(input, PressureUnit::Kpa);
    QCOMPARE(sample.PaCO2, 39.75);
    QCOMPARE(sample.PaO2, 90.0);
    QCOMPARE(sample.pH, 7.40);
    QCOMPARE(sample.HCO3, 24.0);
    QCOMPARE(sample.FiO2, 21.0);
    QCOMPARE(sample.Age, 40.0);
    QCOMPARE(sampleInMmHg(initialValues(), PressureUnit::MmHg).PaCO2, 40.0);
}

QTEST_APPLESS_MAIN(TestInputValidation)
#include "tst_inputvalidation.moc"
