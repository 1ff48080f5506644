// The anion gap, its albumin correction, the delta ratio and the corrected
// HCO3: textbook cases, every band's edges, both albumin units and the values
// refused; and the electrolytes drawn for generated cases, each reading with
// its share.

#include "engine/AnionGap.h"
#include "engine/ElectrolyteDraw.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

using namespace halvex;

Q_DECLARE_METATYPE(std::optional<double>)
Q_DECLARE_METATYPE(GapVerdict)
Q_DECLARE_METATYPE(std::optional<DeltaVerdict>)
Q_DECLARE_METATYPE(AlbuminUnit)
Q_DECLARE_METATYPE(Electrolytes)
Q_DECLARE_METATYPE(std::optional<int>)
Q_DECLARE_METATYPE(AbgCategory)
Q_DECLARE_METATYPE(std::vector<GapReading>)

namespace {
constexpr auto kNone = std::nullopt;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

Electrolytes given(std::optional<double> sodium = kNone, std::optional<double> chloride = kNone,
                   std::optional<double> albumin = kNone, AlbuminUnit unit = AlbuminUnit::GramsPerLitre)
{
    return {sodium, chloride, albumin, unit};
}
} // namespace

class TestAnionGap : public QObject {
    Q_OBJECT

private slots:
    void gaps_data();
    void gaps();
    void noGapWithoutSodiumAndChloride();
    void refusedValues_data();
    void refusedValues();
    void refusalInTheLanguage_data();
    void refusalInTheLanguage();
    void albuminUnitNames();
    void drawnReadings_data();
    void drawnReadings();
};

