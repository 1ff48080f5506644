#include "language/Language.h"
#include "tests/support/TestText.h"

#include <QTest>

using namespace halvex;

namespace {

struct Entry {
    const char *english;
    const char *french;
};

// The whole catalogue, written out again so that a changed byte in either column shows.
constexpr Entry kCatalogue[] = {
    {"Normal Acid/Base balance", "Base/Acide normal"},
    {"Uncompensated Respiratory Acidosis", "Acidose Respiratoire Non Compensée"},
    {"Partly Compensated Respiratory Acidosis", "Acidose Respiratoire En partie Compensée"},
    {"Compensated Respiratory Acidosis", "Acidose Respiratoire Compensée"},
    {"Uncompensated Metabolic Acidosis", "Acidose Métabolique Non Compensée"},
    {"Partly Compensated Metabolic Acidosis", "Acidose Métabolique En Partie Compensée"},
    {"Compensated Metabolic Acidosis", "Acidose Métabolique Compensée"},
    {"Combined Respiratory and Metabolic Acidosis", "Acidose respiratoire et métabolique combinée"},
    {"Uncompensated Respiratory Alkalosis", "Alcalose Respiratoire Non Compensée"},
    {"Partly Compensated Respiratory Alkalosis", "Alcalose Respiratoire En partie Compensée"},
    {"Compensated Respiratory Alkalosis", "Alcalose Respiratoire Compensée"},
    {"Uncompensated Metabolic Alkalosis", "Alcalose Métabolique Non Compensée"},
    {"Partly Compensated Metabolic Alkalosis", "Alcalose Métabolique En Partie Compensée"},
    {"Compensated Metabolic Alkalosis", "Alcalose Métabolique Compensée"},
    {"Combined Respiratory and Metabolic Alkalosis", "Alcalose respiratoire et métabolique combinée"},
    {"Fully Compensated Acid/Base, unknown compensation component",
     "Base/Acid Entièrement Compensé, composant inconnu de compensation"},
    {"Refer to previous ABG to help determine what is effecting the pH",
     "Référez au gaz artériel précédent pour aider a determiner ce qui affect le pH"},
    {"Refer to previous ABG to help determine, what is effecting the pH",
     "Référez au gaz artériel précédent pour aider a determiner ce qui affect le pH"},
    {"The pH is normal, the PaCO2 and HCO3 are both acidic?", "Le pH est normal, le PaCO2 et le HCO3 sont acidic?"},
    {"The pH is normal, the PaCO2 and HCO3 are both alkalotic?",
     "Le pH est normal, le PaCO2 et le HCO3 sont alkalotic?"},
    {"The pH and PaCO2 are normal, the HCO3 is out of range (alkalotic for this pH)?",
     "Le pH et le PaCO2 sont normal, le HCO3 est invalid (alcalose pour ce pH)?"},
    {"The pH and PaCO2 are normal, the HCO3 is out of range (acidic for this pH)?",
     "Le pH et le PaCO2 sont normal, le HCO3 est est invalid (acidic pour ce pH)?"},
    {"The pH and HCO3 are normal, the PaCO2 is out of range (alkalotic for this pH)?",
     "Le pH et le HCO3 sont normal, le PaCO2 est invalid (alcalose pour ce pH)?"},
    {"The pH and HCO3 are normal, the PaCO2 is out of range (acidic for this pH)?",
     "Le pH et le HCO3 sont normal, le PaCO2 est invalid (acidic pour ce pH)?"},
    {"A normal PaCO2 and HCO3, the pH is acidic?", "Le PaCO2 et HCO3 sont normal, le pH est acidic?"},
    {"The pH is acidic, the PaCO2 and HCO3 are alkalotic?", "Le pH est acidic, le PaCO2 et le HCO3 sont alkalotic?"},
    {"The pH is acidic, the HCO3 is alkalotic and PaCO2 is in normal range?",
     "Le pH est acidic, le HCO3 est alkalotic et le PaCO2 est normal?"},
    {"The pH is acidic, the PaCO2 is alkalotic and HCO3 is in normal range?",
     "Le pH est acidic, le PaCO2 est alkalotic et le HCO3 est normal?"},
    {"A normal PaCO2 and HCO3 and the ph is alkalotic?", "Le PaCO2 et HCO3 sont normal et le pH est alkalotic?"},
    {"The pH is alkalotic, the PaCO2 and HCO3 are acidic?", "Le pH est alkalotic, le PaCO2 et le HCO3 sont acidic?"},
    {"The pH is alkalotic, the HCO3 is acidic and PaCO2 is in normal range?",
     "Le pH est alkalotic, le HCO3 est acidic et le PaCO2 est normal?"},
    {"The pH is alkalotic, the PaCO2 is acidic and HCO3 is in normal range?",
     "Le pH est alkalotic, le PaCO2 est acidic et le HCO3 est normal?"},
    {"Possible Oxygenation Error (PaO2 is >= 100 mmHg on room air)",
     "Erreur Possible D'Oxygénation, le PaO2 est >= 100 mmHg a 21%"},
    {"Possible Oxygenation Error (PaO2 is >= 13 kpa on room air)",
     "Erreur Possible D'Oxygénation, le PaO2 est >= 13 kpa a 21%"},
    {"Excessively Corrected Hypoxemia", "Hypoxemia Excessivement Corrigé"},
    {"without Hypoxemia", "sans Hypoxemia"},
    {"without Hypoxemia (corrected)", "sans Hypoxemia (Corrigé)"},
    {"Mild Hypoxemia", "Hypoxemia légère"},
    {"Mild Hypoxemia (uncorrected)", "Hypoxemia légère (Non Corrigé)"},
    {"Moderate Hypoxemia", "Hypoxemia Modéré"},
    {"Moderate Hypoxemia (uncorrected)", "Hypoxemia Modéré (Non Corrigé)"},
    {"Severe Hypoxemia", "Hypoxemia Sévère"},
    {"Severe Hypoxemia (uncorrected)", "Hypoxemia Sévère (Non Corrigé)"},
    {"One or more fields are Empty!", "Un ou plusieurs champs sont vides!"},
    {"pH is out of range!  Range : 1 to 14 -log[H]", "Le PH est invalid! Valeur: 1 - 14 -log[H]"},
    {"PaCO2 is out of range!  Range: 0 to 400 mmHg", "Le PaCO2 est invalid! Valeur: 0 to 400 mmHg"},
    {"PaCO2 is out of range!  Range: 0 to 53 kpa", "Le PaCO2 est invalid! Valeur: 0 to 53 kpa"},
    {"PaO2 is out range!  Range: 0 to 700 mmHg", "Le PaO2 est invalid! Valeur: 0 to 700 mmHg"},
    {"PaO2 is out range!  Range: 0 to 93 kpa", "Le PaO2 est invalid! Valeur: 0 to 93 kpa"},
    {"HCO3 is out of range!  Range: 0 to 200 mEq/L", "Le HCO3 est invalid! Valeur: 0 - 200 mEq/L"},
    {"AGE is out of range!  Range 0 to 135 Years", "L'Age est invalid! Valeur: 0 - 135 ans"},
};
static_assert(std::size(kCatalogue) == 51);

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
    for (const Entry &entry : kCatalogue)
        QTest::newRow(entry.english) << QString::fromUtf8(entry.english) << QString::fromUtf8(entry.french);
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

    QTest::newRow("English returns any message") << "Hello there" << "English" << "Hello there";
    QTest::newRow("English returns the empty message") << "" << "ENGLISH" << "";
    QTest::newRow("French of a non-key") << "Hello there" << "FRENCH" << "";
    QTest::newRow("German of a non-key") << "Hello there" << "GERMAN" << "";
    QTest::newRow("Spanish of the empty message") << "" << "SPANISH" << "";
    QTest::newRow("one blank after the exclamation mark")
        << "PaCO2 is out of range! Range: 0 to 53 kpa" << "FRENCH" << "";
    QTest::newRow("the O2 message is not a key") << "O2(%) is out of range!  Range: 21 to 100 %" << "FRENCH" << "";
    QTest::newRow("only a-z are upper-cased") << "without Hypoxemia" << "FRENCH\u00e9" << "";
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
