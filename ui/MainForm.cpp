#include "ui/MainForm.h"

#include "resources/artwork/Artwork.h"
#include "ui/AbgInputPanel.h"
#include "ui/ModuleReportRunner.h"
#include "ui/PageWidget.h"
#include "ui/QtDesktop.h"
#include "ui/QtFileDialogs.h"
#include "ui/WindowSession.h"
#include "widgets/AccessibleInterfaces.h"
#include "widgets/Announcer.h"
#include "widgets/Hints.h"
#include "widgets/ImageList.h"
#include "widgets/IndexedAction.h"
#include "widgets/NumericSpinField.h"
#include "widgets/SideBar.h"
#include "widgets/SideBarGroup.h"
#include "widgets/StatusHints.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QShortcut>
#include <QStackedWidget>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr QSize kDesignedClientSize{807, 498};
constexpr int kTitleHeight = 49;
constexpr int kSideBarWidth = 185;
constexpr int kStatusHeight = 19;
constexpr int kInputPanelHeight = 188;
// The body as designed, taller only where the items added to the side bar need
// it to show every group expanded.
constexpr int kBodyHeight = [] {
    int groupHeights = 0;
    for (const BarGroupRow &row : kBarGroups)
        groupHeights += barGroupHeight(row.group);
    return std::max(kDesignedClientSize.height() - kTitleHeight - kStatusHeight,
                    SideBar::heightFor(groupHeights, kBarGroupCount));
}();
constexpr QSize kClientSize{kDesignedClientSize.width(), kTitleHeight + kBodyHeight + kStatusHeight};

constexpr std::array<artwork::GroupIcon, kBarGroupCount> kGroupIcons{artwork::GroupIcon::Abg, artwork::GroupIcon::Units,
                                                                     artwork::GroupIcon::Language};

} // namespace

TfrmMain::TfrmMain(MessageBoxes &boxes, halvex::SeedSource seeds, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_seams{boxes, std::make_unique<QtDesktop>(this), std::make_unique<QtFileDialogs>(this), nullptr,
              QCoreApplication::applicationDirPath()}
    , m_session(new WindowSession(std::move(seeds), this))
    , m_context{*m_session, m_seams}
    , m_images(std::make_unique<ImageList>(QSize(16, 16)))
    , m_formSettings(QStringLiteral("frmMain"))
{
    m_seams.reportRunner = std::make_unique<ModuleReportRunner>(
        this,
        ReportMessages{[this](const QString &text) { m_seams.boxes.error(text); },
                       [this](const QString &text) { m_seams.boxes.information(text); },
                       [this] { return m_session->presentation().language; }, &Announcer::announce},
        QDir(m_seams.programFolder).filePath(QStringLiteral(HALVEX_PRINTING_MODULE)));
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Halvex"));
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(12);
    setFont(arial);
    setFixedSize(kClientSize);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("pnlClient"));
    setCentralWidget(client);
    createTitleStrip(client);
    createMainArea(client);
    createSideBar(client);
    createStatusLine();
    connectHandlers();
    restoreWindowSettings();
    m_input->retranslate();
    showLanguage();
}

TfrmMain::~TfrmMain()
{
    // FormDestroy: the statistics and the generator go with the window's session.
    // The fields lose the focus while they are destroyed, after this window has gone.
    m_input->edtPh()->setExitHandler(nullptr);
}

void TfrmMain::createTitleStrip(QWidget *client)
{
    auto *outer = new QFrame(client);
    outer->setObjectName(QStringLiteral("Panel1"));
    outer->setGeometry(0, 0, kClientSize.width(), kTitleHeight);
    outer->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    outer->setLineWidth(2);
    outer->setAutoFillBackground(true);
    // Both colours fixed, as designed: maroon on light blue on any desktop.
    QPalette palette = outer->palette();
    palette.setColor(QPalette::Window, QColor(214, 223, 247));
    palette.setColor(QPalette::WindowText, QColor(128, 0, 0));
    outer->setPalette(palette);

    auto *title = new QLabel(QStringLiteral("Arterial Blood Gas Analyzer"), outer);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setFrameStyle(QFrame::Panel | QFrame::Raised);
    title->setLineWidth(2);
    title->setAlignment(Qt::AlignCenter);
    QFont font = title->font();
    font.setPixelSize(32);
    title->setFont(font);
    title->setGeometry(2, 2, kClientSize.width() - 4, kTitleHeight - 4);
}

