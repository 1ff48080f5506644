#include "language/CaptionSets.h"
#include "tests/support/WindowFixture.h"
#include "ui/NormalValuesPage.h"
#include "ui/PrintPage.h"
#include "ui/SamplesPage.h"
#include "ui/StatisticsPage.h"
#include "ui/TeacherPage.h"
#include "widgets/ButtonSpinBox.h"
#include "widgets/HoverBoldLabel.h"
#include "widgets/IndexedAction.h"
#include "widgets/NumericSpinField.h"
#include "widgets/SideBarGroup.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>

#include <sys/stat.h>

namespace {

struct Stored {
    QString key;
    QString value;
};

} // namespace

Q_DECLARE_METATYPE(QList<Stored>)

namespace {

// A control's caption as shown: a button's mnemonic mark only underlines its letter.
QString shownCaption(const QObject *control)
{
    QString shown = control->property("text").toString();
    if (qobject_cast<const QAbstractButton *>(control))
        shown.remove(u'&');
    return shown;
}

} // namespace

class TestSettingsAndUnits : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstRun();
    void roundTripThroughARestart();
    void boundValuesBackAtDesignAreDeleted();
    void switchingUnits();
    void sameUnitConvertsNothing();
    void switchingConvertsBeforeRounding();
    void startInKpa_data();
    void startInKpa();
    void frenchAndBack();
    void qtOwnTextsFollowTheLanguage();
    void statisticsShowEveryNameWhole_data();
    void statisticsShowEveryNameWhole();
    void storedLanguages_data();
    void storedLanguages();
    void preferences();
    void preferencesSurviveARestart();
    void restoreDefaultsInKpa();
    void preferencesPageRestoredAtStart_data();
    void preferencesPageRestoredAtStart();
    void corruptStore_data();
    void corruptStore();
    void unusableStore();
    void storeThatIsNotHalvexs_data();
    void storeThatIsNotHalvexs();
    void optionsAreOnOnlyAsOne_data();
    void optionsAreOnOnlyAsOne();
    void twoWindowsKeepEachOthersChoices();

private:
    template <typename T>
    T *child(const QString &name) const
    {
        return m_fixture.child<T>(name);
    }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }
    void restart()
    {
        m_fixture.window->close();
        m_fixture.close();
        QVERIFY(m_fixture.open());
    }
    void store(const QList<Stored> &values)
    {
        for (const Stored &value : values)
            WindowFixture::store(value.key, value.value);
    }
    QVariant stored(const QString &key) const { return WindowFixture::stored(key); }
    QString text(const char *field) const { return child<NumericSpinField>(field)->text(); }
    QString unitInForce() const
    {
        return QString::fromLatin1(m_fixture.window->session().presentation().CurrentUnits().data());
    }
    QString languageInForce() const
    {
        return QString::fromStdString(m_fixture.window->session().presentation().CurrentLanguage());
    }
    QString label(const char *name) const { return child<QLabel>(name)->text(); }
    int tick(const char *action) const { return child<IndexedAction>(action)->imageIndex(); }
    ButtonSpinBox *decimals(const char *name) const { return child<ButtonSpinBox>(name); }

    WindowFixture m_fixture;
};

void TestSettingsAndUnits::init()
{
    m_fixture.forgetSettings();
}

void TestSettingsAndUnits::cleanup()
{
    m_fixture.forgetSettings();
}

void TestSettingsAndUnits::firstRun()
{
    QVERIFY(m_fixture.open());
    QCOMPARE(unitInForce(), QString("MMHG"));
    QCOMPARE(languageInForce(), QString("ENGLISH"));
    QCOMPARE(text("edtPaCO2"), QString("40"));
    QCOMPARE(text("edtPaO2"), QString("90"));
    m_fixture.window->page<NormalValuesPage>();
    QCOMPARE(label("lblPCO2Range"), QString("35 - 45"));
    QCOMPARE(label("lblAcidBase"), QString("Assessment of Acid/Base status :"));
    QCOMPARE(tick("alBarMMHG"), 0);
    QCOMPARE(tick("alBarEnglish"), 0);
    m_fixture.window->close();
    QCOMPARE(stored("AppSettings/Units").toString(), QString("MMHG"));
    QCOMPARE(stored("AppSettings/Language").toString(), QString("ENGLISH"));
    QVERIFY(!stored("AppSettings/phDec").isValid());
    QVERIFY(!stored("frmMain/pcABGDetails/ActivePage").isValid());
    QVERIFY(stored("frmMain/Left").isValid());
}

