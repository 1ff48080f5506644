// A practice session as the window holds it: which box is ticked, what an
// Analyze scores and records, the verdict and its line, the gauge and the last
// variant, without any window.

#include "teaching/Practice.h"

#include <QTest>

using namespace halvex;

Q_DECLARE_METATYPE(std::optional<halvex::AbgCategory>)

class TestPractice : public QObject {
    Q_OBJECT

private slots:
    void verdictLines_data();
    void verdictLines();
    void anAnalyzeScoresOnlyItsCase_data();
    void anAnalyzeScoresOnlyItsCase();
    void recordsHoldWhatWasScored();
    void gaugeStopsAt100();
};

void TestPractice::verdictLines_data()
{
    QTest::addColumn<bool>("correct");
    QTest::addColumn<std::optional<AbgCategory>>("generated");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("line");
    QTest::newRow("correct") << true << std::optional(AbgCategory::CMA) << "ENGLISH"
                             << "Correct: this is Compensated Metabolic Acidosis.";
    QTest::newRow("incorrect") << false << std::optional(AbgCategory::RA) << "ENGLISH"
                               << "Incorrect: this is Uncompensated Respiratory Acidosis; you ticked Normal Acid/Base "
                                  "balance.";
    QTest::newRow("no sample could be made") << false << std::optional<AbgCategory>() << "ENGLISH"
                                             << "Incorrect: no sample could be made; you ticked Normal Acid/Base "
                                                "balance.";
    QTest::newRow("French, one colon") << false << std::optional(AbgCategory::RA) << "FRENCH"
                                       << QString::fromUtf8(
                                              "Incorrect : c'était « Acidose Respiratoire Non Compensée » ; "
                                              "vous avez coché « Base/Acide normal ».");
}

void TestPractice::verdictLines()
{
    QFETCH(bool, correct);
    QFETCH(std::optional<AbgCategory>, generated);
    QFETCH(QString, language);
    QFETCH(QString, line);
    const AnswerVerdict verdict{correct, generated, correct ? *generated : AbgCategory::Normal};
    QCOMPARE(QString::fromStdString(answerVerdictLine(verdict, language.toStdString())), line);
}

void TestPractice::anAnalyzeScoresOnlyItsCase_data()
{
    QTest::addColumn<bool>("generate");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<bool>("leave"); // the fields change before the Analyze
    QTest::addColumn<bool>("scored");
    QTest::newRow("the case, a box ticked") << true << true << false << true;
    QTest::newRow("the case, no box") << true << false << false << false;
    QTest::newRow("the case left, a box ticked") << true << true << true << false;
    QTest::newRow("no case given") << false << true << false << false;
}

void TestPractice::anAnalyzeScoresOnlyItsCase()
{
    QFETCH(bool, generate);
    QFETCH(bool, tick);
    QFETCH(bool, leave);
    QFETCH(bool, scored);
    Practice practice;
    practice.CreateCategoryStats();
    if (generate)
        practice.generated(9, AbgCategory::MA);
    if (tick)
        practice.tick(AbgCategory::MA);
    if (leave)
        practice.caseLeft();
    QCOMPARE(practice.ticked().has_value(), tick && !leave);
    const std::optional<AnswerVerdict> verdict =
        practice.ScoreTeacherAnswer({7.3, 40, 90, 15, 21, 40}, PressureUnit::MmHg);
    QCOMPARE(verdict.has_value(), scored);
    QCOMPARE(practice.review().answers().size(), std::size_t(scored ? 1 : 0));
    QCOMPARE(practice.verdict(), scored ? Verdict::Correct : Verdict::None);
    QCOMPARE(practice.gauge(), scored ? 100 : 0);
    // A box ticked for no case is cleared, as when a case starts.
    QCOMPARE(practice.ticked().has_value(), scored);
}

void TestPractice::recordsHoldWhatWasScored()
{
    Practice practice;
    practice.CreateCategoryStats();
    practice.generated(12, AbgCategory::CMA);
    QCOMPARE(practice.lastVariant(), std::optional(12));
    practice.tick(AbgCategory::PCMA);
    const std::optional<AnswerVerdict> verdict =
        practice.ScoreTeacherAnswer({7.36, 4.0, 12.0, 15, 21, 60}, PressureUnit::Kpa);
    QVERIFY(verdict && !verdict->correct);
    QCOMPARE(practice.verdict(), Verdict::Incorrect);
    const AnswerRecord &record = practice.review().answers().front();
    QCOMPARE(record.values, (std::array<double, 6>{7.36, 4.0, 12.0, 15, 21, 60}));
    QCOMPARE(record.unit, PressureUnit::Kpa);
    QCOMPARE(record.variant, std::optional(12));
    QCOMPARE(record.generated, std::optional(AbgCategory::CMA));
    QCOMPARE(record.answered, AbgCategory::PCMA);
    QVERIFY(!record.correct);
    QCOMPARE(verdictOf(record).chosen, AbgCategory::PCMA);
    // A new case clears the box and the verdict.
    practice.generated(3, AbgCategory::RA);
    QVERIFY(!practice.ticked());
    QCOMPARE(practice.verdict(), Verdict::None);
}

void TestPractice::gaugeStopsAt100()
{
    // Analyze twice on one sample, the right box ticked: both count, the rate is 200, the gauge 100.
    Practice practice;
    practice.CreateCategoryStats();
    practice.generated(2, AbgCategory::RA);
    practice.tick(AbgCategory::RA);
    practice.ScoreTeacherAnswer({7.1, 80, 60, 24, 21, 60}, PressureUnit::MmHg);
    practice.ScoreTeacherAnswer({7.1, 80, 60, 24, 21, 60}, PressureUnit::MmHg);
    QCOMPARE(practice.teacher().successRate(), 200.0);
    QCOMPARE(practice.gauge(), 100);
    QCOMPARE(practice.review().answers().size(), std::size_t(2));
}

QTEST_APPLESS_MAIN(TestPractice)
#include "tst_practice.moc"
