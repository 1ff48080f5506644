#include "ui/MainForm.h"

#include "ui/AboutPage.h"
#include "ui/ExplanationPage.h"
#include "widgets/ClickableLabel.h"
#include "ui/HelpPage.h"
#include "widgets/IndexedAction.h"
#include "ui/NormalValuesPage.h"
#include "ui/PreferencesPage.h"
#include "ui/PrintPage.h"
#include "ui/ReviewPage.h"
#include "ui/SamplesPage.h"
#include "ui/StatisticsPage.h"
#include "ui/TeacherPage.h"
#include "ui/UnitPresentation.h"

#include <QCheckBox>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>

#include <algorithm>

// In the order of pcABGDetails.
const std::array<TfrmMain::PageRow, kPageCount> &TfrmMain::pageRows()
{
    static const std::array<PageRow, kPageCount> rows{{
        {Page::Teacher, "tsABGTeacher", BarAction::Teacher, &TfrmMain::buildTeacherPage, nullptr},
        {Page::NormalValues, "tsNormalValues", BarAction::NormalValues, &TfrmMain::buildNormalValuesPage, nullptr},
        {Page::Preferences, "tsUserPrefs", BarAction::Preferences, &TfrmMain::buildPreferencesPage,
         &TfrmMain::tsUserPrefsShow},
        {Page::Help, "tsHelp", BarAction::Help, &TfrmMain::buildHelpPage, nullptr},
        {Page::About, "tsHelpAbout", BarAction::About, &TfrmMain::buildAboutPage, nullptr},
        {Page::Samples, "tsSamples", BarAction::Samples, &TfrmMain::buildSamplesPage, &TfrmMain::tsSamplesShow},
        {Page::Statistics, "tsABGStats", BarAction::Statistics, &TfrmMain::buildStatisticsPage, nullptr},
        {Page::Print, "tsPrint", BarAction::Print, &TfrmMain::buildPrintPage, nullptr},
        {Page::Explanation, "tsExplanation", BarAction::Explanation, &TfrmMain::buildExplanationPage,
         &TfrmMain::showExplanation},
        {Page::Review, "tsReview", BarAction::Review, &TfrmMain::buildReviewPage, &TfrmMain::showReview},
    }};
    return rows;
}

QWidget *TfrmMain::pageHost(Page page) const
{
    return m_pages->widget(static_cast<int>(page));
}

std::optional<Page> TfrmMain::pageNamed(const QString &name) const
{
    const auto &rows = pageRows();
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [&](const PageRow &row) { return name == QLatin1String(row.name); });
    return found == rows.end() ? std::nullopt : std::optional<Page>(found->page);
}

QWidget *TfrmMain::content(Page page)
{
    QWidget *&built = m_contents[static_cast<std::size_t>(page)];
    if (built)
        return built;
    QWidget *host = pageHost(page);
    built = (this->*pageRows()[static_cast<std::size_t>(page)].build)(host);
    host->layout()->addWidget(built);
    if (m_frenchCaptions) {
        writeCaptions(*built);
        SetCategoryCaptions();
    }
    nameControls();
    return built;
}

template <typename Content>
Content *TfrmMain::built(Page page, Content *const &member)
{
    content(page);
    return member;
}

TeacherPage *TfrmMain::teacherPage()
{
    return built(Page::Teacher, m_teacherPage);
}

StatisticsPage *TfrmMain::statisticsPage()
{
    return built(Page::Statistics, m_statisticsPage);
}

SamplesPage *TfrmMain::samplesPage()
{
    return built(Page::Samples, m_samplesPage);
}

NormalValuesPage *TfrmMain::normalValuesPage()
{
    return built(Page::NormalValues, m_normalValues);
}

PreferencesPage *TfrmMain::preferencesPage()
{
    return built(Page::Preferences, m_preferences);
}

PrintPage *TfrmMain::printPage()
{
    return built(Page::Print, m_printPage);
}

AboutPage *TfrmMain::aboutPage()
{
    return built(Page::About, m_aboutPage);
}

void TfrmMain::switchPage(Page page)
{
    m_pages->setCurrentIndex(static_cast<int>(page)); // builds its content if need be
    runShowHook(page);
    for (const PageRow &row : pageRows())
        action(row.action)->setImageIndex(row.page == page ? kArrowImage : kNoImage);
}

