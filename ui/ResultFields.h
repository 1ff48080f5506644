#pragma once

// Where the window shows an assessment: the input panel's two result fields,
// and the error dialog for a question; and what it showed.

#include "engine/AssessmentOutput.h"

#include <QStringList>

class AbgInputPanel;
class MessageBoxes;

class ResultFields final : public halvex::AssessmentOutput {
public:
    ResultFields(AbgInputPanel &panel, MessageBoxes &boxes);

    void setAcidBaseText(std::string_view text) override;
    void setOxygenationText(std::string_view text) override;
    void showAbgError(std::string_view message) override;

    // Every text shown, in order: the two results, or the question.
    const QStringList &shown() const { return m_shown; }

private:
    AbgInputPanel &m_panel;
    MessageBoxes &m_boxes;
    QStringList m_shown;
};