void TestSettingsAndUnits::roundTripThroughARestart()
{
    QVERIFY(m_fixture.open());
    trigger("alBarKPa");
    trigger("alBarFrench");
    trigger("alBarABGPrint");
    QTest::mouseClick(child<SideBarGroup>("barABG")->header(), Qt::LeftButton);
    restart();

    QCOMPARE(unitInForce(), QString("KPA"));
    QCOMPARE(tick("alBarKPa"), 0);
    QCOMPARE(tick("alBarMMHG"), -1);
    QCOMPARE(text("edtPaCO2"), QString("5.3"));
    QCOMPARE(languageInForce(), QString("FRENCH"));
    QCOMPARE(tick("alBarFrench"), 0);
    QCOMPARE(child<QPushButton>("btnAnalyze")->text(), QString("&Analyzation")); // Alt+A
    QCOMPARE(m_fixture.window->pcABGDetails()->currentWidget()->objectName(), QString("tsPrint"));
    QCOMPARE(tick("alBarABGPrint"), 1);
    QCOMPARE(tick("alBarABGTeacher"), -1);
    QVERIFY(child<SideBarGroup>("barABG")->isCollapsed());
    QVERIFY(!child<SideBarGroup>("barUnits")->isCollapsed());
}

void TestSettingsAndUnits::boundValuesBackAtDesignAreDeleted()
{
    QVERIFY(m_fixture.open());
    QTest::mouseClick(child<SideBarGroup>("barLanguage")->header(), Qt::LeftButton);
    trigger("alBarABGStats");
    restart();
    QCOMPARE(stored("frmMain/barLanguage/Collapsed").toString(), QString("True"));
    QCOMPARE(stored("frmMain/pcABGDetails/ActivePage").toString(), QString("tsABGStats"));
    QCOMPARE(stored("frmMain/alBarABGStats/ImageIndex").toInt(), 1);

    QTest::mouseClick(child<SideBarGroup>("barLanguage")->header(), Qt::LeftButton);
    trigger("alBarABGHelpAbout");
    trigger("alBarABGTeacher");
    trigger("alBarABGHelpAbout");
    m_fixture.window->close();
    QVERIFY(!stored("frmMain/barLanguage/Collapsed").isValid());
    QVERIFY(!stored("frmMain/pcABGDetails/ActivePage").isValid());
    QVERIFY(!stored("frmMain/alBarABGStats/ImageIndex").isValid());
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Ostrevane Software", "Halvex");
    settings.beginGroup("frmMain");
    QVERIFY(!settings.childGroups().contains("barLanguage"));
    QVERIFY(!settings.childGroups().contains("pcABGDetails"));
    // The arrow is on About, no longer on Teacher, its design place.
    QCOMPARE(settings.value("alBarABGTeacher/ImageIndex").toInt(), -1);
    QCOMPARE(settings.value("alBarABGHelpAbout/ImageIndex").toInt(), 1);
}