void TestAnionGap::gaps_data()
{
    QTest::addColumn<double>("sodium");
    QTest::addColumn<double>("chloride");
    QTest::addColumn<double>("hco3");
    QTest::addColumn<std::optional<double>>("albumin");
    QTest::addColumn<AlbuminUnit>("unit");
    QTest::addColumn<double>("gap");
    QTest::addColumn<std::optional<double>>("corrected");
    QTest::addColumn<GapVerdict>("verdict");
    QTest::addColumn<std::optional<double>>("deltaRatio");
    QTest::addColumn<std::optional<DeltaVerdict>>("delta");
    QTest::addColumn<std::optional<double>>("correctedHco3");
    QTest::addColumn<bool>("normalGapAcidosis");
    QTest::addColumn<bool>("hiddenByAlkalosis");

    constexpr auto gl = AlbuminUnit::GramsPerLitre;
    constexpr auto gdl = AlbuminUnit::GramsPerDecilitre;
    using enum GapVerdict;
    using enum DeltaVerdict;
    std::optional<double> none;
    // The teaching cases (the patterns of Kraut and Madias, Clin J Am Soc Nephrol
    // 2007;2:162, and of Berend, de Vries and Gans, N Engl J Med 2014;371:1434):
    // a ketoacidosis, a diarrhoea, and vomiting with a ketoacidosis.
    QTest::newRow("ketoacidosis") << 135.0 << 100.0 << 10.0 << none << gl << 25.0 << none << High << std::optional(0.93)
                                  << std::optional(HighGap) << std::optional(23.0) << false << false;
    QTest::newRow("diarrhoea") << 140.0 << 115.0 << 15.0 << none << gl << 10.0 << none << Normal << none
                               << std::optional<DeltaVerdict>() << none << true << false;
    QTest::newRow("vomiting and ketoacidosis")
        << 140.0 << 90.0 << 20.0 << none << gl << 30.0 << none << High << std::optional(4.5)
        << std::optional(HighGapAndAlkalosis) << std::optional(38.0) << false << false;
    // A low albumin hides gap (Figge et al., Crit Care Med 1998;26:1807): 20 g/L
    // is 2.0 g/dL, 2.0 below 4.0, so 5 mEq/L more; the same in either unit.
    QTest::newRow("albumin 20 g/L") << 140.0 << 106.0 << 24.0 << std::optional(20.0) << gl << 10.0
                                    << std::optional(15.0) << Normal << none << std::optional<DeltaVerdict>() << none
                                    << false << false;
    QTest::newRow("albumin 2.0 g/dL") << 140.0 << 106.0 << 24.0 << std::optional(2.0) << gdl << 10.0
                                      << std::optional(15.0) << Normal << none << std::optional<DeltaVerdict>() << none
                                      << false << false;
    // A gap that is raised only once corrected, and one a high albumin takes down.
    QTest::newRow("raised once corrected")
        << 138.0 << 104.0 << 20.0 << std::optional(25.0) << gl << 14.0 << std::optional(17.8) << High
        << std::optional(1.45) << std::optional(HighGap) << std::optional(25.8) << false << false;
    QTest::newRow("albumin 50 g/L") << 140.0 << 106.0 << 17.0 << std::optional(50.0) << gl << 17.0
                                    << std::optional(14.5) << Normal << none << std::optional<DeltaVerdict>() << none
                                    << true << false;
    // The edges: 16 is still normal; the delta's bands at 0.4, 0.8 and 2.
    QTest::newRow("gap 16") << 140.0 << 100.0 << 24.0 << none << gl << 16.0 << none << Normal << none
                            << std::optional<DeltaVerdict>() << none << false << false;
    QTest::newRow("gap 16.1") << 140.1 << 100.0 << 24.0 << none << gl << 16.1 << none << High << none
                              << std::optional<DeltaVerdict>() << std::optional(28.1) << false << true;
    QTest::newRow("delta 0.39") << 140.0 << 116.2 << 4.0 << none << gl << 19.8 << none << High << std::optional(0.39)
                                << std::optional(NormalGap) << std::optional(11.8) << false << false;
    QTest::newRow("delta 0.4") << 140.0 << 116.0 << 4.0 << none << gl << 20.0 << none << High << std::optional(0.4)
                               << std::optional(Mixed) << std::optional(12.0) << false << false;
    QTest::newRow("delta 0.79") << 140.0 << 108.2 << 4.0 << none << gl << 27.8 << none << High << std::optional(0.79)
                                << std::optional(Mixed) << std::optional(19.8) << false << false;
    QTest::newRow("delta 0.8") << 140.0 << 108.0 << 4.0 << none << gl << 28.0 << none << High << std::optional(0.8)
                               << std::optional(HighGap) << std::optional(20.0) << false << false;
    QTest::newRow("delta 2") << 140.0 << 100.0 << 20.0 << none << gl << 20.0 << none << High << std::optional(2.0)
                             << std::optional(HighGap) << std::optional(28.0) << false << false;
    QTest::newRow("delta 2.05") << 140.0 << 99.8 << 20.0 << none << gl << 20.2 << none << High << std::optional(2.05)
                                << std::optional(HighGapAndAlkalosis) << std::optional(28.2) << false << false;
    // HCO3 21.9 is low, 22 is not; at 24 and above there is no delta ratio.
    QTest::newRow("HCO3 21.9, normal gap") << 140.0 << 106.1 << 21.9 << none << gl << 12.0 << none << Normal << none
                                           << std::optional<DeltaVerdict>() << none << true << false;
    QTest::newRow("HCO3 22, normal gap") << 140.0 << 106.0 << 22.0 << none << gl << 12.0 << none << Normal << none
                                         << std::optional<DeltaVerdict>() << none << false << false;
    QTest::newRow("raised gap, HCO3 28") << 145.0 << 95.0 << 28.0 << none << gl << 22.0 << none << High << none
                                         << std::optional<DeltaVerdict>() << std::optional(38.0) << false << true;
}

void TestAnionGap::gaps()
{
    QFETCH(double, sodium);
    QFETCH(double, chloride);
    QFETCH(double, hco3);
    QFETCH(std::optional<double>, albumin);
    QFETCH(AlbuminUnit, unit);
    const std::optional<AnionGap> gap = anionGapOf(hco3, given(sodium, chloride, albumin, unit));
    QVERIFY(gap);
    QTEST(gap->gap, "gap");
    QTEST(gap->corrected, "corrected");
    QTEST(gap->verdict, "verdict");
    QTEST(gap->deltaRatio, "deltaRatio");
    QTEST(gap->delta, "delta");
    QTEST(gap->correctedHco3, "correctedHco3");
    QTEST(gap->normalGapAcidosis, "normalGapAcidosis");
    QTEST(gap->hiddenByAlkalosis, "hiddenByAlkalosis");
}

