#include "cli/InputRows.h"
#include "csv/CsvReader.h"
#include "csv/CsvWriter.h"
#include "csv/StreamFailures.h"

#include <QTest>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

using namespace halvex;

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

// A stream buffer that hands out its text a few bytes at a time, as a pipe may.
class TrickleBuffer : public std::streambuf {
public:
    TrickleBuffer(std::string text, std::size_t step) : m_text(std::move(text)), m_step(step) {}

protected:
    int_type underflow() override
    {
        if (m_next >= m_text.size())
            return traits_type::eof();
        const std::size_t size = std::min(m_step, m_text.size() - m_next);
        char *start = m_text.data() + m_next;
        setg(start, start, start + size);
        m_next += size;
        return traits_type::to_int_type(*start);
    }

private:
    std::string m_text;
    std::size_t m_step;
    std::size_t m_next = 0;
};

class TestCsv : public QObject {
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void unterminatedQuote();
    void blankLines();
    void writingQuotesWhatNeedsIt();
    void longFieldsAreCutAndCounted();
    void fieldsAreCutWhereACharacterBegins_data();
    void fieldsAreCutWhereACharacterBegins();
    void manyFieldsAreCounted();
    void readErrorKeepsTheWholeRecords();
    void writingValidUtf8_data();
    void writingValidUtf8();
    void aStreamThatTakesNothingFails();
    void recordsAcrossBlocks_data();
    void recordsAcrossBlocks();
    void headerUnitKnownBeforeTheRows_data();
    void headerUnitKnownBeforeTheRows();
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
    QTest::newRow("CR alone ends a line") << QByteArray("a,b\rc,d\r") << Records{{"a", "b"}, {"c", "d"}};
    QTest::newRow("CR, LF and CRLF mixed") << QByteArray("a\rb\nc\r\nd") << Records{{"a"}, {"b"}, {"c"}, {"d"}};
    QTest::newRow("CR inside quotes is data") << QByteArray("\"a\rb\"\r") << Records{{"a\rb"}};
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
        writer.flush();
    }
    QCOMPARE(QString::fromStdString(output.str()), QString("plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\r\n"));
}

void TestCsv::longFieldsAreCutAndCounted()
{
    const std::string huge(10'000'000, '7');
    std::istringstream input("1," + huge + ",3\n4,5\n");
    CsvReader reader(input);
    CsvRecord record;
    QVERIFY(reader.next(record));
    QCOMPARE(record.fieldCount, std::size_t(3));
    QCOMPARE(record.fields[1], std::string(CsvRecord::kMaxFieldBytes, '7'));
    QCOMPARE(record.fields[2], std::string("3"));
    QVERIFY(record.fieldCutShort);
    QVERIFY(reader.next(record));
    QVERIFY(!record.fieldCutShort);
    QCOMPARE(record.fields, (std::vector<std::string>{"4", "5"}));
}

void TestCsv::fieldsAreCutWhereACharacterBegins_data()
{
    QTest::addColumn<int>("before"); // ASCII bytes before the character
    QTest::addColumn<QByteArray>("character");
    QTest::addColumn<int>("kept"); // bytes kept of the field
    const int limit = int(CsvRecord::kMaxFieldBytes);
    QTest::newRow("é split after its first byte") << limit - 1 << QByteArray("\xC3\xA9") << limit - 1;
    QTest::newRow("é whole at the end") << limit - 2 << QByteArray("\xC3\xA9") << limit;
    QTest::newRow("€ split after two bytes") << limit - 2 << QByteArray("\xE2\x82\xAC") << limit - 2;
    QTest::newRow("an emoji split after three bytes") << limit - 3 << QByteArray("\xF0\x9F\x98\x80") << limit - 3;
    QTest::newRow("bytes that are no UTF-8 stay as they are") << limit - 1 << QByteArray("\xFF\xFF") << limit;
}

