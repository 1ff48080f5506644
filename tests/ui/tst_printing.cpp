#include "report/ExerciseSheet.h"
#include "report/dialogs/DialogReportRunner.h"
#include "report/dialogs/ReportRunner.h"
#include "tests/support/WindowFixture.h"
#include "ui/ModuleReportRunner.h"
#include "ui/PrintPage.h"
#include "ui/TeacherPage.h"
#include "widgets/NumericSpinField.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
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
        QString firstReason;
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
        run.firstReason = answers->rowCount() ? answers->displayText(0, "Reason1") : QString();
        QCOMPARE(report.jobTitle, QString("ReportPrinter Report"));
        runs->append(run);
    }
};

// Runs `answer` on the next modal window, once the event loop reaches it.
void onNextModal(std::function<void(QWidget *)> answer)
{
    QTimer::singleShot(0, [answer = std::move(answer)] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        answer(modal);
    });
}

// In the output options: the PDF file destination, with this path typed.
void chooseFile(QWidget *options, const QString &path)
{
    options->findChildren<QRadioButton *>().last()->setChecked(true); // File (PDF)
    options->findChild<QLineEdit *>(QStringLiteral("filePath"))->setText(path);
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A sheet printed earlier, where the next one is to go.
bool writeOldSheet(const QString &path)
{
    QFile old(path);
    return old.open(QIODevice::WriteOnly) && old.write("old sheet") > 0;
}

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
    void answersWithTheirReasons();
    void teacherStateIsUntouched();
    void cancellingTheOptionsEndsTheRun();
    void aFileThatCannotBeWritten();
    void replacingATypedFileAsksFirst();
    void cancellingTheFileKeepsTheOldOne();
    void notAFileIsNeverReplaced();
    void messagesInFrench();
    void printingModule_data();
    void printingModule();

private:
    NumericSpinField *count() const { return m_fixture.child<NumericSpinField>("spinABGCount"); }
    void print() { QTest::mouseClick(m_fixture.child<QPushButton>("btnPrintABGs"), Qt::LeftButton); }
    // A runner with the real dialogs, telling its messages into `errors` and `notes`.
    std::unique_ptr<DialogReportRunner> dialogRunner(std::string language = "ENGLISH")
    {
        return std::make_unique<DialogReportRunner>(
            m_fixture.window.get(), ReportMessages{[this](const QString &text) { m_errors << text; },
                                                   [this](const QString &text) { m_notes << text; },
                                                   [language] { return language; }, [](QWidget *, const QString &) {}});
    }
    void runSheet(ReportRunner &runner)
    {
        print(); // fills the sheet
        runner.run(m_fixture.window->page<PrintPage>()->exerciseSheet()->report());
    }
    QStringList m_errors;
    QStringList m_notes;

    WindowFixture m_fixture;
    QList<RecordingRunner::Run> m_runs;
};

void TestPrinting::init()
{
    QVERIFY(m_fixture.open(99));
    m_runs.clear();
    m_errors.clear();
    m_notes.clear();
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

    QTest::newRow("empty") << "ENGLISH"
                           << ""
                           << "Please enter a valid number";
    QTest::newRow("blanks only") << "ENGLISH"
                                 << "  "
                                 << "Please enter a valid number";
    QTest::newRow("zero") << "ENGLISH"
                          << "0"
                          << "Please enter a valid number";
    QTest::newRow("negative") << "ENGLISH"
                              << "-3"
                              << "Please enter a valid number";
    QTest::newRow("French") << "FRENCH"
                            << ""
                            << "Le nombre est inadmissible";
    QTest::newRow("German: no text") << "GERMAN"
                                     << "0"
                                     << "";
}

void TestPrinting::refusedCounts()
{
    QFETCH(QString, language);
    QFETCH(QString, typed);
    QFETCH(QString, message);

    // The language as a user has it: German only from the settings, as no item shows it.
    if (language != "ENGLISH") {
        m_fixture.window->close();
        WindowFixture::store("AppSettings/Language", language);
        m_fixture.close();
        init();
    }
    count()->setText(typed);
    print();
    QCOMPARE(m_fixture.boxes.errors, QStringList{message});
    QVERIFY(m_runs.isEmpty());
}

