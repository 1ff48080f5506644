// The print preview as a keyboard and a screen reader meet it: every button
// reached by Tab, the focus on the page view as it opens, the page shown named
// by its number in the interface language and read as text, and a page turned
// to from a button told once.

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
    void init() { m_told.clear(); }
    void buttonsTakeTheFocus();
    void thePageIsNamedAndRead_data();
    void thePageIsNamedAndRead();
    void aPageTurnedToIsTold_data() { thePageIsNamedAndRead_data(); }
    void aPageTurnedToIsTold();

private:
    static ExerciseSheet sheet()
    {
        ExerciseSheet sheet(QImage(), QStringLiteral("www.example.org"));
        halvex::TABG abg(halvex::countingSeeds(3));
        sheet.fill(abg, 30, halvex::Presentation{halvex::PressureUnit::MmHg, "ENGLISH"});
        return sheet;
    }
    // Messages in the language, the news told into `told`.
    ReportMessages messages(const std::string &language)
    {
        return {[](const QString &) {}, [](const QString &) {}, [language] { return language; },
                [this](QWidget *, const QString &news) { m_told << news; }};
    }
    static QGraphicsView *pageView(const ReportPreviewDialog &preview)
    {
        return preview.findChild<QPrintPreviewWidget *>()->findChild<QGraphicsView *>();
    }
    static QToolButton *button(const ReportPreviewDialog &preview, const QString &text)
    {
        for (QToolButton *button : preview.findChildren<QToolButton *>()) {
            if (button->text() == text)
                return button;
        }
        qFatal("no button %s", qPrintable(text));
    }

    QStringList m_told;
};

void TestReportPreview::buttonsTakeTheFocus()
{
    const ExerciseSheet filled = sheet();
    const Report report = filled.report();
    ReportPreviewDialog preview(
        report, [] {}, messages("ENGLISH"));
    const QList<QToolButton *> buttons = preview.findChildren<QToolButton *>();
    QVERIFY(buttons.size() >= 10);
    for (QToolButton *button : buttons)
        QVERIFY2(button->focusPolicy() & Qt::TabFocus, qPrintable(button->text()));
}

void TestReportPreview::thePageIsNamedAndRead_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("name"); // %1 the page, %2 the pages
    QTest::newRow("English") << "ENGLISH"
                             << "Page %1 of %2";
    QTest::newRow("French") << "FRENCH"
                            << "Page %1 sur %2";
}

void TestReportPreview::thePageIsNamedAndRead()
{
    QFETCH(QString, language);
    QFETCH(QString, name);
    const ExerciseSheet filled = sheet();
    const Report report = filled.report();
    const std::size_t pages = layOutReport(report).size();
    QVERIFY(pages >= 2);
    ReportPreviewDialog preview(
        report, [] {}, messages(language.toStdString()));
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    QGraphicsView *view = pageView(preview);
    QTRY_COMPARE(view->accessibleName(), name.arg(1).arg(pages));
    const QString text = view->accessibleDescription();
    // The first page's words: the first sample's row and none of the answers' page.
    QVERIFY2(text.contains(filled.tblABGList().displayText(0, filled.tblABGList().fields()[1])), qPrintable(text));
    QVERIFY2(!text.contains(filled.tblABGResults().displayText(0, filled.tblABGResults().fields()[1])),
             qPrintable(text));
    preview.findChild<QPrintPreviewWidget *>()->setCurrentPage(int(pages));
    QTRY_COMPARE(view->accessibleName(), name.arg(pages).arg(pages));
}

void TestReportPreview::aPageTurnedToIsTold()
{
    QFETCH(QString, language);
    QFETCH(QString, name);
    const ExerciseSheet filled = sheet();
    const Report report = filled.report();
    const std::size_t pages = layOutReport(report).size();
    ReportPreviewDialog preview(
        report, [] {}, messages(language.toStdString()));
    preview.show();
    preview.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&preview));
    // The focus opens on the pages, which it reads with their name: nothing is told.
    QGraphicsView *view = pageView(preview);
    QTRY_VERIFY(view->hasFocus());
    QTRY_COMPARE(view->accessibleName(), name.arg(1).arg(pages));
    QVERIFY(m_told.isEmpty());

    // From the keyboard, on the buttons: each page turned to is told once, in the language.
    QToolButton *next = button(preview, QStringLiteral("Next page"));
    next->setFocus();
    QTest::keyClick(next, Qt::Key_Space);
    QTRY_COMPARE(m_told, QStringList{name.arg(2).arg(pages)});
    QToolButton *last = button(preview, QStringLiteral("Last page"));
    last->setFocus();
    QTest::keyClick(last, Qt::Key_Space);
    QTest::keyClick(last, Qt::Key_Space); // already there: nothing new
    QToolButton *first = button(preview, QStringLiteral("First page"));
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Space);
    QStringList expected{name.arg(2).arg(pages)};
    if (pages > 2)
        expected << name.arg(pages).arg(pages);
    expected << name.arg(1).arg(pages);
    QTRY_COMPARE(m_told, expected);

    // Where the view has the focus, a screen reader reads its new name: nothing more is told.
    view->setFocus();
    QTRY_VERIFY(view->hasFocus());
    preview.findChild<QPrintPreviewWidget *>()->setCurrentPage(2);
    QTRY_COMPARE(view->accessibleName(), name.arg(2).arg(pages));
    QCOMPARE(m_told, expected);
}

QTEST_MAIN(TestReportPreview)
#include "tst_reportpreview.moc"
