#include "RecordingOutput.h"
#include "engine/AcidBaseTable.h"
#include "engine/AssessAcidBase.h"
#include "tests/support/TestText.h"

#include <QTest>

using namespace halvex;

namespace {

// A representative value of each band and level, away from the limits.
constexpr double kAcidaemic = 7.30, kLowNormal = 7.37, kExactly = 7.40, kHighNormal = 7.43, kAlkalaemic = 7.50;
constexpr double kCo2Low = 30, kCo2Normal = 40, kCo2High = 50;
constexpr double kHco3Low = 18, kHco3Normal = 24, kHco3High = 30;

constexpr auto kCategory = AcidBaseOutcomeKind::Category;
constexpr auto kQuestion = AcidBaseOutcomeKind::Question;
constexpr auto kFull = AcidBaseOutcomeKind::FullCompensation;

} // namespace

class TestAcidBase : public QObject {
    Q_OBJECT

private slots:
    void everyRowOfTheFiveBands_data();
    void everyRowOfTheFiveBands();
    void limits_data();
    void limits();
    void categoryWritesBothFieldsInTheLanguage_data();
    void categoryWritesBothFieldsInTheLanguage();
    void questionShowsOnlyTheDialog();
    void fullCompensationWritesTheFixedPair_data();
    void fullCompensationWritesTheFixedPair();
};

void TestAcidBase::everyRowOfTheFiveBands_data()
{
    QTest::addColumn<double>("pH");
    QTest::addColumn<double>("paco2");
    QTest::addColumn<double>("hco3");
    QTest::addColumn<AcidBaseOutcomeKind>("kind");
    QTest::addColumn<QString>("text");

    const QString bothAcidic = "The pH is normal, the PaCO2 and HCO3 are both acidic?";
    const QString bothAlkalotic = "The pH is normal, the PaCO2 and HCO3 are both alkalotic?";
    const QString hco3Alkalotic = "The pH and PaCO2 are normal, the HCO3 is out of range (alkalotic for this pH)?";
    const QString hco3Acidic = "The pH and PaCO2 are normal, the HCO3 is out of range (acidic for this pH)?";
    const QString co2Alkalotic = "The pH and HCO3 are normal, the PaCO2 is out of range (alkalotic for this pH)?";
    const QString co2Acidic = "The pH and HCO3 are normal, the PaCO2 is out of range (acidic for this pH)?";
    const QString full = "Fully Compensated Acid/Base, unknown compensation component";

    const auto row = [](const char *name, double pH, double co2, double hco3, AcidBaseOutcomeKind kind,
                        const QString &text) { QTest::newRow(name) << pH << co2 << hco3 << kind << text; };

    row("7.40 N N", kExactly, kCo2Normal, kHco3Normal, kCategory, "Normal Acid/Base balance");
    row("7.40 H L", kExactly, kCo2High, kHco3Low, kQuestion, bothAcidic);
    row("7.40 L H", kExactly, kCo2Low, kHco3High, kQuestion, bothAlkalotic);
    row("7.40 N H", kExactly, kCo2Normal, kHco3High, kQuestion, hco3Alkalotic);
    row("7.40 N L", kExactly, kCo2Normal, kHco3Low, kQuestion, hco3Acidic);
    row("7.40 L N", kExactly, kCo2Low, kHco3Normal, kQuestion, co2Alkalotic);
    row("7.40 H N", kExactly, kCo2High, kHco3Normal, kQuestion, co2Acidic);
    row("7.40 H H", kExactly, kCo2High, kHco3High, kFull, full);
    row("7.40 L L", kExactly, kCo2Low, kHco3Low, kFull, full);

    row("low normal N N", kLowNormal, kCo2Normal, kHco3Normal, kCategory, "Normal Acid/Base balance");
    row("low normal H L", kLowNormal, kCo2High, kHco3Low, kQuestion, bothAcidic);
    row("low normal L H", kLowNormal, kCo2Low, kHco3High, kQuestion, bothAlkalotic);
    row("low normal L L", kLowNormal, kCo2Low, kHco3Low, kCategory, "Compensated Metabolic Acidosis");
    row("low normal H H", kLowNormal, kCo2High, kHco3High, kCategory, "Compensated Respiratory Acidosis");
    row("low normal N H", kLowNormal, kCo2Normal, kHco3High, kQuestion, hco3Alkalotic);
    row("low normal N L", kLowNormal, kCo2Normal, kHco3Low, kQuestion, hco3Acidic);
    row("low normal L N", kLowNormal, kCo2Low, kHco3Normal, kQuestion, co2Alkalotic);
    row("low normal H N", kLowNormal, kCo2High, kHco3Normal, kQuestion, co2Acidic);

    row("high normal N N", kHighNormal, kCo2Normal, kHco3Normal, kCategory, "Normal Acid/Base balance");
    row("high normal H L", kHighNormal, kCo2High, kHco3Low, kQuestion, bothAcidic);
    row("high normal L H", kHighNormal, kCo2Low, kHco3High, kQuestion, bothAlkalotic);
    row("high normal L L", kHighNormal, kCo2Low, kHco3Low, kCategory, "Compensated Respiratory Alkalosis");
    row("high normal H H", kHighNormal, kCo2High, kHco3High, kCategory, "Compensated Metabolic Alkalosis");
    row("high normal N H", kHighNormal, kCo2Normal, kHco3High, kQuestion, hco3Alkalotic);
    row("high normal N L", kHighNormal, kCo2Normal, kHco3Low, kQuestion, hco3Acidic);
    row("high normal L N", kHighNormal, kCo2Low, kHco3Normal, kQuestion, co2Alkalotic);
    row("high normal H N", kHighNormal, kCo2High, kHco3Normal, kQuestion, co2Acidic);

    row("acidaemic H H", kAcidaemic, kCo2High, kHco3High, kCategory, "Partly Compensated Respiratory Acidosis");
    row("acidaemic H N", kAcidaemic, kCo2High, kHco3Normal, kCategory, "Uncompensated Respiratory Acidosis");
    row("acidaemic L L", kAcidaemic, kCo2Low, kHco3Low, kCategory, "Partly Compensated Metabolic Acidosis");
    row("acidaemic N L", kAcidaemic, kCo2Normal, kHco3Low, kCategory, "Uncompensated Metabolic Acidosis");
    row("acidaemic H L", kAcidaemic, kCo2High, kHco3Low, kCategory, "Combined Respiratory and Metabolic Acidosis");
    row("acidaemic N N", kAcidaemic, kCo2Normal, kHco3Normal, kQuestion, "A normal PaCO2 and HCO3, the pH is acidic?");
    row("acidaemic L H", kAcidaemic, kCo2Low, kHco3High, kQuestion,
        "The pH is acidic, the PaCO2 and HCO3 are alkalotic?");
    row("acidaemic N H", kAcidaemic, kCo2Normal, kHco3High, kQuestion,
        "The pH is acidic, the HCO3 is alkalotic and PaCO2 is in normal range?");
    row("acidaemic L N", kAcidaemic, kCo2Low, kHco3Normal, kQuestion,
        "The pH is acidic, the PaCO2 is alkalotic and HCO3 is in normal range?");

    row("alkalaemic L L", kAlkalaemic, kCo2Low, kHco3Low, kCategory, "Partly Compensated Respiratory Alkalosis");
    row("alkalaemic L N", kAlkalaemic, kCo2Low, kHco3Normal, kCategory, "Uncompensated Respiratory Alkalosis");
    row("alkalaemic H H", kAlkalaemic, kCo2High, kHco3High, kCategory, "Partly Compensated Metabolic Alkalosis");
    row("alkalaemic N H", kAlkalaemic, kCo2Normal, kHco3High, kCategory, "Uncompensated Metabolic Alkalosis");
    row("alkalaemic L H", kAlkalaemic, kCo2Low, kHco3High, kCategory, "Combined Respiratory and Metabolic Alkalosis");
    row("alkalaemic N N", kAlkalaemic, kCo2Normal, kHco3Normal, kQuestion,
        "A normal PaCO2 and HCO3 and the ph is alkalotic?");
    row("alkalaemic H L", kAlkalaemic, kCo2High, kHco3Low, kQuestion,
        "The pH is alkalotic, the PaCO2 and HCO3 are acidic?");
    row("alkalaemic N L", kAlkalaemic, kCo2Normal, kHco3Low, kQuestion,
        "The pH is alkalotic, the HCO3 is acidic and PaCO2 is in normal range?");
    row("alkalaemic H N", kAlkalaemic, kCo2High, kHco3Normal, kQuestion,
        "The pH is alkalotic, the PaCO2 is acidic and HCO3 is in normal range?");
}

