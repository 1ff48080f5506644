#include "product/ProductInfo.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/support/WindowFixture.h"
#include "ui/AbgInputPanel.h"
#include "ui/MainForm.h"
#include "ui/NormalValuesPage.h"
#include "widgets/IndexedAction.h"
#include "widgets/NumericSpinField.h"
#include "widgets/SideBarGroup.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

const QStringList kPageActions{"alBarABGTeacher", "alBarABGStats", "alBarABGShowNormalVals", "alBarABGSamples",
                               "alBarABGPrint",   "alBarABGPrefs", "alBarABGHelp",           "alBarABGHelpAbout"};

struct Values {
    QString pH, PaCO2, PaO2, HCO3, FiO2, Age;
};

} // namespace

Q_DECLARE_METATYPE(Values)

class TestMainForm : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void frame();
    void analyzeOnTheInitialValues();
    void validationInOrder_data();
    void validationInOrder();
    void emptyAgeAndOxygenAreAssessed();
    void kpaIsConvertedBeforeTheAssessment();
    void inconsistentGasOpensTheErrorDialog();
    void analyzeMakesTheFieldsEditable();
    void phExitRule_data();
    void phExitRule();
    void enterWalksThroughTheFields();
    void clear();
    void pageSwitchKeepsExactlyOneArrow_data();
    void pageSwitchKeepsExactlyOneArrow();
    void helpAndWebsite();
    void sideBarGroups();
    void preferencesStandAfterPrint_data();
    void preferencesStandAfterPrint();
    void statusLineShowsLongHints();

private:
    template <typename T>
    T *child(const QString &name) const
    {
        return m_fixture.child<T>(name);
    }
    void enter(const Values &values);
    void analyze() { QTest::mouseClick(m_window->inputPanel()->btnAnalyze(), Qt::LeftButton); }
    // The unit and the language chosen in the side bar, as a user chooses them.
    void choose(const QString &units, const QString &language)
    {
        child<QAction>(units == "KPA" ? "alBarKPa" : "alBarMMHG")->trigger();
        child<QAction>(language == "FRENCH" ? "alBarFrench" : "alBarEnglish")->trigger();
    }
    QString acidBase() const { return m_window->inputPanel()->edtAssessAcidBase()->text(); }
    QString oxygenation() const { return m_window->inputPanel()->edtAssessO2()->text(); }
    QStringList arrows() const;

    WindowFixture m_fixture;
    RecordingMessageBoxes &m_boxes = m_fixture.boxes;
    std::unique_ptr<TfrmMain> &m_window = m_fixture.window;
};

void TestMainForm::init()
{
    QVERIFY(m_fixture.open());
}

void TestMainForm::cleanup()
{
    m_fixture.forgetSettings();
}

void TestMainForm::enter(const Values &values)
{
    AbgInputPanel *panel = m_window->inputPanel();
    const std::array<QString, 6> texts{values.pH, values.PaCO2, values.PaO2, values.HCO3, values.FiO2, values.Age};
    for (std::size_t i = 0; i < texts.size(); ++i)
        panel->inputFields()[i]->setText(texts[i]);
}

QStringList TestMainForm::arrows() const
{
    QStringList withArrow;
    for (IndexedAction *action : m_window->findChildren<IndexedAction *>()) {
        if (action->imageIndex() == 1)
            withArrow << action->objectName();
    }
    return withArrow;
}

