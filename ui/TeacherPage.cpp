#include "ui/TeacherPage.h"

#include "ui/CategoryControls.h"
#include "widgets/CylinderGauge.h"
#include "ui/PageText.h"
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

TeacherPage::TeacherPage(QWidget *parent)
    : QWidget(parent)
{

    auto *boxes = new QGridLayout;
    boxes->setVerticalSpacing(0);
    boxes->setHorizontalSpacing(24);
    boxes->addWidget(boldLabel(QStringLiteral("pnlAcidBaseTitle"), QStringLiteral(" Acid/Base status :"), this), 0, 0);
    // Not answer boxes: the options, in the right column's two empty rows.
    const auto option = [&](const char *name, const QString &caption, int row) {
        auto *box = new QCheckBox(caption, this);
        box->setObjectName(QLatin1String(name));
        box->setFixedHeight(kRowHeight);
        boxes->addWidget(box, row, 1);
        return box;
    };
    m_practiceWeak = option("chkPracticeWeak", QStringLiteral("Practise weak categories"), 0);
    m_realisticCases = option("chkRealisticCases", QStringLiteral("Realistic cases"), 1);
    for (const halvex::AbgCategoryInfo &info : halvex::abgCategories()) {
        auto *box = new QCheckBox(categoryEnglishName(info.category), this);
        box->setObjectName(categoryControlName(QStringLiteral("chk"), info.category));
        box->setFixedHeight(kRowHeight);
        setTag(box, halvex::categoryCode(info.category));
        setTextColour(box, categoryColour(info.category));
        connect(box, &QCheckBox::clicked, this, [this, category = info.category] { emit categoryClicked(category); });
        const GridPlace place = categoryGridPlace(info.category);
        boxes->addWidget(box, place.row + 1, place.column);
        m_boxes[static_cast<std::size_t>(halvex::categoryCode(info.category))] = box;
    }
    boxes->setColumnStretch(2, 1);

    auto *strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("pnlAcidBaseSuccessRate"));
    m_result = new QLabel(strip);
    m_result->setObjectName(QStringLiteral("lblResultAcidBase"));
    QFont bold = m_result->font();
    bold.setBold(true);
    m_result->setFont(bold);
    m_generated = new QLabel(QStringLiteral("0"), strip);
    m_generated->setObjectName(QStringLiteral("lblGenerated"));
    m_generated->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_generated->setMinimumWidth(45);
    setTextColour(m_generated, QColor(128, 0, 0));
    m_gauge = new CylinderGauge(strip);
    m_gauge->setObjectName(QStringLiteral("pb"));

    auto *line = new QHBoxLayout;
    line->addWidget(boldLabel(QStringLiteral("lblSuccessRate2"), QStringLiteral("Success Rate :   "), strip));
    line->addWidget(m_result, 1);
    auto *total = new QLabel(QStringLiteral("Total"), strip);
    total->setObjectName(QStringLiteral("lblTotal"));
    line->addWidget(total);
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
}
