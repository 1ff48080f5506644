#pragma once

// The page tsABGTeacher: the fifteen answer boxes, the practice options, and
// the strip with the verdict, the number of samples generated and the success
// gauge. It shows the practice session as it stands and passes the student's
// ticks to it.

#include "engine/AbgCategory.h"
#include "ui/PageWidget.h"
#include "ui/SideBarActions.h"

#include <array>

class CylinderGauge;
class QCheckBox;
class QLabel;

class TeacherPage : public PageWidget {
    Q_OBJECT

public:
    static constexpr Page kPage = Page::Teacher;

    TeacherPage(PageContext &context, QWidget *parent);

    void retranslate() override;

protected:
    // The answer ticked, or the first answer box: the shortest way from the fields to an answer.
    QWidget *entry() override;

    // The click handler of the fifteen answer boxes: exactly the clicked one stays ticked.
    void chkNormalClick(halvex::AbgCategory category);

private:
    // The boxes, the verdict, the count, the gauge and the options, as the session holds them.
    void showPractice();
    // The count named with its caption, in the language in force.
    void nameCount();

    std::array<QCheckBox *, halvex::kCategoryCount> m_boxes{};
    QCheckBox *m_practiceWeak;
    QCheckBox *m_realisticCases;
    QCheckBox *m_withElectrolytes;
    QLabel *m_result; // the verdict
    QLabel *m_generated;
    QLabel *m_total = nullptr; // the count's caption
    CylinderGauge *m_gauge;
};
