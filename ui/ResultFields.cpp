#include "ui/ResultFields.h"

#include "ui/AbgInputPanel.h"
#include "ui/MessageBoxes.h"

#include <QLineEdit>

ResultFields::ResultFields(AbgInputPanel &panel, MessageBoxes &boxes) : m_panel(panel), m_boxes(boxes) {}

void ResultFields::setAcidBaseText(std::string_view text)
{
    m_panel.edtAssessAcidBase()->setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

void ResultFields::setOxygenationText(std::string_view text)
{
    m_panel.edtAssessO2()->setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

void ResultFields::showAbgError(std::string_view message)
{
    m_boxes.showAbgError(QString::fromUtf8(message.data(), qsizetype(message.size())));
}