void TestAnionGap::noGapWithoutSodiumAndChloride()
{
    QVERIFY(!anionGapOf(20, given()));
    QVERIFY(!anionGapOf(20, given(140.0, kNone, 40.0)));
    QVERIFY(!anionGapOf(20, given(kNone, 100.0, 40.0)));
}

void TestAnionGap::refusedValues_data()
{
    QTest::addColumn<Electrolytes>("electrolytes");
    QTest::addColumn<std::optional<int>>("refusedField");

    const auto gdl = AlbuminUnit::GramsPerDecilitre;
    QTest::newRow("none") << given() << std::optional<int>();
    QTest::newRow("Na 100, Cl 140") << given(100.0, 140.0) << std::optional<int>();
    QTest::newRow("Na 180, Cl 60") << given(180.0, 60.0) << std::optional<int>();
    QTest::newRow("Na 99.9") << given(99.9, 100.0) << std::optional(0);
    QTest::newRow("Na 180.1") << given(180.1) << std::optional(0);
    QTest::newRow("Na not a number") << given(kNaN) << std::optional(0);
    QTest::newRow("Cl 59.9") << given(140.0, 59.9) << std::optional(1);
    QTest::newRow("Cl 140.1") << given(kNone, 140.1) << std::optional(1);
    QTest::newRow("albumin 5 and 60 g/L") << given(kNone, kNone, 5.0) << std::optional<int>();
    QTest::newRow("albumin 60 g/L") << given(kNone, kNone, 60.0) << std::optional<int>();
    QTest::newRow("albumin 4.9 g/L") << given(kNone, kNone, 4.9) << std::optional(2);
    QTest::newRow("albumin 60.1 g/L") << given(kNone, kNone, 60.1) << std::optional(2);
    QTest::newRow("albumin 0.5 g/dL") << given(kNone, kNone, 0.5, gdl) << std::optional<int>();
    QTest::newRow("albumin 6.0 g/dL") << given(kNone, kNone, 6.0, gdl) << std::optional<int>();
    QTest::newRow("albumin 0.49 g/dL") << given(kNone, kNone, 0.49, gdl) << std::optional(2);
    QTest::newRow("albumin 40 g/dL") << given(kNone, kNone, 40.0, gdl) << std::optional(2);
}

void TestAnionGap::refusedValues()
{
    QFETCH(Electrolytes, electrolytes);
    QFETCH(std::optional<int>, refusedField);
    const std::optional<ElectrolyteFailure> failure = validateElectrolytes(electrolytes);
    QCOMPARE(failure ? std::optional(static_cast<int>(failure->field)) : std::nullopt, refusedField);
}

void TestAnionGap::refusalInTheLanguage_data()
{
    QTest::addColumn<Electrolytes>("electrolytes");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("text");

    QTest::newRow("Na") << given(200.0) << "ENGLISH"
                        << "Na is out of range!  Range: 100 to 180 mEq/L";
    QTest::newRow("Cl, French") << given(kNone, 20.0) << "French"
                                << "Cl hors des limites ! Valeurs : 60 à 140 mEq/L";
    QTest::newRow("albumin g/L") << given(kNone, kNone, 70.0) << "ENGLISH"
                                 << "Albumin is out of range!  Range: 5 to 60 g/L";
    QTest::newRow("albumin g/dL, French") << given(kNone, kNone, 7.0, AlbuminUnit::GramsPerDecilitre) << "FRENCH"
                                          << "Albumine hors des limites ! Valeurs : 0,5 à 6 g/dL";
}

void TestAnionGap::refusalInTheLanguage()
{
    QFETCH(Electrolytes, electrolytes);
    QFETCH(QString, language);
    const std::optional<ElectrolyteFailure> failure = validateElectrolytes(electrolytes);
    QVERIFY(failure);
    QTEST(QString::fromStdString(electrolyteFailureText(*failure, language.toStdString())), "text");
}

void TestAnionGap::albuminUnitNames()
{
    QCOMPARE(albuminUnitNamed("g/L"), std::optional(AlbuminUnit::GramsPerLitre));
    QCOMPARE(albuminUnitNamed("G/DL"), std::optional(AlbuminUnit::GramsPerDecilitre));
    QCOMPARE(albuminUnitNamed("mg/dL"), std::optional<AlbuminUnit>());
    QCOMPARE(albuminUnitName(AlbuminUnit::GramsPerDecilitre), std::string_view("g/dL"));
}

