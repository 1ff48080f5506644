#include "language/Language.h"
#include "tests/support/DataFile.h"

#include <QTest>

using namespace halvex;

namespace {

QString translate(const QString &message, const QString &language)
{
    return QString::fromStdString(Translate(message.toStdString(), language.toStdString()));
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void everyKeyInEveryLanguage_data();
    void everyKeyInEveryLanguage();
    void outsideTheCatalogue_data();
    void outsideTheCatalogue();
};

void TestLanguage::everyKeyInEveryLanguage_data()
{
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("french");
    const QStringList lines = dataFileLines(HALVEX_CATALOGUE);
    QCOMPARE(lines.size(), 51); // 51 keys, two of which share their French text
    for (const QString &line : lines) {
        const QStringList columns = line.split(u'\t');
        QCOMPARE(columns.size(), 2);
        QTest::newRow(qPrintable(columns[0])) << columns[0] << columns[1];
    }
}

void TestLanguage::everyKeyInEveryLanguage()
{
    QFETCH(QString, english);
    QFETCH(QString, french);

    QCOMPARE(translate(english, "ENGLISH"), english);
    QCOMPARE(translate(english, "FRENCH"), french);
    QCOMPARE(translate(english, "french"), french);
    QCOMPARE(translate(english, "FrEnCh"), french);
    QCOMPARE(translate(english, "GERMAN"), QString("Guten Tag!"));
    QCOMPARE(translate(english, "spanish"), QString("Zoro!"));
    QCOMPARE(translate(english, " FRENCH"), QString());
    QCOMPARE(translate(english, "FRENCH "), QString());
    QCOMPARE(translate(english, ""), QString());
    QCOMPARE(translate(english, "ITALIAN"), QString());
    QCOMPARE(translate(english + " ", "FRENCH"), QString());
    QCOMPARE(translate(english.toUpper(), "FRENCH"), QString());
}

void TestLanguage::outsideTheCatalogue_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("text");

    QTest::newRow("English returns any message") << "Hello there"
                                                 << "English"
                                                 << "Hello there";
    QTest::newRow("English returns the empty message") << ""
                                                       << "ENGLISH"
                                                       << "";
    QTest::newRow("French of a non-key") << "Hello there"
                                         << "FRENCH"
                                         << "";
    QTest::newRow("German of a non-key") << "Hello there"
                                         << "GERMAN"
                                         << "";
    QTest::newRow("Spanish of the empty message") << ""
                                                  << "SPANISH"
                                                  << "";
    QTest::newRow("one blank after the exclamation mark") << "PaCO2 is out of range! Range: 0 to 53 kpa"
                                                          << "FRENCH"
                                                          << "";
    QTest::newRow("the O2 message is not a key") << "O2(%) is out of range!  Range: 21 to 100 %"
                                                 << "FRENCH"
                                                 << "";
    QTest::newRow("only a-z are upper-cased") << "without Hypoxemia"
                                              << "FRENCH\u00e9"
                                              << "";
}

void TestLanguage::outsideTheCatalogue()
{
    QFETCH(QString, message);
    QFETCH(QString, language);
    QFETCH(QString, text);
    QCOMPARE(translate(message, language), text);
}

QTEST_APPLESS_MAIN(TestLanguage)
#include "tst_language.moc"
