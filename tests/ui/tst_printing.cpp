#include "DialogReportRunner.h"
#include "ExerciseSheet.h"
#include "GlobalData.h"
#include "NumericSpinField.h"
#include "PrintPage.h"
#include "ReportRunner.h"
#include "TeacherPage.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryFile>
#include <QTimer>

namespace {

// Records what each run of the report was given, as the report would read it.
struct RecordingRunner final : ReportRunner {
    struct Run {
        QStringList codes;
        QStringList answers;
        QString paco2Caption;
        QString firstPaCO2;
    };
    QList<Run> *runs;

    explicit RecordingRunner(QList<Run> *into) : runs(into) {}

    void run(const Report &report) override
    {
        Run run;
        const DataTable *list = report.dataViews.value("dscABGList");
        const DataTable *answers = report.dataViews.value("dscABGResuults");
        for (int row = 0; row < list->rowCount(); ++row)
            run.codes << list->displayText(row, "ABGCode");
        for (int row = 0; row < answers->rowCount(); ++row)
            run.answers << answers->displayText(row, "Result");
        run.paco2Caption = report.parameters.value("PACO2");
        run.firstPaCO2 = list->rowCount() ? list->displayText(0, "PACO2") : QString();
        QCOMPARE(report.jobTitle, QString("ReportPrinter Report"));
        runs->append(run);
    }
};

QStringList numbered(int count)
{
    QStringList numbers;
    for (int i = 1; i <= count; ++i)
        numbers << QString::number(i);
    return numbers;
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void printPage();
    void printsTheCount();
    void refusedCounts_data();
    void refusedCounts();
    void kpaSheet();
    void frenchAnswers();
    void twoRunsInARow();
    void teacherStateIsUntouched();
    void cancellingTheOptionsEndsTheRun();
    void aFileThatCannotBeWritten();

private:
    NumericSpinField *count() const { return m_fixture.child<NumericSpinField>("spinABGCount"); }
    void print() { QTest::mouseClick(m_fixture.child<QPushButton>("btnPrintABGs"), Qt::LeftButton); }

    WindowFixture m_fixture;
    QList<RecordingRunner::Run> m_runs;
};

void TestPrinting::init()
{
    QVERIFY(m_fixture.open(99));
    m_runs.clear();
    m_fixture.window->setReportRunner(std::make_unique<RecordingRunner>(&m_runs));
    m_fixture.child<QAction>("alBarABGPrint")->trigger();
}

void TestPrinting::cleanup()
{
    m_fixture.forgetSettings();
}

void TestPrinting::printPage()
{
    QCOMPARE(count()->text(), QString("10"));
    QCOMPARE(count()->minimum(), 1.0);
    QCOMPARE(count()->maximum(), 1000.0);
    auto *button = m_fixture.child<QPushButton>("btnPrintABGs");
    QVERIFY(button->text().isEmpty());
    QVERIFY(!button->icon().isNull());
    QCOMPARE(button->width(), 65);
    QVERIFY(button->toolTip().isEmpty());
}

void TestPrinting::printsTheCount()
{
    print();
    QCOMPARE(m_runs.size(), 1);
    QCOMPARE(m_runs[0].codes, numbered(10));
    QCOMPARE(m_runs[0].answers.size(), 10);
    QCOMPARE(m_runs[0].paco2Caption, QString("(mmHg)"));
    QVERIFY(!m_runs[0].firstPaCO2.contains('.'));
    QCOMPARE(m_fixture.boxes.count(), 0);
    QCOMPARE(m_fixture.window->pcABGDetails()->currentWidget()->objectName(), QString("tsPrint"));
}

void TestPrinting::refusedCounts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty") << "ENGLISH" << "" << "Please enter a valid number";
    QTest::newRow("blanks only") << "ENGLISH" << "  " << "Please enter a valid number";
    QTest::newRow("zero") << "ENGLISH" << "0" << "Please enter a valid number";
    QTest::newRow("negative") << "ENGLISH" << "-3" << "Please enter a valid number";
    QTest::newRow("French") << "FRENCH" << "" << "Le nombre est inadmissible";
    QTest::newRow("German: no text") << "GERMAN" << "0" << "";
}

