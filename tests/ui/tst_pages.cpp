// Each page built with a session alone, without the window: every page of the
// page table is made, named and translated; and what the teacher, statistics
// and review pages show follows the session.

#include "engine/AbgCategory.h"
#include "engine/SampleGenerator.h"
#include "tests/support/RecordingDesktop.h"
#include "tests/support/RecordingFileDialogs.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "ui/CategoryControls.h"
#include "ui/MainForm.h"
#include "ui/PageWidget.h"
#include "ui/WindowSession.h"
#include "widgets/CylinderGauge.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// A session and the seams, as the window gives them to its pages.
struct PageBench {
    QTemporaryDir settings;
    RecordingMessageBoxes boxes;
    QStringList opened;
    bool takes = true;
    QString dialogAnswer;
    QStringList asked;
    std::unique_ptr<WindowSession> session;
    Seams seams{boxes, std::make_unique<RecordingDesktop>(&opened, &takes),
                std::make_unique<RecordingFileDialogs>(&dialogAnswer, &asked), nullptr, QString()};
    std::unique_ptr<PageContext> context;
    QWidget host;

    PageBench()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        session = std::make_unique<WindowSession>(halvex::countingSeeds(3));
        session->practice().CreateCategoryStats();
        context = std::make_unique<PageContext>(PageContext{*session, seams});
    }

    PageWidget *make(Page page)
    {
        PageWidget *made = TfrmMain::pageRows()[std::size_t(page)].make(*context, &host);
        made->retranslate();
        made->shown();
        return made;
    }

    // Generate, the box of the generated category ticked or another, Analyze.
    void answerOnce(bool right)
    {
        session->generateCase();
        const halvex::AbgCategory generated = *session->practice().teacher().generatedCategory();
        session->tick(right                                      ? generated
                      : generated == halvex::AbgCategory::Normal ? halvex::AbgCategory::RA
                                                                 : halvex::AbgCategory::Normal);
        const halvex::BloodGasSample &sample = session->generator().sample();
        session->assessed({sample.pH, sample.PaCO2, sample.PaO2, sample.HCO3, sample.FiO2, sample.Age}, sample);
    }
};

} // namespace

class TestPages : public QObject {
    Q_OBJECT

private slots:
    void everyPageIsMadeWithASessionAlone_data();
    void everyPageIsMadeWithASessionAlone();
    void teacherPageFollowsThePractice();
    void statisticsFollowThePractice();
    void reviewListsTheAnswers();
};

void TestPages::everyPageIsMadeWithASessionAlone_data()
{
    QTest::addColumn<int>("page");
    for (const TfrmMain::PageRow &row : TfrmMain::pageRows())
        QTest::newRow(row.name) << int(row.page);
}

void TestPages::everyPageIsMadeWithASessionAlone()
{
    QFETCH(int, page);
    PageBench bench;
    PageWidget *made = bench.make(Page(page));
    QVERIFY(made);
    QVERIFY(!made->findChildren<QWidget *>().isEmpty());
    // A change of language reaches it, without a window.
    bench.session->selectLanguage(halvex::kLanguageFrench);
    bench.session->selectUnit(halvex::PressureUnit::Kpa);
    QVERIFY(bench.boxes.errors.isEmpty());
}

void TestPages::teacherPageFollowsThePractice()
{
    PageBench bench;
    PageWidget *page = bench.make(Page::Teacher);
    const auto box = [page](halvex::AbgCategory category) {
        return page->findChild<QCheckBox *>(categoryControlName(QStringLiteral("chk"), category));
    };
    // A click ticks exactly the box clicked, in the session as on the page.
    QTest::mouseClick(box(halvex::AbgCategory::MA), Qt::LeftButton, {}, QPoint(6, 8));
    QTest::mouseClick(box(halvex::AbgCategory::CRAK), Qt::LeftButton, {}, QPoint(6, 8));
    QCOMPARE(bench.session->practice().ticked(), std::optional(halvex::AbgCategory::CRAK));
    QVERIFY(!box(halvex::AbgCategory::MA)->isChecked() && box(halvex::AbgCategory::CRAK)->isChecked());

    bench.answerOnce(true);
    QCOMPARE(page->findChild<QLabel *>("lblResultAcidBase")->text(), QString("Correct !"));
    QCOMPARE(page->findChild<QLabel *>("lblGenerated")->text(), QString("1"));
    QCOMPARE(page->findChild<CylinderGauge *>("pb")->value(), 100);
    bench.session->selectLanguage(halvex::kLanguageFrench);
    QCOMPARE(box(halvex::AbgCategory::Normal)->text(), QString("Base/Acide normal"));
    QCOMPARE(page->findChild<QCheckBox *>("chkRealisticCases")->text(), QString::fromUtf8("Cas réalistes"));
}

void TestPages::statisticsFollowThePractice()
{
    PageBench bench;
    PageWidget *page = bench.make(Page::Statistics);
    bench.answerOnce(false);
    const int code = halvex::categoryCode(*bench.session->practice().teacher().generatedCategory());
    QCOMPARE(page->findChild<QLabel *>(QStringLiteral("lblStats%1").arg(code))->text(), QString("0 %"));
}

void TestPages::reviewListsTheAnswers()
{
    PageBench bench;
    PageWidget *page = bench.make(Page::Review);
    bench.answerOnce(true);
    bench.answerOnce(false);
    auto *list = page->findChild<QListWidget *>("lstAnswers");
    QCOMPARE(list->count(), 2);
    QVERIFY(list->item(0)->text().startsWith("2. Incorrect"));
    QVERIFY(list->item(1)->text().startsWith("1. Correct"));
}

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
