#include "engine/AbgCategory.h"
#include "engine/SampleGenerator.h"
#include "language/Language.h"
#include "tests/support/TestText.h"

#include <QTest>

using namespace halvex;

class TestAbgCategory : public QObject {
    Q_OBJECT

private slots:
    void table_data();
    void table();
    void codesOutsideTheTable();
    void variantsOfEachCategory();
};

void TestAbgCategory::table_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("abbreviation");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");

    const auto row = [](int code, const char *abbreviation, const char *name, int r, int g, int b) {
        QTest::newRow(abbreviation) << code << QString(abbreviation) << QString(name) << r << g << b;
    };
    row(0, "Normal", "Normal Acid/Base balance", 0, 128, 0);
    row(1, "RA", "Uncompensated Respiratory Acidosis", 128, 0, 0);
    row(2, "PCRA", "Partly Compensated Respiratory Acidosis", 128, 0, 0);
    row(3, "CRA", "Compensated Respiratory Acidosis", 128, 0, 0);
    row(4, "MA", "Uncompensated Metabolic Acidosis", 128, 0, 0);
    row(5, "PCMA", "Partly Compensated Metabolic Acidosis", 128, 0, 0);
    row(6, "CMA", "Compensated Metabolic Acidosis", 128, 0, 0);
    row(7, "CRMA", "Combined Respiratory and Metabolic Acidosis", 128, 0, 0);
    row(8, "RAK", "Uncompensated Respiratory Alkalosis", 0, 0, 128);
    row(9, "PCRAK", "Partly Compensated Respiratory Alkalosis", 0, 0, 128);
    row(10, "CRAK", "Compensated Respiratory Alkalosis", 0, 0, 128);
    row(11, "MAK", "Uncompensated Metabolic Alkalosis", 0, 0, 128);
    row(12, "PCMAK", "Partly Compensated Metabolic Alkalosis", 0, 0, 128);
    row(13, "CMAK", "Compensated Metabolic Alkalosis", 0, 0, 128);
    row(14, "CRMAK", "Combined Respiratory and Metabolic Alkalosis", 0, 0, 128);
}

void TestAbgCategory::table()
{
    QFETCH(int, code);
    QFETCH(QString, abbreviation);
    QFETCH(QString, name);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);

    const auto category = categoryFromCode(code);
    QVERIFY(category);
    const AbgCategoryInfo &info = categoryInfo(*category);
    QCOMPARE(categoryCode(info.category), code);
    QCOMPARE(qs(info.abbreviation), abbreviation);
    QCOMPARE(qs(info.englishName), name);
    QCOMPARE(qs(TABG::CategoryName(code)), name);
    QCOMPARE(info.colour, (Rgb{std::uint8_t(red), std::uint8_t(green), std::uint8_t(blue)}));
    // The name is the catalogue's key, so printing can translate it.
    QVERIFY(!Translate(info.englishName, "FRENCH").empty());
}

void TestAbgCategory::codesOutsideTheTable()
{
    for (const int code : {-1, 15, 99}) {
        QVERIFY(!categoryFromCode(code));
        QVERIFY(TABG::CategoryName(code).empty());
    }
}

void TestAbgCategory::variantsOfEachCategory()
{
    QCOMPARE(variantsOf(AbgCategory::Normal).first, 1);
    QCOMPARE(variantsOf(AbgCategory::Normal).last, 1);
    QCOMPARE(variantsOf(AbgCategory::RA).first, 2);
    QCOMPARE(variantsOf(AbgCategory::RA).last, 3);
    QCOMPARE(variantsOf(AbgCategory::CRMAK).first, 28);
    QCOMPARE(variantsOf(AbgCategory::CRMAK).last, 29);
}

QTEST_APPLESS_MAIN(TestAbgCategory)
#include "tst_abgcategory.moc"