void TestSettingsAndUnits::switchingUnits()
{
    QVERIFY(m_fixture.open());
    trigger("alBarKPa");
    QCOMPARE(text("edtPaCO2"), QString("5.3"));
    QCOMPARE(text("edtPaO2"), QString("12.0"));
    QCOMPARE(label("lblCO2Unit"), QString("kpa"));
    QCOMPARE(label("lblPO2Unit"), QString("kpa"));
    m_fixture.window->page<NormalValuesPage>(); // built after the switch, it shows the unit in force
    const QStringList names{"lblNVPCO2", "lblNVPO2", "lblPCo2Normal", "lblPo2Normal", "lblPCO2Range", "lblPO2Range"};
    const QStringList kpa{"kpa", "kpa", "5.3", "11.9", "4.6 - 5.9", "10.6 - 13"};
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(label(qPrintable(names[i])), kpa[i]);
    QCOMPARE(child<NumericSpinField>("edtPaCO2")->maximum(), 53.0);
    QCOMPARE(child<NumericSpinField>("edtPaO2")->maximum(), 93.0);
    QCOMPARE(child<NumericSpinField>("edtPaO2")->singleStep(), 0.1);
    QCOMPARE(tick("alBarKPa"), 0);
    QCOMPARE(tick("alBarMMHG"), -1);

    // An empty field reads as 0.
    child<NumericSpinField>("edtPaCO2")->clear();
    trigger("alBarMMHG");
    QCOMPARE(text("edtPaCO2"), QString("0"));
    QCOMPARE(label("lblPCo2Normal"), QString("40"));
    QCOMPARE(child<NumericSpinField>("edtPaCO2")->maximum(), 400.0);

    child<NumericSpinField>("edtPaO2")->setValue(700);
    trigger("alBarKPa");
    QCOMPARE(text("edtPaO2"), QString("93.0")); // 93.1 pulled to the maximum
}

void TestSettingsAndUnits::sameUnitConvertsNothing()
{
    QVERIFY(m_fixture.open());
    trigger("alBarKPa");
    child<NumericSpinField>("edtPaO2")->setValue(93);
    for (int i = 0; i < 3; ++i) {
        trigger("alBarKPa");
        QCOMPARE(text("edtPaO2"), QString("93.0"));
        QCOMPARE(tick("alBarKPa"), 0);
    }
    trigger("alBarMMHG");
    child<NumericSpinField>("edtPaCO2")->setValue(41);
    trigger("alBarMMHG");
    QCOMPARE(text("edtPaCO2"), QString("41"));
}

void TestSettingsAndUnits::switchingConvertsBeforeRounding()
{
    QVERIFY(m_fixture.open());
    trigger("alBarKPa");
    child<NumericSpinField>("edtPaCO2")->setValue(5.3);
    trigger("alBarMMHG");
    QCOMPARE(text("edtPaCO2"), QString("40")); // 39.75, not 5 x 7.5

    store({{"AppSettings/PaCO2Dec", "1"}});
    restart();
    trigger("alBarKPa");
    child<NumericSpinField>("edtPaCO2")->setValue(5.3);
    trigger("alBarMMHG");
    QCOMPARE(text("edtPaCO2"), QString("39.8"));
}

void TestSettingsAndUnits::startInKpa_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("current");
    QTest::newRow("KPA") << "KPA"
                         << "KPA";
    QTest::newRow("small letters") << "kpa"
                                   << "KPA";
    QTest::newRow("neither unit") << "psi"
                                  << "KPA";
}

void TestSettingsAndUnits::startInKpa()
{
    QFETCH(QString, units);
    QFETCH(QString, current);
    store({{"AppSettings/Units", units}});
    QVERIFY(m_fixture.open());
    QCOMPARE(text("edtPaCO2"), QString("5.3"));
    QCOMPARE(text("edtPaO2"), QString("12.0"));
    QCOMPARE(unitInForce(), current);
    QCOMPARE(tick("alBarKPa"), 0);
}

