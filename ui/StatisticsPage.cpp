#include "ui/StatisticsPage.h"

#include "ui/CategoryControls.h"
#include "ui/ControlCaptions.h"
#include "ui/PageText.h"
#include "ui/WindowSession.h"
#include "widgets/LabelTable.h"
#include "widgets/Tags.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

StatisticsPage::StatisticsPage(PageContext &context, QWidget *parent) : PageWidget(context, parent)
{
    QLabel *title = pageTitle(QStringLiteral("lblStatsTitle"),
                              QStringLiteral("Detailed Statistics of success rate per ABG type :"), this);

    // Read as a table: each category's name, then its percentage, in two pairs of columns.
    auto *table = new LabelTable({}, this);
    QGridLayout *grid = table->grid();
    grid->setContentsMargins(0, 0, 0, 0);
    // Two columns of the longest names (in French above all) and their
    // percentages only just fit the page: the room between them is kept tight.
    grid->setVerticalSpacing(1);
    grid->setHorizontalSpacing(6);
    QFont bold = font();
    bold.setBold(true);
    const int percentageWidth = QFontMetrics(bold).horizontalAdvance(QStringLiteral("100 %")) + 2;
    for (const halvex::AbgCategoryInfo &info : halvex::abgCategories()) {
        const int code = halvex::categoryCode(info.category);
        // The one name that breaks the pattern: "lblRAstats".
        const QString name = info.category == halvex::AbgCategory::RA
                                 ? QStringLiteral("lblRAstats")
                                 : categoryControlName(QStringLiteral("lbl"), info.category, QStringLiteral("Stats"));
        auto *label = new QLabel(categoryEnglishName(info.category), table);
        label->setObjectName(name);
        setTag(label, kCategoryLabelTag);
        setTextColour(label, categoryColour(info.category));

        auto *percentage = new QLabel(QStringLiteral("N/A"), table);
        percentage->setObjectName(QStringLiteral("lblStats%1").arg(code));
        percentage->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        percentage->setFont(bold);
        percentage->setMinimumWidth(percentageWidth);
        m_percentages[static_cast<std::size_t>(code)] = percentage;
        m_names[static_cast<std::size_t>(code)] = label;

        const GridPlace place = categoryGridPlace(info.category);
        grid->addWidget(label, place.row, place.column * 2);
        grid->addWidget(percentage, place.row, place.column * 2 + 1);
    }
    grid->setColumnStretch(4, 1);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(8, 6, 8, 6);
    page->addWidget(title);
    page->addWidget(table);
    page->addStretch();

    connect(&session(), &WindowSession::practiceChanged, this, &StatisticsPage::showStatistics);
    showStatistics();
}

void StatisticsPage::showStatistics()
{
    const halvex::TeacherSession &teacher = session().practice().teacher();
    for (const halvex::AbgCategoryInfo &info : halvex::abgCategories()) {
        const int code = halvex::categoryCode(info.category);
        if (const std::optional<std::string> text = teacher.categoryStatsText(info.category))
            m_percentages[std::size_t(code)]->setText(QString::fromStdString(*text));
    }
}

void StatisticsPage::retranslate()
{
    if (const std::optional<bool> french = session().frenchCaptions()) {
        writeCaptionSet(*this, *french);
        SetCategoryCaptions(m_names, session().captionLanguage());
    }
}
