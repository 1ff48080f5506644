// The print preview as a keyboard and a screen reader meet it: every button
// reached by Tab, the page shown named by its number and read as text.

#include "engine/Presentation.h"
#include "engine/SampleGenerator.h"
#include "report/ExerciseSheet.h"
#include "report/ReportLayout.h"
#include "report/dialogs/ReportPreviewDialog.h"

#include <QGraphicsView>
#include <QPrintPreviewWidget>
#include <QTest>
#include <QToolButton>

class TestReportPreview : public QObject {
    Q_OBJECT

private slots:
    void buttonsTakeTheFocus();
    void thePageIsNamedAndRead();

private:
    static ExerciseSheet sheet()
    {
        ExerciseSheet sheet(QImage(), QStringLiteral("www.example.org"));
        halvex::TABG abg(halvex::countingSeeds(3));
        sheet.fill(abg, 30, halvex::Presentation{halvex::PressureUnit::MmHg, "ENGLISH"});
        return sheet;
    }
};

void TestReportPreview::buttonsTakeTheFocus()
{
    const ExerciseSheet filled = sheet();
    const Report report = filled.report();
    ReportPreviewDialog preview(report, [] {});
    const QList<QToolButton *> buttons = preview.findChildren<QToolButton *>();
    QVERIFY(buttons.size() >= 10);
    for (QToolButton *button : buttons)
        QVERIFY2(button->focusPolicy() & Qt::TabFocus, qPrintable(button->text()));
}

void TestReportPreview::thePageIsNamedAndRead()
{
    const ExerciseSheet filled = sheet();
    const Report report = filled.report();
    const std::size_t pages = layOutReport(report).size();
    QVERIFY(pages >= 2);
    ReportPreviewDialog preview(report, [] {});
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    auto *view = preview.findChild<QPrintPreviewWidget *>()->findChild<QGraphicsView *>();
    QTRY_COMPARE(view->accessibleName(), QStringLiteral("Page 1 of %1").arg(pages));
    const QString text = view->accessibleDescription();
    // The first page's words: the first sample's row and none of the answers' page.
    QVERIFY2(text.contains(filled.tblABGList().displayText(0, filled.tblABGList().fields()[1])), qPrintable(text));
    QVERIFY2(!text.contains(filled.tblABGResults().displayText(0, filled.tblABGResults().fields()[1])),
             qPrintable(text));
    preview.findChild<QPrintPreviewWidget *>()->setCurrentPage(int(pages));
    QTRY_COMPARE(view->accessibleName(), QStringLiteral("Page %1 of %1").arg(pages));
}

QTEST_MAIN(TestReportPreview)
#include "tst_reportpreview.moc"
