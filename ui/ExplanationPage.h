#pragma once

// The page tsExplanation: why the last assessment says what it says, step by
// step, then the teaching notes set apart; after a scored answer, the verdict
// on the answer first. Until the next Analyze once the fields change, it says
// that nothing is analysed yet.

#include "ui/PageWidget.h"
#include "ui/SideBarActions.h"

class QLabel;
class QTextEdit;

class ExplanationPage : public PageWidget {
    Q_OBJECT

public:
    static constexpr Page kPage = Page::Explanation;

    ExplanationPage(PageContext &context, QWidget *parent);

    void retranslate() override;
    void shown() override { showExplanation(); }

private:
    void showExplanation();

    QLabel *m_title;
    QTextEdit *m_text;
};
