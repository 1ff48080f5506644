#include "engine/PressureUnits.h"
#include "engine/SampleGenerator.h"
#include "numbers/NumberText.h"
#include "tests/support/WindowFixture.h"
#include "ui/StatisticsPage.h"
#include "ui/TeacherPage.h"
#include "widgets/Contrast.h"
#include "widgets/CylinderGauge.h"
#include "widgets/HoverBoldLabel.h"
#include "widgets/NumericSpinField.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

namespace {
QString categoryLabelName(halvex::AbgCategory category)
{
    return QStringLiteral("lbl") + QString::fromLatin1(halvex::categoryInfo(category).abbreviation.data());
}

// The design's colour, or the nearest shade of its hue that reads at 4.5:1 on the widget's background.
bool inDesignHue(const QWidget *widget, const QColor &design)
{
    const QColor shown = widget->palette().color(QPalette::WindowText);
    const QColor background = widget->palette().color(QPalette::Window);
    return shown == readableOn(design, background) && contrastRatio(shown, background) >= kTextContrast
           && (shown == design || shown.hue() == design.hue());
}

const QString kConfirmation = "Last generated ABG not analyzed, are you sure you want to generate another?";
} // namespace

class TestTeacherMode : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstGenerate();
    void secondGenerateAsksFirst();
    void clearDoesNotEndTheWait();
    void rightAnswer();
    void wrongAnswer();
    void successRateOverEightSamples_data();
    void successRateOverEightSamples();
    void analyzeTwiceOnOneSample();
    void analyzeWithoutATick();
    void validationErrorAfterGenerate();
    void tickingMovesTheOneTick();
    void noSampleYet();
    void answersCountOnlyForTheirCase_data();
    void answersCountOnlyForTheirCase();
    void kpaShowsConvertedPressures();
    void samplePageNormal();
    void samplePageReachesBothVariants();
    void samplePageClickWhileAwaiting();
    void samplePageBoldFollowsThePointer();

private:
    void generate() { m_fixture.generate(); }
    void analyze() { m_fixture.panel()->btnAnalyzeClick(); }
    void tick(int code) { m_fixture.tick(*halvex::categoryFromCode(code)); }
    QCheckBox *box(int code) const { return m_fixture.answerBox(*halvex::categoryFromCode(code)); }
    QLabel *verdict() const { return (m_fixture.onPage<TeacherPage, QLabel>("lblResultAcidBase")); }
    int gauge() const { return (m_fixture.onPage<TeacherPage, CylinderGauge>("pb"))->value(); }
    QString stats(int code) const
    {
        return (m_fixture.onPage<StatisticsPage, QLabel>(QStringLiteral("lblStats%1").arg(code)))->text();
    }
    int generated() const { return halvex::categoryCode(m_fixture.teacher().generatedCategory().value()); }
    QList<int> ticked() const;
    void showSamplesPage();

    WindowFixture m_fixture;
};

void TestTeacherMode::init()
{
    QVERIFY(m_fixture.open(20261210));
}

void TestTeacherMode::cleanup()
{
    m_fixture.forgetSettings();
}

QList<int> TestTeacherMode::ticked() const
{
    QList<int> codes;
    for (int code = 0; code < halvex::kCategoryCount; ++code) {
        if (box(code)->isChecked())
            codes << code;
    }
    return codes;
}

void TestTeacherMode::showSamplesPage()
{
    m_fixture.child<QAction>("alBarABGSamples")->trigger();
}

void TestTeacherMode::firstGenerate()
{
    tick(3);
    generate();
    AbgInputPanel *panel = m_fixture.panel();
    QCOMPARE((m_fixture.onPage<TeacherPage, QLabel>("lblGenerated"))->text(), QString("1"));
    QVERIFY(m_fixture.boxes.confirmations.isEmpty());
    QVERIFY(ticked().isEmpty());
    QVERIFY(panel->btnAnalyze()->hasFocus());
    for (NumericSpinField *field : panel->inputFields())
        QVERIFY(field->isReadOnly());
    QVERIFY(m_fixture.teacher().awaitingAnalysis());

    const halvex::BloodGasSample &sample = m_fixture.window->session().generator().sample();
    QCOMPARE(panel->edtPh()->text(), QString::fromStdString(halvex::formatFixed(sample.pH, 2)));
    QCOMPARE(panel->edtPaCO2()->value(), sample.PaCO2);
    QCOMPARE(panel->edtPaO2()->value(), sample.PaO2);
    QCOMPARE(panel->edtHCO3()->value(), sample.HCO3);
    QCOMPARE(panel->edtFIO2()->value(), sample.FiO2);
    QCOMPARE(panel->edtAge()->value(), sample.Age);
    QVERIFY(generated() >= 0 && generated() < halvex::kCategoryCount);
}