void TestCsv::fieldsAreCutWhereACharacterBegins()
{
    QFETCH(int, before);
    QFETCH(QByteArray, character);
    QFETCH(int, kept);
    const std::string field = std::string(std::size_t(before), 'x') + character.toStdString() + "tail";
    std::istringstream input(field + "\n");
    CsvReader reader(input);
    CsvRecord record;
    QVERIFY(reader.next(record));
    QVERIFY(record.fieldCutShort);
    QCOMPARE(record.fields[0], field.substr(0, std::size_t(kept)));
}

void TestCsv::manyFieldsAreCounted()
{
    std::istringstream input(std::string(99'999, ',') + "\n");
    CsvReader reader(input);
    CsvRecord record;
    QVERIFY(reader.next(record));
    QCOMPARE(record.fieldCount, std::size_t(100'000));
    QCOMPARE(record.fields.size(), CsvRecord::kMaxFields);
}

namespace {

// Gives its text, then fails as a disk or a directory does.
class FailingBuffer : public std::streambuf {
public:
    explicit FailingBuffer(std::string text) : m_text(std::move(text))
    {
        setg(m_text.data(), m_text.data(), m_text.data() + m_text.size());
    }

protected:
    int_type underflow() override { throw std::ios_base::failure("read error"); }

private:
    std::string m_text;
};

} // namespace

void TestCsv::readErrorKeepsTheWholeRecords()
{
    FailingBuffer buffer("a,b\nc,d\ne,f");
    std::istream input(&buffer);
    CsvReader reader(input);
    CsvRecord record;
    Records records;
    while (reader.next(record))
        records << QStringList{QString::fromStdString(record.fields[0]), QString::fromStdString(record.fields[1])};
    QCOMPARE(records, (Records{{"a", "b"}, {"c", "d"}})); // "e,f" was cut short by the error
    QVERIFY(reader.failed());

    std::istringstream fine("a,b");
    CsvReader good(fine);
    QVERIFY(good.next(record));
    QVERIFY(!good.next(record));
    QVERIFY(!good.failed());
}

void TestCsv::writingValidUtf8_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("written");

    const QByteArray replacement("\xEF\xBF\xBD");
    QTest::newRow("ASCII") << QByteArray("7.40") << QByteArray("7.40");
    QTest::newRow("UTF-8 kept") << QByteArray("combin\xC3\xA9"
                                              "e \xF0\x9F\x98\x80")
                                << QByteArray("combin\xC3\xA9"
                                              "e \xF0\x9F\x98\x80");
    QTest::newRow("Latin-1") << QByteArray("caf\xE9") << "caf" + replacement;
    QTest::newRow("NUL") << QByteArray("a\0b", 3) << "a" + replacement + "b";
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << replacement + replacement;
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << replacement + replacement + replacement;
    QTest::newRow("cut short") << QByteArray("x\xE2\x82") << "x" + replacement + replacement;
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << replacement.repeated(4);
}

void TestCsv::writingValidUtf8()
{
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, written);

    std::ostringstream output;
    CsvWriter writer(output);
    writer.writeRecord({std::string_view(field.constData(), std::size_t(field.size()))});
    writer.flush();
    QCOMPARE(QByteArray::fromStdString(output.str()), written + "\r\n");
}

void TestCsv::aStreamThatTakesNothingFails()
{
    std::ostringstream output;
    output.setstate(std::ios::badbit);
    CsvWriter writer(output);
    writer.writeRecord({"a"});
    QVERIFY_THROWS_EXCEPTION(WriteFailure, writer.flush());
}

void TestCsv::recordsAcrossBlocks_data()
{
    QTest::addColumn<int>("step"); // bytes the stream hands out at a time; 0 for all at once
    QTest::newRow("all at once") << 0;
    QTest::newRow("seven at a time") << 7;
    QTest::newRow("a block and a bit at a time") << 70000;
}

// Far more than one read block, with quoted fields, doubled quotes, line breaks
// inside quotes, CRLF and long fields wherever the blocks happen to end.
void TestCsv::recordsAcrossBlocks()
{
    QFETCH(int, step);
    std::vector<std::vector<std::string>> written;
    std::ostringstream text;
    {
        CsvWriter writer(text);
        for (int i = 0; i < 6000; ++i) {
            std::vector<std::string> record{std::to_string(i),
                                            "7." + std::to_string(i % 100),
                                            "a, \"quoted\" one",
                                            "two\nlines",
                                            std::string(std::size_t(i % 130), char('a' + i % 26)),
                                            "\xC3\xA9t\xC3\xA9"};
            writer.writeRecord({record[0], record[1], record[2], record[3], record[4], record[5]});
            // What reading keeps: a field cut at its limit.
            record[4].resize(std::min(record[4].size(), CsvRecord::kMaxFieldBytes));
            written.push_back(record);
        }
        writer.flush();
    }
    QVERIFY(text.str().size() > 4 * 65536);
    TrickleBuffer trickle(text.str(), std::size_t(step));
    std::istringstream whole(text.str());
    std::istream trickled(&trickle);
    CsvReader reader(step == 0 ? static_cast<std::istream &>(whole) : trickled);
    CsvRecord record;
    std::size_t read = 0;
    while (reader.next(record)) {
        QVERIFY(read < written.size());
        QCOMPARE(record.fields, written[read]);
        QCOMPARE(record.fieldCutShort, written[read][4].size() == CsvRecord::kMaxFieldBytes && read % 130 > 100);
        ++read;
    }
    QCOMPARE(read, written.size());
    QVERIFY(!reader.failed());
}

void TestCsv::headerUnitKnownBeforeTheRows_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("givenKpa"); // as --units kPa gives it
    QTest::addColumn<bool>("readInKpa");
    QTest::addColumn<QStringList>("pH"); // of each row handed out

    QTest::newRow("a kPa header") << QByteArray("pH,PaCO2_kPa,PaO2_kPa,HCO3\n7.40,5.3,12,24\n7.41,5.3,12,24\n") << false
                                  << true << QStringList{"7.40", "7.41"};
    QTest::newRow("blank lines, then a kPa header")
        << QByteArray("\n \r\npH,PaCO2_kPa,PaO2_kPa,HCO3\n7.40,5.3,12,24\n") << false << true << QStringList{"7.40"};
    QTest::newRow("an mmHg header") << QByteArray("pH,PaCO2_mmHg,PaO2_mmHg,HCO3\n7.40,40,90,24\n") << false << false
                                    << QStringList{"7.40"};
    QTest::newRow("bare names in the unit given")
        << QByteArray("pH,PaCO2,PaO2,HCO3\n7.40,5.3,12,24\n") << true << true << QStringList{"7.40"};
    QTest::newRow("no header: the first row waits its turn")
        << QByteArray("\n7.40,40,90,24\n\n7.41,40,90,24\n") << false << false << QStringList{"7.40", "7.41"};
    QTest::newRow("no header, in the unit given")
        << QByteArray("7.40,5.3,12,24\n") << true << true << QStringList{"7.40"};
    QTest::newRow("a header alone") << QByteArray("pH,PaCO2_kPa,PaO2_kPa,HCO3\n") << false << true << QStringList{};
    QTest::newRow("nothing") << QByteArray() << false << false << QStringList{};
}

// The unit is known as soon as the rows are opened, before any is asked for,
// so that what is written first can name it; no row is lost to the look ahead.
void TestCsv::headerUnitKnownBeforeTheRows()
{
    QFETCH(QByteArray, input);
    QFETCH(bool, givenKpa);
    QFETCH(bool, readInKpa);
    QFETCH(QStringList, pH);

    cli::ReadOptions options;
    options.unit = givenKpa ? PressureUnit::Kpa : PressureUnit::MmHg;
    options.unitGiven = givenKpa;
    std::istringstream stream(input.toStdString());
    cli::InputRows rows(stream, options);
    QCOMPARE(rows.presentation().unit, readInKpa ? PressureUnit::Kpa : PressureUnit::MmHg);
    cli::InputRow row;
    QStringList read;
    while (rows.next(row)) {
        QVERIFY2(row.input, row.invalid.c_str());
        read << QString::fromStdString(std::string(row.columns[0]));
    }
    QCOMPARE(read, pH);
    QVERIFY(!rows.failed());
}

QTEST_APPLESS_MAIN(TestCsv)
#include "tst_csv.moc"