// The input panel over the details area, whose page stack is placed, not laid
// out: a layout would ask every page for its size hint while the window opens.
void TfrmMain::createMainArea(QWidget *client)
{
    auto *mainArea = new QWidget(client);
    mainArea->setObjectName(QStringLiteral("pnlMain"));
    mainArea->setGeometry(kSideBarWidth, kTitleHeight, kClientSize.width() - kSideBarWidth, kBodyHeight);
    m_input = new AbgInputPanel(m_context, mainArea);
    m_input->setGeometry(0, 0, mainArea->width(), kInputPanelHeight);

    auto *details = new QWidget(mainArea);
    details->setObjectName(QStringLiteral("pnlDetails"));
    details->setGeometry(0, kInputPanelHeight, mainArea->width(), kBodyHeight - kInputPanelHeight);
    m_pages = new QStackedWidget(details);
    m_pages->setObjectName(QStringLiteral("pcABGDetails"));
    m_pages->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_pages->setGeometry(0, 0, details->width() - 2, details->height() - 2);
    for (const PageRow &row : pageRows()) {
        auto *host = new QWidget;
        host->setObjectName(QString::fromLatin1(row.name));
        auto *layout = new QVBoxLayout(host);
        layout->setContentsMargins(0, 0, 0, 0);
        m_pages->addWidget(host);
    }
    // A page's content is made when it is first shown (content()); the page
    // restored at start-up is made after the window's first frame.
    m_pages->installEventFilter(this);
}

void TfrmMain::createSideBar(QWidget *client)
{
    m_images->add(artwork::tickMarker());
    m_images->add(artwork::arrowMarker());
    m_sideBar = new SideBar(client);
    m_sideBar->setGeometry(0, kTitleHeight, kSideBarWidth, kBodyHeight);

    for (const BarGroupRow &row : kBarGroups) {
        SideBarGroup *group = m_sideBar->addGroup(QString::fromLatin1(row.name), QString::fromLatin1(row.caption),
                                                  artwork::groupIcon(kGroupIcons[static_cast<std::size_t>(row.group)]));
        group->setExpandedHeight(barGroupHeight(row.group));
        m_groups[static_cast<std::size_t>(row.group)] = group;
    }
    m_groups[static_cast<std::size_t>(BarGroup::Abg)]->setToolTipsShown(true);

    for (const BarActionRow &row : kBarActions) {
        auto *action = new IndexedAction(QString::fromUtf8(row.caption), *m_images, this);
        action->setObjectName(QString::fromLatin1(row.action));
        action->setImageIndex(row.designedImage);
        setHint(action, QString::fromUtf8(row.hint));
        // Every item marks a choice (a page, a unit, a language) but the web site, which is an address.
        const SideBarItem::Kind kind =
            row.id == BarAction::Website ? SideBarItem::Kind::Link : SideBarItem::Kind::Choice;
        m_groups[static_cast<std::size_t>(row.group)]->addItem(action, QString::fromLatin1(row.item), kind,
                                                               row.shown != Shown::Hidden,
                                                               QString::fromUtf8(row.itemCaption));
        m_actions[static_cast<std::size_t>(row.id)] = action;
    }
}

void TfrmMain::createStatusLine()
{
    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    status->setFixedHeight(kStatusHeight);
    m_statusLine = new QLabel(status);
    m_statusLine->setObjectName(QStringLiteral("StatusBar1Text"));
    status->addWidget(m_statusLine, 1);
    setStatusBar(status);
    new StatusHints(this, m_statusLine);
}

