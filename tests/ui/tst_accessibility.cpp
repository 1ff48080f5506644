// The window as a screen reader, voice control or a keyboard alone meets it:
// names in the language in force, values, links, actions that count as the
// user's, group headers that say their state, the outcome of each action told
// once, after the focus has moved.

#include "product/ProductInfo.h"
#include "tests/support/EdgeContrast.h"
#include "tests/support/Palettes.h"
#include "tests/support/WindowFixture.h"
#include "ui/AboutPage.h"
#include "ui/CategoryControls.h"
#include "ui/Desktop.h"
#include "ui/NormalValuesPage.h"
#include "ui/PageWidget.h"
#include "ui/PrintPage.h"
#include "ui/SamplesPage.h"
#include "ui/SideBarActions.h"
#include "ui/StatisticsPage.h"
#include "ui/TeacherPage.h"
#include "widgets/AccessibleInterfaces.h"
#include "widgets/Announcer.h"
#include "widgets/ClickableLabel.h"
#include "widgets/Contrast.h"
#include "widgets/CylinderGauge.h"
#include "widgets/Hints.h"
#include "widgets/HoverBoldLabel.h"
#include "widgets/IndexedAction.h"
#include "widgets/NumericSpinField.h"
#include "widgets/SideBarGroup.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextEdit>
#include <QToolButton>

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// A value change as announced: which object, and its new value.
struct ValueChange {
    QObject *object;
    QVariant value;
};

// News as told, and where the focus stood then.
struct Told {
    QString news;
    QWidget *focus;
};

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void namesFollowTheLanguage_data();
    void namesFollowTheLanguage();
    void fieldsExposeTheirValue();
    void valueChangesAreAnnounced();
    void gaugeIsAProgressBar();
    void statisticsReadNameAndPercentage();
    void normalValuesAreATable();
    void linksAreLinks();
    void theAccessibilityActionTicksLikeAClick();
    void groupHeadersSayTheirState();
    void samplesFromTheKeyboard();
    void descriptionsFromTheHints_data();
    void descriptionsFromTheHints();
    void tabReachesEveryControl();
    void aTeacherRoundFromTheKeyboard();
    void aPageChosenTakesTheFocus();
    void theItemCheckedIsThePageShown_data();
    void theItemCheckedIsThePageShown();
    void readTextsShowTheirFocus_data();
    void readTextsShowTheirFocus();
    void preferencesByTheirShortcut_data();
    void preferencesByTheirShortcut();
    void preferencesFromTheSideBar_data();
    void preferencesFromTheSideBar();

    void analyzeTellsItsOutcome_data();
    void analyzeTellsItsOutcome();
    void theVerdictComesFirst_data();
    void theVerdictComesFirst();
    void aCaseInTheFieldsIsTold_data();
    void aCaseInTheFieldsIsTold();
    void oldNewsIsNotToldAgain();

private:
    template <typename T>
    T *child(const QString &name) const
    {
        return m_fixture.child<T>(name);
    }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }
    QString nameOf(QObject *object) const { return accessible(object)->text(QAccessible::Name); }
    // Typed as a user types: what the field held selected and replaced.
    static void type(NumericSpinField *field, const QString &text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    // The news told once the user's move is done, and the focus it found.
    Told toldOnce() const
    {
        [&] { QTRY_COMPARE(m_told.size(), 1); }();
        return m_told.value(0, Told{QString(), nullptr});
    }

    WindowFixture m_fixture;
    QList<Told> m_told;
};

void TestAccessibility::init()
{
    QVERIFY(m_fixture.open(7));
    m_told.clear();
    setNewsListener([this](QWidget *, const QString &news) { m_told.append({news, QApplication::focusWidget()}); });
}

void TestAccessibility::cleanup()
{
    setNewsListener(nullptr);
    m_fixture.forgetSettings();
}

void TestAccessibility::namesFollowTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QStringList>("pages"); // count, print button, gauge, pH decimals

    QTest::newRow("English, mmHg") << "alBarEnglish"
                                   << "alBarMMHG" << QStringList{"pH, -log[H]", "PaCO2, mmHg", "PaO2, mmHg",
                                                                 "HCO3, mEq/L", "O2 %",        "Age, Years"}
                                   << QStringList{"Assessment of Acid/Base status", "Assessment of Hypoxemic state"}
                                   << QStringList{"Number of ABGs to print", "Print", "Success rate 0%",
                                                  "Decimals of pH"};
    QTest::newRow("French, kPa")
        << "alBarFrench"
        << "alBarKPa" << QStringList{"pH, -log[H]", "PaCO2, kpa", "PaO2, kpa", "HCO3, mEq/L", "O2 %", "Age, Ans"}
        << QStringList{QString::fromUtf8("Évaluation Base/Acid"), QString::fromUtf8("Évaluation d'état de Hypoxemic")}
        << QStringList{QString::fromUtf8("Nombre de gaz du sang à imprimer"), "Imprimer",
                       QString::fromUtf8("Taux de succès 0%"), QString::fromUtf8("Décimales du pH")};
}