void TestTeacherMode::secondGenerateAsksFirst()
{
    generate();
    const QString ph = m_fixture.panel()->edtPh()->text();
    const QString paco2 = m_fixture.panel()->edtPaCO2()->text();
    tick(2);

    m_fixture.boxes.confirmAnswer = false;
    generate();
    QCOMPARE(m_fixture.boxes.confirmations, QStringList{kConfirmation});
    QCOMPARE(m_fixture.panel()->edtPh()->text(), ph);
    QCOMPARE(m_fixture.panel()->edtPaCO2()->text(), paco2);
    QCOMPARE((m_fixture.onPage<TeacherPage, QLabel>("lblGenerated"))->text(), QString("1"));
    QCOMPARE(ticked(), QList<int>{2});
    QVERIFY(m_fixture.panel()->edtPh()->isReadOnly());

    m_fixture.boxes.confirmAnswer = true;
    generate();
    QCOMPARE(m_fixture.boxes.confirmations.size(), 2);
    QCOMPARE((m_fixture.onPage<TeacherPage, QLabel>("lblGenerated"))->text(), QString("2"));
    QVERIFY(ticked().isEmpty());
}

void TestTeacherMode::clearDoesNotEndTheWait()
{
    generate();
    QTest::mouseClick(m_fixture.panel()->btnClear(), Qt::LeftButton);
    generate();
    QCOMPARE(m_fixture.boxes.confirmations, QStringList{kConfirmation});
}

void TestTeacherMode::rightAnswer()
{
    generate();
    tick(generated());
    analyze();
    QCOMPARE(verdict()->text(), QString("Correct !"));
    QVERIFY(inDesignHue(verdict(), QColor(0, 128, 0)));
    QCOMPARE(gauge(), 100);
    QCOMPARE(stats(generated()), QString("100 %"));
    for (int code = 0; code < halvex::kCategoryCount; ++code) {
        if (code != generated())
            QCOMPARE(stats(code), QString("N/A"));
    }
    QCOMPARE(ticked(), QList<int>{generated()}); // the tick stays after Analyze
    QVERIFY(m_fixture.panel()->btnGenerate()->hasFocus());
}

void TestTeacherMode::wrongAnswer()
{
    generate();
    tick((generated() + 1) % halvex::kCategoryCount);
    analyze();
    QCOMPARE(verdict()->text(), QString("Incorrect"));
    QVERIFY(inDesignHue(verdict(), QColor(255, 0, 0)));
    QCOMPARE(gauge(), 0);
    QCOMPARE(stats(generated()), QString("0 %"));
}

void TestTeacherMode::successRateOverEightSamples_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("gauge");
    QTest::newRow("one of eight: 12.5 gives 12") << 1 << 12;
    QTest::newRow("three of eight: 37.5 gives 38") << 3 << 38;
}

void TestTeacherMode::successRateOverEightSamples()
{
    QFETCH(int, right);
    QFETCH(int, gauge);
    for (int i = 0; i < 8; ++i) {
        generate();
        tick(i < right ? generated() : (generated() + 1) % halvex::kCategoryCount);
        analyze();
    }
    QVERIFY(m_fixture.boxes.confirmations.isEmpty());
    QCOMPARE(m_fixture.teacher().correctCount(), right);
    QCOMPARE(this->gauge(), gauge);
}

void TestTeacherMode::analyzeTwiceOnOneSample()
{
    generate();
    const int category = generated();
    tick(category);
    analyze();
    analyze();
    QCOMPARE(m_fixture.teacher().correctCount(), 2);
    QCOMPARE(m_fixture.teacher().successRate(), 200.0);
    QCOMPARE(gauge(), 100);
    QCOMPARE(stats(category), QString("100 %"));
    const auto tally = m_fixture.teacher().categoryStats(*halvex::categoryFromCode(category));
    QVERIFY(tally);
    QCOMPARE(tally->answers, 2);
}

void TestTeacherMode::analyzeWithoutATick()
{
    generate();
    analyze();
    QVERIFY(!m_fixture.panel()->edtAssessAcidBase()->text().isEmpty() || !m_fixture.boxes.abgErrors.isEmpty());
    QVERIFY(verdict()->text().isEmpty());
    QCOMPARE(m_fixture.teacher().correctCount(), 0);
    QCOMPARE(gauge(), 0);
    for (int code = 0; code < halvex::kCategoryCount; ++code)
        QCOMPARE(stats(code), QString("N/A"));
    QVERIFY(m_fixture.panel()->btnGenerate()->hasFocus());
}

