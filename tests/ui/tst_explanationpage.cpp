// The explanation page, reached as a user reaches it: Analyze, then "Why?" or
// the side bar; in both languages and both units; after a scored answer it
// starts with the verdict on the answer.

#include "tests/support/WindowFixture.h"
#include "ui/ExplanationPage.h"
#include "ui/TeacherPage.h"
#include "widgets/IndexedAction.h"
#include "widgets/NumericSpinField.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTextEdit>

class TestExplanationPage : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_fixture.open(11)); }
    void cleanup() { m_fixture.forgetSettings(); }

    void nothingYet();
    void whyOpensTheExplanation();
    void afterAScoredAnswer();
    void followsLanguageAndUnit();
    void generatedExercisesAndRealisticCases();
    void showsOnlyWhatTheFieldsHold_data();
    void showsOnlyWhatTheFieldsHold();

private:
    QString shown() const { return m_fixture.child<QTextEdit>("txtExplanation")->toPlainText(); }
    void enter(const QStringList &values)
    {
        const auto fields = m_fixture.panel()->inputFields();
        for (int i = 0; i < 6; ++i)
            fields[std::size_t(i)]->setText(values[i]);
    }
    void analyze() { QTest::mouseClick(m_fixture.panel()->btnAnalyze(), Qt::LeftButton); }
    void why() { QTest::mouseClick(m_fixture.panel()->btnWhy(), Qt::LeftButton); }

    WindowFixture m_fixture;
};

void TestExplanationPage::nothingYet()
{
    m_fixture.child<QAction>("alBarABGExplain")->trigger();
    QCOMPARE(m_fixture.window->pcABGDetails()->currentWidget()->objectName(), QString("tsExplanation"));
    QVERIFY2(shown().startsWith("Nothing analyzed yet"), qPrintable(shown()));
}

void TestExplanationPage::whyOpensTheExplanation()
{
    enter({"7.34", "52", "75", "24", "21", "40"});
    analyze();
    // The result fields say what they always said.
    QCOMPARE(m_fixture.panel()->edtAssessAcidBase()->text(), QString("Uncompensated Respiratory Acidosis"));
    why();
    QCOMPARE(m_fixture.window->pcABGDetails()->currentWidget()->objectName(), QString("tsExplanation"));
    QCOMPARE(m_fixture.child<IndexedAction>("alBarABGExplain")->imageIndex(), 1);
    const QString text = shown();
    QVERIFY2(text.contains("pH 7.34 is below 7.35: acidemic.")
                 && text.contains("PaCO2 52 mmHg is above 45 mmHg: high, acidic.") && text.contains("Step by step")
                 && text.contains("Teaching notes")
                 && text.contains("close to the acute value only: an acute respiratory acidosis"),
             qPrintable(text));
    QVERIFY(!text.contains("Correct") && !text.contains("Incorrect")); // nothing was scored

    // To a screen reader a read-only text to move through, its characters those shown.
    QAccessibleInterface *document =
        QAccessible::queryAccessibleInterface(m_fixture.child<QTextEdit>("txtExplanation"));
    QCOMPARE(document->role(), QAccessible::EditableText);
    QVERIFY(document->state().readOnly);
    QVERIFY(document->state().multiLine);
    const QString read = document->textInterface()->text(0, document->textInterface()->characterCount());
    QVERIFY2(read.contains("Teaching notes"), qPrintable(read));
    QVERIFY(!read.contains(QChar(0xFDD0)) && !read.contains(QChar(0xFDD1)));
}

void TestExplanationPage::afterAScoredAnswer()
{
    QTest::mouseClick(m_fixture.panel()->btnGenerate(), Qt::LeftButton);
    const halvex::AbgCategory generated = m_fixture.teacher().generatedCategory().value();
    const halvex::AbgCategory wrong =
        generated == halvex::AbgCategory::Normal ? halvex::AbgCategory::RA : halvex::AbgCategory::Normal;
    QCheckBox *box = m_fixture.answerBox(wrong);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    analyze();
    QCOMPARE((m_fixture.onPage<TeacherPage, QLabel>("lblResultAcidBase"))->text(), QString("Incorrect")); // as always
    why();
    const QString expected = QStringLiteral("Incorrect: this is %1; you ticked %2.")
                                 .arg(QString::fromUtf8(halvex::categoryInfo(generated).englishName.data()),
                                      QString::fromUtf8(halvex::categoryInfo(wrong).englishName.data()));
    QVERIFY2(shown().startsWith(expected), qPrintable(shown()));
}