void TestAccessibility::namesFollowTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, units);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, results);
    QFETCH(QStringList, pages);

    trigger("alBarABGPrint"); // a page built before the switch
    trigger(language.toLatin1().constData());
    trigger(units.toLatin1().constData());
    trigger("alBarABGPrefs"); // and pages built after it
    trigger("alBarABGTeacher");

    QStringList named;
    for (NumericSpinField *field : m_fixture.panel()->inputFields())
        named << nameOf(field);
    QCOMPARE(named, fields);
    QCOMPARE((QStringList{nameOf(m_fixture.panel()->edtAssessAcidBase()), nameOf(m_fixture.panel()->edtAssessO2())}),
             results);
    QCOMPARE(
        (QStringList{nameOf(child<NumericSpinField>("spinABGCount")), nameOf(child<QPushButton>("btnPrintABGs")),
                     nameOf(m_fixture.onPage<TeacherPage, CylinderGauge>("pb")), nameOf(child<QWidget>("edtPHDec"))}),
        pages);
}

void TestAccessibility::fieldsExposeTheirValue()
{
    QAccessibleValueInterface *paco2 = accessible(m_fixture.panel()->edtPaCO2())->valueInterface();
    QVERIFY(paco2);
    QCOMPARE(paco2->currentValue().toDouble(), 40.0);
    QCOMPARE(paco2->minimumValue().toDouble(), 0.0);
    QCOMPARE(paco2->maximumValue().toDouble(), 400.0);
    QCOMPARE(paco2->minimumStepSize().toDouble(), 1.0);
    QCOMPARE(accessible(m_fixture.panel()->edtPaCO2())->role(), QAccessible::SpinBox);

    trigger("alBarKPa");
    QCOMPARE(paco2->currentValue().toDouble(), 5.3);
    QCOMPARE(paco2->maximumValue().toDouble(), 53.0);
    QCOMPARE(paco2->minimumStepSize().toDouble(), 0.1);

    // Set through the interface, as a screen reader's value command does.
    paco2->setCurrentValue(6.1);
    QCOMPARE(m_fixture.panel()->edtPaCO2()->text(), QString("6.1"));
    QCOMPARE(accessible(m_fixture.panel()->edtPh())->valueInterface()->currentValue().toDouble(), 7.40);
}

void TestAccessibility::valueChangesAreAnnounced()
{
    QList<ValueChange> changes;
    setAnnouncementListener([&](QObject *object, const QVariant &value) { changes.append({object, value}); });
    m_fixture.panel()->edtPh()->setValue(7.31);
    QTest::keyClicks(m_fixture.panel()->edtAge(), "5");
    setAnnouncementListener(nullptr);
    QCOMPARE(changes.size(), 2); // written by the program, and typed
    QCOMPARE(changes[0].object, m_fixture.panel()->edtPh());
    QCOMPARE(changes[0].value.toDouble(), 7.31);
    QCOMPARE(changes[1].object, m_fixture.panel()->edtAge());
}

void TestAccessibility::gaugeIsAProgressBar()
{
    m_fixture.generate();
    m_fixture.tick(m_fixture.generated());
    m_fixture.panel()->btnAnalyzeClick();

    auto *shown = m_fixture.onPage<TeacherPage, CylinderGauge>("pb");
    QAccessibleInterface *gauge = accessible(shown);
    QCOMPARE(gauge->role(), QAccessible::ProgressBar);
    QCOMPARE(gauge->text(QAccessible::Value), QString("100%"));
    QCOMPARE(gauge->text(QAccessible::Name), QString("Success rate 100%"));
    // Read, not set: nothing offers to raise or lower a score.
    QVERIFY(!gauge->valueInterface());
    QVERIFY(!gauge->actionInterface()->actionNames().contains(QAccessibleActionInterface::increaseAction()));
    QVERIFY(shown->focusPolicy() & Qt::TabFocus);
    // The count read with its caption.
    const QString count = child<QLabel>("lblGenerated")->text();
    QCOMPARE(nameOf(child<QLabel>("lblGenerated")), "Total " + count);
    QCOMPARE(child<QLabel>("lblTotal")->buddy(), child<QLabel>("lblGenerated"));
}