void TestPrinting::kpaSheet()
{
    m_fixture.child<QAction>("alBarKPa")->trigger();
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

void TestPrinting::answersWithTheirReasons()
{
    print();
    QVERIFY(m_runs[0].firstReason.isEmpty()); // not asked for
    auto *explain = m_fixture.child<QCheckBox>("chkExplainAnswers");
    QCOMPARE(explain->text(), QString("Explain the answers"));
    QTest::mouseClick(explain, Qt::LeftButton, {}, QPoint(6, explain->height() / 2));
    print();
    QVERIFY2(m_runs[1].firstReason.startsWith("The ") || m_runs[1].firstReason.startsWith("pH, PaCO2"),
             qPrintable(m_runs[1].firstReason));
}

void TestPrinting::teacherStateIsUntouched()
{
    QTest::mouseClick(m_fixture.panel()->btnGenerate(), Qt::LeftButton);
    const std::optional<halvex::AbgCategory> generated = m_fixture.teacher().generatedCategory();
    const QString ph = m_fixture.panel()->edtPh()->text();
    count()->setValue(200);
    print();
    QCOMPARE(m_fixture.teacher().generatedCategory(), generated);
    QCOMPARE(m_fixture.teacher().generatedCount(), 1);
    QVERIFY(m_fixture.teacher().awaitingAnalysis());
    QCOMPARE(m_fixture.panel()->edtPh()->text(), ph);

    QCheckBox *right = m_fixture.answerBox(generated.value());
    QTest::mouseClick(right, Qt::LeftButton, {}, QPoint(6, right->height() / 2));
    m_fixture.panel()->btnAnalyzeClick();
    QCOMPARE((m_fixture.onPage<TeacherPage, QLabel>("lblResultAcidBase"))->text(), QString("Correct !"));
}

void TestPrinting::cancellingTheOptionsEndsTheRun()
{
    const auto runner = dialogRunner();
    bool sawOptions = false;
    onNextModal([&](QWidget *options) {
        sawOptions = options->windowTitle() == "Output Options";
        QVERIFY(options->findChild<QRadioButton *>()->isChecked()); // the preview comes first, chosen
        static_cast<QDialog *>(options)->reject();
    });
    runSheet(*runner);
    QVERIFY(sawOptions);
    QVERIFY(m_errors.isEmpty());
    QVERIFY(m_notes.isEmpty());
}

void TestPrinting::aFileThatCannotBeWritten()
{
    // A folder that is a file: no one can write there, not even the administrator.
    QTemporaryFile notAFolder;
    QVERIFY(notAFolder.open());
    const QString unwritable = notAFolder.fileName() + "/sheet.pdf";
    const auto runner = dialogRunner();
    onNextModal([&](QWidget *options) {
        chooseFile(options, unwritable);
        static_cast<QDialog *>(options)->accept();
    });
    runSheet(*runner);
    QCOMPARE(m_errors.size(), 1);
    QVERIFY2(m_errors[0].startsWith("Cannot write " + unwritable), qPrintable(m_errors[0]));
    QVERIFY(!QFileInfo::exists(unwritable));
}

void TestPrinting::replacingATypedFileAsksFirst()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sheet.pdf");
    QVERIFY(writeOldSheet(path));
    const auto runner = dialogRunner();

    // No: the options stay open, and nothing is written.
    QString question;
    bool optionsStillOpen = false;
    onNextModal([&](QWidget *options) {
        chooseFile(options, path);
        onNextModal([&](QWidget *box) {
            question = static_cast<QMessageBox *>(box)->text();
            static_cast<QMessageBox *>(box)->button(QMessageBox::No)->click();
        });
        static_cast<QDialog *>(options)->accept();
        optionsStillOpen = options->isVisible();
        static_cast<QDialog *>(options)->reject();
    });
    runSheet(*runner);
    QCOMPARE(question, path + " already exists. Do you want to replace it?");
    QVERIFY(optionsStillOpen);
    QCOMPARE(contentsOf(path), QByteArray("old sheet"));

    // Yes: the sheet replaces it.
    onNextModal([&](QWidget *options) {
        chooseFile(options, path);
        onNextModal([](QWidget *box) { static_cast<QMessageBox *>(box)->button(QMessageBox::Yes)->click(); });
        static_cast<QDialog *>(options)->accept();
    });
    runSheet(*runner);
    QVERIFY(contentsOf(path).startsWith("%PDF"));
    QVERIFY(m_errors.isEmpty());
}

