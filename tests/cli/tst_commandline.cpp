#include "cli/CommandLine.h"
#include "csv/CsvReader.h"

#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>

using namespace halvex;
using namespace halvex::cli;

namespace {

struct Run {
    int status = -1;
    QStringList lines; // standard output, one entry per CRLF-ended record
    QString errors;
};

Run run(const QStringList &arguments, const QByteArray &input = {})
{
    std::istringstream in(input.toStdString());
    std::ostringstream out;
    std::ostringstream err;
    Run result;
    result.status = runCommandLine(QStringList{"halvex-cli"} + arguments, in, out, err);
    result.lines = QString::fromStdString(out.str()).split("\r\n");
    if (result.lines.last().isEmpty())
        result.lines.removeLast();
    result.errors = QString::fromStdString(err.str());
    return result;
}

const QString kAssessHeader = "pH,PaCO2,PaO2,HCO3,FiO2,Age,outcome,category_code,acid_base,oxygenation,message";
const QString kExplainedHeader = ",reason,expected_low,expected_high,compensation,aa_gradient,aa_expected,pf_ratio,"
                                 "hh_ph,fits,acuity,aa_verdict,pf_band,anion_gap,corrected_gap,delta_ratio,"
                                 "corrected_hco3,gap_verdict,delta_verdict,sbe,sbe_band,sbe_expected";
const QString kGenerateHeader = "variant,category_code,category,pH,PaCO2,PaO2,HCO3,FiO2,Age";
// In kPa the pressure columns name their unit.
const QString kAssessKpaHeader =
    "pH,PaCO2_kPa,PaO2_kPa,HCO3,FiO2,Age,outcome,category_code,acid_base,oxygenation,message";
const QString kExplainedKpaHeader = ",reason,expected_low,expected_high,compensation,aa_gradient_kPa,aa_expected_kPa,"
                                    "pf_ratio_kPa,hh_ph,fits,acuity,aa_verdict,pf_band,anion_gap,corrected_gap,"
                                    "delta_ratio,corrected_hco3,gap_verdict,delta_verdict,sbe,sbe_band,sbe_expected";
const QString kGenerateKpaHeader = "variant,category_code,category,pH,PaCO2_kPa,PaO2_kPa,HCO3,FiO2,Age";

// The fields of one written record, as a CSV reader meets them.
QStringList fieldsOf(const QString &line)
{
    std::istringstream written(line.toStdString());
    CsvReader reader(written);
    CsvRecord record;
    QStringList fields;
    if (reader.next(record)) {
        for (const std::string &field : record.fields)
            fields << QString::fromStdString(field);
    }
    return fields;
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void assessRows_data();
    void assessRows();
    void assessKeepsEveryRowInOrder();
    void assessHeaderAndBlankLines();
    void assessInKpaAndFrench();
    void assessEmptyInput();
    void assessExplained_data();
    void assessExplained();
    void assessReadsNamedColumns();
    void assessWithAHeader_data();
    void assessWithAHeader();
    void headerUnitConflicts_data();
    void headerUnitConflicts();
    void generatedInKpaAssessedAsInMmHg_data();
    void generatedInKpaAssessedAsInMmHg();
    void assessExplainsTheAnionGap_data();
    void assessExplainsTheAnionGap();
    void generatedElectrolytesFitTheirCase();
    void explainReadsTheGap();
    void explainWritesABlockARow();
    void generateRealistic();
    void generateIsReproducibleWithASeed();
    void generateByCategoryAndVariant();
    void generateInKpa();
    void usageErrors_data();
    void usageErrors();
    void helpAndVersion();
    void processExitCodesAndFiles();
    void sheetAsPdf();
    void sheetWithReasons();
};

void TestCommandLine::assessRows_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("status");

    QTest::newRow("initial values") << QByteArray("7.40,40,90,24,21,40")
                                    << "7.40,40,90,24,21,40,category,0,Normal Acid/Base balance,without Hypoxemia,"
                                    << 0;
    QTest::newRow("empty O2 and age") << QByteArray("7.25,50,90,18,,")
                                      << "7.25,50,90,18,,,category,7,Combined Respiratory and Metabolic Acidosis,"
                                         "without Hypoxemia,"
                                      << 0;
    QTest::newRow("question") << QByteArray("7.30,40,90,24,21,40")
                              << "7.30,40,90,24,21,40,question,,,,\"A normal PaCO2 and HCO3, the pH is acidic?\"" << 0;
    QTest::newRow("full compensation")
        << QByteArray("7.40,30,90,18,21,40")
        << "7.40,30,90,18,21,40,full-compensation,,\"Fully Compensated Acid/Base, unknown compensation component\","
           "\"Refer to previous ABG to help determine, what is effecting the pH\","
        << 0;
    QTest::newRow("missing columns read as empty")
        << QByteArray("7.4,40,90") << "7.4,40,90,,,,invalid,,,,One or more fields are Empty!" << 1;
    QTest::newRow("a tenth column") << QByteArray("7.4,40,90,24,21,40,140,100,40,x")
                                    << "7.4,40,90,24,21,40,invalid,,,,\"expected 6 to 9 columns, found 10\"" << 1;
    QTest::newRow("electrolytes") << QByteArray("7.40,40,90,24,21,40,140,104,40")
                                  << "7.40,40,90,24,21,40,category,0,Normal Acid/Base balance,without Hypoxemia," << 0;
    QTest::newRow("Na not a number") << QByteArray("7.4,40,90,24,21,40,x")
                                     << "7.4,40,90,24,21,40,invalid,,,,Na is not a number: x" << 1;
    QTest::newRow("Cl out of range") << QByteArray("7.4,40,90,24,21,40,140,40")
                                     << "7.4,40,90,24,21,40,invalid,,,,Cl is out of range!  Range: 60 to 140 mEq/L"
                                     << 1;
    QTest::newRow("albumin in g/L by default")
        << QByteArray("7.4,40,90,24,21,40,,,4.0")
        << "7.4,40,90,24,21,40,invalid,,,,Albumin is out of range!  Range: 5 to 60 g/L" << 1;
    QTest::newRow("not a number") << QByteArray("7.4,forty,90,24,21,40")
                                  << "7.4,forty,90,24,21,40,invalid,,,,PaCO2 is not a number: forty" << 1;
    QTest::newRow("comma decimal") << QByteArray("\"7,4\",40,90,24,21,40")
                                   << "\"7,4\",40,90,24,21,40,invalid,,,,\"pH is not a number: 7,4\"" << 1;
    QTest::newRow("nan is not a number") << QByteArray("7.4,40,nan,24,21,40")
                                         << "7.4,40,nan,24,21,40,invalid,,,,PaO2 is not a number: nan" << 1;
    QTest::newRow("out of range") << QByteArray("7.4,0,90,24,21,40")
                                  << "7.4,0,90,24,21,40,invalid,,,,PaCO2 is out of range!  Range: 0 to 400 mmHg" << 1;
    QTest::newRow("O2 out of range") << QByteArray("7.4,40,90,24,20,40")
                                     << "7.4,40,90,24,20,40,invalid,,,,O2(%) is out of range!  Range: 21 to 100 %" << 1;
    QTest::newRow("blanks around numbers") << QByteArray(" 7.40 , 40,90 ,24,21,40")
                                           << " 7.40 , 40,90 ,24,21,40,category,0,Normal Acid/Base balance,"
                                              "without Hypoxemia,"
                                           << 0;
    QTest::newRow("a field too long to be a number")
        << "7.4," + QByteArray(5000, '4') + ",90,24,21,40"
        << "7.4," + QString(100, '4')
               + ",90,24,21,40,invalid,,,,a field is too long to be a number (more than 100 "
                 "characters); it is shown cut short"
        << 1;
    QTest::newRow("thousands of columns")
        << "7.4" + QByteArray(5000, ',') << "7.4,,,,,,invalid,,,,\"expected 6 to 9 columns, found 5001\"" << 1;
    QTest::newRow("bytes that are not UTF-8") << QByteArray("7.4,4\xff,90,24,21,40")
                                              << QString::fromUtf8("7.4,4\uFFFD,90,24,21,40,invalid,,,,PaCO2 is not a "
                                                                   "number: 4\uFFFD")
                                              << 1;
    QTest::newRow("unterminated quote") << QByteArray("7.4,40,\"90,24,21,40")
                                        << "7.4,40,\"90,24,21,40\n\",,,,invalid,,,,unterminated quoted field" << 1;
}