void TestAccessibility::statisticsReadNameAndPercentage()
{
    trigger("alBarABGStats");
    QTest::mouseClick(m_fixture.panel()->btnGenerate(), Qt::LeftButton);
    const auto generated = m_fixture.teacher().generatedCategory().value();
    QCheckBox *right = m_fixture.answerBox(generated);
    QTest::mouseClick(right, Qt::LeftButton, {}, QPoint(6, right->height() / 2));
    m_fixture.panel()->btnAnalyzeClick();

    // A table: each category's name in one cell, its percentage in the next, each read once.
    auto *percentage =
        m_fixture.onPage<StatisticsPage, QLabel>(QStringLiteral("lblStats%1").arg(halvex::categoryCode(generated)));
    QAccessibleInterface *cell = accessible(percentage);
    QVERIFY(cell->tableCellInterface());
    QAccessibleInterface *table = cell->tableCellInterface()->table();
    QCOMPARE(table->role(), QAccessible::Table);
    QCOMPARE(table->tableInterface()->rowCount(), 8);
    QCOMPARE(table->tableInterface()->columnCount(), 4);
    QCOMPARE(cell->text(QAccessible::Name), QString("100 %"));
    const int row = cell->tableCellInterface()->rowIndex();
    const int column = cell->tableCellInterface()->columnIndex();
    QCOMPARE(column % 2, 1);
    QCOMPARE(table->tableInterface()->cellAt(row, column - 1)->text(QAccessible::Name),
             categoryName(generated, "ENGLISH"));
    QCOMPARE(table->tableInterface()->cellAt(0, 0)->text(QAccessible::Name), QString("Normal Acid/Base balance"));
    QCOMPARE(table->tableInterface()->cellAt(0, 1)->text(QAccessible::Name), QString("N/A"));

    trigger("alBarFrench");
    QCOMPARE(table->tableInterface()->cellAt(0, 0)->text(QAccessible::Name), QString("Base/Acide normal"));
}

void TestAccessibility::normalValuesAreATable()
{
    trigger("alBarABGShowNormalVals");
    auto *pco2 = m_fixture.onPage<NormalValuesPage, QLabel>("lblPCo2Normal");
    QAccessibleTableInterface *table = accessible(pco2)->tableCellInterface()->table()->tableInterface();
    QCOMPARE(table->rowCount(), 6); // the header and five values; the rule is no row
    QCOMPARE(table->columnCount(), 4);
    QCOMPARE(table->columnDescription(2), QString("Normal"));
    QCOMPARE(table->cellAt(0, 3)->role(), QAccessible::ColumnHeader);
    QCOMPARE(table->cellAt(2, 0)->role(), QAccessible::RowHeader);
    QAccessibleTableCellInterface *cell = accessible(pco2)->tableCellInterface();
    QCOMPARE(cell->rowIndex(), 2);
    QCOMPARE(cell->columnIndex(), 2);
    QCOMPARE(cell->rowHeaderCells().front()->text(QAccessible::Name), QString("PaCO2"));
    QCOMPARE(cell->columnHeaderCells().front()->text(QAccessible::Name), QString("Normal"));
    trigger("alBarKPa");
    QCOMPARE(table->cellAt(2, 2)->text(QAccessible::Name), pco2->text());
    QCOMPARE(table->cellAt(2, 1)->text(QAccessible::Name), QString("kpa"));
}

