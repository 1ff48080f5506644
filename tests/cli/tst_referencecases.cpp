// The reference blood gases of tests/data/reference_cases.csv, each assessed
// as `halvex-cli assess` assesses it, with its unit and language: the outcome,
// the category and every text must be the ones the file gives.

#include "cli/CommandLine.h"
#include "csv/CsvReader.h"
#include "csv/CsvWriter.h"

#include "tests/support/DataFile.h"

#include <QTest>

#include <sstream>

using namespace halvex;
using namespace halvex::cli;

namespace {

// The columns of a reference row: the unit, the language, the six values, then what is expected.
constexpr int kValues = 2;
constexpr int kExpected = 8;
constexpr int kColumns = 13;

std::vector<std::vector<std::string>> referenceRows()
{
    std::string text;
    for (const QString &line : dataFileLines(HALVEX_REFERENCE_CASES))
        text += line.toStdString() + "\n";
    std::istringstream input(text);
    CsvReader reader(input);
    CsvRecord record;
    std::vector<std::vector<std::string>> rows;
    reader.next(record); // the header
    while (reader.next(record)) {
        if (!record.isBlank())
            rows.push_back(record.fields);
    }
    return rows;
}

QStringList qs(const std::vector<std::string> &fields, std::size_t from, std::size_t to)
{
    QStringList list;
    for (std::size_t i = from; i < to && i < fields.size(); ++i)
        list << QString::fromStdString(fields[i]);
    return list;
}

} // namespace

class TestReferenceCases : public QObject {
    Q_OBJECT

private slots:
    void assessedAsTheFileSays_data();
    void assessedAsTheFileSays();
};

void TestReferenceCases::assessedAsTheFileSays_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("expected");

    const auto rows = referenceRows();
    QVERIFY(rows.size() >= 50);
    int line = 0;
    for (const auto &row : rows) {
        ++line;
        QVERIFY2(row.size() == std::size_t(kColumns),
                 qPrintable(QStringLiteral("row %1 has %2 columns").arg(line).arg(row.size())));
        QTest::addRow("%d: %s %s %s", line, row[0].c_str(), row[1].c_str(),
                      qPrintable(qs(row, kValues, kExpected).join(',')))
            << QString::fromStdString(row[0]) << QString::fromStdString(row[1]) << qs(row, kValues, kExpected)
            << qs(row, kValues, kColumns);
    }
}

void TestReferenceCases::assessedAsTheFileSays()
{
    QFETCH(QString, units);
    QFETCH(QString, language);
    QFETCH(QStringList, values);
    QFETCH(QStringList, expected);

    std::ostringstream row;
    {
        CsvWriter writer(row);
        const auto at = [&](int i) { return values[i].toStdString(); };
        writer.writeRecord({at(0), at(1), at(2), at(3), at(4), at(5)});
        writer.flush();
    }
    std::istringstream in(row.str());
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCommandLine({"halvex-cli", "assess", "--units", units, "--language", language}, in, out, err);
    QVERIFY2(err.str().empty(), err.str().c_str());

    std::istringstream written(out.str());
    CsvReader reader(written);
    CsvRecord record;
    QVERIFY(reader.next(record)); // the header
    QVERIFY(reader.next(record));
    QCOMPARE(qs(record.fields, 0, record.fields.size()), expected);
    QCOMPARE(status, expected[6] == "invalid" ? int(ExitInvalidRows) : int(ExitOk));
}

QTEST_GUILESS_MAIN(TestReferenceCases)
#include "tst_referencecases.moc"
