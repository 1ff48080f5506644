#pragma once

// Where the window shows an assessment: the input panel's two result fields,
// and the error dialog for a question.

#include "engine/AssessmentOutput.h"

class AbgInputPanel;
class MessageBoxes;

class ResultFields final : public halvex::AssessmentOutput {
public:
    ResultFields(AbgInputPanel &panel, MessageBoxes &boxes);

    void setAcidBaseText(std::string_view text) override;
    void setOxygenationText(std::string_view text) override;
    void showAbgError(std::string_view message) override;

private:
    AbgInputPanel &m_panel;
    MessageBoxes &m_boxes;
};
