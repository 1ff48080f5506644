#pragma once

// Where the window shows an assessment: the input panel's two result fields,
// and the error dialog for a question.

#include "engine/AssessmentOutput.h"

class AbgInputPanel;
class MessageBoxes;

class ResultFields final : public halvex::AssessmentOutput {
public:
    ResultFields(AbgInputPanel &panel, MessageBoxes &boxes);

    void setAcidBaseText(const std::string &text) override;
    void setOxygenationText(const std::string &text) override;
    void showAbgError(const std::string &message) override;

private:
    AbgInputPanel &m_panel;
    MessageBoxes &m_boxes;
};
