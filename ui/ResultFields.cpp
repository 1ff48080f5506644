#include "ui/ResultFields.h"

#include "ui/AbgInputPanel.h"
#include "ui/MessageBoxes.h"

#include <QLineEdit>

ResultFields::ResultFields(AbgInputPanel &panel, MessageBoxes &boxes) : m_panel(panel), m_boxes(boxes) {}

void ResultFields::setAcidBaseText(std::string_view text)
{
    m_shown << QString::fromUtf8(text);
    m_panel.edtAssessAcidBase()->setText(m_shown.back());
}

void ResultFields::setOxygenationText(std::string_view text)
{
    m_shown << QString::fromUtf8(text);
    m_panel.edtAssessO2()->setText(m_shown.back());
}

void ResultFields::showAbgError(std::string_view message)
{
    m_shown << QString::fromUtf8(message);
    m_boxes.showAbgError(m_shown.back());
}
