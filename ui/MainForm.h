#pragma once

// The main window TfrmMain: the title strip, the side bar, the input panel over
// the page stack of the details area, and the status line. It reads the input
// fields, asks the engine, and shows what the engine found.
//
// Its handlers are spread over a few files by subject: MainForm.cpp (the frame),
// MainFormPages.cpp (the page table and the page switch), MainFormLifeCycle.cpp
// (creation, first showing, closing and the settings), MainFormAnalyze.cpp,
// MainFormTeacher.cpp (teacher mode and the sample page), MainFormUnits.cpp
// (units and decimal preferences), MainFormLanguage.cpp, MainFormPrint.cpp and
// MainFormHelp.cpp; MainFormAccessibility.cpp names the controls for screen readers.

#include "engine/AbgCategory.h"
#include "engine/BloodGasSample.h"
#include "engine/Explanation.h"
#include "settings/AppSettings.h"
#include "settings/FormSettings.h"
#include "language/OwnTexts.h"
#include "engine/Presentation.h"
#include "engine/RandomSource.h"
#include "ui/SideBarActions.h"
#include "engine/InputValidation.h"
#include "teaching/SessionReview.h"
#include "teaching/TeacherSession.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class AbgInputPanel;
class AboutPage;
class Desktop;
class ExerciseSheet;
class ExplanationPage;
class FileDialogs;
class ReviewPage;
class IndexedAction;
class ImageList;
class MessageBoxes;
class NormalValuesPage;
class PreferencesPage;
class PrintPage;
class QLabel;
class QSettings;
class QStackedWidget;
class QTranslator;
class ReportRunner;
class SamplesPage;
class SideBar;
class SideBarGroup;
class StatisticsPage;
class TeacherPage;
struct UnitPresentation;

namespace halvex {
class TABG;
}