void TestCommandLine::assessRows()
{
    QFETCH(QByteArray, row);
    QFETCH(QString, output);
    QFETCH(int, status);

    const Run result = run({"assess"}, row + "\n");
    QCOMPARE(result.lines, (QStringList{kAssessHeader, output}));
    QCOMPARE(result.status, status);
    QVERIFY(result.errors.isEmpty());
}

void TestCommandLine::assessKeepsEveryRowInOrder()
{
    const Run result = run({"assess"}, "7.40,40,90,24,21,40\nbad\n7.30,40,90,24,21,40\n7.4,40,90,24,21,40,1,2\n"
                                       "7.50,30,90,24,21,40\n");
    QCOMPARE(result.lines.size(), 6);
    QCOMPARE(result.lines[1].section(',', 6, 6), QString("category"));
    QCOMPARE(result.lines[2], QString("bad,,,,,,invalid,,,,pH is not a number: bad"));
    QCOMPARE(result.lines[3].section(',', 6, 6), QString("question"));
    QCOMPARE(result.lines[4].section(',', 6, 6), QString("invalid"));
    QCOMPARE(result.lines[5].section(',', 6, 7), QString("category,8"));
    QCOMPARE(result.status, 1);
}

void TestCommandLine::assessHeaderAndBlankLines()
{
    const Run result = run({"assess"}, "\xEF\xBB\xBF\"pH\", paco2 ,PaO2,HCO3,FiO2,AGE\r\n\r\n7.40,40,90,24,21,40\r\n"
                                       "   \r\npH,PaCO2,PaO2,HCO3,FiO2,Age\r\n");
    QCOMPARE(result.lines.size(), 3);
    QVERIFY(result.lines[1].startsWith("7.40,40,90,24,21,40,category"));
    // Only the first row can be the header; a later one is a row like any other.
    QCOMPARE(result.lines[2], QString("pH,PaCO2,PaO2,HCO3,FiO2,Age,invalid,,,,pH is not a number: pH"));
}

void TestCommandLine::assessInKpaAndFrench()
{
    const Run result = run({"assess", "--units", "kPa", "--language", "french"},
                           "7.40,5.3,12,24,,\n7.4,5.3,13.4,24,21,40\n7.4,0,12,24,,\n7.4,5.3,12,24,20,\n");
    QCOMPARE(result.lines.size(), 5);
    QCOMPARE(result.lines[1], QString("7.40,5.3,12,24,,,category,0,Base/Acide normal,sans Hypoxemia,"));
    QCOMPARE(result.lines[2], QString("7.4,5.3,13.4,24,21,40,category,0,Base/Acide normal,"
                                      "\"Erreur Possible D'Oxygénation, le PaO2 est >= 13 kpa a 21%\","));
    QCOMPARE(result.lines[3], QString("7.4,0,12,24,,,invalid,,,,Le PaCO2 est invalid! Valeur: 0 to 53 kpa"));
    // The O2 % message is shown in English in every language.
    QCOMPARE(result.lines[4], QString("7.4,5.3,12,24,20,,invalid,,,,O2(%) is out of range!  Range: 21 to 100 %"));
}

void TestCommandLine::assessEmptyInput()
{
    const Run result = run({"assess"}, "");
    QCOMPARE(result.lines, QStringList{kAssessHeader});
    QCOMPARE(result.status, 0);
}

