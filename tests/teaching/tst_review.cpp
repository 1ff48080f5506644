// The session review and the practice aimed at weak categories, without a window.

#include "csv/CsvReader.h"
#include "engine/SampleGenerator.h"
#include "numbers/NumberText.h"
#include "teaching/SessionReview.h"
#include "teaching/WeakCategories.h"

#include <QTest>

#include <sstream>

using namespace halvex;

namespace {

AbgCategory cat(int code)
{
    return *categoryFromCode(code);
}

// A session where each category got the given answers, right or wrong.
TeacherSession sessionWith(const std::vector<std::pair<int, bool>> &answers)
{
    TeacherSession session;
    session.createCategoryStats();
    for (const auto &[code, right] : answers) {
        session.sampleGenerated(cat(code));
        session.choose(right ? cat(code) : cat((code + 1) % kCategoryCount));
        session.scoreAnswer();
    }
    return session;
}

} // namespace

namespace {

// The records of a CSV text, as a reader of the saved file meets them.
std::vector<std::vector<std::string>> recordsOf(const std::string &csv)
{
    std::istringstream input(csv);
    CsvReader reader(input);
    CsvRecord record;
    std::vector<std::vector<std::string>> records;
    while (reader.next(record))
        records.push_back(record.fields);
    return records;
}

} // namespace

class TestReview : public QObject {
    Q_OBJECT

private slots:
    void weights_data();
    void weights();
    void equalWeightsDrawAsUsual();
    void weakCategoriesComeUpMore();
    void listedNewestFirst();
    void csvRoundTrip();
    void csvWithElectrolytes();
    void csvInOneUnit_data();
    void csvInOneUnit();
};

void TestReview::weights_data()
{
    QTest::addColumn<QList<int>>("answers"); // code * 2 + right
    QTest::addColumn<QList<int>>("expected");

    QList<int> unseen(kCategoryCount, 2);
    QTest::newRow("nothing yet: all weak alike") << QList<int>{} << unseen;
    QList<int> allRight = unseen;
    for (int code = 0; code < kCategoryCount; ++code)
        allRight[code] = 1;
    QList<int> everyOneRight;
    for (int code = 0; code < kCategoryCount; ++code)
        everyOneRight << code * 2 + 1;
    QTest::newRow("all correct: all alike") << everyOneRight << allRight;
    QList<int> mixed = unseen;
    mixed[3] = 3; // two wrong
    mixed[5] = 1; // right
    mixed[7] = 2; // one wrong, one right
    QTest::newRow("wrong answers weigh") << QList<int>{3 * 2, 3 * 2, 5 * 2 + 1, 7 * 2, 7 * 2 + 1} << mixed;
}

void TestReview::weights()
{
    QFETCH(QList<int>, answers);
    QFETCH(QList<int>, expected);
    std::vector<std::pair<int, bool>> given;
    for (const int answer : answers)
        given.emplace_back(answer / 2, answer % 2 == 1);
    const auto weights = weaknessWeights(sessionWith(given));
    QCOMPARE(QList<int>(weights.begin(), weights.end()), expected);
}

void TestReview::equalWeightsDrawAsUsual()
{
    RandomSource random(countingSeeds(42));
    std::array<int, kCategoryCount> equal{};
    equal.fill(1);
    std::array<int, kLastRandomVariant + 1> seen{};
    constexpr int kDraws = 28000;
    for (int i = 0; i < kDraws; ++i) {
        const int variant = drawWeakVariant(equal, random);
        QVERIFY(variant >= kFirstVariant && variant <= kLastRandomVariant);
        ++seen[std::size_t(variant)];
    }
    for (int variant = kFirstVariant; variant <= kLastRandomVariant; ++variant)
        QVERIFY2(std::abs(seen[std::size_t(variant)] - 1000) < 150, qPrintable(QString::number(variant)));
}