void TestAnionGap::drawnReadings_data()
{
    QTest::addColumn<AbgCategory>("category");
    QTest::addColumn<double>("hco3");
    QTest::addColumn<std::vector<GapReading>>("readings"); // the readings drawn, each as often as the others

    using enum GapReading;
    // A raised gap stays at 40 or below, 1 mEq/L inside each band of the delta
    // ratio: both acidoses together need a fall in HCO3 of 8 (HCO3 16 or less),
    // an alkalosis room under 40 for a ratio above 2 (HCO3 11 or more).
    QTest::newRow("HCO3 5") << AbgCategory::MA << 5.0 << std::vector{NormalGap, HighGap, HighAndNormalGap};
    QTest::newRow("HCO3 11") << AbgCategory::PCMA << 11.0
                             << std::vector{NormalGap, HighGap, HighAndNormalGap, HighGapWithAlkalosis};
    QTest::newRow("HCO3 16") << AbgCategory::CMA << 16.0
                             << std::vector{NormalGap, HighGap, HighAndNormalGap, HighGapWithAlkalosis};
    QTest::newRow("HCO3 17") << AbgCategory::CRMA << 17.0 << std::vector{NormalGap, HighGap, HighGapWithAlkalosis};
    QTest::newRow("HCO3 21") << AbgCategory::MA << 21.0 << std::vector{NormalGap, HighGap, HighGapWithAlkalosis};
    // Without a metabolic acidosis, a normal gap.
    QTest::newRow("respiratory alkalosis") << AbgCategory::PCRAK << 16.0 << std::vector{NormalGap};
    QTest::newRow("metabolic alkalosis") << AbgCategory::MAK << 34.0 << std::vector{NormalGap};
}

void TestAnionGap::drawnReadings()
{
    QFETCH(AbgCategory, category);
    QFETCH(double, hco3);
    QFETCH(std::vector<GapReading>, readings);
    QCOMPARE(gapReadingsFor(hco3, category), readings);

    // What the gap of each draw reads, in GapReading order.
    const auto readingOf = [&](const AnionGap &gap) {
        if (gap.verdict == GapVerdict::Normal)
            return GapReading::NormalGap;
        switch (*gap.delta) {
        case DeltaVerdict::HighGap:
            return GapReading::HighGap;
        case DeltaVerdict::Mixed:
            return GapReading::HighAndNormalGap;
        case DeltaVerdict::HighGapAndAlkalosis:
            return GapReading::HighGapWithAlkalosis;
        case DeltaVerdict::NormalGap:
            break;
        }
        return GapReading::NormalGap;
    };
    constexpr int kDraws = 4000;
    std::array<int, 4> drawn{};
    RandomSource random(countingSeeds(3));
    random.reseed();
    for (int i = 0; i < kDraws; ++i) {
        const Electrolytes electrolytes = drawElectrolytes(hco3, category, random);
        QVERIFY(!validateElectrolytes(electrolytes));
        const std::optional<AnionGap> gap = anionGapOf(hco3, electrolytes);
        QVERIFY(gap);
        // A normal gap is 8 to 16 once corrected; a raised one has a delta ratio, in the band drawn.
        if (gap->verdict == GapVerdict::Normal)
            QVERIFY2(gap->used() >= 8 && gap->used() <= 16, qPrintable(QString::number(gap->used())));
        else
            QVERIFY(gap->delta && *gap->delta != DeltaVerdict::NormalGap);
        ++drawn[static_cast<std::size_t>(readingOf(*gap))];
    }
    // Each reading allowed about as often as the others, within 4 points of its share; the others never.
    const double share = 1.0 / double(readings.size());
    for (std::size_t reading = 0; reading < drawn.size(); ++reading) {
        const bool allowed = std::find(readings.begin(), readings.end(), GapReading(reading)) != readings.end();
        const double seen = drawn[reading] / double(kDraws);
        QVERIFY2(allowed ? std::abs(seen - share) < 0.04 : seen == 0,
                 qPrintable(QStringLiteral("reading %1: %2 of the draws").arg(reading).arg(seen)));
    }
}

QTEST_APPLESS_MAIN(TestAnionGap)
#include "tst_aniongap.moc"
