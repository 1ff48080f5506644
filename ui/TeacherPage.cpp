#include "ui/TeacherPage.h"

#include "ui/CategoryControls.h"
#include "ui/ControlCaptions.h"
#include "ui/PageText.h"
#include "ui/WindowSession.h"
#include "widgets/CylinderGauge.h"
#include "widgets/Tags.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace {

constexpr int kRowHeight = 17;

QLabel *boldLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

TeacherPage::TeacherPage(PageContext &context, QWidget *parent)
    : PageWidget(context, parent)
    , m_practiceWeak(new QCheckBox(this))
    , m_realisticCases(new QCheckBox(this))
    , m_withElectrolytes(new QCheckBox(this))
    , m_result(new QLabel)
    , m_generated(new QLabel(QStringLiteral("0")))
    , m_gauge(new CylinderGauge)
{
    auto *boxes = new QGridLayout;
    boxes->setVerticalSpacing(0);
    boxes->setHorizontalSpacing(24);
    boxes->addWidget(boldLabel(QStringLiteral("pnlAcidBaseTitle"), QStringLiteral(" Acid/Base status :"), this), 0, 0);
    // Not answer boxes: the options, in the right column's two empty rows and below its answers.
    struct Option {
        QCheckBox *box;
        AppSetting setting;
        int row;
        int column;
    };
    const int belowAnswers = categoryGridPlace(halvex::AbgCategory::CRMAK).row + 2;
    const Option options[] = {{m_practiceWeak, AppSetting::PracticeWeak, 0, 1},
                              {m_realisticCases, AppSetting::RealisticCases, 1, 1},
                              {m_withElectrolytes, AppSetting::WithElectrolytes, belowAnswers, 1}};
    m_practiceWeak->setObjectName(QStringLiteral("chkPracticeWeak"));
    m_realisticCases->setObjectName(QStringLiteral("chkRealisticCases"));
    m_withElectrolytes->setObjectName(QStringLiteral("chkWithElectrolytes"));
    for (const Option &option : options) {
        option.box->setFixedHeight(kRowHeight);
        connect(option.box, &QCheckBox::clicked, this,
                [this, setting = option.setting](bool on) { session().setOption(setting, on); });
        boxes->addWidget(option.box, option.row, option.column);
    }
    for (const halvex::AbgCategoryInfo &info : halvex::abgCategories()) {
        auto *box = new QCheckBox(categoryEnglishName(info.category), this);
        box->setObjectName(categoryControlName(QStringLiteral("chk"), info.category));
        box->setFixedHeight(kRowHeight);
        setTag(box, halvex::categoryCode(info.category));
        setTextColour(box, categoryColour(info.category));
        connect(box, &QCheckBox::clicked, this, [this, category = info.category] { chkNormalClick(category); });
        const GridPlace place = categoryGridPlace(info.category);
        boxes->addWidget(box, place.row + 1, place.column);
        m_boxes[static_cast<std::size_t>(halvex::categoryCode(info.category))] = box;
    }
    boxes->setColumnStretch(2, 1);

    auto *strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("pnlAcidBaseSuccessRate"));
    m_result->setParent(strip);
    m_result->setObjectName(QStringLiteral("lblResultAcidBase"));
    QFont bold = m_result->font();
    bold.setBold(true);
    m_result->setFont(bold);
    m_generated->setParent(strip);
    m_generated->setObjectName(QStringLiteral("lblGenerated"));
    m_generated->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_generated->setMinimumWidth(45);
    setTextColour(m_generated, QColor(128, 0, 0));
    m_gauge->setParent(strip);
    m_gauge->setObjectName(QStringLiteral("pb"));

    auto *line = new QHBoxLayout;
    line->addWidget(boldLabel(QStringLiteral("lblSuccessRate2"), QStringLiteral("Success Rate :   "), strip));
    line->addWidget(m_result, 1);
    m_total = new QLabel(QStringLiteral("Total"), strip);
    m_total->setObjectName(QStringLiteral("lblTotal"));
    // The caption labels the count, which a screen reader reads with it: "Total 3".
    m_total->setBuddy(m_generated);
    line->addWidget(m_total);
    line->addWidget(m_generated);
    auto *stripLayout = new QVBoxLayout(strip);
    stripLayout->setContentsMargins(0, 0, 0, 0);
    stripLayout->setSpacing(2);
    stripLayout->addLayout(line);
    stripLayout->addWidget(m_gauge);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(12, 6, 12, 6);
    page->addLayout(boxes);
    page->addStretch();
    page->addWidget(strip);

    connect(&session(), &WindowSession::practiceChanged, this, &TeacherPage::showPractice);
    showPractice();
}

QWidget *TeacherPage::entry()
{
    const std::optional<halvex::AbgCategory> ticked = session().practice().ticked();
    const halvex::AbgCategory first = ticked.value_or(halvex::abgCategories().front().category);
    return m_boxes[static_cast<std::size_t>(halvex::categoryCode(first))];
}

void TeacherPage::chkNormalClick(halvex::AbgCategory category)
{
    session().tick(category);
}

void TeacherPage::showPractice()
{
    const halvex::Practice &practice = session().practice();
    // At most one box ticked: the one the session holds. Ticking by program runs no handler.
    for (const halvex::AbgCategoryInfo &info : halvex::abgCategories())
        m_boxes[std::size_t(halvex::categoryCode(info.category))]->setChecked(practice.ticked() == info.category);
    m_generated->setText(QString::number(practice.teacher().generatedCount()));
    nameCount();
    m_gauge->setValue(practice.gauge());
    const AppSettings &settings = session().settings();
    m_practiceWeak->setChecked(settings[AppSetting::PracticeWeak].isOn());
    m_realisticCases->setChecked(settings[AppSetting::RealisticCases].isOn());
    m_withElectrolytes->setChecked(settings[AppSetting::WithElectrolytes].isOn());
    // "Correct !" in green or "Incorrect" in red, whatever the interface language; empty for none.
    // The panel's news after Analyze tells it to a screen reader.
    const halvex::Verdict verdict = practice.verdict();
    m_result->setText(QString::fromUtf8(halvex::verdictText(verdict)));
    if (verdict != halvex::Verdict::None)
        setTextColour(m_result, verdict == halvex::Verdict::Correct ? QColor(0, 128, 0) : QColor(255, 0, 0));
}

void TeacherPage::nameCount()
{
    m_generated->setAccessibleName(m_total->text().trimmed() + u' ' + m_generated->text());
}

void TeacherPage::retranslate()
{
    if (const std::optional<bool> french = session().frenchCaptions()) {
        writeCaptionSet(*this, *french);
        SetCategoryCaptions(m_boxes, session().captionLanguage());
    }
    m_practiceWeak->setText(session().text(halvex::OwnText::PracticeWeak));
    m_realisticCases->setText(session().text(halvex::OwnText::RealisticCases));
    m_withElectrolytes->setText(session().text(halvex::OwnText::WithElectrolytes));
    m_gauge->setAccessibleName(session().text(halvex::OwnText::SuccessGauge));
    nameCount();
}