void TestExplanationPage::followsLanguageAndUnit()
{
    enter({"7.30", "30", "90", "15", "21", "40"});
    analyze();
    m_fixture.child<QAction>("alBarFrench")->trigger();
    why();
    QCOMPARE(m_fixture.child<QLabel>("lblExplanationTitle")->text(), QString("Explication"));
    QCOMPARE(m_fixture.child<IndexedAction>("alBarABGExplain")->text(), QString("Explication"));
    QCOMPARE(m_fixture.panel()->btnWhy()->text(), QString("&Pourquoi ?")); // Alt+P
    QVERIFY2(shown().contains(QString::fromUtf8("Pas à pas")) && shown().contains("Formule de Winter"),
             qPrintable(shown()));
    m_fixture.child<QAction>("alBarKPa")->trigger();
    QVERIFY2(shown().contains("La PaCO2 de 4,0 kpa (× 7,5 = 30 mmHg)"), qPrintable(shown()));
    m_fixture.child<QAction>("alBarEnglish")->trigger();
    QCOMPARE(m_fixture.child<IndexedAction>("alBarABGExplain")->text(), QString("Explanation"));
    QVERIFY2(shown().contains("Winter's formula"), qPrintable(shown()));
}

void TestExplanationPage::generatedExercisesAndRealisticCases()
{
    const QString noFit = QStringLiteral("These values do not fit together");
    const auto generateAndExplain = [this] {
        QTest::mouseClick(m_fixture.panel()->btnGenerate(), Qt::LeftButton);
        analyze();
        why();
        return shown();
    };
    // As designed, most generated values do not fit: the explanation calls them an exercise.
    QString text;
    for (int i = 0; i < 20 && !text.contains(noFit); ++i)
        text = generateAndExplain();
    QVERIFY2(text.contains("this is an exercise that no patient could give"), qPrintable(text));
    // Once the user changes a value, the values are the user's.
    m_fixture.panel()->edtAge()->setText(QStringLiteral("45"));
    analyze();
    QVERIFY2(shown().contains(noFit) && shown().contains("a real sample would be checked for an entry error"),
             qPrintable(shown()));

    // With realistic cases, every generated case fits and its PaO2 is possible.
    m_fixture.child<QAction>("alBarABGTeacher")->trigger();
    QCheckBox *option = m_fixture.child<QCheckBox>("chkRealisticCases");
    QCOMPARE(option->text(), QString("Realistic cases"));
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    for (int i = 0; i < 40; ++i) {
        text = generateAndExplain();
        QVERIFY2(!text.contains(noFit) && !text.contains("impossible"), qPrintable(text));
    }
    const auto stored = [] { return WindowFixture::stored("AppSettings/RealisticCases"); };
    m_fixture.window->close();
    QCOMPARE(stored().toInt(), 1);

    // Restored ticked, in French as "Cas réalistes"; back to off, nothing stored.
    m_fixture.close();
    QVERIFY(m_fixture.open(12));
    m_fixture.child<QAction>("alBarFrench")->trigger();
    m_fixture.child<QAction>("alBarABGTeacher")->trigger();
    option = m_fixture.child<QCheckBox>("chkRealisticCases");
    QVERIFY(option->isChecked());
    QCOMPARE(option->text(), QString::fromUtf8("Cas réalistes"));
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    m_fixture.window->close();
    QVERIFY(!stored().isValid());
}

void TestExplanationPage::showsOnlyWhatTheFieldsHold_data()
{
    QTest::addColumn<QString>("then");
    QTest::newRow("Clear") << "clear";
    QTest::newRow("an Analyze refused") << "refused";
    QTest::newRow("Generate") << "generate";
    QTest::newRow("a value typed") << "typed";
}

void TestExplanationPage::showsOnlyWhatTheFieldsHold()
{
    QFETCH(QString, then);
    enter({"7.34", "52", "75", "24", "21", "40"});
    analyze();
    why();
    QVERIFY(shown().contains("pH 7.34"));
    if (then == "clear") {
        QTest::mouseClick(m_fixture.panel()->btnClear(), Qt::LeftButton);
    } else if (then == "refused") {
        m_fixture.panel()->edtPh()->setText(QString());
        analyze();
        QCOMPARE(m_fixture.boxes.errors.size(), 1);
    } else if (then == "generate") {
        QTest::mouseClick(m_fixture.panel()->btnGenerate(), Qt::LeftButton);
    } else {
        m_fixture.panel()->edtAge()->setText(QStringLiteral("41"));
    }
    QVERIFY2(shown().startsWith("Nothing analyzed yet"), qPrintable(shown()));
    // The next Analyze is explained again.
    enter({"7.40", "40", "90", "24", "21", "40"});
    analyze();
    QVERIFY(shown().contains("pH 7.40 is exactly 7.40"));
}

QTEST_MAIN(TestExplanationPage)
#include "tst_explanationpage.moc"
