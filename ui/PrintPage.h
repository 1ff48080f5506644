#pragma once

// The page tsPrint: how many blood gases to print, whether with their reasons,
// and the print button, which draws them and hands the exercise sheet to the
// report runner.

#include "ui/PageWidget.h"
#include "ui/SideBarActions.h"

#include <memory>

class ExerciseSheet;
class NumericSpinField;
class QCheckBox;
class QPushButton;

class PrintPage : public PageWidget {
    Q_OBJECT

public:
    static constexpr Page kPage = Page::Print;

    PrintPage(PageContext &context, QWidget *parent);
    ~PrintPage() override;

    void retranslate() override;

    // The sheet of the last print; null before the first.
    const ExerciseSheet *exerciseSheet() const { return m_sheet.get(); }

private:
    void btnPrintABGsClick();

    NumericSpinField *m_count;
    QPushButton *m_print;
    QCheckBox *m_explain;
    std::unique_ptr<ExerciseSheet> m_sheet; // the two lists of printing
};