void TestSettingsAndUnits::frenchAndBack()
{
    QVERIFY(m_fixture.open());
    m_fixture.window->page<TeacherPage>(); // one page built before the switch, the others after
    trigger("alBarFrench");
    m_fixture.window->page<StatisticsPage>();
    m_fixture.window->page<SamplesPage>();
    m_fixture.window->page<NormalValuesPage>();
    m_fixture.window->page<PrintPage>();
    for (const halvex::Caption &caption : halvex::captionSets()) {
        QObject *control = m_fixture.window->findChild<QObject *>(
            QString::fromLatin1(caption.control.data(), qsizetype(caption.control.size())));
        if (!control)
            continue; // the help page
        QCOMPARE(shownCaption(control), QString::fromUtf8(caption.french.data(), qsizetype(caption.french.size())));
        // A longer text is not cut off where no layout sizes the label.
        if (auto *label = qobject_cast<QLabel *>(control);
            label && !label->wordWrap() && !label->parentWidget()->layout())
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
    }
    QCOMPARE(child<QCheckBox>("chkCMA")->text(), QString("Acidose Métabolique Compensée"));
    QCOMPARE(child<QLabel>("lblRAstats")->text(), QString("Acidose Respiratoire Non Compensée"));
    QCOMPARE(child<HoverBoldLabel>("lblCRMAK")->text(), QString("Alcalose respiratoire et métabolique combinée"));
    QCOMPARE(child<QToolButton>("barABGPrint")->text(), QString("Copie"));
    QCOMPARE(child<QToolButton>("barABGStats")->text(), QString("Statistics"));
    QCOMPARE(tick("alBarFrench"), 0);
    QCOMPARE(tick("alBarEnglish"), -1);

    trigger("alBarEnglish");
    for (const halvex::Caption &caption : halvex::captionSets()) {
        QObject *control = m_fixture.window->findChild<QObject *>(
            QString::fromLatin1(caption.control.data(), qsizetype(caption.control.size())));
        if (control)
            QCOMPARE(shownCaption(control),
                     QString::fromUtf8(caption.english.data(), qsizetype(caption.english.size())));
    }
    QCOMPARE(child<QCheckBox>("chkCMA")->text(), QString("Compensated Metabolic Acidosis"));
    QCOMPARE(child<QLabel>("lblSuccessRate2")->text(), QString("Success Rate :  "));
}

void TestSettingsAndUnits::statisticsShowEveryNameWhole_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "alBarEnglish";
    QTest::newRow("French") << "alBarFrench";
}

void TestSettingsAndUnits::statisticsShowEveryNameWhole()
{
    QFETCH(QString, language);

    QVERIFY(m_fixture.open());
    trigger(language.toLatin1().constData());
    trigger("alBarABGStats");
    StatisticsPage *page = m_fixture.window->page<StatisticsPage>();
    QApplication::processEvents(); // laid out
    const QRect inside = page->contentsRect();
    for (int code = 0; code < halvex::kCategoryCount; ++code) {
        const auto category = *halvex::categoryFromCode(code);
        QLabel *name = page->findChild<QLabel *>(
            category == halvex::AbgCategory::RA
                ? QStringLiteral("lblRAstats")
                : categoryControlName(QStringLiteral("lbl"), category, QStringLiteral("Stats")));
        QLabel *percentage = page->findChild<QLabel *>(QStringLiteral("lblStats%1").arg(code));
        percentage->setText("100 %"); // the widest a percentage gets
        QApplication::processEvents();
        QVERIFY2(name->width() >= name->sizeHint().width(), qPrintable(name->text()));
        QVERIFY2(percentage->width() >= percentage->sizeHint().width(), qPrintable(name->text()));
        QVERIFY2(name->geometry().right() < percentage->geometry().left(), qPrintable(name->text()));
        QVERIFY2(inside.contains(percentage->geometry()), qPrintable(name->text()));
    }
}

void TestSettingsAndUnits::qtOwnTextsFollowTheLanguage()
{
    QVERIFY(m_fixture.open());
    const auto yes = [] { return QDialogButtonBox(QDialogButtonBox::Yes).button(QDialogButtonBox::Yes)->text(); };
    const QString english = yes();
    trigger("alBarFrench");
    QCOMPARE(yes(), QString("&Oui"));
    trigger("alBarEnglish");
    QCOMPARE(yes(), english);

    // A French interface restored at start speaks French in Qt's dialogs too.
    trigger("alBarFrench");
    restart();
    QCOMPARE(yes(), QString("&Oui"));
    trigger("alBarEnglish");
}

