#include "MainForm.h"

#include "AbgInputPanel.h"
#include "AsciiCase.h"
#include "ButtonSpinBox.h"
#include "CaptionSets.h"
#include "ControlCaption.h"
#include "DecimalPreferences.h"
#include "PreferencesPage.h"
#include "SettingsStore.h"
#include "UnitPresentation.h"
#include "Artwork.h"
#include "AssessAcidBase.h"
#include "CategoryControls.h"
#include "CylinderGauge.h"
#include "GlobalCode.h"
#include "GlobalData.h"
#include "Hints.h"
#include "HoverBoldLabel.h"
#include "ImageList.h"
#include "IndexedAction.h"
#include "Language.h"
#include "MessageBoxes.h"
#include "NormalValuesPage.h"
#include "NumericSpinField.h"
#include "PageText.h"
#include "ProductInfo.h"
#include "ResultFields.h"
#include "SamplesPage.h"
#include "SideBar.h"
#include "SideBarGroup.h"
#include "StatisticsPage.h"
#include "StatusHints.h"
#include "Tags.h"
#include "TeacherPage.h"
#include "Unit_ABG.h"

#include <QApplication>
#include <QCloseEvent>
#include <QSettings>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr QSize kClientSize{807, 498};
constexpr int kTitleHeight = 49;
constexpr int kSideBarWidth = 185;
constexpr int kStatusHeight = 19;
constexpr int kInputPanelHeight = 188;

constexpr int kTickImage = 0;
constexpr int kArrowImage = 1;
constexpr int kNoImage = -1;

enum class BarGroup { Abg, Units, Language };

struct BarActionRow {
    const char *action;
    const char *item;
    BarGroup group;
    const char *caption;
    const char *hint;
    int designedImage;
    bool visible;
    const char *page;        // the page it shows, for the eight page actions
    const char *itemCaption = ""; // the item's own caption, when it differs from the action's
};

// The actions of alBar and the side-bar items bound to them, group by group.
constexpr std::array<BarActionRow, 15> kBarActions{{
    {"alBarABGTeacher", "barABGTeacher", BarGroup::Abg, "ABG Teacher", "", kArrowImage, true, "tsABGTeacher"},
    {"alBarABGStats", "barABGStats", BarGroup::Abg, "Statistics", "", kNoImage, true, "tsABGStats"},
    {"alBarABGShowNormalVals", "barABGNormalVals", BarGroup::Abg, "Normal Values", "Show normal ABG values", kNoImage,
     true, "tsNormalValues"},
    {"alBarABGSamples", "barABGSamples", BarGroup::Abg, "Sample ABGs", "", kNoImage, true, "tsSamples"},
    {"alBarABGPrint", "barABGPrint", BarGroup::Abg, "Print Samples", "", kNoImage, true, "tsPrint"},
    {"alBarABGPrefs", "barABGPrefs", BarGroup::Abg, "Preferences", "", kNoImage, false, "tsUserPrefs"},
    {"alBarABGWebsite", "barABGWebsite", BarGroup::Abg, "Halvex Website", "Go to Website|http://" HALVEX_WEBSITE,
     kNoImage, true, nullptr},
    {"alBarABGHelp", "barABGHelp", BarGroup::Abg, "ABG Help", "", kNoImage, true, "tsHelp"},
    {"alBarABGHelpAbout", "barABGHelpAbout", BarGroup::Abg, "About Halvex", "", kNoImage, true, "tsHelpAbout"},
    {"alBarMMHG", "unitmmHG", BarGroup::Units, "mmHg", "", kTickImage, true, nullptr},
    {"alBarKPa", "unitKPA", BarGroup::Units, "KPA", "", kNoImage, true, nullptr},
    {"alBarEnglish", "LanguageEnglish", BarGroup::Language, "English", "", kTickImage, true, nullptr},
    {"alBarFrench", "LanguageFrench", BarGroup::Language, "Français", "", kNoImage, true, nullptr},
    {"alBarGerman", "LanguageGerman", BarGroup::Language, "German", "", kNoImage, false, nullptr, "Deutsch"},
    {"alBarSpanish", "LanguageSpanish", BarGroup::Language, "Español", "", kNoImage, false, nullptr},
}};

