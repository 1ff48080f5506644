#include "ui/SamplesPage.h"

#include "engine/SampleGenerator.h"
#include "ui/CategoryControls.h"
#include "ui/ControlCaptions.h"
#include "ui/PageText.h"
#include "ui/WindowSession.h"
#include "widgets/HoverBoldLabel.h"
#include "widgets/Tags.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

SamplesPage::SamplesPage(PageContext &context, QWidget *parent) : PageWidget(context, parent)
{
    QLabel *title = pageTitle(QStringLiteral("lblSampleABG"), QStringLiteral("Sample ABGs"), this);
    auto *instruction = new QLabel(QStringLiteral("Click on an ABG type to insert into analyzer"), this);
    instruction->setObjectName(QStringLiteral("lblClickABG"));

    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    grid->setHorizontalSpacing(24);
    for (const halvex::AbgCategoryInfo &info : halvex::abgCategories()) {
        auto *label = new HoverBoldLabel(this);
        label->setText(categoryEnglishName(info.category));
        label->setObjectName(categoryControlName(QStringLiteral("lbl"), info.category));
        setTag(label, kCategoryLabelTag);
        setTextColour(label, categoryColour(info.category));
        connect(label, &HoverBoldLabel::clicked, this,
                [this, category = info.category] { sampleLabelClick(category); });
        const GridPlace place = categoryGridPlace(info.category);
        grid->addWidget(label, place.row, place.column);
        m_labels[static_cast<std::size_t>(halvex::categoryCode(info.category))] = label;
    }
    grid->setColumnStretch(2, 1);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(12, 6, 12, 6);
    page->addWidget(title);
    page->addWidget(instruction);
    page->addSpacing(6);
    page->addLayout(grid);
    page->addStretch();
}

void SamplesPage::sampleLabelClick(halvex::AbgCategory category)
{
    ShowSample(halvex::drawVariantOf(category, session().generator().random()));
    ResetSampleLabels();
    m_labels[std::size_t(halvex::categoryCode(category))]->setBold(true);
}

void SamplesPage::ShowSample(int variant)
{
    halvex::TABG &generator = session().generator();
    generator.Generate(variant);
    session().loadSample(generator.sample(), halvex::CaseOrigin::Generated);
}

void SamplesPage::ResetSampleLabels()
{
    for (HoverBoldLabel *label : m_labels)
        label->setBold(false);
}

void SamplesPage::retranslate()
{
    if (const std::optional<bool> french = session().frenchCaptions()) {
        writeCaptionSet(*this, *french);
        SetCategoryCaptions(m_labels, session().captionLanguage());
    }
}
