#pragma once

// The main window TfrmMain: the title strip, the side bar, the input panel over
// the page stack of the details area, and the status line. It reads the input
// fields, asks the engine, and shows what the engine found.

#include "AbgCategory.h"
#include "AppSettings.h"
#include "FormSettings.h"
#include "RandomSource.h"
#include "TeacherSession.h"

#include <QMainWindow>

#include <memory>
#include <string_view>
#include <utility>
#include <vector>

class AbgInputPanel;
class IndexedAction;
class ImageList;
class MessageBoxes;
class NormalValuesPage;
class PreferencesPage;
class QLabel;
class QSettings;
class SideBarGroup;
struct UnitPresentation;
class QStackedWidget;
class SamplesPage;
class SideBar;
class StatisticsPage;
class TeacherPage;

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
    TeacherPage *teacherPage() const { return m_teacherPage; }
    StatisticsPage *statisticsPage() const { return m_statisticsPage; }

    const AppSettings &appSettings() const { return m_appSettings; }

    void btnAnalyzeClick();
    void btnClearClick();
    void btnGenerateClick();

    // Units and language, run by the side bar and at start-up.
    void alBarMMHGExecute();
    void alBarKPaExecute();
    void alBarEnglishExecute();
    void alBarFrenchExecute();
    void alBarGermanExecute();
    void alBarSpanishExecute();
    // Lets a pH be typed without its point: 735, 7350 and 73500 all read as 7.35.
    void edtPhExit();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildSideBar();
    QWidget *buildDetailsArea(QWidget *parent);
    void bindFormSettings();
    void FormShow();
    void FormClose();
    void saveFormSettings();
    // FormKeyPress: Enter moves to the next control, as Tab does.
    bool FormKeyPress(QKeyEvent *event);
    IndexedAction *action(const char *name) const;
    QWidget *page(const QString &name) const;
    void switchPage(QWidget *page);
    void alBarABGHelpExecute();

    // Units.
    void selectUnit(const UnitPresentation &target);
    void applyStoredUnit();

    // Interface language.
    void selectLanguage(std::string_view key);
    // SetEnglishCaptions and SetFrenchCaptions.
    void setCaptions(bool french);
    void SetCategoryCaptions();
    void applyStoredLanguage();

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

    // The sample page.
    void sampleLabelClick(halvex::AbgCategory category);
    void ShowSample(int variant);
    void ResetSampleLabels();
    void tsSamplesShow();

    MessageBoxes &m_boxes;
    std::unique_ptr<halvex::TABG> m_abg;
    std::unique_ptr<ImageList> m_images;
    AbgInputPanel *m_input = nullptr;
    QStackedWidget *m_pages = nullptr;
    QLabel *m_statusLine = nullptr;
    SideBar *m_sideBar = nullptr;
    std::unique_ptr<QSettings> m_store;
    AppSettings m_appSettings;
    FormSettings m_formSettings;
    bool m_formSettingsSaved = false;
    std::vector<std::pair<QString, IndexedAction *>> m_actions;
    std::vector<SideBarGroup *> m_groups;
    NormalValuesPage *m_normalValues = nullptr;
    PreferencesPage *m_preferences = nullptr;
    TeacherPage *m_teacherPage = nullptr;
    StatisticsPage *m_statisticsPage = nullptr;
    SamplesPage *m_samplesPage = nullptr;
    std::vector<std::pair<IndexedAction *, QWidget *>> m_pageActions;
    std::vector<std::pair<QWidget *, void (TfrmMain::*)()>> m_pageShowHooks;
    TeacherSession m_teacher;
    bool m_shown = false;
};
