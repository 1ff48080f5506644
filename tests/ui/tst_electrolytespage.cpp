// The electrolytes page as a user meets it: its side-bar item, Na, Cl and the
// albumin typed beside a blood gas, the anion gap read after Analyze in both
// languages, a refused value named, the albumin unit stored only when it is
// not g/L, its own Clear, and teacher mode's "With electrolytes".

#include "tests/support/WindowFixture.h"
#include "ui/ElectrolytesPage.h"
#include "widgets/NumericSpinField.h"
#include "widgets/SideBarItem.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextEdit>

class TestElectrolytesPage : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_fixture.open(21)); }
    void cleanup() { m_fixture.forgetSettings(); }

    void readsTheGapAfterAnalyze();
    void refusedValueIsNamed();
    void albuminUnitStoredOnlyWhenChanged();
    void clearEmptiesTheFields();
    void teacherModeGeneratesElectrolytes();
    void tabWalksThePageAsItIsSeen();

private:
    void openPage()
    {
        QTest::mouseClick(m_fixture.child<SideBarItem>("barABGElectrolytes"), Qt::LeftButton);
        QCOMPARE(m_fixture.window->pcABGDetails()->currentWidget()->objectName(), QString("tsElectrolytes"));
    }
    NumericSpinField *field(const char *name) const { return m_fixture.child<NumericSpinField>(name); }
    void type(const char *name, const QString &text) const
    {
        NumericSpinField *into = field(name);
        into->setFocus();
        into->selectAll();
        QTest::keyClick(into, Qt::Key_Backspace);
        QTest::keyClicks(into, text);
    }
    void enterGas(const QStringList &values) const
    {
        const auto fields = m_fixture.panel()->inputFields();
        for (int i = 0; i < 6; ++i)
            fields[std::size_t(i)]->setText(values[i]);
    }
    QString reading() const { return m_fixture.child<QTextEdit>("txtAnionGap")->toPlainText(); }

    WindowFixture m_fixture;
};

void TestElectrolytesPage::readsTheGapAfterAnalyze()
{
    openPage();
    QVERIFY2(reading().startsWith("Nothing analyzed yet"), qPrintable(reading()));
    // A ketoacidosis: gap 25, delta ratio 0.93.
    type("edtSodium", "135");
    type("edtChloride", "100");
    enterGas({"7.20", "25", "90", "10", "21", "40"});
    m_fixture.analyze();
    QVERIFY2(reading().contains("Anion gap = Na − (Cl + HCO3) = 135 − (100 + 10) = 25 mEq/L.")
                 && reading().contains("No albumin given")
                 && reading().contains("(25 − 12) / (24 − 10) = 0.93: from 0.8 to 2")
                 && reading().contains("Usual causes of a high-gap acidosis"),
             qPrintable(reading()));
    // The explanation has the same steps.
    m_fixture.trigger("alBarABGExplain");
    QVERIFY(m_fixture.child<QTextEdit>("txtExplanation")->toPlainText().contains("= 135 − (100 + 10) = 25 mEq/L."));

    // In French, with an albumin of 20 g/L, after the next Analyze.
    m_fixture.trigger("alBarFrench");
    openPage();
    type("edtAlbumin", "20");
    m_fixture.analyze();
    QVERIFY2(
        reading().contains("Trou anionique = Na − (Cl + HCO3) = 135 − (100 + 10) = 25 mEq/L.")
            && reading().contains("Corrigé selon l'albuminémie (20 g/L = 2 g/dL) : 25 + 2,5 × (4,0 − 2) = 30 mEq/L."),
        qPrintable(reading()));
    QCOMPARE(field("edtSodium")->accessibleName(), QString("Na (mEq/L)"));
    QCOMPARE(m_fixture.child<QPushButton>("btnClearElectrolytes")->text(), QString("Effacer les é&lectrolytes"));
}

