#include "MainForm.h"

#include "AbgInputPanel.h"
#include "AboutPage.h"
#include "ClickableLabel.h"
#include "HelpPage.h"
#include "QtDesktop.h"
#include "Artwork.h"
#include "CategoryControls.h"
#include "CylinderGauge.h"
#include "DialogReportRunner.h"
#include "ExerciseSheet.h"
#include "GlobalData.h"
#include "Hints.h"
#include "ImageList.h"
#include "IndexedAction.h"
#include "Language.h"
#include "MessageBoxes.h"
#include "NormalValuesPage.h"
#include "NumericSpinField.h"
#include "PreferencesPage.h"
#include "PrintPage.h"
#include "SamplesPage.h"
#include "SettingsStore.h"
#include "SideBar.h"
#include "SideBarActions.h"
#include "SideBarGroup.h"
#include "StatisticsPage.h"
#include "StatusHints.h"
#include "TeacherPage.h"
#include "Unit_ABG.h"
#include "UnitPresentation.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

constexpr QSize kClientSize{807, 498};
constexpr int kTitleHeight = 49;
constexpr int kSideBarWidth = 185;
constexpr int kStatusHeight = 19;
constexpr int kInputPanelHeight = 188;

QWidget *titleStrip(QWidget *parent)
{
    auto *outer = new QFrame(parent);
    outer->setObjectName(QStringLiteral("Panel1"));
    outer->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    outer->setLineWidth(2);
    outer->setAutoFillBackground(true);
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
    return outer;
}

} // namespace

TfrmMain::TfrmMain(MessageBoxes &boxes, halvex::SeedSource seeds, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_boxes(boxes)
    , m_abg(std::make_unique<halvex::TABG>(std::move(seeds))) // FormCreate: the window's one generator
    , m_images(std::make_unique<ImageList>(QSize(16, 16)))
    , m_store(openSettingsStore())
    , m_formSettings(QStringLiteral("frmMain"))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Halvex"));
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(12);
    setFont(arial);
    setFixedSize(kClientSize);

    m_images->add(artwork::tickMarker());
    m_images->add(artwork::arrowMarker());

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("pnlClient"));
    setCentralWidget(central);
    const int bodyHeight = kClientSize.height() - kTitleHeight - kStatusHeight;

    titleStrip(central)->setGeometry(0, 0, kClientSize.width(), kTitleHeight);

    auto *mainArea = new QWidget(central);
    mainArea->setObjectName(QStringLiteral("pnlMain"));
    mainArea->setGeometry(kSideBarWidth, kTitleHeight, kClientSize.width() - kSideBarWidth, bodyHeight);
    m_input = new AbgInputPanel(mainArea);
    m_input->setGeometry(0, 0, mainArea->width(), kInputPanelHeight);
    buildDetailsArea(mainArea, QRect(0, kInputPanelHeight, mainArea->width(), bodyHeight - kInputPanelHeight));

    m_sideBar = new SideBar(central);
    m_sideBar->setGeometry(0, kTitleHeight, kSideBarWidth, bodyHeight);
    buildSideBar();

    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    status->setFixedHeight(kStatusHeight);
    m_statusLine = new QLabel(status);
    m_statusLine->setObjectName(QStringLiteral("StatusBar1Text"));
    status->addWidget(m_statusLine, 1);
    setStatusBar(status);
    new StatusHints(this, m_statusLine);

    connect(m_input->btnAnalyze(), &QPushButton::clicked, this, &TfrmMain::btnAnalyzeClick);
    connect(m_input->btnClear(), &QPushButton::clicked, this, &TfrmMain::btnClearClick);
    connect(m_input->btnGenerate(), &QPushButton::clicked, this, &TfrmMain::btnGenerateClick);
    m_input->edtPh()->setExitHandler([this] { edtPhExit(); });
    m_reportRunner = std::make_unique<DialogReportRunner>(
        this, ReportMessages{[this](const QString &text) { m_boxes.error(text); },
                             [this](const QString &text) { m_boxes.information(text); },
                             [] { return halvex::CurrentLanguage; }});
    m_desktop = std::make_unique<QtDesktop>(this);
    m_programFolder = QCoreApplication::applicationDirPath();

    // The window sees key presses before its controls.
    qApp->installEventFilter(this);

    m_pages->setCurrentWidget(page(QString::fromLatin1(kDesignPage)));
    // The window settings and the application settings are restored as soon as the window exists.
    bindFormSettings();
    m_formSettings.restore(*m_store);
    m_appSettings.load(*m_store);
    // Whatever position was stored, the window opens centred.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TfrmMain::~TfrmMain()
{
    // FormDestroy: the settings are saved once more; the window settings too if no close came first.
    saveFormSettings();
    m_appSettings.save(*m_store);
    qApp->removeEventFilter(this);
    // The fields lose the focus while they are destroyed, after this window has gone.
    m_input->edtPh()->setExitHandler(nullptr);
}

