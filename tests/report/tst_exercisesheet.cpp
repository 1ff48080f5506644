#include "engine/GapExplanation.h"
#include "engine/Presentation.h"
#include "engine/SampleGenerator.h"
#include "report/ExerciseSheet.h"
#include "report/ReportLayout.h"
#include "report/ReportPainter.h"

#include <QBuffer>
#include <QLocale>
#include <QPdfWriter>
#include <QTest>

namespace {

struct PageSummary {
    int headers = 0;
    QList<int> listingRows; // row numbers, from 1
    QList<int> answerRows;
    bool startsWithHeader = false;
};

QList<PageSummary> summarise(const std::vector<LaidOutPage> &pages)
{
    QList<PageSummary> summaries;
    for (const LaidOutPage &page : pages) {
        PageSummary summary;
        summary.startsWithHeader = !page.bands.empty() && page.bands.front().kind == PlacedBand::Kind::Header;
        for (const PlacedBand &band : page.bands) {
            if (band.kind == PlacedBand::Kind::Header)
                ++summary.headers;
            else
                (band.section == 0 ? summary.listingRows : summary.answerRows) << band.row + 1;
        }
        summaries << summary;
    }
    return summaries;
}

ExerciseSheet filledSheet(int count, const char *units = "MMHG", const char *language = "ENGLISH",
                          std::uint32_t seed = 5)
{
    ExerciseSheet sheet(QImage(), QStringLiteral("www.example.org"));
    halvex::TABG abg(halvex::countingSeeds(seed));
    sheet.fill(abg, count, halvex::Presentation{halvex::pressureUnitNamed(units), language});
    return sheet;
}

} // namespace

class TestExerciseSheet : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void pages_data();
    void pages();
    void bandsStayInsideTheRegion();
    void formats_data();
    void formats();
    void userDecimalSeparator();
    void answersInTheLanguage();
    void everyRunStartsAgainAtOne();
    void electrolytesBesideTheSameGases();
    void answersAreCutTo60Characters();
    void theDevicesOrientationIsKept_data();
    void theDevicesOrientationIsKept();
};

void TestExerciseSheet::pages_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("listingPerPage");
    QTest::addColumn<QList<int>>("answersPerPage");

    // 42 rows fit under the listing header, 47 under the answer header.
    QTest::newRow("one") << 1 << QList<int>{1} << QList<int>{1};
    QTest::newRow("ten") << 10 << QList<int>{10} << QList<int>{10};
    QTest::newRow("one full listing page") << 42 << QList<int>{42} << QList<int>{42};
    QTest::newRow("one more") << 43 << QList<int>{42, 1} << QList<int>{43};
    QTest::newRow("a hundred") << 100 << QList<int>{42, 42, 16} << QList<int>{47, 47, 6};
}

void TestExerciseSheet::pages()
{
    QFETCH(int, count);
    QFETCH(QList<int>, listingPerPage);
    QFETCH(QList<int>, answersPerPage);

    const ExerciseSheet sheet = filledSheet(count);
    const QList<PageSummary> pages = summarise(layOutReport(sheet.report()));
    QCOMPARE(pages.size(), listingPerPage.size() + answersPerPage.size());

    int nextListing = 1;
    int nextAnswer = 1;
    for (int i = 0; i < pages.size(); ++i) {
        const PageSummary &page = pages[i];
        QVERIFY(page.startsWithHeader);
        QCOMPARE(page.headers, 1); // each page carries exactly its section's header
        const bool listingPage = i < listingPerPage.size();
        // The answers begin on a page of their own: no page mixes the two.
        QVERIFY(listingPage ? page.answerRows.isEmpty() : page.listingRows.isEmpty());
        const QList<int> &rows = listingPage ? page.listingRows : page.answerRows;
        QCOMPARE(rows.size(), listingPage ? listingPerPage[i] : answersPerPage[i - listingPerPage.size()]);
        for (int row : rows)
            QCOMPARE(row, listingPage ? nextListing++ : nextAnswer++);
    }
    QCOMPARE(nextListing - 1, count);
    QCOMPARE(nextAnswer - 1, count);
}

void TestExerciseSheet::bandsStayInsideTheRegion()
{
    const ExerciseSheet sheet = filledSheet(300);
    const Report report = sheet.report();
    for (const LaidOutPage &page : layOutReport(report)) {
        for (const PlacedBand &band : page.bands) {
            const ReportSection &section = report.definition.sections[std::size_t(band.section)];
            const double height = band.kind == PlacedBand::Kind::Header ? section.header.height : section.row.height;
            QVERIFY(band.top + height <= report.definition.region.height() + 1e-9);
        }
    }
}

void TestExerciseSheet::formats_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("pressureDecimals");

    QTest::newRow("mmHg") << "MMHG"
                          << "(mmHg)" << 0;
    QTest::newRow("kPa") << "KPA"
                         << "(KPA)" << 1;
}

void TestExerciseSheet::formats()
{
    QFETCH(QString, units);
    QFETCH(QString, caption);
    QFETCH(int, pressureDecimals);

    const ExerciseSheet sheet = filledSheet(50, qPrintable(units));
    QCOMPARE(sheet.parameters().value("PACO2"), caption);
    QCOMPARE(sheet.parameters().value("PAO2"), caption);
    const DataTable &list = sheet.tblABGList();
    for (int row = 0; row < list.rowCount(); ++row) {
        QCOMPARE(list.displayText(row, "ABGCode"), QString::number(row + 1));
        QVERIFY(list.displayText(row, "PH").contains(QRegularExpression("^7\\.\\d\\d$")));
        for (const char *pressure : {"PACO2", "PAO2"}) {
            const QString text = list.displayText(row, pressure);
            const QString pattern = pressureDecimals == 0 ? "^\\d+$" : "^\\d+\\.\\d$";
            QVERIFY2(text.contains(QRegularExpression(pattern)), qPrintable(text));
        }
        for (const char *whole : {"HCO3", "AGE", "FIO2"})
            QVERIFY(list.displayText(row, whole).contains(QRegularExpression("^\\d+$")));
    }
}