void TestCommandLine::assessExplained_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QStringList>("explained"); // reason's start, the eleven figures, then the base excess's three
    QTest::addColumn<QString>("header");

    QTest::newRow("Winter within, mmHg") << QStringList{} << QByteArray("7.30,30,90,15,21,40")
                                         << QStringList{"Verdict: Partly Compensated Metabolic Acidosis.",
                                                        "28.5",
                                                        "32.5",
                                                        "within",
                                                        "22.2",
                                                        "14.0",
                                                        "429",
                                                        "7.32",
                                                        "yes",
                                                        "",
                                                        "raised",
                                                        "none",
                                                        "-10.1",
                                                        "low",
                                                        "29.9"}
                                         << kAssessHeader + kExplainedHeader;
    QTest::newRow("metabolic alkalosis above, on oxygen: no age rule")
        << QStringList{} << QByteArray("7.48,48,60,32,40,85")
        << QStringList{"Verdict: Partly Compensated Metabolic Alkalosis.",
                       "37.4",
                       "47.4",
                       "above",
                       "165.2",
                       "",
                       "150",
                       "7.45",
                       "yes",
                       "",
                       "",
                       "moderate",
                       "8.2",
                       "high",
                       "44.9"}
        << kAssessHeader + kExplainedHeader;
    QTest::newRow("acute respiratory acidosis, HCO3 normal")
        << QStringList{} << QByteArray("7.34,52,75,24,21,40")
        << QStringList{"Verdict: Uncompensated Respiratory Acidosis.",
                       "23.2",
                       "30.2",
                       "within",
                       "9.7",
                       "14.0",
                       "357",
                       "7.29",
                       "yes",
                       "acute",
                       "within",
                       "none",
                       "-1.2",
                       "normal",
                       "4.8"}
        << kAssessHeader + kExplainedHeader;
    QTest::newRow("normal: no range") << QStringList{} << QByteArray("7.40,40,90,24,21,40")
                                      << QStringList{"Verdict: Normal Acid/Base balance.",
                                                     "",
                                                     "",
                                                     "",
                                                     "9.7",
                                                     "14.0",
                                                     "429",
                                                     "7.40",
                                                     "yes",
                                                     "",
                                                     "within",
                                                     "none",
                                                     "-0.4",
                                                     "normal",
                                                     ""}
                                      << kAssessHeader + kExplainedHeader;
    QTest::newRow("no age, PaO2 above the PAO2") << QStringList{} << QByteArray("7.40,40,105,24,21,")
                                                 << QStringList{"Verdict: Normal Acid/Base balance.",
                                                                "",
                                                                "",
                                                                "",
                                                                "-5.3",
                                                                "",
                                                                "500",
                                                                "7.40",
                                                                "yes",
                                                                "",
                                                                "impossible",
                                                                "none",
                                                                "-0.4",
                                                                "normal",
                                                                ""}
                                                 << kAssessHeader + kExplainedHeader;
    QTest::newRow("values that do not fit") << QStringList{} << QByteArray("7.30,60,80,24,21,40")
                                            << QStringList{"Verdict: Uncompensated Respiratory Acidosis.",
                                                           "24.0",
                                                           "33.0",
                                                           "within",
                                                           "-5.3",
                                                           "14.0",
                                                           "381",
                                                           "7.22",
                                                           "no",
                                                           "acute",
                                                           "impossible",
                                                           "none",
                                                           "-1.7",
                                                           "normal",
                                                           "8.0"}
                                            << kAssessHeader + kExplainedHeader;
    // The same row in kPa, as --units says or as its header names it.
    const QStringList inKpaAndFrench{QString::fromUtf8("Verdict : Acidose Métabolique En Partie Compensée."),
                                     "3.8",
                                     "4.3",
                                     "within",
                                     "3.0",
                                     "1.9",
                                     "57",
                                     "7.32",
                                     "yes",
                                     "",
                                     "raised",
                                     "none",
                                     "-10.1",
                                     "low",
                                     "4.0"};
    QTest::newRow("kPa, French") << QStringList{"--units", "kPa", "--language", "French"}
                                 << QByteArray("7.30,4.0,12.0,15,21,40") << inKpaAndFrench
                                 << kAssessKpaHeader + kExplainedKpaHeader;
    QTest::newRow("a header in kPa, French")
        << QStringList{"--language", "French"}
        << QByteArray("pH,PaCO2_kPa,PaO2_kPa,HCO3,FiO2,Age\n7.30,4.0,12.0,15,21,40") << inKpaAndFrench
        << kAssessKpaHeader + kExplainedKpaHeader;
    QTest::newRow("question: the reason only")
        << QStringList{} << QByteArray("7.30,40,90,24,21,40")
        << (QStringList{"Verdict: the values contradict each other."} + QStringList(14, QString()))
        << kAssessHeader + kExplainedHeader;
    QTest::newRow("question that fits: no contradiction")
        << QStringList{} << QByteArray("7.38,39,90,20,21,40")
        << (QStringList{"Verdict: the table has no category for this pattern."} + QStringList(14, QString()))
        << kAssessHeader + kExplainedHeader;
    QTest::newRow("invalid: nothing") << QStringList{} << QByteArray("7.4,0,90,24,21,40") << QStringList(15, QString())
                                      << kAssessHeader + kExplainedHeader;
}

void TestCommandLine::assessExplained()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, row);
    QFETCH(QStringList, explained);
    QFETCH(QString, header);

    const Run result = run(QStringList{"assess", "--explain"} + options, row + "\n");
    QCOMPARE(result.lines.size(), 2);
    QCOMPARE(result.lines[0], header);
    std::istringstream written(result.lines[1].toStdString());
    CsvReader reader(written);
    CsvRecord record;
    QVERIFY(reader.next(record));
    QCOMPARE(record.fields.size(), std::size_t(32));
    QVERIFY2(QString::fromStdString(record.fields[11]).startsWith(explained[0]), record.fields[11].c_str());
    QStringList figures;
    for (std::size_t i = 12; i < 32; ++i)
        figures << QString::fromStdString(record.fields[i]);
    // Without electrolytes the anion gap's six columns are empty.
    QCOMPARE(figures, explained.mid(1, 11) + QStringList(6, QString()) + explained.mid(12));
}

void TestCommandLine::assessReadsNamedColumns()
{
    // generate's rows, as they stand: the named columns are read, the others left aside.
    const Run generated = run({"generate", "--count", "40", "--seed", "12"});
    const Run assessed = run({"assess"}, generated.lines.join("\n").toUtf8() + "\n");
    QCOMPARE(assessed.status, 0);
    QCOMPARE(assessed.lines.size(), 41);
    for (int i = 1; i <= 40; ++i) {
        const QStringList source = generated.lines[i].split(',');
        const QStringList row = assessed.lines[i].split(',');
        QCOMPARE(row.mid(0, 6), source.mid(3, 6)); // pH, PaCO2, PaO2, HCO3, FiO2, Age
        QCOMPARE(row[6], QString("category"));
        QCOMPARE(row[7], source[1]);
    }

    // Any order and letter case, FiO2 and Age left out.
    const Run reordered = run({"assess"}, "Note,HCO3,ph,PaO2,paco2\nx,24,7.40,90,40\n");
    QCOMPARE(reordered.lines.value(1),
             QString("7.40,40,90,24,,,category,0,Normal Acid/Base balance,without Hypoxemia,"));
    // A first row that names only some of the four values is no header.
    const Run partial = run({"assess"}, "pH,PaCO2,PaO2\n");
    QCOMPARE(partial.lines.value(1).section(',', 6, 6), QString("invalid"));
    QCOMPARE(partial.status, 1);
    // Without a header, a seventh column is Na, and a tenth makes the row invalid.
    const Run seven = run({"assess"}, "7.40,40,90,24,21,40,1\n");
    QCOMPARE(seven.lines.value(1),
             QString("7.40,40,90,24,21,40,invalid,,,,Na is out of range!  Range: 100 to 180 mEq/L"));
    const Run ten = run({"assess"}, "7.40,40,90,24,21,40,140,100,40,1\n");
    QCOMPARE(ten.lines.value(1), QString("7.40,40,90,24,21,40,invalid,,,,\"expected 6 to 9 columns, found 10\""));
    // The electrolytes by their names too, among other columns.
    const Run named =
        run({"assess", "--explain"}, "albumin,Note,CL,pH,PaCO2,PaO2,HCO3,na\n20,x,106,7.40,40,90,24,140\n");
    QCOMPARE(named.lines.value(1).section(',', -9, -4), QString("10.0,15.0,,,normal,"));
}