// The pages of pcABGDetails, in their order.
constexpr std::array<const char *, 8> kPages{"tsABGTeacher", "tsNormalValues", "tsUserPrefs", "tsHelp",
                                             "tsHelpAbout",  "tsSamples",      "tsABGStats",  "tsPrint"};

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
    buildDetailsArea(mainArea)->setGeometry(0, kInputPanelHeight, mainArea->width(), bodyHeight - kInputPanelHeight);

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
    connect(m_teacherPage, &TeacherPage::categoryClicked, this, &TfrmMain::chkNormalClick);
    connect(m_samplesPage, &SamplesPage::categoryClicked, this, &TfrmMain::sampleLabelClick);
    connect(m_preferences->btnSave(), &QPushButton::clicked, this, &TfrmMain::btnSaveClick);
    connect(m_preferences->btnDefaults(), &QPushButton::clicked, this, &TfrmMain::btnDefaultsClick);
    // btnCancelClick: Cancel changes nothing.
    m_input->edtPh()->setExitHandler([this] { edtPhExit(); });

    // The window sees key presses before its controls.
    qApp->installEventFilter(this);

    m_pages->setCurrentWidget(page(QStringLiteral("tsHelpAbout")));
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

QWidget *TfrmMain::buildDetailsArea(QWidget *parent)
{
    auto *details = new QWidget(parent);
    details->setObjectName(QStringLiteral("pnlDetails"));
    m_pages = new QStackedWidget(details);
    m_pages->setObjectName(QStringLiteral("pcABGDetails"));
    m_pages->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto *layout = new QVBoxLayout(details);
    layout->setContentsMargins(0, 0, 2, 2);
    layout->addWidget(m_pages);

    m_teacherPage = new TeacherPage;
    m_statisticsPage = new StatisticsPage;
    m_samplesPage = new SamplesPage;
    m_normalValues = new NormalValuesPage;
    m_preferences = new PreferencesPage;
    const std::array<QWidget *, 5> built{m_teacherPage, m_statisticsPage, m_samplesPage, m_normalValues, m_preferences};
    // The pages still empty until their content is built.
    for (const char *name : kPages) {
        const auto found = std::find_if(built.begin(), built.end(),
                                        [name](const QWidget *page) { return page->objectName() == QLatin1String(name); });
        QWidget *page = found != built.end() ? *found : nullptr;
        if (!page) {
            page = new QWidget;
            page->setObjectName(QString::fromLatin1(name));
        }
        m_pages->addWidget(page);
    }
    m_pageShowHooks = {{m_samplesPage, &TfrmMain::tsSamplesShow}, {m_preferences, &TfrmMain::tsUserPrefsShow}};
    return details;
}

void TfrmMain::buildSideBar()
{
    const auto group = [this](const char *name, const char *caption, artwork::GroupIcon icon, int height) {
        SideBarGroup *g = m_sideBar->addGroup(QString::fromLatin1(name), QString::fromLatin1(caption),
                                              artwork::groupIcon(icon));
        g->setFixedHeight(height);
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
        if (row.page) {
            QWidget *page = m_pages->findChild<QWidget *>(QString::fromLatin1(row.page));
            m_pageActions.emplace_back(action, page);
        }
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

void TfrmMain::bindFormSettings()
{
    for (SideBarGroup *group : m_groups) {
        m_formSettings.bind({group->objectName() + QStringLiteral(".Collapsed"), FormSettings::Kind::Boolean, false,
                             [group] { return QVariant(group->isCollapsed()); },
                             [group](const QVariant &value) {
                                 group->setCollapsed(value.toBool());
                                 return true;
                             }});
    }
    m_formSettings.bind({QStringLiteral("pcABGDetails.ActivePage"), FormSettings::Kind::Text,
                         QStringLiteral("tsHelpAbout"), [this] { return QVariant(m_pages->currentWidget()->objectName()); },
                         [this](const QVariant &value) {
                             QWidget *stored = page(value.toString());
                             if (stored)
                                 m_pages->setCurrentWidget(stored);
                             return stored != nullptr;
                         }});
    for (const BarActionRow &row : kBarActions) {
        if (!row.page)
            continue;
        IndexedAction *pageAction = action(row.action);
        m_formSettings.bind({QString::fromLatin1(row.action) + QStringLiteral(".ImageIndex"),
                             FormSettings::Kind::Integer, row.designedImage,
                             [pageAction] { return QVariant(pageAction->imageIndex()); },
                             [pageAction](const QVariant &value) {
                                 const int index = value.toInt();
                                 if (index < kNoImage || index > kArrowImage)
                                     return false;
                                 pageAction->setImageIndex(index);
                                 return true;
                             }});
    }
}

void TfrmMain::switchPage(QWidget *page)
{
    m_pages->setCurrentWidget(page);
    for (const auto &[hookedPage, hook] : m_pageShowHooks) {
        if (hookedPage == page)
            (this->*hook)();
    }
    for (const auto &[action, actionPage] : m_pageActions)
        action->setImageIndex(actionPage == page ? kArrowImage : kNoImage);
}

void TfrmMain::alBarABGHelpExecute()
{
    // In English the help file opens instead, leaving the page and the arrow as they are.
    if (halvex::CurrentLanguage != halvex::kLanguageEnglish)
        switchPage(page(QStringLiteral("tsHelp")));
}

void TfrmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!std::exchange(m_shown, true))
        FormShow();
}

