#include "settings/AppSettings.h"
#include "settings/FormSettings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestSettingsComponents : public QObject {
    Q_OBJECT

private slots:
    void init();
    void readingAValue_data();
    void readingAValue();
    void saveWritesOnlyWhatIsSet();
    void loadKeepsWhatIsNotStored();
    void digitsStoredAsText();
    void formSettingsStoreOnlyChanges();
    void formSettingsRestore_data();
    void formSettingsRestore();

private:
    QSettings &store() { return *m_store; }

    QTemporaryDir m_folder;
    std::unique_ptr<QSettings> m_store;
};

void TestSettingsComponents::init()
{
    m_store = std::make_unique<QSettings>(
        m_folder.filePath(QString::fromLatin1(QTest::currentTestFunction()) + ".conf"), QSettings::IniFormat);
    m_store->clear();
}

void TestSettingsComponents::readingAValue_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("integer");

    QTest::newRow("empty") << "empty"
                           << ""
                           << "" << 0;
    QTest::newRow("string of digits") << "string"
                                      << "12"
                                      << "12" << 12;
    QTest::newRow("string, not a number") << "string"
                                          << "MMHG"
                                          << "MMHG" << 0;
    QTest::newRow("string with a fraction") << "string"
                                            << "1.9"
                                            << "1.9" << 1;
    QTest::newRow("negative string") << "string"
                                     << "-2"
                                     << "-2" << -2;
    QTest::newRow("huge string") << "string"
                                 << "99999999999"
                                 << "99999999999" << 0;
    QTest::newRow("integer") << "integer"
                             << "3"
                             << "3" << 3;
}

void TestSettingsComponents::readingAValue()
{
    QFETCH(QString, kind);
    QFETCH(QString, stored);
    QFETCH(QString, text);
    QFETCH(int, integer);

    AppSettings settings;
    AppSettings::Value &value = settings[AppSetting::PaCO2Dec];
    if (kind == "string")
        value.setText(stored);
    else if (kind == "integer")
        value.setInteger(stored.toInt());
    QCOMPARE(value.isEmpty(), kind == "empty");
    QCOMPARE(value.text(), text);
    QCOMPARE(value.integer(), integer);
}

void TestSettingsComponents::saveWritesOnlyWhatIsSet()
{
    store().setValue("AppSettings/Unrelated", "kept");
    AppSettings settings;
    settings[AppSetting::Units].setText("KPA");
    settings[AppSetting::phDec].setInteger(3);
    settings.save(store());

    store().beginGroup("AppSettings");
    QStringList keys = store().childKeys();
    keys.sort();
    QCOMPARE(keys, (QStringList{"Units", "Unrelated", "phDec"}));
    QCOMPARE(store().value("Units").toString(), QString("KPA"));
    QCOMPARE(store().value("phDec").toInt(), 3);
    QCOMPARE(store().value("Unrelated").toString(), QString("kept"));
    store().endGroup();
}

void TestSettingsComponents::loadKeepsWhatIsNotStored()
{
    store().setValue("AppSettings/Language", "FRENCH");
    AppSettings settings;
    settings[AppSetting::Units].setText("KPA");
    settings.load(store());
    QCOMPARE(settings[AppSetting::Language].text(), QString("FRENCH"));
    QCOMPARE(settings[AppSetting::Units].text(), QString("KPA"));
    QVERIFY(settings[AppSetting::HCO3Dec].isEmpty());
}

void TestSettingsComponents::digitsStoredAsText()
{
    store().setValue("AppSettings/PaCO2Dec", QStringLiteral("1"));
    AppSettings settings;
    settings.load(store());
    QCOMPARE(settings[AppSetting::PaCO2Dec].text(), QString("1"));
    QCOMPARE(settings[AppSetting::PaCO2Dec].integer(), 1);
}

void TestSettingsComponents::formSettingsStoreOnlyChanges()
{
    bool collapsed = false;
    QString page = "tsHelpAbout";
    FormSettings form("frmMain");
    form.bind({"barABG.Collapsed", FormSettings::Kind::Boolean, false, [&] { return QVariant(collapsed); },
               [&](const QVariant &v) {
                   collapsed = v.toBool();
                   return true;
               }});
    form.bind({"pcABGDetails.ActivePage", FormSettings::Kind::Text, QString("tsHelpAbout"),
               [&] { return QVariant(page); },
               [&](const QVariant &v) {
                   page = v.toString();
                   return true;
               }});

    collapsed = true;
    page = "tsPrint";
    form.save(store(), QPoint(10, 20), QSize(1280, 1024));
    QCOMPARE(store().value("frmMain/barABG/Collapsed").toString(), QString("True"));
    QCOMPARE(store().value("frmMain/pcABGDetails/ActivePage").toString(), QString("tsPrint"));
    QCOMPARE(store().value("frmMain/Left").toInt(), 10);
    QCOMPARE(store().value("frmMain/Top").toInt(), 20);
    QCOMPARE(store().value("frmMain/ScreenRes").toString(), QString("1280x1024"));

    collapsed = false;
    page = "tsHelpAbout";
    form.save(store(), QPoint(10, 20), QSize(1280, 1024));
    store().beginGroup("frmMain");
    QCOMPARE(store().childGroups(), QStringList{}); // values and their subkeys are gone
    QStringList keys = store().childKeys();
    keys.sort();
    QCOMPARE(keys, (QStringList{"Left", "ScreenRes", "Top"}));
    store().endGroup();
}

void TestSettingsComponents::formSettingsRestore_data()
{
    QTest::addColumn<QString>("collapsedText");
    QTest::addColumn<QString>("indexText");
    QTest::addColumn<bool>("collapsed");
    QTest::addColumn<int>("index");

    QTest::newRow("well formed") << "True"
                                 << "1" << true << 1;
    QTest::newRow("other case") << "false"
                                << "-1" << false << -1;
    QTest::newRow("not a boolean, not a number") << "maybe"
                                                 << "abc" << false << 7;
    QTest::newRow("refused by the control") << "True"
                                            << "99" << true << 7;
}

void TestSettingsComponents::formSettingsRestore()
{
    QFETCH(QString, collapsedText);
    QFETCH(QString, indexText);
    QFETCH(bool, collapsed);
    QFETCH(int, index);

    store().setValue("frmMain/barUnits/Collapsed", collapsedText);
    store().setValue("frmMain/alBarABGStats/ImageIndex", indexText);
    bool restoredCollapsed = false;
    int restoredIndex = 0;
    FormSettings form("frmMain");
    form.bind({"barUnits.Collapsed", FormSettings::Kind::Boolean, false, [] { return QVariant(); },
               [&](const QVariant &v) {
                   restoredCollapsed = v.toBool();
                   return true;
               }});
    // The control takes -1 to 1; anything else leaves it at its design value 7.
    form.bind({"alBarABGStats.ImageIndex", FormSettings::Kind::Integer, 7, [] { return QVariant(); },
               [&](const QVariant &v) {
                   if (v.toInt() != 7 && (v.toInt() < -1 || v.toInt() > 1))
                       return false;
                   restoredIndex = v.toInt();
                   return true;
               }});
    form.restore(store());
    QCOMPARE(restoredCollapsed, collapsed);
    QCOMPARE(restoredIndex, index);
}

QTEST_GUILESS_MAIN(TestSettingsComponents)
#include "tst_appsettings.moc"