void TestAccessibility::linksAreLinks()
{
    const QStringList &opened = m_fixture.desktopOpened;
    trigger("alBarABGHelpAbout");
    const auto link = [this](const char *name) { return m_fixture.onPage<AboutPage, ClickableLabel>(name); };
    const QList<ClickableLabel *> links{link("lblWebsite"), link("lblEmailSales"), link("lblEmailSupport"),
                                        link("lblLicenseAgreement")};
    for (ClickableLabel *link : links) {
        QCOMPARE(accessible(link)->role(), QAccessible::Link);
        QVERIFY(!nameOf(link).isEmpty());
        QCOMPARE(link->focusPolicy(), Qt::TabFocus); // Tab reaches it; a mouse click does not focus it
    }

    // Space on the focused link opens it; so does the accessibility action.
    link("lblWebsite")->setFocus();
    QVERIFY(link("lblWebsite")->hasFocus());
    QTest::keyClick(link("lblWebsite"), Qt::Key_Space);
    accessible(link("lblEmailSales"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(opened, (QStringList{"url http://" HALVEX_WEBSITE, "url mailto:" HALVEX_SALES_EMAIL}));

    // Tab walks from one link to the next.
    QTest::keyClick(link("lblWebsite"), Qt::Key_Tab);
    QVERIFY(link("lblEmailSales")->hasFocus());
}

void TestAccessibility::theAccessibilityActionTicksLikeAClick()
{
    QTest::mouseClick(m_fixture.panel()->btnGenerate(), Qt::LeftButton);
    const auto generated = m_fixture.teacher().generatedCategory().value();
    QCheckBox *right = m_fixture.answerBox(generated);

    QAccessibleInterface *box = accessible(right);
    QCOMPARE(box->role(), QAccessible::CheckBox);
    QVERIFY(box->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(right->isChecked());
    QVERIFY(box->state().checked);
    QCOMPARE(m_fixture.teacher().chosenCategory(), generated);
    m_fixture.panel()->btnAnalyzeClick();
    QCOMPARE((m_fixture.onPage<TeacherPage, QLabel>("lblResultAcidBase"))->text(), QString("Correct !"));

    // Ticking by program still runs no handler.
    QTest::mouseClick(m_fixture.panel()->btnGenerate(), Qt::LeftButton);
    QVERIFY(!right->isChecked());
    QCOMPARE(m_fixture.teacher().chosenCategory(), generated);
}

void TestAccessibility::groupHeadersSayTheirState()
{
    auto *group = child<SideBarGroup>("barUnits");
    QAccessibleInterface *header = accessible(group->header());
    QCOMPARE(nameOf(group->header()), QString("Units"));
    QVERIFY(header->state().expandable && header->state().expanded && !header->state().collapsed);

    group->header()->setFocus();
    QTest::keyClick(group->header(), Qt::Key_Space);
    QVERIFY(group->isCollapsed());
    QVERIFY(header->state().collapsed && !header->state().expanded);

    header->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(!group->isCollapsed());
}

void TestAccessibility::samplesFromTheKeyboard()
{
    trigger("alBarABGSamples");
    auto *label = child<HoverBoldLabel>("lblCRMAK");
    label->setFocus();
    QVERIFY(label->hasFocus());
    QTest::keyClick(label, Qt::Key_Space);
    // Loaded as by a click: the fields hold a sample of the category, the focus is on Analyze.
    QVERIFY(m_fixture.panel()->btnAnalyze()->hasFocus());
    m_fixture.panel()->btnAnalyzeClick();
    QCOMPARE(m_fixture.panel()->edtAssessAcidBase()->text(), QString("Combined Respiratory and Metabolic Alkalosis"));
}

void TestAccessibility::descriptionsFromTheHints_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("descriptions"); // Analyze, Clear, Print, Normal Values
    QTest::newRow("English") << "alBarEnglish"
                             << QStringList{"Analyze current ABG", "Clear the current ABGs",
                                            "Prints the selected number of ABGs", "Show normal ABG values"};
    QTest::newRow("French") << "alBarFrench"
                            << QStringList{"Analyse le gaz du sang en cours", "Efface les gaz du sang en cours",
                                           "Imprime le nombre choisi de gaz du sang",
                                           "Affiche les valeurs normales des gaz du sang"};
}

void TestAccessibility::descriptionsFromTheHints()
{
    QFETCH(QString, language);
    QFETCH(QStringList, descriptions);
    trigger(language.toLatin1().constData());
    trigger("alBarABGPrint");
    trigger("alBarABGShowNormalVals"); // the item's marker changes, its description stays
    const QStringList read{
        accessible(m_fixture.panel()->btnAnalyze())->text(QAccessible::Description),
        accessible(m_fixture.panel()->btnClear())->text(QAccessible::Description),
        accessible(child<QPushButton>("btnPrintABGs"))->text(QAccessible::Description),
        accessible(child<QWidget>("barABGNormalVals"))->text(QAccessible::Description),
    };
    QCOMPARE(read, descriptions);
    // The status line keeps the design's hint, which a description's English repeats.
    QCOMPARE(hintOf(m_fixture.panel()->btnAnalyze()), QString("|Analyze current ABG"));
    for (const BarActionRow &row : kBarActions) {
        if (row.description)
            QCOMPARE(QString::fromUtf8(halvex::ownText(*row.description, "ENGLISH")),
                     hintLongPart(QString::fromUtf8(row.hint)));
    }
}

void TestAccessibility::tabReachesEveryControl()
{
    trigger("alBarABGHelpAbout");
    m_fixture.panel()->edtPh()->setFocus();
    QStringList reached;
    for (int i = 0; i < 60; ++i) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        // A group's header by its group and caption.
        const QString name = focus->objectName() == "header" ? focus->parentWidget()->objectName() + "/" + nameOf(focus)
                                                             : focus->objectName();
        if (reached.contains(name))
            break;
        reached << name;
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    const QStringList expected{"edtPh",
                               "edtAge",
                               "btnClear",
                               "btnGenerate",
                               "btnAnalyze",
                               "btnWhy",
                               "edtAssessAcidBase",
                               "edtAssessO2",
                               "lblWebsite",
                               "lblLicenseAgreement",
                               "barABG/ABG",
                               "barABGTeacher",
                               "barABGHelpAbout",
                               "barUnits/Units",
                               "unitKPA",
                               "barLanguage/Language",
                               "LanguageFrench"};
    for (const QString &control : expected)
        QVERIFY2(reached.contains(control), qPrintable(control + " not in " + reached.join(", ")));
    // Enter walks from Age to the buttons; the results come after them.
    QCOMPARE(reached.indexOf("btnClear"), reached.indexOf("edtAge") + 1);
    QCOMPARE(reached.indexOf("edtAssessO2"), reached.indexOf("edtAssessAcidBase") + 1);
    QVERIFY(reached.indexOf("edtAssessAcidBase") > reached.indexOf("btnWhy"));
    // A group's items follow its header.
    QCOMPARE(reached.indexOf("barABGTeacher"), reached.indexOf("barABG/ABG") + 1);
    QCOMPARE(reached.indexOf("barUnits/Units"), reached.indexOf("barABGHelpAbout") + 1);
    QCOMPARE(reached.indexOf("LanguageEnglish"), reached.indexOf("barLanguage/Language") + 1);
}

void TestAccessibility::aTeacherRoundFromTheKeyboard()
{
    trigger("alBarABGTeacher");
    QWidget *window = m_fixture.window.get();
    m_fixture.panel()->edtPh()->setFocus();
    const int generated = m_fixture.teacher().generatedCount();
    QTest::keyClick(window, Qt::Key_G, Qt::AltModifier); // Generate
    QTRY_COMPARE(m_fixture.teacher().generatedCount(), generated + 1);
    // F6: from the fields to the page shown, its first answer box.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    auto *first = qobject_cast<QCheckBox *>(QApplication::focusWidget());
    QVERIFY(first);
    QCOMPARE(first->objectName(), categoryControlName(QStringLiteral("chk"), halvex::abgCategories().front().category));
    // Tab to the right box, Space ticks it, Alt+A analyzes.
    while (QApplication::focusWidget() != m_fixture.answerBox(m_fixture.generated()))
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(m_fixture.practice().ticked(), m_fixture.generated());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
    // A mnemonic clicks as the mouse does, the button seen pressed for a moment.
    QTRY_COMPARE(m_fixture.window->findChild<QLabel *>("lblResultAcidBase")->text(), QString("Correct !"));
    // Analyze leaves the focus on Generate, as designed; F6 goes round the page, the side bar and the fields.
    QCOMPARE(QApplication::focusWidget(), m_fixture.panel()->btnGenerate());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), m_fixture.answerBox(m_fixture.generated())); // the answer ticked
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QVERIFY(child<QWidget>("barABG")->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), m_fixture.panel()->edtPh());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, Qt::ShiftModifier);
    QVERIFY(child<QWidget>("barABG")->isAncestorOf(QApplication::focusWidget()));
}