void TestSettingsAndUnits::storedLanguages_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("tickedAction"); // empty: none
    QTest::addColumn<QString>("heading");      // lblAcidBase after start-up
    QTest::addColumn<QString>("emptyMessage");

    QTest::newRow("French") << "FRENCH"
                            << "alBarFrench"
                            << "Évaluation Base/Acid :"
                            << "Un ou plusieurs champs sont vides!";
    QTest::newRow("French in small letters") << "french"
                                             << ""
                                             << "Assessment of Acid/Base status:"
                                             << "Un ou plusieurs champs sont vides!";
    QTest::newRow("German") << "GERMAN"
                            << "alBarGerman"
                            << "Assessment of Acid/Base status:"
                            << "Guten Tag!";
    QTest::newRow("Spanish") << "SPANISH"
                             << "alBarSpanish"
                             << "Assessment of Acid/Base status:"
                             << "Zoro!";
    QTest::newRow("unknown") << "KLINGON"
                             << ""
                             << "Assessment of Acid/Base status:"
                             << "";
}

void TestSettingsAndUnits::storedLanguages()
{
    QFETCH(QString, language);
    QFETCH(QString, tickedAction);
    QFETCH(QString, heading);
    QFETCH(QString, emptyMessage);

    store({{"AppSettings/Language", language}});
    QVERIFY(m_fixture.open());
    for (const char *action : {"alBarEnglish", "alBarFrench", "alBarGerman", "alBarSpanish"})
        QCOMPARE(tick(action), QLatin1String(action) == tickedAction ? 0 : -1);
    QCOMPARE(label("lblAcidBase"), heading);
    m_fixture.window->page<TeacherPage>();
    if (tickedAction != "alBarFrench")
        QCOMPARE(child<QCheckBox>("chkNormal")->text(), QString("Normal Acid/Base balance"));

    m_fixture.panel()->edtPh()->clear();
    m_fixture.panel()->btnAnalyzeClick();
    QCOMPARE(m_fixture.boxes.errors, QStringList{emptyMessage});

    m_fixture.window->close();
    QCOMPARE(stored("AppSettings/Language").toString(), language); // kept exactly as it was
}

void TestSettingsAndUnits::preferences()
{
    QVERIFY(m_fixture.open());
    trigger("alBarABGPrefs");
    QCOMPARE(decimals("edtPHDec")->value(), 2);
    QCOMPARE(decimals("edtPaCO2Dec")->value(), 0);
    QCOMPARE(decimals("edtPaO2Dec")->value(), 0);
    QCOMPARE(decimals("edtHCO3Dec")->value(), 0);

    // The keys a spin box takes step the fields, within their limits; the text takes no typing.
    ButtonSpinBox *ph = decimals("edtPHDec");
    ph->setFocus();
    QTest::keyClick(ph, Qt::Key_Up);
    QCOMPARE(ph->value(), 3);
    QTest::keyClick(ph, Qt::Key_Up);
    QCOMPARE(ph->value(), 3);
    QTest::keyClick(ph, Qt::Key_Home);
    QCOMPARE(ph->value(), 1);
    QTest::keyClick(ph, Qt::Key_End);
    QCOMPARE(ph->value(), 3);
    QTest::keyClick(ph, Qt::Key_PageDown);
    QCOMPARE(ph->value(), 1);
    QTest::keyClicks(ph, "2");
    QCOMPARE(ph->value(), 2);
    QTest::keyClicks(ph, "7"); // beyond the limits: refused
    QCOMPARE(ph->value(), 2);
    QCOMPARE(ph->text(), QString("2"));
    ph->stepUp();
    decimals("edtPaCO2Dec")->stepUp();
    QCOMPARE(ph->value(), 3);

    QTest::mouseClick(child<QPushButton>("btnCancel"), Qt::LeftButton);
    QCOMPARE(decimals("edtPHDec")->value(), 3); // Cancel changes nothing
    QVERIFY(!stored("AppSettings/phDec").isValid());

    QTest::mouseClick(child<QPushButton>("btnSave"), Qt::LeftButton);
    QCOMPARE(text("edtPh"), QString("7.400"));
    QCOMPARE(text("edtPaCO2"), QString("40.0"));
    QCOMPARE(stored("AppSettings/phDec").toInt(), 3);
    QCOMPARE(stored("AppSettings/PaCO2Dec").toInt(), 1);
    QCOMPARE(stored("AppSettings/HCO3Dec").toInt(), 0);

    // Showing the page again brings back what is stored.
    decimals("edtPHDec")->stepDown();
    trigger("alBarABGTeacher");
    trigger("alBarABGPrefs");
    QCOMPARE(decimals("edtPHDec")->value(), 3);
}

