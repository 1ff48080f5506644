#include "CsvReader.h"
#include "CsvWriter.h"

#include <QTest>

#include <sstream>

using namespace halvex::cli;

using Records = QList<QStringList>;

namespace {

Records readAll(const QByteArray &bytes, QList<bool> *unterminated = nullptr)
{
    std::istringstream input(bytes.toStdString());
    CsvReader reader(input);
    CsvRecord record;
    Records records;
    while (reader.next(record)) {
        QStringList fields;
        for (const std::string &field : record.fields)
            fields << QString::fromStdString(field);
        records << fields;
        if (unterminated)
            *unterminated << record.unterminatedQuote;
    }
    return records;
}

} // namespace

class TestCsv : public QObject {
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void unterminatedQuote();
    void blankLines();
    void writingQuotesWhatNeedsIt();
};

void TestCsv::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Records>("records");

    QTest::newRow("empty input") << QByteArray() << Records{};
    QTest::newRow("LF") << QByteArray("a,b\nc,d\n") << Records{{"a", "b"}, {"c", "d"}};
    QTest::newRow("CRLF") << QByteArray("a,b\r\nc,d\r\n") << Records{{"a", "b"}, {"c", "d"}};
    QTest::newRow("no final line break") << QByteArray("a,b") << Records{{"a", "b"}};
    QTest::newRow("empty fields") << QByteArray(",,\n") << Records{{"", "", ""}};
    QTest::newRow("quoted comma") << QByteArray("\"a,b\",c\n") << Records{{"a,b", "c"}};
    QTest::newRow("doubled quote") << QByteArray("\"say \"\"hi\"\"\"\n") << Records{{"say \"hi\""}};
    QTest::newRow("line break inside quotes") << QByteArray("\"a\r\nb\",c\n") << Records{{"a\r\nb", "c"}};
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFpH,x\n") << Records{{"pH", "x"}};
    QTest::newRow("lone CR is data") << QByteArray("a\rb\n") << Records{{"a\rb"}};
}

void TestCsv::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Records, records);
    QCOMPARE(readAll(bytes), records);
}

void TestCsv::unterminatedQuote()
{
    QList<bool> unterminated;
    QCOMPARE(readAll("a,b\n\"open,c\nd\n", &unterminated), (Records{{"a", "b"}, {"open,c\nd\n"}}));
    QCOMPARE(unterminated, (QList<bool>{false, true}));
}

void TestCsv::blankLines()
{
    std::istringstream input("\n  \t\n\"\"\n,\n");
    CsvReader reader(input);
    CsvRecord record;
    QList<bool> blank;
    while (reader.next(record))
        blank << record.isBlank();
    QCOMPARE(blank, (QList<bool>{true, true, true, false}));
}

void TestCsv::writingQuotesWhatNeedsIt()
{
    std::ostringstream output;
    {
        CsvWriter writer(output);
        writer.writeRecord({"plain", "a,b", "say \"hi\"", "two\nlines", ""});
    }
    QCOMPARE(QString::fromStdString(output.str()), QString("plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\r\n"));
}

QTEST_APPLESS_MAIN(TestCsv)
#include "tst_csv.moc"