void TestCommandLine::assessWithAHeader_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("output");
    QTest::addColumn<int>("status");

    const QString normal = ",category,0,Normal Acid/Base balance,without Hypoxemia,";
    QTest::newRow("PaCO2_mmHg and PaO2_mmHg")
        << QStringList{} << QByteArray("pH,PaCO2_mmHg,PaO2_mmHg,HCO3,FiO2,Age\n7.40,40,90,24,21,40\n")
        << QStringList{kAssessHeader, "7.40,40,90,24,21,40" + normal} << 0;
    QTest::newRow("mmHg named and given")
        << QStringList{"--units", "mmHg"} << QByteArray("pH,PaCO2_mmHg,PaO2_mmHg,HCO3,FiO2,Age\n7.40,40,90,24,21,40\n")
        << QStringList{kAssessHeader, "7.40,40,90,24,21,40" + normal} << 0;
    QTest::newRow("a bare name beside an mmHg one")
        << QStringList{} << QByteArray("pH,PaCO2,PaO2_mmHg,HCO3\n7.40,40,90,24\n")
        << QStringList{kAssessHeader, "7.40,40,90,24,," + normal} << 0;
    QTest::newRow("kPa named: read and written in kPa")
        << QStringList{} << QByteArray("pH,PaCO2_kPa,PaO2_kPa,HCO3,FiO2,Age\n7.40,5.3,12,24,21,40\n")
        << QStringList{kAssessKpaHeader, "7.40,5.3,12,24,21,40" + normal} << 0;
    QTest::newRow("kPa named in any letter case, worded in kPa")
        << QStringList{} << QByteArray("PH,paco2_KPA,Pao2_Kpa,hco3,fio2,age\n7.4,5.3,13.4,24,21,40\n")
        << QStringList{kAssessKpaHeader, "7.4,5.3,13.4,24,21,40,category,0,Normal Acid/Base balance,Possible "
                                         "Oxygenation Error (PaO2 is >= 13 kpa on room air),"}
        << 0;
    QTest::newRow("kPa named and given") << QStringList{"--units", "KPA"}
                                         << QByteArray("pH,PaCO2_kPa,PaO2_kPa,HCO3,FiO2,Age\n7.40,5.3,12,24,21,40\n")
                                         << QStringList{kAssessKpaHeader, "7.40,5.3,12,24,21,40" + normal} << 0;
    QTest::newRow("a bare name beside a kPa one, kPa given")
        << QStringList{"--units", "kPa"} << QByteArray("pH,PaCO2,PaO2_kPa,HCO3\n7.40,5.3,12,24\n")
        << QStringList{kAssessKpaHeader, "7.40,5.3,12,24,," + normal} << 0;
    QTest::newRow("bare names in the unit given")
        << QStringList{"--units", "kPa"} << QByteArray("pH,PaCO2,PaO2,HCO3,FiO2,Age\n7.40,5.3,12,24,21,40\n")
        << QStringList{kAssessKpaHeader, "7.40,5.3,12,24,21,40" + normal} << 0;
    QTest::newRow("kPa named, limits in kPa")
        << QStringList{} << QByteArray("pH,PaCO2_kPa,PaO2_kPa,HCO3,FiO2,Age\n7.4,0,12,24,21,40\n")
        << QStringList{kAssessKpaHeader, "7.4,0,12,24,21,40,invalid,,,,PaCO2 is out of range!  Range: 0 to 53 kpa"}
        << 1;
    QTest::newRow("kPa named after blank lines, in French")
        << QStringList{"--language", "French"}
        << QByteArray("\r\n  \r\npH,PaCO2_kPa,PaO2_kPa,HCO3,FiO2,Age\r\n7.40,5.3,12,24,21,40\r\n")
        << QStringList{kAssessKpaHeader, "7.40,5.3,12,24,21,40,category,0,Base/Acide normal,sans Hypoxemia,"} << 0;
    QTest::newRow("a field more than the header names")
        << QStringList{} << QByteArray("pH,PaCO2,PaO2,HCO3,FiO2,Age\n7.40,40,90,24,21,40,140\n7.40,40,90,24,21,40\n")
        << QStringList{kAssessHeader, "7.40,40,90,24,21,40,invalid,,,,\"expected 6 columns, found 7\"",
                       "7.40,40,90,24,21,40" + normal}
        << 1;
    QTest::newRow("a trailing comma is a field")
        << QStringList{} << QByteArray("pH,PaCO2,PaO2,HCO3\n7.40,40,90,24,\n")
        << QStringList{kAssessHeader, "7.40,40,90,24,,,invalid,,,,\"expected 4 columns, found 5\""} << 1;
    QTest::newRow("columns left aside count")
        << QStringList{} << QByteArray("Note,pH,PaCO2,PaO2,HCO3\nx,7.40,40,90,24\nx,7.40,40,90,24,y\n")
        << QStringList{kAssessHeader, "7.40,40,90,24,," + normal,
                       "7.40,40,90,24,,,invalid,,,,\"expected 5 columns, found 6\""}
        << 1;
    QTest::newRow("thousands of fields under a header")
        << QStringList{} << "pH,PaCO2,PaO2,HCO3\n7.40,40,90,24" + QByteArray(5000, ',') + "\n"
        << QStringList{kAssessHeader, "7.40,40,90,24,,,invalid,,,,\"expected 4 columns, found 5004\""} << 1;
    QTest::newRow("fewer fields than the header: the rest empty")
        << QStringList{} << QByteArray("pH,PaCO2,PaO2,HCO3,FiO2,Age\n7.40,40,90,24\n")
        << QStringList{kAssessHeader, "7.40,40,90,24,," + normal} << 0;
}

void TestCommandLine::assessWithAHeader()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, input);
    QFETCH(QStringList, output);
    QFETCH(int, status);

    const Run result = run(QStringList{"assess"} + options, input);
    QCOMPARE(result.lines, output);
    QCOMPARE(result.status, status);
    QVERIFY(result.errors.isEmpty());
}

void TestCommandLine::headerUnitConflicts_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("message");

    QTest::newRow("kPa named, mmHg given")
        << QStringList{"assess", "--units", "mmHg"} << QByteArray("pH,PaCO2_kPa,PaO2_kPa,HCO3\n7.40,5.3,12,24\n")
        << "the header names kPa (PaCO2_kPa) but --units is mmHg";
    QTest::newRow("mmHg named, kPa given")
        << QStringList{"assess", "--units", "kPa"} << QByteArray("pH,PaCO2_mmHg,PaO2_mmHg,HCO3\n7.40,40,90,24\n")
        << "the header names mmHg (PaCO2_mmHg) but --units is kPa";
    QTest::newRow("in any letter case, after blank lines")
        << QStringList{"assess", "--units", "MMHG"} << QByteArray("\n\nph,paco2_kpa,pao2_kpa,hco3\n7.40,5.3,12,24\n")
        << "the header names kPa (paco2_kpa) but --units is mmHg";
    QTest::newRow("kPa beside mmHg") << QStringList{"assess"}
                                     << QByteArray("pH,PaCO2_kPa,PaO2_mmHg,HCO3\n7.40,5.3,90,24\n")
                                     << "the header names kPa (PaCO2_kPa) but mmHg (PaO2_mmHg)";
    QTest::newRow("mmHg beside kPa, kPa given")
        << QStringList{"assess", "--units", "kPa"} << QByteArray("PaO2_kPa,HCO3,pH,PaCO2_mmHg\n12,24,7.40,40\n")
        << "the header names mmHg (PaCO2_mmHg) but kPa (PaO2_kPa)";
    QTest::newRow("a bare name beside kPa")
        << QStringList{"assess"} << QByteArray("pH,PaCO2,PaO2_kPa,HCO3\n7.40,40,12,24\n")
        << "the header names kPa (PaO2_kPa) but mmHg for PaCO2, which names no unit";
    QTest::newRow("a bare name beside kPa, mmHg given")
        << QStringList{"assess", "--units", "mmHg"} << QByteArray("pH,PaCO2,PaO2_kPa,HCO3\n7.40,40,12,24\n")
        << "the header names kPa (PaO2_kPa) but --units is mmHg";
    QTest::newRow("a bare name beside mmHg, kPa given")
        << QStringList{"assess", "--units", "kPa"} << QByteArray("pH,PaCO2_mmHg,PaO2,HCO3\n7.40,40,12,24\n")
        << "the header names mmHg (PaCO2_mmHg) but --units is kPa";
    QTest::newRow("explain, kPa named, mmHg given")
        << QStringList{"explain", "--units", "mmHg"} << QByteArray("pH,PaCO2_kPa,PaO2_kPa,HCO3\n7.40,5.3,12,24\n")
        << "the header names kPa (PaCO2_kPa) but --units is mmHg";
    QTest::newRow("explained assess, a header alone")
        << QStringList{"assess", "--explain", "--units", "mmHg"} << QByteArray("pH,PaCO2_kPa,PaO2_kPa,HCO3\n")
        << "the header names kPa (PaCO2_kPa) but --units is mmHg";
}