void TestMainForm::frame()
{
    QCOMPARE(m_window->windowTitle(), QString("Halvex"));
    // The design's 807 × 498, taller by what the items added to the side bar
    // need to show every group whole: 35 pixels for the four items added to the
    // ABG group (three of ours and Preferences).
    QCOMPARE(m_window->size(), QSize(807, 498 + 35));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(m_window->font().pixelSize(), 12);
    QCOMPARE(child<QLabel>("lblTitle")->text(), QString("Arterial Blood Gas Analyzer"));
    QCOMPARE(m_window->pcABGDetails()->count(), kPageCount); // the eight designed pages, the explanation and the review
    QCOMPARE(m_window->pcABGDetails()->currentWidget()->objectName(), QString("tsHelpAbout"));
    QCOMPARE(arrows(), QStringList{"alBarABGTeacher"});
    QCOMPARE(child<QLineEdit>("edtAssessAcidBase")->width(), 383);
    QVERIFY(child<QLineEdit>("edtAssessAcidBase")->isReadOnly());
    QCOMPARE(child<QLineEdit>("edtAssessO2")->focusPolicy(), Qt::StrongFocus); // read by Tab as well
    QCOMPARE(m_window->session().presentation().CurrentUnits(), std::string_view("MMHG"));
    QCOMPARE(m_window->session().presentation().CurrentLanguage(), std::string("ENGLISH"));
    // The English heading is longer than the design text, and shown whole.
    QCOMPARE(child<QLabel>("lblAcidBase")->text(), QString("Assessment of Acid/Base status :"));
    QVERIFY(child<QLabel>("lblAcidBase")->width() >= child<QLabel>("lblAcidBase")->sizeHint().width());

    m_window->page<NormalValuesPage>(); // made on first need
    const QStringList normalValues{"lblValues",    "lblUnitsOfMesure", "lblNormalVal", "lblExpectedRange",
                                   "lblNVPCO2",    "lblPCo2Normal",    "lblPCO2Range", "lblNVPO2",
                                   "lblPo2Normal", "lblPO2Range"};
    // The English captions are applied at start-up: "Normal" loses the design text's trailing blank.
    const QStringList texts{"Values", "Units of measure", "Normal", "Excepted range", "mmHg", "40", "35 - 45", "mmHg",
                            "90",     "80 - 98"};
    for (int i = 0; i < normalValues.size(); ++i)
        QCOMPARE(child<QLabel>(normalValues[i])->text(), texts[i]);
}

void TestMainForm::analyzeOnTheInitialValues()
{
    analyze();
    QCOMPARE(acidBase(), QString("Normal Acid/Base balance"));
    QCOMPARE(oxygenation(), QString("without Hypoxemia"));
    QVERIFY(m_window->inputPanel()->btnGenerate()->hasFocus());
    QCOMPARE(m_boxes.count(), 0);
}

void TestMainForm::validationInOrder_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("language");
    QTest::addColumn<Values>("values");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("information");

    const QString empty = "One or more fields are Empty!";
    const auto row = [](const char *name, const char *units, const char *language, const Values &values,
                        const QString &error, const QString &information = {}) {
        QTest::newRow(name) << QString(units) << QString(language) << values << error << information;
    };
    row("empty pH", "MMHG", "ENGLISH", {"", "40", "90", "24", "21", "40"}, empty);
    row("empty HCO3", "MMHG", "ENGLISH", {"7.4", "40", "90", "", "21", "40"}, empty);
    row("empty before range", "MMHG", "ENGLISH", {"20", "", "90", "24", "21", "40"}, empty);
    row("pH 0.5", "MMHG", "ENGLISH", {"0.5", "40", "90", "24", "21", "40"},
        "pH is out of range!  Range : 1 to 14 -log[H]");
    row("PaCO2 0", "MMHG", "ENGLISH", {"7.4", "0", "90", "24", "21", "40"},
        "PaCO2 is out of range!  Range: 0 to 400 mmHg");
    row("PaO2 701", "MMHG", "ENGLISH", {"7.4", "40", "701", "24", "21", "40"},
        "PaO2 is out range!  Range: 0 to 700 mmHg");
    row("HCO3 201", "MMHG", "ENGLISH", {"7.4", "40", "90", "201", "21", "40"},
        "HCO3 is out of range!  Range: 0 to 200 mEq/L");
    row("age 136", "MMHG", "ENGLISH", {"7.4", "40", "90", "24", "21", "136"},
        "AGE is out of range!  Range 0 to 135 Years");
    row("O2 101", "MMHG", "ENGLISH", {"7.4", "40", "90", "24", "101", "40"}, {},
        "O2(%) is out of range!  Range: 21 to 100 %");
    row("PaCO2 0 in kPa", "KPA", "ENGLISH", {"7.4", "0", "12", "24", "21", "40"},
        "PaCO2 is out of range!  Range: 0 to 53 kpa");
    row("PaCO2 54 in kPa", "KPA", "ENGLISH", {"7.4", "54", "12", "24", "21", "40"},
        "PaCO2 is out of range!  Range: 0 to 53 kpa");
    row("PaO2 94 in kPa", "KPA", "ENGLISH", {"7.4", "5.3", "94", "24", "21", "40"},
        "PaO2 is out range!  Range: 0 to 93 kpa");
    row("French empty", "MMHG", "FRENCH", {"7.4", "40", "", "24", "21", "40"}, "Un ou plusieurs champs sont vides!");
    row("French age", "MMHG", "FRENCH", {"7.4", "40", "90", "24", "21", "136"},
        "L'Age est invalid! Valeur: 0 - 135 ans");
    row("French kPa", "KPA", "FRENCH", {"7.4", "5.3", "94", "24", "21", "40"},
        "Le PaO2 est invalid! Valeur: 0 to 93 kpa");
    row("O2 stays English", "MMHG", "FRENCH", {"7.4", "40", "90", "24", "101", "40"}, {},
        "O2(%) is out of range!  Range: 21 to 100 %");
}