void TestExerciseSheet::userDecimalSeparator()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const ExerciseSheet sheet = filledSheet(3, "KPA");
    QVERIFY(sheet.tblABGList().displayText(0, "PH").contains(QRegularExpression("^7,\\d\\d$")));
    QVERIFY(sheet.tblABGList().displayText(0, "PACO2").contains(','));
}

void TestExerciseSheet::answersInTheLanguage()
{
    const ExerciseSheet english = filledSheet(30, "MMHG", "ENGLISH", 77);
    const ExerciseSheet french = filledSheet(30, "MMHG", "FRENCH", 77);
    const QStringList englishNames{"Normal Acid/Base balance", "Uncompensated Respiratory Acidosis"};
    bool sawFrench = false;
    for (int row = 0; row < 30; ++row) {
        const QString answer = french.tblABGResults().displayText(row, "Result");
        QVERIFY(!answer.isEmpty());
        QVERIFY(answer != english.tblABGResults().displayText(row, "Result"));
        sawFrench = sawFrench || answer.contains(QString::fromUtf8("Compensée")) || answer.contains("Base/Acide");
    }
    QVERIFY(sawFrench);
}

void TestExerciseSheet::everyRunStartsAgainAtOne()
{
    ExerciseSheet sheet{QImage(), QString()};
    halvex::TABG abg(halvex::countingSeeds(1));
    sheet.fill(abg, 20, halvex::Presentation{});
    sheet.fill(abg, 3, halvex::Presentation{});
    QCOMPARE(sheet.tblABGList().rowCount(), 3);
    QCOMPARE(sheet.tblABGResults().rowCount(), 3);
    QCOMPARE(sheet.tblABGList().displayText(0, "ABGCode"), QString("1"));
}

// With electrolytes the blood gases are the same; each has Na, Cl and albumin
// in their ranges and its gap under its answer, as the engine reads it.
void TestExerciseSheet::electrolytesBesideTheSameGases()
{
    ExerciseSheet plain{QImage(), QString()};
    ExerciseSheet with{QImage(), QString()};
    halvex::TABG first(halvex::countingSeeds(31));
    halvex::TABG second(halvex::countingSeeds(31));
    plain.fill(first, 40, halvex::Presentation{});
    with.fill(second, 40, halvex::Presentation{}, false, true);
    for (int row = 0; row < 40; ++row) {
        for (const char *field : {"PH", "PACO2", "PAO2", "HCO3", "AGE", "FIO2"})
            QCOMPARE(with.tblABGList().displayText(row, field), plain.tblABGList().displayText(row, field));
        const double na = with.tblABGList().value(row, "NA").toDouble();
        const double cl = with.tblABGList().value(row, "CL").toDouble();
        const double albumin = with.tblABGList().value(row, "ALB").toDouble();
        QVERIFY(na >= 100 && na <= 180 && cl >= 60 && cl <= 140 && albumin >= 5 && albumin <= 60);
        const halvex::Electrolytes drawn{na, cl, albumin, halvex::AlbuminUnit::GramsPerLitre};
        const double hco3 = with.tblABGList().value(row, "HCO3").toDouble();
        QCOMPARE(with.tblABGResults().displayText(row, "Gap"),
                 QString::fromStdString(halvex::gapSummary(hco3, drawn, "ENGLISH")));
        QVERIFY(with.tblABGResults().displayText(row, "Gap").startsWith("Anion gap "));
        QVERIFY(plain.tblABGResults().displayText(row, "Gap").isEmpty());
    }
    // The sheet's pages show them: the listing's columns and the gap under an answer.
    const QString pages = [&] {
        QString text;
        for (const LaidOutPage &page : layOutReport(with.report()))
            text += reportPageText(with.report(), page) + u'\n';
        return text;
    }();
    QVERIFY(pages.contains("Na") && pages.contains("(g/L)") && pages.contains("Anion gap "));
}

void TestExerciseSheet::answersAreCutTo60Characters()
{
    DataTable answers({"ABGCode", "Result"});
    answers.setMaximumLength("Result", 60);
    answers.append({1, QString(75, u'x')});
    QCOMPARE(answers.displayText(0, "Result").size(), 60);
}

void TestExerciseSheet::theDevicesOrientationIsKept_data()
{
    QTest::addColumn<int>("orientation");
    QTest::newRow("portrait") << int(QPageLayout::Portrait);
    QTest::newRow("landscape, as chosen for the printer") << int(QPageLayout::Landscape);
}

void TestExerciseSheet::theDevicesOrientationIsKept()
{
    QFETCH(int, orientation);

    const ExerciseSheet sheet = filledSheet(3);
    QBuffer pdf;
    QVERIFY(pdf.open(QIODevice::WriteOnly));
    QPdfWriter writer(&pdf);
    writer.setPageOrientation(QPageLayout::Orientation(orientation));
    QVERIFY(renderReport(writer, sheet.report()));
    QCOMPARE(int(writer.pageLayout().orientation()), orientation);
    QCOMPARE(writer.pageLayout().pageSize().id(), QPageSize::Letter);
}

QTEST_MAIN(TestExerciseSheet)
#include "tst_exercisesheet.moc"