void TfrmMain::connectHandlers()
{
    for (const PageRow &row : pageRows()) {
        IndexedAction *pageAction = action(row.action);
        connect(pageAction, &QAction::triggered, this, [this, page = row.page] { goToPage(page); });
        QList<QKeySequence> keys = QKeySequence::keyBindings(row.desktopKeys);
        if (row.keys != QKeyCombination() && !keys.contains(QKeySequence(row.keys)))
            keys.append(QKeySequence(row.keys));
        if (!keys.isEmpty()) {
            pageAction->setShortcuts(keys);
            addAction(pageAction); // the window's: its keys work wherever the focus is in it
        }
    }
    const std::pair<BarAction, void (TfrmMain::*)()> handlers[] = {
        {BarAction::MmHg, &TfrmMain::alBarMMHGExecute},          {BarAction::Kpa, &TfrmMain::alBarKPaExecute},
        {BarAction::English, &TfrmMain::alBarEnglishExecute},    {BarAction::French, &TfrmMain::alBarFrenchExecute},
        {BarAction::German, &TfrmMain::alBarGermanExecute},      {BarAction::Spanish, &TfrmMain::alBarSpanishExecute},
        {BarAction::Website, &TfrmMain::alBarABGWebsiteExecute},
    };
    for (const auto &[which, handler] : handlers)
        connect(action(which), &QAction::triggered, this, handler);

    connect(m_session, &WindowSession::pageRequested, this, &TfrmMain::goToPage);
    connect(m_session, &WindowSession::unitChanged, this, &TfrmMain::showUnitTicks);
    connect(m_session, &WindowSession::languageChanged, this, &TfrmMain::showLanguage);
    connect(m_session, &WindowSession::settingsNotWritten, this, [this](const QString &file) {
        m_seams.boxes.error(m_session->text(halvex::OwnText::SettingsNotSaved).arg(QDir::toNativeSeparators(file)));
    });

    // The window takes Enter before its controls do: as a shortcut of the
    // window, it comes before any control's own handling of the key.
    auto *enter = new QShortcut(this);
    enter->setObjectName(QStringLiteral("FormKeyPress"));
    enter->setKeys(
        {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter), QKeySequence(Qt::KeypadModifier | Qt::Key_Enter)});
    enter->setContext(Qt::WindowShortcut);
    connect(enter, &QShortcut::activated, this, &TfrmMain::FormKeyPress);

    // F6 and Shift+F6 go from place to place: a few keys from the fields to the answers and back.
    for (const auto &[keys, step] :
         {std::pair{QKeySequence(Qt::Key_F6), 1}, std::pair{QKeySequence(Qt::SHIFT | Qt::Key_F6), -1}}) {
        auto *places = new QShortcut(keys, this);
        places->setContext(Qt::WindowShortcut);
        connect(places, &QShortcut::activated, this, [this, step = step] { focusNextPlace(step); });
    }
}

void TfrmMain::focusNextPlace(int step)
{
    Pane *page = content(static_cast<Page>(m_pages->currentIndex()));
    const std::array<QWidget *, 3> places{m_input, page, m_sideBar};
    const QWidget *focus = QApplication::focusWidget();
    const auto here = std::find_if(places.begin(), places.end(),
                                   [focus](const QWidget *place) { return place->isAncestorOf(focus); });
    const int from = here == places.end() ? (step > 0 ? -1 : 0) : int(here - places.begin());
    QWidget *next = places[std::size_t((from + step + int(places.size())) % int(places.size()))];
    if (next == page)
        page->enter(Qt::ShortcutFocusReason);
    else if (QWidget *first = firstTabStop(next))
        first->setFocus(Qt::ShortcutFocusReason);
}

void TfrmMain::setReportRunner(std::unique_ptr<ReportRunner> runner)
{
    m_seams.reportRunner = std::move(runner);
}

void TfrmMain::setFileDialogs(std::unique_ptr<FileDialogs> dialogs)
{
    m_seams.fileDialogs = std::move(dialogs);
}

void TfrmMain::setDesktop(std::unique_ptr<Desktop> desktop)
{
    m_seams.desktop = std::move(desktop);
}

void TfrmMain::FormKeyPress()
{
    focusNextChild();
}