// A header whose units disagree is refused before anything is written: no
// row could be read in a unit that is sure.
void TestCommandLine::headerUnitConflicts()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QString, message);

    const Run result = run(arguments, input);
    QCOMPARE(result.status, int(ExitFailure));
    QCOMPARE(result.lines, QStringList{});
    QCOMPARE(result.errors, "halvex-cli: " + message + "\n");
}

void TestCommandLine::generatedInKpaAssessedAsInMmHg_data()
{
    QTest::addColumn<QStringList>("generateOptions");
    QTest::addColumn<QStringList>("assessOptions");
    QTest::addColumn<QString>("header");

    QTest::newRow("drawn as teacher mode draws") << QStringList{} << QStringList{} << kAssessKpaHeader;
    QTest::newRow("realistic, explained")
        << QStringList{"--realistic"} << QStringList{"--explain"} << kAssessKpaHeader + kExplainedKpaHeader;
    QTest::newRow("with electrolytes, in French")
        << QStringList{"--electrolytes"} << QStringList{"--language", "French"} << kAssessKpaHeader;
}

// generate's kPa names its unit and assess reads it: the same categories as
// the mmHg rows of the same seeds, and each oxygenation grade is the one of
// the PaO2 the kPa file shows. That is the mmHg run's grade, unless the figure
// of one decimal reads back across a grade's limit (80 mmHg is 10.6 kPa, 79.5 mmHg).
void TestCommandLine::generatedInKpaAssessedAsInMmHg()
{
    QFETCH(QStringList, generateOptions);
    QFETCH(QStringList, assessOptions);
    QFETCH(QString, header);

    constexpr int kRows = 400;
    const QStringList generate =
        QStringList{"generate", "--count", QString::number(kRows), "--seed", "31"} + generateOptions;
    const Run mmHg = run(generate);
    const Run kPa = run(generate + QStringList{"--units", "kPa"});
    QCOMPARE(kPa.lines.value(0).section(',', 0, 8), kGenerateKpaHeader);
    const QStringList assess = QStringList{"assess"} + assessOptions;
    const Run assessedMmHg = run(assess, mmHg.lines.join("\n").toUtf8());
    const Run assessedKpa = run(assess, kPa.lines.join("\n").toUtf8());
    QCOMPARE(assessedKpa.status, 0);
    QCOMPARE(assessedKpa.lines.value(0), header);
    QCOMPARE(assessedKpa.lines.size(), kRows + 1);
    QCOMPARE(assessedMmHg.lines.size(), kRows + 1);

    // The pressures the kPa rows show, in mmHg, under names of that unit.
    const auto inMmHg = [](const QString &kpa) { return QString::number(kpa.toDouble() * 7.5, 'f', 2); };
    QStringList shown{"pH,PaCO2_mmHg,PaO2_mmHg,HCO3,FiO2,Age"};
    for (const QString &line : kPa.lines.mid(1)) {
        const QStringList f = line.split(',');
        shown << QStringList{f[3], inMmHg(f[4]), inMmHg(f[5]), f[6], f[7], f[8]}.join(',');
    }
    const Run assessedShown = run(assess, shown.join("\n").toUtf8());
    QCOMPARE(assessedShown.lines.value(0).section(',', 0, 5), kAssessHeader.section(',', 0, 5));

    int otherGrades = 0;
    for (int i = 1; i <= kRows; ++i) {
        const QStringList drawn = mmHg.lines[i].split(',');
        const QStringList k = fieldsOf(assessedKpa.lines[i]);
        const QStringList m = fieldsOf(assessedMmHg.lines[i]);
        const QStringList s = fieldsOf(assessedShown.lines[i]);
        QCOMPARE(k.mid(0, 6), kPa.lines[i].split(',').mid(3, 6));
        QCOMPARE(k.mid(6, 3), m.mid(6, 3)); // outcome, category_code, acid_base
        QCOMPARE(k[7], drawn[1]);
        QCOMPARE(k.mid(6, 4), s.mid(6, 4)); // and the oxygenation
        if (k[9] != m[9]) {
            ++otherGrades;
            QVERIFY2(s[2].toDouble() != drawn[5].toDouble(), qPrintable(mmHg.lines[i] + " / " + kPa.lines[i]));
        }
    }
    QVERIFY2(otherGrades < kRows / 20, qPrintable(QString::number(otherGrades)));
}

void TestCommandLine::assessExplainsTheAnionGap_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("gapColumns"); // anion_gap to delta_verdict, before the base excess's three

    // The textbook cases of the engine's table, through the command line.
    QTest::newRow("ketoacidosis") << QStringList{} << QByteArray("7.20,25,90,10,21,40,135,100")
                                  << "25.0,,0.93,23.0,high,high-gap";
    QTest::newRow("diarrhoea") << QStringList{} << QByteArray("7.30,30,90,15,21,40,140,115") << "10.0,,,,normal,";
    QTest::newRow("vomiting and ketoacidosis")
        << QStringList{} << QByteArray("7.38,35,90,20,21,40,140,90") << "30.0,,4.50,38.0,high,high-gap-and-alkalosis";
    QTest::newRow("albumin 20 g/L") << QStringList{} << QByteArray("7.30,30,90,15,21,40,140,115,20")
                                    << "10.0,15.0,,,normal,";
    QTest::newRow("albumin 2.0 g/dL") << QStringList{"--albumin-unit", "G/DL"}
                                      << QByteArray("7.30,30,90,15,21,40,140,115,2.0") << "10.0,15.0,,,normal,";
    QTest::newRow("a mixed acidosis") << QStringList{} << QByteArray("7.20,25,90,4,21,40,140,116")
                                      << "20.0,,0.40,12.0,high,mixed";
    QTest::newRow("Na without Cl: no gap") << QStringList{} << QByteArray("7.30,30,90,15,21,40,140") << ",,,,,";
    QTest::newRow("a question has a gap too")
        << QStringList{} << QByteArray("7.30,40,90,24,21,40,140,100") << "16.0,,,,normal,";
}