void TestAccessibility::aPageChosenTakesTheFocus()
{
    // From the side bar's item, as a keyboard user presses it: the page named, the focus in it.
    QWidget *item = child<QWidget>("barABGReview");
    item->setFocus();
    QTest::keyClick(item, Qt::Key_Space);
    QWidget *page = m_fixture.window->pcABGDetails()->currentWidget();
    QCOMPARE(page->objectName(), QString("tsReview"));
    QVERIFY(page->isAncestorOf(QApplication::focusWidget()));
    QCOMPARE(nameOf(page->findChild<PageWidget *>()), QString("Review"));
    trigger("alBarFrench");
    QCOMPARE(nameOf(page->findChild<PageWidget *>()), QString::fromUtf8("Révision"));
    // Why? too.
    QTest::mouseClick(m_fixture.panel()->btnWhy(), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>("txtExplanation"));
}

void TestAccessibility::theItemCheckedIsThePageShown_data()
{
    QTest::addColumn<QStringList>("stored"); // key, value, ...
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("checked"); // the one page item a screen reader reads as checked
    QTest::addColumn<QString>("arrow");
    // As designed: the About page under the arrow at ABG Teacher.
    QTest::newRow("first start") << QStringList{} << "tsHelpAbout"
                                 << "barABGHelpAbout"
                                 << "alBarABGTeacher";
    QTest::newRow("closed on Print Samples")
        << QStringList{"frmMain/pcABGDetails/ActivePage",  "tsPrint", "frmMain/alBarABGTeacher/ImageIndex", "-1",
                       "frmMain/alBarABGPrint/ImageIndex", "1"}
        << "tsPrint"
        << "barABGPrint"
        << "alBarABGPrint";
    QTest::newRow("a page stored without its arrow")
        << QStringList{"frmMain/pcABGDetails/ActivePage", "tsABGStats"} << "tsABGStats"
        << "barABGStats"
        << "alBarABGTeacher";
}