void TestAcidBase::everyRowOfTheFiveBands()
{
    QFETCH(double, pH);
    QFETCH(double, paco2);
    QFETCH(double, hco3);
    QFETCH(AcidBaseOutcomeKind, kind);
    QFETCH(QString, text);

    const AcidBaseOutcome outcome = classifyAcidBase(pH, paco2, hco3);
    QCOMPARE(outcome.kind, kind);
    QCOMPARE(qs(outcome.text), text);
    if (kind == kCategory)
        QCOMPARE(qs(categoryInfo(outcome.category).englishName), text);
}

void TestAcidBase::limits_data()
{
    QTest::addColumn<double>("pH");
    QTest::addColumn<double>("paco2");
    QTest::addColumn<double>("hco3");
    QTest::addColumn<QString>("text");

    const QString normal = "Normal Acid/Base balance";
    QTest::newRow("pH 7.35 is low normal") << 7.35 << 40.0 << 24.0 << normal;
    QTest::newRow("pH 7.34 is acidaemic") << 7.34 << 40.0 << 24.0 << "A normal PaCO2 and HCO3, the pH is acidic?";
    QTest::newRow("pH 7.45 is high normal") << 7.45 << 40.0 << 24.0 << normal;
    QTest::newRow("pH 7.46 is alkalaemic")
        << 7.46 << 40.0 << 24.0 << "A normal PaCO2 and HCO3 and the ph is alkalotic?";
    QTest::newRow("pH 7.4 typed without its zero")
        << 7.4 << 30.0 << 18.0 << "Fully Compensated Acid/Base, unknown compensation component";
    QTest::newRow("pH 7.401 is high normal") << 7.401 << 30.0 << 18.0 << "Compensated Respiratory Alkalosis";
    QTest::newRow("pH 7.399 is low normal") << 7.399 << 30.0 << 18.0 << "Compensated Metabolic Acidosis";
    QTest::newRow("PaCO2 35 and HCO3 22 are normal") << 7.40 << 35.0 << 22.0 << normal;
    QTest::newRow("PaCO2 45 and HCO3 26 are normal") << 7.40 << 45.0 << 26.0 << normal;
    QTest::newRow("PaCO2 34.5 (4.6 kPa) is low") << 7.50 << 34.5 << 24.0 << "Uncompensated Respiratory Alkalosis";
    QTest::newRow("PaCO2 45.75 (6.1 kPa) is high") << 7.30 << 45.75 << 24.0 << "Uncompensated Respiratory Acidosis";
    QTest::newRow("HCO3 21.9 is low") << 7.30 << 40.0 << 21.9 << "Uncompensated Metabolic Acidosis";
    QTest::newRow("HCO3 26.1 is high") << 7.50 << 40.0 << 26.1 << "Uncompensated Metabolic Alkalosis";
}