void TestCommandLine::assessExplainsTheAnionGap()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, row);
    QFETCH(QString, gapColumns);

    const Run result = run(QStringList{"assess", "--explain"} + options, row + "\n");
    QCOMPARE(result.status, 0);
    QCOMPARE(result.lines.value(1).section(',', -9, -4), gapColumns);
    // Without --explain, what the row without its electrolytes gives.
    const QByteArray bloodGas = row.split(',').mid(0, 6).join(',');
    QCOMPARE(run(QStringList{"assess"} + options, row + "\n").lines,
             run(QStringList{"assess"} + options, bloodGas + "\n").lines);
}

// Generated electrolytes are within their ranges and give the gap their case
// calls for: a normal one (from 8 to 16 once corrected) unless the case has a
// metabolic acidosis, which draws every reading of the gap; and the blood gases
// are the ones drawn without them.
void TestCommandLine::generatedElectrolytesFitTheirCase()
{
    const QStringList arguments{"generate", "--count", "3000", "--seed", "17"};
    const Run with = run(arguments + QStringList{"--electrolytes"});
    const Run without = run(arguments);
    QCOMPARE(with.lines.value(0), without.lines.value(0) + ",Na,Cl,Albumin");
    const Run assessed = run({"assess", "--explain"}, with.lines.join("\n").toUtf8() + "\n");
    QCOMPARE(assessed.status, 0);
    QCOMPARE(assessed.lines.size(), with.lines.size());
    // The readings drawn for the metabolic acidoses: a normal gap, or a raised one in each band of the delta ratio.
    QMap<QString, int> acidoses;
    constexpr std::size_t kCorrectedGap = 24;
    constexpr std::size_t kGapVerdict = 27;
    constexpr std::size_t kDeltaVerdict = 28;
    for (int i = 1; i < with.lines.size(); ++i) {
        const QStringList drawn = with.lines[i].split(',');
        QCOMPARE(drawn.mid(0, 9), without.lines[i].split(',').mid(0, 9));
        QVERIFY(drawn[9].toInt() >= 100 && drawn[9].toInt() <= 180);
        QVERIFY(drawn[10].toInt() >= 60 && drawn[10].toInt() <= 140);
        QVERIFY(drawn[11].toInt() >= 5 && drawn[11].toInt() <= 60);
        std::istringstream written(assessed.lines[i].toStdString());
        CsvReader reader(written);
        CsvRecord record;
        QVERIFY(reader.next(record));
        const QString gapVerdict = QString::fromStdString(record.fields[kGapVerdict]);
        const double corrected = QString::fromStdString(record.fields[kCorrectedGap]).toDouble();
        const int code = drawn[1].toInt();
        const bool metabolicAcidosis = code >= 4 && code <= 7;
        // A gap drawn normal is normal once corrected for the albumin: from 8 to 16.
        if (gapVerdict == "normal")
            QVERIFY2(corrected >= 8 && corrected <= 16, qPrintable(assessed.lines[i]));
        if (!metabolicAcidosis)
            QVERIFY2(gapVerdict == "normal", qPrintable(with.lines[i]));
        else
            ++acidoses[gapVerdict == "high" ? QString::fromStdString(record.fields[kDeltaVerdict]) : gapVerdict];
    }
    QCOMPARE(acidoses.keys(), (QStringList{"high-gap", "high-gap-and-alkalosis", "mixed", "normal"}));
    for (const int count : acidoses)
        QVERIFY2(count > 50, qPrintable(QString::number(count)));
}

// explain words the gap: low below 8, normal to 16, raised above, with the
// delta ratio read only beside a metabolic acidosis.
void TestCommandLine::explainReadsTheGap()
{
    const Run result = run({"explain"}, "7.40,40,90,24,21,40,140,110\n7.20,25,90,10,21,40,135,100\n"
                                        "7.44,30,90,20,21,40,145,105\n");
    QCOMPARE(result.status, 0);
    const QStringList blocks = result.lines.join("\n").split("\n\n");
    QCOMPARE(blocks.size(), 3);
    QVERIFY2(blocks[0].contains("= 140 − (110 + 24) = 6 mEq/L.") && blocks[0].contains("is below 8: low"),
             qPrintable(blocks[0]));
    QVERIFY2(blocks[1].contains("(25 − 12) / (24 − 10) = 0.93: from 0.8 to 2"), qPrintable(blocks[1]));
    // A compensated respiratory alkalosis with a raised gap: a second disorder, the ratio not read.
    QVERIFY2(blocks[2].contains("is above 16: raised") && blocks[2].contains("so it is not read")
                 && blocks[2].contains("a second disorder to look for") && !blocks[2].contains("normal-gap"),
             qPrintable(blocks[2]));
}

void TestCommandLine::explainWritesABlockARow()
{
    const Run result = run({"explain"}, "pH,PaCO2,PaO2,HCO3,FiO2,Age\n7.34,52,75,24,21,40\n7.4,0,90,24,21,40\n"
                                        "7.30,40,90,24,21,40\n");
    QCOMPARE(result.status, 1);
    const QStringList blocks = result.lines.join("\r\n").split("\n\n");
    QCOMPARE(blocks.size(), 3);
    for (const QString &block : blocks) {
        QVERIFY(!block.contains("\n\n"));
        QVERIFY(!block.startsWith('\n'));
    }
    const QStringList first = blocks[0].split('\n');
    QCOMPARE(first[0], QString("1: 7.34,52,75,24,21,40"));
    QCOMPARE(first[1], QString("Step by step"));
    QVERIFY(first[2].startsWith("1. pH 7.34 is below 7.35"));
    QVERIFY(first.contains("Teaching notes"));
    QVERIFY(first.last().startsWith("- PaO2/FiO2 = 75 / 0.21 = 357 mmHg"));
    QCOMPARE(blocks[1], QString("2: 7.4,0,90,24,21,40\nPaCO2 is out of range!  Range: 0 to 400 mmHg"));
    QVERIFY(blocks[2].contains("Verdict: the values contradict each other."));

    const Run french = run({"explain", "--language", "French", "--units", "kPa"}, "7.30,4.0,12.0,15,21,40\n");
    QCOMPARE(french.status, 0);
    const QString text = french.lines.join("\r\n");
    QVERIFY(text.contains(QString::fromUtf8("\nPas à pas\n")));
    QVERIFY(text.contains(QString::fromUtf8("\nNotes d'enseignement\n")));
    QVERIFY(text.contains(QString::fromUtf8("La PaCO2 de 4,0 kpa (× 7,5 = 30 mmHg)")));

    // A header in kPa is explained in kPa, as --units kPa explains a row without one.
    const Run named =
        run({"explain", "--language", "French"}, "pH,PaCO2_kPa,PaO2_kPa,HCO3,FiO2,Age\n7.30,4.0,12.0,15,21,40\n");
    QCOMPARE(named.status, 0);
    QCOMPARE(named.lines, french.lines);
}

