#include "ui/MainForm.h"

#include "ui/AbgInputPanel.h"
#include "engine/AssessAcidBase.h"
#include "ui/MessageBoxes.h"
#include "widgets/NumericSpinField.h"
#include "ui/ResultFields.h"

#include <QPushButton>

void TfrmMain::btnAnalyzeClick()
{
    m_input->setInputFieldsReadOnly(false);
    m_teacher.analysisStarted();
    m_input->clearAssessments();

    const halvex::AbgInput input = m_input->readInput();
    if (const auto failure = halvex::validateAbgInput(input, m_presentation.unit)) {
        forgetExplanation();
        const QString text = QString::fromStdString(halvex::failureText(*failure, m_presentation.language));
        if (failure->box == halvex::MessageBoxKind::Information)
            m_boxes.information(text);
        else
            m_boxes.error(text);
        return;
    }

    ResultFields output(*m_input, m_boxes);
    const halvex::BloodGasSample sample = halvex::sampleInMmHg(input, m_presentation.unit);
    halvex::AssessAcidBase(output, sample, m_presentation.unit, m_presentation.language);
    m_explained = sample;
    m_explainedOrigin = m_fieldsOrigin;
    m_answerVerdict.reset();
    // An answer counts only for the case it was given for; otherwise the boxes
    // are cleared, as when a new case starts.
    if (AnyCategoryTicked() && m_teacher.caseInFields()) {
        ScoreTeacherAnswer();
        m_answerVerdict = AnswerVerdict{m_teacher.lastAnswerCorrect(), m_teacher.generatedCategory(),
                                        m_teacher.chosenCategory()};
        recordAnswer(input);
    } else {
        ClearCategoryChecks();
    }
    showExplanation();
    m_input->btnGenerate()->setFocus();
}

void TfrmMain::btnClearClick()
{
    m_input->setInputFieldsReadOnly(false);
    for (NumericSpinField *field : {m_input->edtPh(), m_input->edtPaCO2(), m_input->edtPaO2(), m_input->edtHCO3(),
                                    m_input->edtAge()})
        field->clear();
    m_input->edtFIO2()->setValue(halvex::kRoomAirFiO2);
    fieldsWritten(halvex::CaseOrigin::Typed);
    m_input->clearAssessments();
    m_input->edtPh()->setFocus();
}

void TfrmMain::edtPhExit()
{
    NumericSpinField *ph = m_input->edtPh();
    const auto withoutPoint = [ph](qsizetype length) {
        return !ph->text().contains(u'.') && ph->text().size() == length;
    };
    if (withoutPoint(3))
        ph->setValue(ph->value() / 100);
    else if (withoutPoint(4))
        ph->setValue(ph->value() / 1000);
    if (withoutPoint(5))
        ph->setValue(ph->value() / 10000);
}
