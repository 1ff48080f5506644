#pragma once

// The main window TfrmMain, a shell: the title strip, the side bar, the input
// panel over the page stack of the details area, and the status line; its
// life cycle and its settings; and the page table, whose rows make the pages
// the first time they are shown. The pages and the input panel own their
// behaviour and meet only in the window's session.
//
// MainForm.cpp makes the frame, MainFormPages.cpp holds the page table and the
// page switch, MainFormSideBar.cpp what the side bar's own items do (units,
// languages, help and the web site), MainFormLifeCycle.cpp the first showing,
// the closing and the settings.

#include "engine/RandomSource.h"
#include "settings/FormSettings.h"
#include "ui/PageContext.h"
#include "ui/SideBarActions.h"

#include <QKeySequence>
#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>

class AbgInputPanel;
class ImageList;
class IndexedAction;
class PageWidget;
class QLabel;
class QStackedWidget;
class QTranslator;
class SideBar;
class SideBarGroup;
class WindowSession;

class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    // The seed source feeds the window's one generator (the clock, or a fixed sequence in tests).
    explicit TfrmMain(MessageBoxes &boxes, halvex::SeedSource seeds = halvex::clockSeed, QWidget *parent = nullptr);
    ~TfrmMain() override;

    // One row a page: its object name (the stored pcABGDetails.ActivePage), the
    // side-bar action that shows it, what makes it, for the help what the
    // action does instead of switching when the help book is at hand, and the
    // keys that run the action from anywhere in the window: the desktop's own
    // shortcut, and ours, which works whatever the desktop binds (often nothing).
    struct PageRow {
        Page page;
        const char *name;
        BarAction action;
        PageWidget *(*make)(PageContext &context, QWidget *host);
        bool (*opensInstead)(PageContext &context) = nullptr;
        QKeySequence::StandardKey desktopKeys = QKeySequence::UnknownKey;
        QKeyCombination keys = {};
    };
    static const std::array<PageRow, kPageCount> &pageRows();

    AbgInputPanel *inputPanel() const { return m_input; }
    QStackedWidget *pcABGDetails() const { return m_pages; }
    QLabel *statusLine() const { return m_statusLine; }
    WindowSession &session() const { return *m_session; }

    // A page, made the first time it is shown or asked for.
    template <typename T>
    T *page()
    {
        return static_cast<T *>(content(T::kPage));
    }

    // Where the exercise sheet goes when printed: the output dialogs, or a test's recorder.
    void setReportRunner(std::unique_ptr<ReportRunner> runner);
    // What opens addresses, documents and the help: the desktop, or a test's recorder.
    void setDesktop(std::unique_ptr<Desktop> desktop);
    // What asks for a file to save into: Qt's file dialog, or a test's recorder.
    void setFileDialogs(std::unique_ptr<FileDialogs> dialogs);
    // The folder that holds Help/ and License.txt: the program's own, unless a test says otherwise.
    void setProgramFolder(const QString &folder) { m_seams.programFolder = folder; }

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
    // The frame, in the order the constructor makes it.
    void createTitleStrip(QWidget *client);
    void createMainArea(QWidget *client);
    void createSideBar(QWidget *client);
    void createStatusLine();
    void connectHandlers();
    void restoreWindowSettings();
    IndexedAction *action(BarAction which) const { return m_actions[static_cast<std::size_t>(which)]; }

    // The pages.
    std::optional<Page> pageNamed(const QString &name) const;
    // The page's content, made if need be.
    PageWidget *content(Page page);
    // The page action's handler: the page shown, the arrow at its item.
    void showPage(Page page);
    void switchPage(Page page);
    // The page restored from the settings, made and shown after the window's first frame.
    void showRestoredPage();
    // A page the user asked for: shown, and the focus in it, so that a screen reader says where it went.
    void goToPage(Page page);
    // Each page made so far named as its item, in the language in force.
    void namePages();
    // The page shown told to a screen reader as the one chosen, wherever the arrow stands.
    void showPageChosen();
    // F6 and Shift+F6: the focus to the next or previous place of the window
    // (the input fields, the page shown, the side bar).
    void focusNextPlace(int step);

    // The side bar's own items.
    void alBarABGHelpExecute();
    void alBarABGWebsiteExecute();
    // The marker image at a choice's item (-1: none), and the choice chosen while it shows one.
    void markChoice(BarAction which, int image);
    // FormKeyPress: Enter moves to the next control, as Tab does.
    void FormKeyPress();
    void showUnitTicks();
    void showLanguage();
    // Qt's own texts (standard buttons, the print and page set-up dialogs) in French or in English.
    void useQtTexts(bool french);

    // Life cycle and settings.
    void bindFormSettings();
    void FormShow();
    void FormClose();

    Seams m_seams;
    WindowSession *m_session;
    PageContext m_context;
    std::unique_ptr<ImageList> m_images;
    FormSettings m_formSettings;
    bool m_shown = false;
    bool m_restoredPagePending = false; // until the first frame is painted or a page is chosen

    AbgInputPanel *m_input = nullptr;
    QStackedWidget *m_pages = nullptr;
    QLabel *m_statusLine = nullptr;
    SideBar *m_sideBar = nullptr;
    std::array<IndexedAction *, kBarActionCount> m_actions{};
    std::array<SideBarGroup *, kBarGroupCount> m_groups{};
    std::array<PageWidget *, kPageCount> m_contents{}; // made so far
    QTranslator *m_qtTexts = nullptr;
};
