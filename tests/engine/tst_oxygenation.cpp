#include "engine/Oxygenation.h"
#include "tests/support/TestText.h"

#include <QTest>

using namespace halvex;

class TestOxygenation : public QObject {
    Q_OBJECT

private slots:
    void grades_data();
    void grades();
    void translated_data();
    void translated();
};

void TestOxygenation::grades_data()
{
    QTest::addColumn<double>("paO2");
    QTest::addColumn<double>("age");
    QTest::addColumn<double>("fiO2");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("grade");

    const QString errorMmHg = "Possible Oxygenation Error (PaO2 is >= 100 mmHg on room air)";
    const QString errorKpa = "Possible Oxygenation Error (PaO2 is >= 13 kpa on room air)";
    const auto row = [](const char *name, double paO2, double age, double fiO2, const char *units,
                        const QString &grade) {
        QTest::newRow(name) << paO2 << age << fiO2 << QString(units) << grade;
    };

    // Room air against supplemental oxygen.
    row("90, 40 y, room air", 90, 40, 21, "MMHG", "without Hypoxemia");
    row("90, 40 y, 40 %", 90, 40, 40, "MMHG", "without Hypoxemia (corrected)");
    row("90, 40 y, 21.5 %", 90, 40, 21.5, "MMHG", "without Hypoxemia (corrected)");
    row("75, 40 y", 75, 40, 21, "MMHG", "Mild Hypoxemia");
    row("75, 40 y, 30 %", 75, 40, 30, "MMHG", "Mild Hypoxemia (uncorrected)");
    row("50, 40 y, 30 %", 50, 40, 30, "MMHG", "Moderate Hypoxemia (uncorrected)");
    row("35, 60 %", 35, 40, 60, "MMHG", "Severe Hypoxemia (uncorrected)");

    // The limits without age correction (age 0 is an empty age field).
    row("80, no age", 80, 0, 21, "MMHG", "without Hypoxemia");
    row("79.9, no age", 79.9, 0, 21, "MMHG", "Mild Hypoxemia");
    row("60, 60 y", 60, 60, 21, "MMHG", "Mild Hypoxemia");
    row("59.9, 60 y", 59.9, 60, 21, "MMHG", "Moderate Hypoxemia");
    row("40, 40 y", 40, 40, 21, "MMHG", "Moderate Hypoxemia");
    row("39.9, 40 y", 39.9, 40, 21, "MMHG", "Severe Hypoxemia");
    row("0.1", 0.1, 40, 21, "MMHG", "Severe Hypoxemia");
    row("0 has no grade", 0, 40, 21, "MMHG", "");
    row("negative has no grade", -5, 40, 40, "MMHG", "");
    row("99.9", 99.9, 40, 21, "MMHG", "without Hypoxemia");

    // Age correction: one mmHg a year from 61, fixed limits above 80.
    row("79, 60 y: no correction", 79, 60, 21, "MMHG", "Mild Hypoxemia");
    row("79, 61 y: normal from 79", 79, 61, 21, "MMHG", "without Hypoxemia");
    row("78.9, 61 y", 78.9, 61, 21, "MMHG", "Mild Hypoxemia");
    row("59, 61 y: mild from 59", 59, 61, 21, "MMHG", "Mild Hypoxemia");
    row("58.9, 61 y", 58.9, 61, 21, "MMHG", "Moderate Hypoxemia");
    row("75, 70 y: normal from 70", 75, 70, 21, "MMHG", "without Hypoxemia");
    row("50, 40 y", 50, 40, 21, "MMHG", "Moderate Hypoxemia");
    row("50, 70 y: mild from 50", 50, 70, 21, "MMHG", "Mild Hypoxemia");
    row("50, 80 y: mild from 40", 50, 80, 21, "MMHG", "Mild Hypoxemia");
    row("40, 80 y", 40, 80, 21, "MMHG", "Mild Hypoxemia");
    row("39.9, 80 y", 39.9, 80, 21, "MMHG", "Severe Hypoxemia");
    row("60, 80 y", 60, 80, 21, "MMHG", "without Hypoxemia");
    row("50, 81 y: fixed limits", 50, 81, 21, "MMHG", "Moderate Hypoxemia");
    row("60, 81 y", 60, 81, 21, "MMHG", "without Hypoxemia");
    row("59.9, 81 y", 59.9, 81, 21, "MMHG", "Moderate Hypoxemia");
    row("39.9, 81 y", 39.9, 81, 21, "MMHG", "Severe Hypoxemia");
    row("50, 81 y, 30 %", 50, 81, 30, "MMHG", "Moderate Hypoxemia (uncorrected)");

    // A PaO2 of 100 mmHg or more.
    row("100 on room air", 100, 40, 21, "MMHG", errorMmHg);
    row("100 on room air, kPa", 100, 40, 21, "KPA", errorKpa);
    row("100.5 (13.4 kpa) on room air, kpa", 100.5, 40, 21, "kpa", errorKpa);
    row("99.75 (13.3 kpa) on room air, kPa", 99.75, 40, 21, "KPA", "without Hypoxemia");
    row("100.5 on room air, kPa, 81 y", 100.5, 81, 21, "KPA", errorMmHg);
    row("100, 80 y, kPa", 100, 80, 21, "KPA", errorKpa);
    row("120, 50 %", 120, 40, 50, "MMHG", "Excessively Corrected Hypoxemia");
    row("120, 50 %, 90 y", 120, 90, 50, "MMHG", "Excessively Corrected Hypoxemia");
    row("120, 50 %, 5 y", 120, 5, 50, "KPA", "Excessively Corrected Hypoxemia");
}

void TestOxygenation::grades()
{
    QFETCH(double, paO2);
    QFETCH(double, age);
    QFETCH(double, fiO2);
    QFETCH(QString, units);
    QFETCH(QString, grade);

    QCOMPARE(qs(oxygenationGrade(paO2, age, fiO2, pressureUnitNamed(units.toStdString()))), grade);
}

void TestOxygenation::translated_data()
{
    QTest::addColumn<double>("paO2");
    QTest::addColumn<double>("fiO2");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("text");

    QTest::newRow("English") << 75.0 << 30.0 << "ENGLISH"
                             << "Mild Hypoxemia (uncorrected)";
    QTest::newRow("French suffix") << 75.0 << 30.0 << "French"
                                   << "Hypoxemia légère (Non Corrigé)";
    QTest::newRow("French room air") << 30.0 << 21.0 << "FRENCH"
                                     << "Hypoxemia Sévère";
    QTest::newRow("French corrected") << 90.0 << 40.0 << "FRENCH"
                                      << "sans Hypoxemia (Corrigé)";
    QTest::newRow("no grade stays empty in French") << 0.0 << 21.0 << "FRENCH"
                                                    << "";
}

void TestOxygenation::translated()
{
    QFETCH(double, paO2);
    QFETCH(double, fiO2);
    QFETCH(QString, language);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(AssessOxygenation(paO2, 40, fiO2, PressureUnit::MmHg, language.toStdString())),
             text);
}

QTEST_APPLESS_MAIN(TestOxygenation)
#include "tst_oxygenation.moc"