void TfrmMain::runShowHook(Page page)
{
    if (const auto hook = pageRows()[static_cast<std::size_t>(page)].showHook)
        (this->*hook)();
}

QWidget *TfrmMain::buildTeacherPage(QWidget *host)
{
    m_teacherPage = new TeacherPage(host);
    connect(m_teacherPage, &TeacherPage::categoryClicked, this, &TfrmMain::chkNormalClick);
    connect(m_teacherPage->chkPracticeWeak(), &QCheckBox::clicked, this, &TfrmMain::chkPracticeWeakClick);
    connect(m_teacherPage->chkRealisticCases(), &QCheckBox::clicked, this,
            [this](bool on) { m_appSettings[AppSetting::RealisticCases].setOn(on); });
    showTeacherState();
    return m_teacherPage;
}

QWidget *TfrmMain::buildNormalValuesPage(QWidget *host)
{
    m_normalValues = new NormalValuesPage(host);
    m_normalValues->showUnits(unitPresentation(m_presentation.unit));
    return m_normalValues;
}

QWidget *TfrmMain::buildPreferencesPage(QWidget *host)
{
    m_preferences = new PreferencesPage(host);
    connect(m_preferences->btnSave(), &QPushButton::clicked, this, &TfrmMain::btnSaveClick);
    connect(m_preferences->btnDefaults(), &QPushButton::clicked, this, &TfrmMain::btnDefaultsClick);
    // btnCancelClick: Cancel changes nothing.
    return m_preferences;
}

QWidget *TfrmMain::buildHelpPage(QWidget *host)
{
    return new HelpPage(host);
}

QWidget *TfrmMain::buildAboutPage(QWidget *host)
{
    m_aboutPage = new AboutPage(host);
    connect(m_aboutPage->lblWebsite(), &ClickableLabel::clicked, this, &TfrmMain::lblWebsiteClick);
    connect(m_aboutPage->lblEmailSales(), &ClickableLabel::clicked, this, &TfrmMain::lblEmailSalesClick);
    connect(m_aboutPage->lblEmailSupport(), &ClickableLabel::clicked, this, &TfrmMain::lblEmailSupportClick);
    connect(m_aboutPage->lblLicenseAgreement(), &ClickableLabel::clicked, this, &TfrmMain::lblLicenseAgreementClick);
    return m_aboutPage;
}

QWidget *TfrmMain::buildSamplesPage(QWidget *host)
{
    m_samplesPage = new SamplesPage(host);
    connect(m_samplesPage, &SamplesPage::categoryClicked, this, &TfrmMain::sampleLabelClick);
    return m_samplesPage;
}

QWidget *TfrmMain::buildStatisticsPage(QWidget *host)
{
    m_statisticsPage = new StatisticsPage(host);
    for (const halvex::AbgCategoryInfo &info : halvex::abgCategories())
        showCategoryStats(info.category);
    return m_statisticsPage;
}

QWidget *TfrmMain::buildExplanationPage(QWidget *host)
{
    m_explanationPage = new ExplanationPage(host);
    return m_explanationPage;
}

QWidget *TfrmMain::buildReviewPage(QWidget *host)
{
    m_reviewPage = new ReviewPage(host);
    connect(m_reviewPage->chkWrongOnly(), &QCheckBox::toggled, this, &TfrmMain::showReview);
    connect(m_reviewPage->lstAnswers(), &QListWidget::currentRowChanged, this, &TfrmMain::showReviewedAnswer);
    connect(m_reviewPage->btnLoadAnswer(), &QPushButton::clicked, this, &TfrmMain::loadReviewedAnswer);
    connect(m_reviewPage->btnSaveReview(), &QPushButton::clicked, this, &TfrmMain::saveReview);
    showReview();
    return m_reviewPage;
}

QWidget *TfrmMain::buildPrintPage(QWidget *host)
{
    m_printPage = new PrintPage(host);
    connect(m_printPage->btnPrintABGs(), &QPushButton::clicked, this, &TfrmMain::btnPrintABGsClick);
    return m_printPage;
}