void TestCommandLine::generateRealistic()
{
    const Run first = run({"generate", "--realistic", "--count", "600", "--seed", "77"});
    const Run second = run({"generate", "--count", "600", "--seed", "77", "--realistic"});
    QCOMPARE(first.status, 0);
    QCOMPARE(first.lines, second.lines);

    // Every row fits together and has a possible gradient; every category keeps its place.
    const Run assessed = run({"assess", "--explain"}, first.lines.join("\n").toUtf8() + "\n");
    QCOMPARE(assessed.status, 0);
    QSet<QString> categories;
    for (int i = 1; i < first.lines.size(); ++i) {
        const QStringList generated = first.lines[i].split(',');
        QVERIFY2(!QStringList({"5", "10", "14", "25", "29"}).contains(generated[0]), qPrintable(first.lines[i]));
        categories << generated[1];
        std::istringstream written(assessed.lines[i].toStdString());
        CsvReader reader(written);
        CsvRecord record;
        QVERIFY(reader.next(record));
        QCOMPARE(QString::fromStdString(record.fields[7]), generated[1]);
        QCOMPARE(QString::fromStdString(record.fields[19]), QString("yes"));
        QVERIFY(record.fields[21] != "impossible");
    }
    QCOMPARE(categories.size(), 15);
}

void TestCommandLine::generateIsReproducibleWithASeed()
{
    const Run first = run({"generate", "--count", "50", "--seed", "4294967290"});
    const Run second = run({"generate", "--seed=4294967290", "--count=50"});
    QCOMPARE(first.status, 0);
    QCOMPARE(first.lines.size(), 51);
    QCOMPARE(first.lines.first(), kGenerateHeader);
    QCOMPARE(first.lines, second.lines);

    const Run other = run({"generate", "--count", "50", "--seed", "4294967291"});
    QVERIFY(other.lines != first.lines);
    for (const QString &line : first.lines.mid(1)) {
        const QStringList fields = line.split(',');
        QCOMPARE(fields.size(), 9);
        const int variant = fields[0].toInt();
        QVERIFY(variant >= 1 && variant <= 28);
        QCOMPARE(fields[1].toInt(), variant / 2);
        QVERIFY(fields[3].contains(QRegularExpression("^7\\.\\d\\d$")));
        QVERIFY(!fields[4].contains('.'));
    }
}

void TestCommandLine::generateByCategoryAndVariant()
{
    const Run byCategory = run({"generate", "--count", "200", "--category", "14", "--seed", "1"});
    QSet<QString> variants;
    for (const QString &line : byCategory.lines.mid(1)) {
        variants << line.section(',', 0, 0);
        QCOMPARE(line.section(',', 1, 2), QString("14,Combined Respiratory and Metabolic Alkalosis"));
    }
    QCOMPARE(variants, (QSet<QString>{"28", "29"}));

    const Run normal = run({"generate", "--category", "0", "--count", "3"});
    for (const QString &line : normal.lines.mid(1))
        QVERIFY(line.startsWith("1,0,Normal Acid/Base balance,7.")); // the clock seeds this one

    const Run byVariant = run({"generate", "--variant", "5", "--count", "3"});
    for (const QString &line : byVariant.lines.mid(1))
        QVERIFY(line.startsWith("5,2,Partly Compensated Respiratory Acidosis,7."));
}

void TestCommandLine::generateInKpa()
{
    const Run mmHg = run({"generate", "--count", "20", "--seed", "9"});
    const Run kPa = run({"generate", "--count", "20", "--seed", "9", "--units", "KPA"});
    QCOMPARE(mmHg.lines.value(0), kGenerateHeader);
    QCOMPARE(kPa.lines.value(0), kGenerateKpaHeader);
    for (int i = 1; i <= 20; ++i) {
        const QStringList m = mmHg.lines[i].split(',');
        const QStringList k = kPa.lines[i].split(',');
        QCOMPARE(k[0], m[0]);
        QCOMPARE(k[3], m[3]);
        QCOMPARE(k[4], QString::number(m[4].toDouble() * 0.133, 'f', 1));
        QCOMPARE(k[5], QString::number(m[5].toDouble() * 0.133, 'f', 1));
        QCOMPARE(k.mid(6), m.mid(6));
    }
}

void TestCommandLine::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");

    QTest::newRow("no command") << QStringList{} << "missing command";
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << "unknown command";
    QTest::newRow("unknown option") << QStringList{"assess", "--colour"} << "Unknown option";
    QTest::newRow("bad unit") << QStringList{"assess", "--units", "psi"} << "--units";
    QTest::newRow("two files") << QStringList{"assess", "a.csv", "b.csv"} << "one file";
    QTest::newRow("count 0") << QStringList{"generate", "--count", "0"} << "--count";
    QTest::newRow("count not a number") << QStringList{"generate", "--count", "many"} << "--count";
    QTest::newRow("variant 30") << QStringList{"generate", "--variant", "30"} << "--variant";
    QTest::newRow("variant 0") << QStringList{"generate", "--variant", "0"} << "--variant";
    QTest::newRow("category 15") << QStringList{"generate", "--category", "15"} << "--category";
    QTest::newRow("variant and category") << QStringList{"generate", "--variant", "3", "--category", "1"} << "together";
    QTest::newRow("negative seed") << QStringList{"generate", "--seed", "-1"} << "--seed";
    QTest::newRow("seed beyond 32 bits") << QStringList{"generate", "--seed", "4294967296"} << "--seed";
    QTest::newRow("generate with a file") << QStringList{"generate", "out.csv"} << "no file";
    QTest::newRow("missing value") << QStringList{"generate", "--count"} << "Missing value";
    QTest::newRow("sheet without a count") << QStringList{"sheet", "--out", "x.pdf"} << "--count and --out";
    QTest::newRow("sheet without a file") << QStringList{"sheet", "--count", "3"} << "--count and --out";
    QTest::newRow("sheet of 0") << QStringList{"sheet", "--count", "0", "--out", "x.pdf"} << "--count";
    QTest::newRow("sheet of 1001") << QStringList{"sheet", "--count", "1001", "--out", "x.pdf"} << "--count";
    QTest::newRow("sheet in psi") << QStringList{"sheet", "--count", "3", "--out", "x.pdf", "--units", "psi"}
                                  << "--units";
    QTest::newRow("language typo") << QStringList{"assess", "--language", "Frnech"} << "English or French";
    QTest::newRow("language empty") << QStringList{"assess", "--language", ""} << "English or French";
    QTest::newRow("albumin in mg") << QStringList{"assess", "--albumin-unit", "mg/dL"} << "--albumin-unit";
    QTest::newRow("sheet in German") << QStringList{"sheet", "--count", "3", "--out", "x.pdf", "--language", "German"}
                                     << "English or French";
}

void TestCommandLine::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);

    const Run result = run(arguments);
    QCOMPARE(result.status, int(ExitFailure));
    QVERIFY(result.lines.isEmpty());
    QVERIFY2(result.errors.startsWith("halvex-cli: ") && result.errors.contains(reason), qPrintable(result.errors));
    QCOMPARE(result.errors.count('\n'), 1);
}

