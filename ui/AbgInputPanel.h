#pragma once

// The input panel pnlABG: the six fields of one blood gas with their labels and
// units, the two read-only result fields and the Clear, Generate and Analyze
// buttons, at their designed places; and what those buttons do (the Analyze
// workflow, Generate of teacher mode, Clear), through the window's session.

#include "engine/BloodGasSample.h"
#include "engine/InputValidation.h"
#include "engine/PressureUnits.h"
#include "ui/PageContext.h"

#include <QFrame>
#include <QStringList>

#include <array>

class NumericSpinField;
class QLabel;
class QLineEdit;
class QPushButton;

class AbgInputPanel : public QFrame {
    Q_OBJECT

public:
    AbgInputPanel(PageContext &context, QWidget *parent);

    NumericSpinField *edtPh() const { return m_fields[0]; }
    NumericSpinField *edtPaCO2() const { return m_fields[1]; }
    NumericSpinField *edtPaO2() const { return m_fields[2]; }
    NumericSpinField *edtHCO3() const { return m_fields[3]; }
    NumericSpinField *edtFIO2() const { return m_fields[4]; }
    NumericSpinField *edtAge() const { return m_fields[5]; }
    QLineEdit *edtAssessAcidBase() const { return m_edtAssessAcidBase; }
    QLineEdit *edtAssessO2() const { return m_edtAssessO2; }
    QPushButton *btnClear() const { return m_btnClear; }
    QPushButton *btnGenerate() const { return m_btnGenerate; }
    QPushButton *btnAnalyze() const { return m_btnAnalyze; }
    // Opens the explanation of the last assessment.
    QPushButton *btnWhy() const { return m_btnWhy; }

    // The six fields in the order pH, PaCO2, PaO2, HCO3, O2 %, Age.
    const std::array<NumericSpinField *, 6> &inputFields() const { return m_fields; }
    void setInputFieldsReadOnly(bool readOnly);

    // The values as the fields show them: an empty pH, PaCO2, PaO2 or HCO3 is
    // missing, an empty O2 % reads as 21 and an empty age as 0.
    halvex::AbgInput readInput() const;

    // The Analyze workflow: the fields unlocked, the values validated,
    // assessed into the result fields, the answer scored; the focus on Generate.
    void btnAnalyzeClick();
    void btnClearClick();
    // Generate of teacher mode: a new case, the fields locked until Analyze.
    void btnGenerateClick();
    // Lets a pH be typed without its point: 735, 7350 and 73500 all read as 7.35.
    void edtPhExit();

    // The saved pH and HCO3 decimals, at start (the pressures' come with the unit).
    void applyStoredDecimals();
    // The captions of the language in force, and the names screen readers read.
    void retranslate();

    // ClearAssessments: empties both result fields.
    void clearAssessments();

private:
    void connectHandlers();
    // Writes a sample held in mmHg into the fields, the pressures converted to
    // the unit in force; each field shows its value with its own decimals.
    void showSample(const halvex::BloodGasSample &sample);
    // The unit labels, step, maxima and decimals of the two pressure fields;
    // their values converted when the unit changes.
    void showPressureUnits(halvex::PressureUnit from, halvex::PressureUnit to);
    // The four decimal preferences as saved.
    void applySavedDecimals();
    // Names each field for screen readers after its label and unit, and each
    // result field after its heading, as they read now.
    void nameFields();
    // What a screen reader is told once Analyze has shown `shown` (the results,
    // or the question): the verdict on the answer it scored first, what the
    // electrolytes say last.
    QString analysisNews(const QStringList &shown) const;
    // What a screen reader is told of the case just put into the fields: new or
    // loaded, and its values as the fields show them.
    QString caseNews() const;

    PageContext &m_context;
    std::array<NumericSpinField *, 6> m_fields{};
    std::array<QLabel *, 6> m_rowLabels{};  // before each field
    std::array<QLabel *, 6> m_unitLabels{}; // beside each field
    QLabel *m_acidBaseHeading = nullptr;
    QLabel *m_hypoxemiaHeading = nullptr;
    QLineEdit *m_edtAssessAcidBase;
    QLineEdit *m_edtAssessO2;
    QPushButton *m_btnClear;
    QPushButton *m_btnGenerate;
    QPushButton *m_btnAnalyze;
    QPushButton *m_btnWhy;
};
