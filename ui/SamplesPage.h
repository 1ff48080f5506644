#pragma once

// The page tsSamples: the fifteen categories as clickable captions; a click
// asks for a fresh example of that category.

#include "engine/AbgCategory.h"

#include <QWidget>

#include <array>

class HoverBoldLabel;

class SamplesPage : public QWidget {
    Q_OBJECT

public:
    explicit SamplesPage(QWidget *parent = nullptr);

    HoverBoldLabel *label(halvex::AbgCategory category) const;
    // ResetSampleLabels: no label in bold.
    void resetLabels();

signals:
    void categoryClicked(halvex::AbgCategory category);

private:
    std::array<HoverBoldLabel *, halvex::kCategoryCount> m_labels{};
};
