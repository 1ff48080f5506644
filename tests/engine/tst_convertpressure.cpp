#include "engine/PressureUnits.h"

#include <QTest>

using namespace halvex;

class TestConvertPressure : public QObject {
    Q_OBJECT

private slots:
    void conversions_data();
    void conversions();
};

void TestConvertPressure::conversions_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("mmHg to mmHg") << "MMHG"
                                  << "MMHG" << 37.5 << 37.5;
    QTest::newRow("40 mmHg to kPa") << "MMHG"
                                    << "KPA" << 40.0 << 5.32;
    QTest::newRow("90 mmHg to kPa") << "MMHG"
                                    << "KPA" << 90.0 << 11.97;
    QTest::newRow("700 mmHg to kPa") << "MMHG"
                                     << "KPA" << 700.0 << 93.1;
    QTest::newRow("5.3 kPa to mmHg") << "KPA"
                                     << "MMHG" << 5.3 << 39.75;
    QTest::newRow("4.6 kPa to mmHg") << "KPA"
                                     << "MMHG" << 4.6 << 34.5;
    QTest::newRow("6.0 kPa to mmHg") << "KPA"
                                     << "MMHG" << 6.0 << 45.0;
    QTest::newRow("6.1 kPa to mmHg") << "KPA"
                                     << "MMHG" << 6.1 << 45.75;
    QTest::newRow("kPa to kPa is not the identity") << "KPA"
                                                    << "KPA" << 40.0 << 39.9;
    QTest::newRow("names are upper-cased") << "kpa"
                                           << "mmhg" << 2.0 << 15.0;
    QTest::newRow("mixed case") << "Kpa"
                                << "mmHg" << 2.0 << 15.0;
    QTest::newRow("unknown target keeps mmHg") << "MMHG"
                                               << "mmHg " << 42.0 << 42.0;
    QTest::newRow("unknown target from kPa gives mmHg") << "KPA"
                                                        << "PSI" << 2.0 << 15.0;
    QTest::newRow("unknown source is unchanged") << "PSI"
                                                 << "KPA" << 42.0 << 42.0;
    QTest::newRow("blank in a name matches neither") << " KPA"
                                                     << "MMHG" << 2.0 << 2.0;
}

void TestConvertPressure::conversions()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(ConvertPressure(from.toStdString(), to.toStdString(), value), expected);
}

QTEST_APPLESS_MAIN(TestConvertPressure)
#include "tst_convertpressure.moc"