void TfrmMain::FormShow()
{
    CreateCategoryStats();
    m_appSettings.load(*m_store);
    applyStoredUnit();
    applyStoredLanguage();
    applyStoredDecimals();
    m_appSettings.save(*m_store);
    m_teacherPage->lblResultAcidBase()->clear();
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    FormClose();
    QMainWindow::closeEvent(event);
}

void TfrmMain::FormClose()
{
    m_appSettings[AppSetting::Language].setText(QString::fromStdString(halvex::CurrentLanguage));
    m_appSettings.save(*m_store);
    saveFormSettings();
}

void TfrmMain::saveFormSettings()
{
    if (std::exchange(m_formSettingsSaved, true))
        return;
    const QScreen *screen = this->screen();
    m_formSettings.save(*m_store, normalGeometry().topLeft(), screen ? screen->size() : QSize());
}

void TfrmMain::alBarMMHGExecute()
{
    selectUnit(kMmHgPresentation);
}

void TfrmMain::alBarKPaExecute()
{
    selectUnit(kKpaPresentation);
}

void TfrmMain::selectUnit(const UnitPresentation &target)
{
    const bool mmHg = &target == &kMmHgPresentation;
    // Selecting the unit already in force converts nothing: kPa to kPa would
    // scale the user's values by 0.9975 at every click.
    const bool sameUnit = halvex::toUpperAscii(halvex::CurrentUnits) == target.units;

    m_appSettings[AppSetting::Units].setText(QString::fromLatin1(target.units));
    m_input->showPressureUnits(target);
    m_normalValues->showUnits(target);
    action("alBarMMHG")->setImageIndex(mmHg ? kTickImage : kNoImage);
    action("alBarKPa")->setImageIndex(mmHg ? kNoImage : kTickImage);

    // The values are read before the new decimals round them.
    NumericSpinField *paco2 = m_input->edtPaCO2();
    NumericSpinField *pao2 = m_input->edtPaO2();
    const double paco2Value = paco2->value();
    const double pao2Value = pao2->value();
    paco2->setDecimals(mmHg ? storedDecimals(m_appSettings, AppSetting::PaCO2Dec) : kKpaDecimals);
    pao2->setDecimals(mmHg ? storedDecimals(m_appSettings, AppSetting::PaO2Dec) : kKpaDecimals);
    if (!sameUnit) {
        paco2->setValue(halvex::ConvertPressure(halvex::CurrentUnits, target.units, paco2Value));
        pao2->setValue(halvex::ConvertPressure(halvex::CurrentUnits, target.units, pao2Value));
    }
    halvex::CurrentUnits = target.units;
}

void TfrmMain::applyStoredUnit()
{
    const QString stored = m_appSettings[AppSetting::Units].text();
    halvex::CurrentUnits = stored.isEmpty() ? std::string(halvex::kUnitsMmHg) : stored.toStdString();
    if (halvex::isMmHg(halvex::CurrentUnits)) {
        alBarMMHGExecute();
        return;
    }
    alBarKPaExecute();
    // The fields still hold their design values in mmHg.
    for (NumericSpinField *field : {m_input->edtPaCO2(), m_input->edtPaO2()})
        field->setValue(halvex::ConvertPressure(halvex::kUnitsMmHg, halvex::kUnitsKpa, field->value()));
}

void TfrmMain::alBarEnglishExecute()
{
    selectLanguage(halvex::kLanguageEnglish);
}

void TfrmMain::alBarFrenchExecute()
{
    selectLanguage(halvex::kLanguageFrench);
}

void TfrmMain::alBarGermanExecute()
{
    selectLanguage(halvex::kLanguageGerman);
}

void TfrmMain::alBarSpanishExecute()
{
    selectLanguage(halvex::kLanguageSpanish);
}

void TfrmMain::selectLanguage(std::string_view key)
{
    halvex::CurrentLanguage = key;
    const std::pair<const char *, std::string_view> items[] = {{"alBarEnglish", halvex::kLanguageEnglish},
                                                               {"alBarFrench", halvex::kLanguageFrench},
                                                               {"alBarGerman", halvex::kLanguageGerman},
                                                               {"alBarSpanish", halvex::kLanguageSpanish}};
    for (const auto &[name, itemKey] : items)
        action(name)->setImageIndex(itemKey == key ? kTickImage : kNoImage);
    if (key == halvex::kLanguageEnglish || key == halvex::kLanguageFrench)
        setCaptions(key == halvex::kLanguageFrench);
}