void TestSettingsAndUnits::preferencesSurviveARestart()
{
    store({{"AppSettings/phDec", "3"}, {"AppSettings/PaCO2Dec", "1"}, {"AppSettings/HCO3Dec", "2"}});
    QVERIFY(m_fixture.open());
    QCOMPARE(text("edtPh"), QString("7.400"));
    QCOMPARE(text("edtPaCO2"), QString("40.0"));
    QCOMPARE(text("edtHCO3"), QString("24.00"));
    trigger("alBarKPa");
    QCOMPARE(text("edtPaCO2"), QString("5.3")); // one decimal in kPa whatever is stored

    trigger("alBarABGPrefs");
    decimals("edtPaO2Dec")->setValue(0);
    QTest::mouseClick(child<QPushButton>("btnSave"), Qt::LeftButton);
    QCOMPARE(text("edtPaO2"), QString("12")); // 12.0 with no decimals
    trigger("alBarKPa");
    QCOMPARE(text("edtPaO2"), QString("12.0"));
}

void TestSettingsAndUnits::restoreDefaultsInKpa()
{
    QVERIFY(m_fixture.open());
    trigger("alBarKPa");
    trigger("alBarABGPrefs");
    decimals("edtPHDec")->setValue(3);
    QTest::mouseClick(child<QPushButton>("btnDefaults"), Qt::LeftButton);
    QCOMPARE(decimals("edtPHDec")->value(), 2);
    QCOMPARE(stored("AppSettings/PaCO2Dec").toInt(), 1);
    QCOMPARE(stored("AppSettings/PaO2Dec").toInt(), 1);
    QCOMPARE(stored("AppSettings/phDec").toInt(), 2);
    trigger("alBarMMHG");
    QCOMPARE(text("edtPaCO2"), QString("39.8")); // 5.3 kPa is 39.75 mmHg, now shown with one decimal
}

void TestSettingsAndUnits::preferencesPageRestoredAtStart_data()
{
    QTest::addColumn<QList<Stored>>("values");
    QTest::addColumn<QList<int>>("shown"); // pH, PaCO2, PaO2, HCO3 decimals on the page

    QTest::newRow("all stored") << QList<Stored>{{"AppSettings/phDec", "3"},
                                                 {"AppSettings/PaCO2Dec", "1"},
                                                 {"AppSettings/PaO2Dec", "2"},
                                                 {"AppSettings/HCO3Dec", "2"}}
                                << QList<int>{3, 1, 2, 2};
    QTest::newRow("stored as empty texts") << QList<Stored>{{"AppSettings/phDec", ""},
                                                            {"AppSettings/PaCO2Dec", ""},
                                                            {"AppSettings/PaO2Dec", "2"},
                                                            {"AppSettings/HCO3Dec", ""}}
                                           << QList<int>{2, 0, 2, 0};
}