class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    // The seed source feeds the window's one generator (the clock, or a fixed sequence in tests).
    explicit TfrmMain(MessageBoxes &boxes, halvex::SeedSource seeds = halvex::clockSeed, QWidget *parent = nullptr);
    ~TfrmMain() override;

    AbgInputPanel *inputPanel() const { return m_input; }
    QStackedWidget *pcABGDetails() const { return m_pages; }
    QLabel *statusLine() const { return m_statusLine; }
    halvex::TABG &generator() const { return *m_abg; }
    const halvex::TeacherSession &teacher() const { return m_teacher; }
    // The unit and the language in force.
    const halvex::Presentation &presentation() const { return m_presentation; }

    // The pages' contents are built the first time they are shown or needed,
    // and then brought up to date with the window's state.
    TeacherPage *teacherPage();
    StatisticsPage *statisticsPage();
    SamplesPage *samplesPage();
    NormalValuesPage *normalValuesPage();
    PreferencesPage *preferencesPage();
    PrintPage *printPage();
    AboutPage *aboutPage();

    // The sheet of the last print; null before the first.
    const ExerciseSheet *exerciseSheet() const { return m_sheet.get(); }
    // Where the exercise sheet goes when printed: the output dialogs, or a test's recorder.
    void setReportRunner(std::unique_ptr<ReportRunner> runner);
    // What opens addresses, documents and the help: the desktop, or a test's recorder.
    void setDesktop(std::unique_ptr<Desktop> desktop);
    // What asks for a file to save into: Qt's file dialog, or a test's recorder.
    void setFileDialogs(std::unique_ptr<FileDialogs> dialogs);
    // The folder that holds Help/ and License.txt: the program's own, unless a test says otherwise.
    void setProgramFolder(const QString &folder) { m_programFolder = folder; }

    void btnAnalyzeClick();
    void btnClearClick();
    void btnGenerateClick();
    void btnPrintABGsClick();
    // Lets a pH be typed without its point: 735, 7350 and 73500 all read as 7.35.
    void edtPhExit();

    // Units and language, run by the side bar and at start-up.
    void alBarMMHGExecute();
    void alBarKPaExecute();
    void alBarEnglishExecute();
    void alBarFrenchExecute();
    void alBarGermanExecute();
    void alBarSpanishExecute();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    enum class Verdict { None, Correct, Incorrect };
    // One row per page: what it is called, which action shows it, how it is
    // built and brought up to date, and what runs when it is shown.
    struct PageRow {
        Page page;
        const char *name; // its object name, kept as pcABGDetails.ActivePage
        BarAction action; // the side-bar action that shows it
        QWidget *(TfrmMain::*build)(QWidget *host); // builds its content, connected and up to date
        void (TfrmMain::*showHook)();               // runs each time it is shown, if any
    };
    static const std::array<PageRow, kPageCount> &pageRows();

    // The frame, in the order the constructor makes it.
    QWidget *createTitleStrip(QWidget *client);
    QWidget *createMainArea(QWidget *client);
    void createSideBar(QWidget *client);
    void createStatusLine();
    void connectHandlers();
    void restoreWindowSettings();
    IndexedAction *action(BarAction which) const { return m_actions[static_cast<std::size_t>(which)]; }

    // The pages.
    QWidget *pageHost(Page page) const;
    std::optional<Page> pageNamed(const QString &name) const;
    // The page's content, built if need be.
    QWidget *content(Page page);
    // The page's content as its own class, which the build sets.
    template <typename Content>
    Content *built(Page page, Content *const &member);
    void switchPage(Page page);
    // The page's show hook, if it has one: run by every switch to it, and for
    // the page restored at start-up once the window is shown.
    void runShowHook(Page page);
    QWidget *buildTeacherPage(QWidget *host);
    QWidget *buildNormalValuesPage(QWidget *host);
    QWidget *buildPreferencesPage(QWidget *host);
    QWidget *buildHelpPage(QWidget *host);
    QWidget *buildAboutPage(QWidget *host);
    QWidget *buildSamplesPage(QWidget *host);
    QWidget *buildStatisticsPage(QWidget *host);
    QWidget *buildPrintPage(QWidget *host);
    QWidget *buildExplanationPage(QWidget *host);
    QWidget *buildReviewPage(QWidget *host);

    // Help, About and links.
    void alBarABGHelpExecute();
    void alBarABGWebsiteExecute();
    void openAddress(const QString &address);
    void lblWebsiteClick();
    void lblEmailSalesClick();
    void lblEmailSupportClick();
    void lblLicenseAgreementClick();
    // FormKeyPress: Enter moves to the next control, as Tab does.
    void FormKeyPress();

    // Life cycle and settings.
    void bindFormSettings();
    void FormShow();
    void FormClose();
    void saveApplicationSettings();
    void checkSettingsWritten();

    // Units.
    void selectUnit(const UnitPresentation &target);
    void applyStoredUnit();

    // Interface language.
    void selectLanguage(std::string_view key);
    // SetEnglishCaptions and SetFrenchCaptions, on the whole window.
    void setCaptions(bool french);
    // The caption set last written, on the controls below `root`.
    void writeCaptions(const QObject &root);
    void SetCategoryCaptions();
    void applyStoredLanguage();
    // Qt's own texts (standard buttons, the print and page set-up dialogs) in French or in English.
    void useQtTexts(bool french);

    // Accessible names, in the language of the captions.
    QString ownText(halvex::OwnText text) const;
    // Our own controls' captions and every control's accessible name.
    void nameControls();
    void nameStatistics(halvex::AbgCategory category);

    // Preferences.
    void applyStoredDecimals();
    void tsUserPrefsShow();
    void btnSaveClick();
    void btnDefaultsClick();

    // Teacher mode.
    void CreateCategoryStats();
    // The click handler of the fifteen answer boxes: exactly the clicked one stays ticked.
    void chkNormalClick(halvex::AbgCategory category);
    void ClearCategoryChecks();
    bool AnyCategoryTicked() const;
    void ScoreTeacherAnswer();
    void showVerdict(Verdict verdict);
    void showCategoryStats(halvex::AbgCategory category);
    void showTeacherState();

    // The explanation of the last Analyze, on its page if it is built.
    struct AnswerVerdict {
        bool correct;
        std::optional<halvex::AbgCategory> generated;
        halvex::AbgCategory chosen;
    };
    void showExplanation();
    // The fields no longer hold what was explained: the page says nothing is analysed yet.
    void forgetExplanation();
    QString explanationHtml(const halvex::BloodGasSample &sample, const std::optional<AnswerVerdict> &verdict,
                            halvex::CaseOrigin origin) const;
    // Where the values in the fields come from, from now on.
    // The fields now hold values from `origin` other than the case Generate made:
    // the case is left, its answer boxes cleared, and nothing is explained yet.
    void fieldsWritten(halvex::CaseOrigin origin);
    std::string verdictLine(const AnswerVerdict &verdict) const;

    // The review of the session's answers.
    void recordAnswer(const halvex::AbgInput &input);
    void showReview();
    void showReviewedAnswer();
    void showPracticeFocus();
    void loadReviewedAnswer();
    void saveReview();
    // The practice option: Generate favours the categories answered wrong.
    void chkPracticeWeakClick(bool on);

    // The sample page.
    void sampleLabelClick(halvex::AbgCategory category);
    void ShowSample(int variant);
    void tsSamplesShow();

    MessageBoxes &m_boxes;
    std::unique_ptr<halvex::TABG> m_abg;
    std::unique_ptr<ImageList> m_images;
    std::unique_ptr<QSettings> m_store;
    AppSettings m_appSettings;
    FormSettings m_formSettings;
    bool m_shown = false;
    bool m_toldSettingsUnsaved = false;

    AbgInputPanel *m_input = nullptr;
    QStackedWidget *m_pages = nullptr;
    QLabel *m_statusLine = nullptr;
    SideBar *m_sideBar = nullptr;
    std::array<IndexedAction *, kBarActionCount> m_actions{};
    std::array<SideBarGroup *, 3> m_groups{};
    std::array<QWidget *, kPageCount> m_contents{}; // built so far

    TeacherPage *m_teacherPage = nullptr;
    StatisticsPage *m_statisticsPage = nullptr;
    SamplesPage *m_samplesPage = nullptr;
    NormalValuesPage *m_normalValues = nullptr;
    PreferencesPage *m_preferences = nullptr;
    PrintPage *m_printPage = nullptr;
    AboutPage *m_aboutPage = nullptr;
    ExplanationPage *m_explanationPage = nullptr;
    ReviewPage *m_reviewPage = nullptr;

    // What the pages show, kept here for the pages not built yet.
    halvex::Presentation m_presentation;
    std::optional<bool> m_frenchCaptions; // the caption set last written, if any
    QTranslator *m_qtTexts = nullptr;
    Verdict m_verdict = Verdict::None;
    // The last blood gas assessed (in mmHg), and the scored answer on it, if any.
    std::optional<halvex::BloodGasSample> m_explained;
    halvex::CaseOrigin m_explainedOrigin = halvex::CaseOrigin::Typed;
    // Where the values in the fields come from: the generator (Generate, a sample,
    // a reviewed answer) until the user changes one or clears them.
    halvex::CaseOrigin m_fieldsOrigin = halvex::CaseOrigin::Typed;
    std::optional<AnswerVerdict> m_answerVerdict;
    halvex::SessionReview m_review;
    std::vector<std::size_t> m_reviewRows; // the answers listed, newest first
    std::optional<int> m_lastVariant;      // of the last sample the Generate button made
    int m_gauge = 0;

    halvex::TeacherSession m_teacher;
    std::unique_ptr<ExerciseSheet> m_sheet; // the two lists of printing
    std::unique_ptr<ReportRunner> m_reportRunner;
    std::unique_ptr<Desktop> m_desktop;
    std::unique_ptr<FileDialogs> m_fileDialogs;
    QString m_programFolder;
};