void TfrmMain::setCaptions(bool french)
{
    for (const halvex::Caption &caption : halvex::captionSets()) {
        const std::string_view text = french ? caption.french : caption.english;
        const QString control = QString::fromLatin1(caption.control.data(), qsizetype(caption.control.size()));
        setControlCaption(this, control, QString::fromUtf8(text.data(), qsizetype(text.size())));
    }
    SetCategoryCaptions();
}

void TfrmMain::SetCategoryCaptions()
{
    const auto translated = [](halvex::AbgCategory category) {
        return QString::fromStdString(halvex::Translate(halvex::categoryInfo(category).englishName,
                                                        halvex::CurrentLanguage));
    };
    for (const halvex::AbgCategoryInfo &info : halvex::abgCategories())
        m_teacherPage->checkBoxes()[std::size_t(halvex::categoryCode(info.category))]->setText(translated(info.category));
    for (const halvex::AbgCategoryInfo &info : halvex::abgCategories())
        m_samplesPage->label(info.category)->setText(translated(info.category));
    for (const halvex::AbgCategoryInfo &info : halvex::abgCategories())
        m_statisticsPage->nameLabel(halvex::categoryCode(info.category))->setText(translated(info.category));
}

void TfrmMain::applyStoredLanguage()
{
    const QString stored = m_appSettings[AppSetting::Language].text();
    halvex::CurrentLanguage = stored.isEmpty() ? std::string(halvex::kLanguageEnglish) : stored.toStdString();
    for (const char *name : {"alBarEnglish", "alBarFrench", "alBarGerman", "alBarSpanish"})
        action(name)->setImageIndex(kNoImage);
    // Exactly as stored: "french" is kept as it is, ticks nothing and changes no caption,
    // while the catalogue still reads it as French.
    for (const std::string_view key :
         {halvex::kLanguageEnglish, halvex::kLanguageFrench, halvex::kLanguageGerman, halvex::kLanguageSpanish}) {
        if (halvex::CurrentLanguage == key) {
            selectLanguage(key);
            return;
        }
    }
}

void TfrmMain::applyStoredDecimals()
{
    // The saved pH and HCO3 decimals survive a restart, as the pressure decimals
    // do through the mmHg selection.
    for (const auto &[setting, field] : {std::pair{AppSetting::phDec, m_input->edtPh()},
                                         std::pair{AppSetting::HCO3Dec, m_input->edtHCO3()}}) {
        if (!m_appSettings[setting].isEmpty())
            field->setDecimals(storedDecimals(m_appSettings, setting));
    }
}

void TfrmMain::tsUserPrefsShow()
{
    for (const DecimalPreference &preference : kDecimalPreferences) {
        if (!m_appSettings[preference.setting].isEmpty())
            m_preferences->decimalsField(preference.setting)->setValue(m_appSettings[preference.setting].integer());
    }
}

void TfrmMain::btnSaveClick()
{
    for (const DecimalPreference &preference : kDecimalPreferences)
        m_appSettings[preference.setting].setInteger(m_preferences->decimalsField(preference.setting)->value());
    m_appSettings.save(*m_store);
    const std::pair<AppSetting, NumericSpinField *> targets[] = {{AppSetting::phDec, m_input->edtPh()},
                                                                 {AppSetting::PaCO2Dec, m_input->edtPaCO2()},
                                                                 {AppSetting::PaO2Dec, m_input->edtPaO2()},
                                                                 {AppSetting::HCO3Dec, m_input->edtHCO3()}};
    for (const auto &[setting, field] : targets)
        field->setDecimals(m_preferences->decimalsField(setting)->value());
}