void TestAcidBase::limits()
{
    QFETCH(double, pH);
    QFETCH(double, paco2);
    QFETCH(double, hco3);
    QFETCH(QString, text);
    QCOMPARE(qs(classifyAcidBase(pH, paco2, hco3).text), text);
}

void TestAcidBase::categoryWritesBothFieldsInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("acidBase");
    QTest::addColumn<QString>("oxygenation");

    QTest::newRow("English") << "ENGLISH"
                             << "MMHG"
                             << "Combined Respiratory and Metabolic Acidosis"
                             << "Possible Oxygenation Error (PaO2 is >= 100 mmHg on room air)";
    QTest::newRow("English, kPa wording") << "english"
                                          << "KPA"
                                          << "Combined Respiratory and Metabolic Acidosis"
                                          << "Possible Oxygenation Error (PaO2 is >= 13 kpa on room air)";
    QTest::newRow("French") << "FRENCH"
                            << "MMHG"
                            << "Acidose respiratoire et métabolique combinée"
                            << "Erreur Possible D'Oxygénation, le PaO2 est >= 100 mmHg a 21%";
}

void TestAcidBase::categoryWritesBothFieldsInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, units);
    QFETCH(QString, acidBase);
    QFETCH(QString, oxygenation);

    RecordingOutput output;
    const BloodGasSample sample{.pH = 7.25, .PaCO2 = 50, .PaO2 = 100, .HCO3 = 18, .Age = 40, .FiO2 = 21};
    AssessAcidBase(output, sample, pressureUnitNamed(units.toStdString()), language.toStdString());
    QCOMPARE(qs(output.acidBase), acidBase);
    QCOMPARE(qs(output.oxygenation), oxygenation);
    QCOMPARE(output.errorsShown, 0);
}

void TestAcidBase::questionShowsOnlyTheDialog()
{
    RecordingOutput output;
    const BloodGasSample sample{.pH = 7.30, .PaCO2 = 40, .PaO2 = 90, .HCO3 = 24, .Age = 40, .FiO2 = 21};
    const AcidBaseOutcome outcome = AssessAcidBase(output, sample, PressureUnit::MmHg, "FRENCH");
    QCOMPARE(outcome.kind, kQuestion);
    QCOMPARE(output.errorsShown, 1);
    QCOMPARE(qs(output.error), QString("Le PaCO2 et HCO3 sont normal, le pH est acidic?"));
    QVERIFY(output.acidBase.empty());
    QVERIFY(output.oxygenation.empty());
}

void TestAcidBase::fullCompensationWritesTheFixedPair_data()
{
    QTest::addColumn<double>("paco2");
    QTest::addColumn<double>("hco3");
    QTest::addColumn<QString>("second");

    QTest::newRow("both high") << 50.0 << 30.0 << "Refer to previous ABG to help determine what is effecting the pH";
    QTest::newRow("both low") << 30.0 << 18.0 << "Refer to previous ABG to help determine, what is effecting the pH";
}

void TestAcidBase::fullCompensationWritesTheFixedPair()
{
    QFETCH(double, paco2);
    QFETCH(double, hco3);
    QFETCH(QString, second);

    RecordingOutput output;
    // A severe hypoxemia would show if the oxygenation were graded.
    const BloodGasSample sample{.pH = 7.40, .PaCO2 = paco2, .PaO2 = 30, .HCO3 = hco3, .Age = 40, .FiO2 = 21};
    AssessAcidBase(output, sample, PressureUnit::MmHg, "ENGLISH");
    QCOMPARE(qs(output.acidBase), QString("Fully Compensated Acid/Base, unknown compensation component"));
    QCOMPARE(qs(output.oxygenation), second);
    QCOMPARE(output.errorsShown, 0);
}

QTEST_APPLESS_MAIN(TestAcidBase)
#include "tst_acidbase.moc"