void TestElectrolytesPage::refusedValueIsNamed()
{
    openPage();
    type("edtSodium", "200");
    type("edtChloride", "100");
    enterGas({"7.40", "40", "90", "24", "21", "40"});
    m_fixture.analyze();
    QCOMPARE(reading(), QString("Na is out of range!  Range: 100 to 180 mEq/L"));
    // The blood gas itself is assessed as ever.
    QCOMPARE(m_fixture.panel()->edtAssessAcidBase()->text(), QString("Normal Acid/Base balance"));
    // Without Na and Cl, the page says what it needs.
    type("edtSodium", "");
    m_fixture.analyze();
    QVERIFY2(reading().startsWith("Type Na and Cl"), qPrintable(reading()));
}

void TestElectrolytesPage::albuminUnitStoredOnlyWhenChanged()
{
    openPage();
    type("edtAlbumin", "38");
    auto *unit = m_fixture.child<QComboBox>("cbAlbuminUnit");
    unit->setFocus();
    QTest::keyClick(unit, Qt::Key_Down);
    QCOMPARE(unit->currentText(), QString("g/dL"));
    // The albumin keeps its amount.
    QCOMPARE(field("edtAlbumin")->text(), QString("3.8"));
    m_fixture.window->close();
    QCOMPARE(WindowFixture::stored("AppSettings/AlbuminUnit").toString(), QString("g/dL"));

    QVERIFY(m_fixture.open(21));
    openPage();
    unit = m_fixture.child<QComboBox>("cbAlbuminUnit");
    QCOMPARE(unit->currentText(), QString("g/dL"));
    unit->setFocus();
    QTest::keyClick(unit, Qt::Key_Up);
    m_fixture.window->close();
    QVERIFY(!WindowFixture::stored("AppSettings/AlbuminUnit").isValid());
}

void TestElectrolytesPage::clearEmptiesTheFields()
{
    openPage();
    type("edtSodium", "140");
    type("edtChloride", "104");
    QTest::mouseClick(m_fixture.child<QPushButton>("btnClearElectrolytes"), Qt::LeftButton);
    QVERIFY(field("edtSodium")->isEmpty() && field("edtChloride")->isEmpty());
    QVERIFY(!m_fixture.window->session().electrolytes().any());
}

void TestElectrolytesPage::teacherModeGeneratesElectrolytes()
{
    m_fixture.trigger("alBarABGTeacher");
    auto *option = m_fixture.child<QCheckBox>("chkWithElectrolytes");
    QCOMPARE(option->text(), QString("With electrolytes"));
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    m_fixture.generate();
    openPage();
    QVERIFY(!field("edtSodium")->isEmpty() && !field("edtChloride")->isEmpty() && !field("edtAlbumin")->isEmpty());
    m_fixture.tick(m_fixture.generated());
    m_fixture.analyze();
    QVERIFY2(reading().contains("Anion gap = "), qPrintable(reading()));
    // The answer scored is reviewed with them.
    const halvex::AnswerRecord &answer = m_fixture.practice().review().answers().back();
    QCOMPARE(answer.electrolytes.sodium, m_fixture.window->session().electrolytes().sodium);
    QVERIFY(answer.electrolytes.chloride && answer.electrolytes.albumin);
    m_fixture.window->close();
    QCOMPARE(WindowFixture::stored("AppSettings/WithElectrolytes").toString(), QString("1"));

    // Off again: not stored, and Generate leaves the page empty.
    QVERIFY(m_fixture.open(21));
    m_fixture.trigger("alBarABGTeacher");
    option = m_fixture.child<QCheckBox>("chkWithElectrolytes");
    QVERIFY(option->isChecked());
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    m_fixture.generate();
    QVERIFY(!m_fixture.window->session().electrolytes().any());
    m_fixture.window->close();
    QVERIFY(!WindowFixture::stored("AppSettings/WithElectrolytes").isValid());
}

void TestElectrolytesPage::tabWalksThePageAsItIsSeen()
{
    // Entered from its side-bar item with the keyboard: the focus on Na, then Tab in the order seen.
    QWidget *item = m_fixture.child<SideBarItem>("barABGElectrolytes");
    item->setFocus();
    QTest::keyClick(item, Qt::Key_Space);
    QStringList walked{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(walked, (QStringList{"edtSodium", "edtChloride", "edtAlbumin", "cbAlbuminUnit", "btnClearElectrolytes",
                                  "txtAnionGap"}));
}

QTEST_MAIN(TestElectrolytesPage)
#include "tst_electrolytespage.moc"