void TestPrinting::refusedCounts()
{
    QFETCH(QString, language);
    QFETCH(QString, typed);
    QFETCH(QString, message);

    halvex::CurrentLanguage = language.toStdString();
    count()->setText(typed);
    print();
    QCOMPARE(m_fixture.boxes.errors, QStringList{message});
    QVERIFY(m_runs.isEmpty());
}

void TestPrinting::kpaSheet()
{
    halvex::CurrentUnits = "KPA";
    print();
    QCOMPARE(m_runs[0].paco2Caption, QString("(KPA)"));
    QVERIFY(m_runs[0].firstPaCO2.contains(QRegularExpression("^\\d+\\.\\d$")));
}

void TestPrinting::frenchAnswers()
{
    m_fixture.child<QAction>("alBarFrench")->trigger();
    count()->setValue(40);
    print();
    bool french = false;
    for (const QString &answer : m_runs[0].answers)
        french = french || answer.contains(QString::fromUtf8("Compensée")) || answer.contains("combinée");
    QVERIFY(french);
}

void TestPrinting::twoRunsInARow()
{
    count()->setValue(25);
    print();
    count()->setValue(3);
    print();
    QCOMPARE(m_runs.size(), 2);
    QCOMPARE(m_runs[1].codes, numbered(3));
    QCOMPARE(m_runs[1].answers.size(), 3);
}

void TestPrinting::teacherStateIsUntouched()
{
    QTest::mouseClick(m_fixture.panel()->btnGenerate(), Qt::LeftButton);
    const int generated = m_fixture.window->teacher().generatedCategory();
    const QString ph = m_fixture.panel()->edtPh()->text();
    count()->setValue(200);
    print();
    QCOMPARE(m_fixture.window->teacher().generatedCategory(), generated);
    QCOMPARE(m_fixture.window->teacher().generatedCount(), 1);
    QVERIFY(m_fixture.window->teacher().awaitingAnalysis());
    QCOMPARE(m_fixture.panel()->edtPh()->text(), ph);

    QCheckBox *right = m_fixture.window->teacherPage()->checkBoxes()[std::size_t(generated)];
    QTest::mouseClick(right, Qt::LeftButton, {}, QPoint(6, right->height() / 2));
    m_fixture.window->btnAnalyzeClick();
    QCOMPARE(m_fixture.window->teacherPage()->lblResultAcidBase()->text(), QString("Correct !"));
}

void TestPrinting::cancellingTheOptionsEndsTheRun()
{
    QStringList errors;
    DialogReportRunner runner(m_fixture.window.get(), [&](const QString &text) { errors << text; });
    bool sawOptions = false;
    QTimer::singleShot(0, [&] {
        auto *options = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(options);
        sawOptions = options->windowTitle() == "Output Options";
        QVERIFY(options->findChild<QRadioButton *>()->isChecked()); // the preview comes first, chosen
        options->reject();
    });
    print();
    runner.run(m_fixture.window->exerciseSheet()->report());
    QVERIFY(sawOptions);
    QVERIFY(errors.isEmpty());
}

void TestPrinting::aFileThatCannotBeWritten()
{
    // A folder that is a file: no one can write there, not even the administrator.
    QTemporaryFile notAFolder;
    QVERIFY(notAFolder.open());
    const QString unwritable = notAFolder.fileName() + "/sheet.pdf";
    QStringList errors;
    DialogReportRunner runner(m_fixture.window.get(), [&](const QString &text) { errors << text; });
    QTimer::singleShot(0, [&] {
        auto *options = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(options);
        const QList<QRadioButton *> choices = options->findChildren<QRadioButton *>();
        choices.last()->setChecked(true); // File (PDF)
        options->findChild<QLineEdit *>()->setText(unwritable);
        options->accept();
    });
    print();
    runner.run(m_fixture.window->exerciseSheet()->report());
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].contains(unwritable), qPrintable(errors[0]));
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