void TfrmMain::buildDetailsArea(QWidget *parent, const QRect &area)
{
    auto *details = new QWidget(parent);
    details->setObjectName(QStringLiteral("pnlDetails"));
    details->setGeometry(area);
    // Placed, not laid out: a layout would ask every page for its size hint
    // while the window opens.
    m_pages = new QStackedWidget(details);
    m_pages->setObjectName(QStringLiteral("pcABGDetails"));
    m_pages->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_pages->setGeometry(0, 0, area.width() - 2, area.height() - 2);
    for (const char *name : kPages) {
        auto *page = new QWidget;
        page->setObjectName(QString::fromLatin1(name));
        auto *layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        m_pages->addWidget(page);
    }
    // A page's content is built when it is first shown.
    connect(m_pages, &QStackedWidget::currentChanged, this, [this](int index) { buildPage(m_pages->widget(index)); });
}

template <typename Page>
Page *TfrmMain::built(Page *&content, const char *pageName)
{
    if (!content)
        buildPage(page(QString::fromLatin1(pageName)));
    return content;
}

TeacherPage *TfrmMain::teacherPage()
{
    return built(m_teacherPage, "tsABGTeacher");
}

StatisticsPage *TfrmMain::statisticsPage()
{
    return built(m_statisticsPage, "tsABGStats");
}

SamplesPage *TfrmMain::samplesPage()
{
    return built(m_samplesPage, "tsSamples");
}

NormalValuesPage *TfrmMain::normalValuesPage()
{
    return built(m_normalValues, "tsNormalValues");
}

PreferencesPage *TfrmMain::preferencesPage()
{
    return built(m_preferences, "tsUserPrefs");
}

PrintPage *TfrmMain::printPage()
{
    return built(m_printPage, "tsPrint");
}

AboutPage *TfrmMain::aboutPage()
{
    return built(m_aboutPage, "tsHelpAbout");
}

void TfrmMain::buildPage(QWidget *page)
{
    if (!page || page->layout()->count() > 0)
        return;
    const QString name = page->objectName();
    QWidget *content = nullptr;
    if (name == QLatin1String("tsABGTeacher")) {
        m_teacherPage = new TeacherPage(page);
        connect(m_teacherPage, &TeacherPage::categoryClicked, this, &TfrmMain::chkNormalClick);
        content = m_teacherPage;
    } else if (name == QLatin1String("tsABGStats")) {
        content = m_statisticsPage = new StatisticsPage(page);
    } else if (name == QLatin1String("tsSamples")) {
        m_samplesPage = new SamplesPage(page);
        connect(m_samplesPage, &SamplesPage::categoryClicked, this, &TfrmMain::sampleLabelClick);
        content = m_samplesPage;
        m_pageShowHooks.emplace_back(page, &TfrmMain::tsSamplesShow);
    } else if (name == QLatin1String("tsNormalValues")) {
        content = m_normalValues = new NormalValuesPage(page);
    } else if (name == QLatin1String("tsUserPrefs")) {
        m_preferences = new PreferencesPage(page);
        connect(m_preferences->btnSave(), &QPushButton::clicked, this, &TfrmMain::btnSaveClick);
        connect(m_preferences->btnDefaults(), &QPushButton::clicked, this, &TfrmMain::btnDefaultsClick);
        // btnCancelClick: Cancel changes nothing.
        content = m_preferences;
        m_pageShowHooks.emplace_back(page, &TfrmMain::tsUserPrefsShow);
    } else if (name == QLatin1String("tsHelp")) {
        content = new HelpPage(page);
    } else if (name == QLatin1String("tsHelpAbout")) {
        m_aboutPage = new AboutPage(page);
        connect(m_aboutPage->lblWebsite(), &ClickableLabel::clicked, this, &TfrmMain::lblWebsiteClick);
        connect(m_aboutPage->lblEmailSales(), &ClickableLabel::clicked, this, &TfrmMain::lblEmailSalesClick);
        connect(m_aboutPage->lblEmailSupport(), &ClickableLabel::clicked, this, &TfrmMain::lblEmailSupportClick);
        connect(m_aboutPage->lblLicenseAgreement(), &ClickableLabel::clicked, this, &TfrmMain::lblLicenseAgreementClick);
        content = m_aboutPage;
    } else if (name == QLatin1String("tsPrint")) {
        m_printPage = new PrintPage(page);
        connect(m_printPage->btnPrintABGs(), &QPushButton::clicked, this, &TfrmMain::btnPrintABGsClick);
        content = m_printPage;
    }
    page->layout()->addWidget(content);
    bringUpToDate(content);
}