void TestAccessibility::theItemCheckedIsThePageShown()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, page);
    QFETCH(QString, checked);
    QFETCH(QString, arrow);
    m_fixture.close();
    for (qsizetype i = 0; i + 1 < stored.size(); i += 2)
        WindowFixture::store(stored[i], stored[i + 1]);
    QVERIFY(m_fixture.open());

    QWidget *shown = m_fixture.window->pcABGDetails()->currentWidget();
    QCOMPARE(shown->objectName(), page);
    QStringList checkedItems;
    for (const BarActionRow &row : kBarActions) {
        if (row.group == BarGroup::Abg && accessible(child<QWidget>(row.item))->state().checked)
            checkedItems << row.item;
    }
    QCOMPARE(checkedItems, QStringList{checked});
    QStringList arrows;
    for (const IndexedAction *action : m_fixture.window->findChildren<IndexedAction *>()) {
        if (action->imageIndex() == kArrowImage)
            arrows << action->objectName();
    }
    QCOMPARE(arrows, QStringList{arrow}); // the arrow stays where it is seen

    // F6 from the fields goes to the page shown, whatever the arrow marks.
    m_fixture.panel()->edtPh()->setFocus();
    QTest::keyClick(m_fixture.panel()->edtPh(), Qt::Key_F6);
    QVERIFY(shown->isAncestorOf(QApplication::focusWidget()));

    // From the first page switch on, the arrow and the item checked are one.
    trigger("alBarABGSamples");
    QVERIFY(accessible(child<QWidget>("barABGSamples"))->state().checked);
    QVERIFY(!accessible(child<QWidget>(checked))->state().checked);
}

void TestAccessibility::readTextsShowTheirFocus_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("dark");
    const std::pair<const char *, const char *> texts[] = {
        {"barABGExplain", "txtExplanation"}, {"barABGElectrolytes", "txtAnionGap"}, {"barABGReview", "txtAnswer"}};
    for (const auto &[item, text] : texts) {
        for (const bool dark : {false, true})
            QTest::addRow("%s, %s", text, dark ? "dark" : "light") << item << text << dark;
    }
}

void TestAccessibility::readTextsShowTheirFocus()
{
    QFETCH(QString, item);
    QFETCH(QString, text);
    QFETCH(bool, dark);
    if (dark)
        m_fixture.window->setPalette(darkPalette());
    QTest::mouseClick(child<QWidget>(item), Qt::LeftButton);
    auto *read = child<QTextEdit>(text);
    read->setFocus(Qt::TabFocusReason);
    QVERIFY(read->hasFocus());
    // A frame along its edge that stands out at 3:1 from the page around it and from the text's own ground.
    const QImage image = read->grab().toImage();
    for (const QColor &against : {read->parentWidget()->palette().color(QPalette::Window),
                                  read->viewport()->palette().color(read->viewport()->backgroundRole())})
        QVERIFY2(edgeContrast(image, read->rect(), against) >= kGraphicContrast, qPrintable(against.name()));
}

void TestAccessibility::preferencesByTheirShortcut_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("from"); // the control with the focus
    QTest::newRow("English, from the fields") << "alBarEnglish"
                                              << "edtPh";
    QTest::newRow("English, from the page shown") << "alBarEnglish"
                                                  << "lblWebsite";
    QTest::newRow("French, from the side bar") << "alBarFrench"
                                               << "barABGPrint";
}

void TestAccessibility::preferencesByTheirShortcut()
{
    QFETCH(QString, language);
    QFETCH(QString, from);
    trigger(language.toLatin1().constData());
    QWidget *focus = child<QWidget>(from);
    focus->setFocus();
    QVERIFY(focus->hasFocus());
    // Ctrl+Comma, whatever the desktop binds to its preferences.
    QTest::keyClick(focus, Qt::Key_Comma, Qt::ControlModifier);
    QCOMPARE(m_fixture.window->pcABGDetails()->currentWidget()->objectName(), QString("tsUserPrefs"));
    QCOMPARE(QApplication::focusWidget(), child<QWidget>("edtPHDec"));
    QCOMPARE(child<IndexedAction>("alBarABGPrefs")->imageIndex(), kArrowImage);
}