void TestPrinting::cancellingTheFileKeepsTheOldOne()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sheet.pdf");
    QVERIFY(writeOldSheet(path));
    count()->setValue(1000); // many pages, to cancel in between
    const auto runner = dialogRunner();
    onNextModal([&](QWidget *options) {
        chooseFile(options, path);
        onNextModal([&](QWidget *box) {
            static_cast<QMessageBox *>(box)->button(QMessageBox::Yes)->click();
            // The next events are handled while the pages are produced.
            QTimer::singleShot(0, [&] { m_fixture.window->findChild<QProgressDialog *>()->cancel(); });
        });
        static_cast<QDialog *>(options)->accept();
    });
    runSheet(*runner);
    QCOMPARE(contentsOf(path), QByteArray("old sheet"));
    QCOMPARE(m_notes, QStringList{"Writing was cancelled: " + path + " was not written."});
    QVERIFY(m_errors.isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"sheet.pdf"}); // no temporary file left
}

void TestPrinting::notAFileIsNeverReplaced()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("sheet.pdf");
    QVERIFY(QDir().mkpath(folder + "/inside"));
    const auto runner = dialogRunner();
    onNextModal([&](QWidget *options) {
        chooseFile(options, folder);
        onNextModal([](QWidget *box) { static_cast<QMessageBox *>(box)->button(QMessageBox::Yes)->click(); });
        static_cast<QDialog *>(options)->accept();
    });
    runSheet(*runner);
    QCOMPARE(m_errors.size(), 1);
    QVERIFY2(m_errors[0].contains("not a regular file"), qPrintable(m_errors[0]));
    QVERIFY(QFileInfo(folder + "/inside").isDir());
}

void TestPrinting::messagesInFrench()
{
    QTemporaryFile notAFolder;
    QVERIFY(notAFolder.open());
    const QString unwritable = notAFolder.fileName() + "/sheet.pdf";
    const auto runner = dialogRunner("FRENCH");
    QString emptyName;
    onNextModal([&](QWidget *options) {
        chooseFile(options, QString());
        onNextModal([&](QWidget *box) {
            emptyName = static_cast<QMessageBox *>(box)->text();
            static_cast<QMessageBox *>(box)->accept();
        });
        static_cast<QDialog *>(options)->accept(); // refused: no file named
        chooseFile(options, unwritable);
        static_cast<QDialog *>(options)->accept();
    });
    runSheet(*runner);
    QCOMPARE(emptyName, QString::fromUtf8("Veuillez nommer le fichier PDF à écrire."));
    QCOMPARE(m_errors.size(), 1);
    QVERIFY2(m_errors[0].startsWith(QString::fromUtf8("Impossible d'écrire ") + unwritable), qPrintable(m_errors[0]));
}

// The window's runner: the printing module loaded at the first run and kept for
// the next; a module that cannot be loaded is told in the interface language,
// and nothing else happens.
void TestPrinting::printingModule_data()
{
    QTest::addColumn<QString>("module");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("error"); // how the message begins; none: the options are offered

    const QString missing = QDir(QDir::tempPath()).filePath("no-such-folder/halvex-printing.so");
    QTest::newRow("loaded") << QString(HALVEX_PRINTING_MODULE_PATH) << "ENGLISH" << QString();
    QTest::newRow("missing") << missing << "ENGLISH"
                             << "Printing is not available: its module " + missing + " could not be loaded (";
    QTest::newRow("missing, in French") << missing << "FRENCH"
                                        << QString::fromUtf8("L'impression n'est pas disponible : son module ")
                                               + missing + " n'a pas pu être chargé (";
    // A file that is there but is no library.
    QTest::newRow("not a library") << QString(HALVEX_LICENSE_PATH) << "ENGLISH"
                                   << "Printing is not available: its module " + QString(HALVEX_LICENSE_PATH)
                                          + " could not be loaded (";
}

void TestPrinting::printingModule()
{
    QFETCH(QString, module);
    QFETCH(QString, language);
    QFETCH(QString, error);

    ModuleReportRunner runner(m_fixture.window.get(),
                              ReportMessages{[this](const QString &text) { m_errors << text; },
                                             [this](const QString &text) { m_notes << text; },
                                             [language] { return language.toStdString(); },
                                             [](QWidget *, const QString &) {}},
                              module);
    for (int run = 0; run < 2; ++run) {
        bool sawOptions = false;
        if (error.isEmpty()) {
            onNextModal([&](QWidget *options) {
                sawOptions = options->windowTitle() == "Output Options";
                static_cast<QDialog *>(options)->reject();
            });
        }
        runSheet(runner);
        QCOMPARE(sawOptions, error.isEmpty());
    }
    QCOMPARE(m_errors.size(), error.isEmpty() ? 0 : 2);
    for (const QString &said : std::as_const(m_errors))
        QVERIFY2(said.startsWith(error) && said.endsWith(").") && said.size() > error.size() + 2, qPrintable(said));
    QVERIFY(m_notes.isEmpty());
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