// A page built late shows what it would have shown had it been there from the start.
void TfrmMain::bringUpToDate(QWidget *content)
{
    if (content == m_teacherPage) {
        m_teacherPage->lblGenerated()->setText(QString::number(m_teacher.generatedCount()));
        m_teacherPage->pb()->setValue(m_gauge);
        showVerdict(m_verdict);
    } else if (content == m_statisticsPage) {
        for (int code = 0; code < halvex::kCategoryCount; ++code)
            showCategoryStats(code);
    } else if (content == m_normalValues && m_units) {
        m_normalValues->showUnits(*m_units);
    }
    if (m_frenchCaptions) {
        writeCaptions(*content);
        SetCategoryCaptions();
    }
}

void TfrmMain::buildSideBar()
{
    const auto group = [this](const char *name, const char *caption, artwork::GroupIcon icon, int height) {
        SideBarGroup *g = m_sideBar->addGroup(QString::fromLatin1(name), QString::fromLatin1(caption),
                                              artwork::groupIcon(icon));
        g->setExpandedHeight(height);
        return g;
    };
    SideBarGroup *abg = group("barABG", "ABG", artwork::GroupIcon::Abg, 203);
    SideBarGroup *units = group("barUnits", "Units", artwork::GroupIcon::Units, 83);
    SideBarGroup *language = group("barLanguage", "Language", artwork::GroupIcon::Language, 83);
    abg->setToolTipsShown(true);
    m_groups = {abg, units, language};

    for (const BarActionRow &row : kBarActions) {
        auto *action = new IndexedAction(QString::fromUtf8(row.caption), *m_images, this);
        action->setObjectName(QString::fromLatin1(row.action));
        action->setImageIndex(row.designedImage);
        setHint(action, QString::fromUtf8(row.hint));
        SideBarGroup *target = row.group == BarGroup::Abg ? abg : row.group == BarGroup::Units ? units : language;
        target->addItem(action, QString::fromLatin1(row.item), row.visible, QString::fromUtf8(row.itemCaption));
        m_actions.emplace_back(action->objectName(), action);
        if (row.page)
            m_pageActions.emplace_back(action, page(QString::fromLatin1(row.page)));
    }

    for (const auto &[pageAction, target] : m_pageActions) {
        if (pageAction->objectName() == QLatin1String("alBarABGHelp"))
            connect(pageAction, &QAction::triggered, this, &TfrmMain::alBarABGHelpExecute);
        else
            connect(pageAction, &QAction::triggered, this, [this, target = target] { switchPage(target); });
    }
    const std::pair<const char *, void (TfrmMain::*)()> handlers[] = {
        {"alBarMMHG", &TfrmMain::alBarMMHGExecute},       {"alBarKPa", &TfrmMain::alBarKPaExecute},
        {"alBarEnglish", &TfrmMain::alBarEnglishExecute}, {"alBarFrench", &TfrmMain::alBarFrenchExecute},
        {"alBarGerman", &TfrmMain::alBarGermanExecute},   {"alBarSpanish", &TfrmMain::alBarSpanishExecute},
        {"alBarABGWebsite", &TfrmMain::alBarABGWebsiteExecute},
    };
    for (const auto &[name, handler] : handlers)
        connect(action(name), &QAction::triggered, this, handler);
}

IndexedAction *TfrmMain::action(const char *name) const
{
    const auto found = std::find_if(m_actions.begin(), m_actions.end(),
                                    [name](const auto &entry) { return entry.first == QLatin1String(name); });
    return found->second;
}

QWidget *TfrmMain::page(const QString &name) const
{
    for (int i = 0; i < m_pages->count(); ++i) {
        if (m_pages->widget(i)->objectName() == name)
            return m_pages->widget(i);
    }
    return nullptr;
}

void TfrmMain::switchPage(QWidget *page)
{
    m_pages->setCurrentWidget(page); // builds its content if need be
    runShowHook(page);
    for (const auto &[action, actionPage] : m_pageActions)
        action->setImageIndex(actionPage == page ? kArrowImage : kNoImage);
}

void TfrmMain::runShowHook(QWidget *page)
{
    for (const auto &[hookedPage, hook] : m_pageShowHooks) {
        if (hookedPage == page)
            (this->*hook)();
    }
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto *receiver = static_cast<QWidget *>(watched);
        if (receiver->window() == this && FormKeyPress(static_cast<QKeyEvent *>(event)))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TfrmMain::FormKeyPress(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    focusNextChild();
    return true;
}