void TfrmMain::btnDefaultsClick()
{
    const bool kpa = halvex::CurrentUnits == halvex::kUnitsKpa;
    for (const DecimalPreference &preference : kDecimalPreferences) {
        const bool pressure = preference.setting == AppSetting::PaCO2Dec || preference.setting == AppSetting::PaO2Dec;
        m_preferences->decimalsField(preference.setting)->setValue(pressure && kpa ? kKpaDecimals : preference.design);
    }
    btnSaveClick();
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

void TfrmMain::btnAnalyzeClick()
{
    m_input->setInputFieldsReadOnly(false);
    m_teacher.analysisStarted();
    m_input->clearAssessments();

    const halvex::AbgInput input = m_input->readInput();
    if (const auto failure = halvex::validateAbgInput(input, halvex::CurrentUnits)) {
        const QString text = QString::fromStdString(failure->translated
                                                        ? halvex::Translate(failure->message, halvex::CurrentLanguage)
                                                        : std::string(failure->message));
        if (failure->box == halvex::MessageBoxKind::Information)
            m_boxes.information(text);
        else
            m_boxes.error(text);
        return;
    }

    ResultFields output(*m_input, m_boxes);
    halvex::AssessAcidBase(output, halvex::sampleInMmHg(input, halvex::CurrentUnits), halvex::CurrentUnits,
                           halvex::CurrentLanguage);
    if (AnyCategoryTicked())
        ScoreTeacherAnswer();
    m_input->btnGenerate()->setFocus();
}

void TfrmMain::btnClearClick()
{
    m_input->setInputFieldsReadOnly(false);
    for (NumericSpinField *field : {m_input->edtPh(), m_input->edtPaCO2(), m_input->edtPaO2(), m_input->edtHCO3(),
                                    m_input->edtAge()})
        field->clear();
    m_input->edtFIO2()->setValue(21);
    m_input->clearAssessments();
    m_input->edtPh()->setFocus();
}

void TfrmMain::edtPhExit()
{
    NumericSpinField *ph = m_input->edtPh();
    const auto withoutPoint = [ph](qsizetype length) {
        return !ph->text().contains(u'.') && ph->text().size() == length;
    };
    if (withoutPoint(3))
        ph->setValue(ph->value() / 100);
    else if (withoutPoint(4))
        ph->setValue(ph->value() / 1000);
    if (withoutPoint(5))
        ph->setValue(ph->value() / 10000);
}

void TfrmMain::btnGenerateClick()
{
    m_input->setInputFieldsReadOnly(true);
    if (m_teacher.awaitingAnalysis()
        && !m_boxes.confirm(QStringLiteral("Last generated ABG not analyzed, are you sure you want to generate another?")))
        return;

    const int variant = halvex::drawRandomVariant(m_abg->random());
    m_teacher.sampleGenerated(m_abg->Generate(variant));
    m_teacherPage->lblResultAcidBase()->clear();
    m_teacherPage->lblGenerated()->setText(QString::number(m_teacher.generatedCount()));
    m_input->clearAssessments();
    ClearCategoryChecks();
    m_input->showSample(m_abg->sample(), halvex::CurrentUnits);
    m_input->btnAnalyze()->setFocus();
}

void TfrmMain::CreateCategoryStats()
{
    m_teacher.createCategoryStats();
}

void TfrmMain::chkNormalClick(int code)
{
    ClearCategoryChecks();
    m_teacherPage->checkBoxes()[static_cast<std::size_t>(code)]->setChecked(true);
    m_teacher.choose(code);
}

void TfrmMain::ClearCategoryChecks()
{
    for (QCheckBox *box : m_teacherPage->checkBoxes())
        box->setChecked(false);
}

bool TfrmMain::AnyCategoryTicked() const
{
    const auto &boxes = m_teacherPage->checkBoxes();
    return std::any_of(boxes.begin(), boxes.end(), [](const QCheckBox *box) { return box->isChecked(); });
}

void TfrmMain::ScoreTeacherAnswer()
{
    const TeacherSession::Score score = m_teacher.scoreAnswer();
    QLabel *verdict = m_teacherPage->lblResultAcidBase();
    verdict->setText(score.correct ? QStringLiteral("Correct !") : QStringLiteral("Incorrect"));
    setTextColour(verdict, score.correct ? QColor(0, 128, 0) : QColor(255, 0, 0));
    if (score.statsCategory)
        m_statisticsPage->percentageLabel(*score.statsCategory)->setText(QString::fromStdString(score.statsText));
    m_teacherPage->pb()->setValue(score.gauge);
}

void TfrmMain::sampleLabelClick(halvex::AbgCategory category)
{
    ShowSample(halvex::drawVariantOf(category, m_abg->random()));
    ResetSampleLabels();
    m_samplesPage->label(category)->setBold(true);
}

void TfrmMain::ShowSample(int variant)
{
    m_input->clearAssessments();
    m_abg->Generate(variant);
    m_input->showSample(m_abg->sample(), halvex::CurrentUnits);
    m_input->btnAnalyze()->setFocus();
}

void TfrmMain::ResetSampleLabels()
{
    for (QLabel *label : findChildren<QLabel *>()) {
        if (tagOf(label) == kCategoryLabelTag) {
            QFont regular = label->font();
            regular.setBold(false);
            label->setFont(regular);
        }
    }
}

void TfrmMain::tsSamplesShow()
{
    ResetSampleLabels();
}