void TestMainForm::validationInOrder()
{
    QFETCH(QString, units);
    QFETCH(QString, language);
    QFETCH(Values, values);
    QFETCH(QString, error);
    QFETCH(QString, information);

    choose(units, language);
    // No field holds the focus, so none is pulled into its limits, and the handler
    // runs by itself, as the values stand.
    m_window->inputPanel()->btnClear()->setFocus();
    enter(values);
    m_window->inputPanel()->btnAnalyzeClick();

    QCOMPARE(m_boxes.errors, error.isEmpty() ? QStringList{} : QStringList{error});
    QCOMPARE(m_boxes.informations, information.isEmpty() ? QStringList{} : QStringList{information});
    QVERIFY(acidBase().isEmpty());
    QVERIFY(oxygenation().isEmpty());
    QVERIFY(m_window->inputPanel()->btnClear()->hasFocus());
    QCOMPARE(m_window->inputPanel()->edtPh()->text(), values.pH);
}

void TestMainForm::emptyAgeAndOxygenAreAssessed()
{
    enter({"7.40", "40", "75", "24", "", ""});
    analyze();
    QCOMPARE(m_boxes.count(), 0);
    QCOMPARE(acidBase(), QString("Normal Acid/Base balance"));
    QCOMPARE(oxygenation(), QString("Mild Hypoxemia")); // age 0 and room air: no correction, no suffix
}

void TestMainForm::kpaIsConvertedBeforeTheAssessment()
{
    choose("KPA", "ENGLISH");
    enter({"7.40", "5.3", "13.4", "24", "21", "40"});
    analyze();
    QCOMPARE(acidBase(), QString("Normal Acid/Base balance"));
    QCOMPARE(oxygenation(), QString("Possible Oxygenation Error (PaO2 is >= 13 kpa on room air)"));

    enter({"7.50", "4.6", "12.0", "24", "21", "40"}); // 4.6 kPa is 34.5 mmHg: low
    analyze();
    QCOMPARE(acidBase(), QString("Uncompensated Respiratory Alkalosis"));
    QCOMPARE(oxygenation(), QString("without Hypoxemia"));
}

void TestMainForm::inconsistentGasOpensTheErrorDialog()
{
    choose("MMHG", "FRENCH");
    enter({"7.30", "40", "90", "24", "21", "40"});
    m_window->inputPanel()->edtAssessAcidBase()->setText(QStringLiteral("left from before"));
    analyze();
    QCOMPARE(m_boxes.abgErrors, QStringList{"Le PaCO2 et HCO3 sont normal, le pH est acidic?"});
    QVERIFY(acidBase().isEmpty());
    QVERIFY(oxygenation().isEmpty());
    QVERIFY(m_window->inputPanel()->btnGenerate()->hasFocus());
}

void TestMainForm::analyzeMakesTheFieldsEditable()
{
    AbgInputPanel *panel = m_window->inputPanel();
    panel->setInputFieldsReadOnly(true);
    enter({"", "40", "90", "24", "21", "40"});
    analyze(); // fails its first check, yet the fields are editable again
    for (NumericSpinField *field : panel->inputFields())
        QVERIFY(!field->isReadOnly());
}

