#pragma once

// The page tsSamples: the fifteen categories as clickable captions; a click
// puts a fresh example of that category into the fields, touching nothing of
// teacher mode.

#include "engine/AbgCategory.h"
#include "ui/PageWidget.h"
#include "ui/SideBarActions.h"

#include <array>

class HoverBoldLabel;

class SamplesPage : public PageWidget {
    Q_OBJECT

public:
    static constexpr Page kPage = Page::Samples;

    SamplesPage(PageContext &context, QWidget *parent);

    void retranslate() override;
    // tsSamplesShow: no label in bold.
    void shown() override { resetLabels(); }

private:
    void sampleLabelClick(halvex::AbgCategory category);
    // ShowSample: a sample of the variant into the fields.
    void ShowSample(int variant);
    // ResetSampleLabels: no label in bold.
    void resetLabels();

    std::array<HoverBoldLabel *, halvex::kCategoryCount> m_labels{};
};
