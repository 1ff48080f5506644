#include "ui/ElectrolytesPage.h"

#include "engine/GapExplanation.h"
#include "numbers/NumberText.h"
#include "ui/ExplanationHtml.h"
#include "ui/PageText.h"
#include "ui/WindowSession.h"
#include "widgets/NumericSpinField.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

enum Field { Sodium, Chloride, Albumin };

struct FieldRow {
    const char *name;
    halvex::OwnText caption;
};

constexpr std::array<FieldRow, 3> kFieldRows{{
    {"edtSodium", halvex::OwnText::SodiumCaption},
    {"edtChloride", halvex::OwnText::ChlorideCaption},
    {"edtAlbumin", halvex::OwnText::Albumin},
}};
// As the blood gas's fields do, the fields take any value they can show; Analyze
// refuses one outside its range, naming it and the range.
constexpr double kLargestTyped = 999;

std::optional<double> typed(const NumericSpinField *field)
{
    return field->isEmpty() ? std::nullopt : halvex::parseNumber(field->text().toStdString());
}

} // namespace

ElectrolytesPage::ElectrolytesPage(PageContext &context, QWidget *parent)
    : PageWidget(context, parent)
    , m_title(pageTitle(QStringLiteral("lblElectrolytesTitle"), QStringLiteral("Electrolytes"), this))
    , m_albuminUnitCaption(new QLabel(this))
    , m_albuminUnit(new QComboBox(this))
    , m_clear(new QPushButton(this))
    , m_reading(readOnlyDocument(QStringLiteral("txtAnionGap"), this))
{
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    for (std::size_t i = 0; i < kFieldRows.size(); ++i) {
        const FieldRow &row = kFieldRows[i];
        auto *field = new NumericSpinField(this);
        field->setObjectName(QString::fromLatin1(row.name));
        field->setRange(0, kLargestTyped);
        field->setSingleStep(1);
        field->setDecimals(1);
        field->setMaxLength(6);
        field->setText(QString());
        field->setFixedWidth(80);
        connect(field, &NumericSpinField::edited, this, &ElectrolytesPage::electrolytesEdited);
        auto *caption = new QLabel(this);
        caption->setObjectName(QString::fromLatin1(row.name).replace(0, 3, QStringLiteral("lbl")));
        caption->setBuddy(field);
        grid->addWidget(caption, int(i), 0);
        grid->addWidget(field, int(i), 1);
        m_captions[i] = caption;
        m_fields[i] = field;
    }
    m_albuminUnit->setObjectName(QStringLiteral("cbAlbuminUnit"));
    for (const halvex::AlbuminUnit unit : {halvex::AlbuminUnit::GramsPerLitre, halvex::AlbuminUnit::GramsPerDecilitre})
        m_albuminUnit->addItem(QString::fromLatin1(halvex::albuminUnitName(unit).data()), int(unit));
    // Its caption is its label: a screen reader reads the unit chosen with it.
    m_albuminUnitCaption->setObjectName(QStringLiteral("lblAlbuminUnit"));
    m_albuminUnitCaption->setBuddy(m_albuminUnit);
    grid->addWidget(m_albuminUnitCaption, Albumin, 2);
    grid->addWidget(m_albuminUnit, Albumin, 3);
    m_clear->setObjectName(QStringLiteral("btnClearElectrolytes"));
    grid->addWidget(m_clear, int(kFieldRows.size()), 1, 1, 3, Qt::AlignLeft);
    grid->setColumnStretch(4, 1);
    // Tab walks the page as it is seen: Na, Cl, the albumin and its unit, Clear, then the reading.
    QWidget *previous = m_fields[Sodium];
    for (QWidget *next :
         std::initializer_list<QWidget *>{m_fields[Chloride], m_fields[Albumin], m_albuminUnit, m_clear, m_reading}) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(12, 6, 12, 6);
    page->setSpacing(6);
    page->addWidget(m_title);
    page->addLayout(grid);
    page->addWidget(m_reading, 1);

    connect(m_albuminUnit, &QComboBox::activated, this, [this](int index) {
        session().selectAlbuminUnit(static_cast<halvex::AlbuminUnit>(m_albuminUnit->itemData(index).toInt()));
    });
    connect(m_clear, &QPushButton::clicked, this, [this] { session().setElectrolytes({}); });
    connect(&session(), &WindowSession::electrolytesChanged, this, &ElectrolytesPage::showElectrolytes);
    connect(&session(), &WindowSession::assessmentChanged, this, &ElectrolytesPage::showReading);
    connect(&session(), &WindowSession::unitChanged, this, &ElectrolytesPage::showReading);
    showElectrolytes();
}

void ElectrolytesPage::showElectrolytes()
{
    const halvex::Electrolytes &electrolytes = session().electrolytes();
    m_showing = true;
    const std::array<std::optional<double>, 3> values{electrolytes.sodium, electrolytes.chloride, electrolytes.albumin};
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        // The value as it was typed, when it still reads as the one held.
        if (typed(m_fields[i]) != values[i])
            m_fields[i]->setText(values[i] ? QString::fromStdString(halvex::formatUpTo(*values[i], 2)) : QString());
    }
    m_albuminUnit->setCurrentIndex(m_albuminUnit->findData(int(session().albuminUnit())));
    setAlbuminStep();
    m_showing = false;
}

void ElectrolytesPage::electrolytesEdited()
{
    if (m_showing)
        return;
    session().setElectrolytes(
        {typed(m_fields[Sodium]), typed(m_fields[Chloride]), typed(m_fields[Albumin]), session().albuminUnit()});
}

void ElectrolytesPage::setAlbuminStep()
{
    // A step of 1 g/L, or 0.1 g/dL.
    m_fields[Albumin]->setSingleStep(
        halvex::convertAlbumin(1, halvex::AlbuminUnit::GramsPerLitre, session().albuminUnit()));
}

void ElectrolytesPage::showReading()
{
    const std::optional<WindowSession::Assessment> &assessment = session().assessment();
    QString html;
    if (!assessment) {
        html = paragraphHtml(session().text(halvex::OwnText::NothingYet));
    } else if (!assessment->electrolytesRefused.empty()) {
        // As written, its double space kept.
        html = QStringLiteral("<p style=\"white-space:pre-wrap\">")
               + QString::fromStdString(assessment->electrolytesRefused).toHtmlEscaped() + QStringLiteral("</p>");
    } else {
        const std::vector<std::string> lines =
            halvex::anionGapReading(assessment->sample, session().presentation(), assessment->electrolytes);
        if (lines.empty())
            html = paragraphHtml(session().text(halvex::OwnText::GapNeedsSodiumAndChloride));
        for (const std::string &line : lines)
            html += paragraphHtml(QString::fromStdString(line));
    }
    m_reading->setHtml(html);
}

void ElectrolytesPage::retranslate()
{
    m_title->setText(session().text(halvex::OwnText::ElectrolytesTitle));
    for (std::size_t i = 0; i < kFieldRows.size(); ++i) {
        const QString caption = session().text(kFieldRows[i].caption);
        m_captions[i]->setText(caption);
        m_fields[i]->setAccessibleName(caption);
    }
    m_albuminUnitCaption->setText(session().text(halvex::OwnText::AlbuminUnitName));
    m_albuminUnit->setAccessibleName(session().text(halvex::OwnText::AlbuminUnitName));
    m_clear->setText(session().text(halvex::OwnText::ClearElectrolytes));
    m_reading->setAccessibleName(session().text(halvex::OwnText::AnionGapReading));
    showReading();
}