void TestMainForm::phExitRule_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("735") << "735"
                         << "7.35";
    QTest::newRow("7350") << "7350"
                          << "7.35";
    QTest::newRow("73500") << "73500"
                           << "7.35";
    QTest::newRow("7.3 is left as typed") << "7.3"
                                          << "7.3";
    QTest::newRow("74 is pulled to 14") << "74"
                                        << "14.00";
    QTest::newRow("100 reads as 1") << "100"
                                    << "1.00";
}

void TestMainForm::phExitRule()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    NumericSpinField *ph = m_window->inputPanel()->edtPh();
    ph->setFocus();
    ph->clear();
    QTest::keyClicks(ph, typed);
    QTest::keyClick(ph, Qt::Key_Return);
    QCOMPARE(ph->text(), shown);
    QVERIFY(m_window->inputPanel()->edtPaCO2()->hasFocus());
}

void TestMainForm::enterWalksThroughTheFields()
{
    AbgInputPanel *panel = m_window->inputPanel();
    panel->edtPh()->setFocus();
    const QList<QWidget *> expected{panel->edtPaCO2(), panel->edtPaO2(),  panel->edtHCO3(),     panel->edtFIO2(),
                                    panel->edtAge(),   panel->btnClear(), panel->btnGenerate(), panel->btnAnalyze()};
    for (QWidget *next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    // Enter on a button moves on too; it does not press it.
    QVERIFY(acidBase().isEmpty());
}

void TestMainForm::clear()
{
    AbgInputPanel *panel = m_window->inputPanel();
    analyze();
    panel->setInputFieldsReadOnly(true);
    QTest::mouseClick(panel->btnClear(), Qt::LeftButton);
    for (NumericSpinField *field :
         {panel->edtPh(), panel->edtPaCO2(), panel->edtPaO2(), panel->edtHCO3(), panel->edtAge()})
        QVERIFY(field->text().isEmpty());
    QCOMPARE(panel->edtFIO2()->text(), QString("21"));
    for (NumericSpinField *field : panel->inputFields())
        QVERIFY(!field->isReadOnly());
    QVERIFY(acidBase().isEmpty());
    QVERIFY(oxygenation().isEmpty());
    QVERIFY(panel->edtPh()->hasFocus());
}

void TestMainForm::pageSwitchKeepsExactlyOneArrow_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("page");

    // Every page of the page table; ABG Help opens the help book in English instead (helpAndWebsite).
    for (const TfrmMain::PageRow &row : TfrmMain::pageRows()) {
        if (row.page != Page::Help)
            QTest::newRow(row.name) << QString::fromLatin1(kBarActions[std::size_t(row.action)].action)
                                    << QString::fromLatin1(row.name);
    }
}

void TestMainForm::pageSwitchKeepsExactlyOneArrow()
{
    QFETCH(QString, action);
    QFETCH(QString, page);

    for (int twice = 0; twice < 2; ++twice) {
        child<IndexedAction>(action)->trigger();
        QCOMPARE(m_window->pcABGDetails()->currentWidget()->objectName(), page);
        QCOMPARE(arrows(), QStringList{action});
    }
    // The ticks of the other groups are not touched.
    QCOMPARE(child<IndexedAction>("alBarMMHG")->imageIndex(), 0);
    QCOMPARE(child<IndexedAction>("alBarEnglish")->imageIndex(), 0);
}

void TestMainForm::helpAndWebsite()
{
    child<IndexedAction>("alBarABGPrint")->trigger();
    child<IndexedAction>("alBarABGWebsite")->trigger();
    child<IndexedAction>("alBarABGHelp")->trigger(); // English: the help file, not the page
    QCOMPARE(m_window->pcABGDetails()->currentWidget()->objectName(), QString("tsPrint"));
    QCOMPARE(arrows(), QStringList{"alBarABGPrint"});

    child<IndexedAction>("alBarFrench")->trigger();
    child<IndexedAction>("alBarABGHelp")->trigger();
    QCOMPARE(m_window->pcABGDetails()->currentWidget()->objectName(), QString("tsHelp"));
    QCOMPARE(arrows(), QStringList{"alBarABGHelp"});
    QCOMPARE(child<IndexedAction>("alBarABGWebsite")->imageIndex(), -1);
}

