#pragma once

// The main window TfrmMain: the title strip, the side bar, the input panel over
// the page stack of the details area, and the status line. It reads the input
// fields, asks the engine, and shows what the engine found.
//
// Its handlers are spread over a few files by subject: MainForm.cpp (the frame
// and the pages), MainFormAnalyze.cpp, MainFormTeacher.cpp, MainFormSettings.cpp
// (settings, units, language, preferences), MainFormPrint.cpp and MainFormHelp.cpp.

#include "AbgCategory.h"
#include "AppSettings.h"
#include "FormSettings.h"
#include "RandomSource.h"
#include "TeacherSession.h"

#include <QMainWindow>

#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

class AbgInputPanel;
class AboutPage;
class Desktop;
class ExerciseSheet;
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
    const TeacherSession &teacher() const { return m_teacher; }

    // The pages' contents are built the first time they are shown or needed,
    // and then brought up to date with the window's state.
    TeacherPage *teacherPage();
    StatisticsPage *statisticsPage();
    SamplesPage *samplesPage();
    NormalValuesPage *normalValuesPage();
    PreferencesPage *preferencesPage();
    PrintPage *printPage();

    // The sheet of the last print; null before the first.
    const ExerciseSheet *exerciseSheet() const { return m_sheet.get(); }
    // Where the exercise sheet goes when printed: the output dialogs, or a test's recorder.
    void setReportRunner(std::unique_ptr<ReportRunner> runner);
    // What opens addresses, documents and the help: the desktop, or a test's recorder.
    void setDesktop(std::unique_ptr<Desktop> desktop);
    // The folder that holds Help/ and License.txt: the program's own, unless a test says otherwise.
    void setProgramFolder(const QString &folder) { m_programFolder = folder; }
    AboutPage *aboutPage();

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
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Verdict { None, Correct, Incorrect };

    // The frame.
    void buildSideBar();
    void buildDetailsArea(QWidget *parent, const QRect &area);
    IndexedAction *action(const char *name) const;
    QWidget *page(const QString &name) const;
    void switchPage(QWidget *page);
    // The page's show hook, if it has one: run by every switch to it, and for
    // the page restored at start-up once the window is shown.
    void runShowHook(QWidget *page);

    // Help, About and links.
    void alBarABGHelpExecute();
    void alBarABGWebsiteExecute();
    void lblWebsiteClick();
    void lblEmailSalesClick();
    void lblEmailSupportClick();
    void lblLicenseAgreementClick();
    // FormKeyPress: Enter moves to the next control, as Tab does.
    bool FormKeyPress(QKeyEvent *event);

    // The pages built when first needed.
    template <typename Page>
    Page *built(Page *&content, const char *pageName);
    void buildPage(QWidget *page);
    void bringUpToDate(QWidget *content);

    // Life cycle and settings.
    void bindFormSettings();
    void FormShow();
    void FormClose();
    void saveFormSettings();

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

    // Preferences.
    void applyStoredDecimals();
    void tsUserPrefsShow();
    void btnSaveClick();
    void btnDefaultsClick();

    // Teacher mode.
    void CreateCategoryStats();
    // The click handler of the fifteen answer boxes: exactly the clicked one stays ticked.
    void chkNormalClick(int code);
    void ClearCategoryChecks();
    bool AnyCategoryTicked() const;
    void ScoreTeacherAnswer();
    void showVerdict(Verdict verdict);
    void showCategoryStats(int code);

    // The sample page.
    void sampleLabelClick(halvex::AbgCategory category);
    void ShowSample(int variant);
    void ResetSampleLabels();
    void tsSamplesShow();

    MessageBoxes &m_boxes;
    std::unique_ptr<halvex::TABG> m_abg;
    std::unique_ptr<ImageList> m_images;
    std::unique_ptr<QSettings> m_store;
    AppSettings m_appSettings;
    FormSettings m_formSettings;
    bool m_formSettingsSaved = false;
    bool m_shown = false;

    AbgInputPanel *m_input = nullptr;
    QStackedWidget *m_pages = nullptr;
    QLabel *m_statusLine = nullptr;
    SideBar *m_sideBar = nullptr;
    std::vector<std::pair<QString, IndexedAction *>> m_actions;
    std::vector<SideBarGroup *> m_groups;
    std::vector<std::pair<IndexedAction *, QWidget *>> m_pageActions;
    std::vector<std::pair<QWidget *, void (TfrmMain::*)()>> m_pageShowHooks;

    TeacherPage *m_teacherPage = nullptr;
    StatisticsPage *m_statisticsPage = nullptr;
    SamplesPage *m_samplesPage = nullptr;
    NormalValuesPage *m_normalValues = nullptr;
    PreferencesPage *m_preferences = nullptr;
    PrintPage *m_printPage = nullptr;
    AboutPage *m_aboutPage = nullptr;

    // What the pages show, kept here for the pages not built yet.
    const UnitPresentation *m_units = nullptr;
    std::optional<bool> m_frenchCaptions; // the caption set last written, if any
    QTranslator *m_qtTexts = nullptr;
    Verdict m_verdict = Verdict::None;
    int m_gauge = 0;

    TeacherSession m_teacher;
    std::unique_ptr<ExerciseSheet> m_sheet; // the two lists of printing
    std::unique_ptr<ReportRunner> m_reportRunner;
    std::unique_ptr<Desktop> m_desktop;
    QString m_programFolder;
};
