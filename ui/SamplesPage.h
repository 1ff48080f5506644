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
    void shown() override { tsSamplesShow(); }

private:
    void sampleLabelClick(halvex::AbgCategory category);
    // ShowSample: a sample of the variant into the fields.
    void ShowSample(int variant);
    // Runs each time the page is shown: no label in bold.
    void tsSamplesShow() { ResetSampleLabels(); }
    // No category label in bold (the labels tagged as such are all this page's).
    void ResetSampleLabels();

    std::array<HoverBoldLabel *, halvex::kCategoryCount> m_labels{};
};