void TestAccessibility::preferencesFromTheSideBar_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "alBarEnglish";
    QTest::newRow("French") << "alBarFrench";
}

void TestAccessibility::preferencesFromTheSideBar()
{
    QFETCH(QString, language);
    trigger(language.toLatin1().constData());
    // Tab from Print Samples to Preferences, Space: the page, the focus on its first field.
    QWidget *print = child<QWidget>("barABGPrint");
    print->setFocus();
    QTest::keyClick(print, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>("barABGPrefs"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>("edtPHDec"));
    // One more decimal for the pH, then Tab to Save and Space.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    auto *save = child<QPushButton>("btnSave");
    for (int i = 0; i < 10 && QApplication::focusWidget() != save; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), save);
    QTest::keyClick(save, Qt::Key_Space);
    QCOMPARE(m_fixture.panel()->edtPh()->text(), QString("7.400"));
    QCOMPARE(WindowFixture::stored("AppSettings/phDec").toInt(), 3);
}

void TestAccessibility::analyzeTellsItsOutcome_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("gas");          // pH, PaCO2, PaO2, HCO3, O2 %, Age
    QTest::addColumn<QStringList>("electrolytes"); // Na, Cl, as typed on their page; none if empty
    QTest::addColumn<QString>("news");

    const QStringList normal{"7.40", "40", "90", "24", "21", "40"};
    const QStringList question{"7.30", "40", "90", "24", "21", "40"};
    // A ketoacidosis: gap 25, delta ratio 0.93.
    const QStringList ketoacidosis{"7.20", "25", "90", "10", "21", "40"};
    QTest::newRow("English") << "alBarEnglish" << normal << QStringList()
                             << "Normal Acid/Base balance, without Hypoxemia";
    QTest::newRow("French") << "alBarFrench" << normal << QStringList() << "Base/Acide normal, sans Hypoxemia";
    QTest::newRow("a question") << "alBarEnglish" << question << QStringList()
                                << "A normal PaCO2 and HCO3, the pH is acidic?";
    QTest::newRow("a question in French")
        << "alBarFrench" << question << QStringList() << "Le PaCO2 et HCO3 sont normal, le pH est acidic?";
    QTest::newRow("electrolytes")
        << "alBarEnglish" << ketoacidosis << QStringList{"135", "100"}
        << "Partly Compensated Metabolic Acidosis, without Hypoxemia. Anion gap 25 mEq/L: raised; delta ratio 0.93";
    QTest::newRow("electrolytes in French")
        << "alBarFrench" << ketoacidosis << QStringList{"135", "100"}
        << QString::fromUtf8("Acidose Métabolique En Partie Compensée, sans Hypoxemia. Trou anionique 25 mEq/L : élevé "
                             "; rapport delta 0,93");
    QTest::newRow("electrolytes refused")
        << "alBarEnglish" << normal << QStringList{"200", "100"}
        << "Normal Acid/Base balance, without Hypoxemia. Na is out of range!  Range: 100 to 180 mEq/L";
}

void TestAccessibility::analyzeTellsItsOutcome()
{
    QFETCH(QString, language);
    QFETCH(QStringList, gas);
    QFETCH(QStringList, electrolytes);
    QFETCH(QString, news);

    trigger(language.toLatin1().constData());
    if (!electrolytes.isEmpty()) {
        trigger("alBarABGElectrolytes");
        type(child<NumericSpinField>("edtSodium"), electrolytes[0]);
        type(child<NumericSpinField>("edtChloride"), electrolytes[1]);
    }
    for (int i = 0; i < 6; ++i)
        type(m_fixture.panel()->inputFields()[std::size_t(i)], gas[i]);
    m_told.clear();
    m_fixture.analyze();
    // Once, in the language in force, after the focus has moved to Generate.
    const Told told = toldOnce();
    QCOMPARE(told.news, news);
    QCOMPARE(told.focus, m_fixture.panel()->btnGenerate());
}

void TestAccessibility::theVerdictComesFirst_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("news"); // %1 and %2 the two results as shown
    QTest::newRow("right") << "alBarEnglish" << true << "Correct ! %1, %2";
    QTest::newRow("wrong") << "alBarEnglish" << false << "Incorrect. %1, %2";
    QTest::newRow("right, in French") << "alBarFrench" << true << "Correct ! %1, %2";
}