void TestCommandLine::helpAndVersion()
{
    const Run help = run({"--help"});
    QCOMPARE(help.status, 0);
    QVERIFY(help.lines.join('\n').contains("generate"));
    const Run assessHelp = run({"assess", "--help"});
    QCOMPARE(assessHelp.status, 0);
    QVERIFY(assessHelp.lines.join('\n').contains("--language"));
}

void TestCommandLine::processExitCodesAndFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString good = dir.filePath("good.csv");
    const QString bad = dir.filePath("bad.csv");
    for (const auto &[path, content] :
         {std::pair{good, QByteArray("pH,PaCO2,PaO2,HCO3,FiO2,Age\n7.4,40,90,24,21,40\n")},
          std::pair{bad, QByteArray("7.4,40,90,24,21,40\n7.4,40\n")}}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    const auto exitCodeOf = [](const QStringList &arguments, QByteArray *output = nullptr,
                               QByteArray *errors = nullptr) {
        QProcess process;
        process.start(HALVEX_CLI_PATH, arguments);
        process.closeWriteChannel();
        if (!process.waitForFinished(30000))
            return -1;
        if (output)
            *output = process.readAllStandardOutput();
        if (errors)
            *errors = process.readAllStandardError();
        return process.exitCode();
    };

    QByteArray output;
    QCOMPARE(exitCodeOf({"assess", good}, &output), 0);
    QCOMPARE(output.count("\r\n"), 2);
    QCOMPARE(exitCodeOf({"assess", bad}, &output), 1);
    QCOMPARE(output.count("\r\n"), 3);

    // A file in kPa is read in kPa, and refused when the command line says otherwise.
    const QString kpa = dir.filePath("kpa.csv");
    QFile kpaFile(kpa);
    QVERIFY(kpaFile.open(QIODevice::WriteOnly));
    kpaFile.write("pH,PaCO2_kPa,PaO2_kPa,HCO3,FiO2,Age\n7.4,5.3,12,24,21,40\n");
    kpaFile.close();
    QCOMPARE(exitCodeOf({"assess", kpa}, &output), 0);
    QVERIFY2(output.startsWith("pH,PaCO2_kPa,PaO2_kPa,") && output.contains("without Hypoxemia"), output.constData());
    QByteArray errors;
    QCOMPARE(exitCodeOf({"assess", "--units", "mmHg", kpa}, &output, &errors), 2);
    QVERIFY(output.isEmpty());
    QCOMPARE(errors, QByteArray("halvex-cli: the header names kPa (PaCO2_kPa) but --units is mmHg\n"));

    QCOMPARE(exitCodeOf({"assess", dir.filePath("missing.csv")}, &output, &errors), 2);
    QVERIFY(output.isEmpty());
    QVERIFY2(errors.contains("missing.csv") && errors.count('\n') == 1, errors.constData());
    QCOMPARE(exitCodeOf({"assess", dir.path()}, &output, &errors), 2);
    QVERIFY2(errors.contains("directory"), errors.constData());
    QCOMPARE(exitCodeOf({"generate", "--count", "4"}, &output), 0);
    QCOMPARE(output.count("\r\n"), 5);
    QCOMPARE(exitCodeOf({"--version"}, &output), 0);
    QVERIFY(output.startsWith("halvex-cli "));
}

namespace {

QString runTool(const QString &program, const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

} // namespace

void TestCommandLine::sheetAsPdf()
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    QVERIFY2(!pdftotext.isEmpty(), "pdftotext (poppler-utils) is needed to read the sheet back");
    QTemporaryDir dir;
    const QString pdf = dir.filePath("sheet.pdf");

    int status = -1;
    const QString said = runTool(
        HALVEX_CLI_PATH,
        {"sheet", "--count", "100", "--out", pdf, "--units", "kPa", "--language", "FRENCH", "--seed", "7"}, &status);
    QVERIFY2(status == 0, qPrintable(said));

    // 100 rows: 42 + 42 + 16 on listing pages, then 47 + 47 + 6 answers.
    const QString info = runTool(QStandardPaths::findExecutable("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression("Pages:\\s+6\\b")), qPrintable(info));
    for (int page = 1; page <= 6; ++page) {
        const QString text =
            runTool(pdftotext, {"-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
        if (page <= 3) {
            QVERIFY2(text.contains("ABG Listing") && text.contains("(KPA)") && text.contains("(mEq/L)"),
                     qPrintable(text));
            QVERIFY(!text.contains(QString::fromUtf8("Acidose")) && !text.contains("Alcalose"));
        } else {
            QVERIFY(!text.contains("ABG Listing"));
            QVERIFY(text.contains("Answer"));
            QVERIFY(text.contains(QString::fromUtf8("Acidose")) || text.contains("Alcalose")
                    || text.contains("Base/Acide"));
        }
    }
    const QString first = runTool(pdftotext, {"-layout", "-f", "1", "-l", "1", pdf, "-"});
    QVERIFY(first.contains(QRegularExpression("\\n\\s*1\\s+7\\.\\d\\d\\s+\\d+\\.\\d\\s+\\d+\\.\\d\\s")));

    // A second sheet numbers its rows from 1 again.
    runTool(HALVEX_CLI_PATH, {"sheet", "--count", "2", "--out", pdf}, &status);
    QCOMPARE(status, 0);
    const QString second = runTool(pdftotext, {"-layout", pdf, "-"});
    QVERIFY(second.contains(QRegularExpression("\\n\\s*1\\s+7\\.\\d\\d")));
    QVERIFY(second.contains(QRegularExpression("\\n\\s*2\\s+7\\.\\d\\d")));
    QVERIFY(!second.contains(QRegularExpression("\\n\\s*3\\s+7\\.\\d\\d")));

    // A file that cannot be written (its folder is a file) is a clear error, not a crash.
    const QString unwritable = pdf + "/x.pdf";
    const QString refused = runTool(HALVEX_CLI_PATH, {"sheet", "--count", "2", "--out", unwritable}, &status);
    QCOMPARE(status, 2);
    QVERIFY2(refused.contains(unwritable), qPrintable(refused));
}

void TestCommandLine::sheetWithReasons()
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    QVERIFY2(!pdftotext.isEmpty(), "pdftotext (poppler-utils) is needed to read the sheet back");
    QTemporaryDir dir;
    const QString pdf = dir.filePath("sheet.pdf");
    int status = -1;
    const QString said =
        runTool(HALVEX_CLI_PATH, {"sheet", "--count", "12", "--out", pdf, "--seed", "3", "--explain"}, &status);
    QVERIFY2(status == 0, qPrintable(said));
    const QString text = runTool(pdftotext, {"-layout", pdf, "-"});
    // Under each answer its reason: as many reasons as answers.
    QCOMPARE(text.count(QRegularExpression("(explains|are all normal|both push the pH)")), 12);

    // Without --explain, none.
    runTool(HALVEX_CLI_PATH, {"sheet", "--count", "12", "--out", pdf, "--seed", "3"}, &status);
    QCOMPARE(runTool(pdftotext, {"-layout", pdf, "-"}).count("explains"), 0);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