void TestReview::weakCategoriesComeUpMore()
{
    // RA answered wrong four times: weight 5 against 2 for the unseen and 1 for the right ones.
    const TeacherSession session = sessionWith({{1, false}, {1, false}, {1, false}, {1, false}, {2, true}});
    const auto weights = weaknessWeights(session);
    int total = 0;
    for (int variant = kFirstVariant; variant <= kLastRandomVariant; ++variant)
        total += weights[std::size_t(variant / 2)];
    RandomSource random(countingSeeds(7));
    constexpr int kDraws = 20000;
    int ra = 0;
    int pcra = 0;
    for (int i = 0; i < kDraws; ++i) {
        const int variant = drawWeakVariant(weights, random);
        ra += variant / 2 == 1 ? 1 : 0;
        pcra += variant / 2 == 2 ? 1 : 0;
    }
    const double expectedRa = kDraws * 10.0 / total;  // two variants of weight 5
    const double expectedPcra = kDraws * 2.0 / total; // two variants of weight 1
    QVERIFY2(std::abs(ra - expectedRa) < 0.08 * expectedRa, qPrintable(QString::number(ra)));
    QVERIFY2(std::abs(pcra - expectedPcra) < 0.2 * expectedPcra, qPrintable(QString::number(pcra)));
}

void TestReview::listedNewestFirst()
{
    SessionReview review;
    review.record({{}, PressureUnit::MmHg, 3, AbgCategory::RA, AbgCategory::RA, true, {}});
    review.record({{}, PressureUnit::MmHg, 5, AbgCategory::PCRA, AbgCategory::RA, false, {}});
    review.record({{}, PressureUnit::MmHg, 5, AbgCategory::PCRA, AbgCategory::PCRA, true, {}});
    QCOMPARE(review.listed(false), (std::vector<std::size_t>{2, 1, 0}));
    QCOMPARE(review.listed(true), (std::vector<std::size_t>{1}));
    QCOMPARE(SessionReview().listed(false), std::vector<std::size_t>{});
}

void TestReview::csvRoundTrip()
{
    const std::vector<AnswerRecord> answers{
        {{7.31, 5.3, 12.0, 24, 21, 40}, PressureUnit::Kpa, 9, AbgCategory::PCMA, AbgCategory::MA, false, {}},
        {{7.4, 40, 90, 24, 21, 0},
         PressureUnit::MmHg,
         std::nullopt,
         AbgCategory::Normal,
         AbgCategory::Normal,
         true,
         {}},
        {{7.4, 40, 90, 24, 21, 40}, PressureUnit::MmHg, 28, std::nullopt, AbgCategory::CRMAK, false, {}},
    };
    std::ostringstream written;
    writeReviewCsv(written, answers, "FRENCH");

    const std::vector<std::vector<std::string>> rows = recordsOf(written.str());
    QCOMPARE(rows.size(), std::size_t(4));
    QCOMPARE(rows[0], (std::vector<std::string>{"variant", "category_code", "category", "pH", "PaCO2", "PaO2", "HCO3",
                                                "FiO2", "Age", "answered_code", "answered", "correct"}));
    // Answered in kPa in a session that went on in mmHg: written in mmHg, as its column says.
    QCOMPARE(rows[1],
             (std::vector<std::string>{"9", "5", "Acidose Métabolique En Partie Compensée", "7.31", "39.75", "90", "24",
                                       "21", "40", "4", "Acidose Métabolique Non Compensée", "no"}));
    QCOMPARE(rows[2][0], std::string()); // no sample generated yet
    QCOMPARE(rows[2][11], std::string("yes"));
    QCOMPARE(rows[3][1], std::string()); // a failed generation has no category
}

// With electrolytes on any answer, Na, Cl and albumin (in g/L) follow Age, as
// generate --electrolytes writes them, and assess reads them back by name.
void TestReview::csvWithElectrolytes()
{
    const std::vector<AnswerRecord> answers{
        {{7.2, 25, 90, 10, 21, 40},
         PressureUnit::MmHg,
         9,
         AbgCategory::PCMA,
         AbgCategory::PCMA,
         true,
         {135.0, 100.0, 2.5, AlbuminUnit::GramsPerDecilitre}},
        {{7.4, 40, 90, 24, 21, 40}, PressureUnit::MmHg, 1, AbgCategory::Normal, AbgCategory::Normal, true, {}},
    };
    std::ostringstream written;
    writeReviewCsv(written, answers, "ENGLISH");
    const std::vector<std::vector<std::string>> rows = recordsOf(written.str());
    QCOMPARE(rows[0],
             (std::vector<std::string>{"variant", "category_code", "category", "pH", "PaCO2", "PaO2", "HCO3", "FiO2",
                                       "Age", "Na", "Cl", "Albumin", "answered_code", "answered", "correct"}));
    QCOMPARE((std::vector<std::string>(rows[1].begin() + 9, rows[1].begin() + 12)),
             (std::vector<std::string>{"135", "100", "25"}));
    QCOMPARE((std::vector<std::string>(rows[2].begin() + 9, rows[2].begin() + 12)),
             (std::vector<std::string>{"", "", ""}));
}