void TestAccessibility::theVerdictComesFirst()
{
    QFETCH(QString, language);
    QFETCH(bool, right);
    QFETCH(QString, news);

    trigger(language.toLatin1().constData());
    trigger("alBarABGTeacher");
    m_fixture.generate();
    const halvex::AbgCategory generated = m_fixture.generated();
    m_fixture.tick(right                                      ? generated
                   : generated == halvex::AbgCategory::Normal ? halvex::AbgCategory::RA
                                                              : halvex::AbgCategory::Normal);
    m_told.clear();
    m_fixture.analyze();
    const Told told = toldOnce();
    QCOMPARE(told.news,
             news.arg(m_fixture.panel()->edtAssessAcidBase()->text(), m_fixture.panel()->edtAssessO2()->text()));
    QCOMPARE(told.focus, m_fixture.panel()->btnGenerate());
}

void TestAccessibility::aCaseInTheFieldsIsTold_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("from"); // Generate, a sample, or a reviewed answer loaded back
    // %1 to %6: pH, PaCO2, PaO2, HCO3, O2 %, Age as the fields show them.
    QTest::addColumn<QString>("news");
    QTest::newRow("Generate") << "alBarEnglish"
                              << "alBarMMHG"
                              << "Generate"
                              << "New case: pH %1, PaCO2 %2 mmHg, PaO2 %3 mmHg, HCO3 %4 mEq/L, O2 %5 %, Age %6 Years";
    QTest::newRow("Generate, French, kPa") << "alBarFrench"
                                           << "alBarKPa"
                                           << "Generate"
                                           << "Nouveau cas : pH %1, PaCO2 %2 kpa, PaO2 %3 kpa, HCO3 %4 mEq/L, O2 %5 "
                                              "%, Age %6 Ans";
    QTest::newRow("Sample ABGs")
        << "alBarEnglish"
        << "alBarMMHG"
        << "sample"
        << "Case loaded into the fields: pH %1, PaCO2 %2 mmHg, PaO2 %3 mmHg, HCO3 %4 mEq/L, O2 "
           "%5 %, Age %6 Years";
    QTest::newRow("Review, in French") << "alBarFrench"
                                       << "alBarMMHG"
                                       << "review"
                                       << QString::fromUtf8("Cas chargé dans les champs : pH %1, PaCO2 %2 mmHg, PaO2 "
                                                            "%3 mmHg, HCO3 %4 mEq/L, O2 %5 %, Age %6 Ans");
}

void TestAccessibility::aCaseInTheFieldsIsTold()
{
    QFETCH(QString, language);
    QFETCH(QString, units);
    QFETCH(QString, from);
    QFETCH(QString, news);

    trigger(language.toLatin1().constData());
    trigger(units.toLatin1().constData());
    if (from == "sample") {
        trigger("alBarABGSamples");
        m_told.clear();
        QTest::mouseClick(child<HoverBoldLabel>("lblCMA"), Qt::LeftButton);
    } else if (from == "review") {
        m_fixture.generate();
        m_fixture.tick(m_fixture.generated());
        m_fixture.analyze();
        m_fixture.generate(); // another case in the fields
        trigger("alBarABGReview");
        m_told.clear();
        QTest::mouseClick(child<QPushButton>("btnLoadAnswer"), Qt::LeftButton);
    } else {
        m_told.clear();
        m_fixture.generate();
    }
    const Told told = toldOnce();
    QStringList shown;
    for (const NumericSpinField *field : m_fixture.panel()->inputFields())
        shown << field->text();
    QCOMPARE(told.news, news.arg(shown[0], shown[1], shown[2], shown[3], shown[4], shown[5]));
    QCOMPARE(told.focus, m_fixture.panel()->btnAnalyze());
}

void TestAccessibility::oldNewsIsNotToldAgain()
{
    trigger("alBarABGTeacher");
    m_fixture.generate();
    m_fixture.tick(m_fixture.generated());
    m_fixture.analyze();
    QTRY_COMPARE(m_told.size(), 2); // the new case, the verdict with the results
    QVERIFY(m_told[1].news.startsWith("Correct ! "));

    // The verdict stays on the teacher page, read as text; the page shown again tells nothing.
    auto *verdict = m_fixture.onPage<TeacherPage, QLabel>("lblResultAcidBase");
    QCOMPARE(verdict->text(), QString("Correct !"));
    QCOMPARE(accessible(verdict)->role(), QAccessible::StaticText);
    for (const char *action : {"alBarABGStats", "alBarABGTeacher", "alBarABGReview", "alBarABGTeacher"})
        trigger(action);
    m_fixture.window->hide();
    m_fixture.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_fixture.window.get()));
    QCOMPARE(m_told.size(), 2);
    // The window's one notification is never shown, so that nothing shows it again.
    const QList<Announcer *> announcers = m_fixture.window->findChildren<Announcer *>();
    QCOMPARE(announcers.size(), 1);
    QVERIFY(!announcers.front()->isVisible());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
