#pragma once

// The page tsABGStats: for each category its name and the share of its
// generated samples that were answered right ("N/A" before its first answer).

#include "engine/AbgCategory.h"

#include <QWidget>

#include <array>

class QLabel;

class StatisticsPage : public QWidget {
    Q_OBJECT

public:
    explicit StatisticsPage(QWidget *parent = nullptr);

    // lblStats0 to lblStats14, by category code.
    QLabel *percentageLabel(int code) const;
    // The category's name, by category code.
    QLabel *nameLabel(int code) const;

private:
    std::array<QLabel *, halvex::kCategoryCount> m_names{};
    std::array<QLabel *, halvex::kCategoryCount> m_percentages{};
};
