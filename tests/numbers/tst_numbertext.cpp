#include "numbers/NumberText.h"

#include <QTest>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace halvex;

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void formatting_data();
    void formatting();
    void withoutTrailingZeros_data();
    void withoutTrailingZeros();
    void parsing_data();
    void parsing();
    void plainDecimalsReadAsFromChars();
    void fixedTextAsTheShortestRounded();
};

void TestNumberText::formatting_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    QTest::newRow("half away from zero") << 37.5 << 0 << "38";
    QTest::newRow("40.5") << 40.5 << 0 << "41";
    QTest::newRow("not the even neighbour") << 2.5 << 0 << "3";
    QTest::newRow("negative half") << -2.5 << 0 << "-3";
    QTest::newRow("half in the decimals as typed") << 2.675 << 2 << "2.68";
    QTest::newRow("1.005") << 1.005 << 2 << "1.01";
    QTest::newRow("below a half") << 7.3449 << 2 << "7.34";
    QTest::newRow("padding") << 7.4 << 2 << "7.40";
    QTest::newRow("three decimals") << 7.4 << 3 << "7.400";
    QTest::newRow("carry into the integer") << 9.96 << 1 << "10.0";
    QTest::newRow("carry of nines") << 99.995 << 2 << "100.00";
    QTest::newRow("kPa of 40 mmHg") << 5.32 << 1 << "5.3";
    QTest::newRow("kPa of 90 mmHg") << 11.97 << 1 << "12.0";
    QTest::newRow("zero") << 0.0 << 2 << "0.00";
    QTest::newRow("no minus zero") << -0.001 << 1 << "0.0";
    QTest::newRow("large") << 1e20 << 0 << "100000000000000000000";
    QTest::newRow("tiny") << std::numeric_limits<double>::denorm_min() << 2 << "0.00";
    QTest::newRow("negative decimals read as none") << 3.7 << -1 << "4";
}

void TestNumberText::formatting()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(formatFixed(value, decimals)), text);
}

void TestNumberText::withoutTrailingZeros_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("maxDecimals");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole") << 90.0 << 1 << "90";
    QTest::newRow("one decimal kept") << 5.3 << 3 << "5.3";
    QTest::newRow("rounded first") << 7.3149 << 2 << "7.31";
    QTest::newRow("rounded to whole") << 39.96 << 1 << "40";
    QTest::newRow("no decimals asked") << 12.5 << 0 << "13";
    QTest::newRow("negative") << -0.50 << 2 << "-0.5";
}

void TestNumberText::withoutTrailingZeros()
{
    QFETCH(double, value);
    QFETCH(int, maxDecimals);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(formatUpTo(value, maxDecimals)), text);
}

void TestNumberText::parsing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");

    QTest::newRow("integer") << "40" << true << 40.0;
    QTest::newRow("decimal") << "7.35" << true << 7.35;
    QTest::newRow("leading point") << ".5" << true << 0.5;
    QTest::newRow("trailing point") << "5." << true << 5.0;
    QTest::newRow("plus sign") << "+7.4" << true << 7.4;
    QTest::newRow("minus sign") << "-3" << true << -3.0;
    QTest::newRow("exponent") << "7.4e0" << true << 7.4;
    QTest::newRow("capital exponent") << "74E-1" << true << 7.4;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("comma separator") << "7,4" << false << 0.0;
    QTest::newRow("two points") << "7.4.1" << false << 0.0;
    QTest::newRow("two signs") << "+-4" << false << 0.0;
    QTest::newRow("sign only") << "-" << false << 0.0;
    QTest::newRow("inner blank") << "7 4" << false << 0.0;
    QTest::newRow("infinity") << "inf" << false << 0.0;
    QTest::newRow("negative infinity") << "-infinity" << false << 0.0;
    QTest::newRow("not a number") << "nan" << false << 0.0;
    QTest::newRow("overflow") << "1e999" << false << 0.0;
    QTest::newRow("hexadecimal") << "0x10" << false << 0.0;
    QTest::newRow("exponent without digits") << "7e" << false << 0.0;
}

void TestNumberText::parsing()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const auto parsed = parseNumber(text.toStdString());
    QCOMPARE(parsed.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*parsed, value);
}

// Plain decimals take a quicker way than from_chars: it must give the very same
// double, bit for bit, for every length and number of decimals it takes.
void TestNumberText::plainDecimalsReadAsFromChars()
{
    std::mt19937_64 random(20261211);
    int compared = 0;
    for (int digits = 1; digits <= 17; ++digits) {
        for (int trial = 0; trial < 3000; ++trial) {
            // A sign now and then, the digits, and a point somewhere among them now and then.
            std::string text(random() % 4 == 0 ? "-" : "");
            const std::size_t point = random() % std::size_t(digits + 1);
            for (int i = 0; i < digits; ++i) {
                if (point > 0 && point < std::size_t(digits) && std::size_t(i) == point)
                    text.push_back('.');
                text.push_back(static_cast<char>('0' + random() % 10));
            }
            double expected = 0;
            std::from_chars(text.data(), text.data() + text.size(), expected);
            const std::optional<double> parsed = parseNumber(text);
            QVERIFY2(parsed && std::memcmp(&*parsed, &expected, sizeof expected) == 0, text.c_str());
            ++compared;
        }
    }
    QVERIFY(compared > 50000);
    // The forms it leaves to from_chars read as before.
    for (const char *text : {"5.", ".5", "-0", "0.000000000000001", "123456789012345.6"}) {
        double expected = 0;
        const std::string_view view(text);
        std::from_chars(view.data(), view.data() + view.size(), expected);
        QCOMPARE(parseNumber(view), std::optional<double>(expected));
    }
}

// formatFixed's quick way writes what rounding the shortest text writes, and
// roundedTo's gives the very double that text reads back as (its sign
// included), for values of every size, halves and near-halves included.
void TestNumberText::fixedTextAsTheShortestRounded()
{
    std::mt19937_64 random(11122026);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<double> values{0.0, -0.0, 2.675, 37.5, 0.125, -0.125, 1.005, 9.995, 999.9995, 1e-300, -1e-7, 1e14};
    for (int exponent = -8; exponent <= 15; ++exponent) {
        for (int trial = 0; trial < 2000; ++trial) {
            const double value = (unit(random) - 0.5) * std::pow(10.0, exponent);
            values.push_back(value);
            // Halves and their neighbours, where the two ways could part.
            const double half = (std::floor(std::fabs(value) * 100) + 0.5) / 100;
            values.push_back(half);
            values.push_back(std::nextafter(half, 0.0));
            values.push_back(std::nextafter(half, 1e300));
        }
    }
    // Computed values a hair from a half, as the alveolar oxygen's formula gives them.
    for (int fio2 = 21; fio2 <= 100; fio2 += 3) {
        for (int paco2 = 5; paco2 <= 150; ++paco2)
            values.push_back(fio2 / 100.0 * (760 - 47) - paco2 / 0.8);
    }
    for (const double value : values) {
        for (int decimals = 0; decimals <= 4; ++decimals) {
            const std::string reference = formatFixedFromShortest(value, decimals);
            QCOMPARE(formatFixed(value, decimals), reference);
            QCOMPARE(std::bit_cast<std::uint64_t>(roundedTo(value, decimals)),
                     std::bit_cast<std::uint64_t>(parseNumber(reference).value_or(value)));
        }
    }
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