void TestMainForm::sideBarGroups()
{
    for (const char *hidden : {"LanguageGerman", "LanguageSpanish"})
        QVERIFY2(child<QToolButton>(hidden)->isHidden(), hidden);
    for (const char *shown : {"barABGTeacher", "barABGPrefs", "barABGHelpAbout", "unitmmHG", "unitKPA",
                              "LanguageEnglish", "LanguageFrench"})
        QVERIFY2(child<QToolButton>(shown)->isVisible(), shown);
    QCOMPARE(child<QToolButton>("LanguageGerman")->text(), QString("Deutsch"));
    QCOMPARE(child<QToolButton>("LanguageFrench")->text(), QString("Français"));

    // A click on an item runs its action.
    QTest::mouseClick(child<QToolButton>("barABGSamples"), Qt::LeftButton);
    QCOMPARE(m_window->pcABGDetails()->currentWidget()->objectName(), QString("tsSamples"));

    auto *group = child<SideBarGroup>("barUnits");
    QTest::mouseClick(group->header(), Qt::LeftButton);
    QVERIFY(group->isCollapsed());
    QVERIFY(!child<QToolButton>("unitKPA")->isVisible());
    QTest::mouseClick(group->header(), Qt::LeftButton);
    QVERIFY(!group->isCollapsed());
    QVERIFY(child<QToolButton>("unitKPA")->isVisible());
}

void TestMainForm::preferencesStandAfterPrint_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("caption");
    QTest::newRow("English") << "LanguageEnglish"
                             << "Preferences";
    QTest::newRow("French") << "LanguageFrench" << QString::fromUtf8("Préférences");
}

void TestMainForm::preferencesStandAfterPrint()
{
    QFETCH(QString, language);
    QFETCH(QString, caption);
    QTest::mouseClick(child<QToolButton>(language), Qt::LeftButton);

    auto *preferences = child<QToolButton>("barABGPrefs");
    QVERIFY(preferences->isVisible());
    QCOMPARE(preferences->text(), caption);
    // Between Print Samples and the web site; the group whole, down to its last
    // item, and the groups below it whole in the side bar.
    QCOMPARE(preferences->y(), child<QToolButton>("barABGPrint")->geometry().bottom() + 1);
    QCOMPARE(child<QToolButton>("barABGWebsite")->y(), preferences->geometry().bottom() + 1);
    auto *group = child<SideBarGroup>("barABG");
    const QWidget *last = child<QToolButton>("barABGHelpAbout");
    QVERIFY(group->rect().contains(QRect(last->mapTo(group, QPoint(0, 0)), last->size())));
    const QWidget *lastGroup = child<SideBarGroup>("barLanguage");
    QVERIFY(lastGroup->parentWidget()->rect().contains(lastGroup->geometry()));

    // A click shows the page, the arrow at its item.
    QTest::mouseClick(preferences, Qt::LeftButton);
    QCOMPARE(m_window->pcABGDetails()->currentWidget()->objectName(), QString("tsUserPrefs"));
    QCOMPARE(arrows(), QStringList{"alBarABGPrefs"});
}

void TestMainForm::statusLineShowsLongHints()
{
    const auto hover = [](QWidget *widget) {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), widget->mapToGlobal(QPointF(1, 1)));
        QApplication::sendEvent(widget, &enter);
    };
    AbgInputPanel *panel = m_window->inputPanel();
    hover(panel->btnAnalyze());
    QCOMPARE(m_window->statusLine()->text(), QString("Analyze current ABG"));
    hover(panel->btnClear());
    QCOMPARE(m_window->statusLine()->text(), QString("Clear the current ABGs"));
    hover(child<QToolButton>("barABGWebsite"));
    QCOMPARE(m_window->statusLine()->text(), QString("http://" HALVEX_WEBSITE));
    hover(panel->edtPh());
    QVERIFY(m_window->statusLine()->text().isEmpty());
    // No tooltips on the input panel.
    QVERIFY(panel->btnAnalyze()->toolTip().isEmpty());
}

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
