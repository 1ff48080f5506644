#pragma once

// The page tsABGStats: for each category its name and the share of its
// generated samples that were answered right ("N/A" before its first answer),
// as the practice session holds them.

#include "engine/AbgCategory.h"
#include "ui/PageWidget.h"
#include "ui/SideBarActions.h"

#include <array>

class QLabel;

class StatisticsPage : public PageWidget {
    Q_OBJECT

public:
    static constexpr Page kPage = Page::Statistics;

    StatisticsPage(PageContext &context, QWidget *parent);

    void retranslate() override;

private:
    // UpdateCategoryStats as shown: each percentage label from its tally.
    void showStatistics();

    std::array<QLabel *, halvex::kCategoryCount> m_names{};
    std::array<QLabel *, halvex::kCategoryCount> m_percentages{};
};
