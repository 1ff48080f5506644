#include "teaching/TeacherSession.h"

#include <QTest>

using namespace halvex;

namespace {
AbgCategory cat(int code)
{
    return *categoryFromCode(code);
}
} // namespace

class TestTeacherSession : public QObject {
    Q_OBJECT

private slots:
    void roundingToEven_data();
    void roundingToEven();
    void rightAndWrongAnswers();
    void answersCountForTheGeneratedCategory();
    void noSampleYet();
    void failedGeneration();
};

void TestTeacherSession::roundingToEven_data()
{
    QTest::addColumn<int>("part");
    QTest::addColumn<int>("whole");
    QTest::addColumn<int>("percentage");

    QTest::newRow("1 of 8: 12.5 to 12") << 1 << 8 << 12;
    QTest::newRow("3 of 8: 37.5 to 38") << 3 << 8 << 38;
    QTest::newRow("5 of 8: 62.5 to 62") << 5 << 8 << 62;
    QTest::newRow("7 of 8: 87.5 to 88") << 7 << 8 << 88;
    QTest::newRow("2 of 3") << 2 << 3 << 67;
    QTest::newRow("1 of 3") << 1 << 3 << 33;
    QTest::newRow("2 of 1") << 2 << 1 << 200;
    QTest::newRow("59 of 200: 29.5 to 30") << 59 << 200 << 30;
    QTest::newRow("57 of 200: 28.5 to 28") << 57 << 200 << 28;
    QTest::newRow("1 of 200: 0.5 to 0") << 1 << 200 << 0;
    QTest::newRow("29 of 40: 72.5 to 72") << 29 << 40 << 72;
}

void TestTeacherSession::roundingToEven()
{
    QFETCH(int, part);
    QFETCH(int, whole);
    QFETCH(int, percentage);
    QCOMPARE(roundedPercentage(halvex::percentage(part, whole)), percentage);

    // The gauge is the success rate itself, rounded.
    if (part > whole)
        return;
    TeacherSession session;
    session.createCategoryStats();
    for (int i = 0; i < whole; ++i) {
        session.sampleGenerated(cat(1));
        session.choose(cat(i < part ? 1 : 2));
        const TeacherSession::Score score = session.scoreAnswer();
        if (i == whole - 1)
            QCOMPARE(score.gauge, percentage);
    }
    QCOMPARE(session.successRate(), halvex::percentage(part, whole));
}

void TestTeacherSession::rightAndWrongAnswers()
{
    TeacherSession session;
    session.createCategoryStats();
    session.sampleGenerated(cat(5));
    QVERIFY(session.awaitingAnalysis());
    session.analysisStarted();
    QVERIFY(!session.awaitingAnalysis());

    session.choose(cat(5));
    TeacherSession::Score score = session.scoreAnswer();
    QVERIFY(score.correct);
    QCOMPARE(score.gauge, 100);
    QCOMPARE(score.statsCategory, std::optional(cat(5)));
    QCOMPARE(QString::fromStdString(score.statsText), QString("100 %"));

    session.sampleGenerated(cat(5));
    session.choose(cat(6));
    score = session.scoreAnswer();
    QVERIFY(!score.correct);
    QVERIFY(!session.lastAnswerCorrect());
    QCOMPARE(score.gauge, 50);
    QCOMPARE(QString::fromStdString(score.statsText), QString("50 %"));
    QCOMPARE(session.categoryStats(cat(5)), std::optional(TeacherSession::Tally{1, 2}));
    QCOMPARE(session.categoryStats(cat(6)), std::optional(TeacherSession::Tally{0, 0}));
}

void TestTeacherSession::answersCountForTheGeneratedCategory()
{
    TeacherSession session;
    session.createCategoryStats();
    session.sampleGenerated(cat(3));
    session.choose(cat(3));
    session.scoreAnswer();
    const TeacherSession::Score second = session.scoreAnswer(); // the same sample analysed again
    QCOMPARE(session.correctCount(), 2);
    QCOMPARE(session.successRate(), 200.0);
    QCOMPARE(second.gauge, 200); // the gauge itself stops at 100
    QCOMPARE(session.categoryStats(cat(3)), std::optional(TeacherSession::Tally{2, 2}));

    session.sampleGenerated(cat(4));
    session.choose(cat(9));
    const TeacherSession::Score wrong = session.scoreAnswer();
    QCOMPARE(QString::fromStdString(wrong.statsText), QString("0 %"));
    QCOMPARE(wrong.statsCategory, std::optional(cat(4)));
}

void TestTeacherSession::noSampleYet()
{
    TeacherSession session;
    session.createCategoryStats();
    session.choose(cat(0)); // Normal matches the initial generated category
    const TeacherSession::Score score = session.scoreAnswer();
    QVERIFY(score.correct);
    QCOMPARE(session.correctCount(), 1);
    QCOMPARE(score.gauge, 0);
    QVERIFY(!score.statsCategory);
    QCOMPARE(session.categoryStats(cat(0)), std::optional(TeacherSession::Tally{0, 0}));
}

void TestTeacherSession::failedGeneration()
{
    TeacherSession session;
    session.createCategoryStats();
    session.sampleGenerated(std::nullopt);
    session.choose(cat(14));
    const TeacherSession::Score score = session.scoreAnswer();
    QVERIFY(!score.correct);
    QCOMPARE(score.gauge, 0);
    QVERIFY(!score.statsCategory);
    for (int code = 0; code < 15; ++code)
        QCOMPARE(session.categoryStats(cat(code)), std::optional(TeacherSession::Tally{0, 0}));
}

QTEST_APPLESS_MAIN(TestTeacherSession)
#include "tst_teachersession.moc"