void TestTeacherMode::validationErrorAfterGenerate()
{
    generate();
    tick(generated());
    m_fixture.panel()->edtHCO3()->clear();
    analyze();
    QCOMPARE(m_fixture.boxes.errors, QStringList{"One or more fields are Empty!"});
    QVERIFY(!m_fixture.teacher().awaitingAnalysis());
    for (NumericSpinField *field : m_fixture.panel()->inputFields())
        QVERIFY(!field->isReadOnly());
    QVERIFY(verdict()->text().isEmpty());
    QCOMPARE(m_fixture.teacher().correctCount(), 0);
}

void TestTeacherMode::tickingMovesTheOneTick()
{
    tick(4);
    QCOMPARE(ticked(), QList<int>{4});
    tick(4); // clicking the ticked box leaves it ticked
    QCOMPARE(ticked(), QList<int>{4});
    tick(11);
    QCOMPARE(ticked(), QList<int>{11});
    QCOMPARE(m_fixture.teacher().chosenCategory(), halvex::AbgCategory::MAK);
    QVERIFY(inDesignHue(box(11), QColor(0, 0, 128)));
    QVERIFY(inDesignHue(box(4), QColor(128, 0, 0)));
    QVERIFY(inDesignHue(box(0), QColor(0, 128, 0)));
}

void TestTeacherMode::noSampleYet()
{
    // No case was given: nothing is scored, and the box is cleared as when a case starts.
    tick(0);
    analyze();
    QVERIFY(verdict()->text().isEmpty());
    QCOMPARE(m_fixture.teacher().correctCount(), 0);
    QCOMPARE(gauge(), 0);
    QCOMPARE(stats(0), QString("N/A"));
    QVERIFY(ticked().isEmpty());
}

void TestTeacherMode::answersCountOnlyForTheirCase_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("a value typed") << "typed";
    QTest::newRow("Clear, then values typed") << "clear";
    QTest::newRow("a sample loaded") << "sample";
    QTest::newRow("a value stepped with the arrow key") << "stepped";
}

void TestTeacherMode::answersCountOnlyForTheirCase()
{
    QFETCH(QString, change);
    generate();
    tick(generated());
    analyze();
    QCOMPARE(verdict()->text(), QString("Correct !"));
    QCOMPARE(m_fixture.teacher().correctCount(), 1);

    // The fields no longer hold the generated case...
    AbgInputPanel *panel = m_fixture.panel();
    if (change == "typed") {
        panel->edtPaCO2()->setFocus();
        panel->edtPaCO2()->selectAll();
        QTest::keyClicks(panel->edtPaCO2(), "76");
    } else if (change == "clear") {
        QTest::mouseClick(panel->btnClear(), Qt::LeftButton);
        const QStringList values{"7.06", "76", "151", "10", "35", "93"};
        for (int i = 0; i < 6; ++i) {
            panel->inputFields()[std::size_t(i)]->setFocus();
            QTest::keyClicks(panel->inputFields()[std::size_t(i)], values[i]);
        }
    } else if (change == "sample") {
        showSamplesPage();
        QTest::mouseClick(m_fixture.child<HoverBoldLabel>("lblCRMA"), Qt::LeftButton);
    } else {
        panel->edtAge()->setFocus();
        QTest::keyClick(panel->edtAge(), Qt::Key_Up);
    }
    // ...so the answer box is cleared, and a box ticked now scores nothing.
    QVERIFY(ticked().isEmpty());
    m_fixture.child<QAction>("alBarABGTeacher")->trigger();
    tick(generated());
    analyze();
    QCOMPARE(m_fixture.teacher().correctCount(), 1);
    QCOMPARE(verdict()->text(), QString("Correct !")); // the verdict of the last scored answer stays
    QCOMPARE(gauge(), 100);
    QVERIFY(ticked().isEmpty());
    // The next case is scored again.
    generate();
    tick(generated());
    analyze();
    QCOMPARE(m_fixture.teacher().correctCount(), 2);
}

void TestTeacherMode::kpaShowsConvertedPressures()
{
    m_fixture.child<QAction>("alBarKPa")->trigger();
    m_fixture.panel()->edtPaCO2()->setDecimals(1);
    m_fixture.panel()->edtPaO2()->setDecimals(1);
    generate();
    const halvex::BloodGasSample &sample = m_fixture.window->session().generator().sample();
    const auto shown = [](double mmHg) {
        return QString::fromStdString(halvex::formatFixed(halvex::ConvertPressure("MMHG", "KPA", mmHg), 1));
    };
    QCOMPARE(m_fixture.panel()->edtPaCO2()->text(), shown(sample.PaCO2));
    QCOMPARE(m_fixture.panel()->edtPaO2()->text(), shown(sample.PaO2));
    QCOMPARE(m_fixture.panel()->edtHCO3()->value(), sample.HCO3);
    tick(generated());
    analyze();
    QCOMPARE(verdict()->text(), QString("Correct !"));
    QCOMPARE(m_fixture.panel()->edtAssessAcidBase()->text(),
             QString::fromUtf8(halvex::TABG::CategoryName(generated()).data()));
}