void TestSettingsAndUnits::preferencesPageRestoredAtStart()
{
    QFETCH(QList<Stored>, values);
    QFETCH(QList<int>, shown);

    values.append(Stored{"frmMain/pcABGDetails/ActivePage", "tsUserPrefs"});
    store(values);
    QVERIFY(m_fixture.open());
    QCOMPARE(m_fixture.window->pcABGDetails()->currentWidget()->objectName(), QString("tsUserPrefs"));
    const char *fields[] = {"edtPHDec", "edtPaCO2Dec", "edtPaO2Dec", "edtHCO3Dec"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(decimals(fields[i])->value(), shown[i]);

    // Save without touching anything keeps what the page showed.
    QTest::mouseClick(child<QPushButton>("btnSave"), Qt::LeftButton);
    const char *settings[] = {"AppSettings/phDec", "AppSettings/PaCO2Dec", "AppSettings/PaO2Dec",
                              "AppSettings/HCO3Dec"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(stored(settings[i]).toInt(), shown[i]);
}

void TestSettingsAndUnits::corruptStore_data()
{
    QTest::addColumn<QList<Stored>>("values");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("ph");
    QTest::addColumn<QString>("paco2");

    QTest::newRow("unknown page") << QList<Stored>{{"frmMain/pcABGDetails/ActivePage", "tsNowhere"}} << "tsHelpAbout"
                                  << "7.40"
                                  << "40";
    QTest::newRow("marker out of range") << QList<Stored>{{"frmMain/alBarABGTeacher/ImageIndex", "12345"}}
                                         << "tsHelpAbout"
                                         << "7.40"
                                         << "40";
    QTest::newRow("collapsed not a boolean") << QList<Stored>{{"frmMain/barABG/Collapsed", "perhaps"}} << "tsHelpAbout"
                                             << "7.40"
                                             << "40";
    QTest::newRow("decimals not a number")
        << QList<Stored>{{"AppSettings/phDec", "banana"}, {"AppSettings/PaCO2Dec", "x"}} << "tsHelpAbout"
        << "7.40"
        << "40";
    QTest::newRow("decimals huge") << QList<Stored>{{"AppSettings/phDec", "2000000000"},
                                                    {"AppSettings/PaCO2Dec", "99999"}}
                                   << "tsHelpAbout"
                                   << "7.40"
                                   << "40";
    QTest::newRow("decimals negative") << QList<Stored>{{"AppSettings/HCO3Dec", "-4"}, {"AppSettings/PaO2Dec", "-1"}}
                                       << "tsHelpAbout"
                                       << "7.40"
                                       << "40";
    QTest::newRow("good page beside bad values")
        << QList<Stored>{{"frmMain/pcABGDetails/ActivePage", "tsSamples"}, {"AppSettings/phDec", "-9"}} << "tsSamples"
        << "7.40"
        << "40";
}

void TestSettingsAndUnits::corruptStore()
{
    QFETCH(QList<Stored>, values);
    QFETCH(QString, page);
    QFETCH(QString, ph);
    QFETCH(QString, paco2);

    store(values);
    QVERIFY(m_fixture.open());
    QCOMPARE(m_fixture.window->pcABGDetails()->currentWidget()->objectName(), page);
    QCOMPARE(text("edtPh"), ph);
    QCOMPARE(text("edtPaCO2"), paco2);
    QCOMPARE(text("edtHCO3"), QString("24"));
    QVERIFY(!child<SideBarGroup>("barABG")->isCollapsed());
    QVERIFY(m_fixture.boxes.count() == 0);
    m_fixture.window->close();
}

void TestSettingsAndUnits::unusableStore()
{
    // A settings file that is no settings file, then a folder where none can be written.
    {
        QDir().mkpath(QFileInfo(m_fixture.settingsFile()).path());
        QFile file(m_fixture.settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        static constexpr char kGarbage[] = "\x00\xff\xfe[[[=\n\x01garbage";
        file.write(kGarbage, sizeof kGarbage - 1);
    }
    QVERIFY(m_fixture.open());
    QCOMPARE(unitInForce(), QString("MMHG"));
    m_fixture.window->close();
    m_fixture.close();

    m_fixture.forgetSettings();
    QFile blocker(m_fixture.settingsFolder->filePath("Ostrevane Software"));
    QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    QVERIFY(m_fixture.open());
    trigger("alBarKPa");
    m_fixture.window->close();
    m_fixture.close();
    QVERIFY(m_fixture.open());
    QCOMPARE(unitInForce(), QString("MMHG")); // nothing could be kept
    // ...and the user was told so, once, in the language in force.
    m_fixture.window->close();
    m_fixture.close();
    store({}); // nothing
    QVERIFY(m_fixture.open());
    QCOMPARE(m_fixture.boxes.errors.size(), 1);
    QVERIFY2(m_fixture.boxes.errors[0].startsWith("Halvex cannot save its settings: "),
             qPrintable(m_fixture.boxes.errors[0]));
    trigger("alBarFrench");
    trigger("alBarKPa");
    m_fixture.window->close();
    QCOMPARE(m_fixture.boxes.errors.size(), 1);
}

void TestSettingsAndUnits::storeThatIsNotHalvexs_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a named pipe") << "fifo";
    QTest::newRow("a link to a pipe") << "pipe link"; // as a link to a device, without risking one
    QTest::newRow("a link to nothing") << "dangling link";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a file of 2 MiB") << "huge";
}

void TestSettingsAndUnits::storeThatIsNotHalvexs()
{
    QFETCH(QString, kind);

    const QString path = m_fixture.settingsFile();
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QByteArray junk;
    if (kind == "fifo") {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == "pipe link") {
        QCOMPARE(mkfifo(QFile::encodeName(path + ".pipe").constData(), 0600), 0);
        QVERIFY(QFile::link(path + ".pipe", path));
    } else if (kind == "dangling link") {
        QVERIFY(QFile::link(path + ".nowhere", path));
    } else if (kind == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else {
        junk = QByteArray("[AppSettings]\nUnits=KPA\n") + QByteArray(2 << 20, 'x');
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(junk) == junk.size());
    }
    const QFileInfo before(path);

    QVERIFY(m_fixture.open()); // no hang, and the defaults
    QCOMPARE(unitInForce(), QString("MMHG"));
    trigger("alBarKPa");
    trigger("alBarABGStats");
    m_fixture.window->close();
    m_fixture.close();

    // Nothing written through it, nothing replaced.
    const QFileInfo after(path);
    QCOMPARE(after.isSymLink(), before.isSymLink());
    QCOMPARE(after.isDir(), before.isDir());
    QCOMPARE(after.symLinkTarget(), before.symLinkTarget());
    QVERIFY(!QFileInfo::exists(path + ".nowhere"));
    if (kind == "fifo" || kind == "pipe link") {
        struct stat status {};
        QCOMPARE(lstat(QFile::encodeName(kind == "fifo" ? path : path + ".pipe").constData(), &status), 0);
        QVERIFY(S_ISFIFO(status.st_mode));
    }
    if (kind == "huge") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll() == junk);
    }
}

