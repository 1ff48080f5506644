// The explanation of a blood gas, step by step and with its teaching notes,
// against the reviewed cases of tests/data/explanations.txt: every band edge,
// the over-80 table, each formula family, both units and both languages.

#include "Explanation.h"
#include "AcidBaseTable.h"
#include "PressureUnits.h"

#include <QFile>
#include <QTest>

using namespace halvex;

class TestExplanation : public QObject {
    Q_OBJECT

private slots:
    void asReviewed_data();
    void asReviewed();
    void theVerdictIsTheTables();
    void filledIn_data();
    void filledIn();
};

void TestExplanation::asReviewed_data()
{
    QTest::addColumn<QString>("gas");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("notes");

    QFile file(QStringLiteral(HALVEX_EXPLANATIONS));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QString gas;
    QStringList steps;
    QStringList notes;
    const auto addCase = [&] {
        if (!gas.isEmpty())
            QTest::newRow(qPrintable(gas)) << gas << steps << notes;
        steps.clear();
        notes.clear();
    };
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(u'#') || line.trimmed().isEmpty())
            continue;
        if (line.startsWith(QLatin1String("  S ")))
            steps << line.mid(4);
        else if (line.startsWith(QLatin1String("  N ")))
            notes << line.mid(4);
        else {
            addCase();
            gas = line;
        }
    }
    addCase();
}

void TestExplanation::asReviewed()
{
    QFETCH(QString, gas);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, notes);

    const QStringList f = gas.split(u',');
    QCOMPARE(f.size(), 8);
    const Presentation presentation{f[0] == "kPa" ? PressureUnit::Kpa : PressureUnit::MmHg,
                                    f[1] == "French" ? "FRENCH" : "ENGLISH"};
    const auto mmHg = [&](const QString &typed) {
        return ConvertPressure(presentation.unit, PressureUnit::MmHg, typed.toDouble());
    };
    const BloodGasSample sample{f[2].toDouble(), mmHg(f[3]), mmHg(f[4]), f[5].toDouble(), f[7].toDouble(),
                                f[6].toDouble()};
    const Explanation explanation = explainAssessment(sample, presentation);
    const auto qs = [](const std::vector<std::string> &lines) {
        QStringList list;
        for (const std::string &line : lines)
            list << QString::fromStdString(line);
        return list;
    };
    QCOMPARE(qs(explanation.steps), steps);
    QCOMPARE(qs(explanation.notes), notes);
    QVERIFY(steps.contains(QString::fromStdString(explanation.reason)));
}

void TestExplanation::theVerdictIsTheTables()
{
    // For every pH band and level combination, the verdict line names what the table decides.
    const Presentation english;
    for (const double pH : {7.30, 7.37, 7.40, 7.43, 7.50}) {
        for (const double paco2 : {30.0, 40.0, 50.0}) {
            for (const double hco3 : {18.0, 24.0, 30.0}) {
                const AcidBaseOutcome outcome = classifyAcidBase(pH, paco2, hco3);
                const Explanation explanation = explainAssessment({pH, paco2, 90, hco3, 40, 21}, english);
                QVERIFY2(explanation.reason.find(outcome.text) != std::string::npos, explanation.reason.c_str());
                QCOMPARE(explanation.expected.has_value() || outcome.kind != AcidBaseOutcomeKind::Category
                             || outcome.category == AbgCategory::Normal || outcome.category == AbgCategory::CRMA
                             || outcome.category == AbgCategory::CRMAK,
                         true);
            }
        }
    }
}

void TestExplanation::filledIn_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("filled");
    QTest::newRow("in order") << "%1 to %2" << "a to b";
    QTest::newRow("twice") << "%2, %2 and %1" << "b, b and a";
    QTest::newRow("percent sign kept") << "21 % of %1" << "21 % of a";
    QTest::newRow("beyond the arguments") << "%3%" << "%3%";
}

void TestExplanation::filledIn()
{
    QFETCH(QString, text);
    QFETCH(QString, filled);
    QCOMPARE(QString::fromStdString(halvex::filledIn(text.toStdString(), {"a", "b"})), filled);
}

QTEST_APPLESS_MAIN(TestExplanation)
#include "tst_explanation.moc"
