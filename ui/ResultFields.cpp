#include "ui/ResultFields.h"

#include "ui/AbgInputPanel.h"
#include "ui/MessageBoxes.h"

#include <QLineEdit>

ResultFields::ResultFields(AbgInputPanel &panel, MessageBoxes &boxes) : m_panel(panel), m_boxes(boxes) {}

void ResultFields::setAcidBaseText(const std::string &text)
{
    m_panel.edtAssessAcidBase()->setText(QString::fromStdString(text));
}

void ResultFields::setOxygenationText(const std::string &text)
{
    m_panel.edtAssessO2()->setText(QString::fromStdString(text));
}

void ResultFields::showAbgError(const std::string &message)
{
    m_boxes.showAbgError(QString::fromStdString(message));
}