void TestSettingsAndUnits::optionsAreOnOnlyAsOne_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("on");
    QTest::newRow("1") << "1" << true;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("false") << "false" << false;
    QTest::newRow("true") << "true" << false;
    QTest::newRow("junk") << "yes please" << false;
    QTest::newRow("2") << "2" << false;
    QTest::newRow("empty") << "" << false;
}

void TestSettingsAndUnits::optionsAreOnOnlyAsOne()
{
    QFETCH(QString, stored);
    QFETCH(bool, on);
    store({{"AppSettings/PracticeWeak", stored}, {"AppSettings/RealisticCases", stored}});
    QVERIFY(m_fixture.open());
    trigger("alBarABGTeacher");
    QCOMPARE((m_fixture.onPage<TeacherPage, QCheckBox>("chkPracticeWeak"))->isChecked(), on);
    QCOMPARE((m_fixture.onPage<TeacherPage, QCheckBox>("chkRealisticCases"))->isChecked(), on);
}

void TestSettingsAndUnits::twoWindowsKeepEachOthersChoices()
{
    // Two windows on one store: each writes what it changed, not what it merely read.
    QVERIFY(m_fixture.open());
    RecordingMessageBoxes otherBoxes;
    TfrmMain other(otherBoxes, halvex::countingSeeds(5));
    other.show();
    trigger("alBarKPa");
    trigger("alBarABGStats");
    other.findChild<QAction *>("alBarFrench")->trigger();
    other.findChild<SideBarGroup *>("barUnits")->setCollapsed(true);
    m_fixture.window->close();
    other.close();
    QCOMPARE(stored("AppSettings/Units").toString(), QString("KPA"));
    QCOMPARE(stored("AppSettings/Language").toString(), QString("FRENCH"));
    QCOMPARE(stored("frmMain/pcABGDetails/ActivePage").toString(), QString("tsABGStats"));
    QCOMPARE(stored("frmMain/barUnits/Collapsed").toString(), QString("True"));
}

QTEST_MAIN(TestSettingsAndUnits)
#include "tst_settingsandunits.moc"
