#pragma once

// The page tsABGTeacher: the fifteen answer boxes, and the strip with the
// verdict, the number of samples generated and the success gauge.

#include "engine/AbgCategory.h"

#include <QWidget>

#include <array>

class CylinderGauge;
class QCheckBox;
class QLabel;

class TeacherPage : public QWidget {
    Q_OBJECT

public:
    explicit TeacherPage(QWidget *parent = nullptr);

    const std::array<QCheckBox *, halvex::kCategoryCount> &checkBoxes() const { return m_boxes; }
    QCheckBox *checkBox(halvex::AbgCategory category) const
    {
        return m_boxes[static_cast<std::size_t>(halvex::categoryCode(category))];
    }
    QLabel *lblResultAcidBase() const { return m_result; }
    QLabel *lblGenerated() const { return m_generated; }
    CylinderGauge *pb() const { return m_gauge; }
    // Whether Generate favours the categories answered wrong.
    QCheckBox *chkPracticeWeak() const { return m_practiceWeak; }
    // Whether Generate draws values that fit together.
    QCheckBox *chkRealisticCases() const { return m_realisticCases; }

signals:
    // The student clicked the box of this category.
    void categoryClicked(halvex::AbgCategory category);

private:
    std::array<QCheckBox *, halvex::kCategoryCount> m_boxes{};
    QLabel *m_result;
    QLabel *m_generated;
    CylinderGauge *m_gauge;
    QCheckBox *m_practiceWeak = nullptr;
    QCheckBox *m_realisticCases = nullptr;
};