void TestTeacherMode::samplePageNormal()
{
    showSamplesPage();
    auto *normal = m_fixture.child<HoverBoldLabel>("lblNormal");
    for (int i = 0; i < 50; ++i) {
        QTest::mouseClick(normal, Qt::LeftButton);
        AbgInputPanel *panel = m_fixture.panel();
        QVERIFY(panel->edtPh()->value() >= 7.35 && panel->edtPh()->value() <= 7.44);
        QVERIFY(panel->edtPaCO2()->value() >= 35 && panel->edtPaCO2()->value() <= 44);
        QVERIFY(panel->edtHCO3()->value() >= 22 && panel->edtHCO3()->value() <= 25);
        QVERIFY(panel->btnAnalyze()->hasFocus());
    }
    analyze();
    QCOMPARE(m_fixture.panel()->edtAssessAcidBase()->text(), QString("Normal Acid/Base balance"));
    QCOMPARE((m_fixture.onPage<TeacherPage, QLabel>("lblGenerated"))->text(), QString("0"));
}

void TestTeacherMode::samplePageReachesBothVariants()
{
    showSamplesPage();
    auto *label = m_fixture.child<HoverBoldLabel>("lblCRMAK");
    bool above760 = false;
    bool below760 = false;
    for (int i = 0; i < 60; ++i) {
        QTest::mouseClick(label, Qt::LeftButton);
        const double ph = m_fixture.panel()->edtPh()->value();
        above760 = above760 || ph > 7.60;
        below760 = below760 || ph < 7.60;
    }
    QVERIFY(above760 && below760);
    analyze();
    QCOMPARE(m_fixture.panel()->edtAssessAcidBase()->text(), QString("Combined Respiratory and Metabolic Alkalosis"));
}

void TestTeacherMode::samplePageClickWhileAwaiting()
{
    generate();
    const int category = generated();
    showSamplesPage();
    const auto other = halvex::AbgCategory((category + 7) % halvex::kCategoryCount);
    QTest::mouseClick(m_fixture.child<HoverBoldLabel>(categoryLabelName(other)), Qt::LeftButton);
    QVERIFY(m_fixture.teacher().awaitingAnalysis());
    QVERIFY(m_fixture.panel()->edtPh()->isReadOnly()); // locked fields still receive the sample
    QCOMPARE(generated(), category);

    // The fields hold the sample now, not the generated case: an answer is not scored against it.
    tick(category);
    analyze();
    QVERIFY(verdict()->text().isEmpty());
    QCOMPARE(m_fixture.teacher().correctCount(), 0);
    QVERIFY(ticked().isEmpty());
}

void TestTeacherMode::samplePageBoldFollowsThePointer()
{
    showSamplesPage();
    // The longest name turning bold moves nothing: its room is kept.
    auto *longest = m_fixture.child<HoverBoldLabel>("lblCRMA");
    auto *beside = m_fixture.child<HoverBoldLabel>("lblCRMAK");
    QApplication::processEvents(); // the page is laid out
    const QRect besideBefore = beside->geometry();
    const QRect longestBefore = longest->geometry();
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(longest, &enter);
    QVERIFY(longest->isBold());
    QApplication::processEvents();
    QCOMPARE(beside->geometry(), besideBefore);
    QCOMPARE(longest->geometry(), longestBefore);
    QVERIFY(longest->width() >= longest->fontMetrics().horizontalAdvance(longest->text()));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(longest, &leave);

    auto *label = m_fixture.child<HoverBoldLabel>("lblPCMA");
    QApplication::sendEvent(label, &enter);
    QTest::mouseClick(label, Qt::LeftButton);
    QVERIFY(label->isBold()); // a clicked label stays bold until the pointer leaves
    m_fixture.child<QAction>("alBarABGTeacher")->trigger();
    showSamplesPage(); // showing the page again shows no label in bold
    QVERIFY(!label->isBold());
    m_fixture.window->page<StatisticsPage>();
    QVERIFY(!m_fixture.child<QLabel>("lblPCMAStats")->font().bold());
}

QTEST_MAIN(TestTeacherMode)
#include "tst_teachermode.moc"