using Units = QList<PressureUnit>;

void TestReview::csvInOneUnit_data()
{
    QTest::addColumn<Units>("units"); // of each answer, oldest first
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QStringList>("pressures"); // PaCO2 and PaO2 of each answer, as written

    const QByteArray mmHgHeader("variant,category_code,category,pH,PaCO2,PaO2,HCO3,FiO2,Age,answered_code,answered,"
                                "correct\r\n");
    const QByteArray kpaHeader("variant,category_code,category,pH,PaCO2_kPa,PaO2_kPa,HCO3,FiO2,Age,answered_code,"
                               "answered,correct\r\n");
    QTest::newRow("mmHg: the header as it always was")
        << Units{PressureUnit::MmHg, PressureUnit::MmHg} << mmHgHeader << QStringList{"40", "90", "40", "90"};
    QTest::newRow("kPa: named, the values as shown")
        << Units{PressureUnit::Kpa, PressureUnit::Kpa} << kpaHeader << QStringList{"5.3", "12", "5.3", "12"};
    QTest::newRow("switched to mmHg: kPa converted")
        << Units{PressureUnit::Kpa, PressureUnit::MmHg} << mmHgHeader << QStringList{"39.75", "90", "40", "90"};
    QTest::newRow("switched to kPa: still mmHg") << Units{PressureUnit::MmHg, PressureUnit::Kpa, PressureUnit::Kpa}
                                                 << mmHgHeader << QStringList{"40", "90", "39.75", "90", "39.75", "90"};
    QTest::newRow("no answer") << Units{} << mmHgHeader << QStringList{};
}

// One unit for the whole file, named in its header, so that every value reads
// back as the blood gas that was answered.
void TestReview::csvInOneUnit()
{
    QFETCH(Units, units);
    QFETCH(QByteArray, header);
    QFETCH(QStringList, pressures);

    std::vector<AnswerRecord> answers;
    for (const PressureUnit unit : units) {
        const std::array<double, 6> values = unit == PressureUnit::Kpa ? std::array<double, 6>{7.4, 5.3, 12, 24, 21, 40}
                                                                       : std::array<double, 6>{7.4, 40, 90, 24, 21, 40};
        answers.push_back({values, unit, 1, AbgCategory::Normal, AbgCategory::Normal, true, {}});
    }
    std::ostringstream written;
    writeReviewCsv(written, answers, "ENGLISH");
    const QByteArray bytes = QByteArray::fromStdString(written.str());
    QCOMPARE(bytes.left(bytes.indexOf('\n') + 1), header);

    const std::vector<std::vector<std::string>> rows = recordsOf(written.str());
    QCOMPARE(rows.size(), answers.size() + 1);
    const PressureUnit fileUnit = rows[0][4] == "PaCO2_kPa" ? PressureUnit::Kpa : PressureUnit::MmHg;
    QStringList writtenPressures;
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const std::vector<std::string> &row = rows[i + 1];
        writtenPressures << QString::fromStdString(row[4]) << QString::fromStdString(row[5]);
        // Read in the header's unit, the file gives the blood gas the answer was scored on.
        const BloodGasSample answered = sampleOf(answers[i]);
        QCOMPARE(ConvertPressure(fileUnit, PressureUnit::MmHg, parseNumber(row[4]).value_or(0)), answered.PaCO2);
        QCOMPARE(ConvertPressure(fileUnit, PressureUnit::MmHg, parseNumber(row[5]).value_or(0)), answered.PaO2);
    }
    QCOMPARE(writtenPressures, pressures);
}

QTEST_APPLESS_MAIN(TestReview)
#include "tst_review.moc"
