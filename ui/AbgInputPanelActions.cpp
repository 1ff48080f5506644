// What the input panel's buttons and fields do: the Analyze workflow, Clear,
// Generate of teacher mode and the pH exit rule, and how the fields follow the
// unit, the decimal preferences and the samples the session puts into them;
// each outcome is told to a screen reader once the focus has moved.

#include "ui/AbgInputPanel.h"
#include "ui/PageText.h"

#include "engine/AssessAcidBase.h"
#include "language/CaptionSets.h"
#include "ui/ControlCaptions.h"
#include "ui/DecimalPreferences.h"
#include "ui/ResultFields.h"
#include "ui/UnitPresentation.h"
#include "ui/WindowSession.h"
#include "widgets/Announcer.h"
#include "widgets/Hints.h"
#include "widgets/NumericSpinField.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void AbgInputPanel::connectHandlers()
{
    WindowSession &session = m_context.session;
    connect(m_btnAnalyze, &QPushButton::clicked, this, &AbgInputPanel::btnAnalyzeClick);
    connect(m_btnClear, &QPushButton::clicked, this, &AbgInputPanel::btnClearClick);
    connect(m_btnGenerate, &QPushButton::clicked, this, &AbgInputPanel::btnGenerateClick);
    connect(m_btnWhy, &QPushButton::clicked, this, [&session] { session.requestPage(Page::Explanation); });
    edtPh()->setExitHandler([this] { edtPhExit(); });
    for (NumericSpinField *field : m_fields)
        connect(field, &NumericSpinField::edited, &session,
                [&session] { session.fieldsWritten(halvex::CaseOrigin::Typed); });
    connect(&session, &WindowSession::sampleLoaded, this, &AbgInputPanel::showSample);
    connect(&session, &WindowSession::unitChanged, this, &AbgInputPanel::showPressureUnits);
    connect(&session, &WindowSession::decimalsChanged, this, &AbgInputPanel::applySavedDecimals);
    connect(&session, &WindowSession::languageChanged, this, &AbgInputPanel::retranslate);
}

void AbgInputPanel::btnAnalyzeClick()
{
    WindowSession &session = m_context.session;
    setInputFieldsReadOnly(false);
    session.analysisStarted();
    clearAssessments();

    const halvex::AbgInput input = readInput();
    const halvex::Presentation &presentation = session.presentation();
    if (const auto failure = halvex::validateAbgInput(input, presentation.unit)) {
        session.analysisRefused();
        const QString text = QString::fromStdString(halvex::failureText(*failure, presentation.language));
        if (failure->box == halvex::MessageBoxKind::Information)
            m_context.seams.boxes.information(text);
        else
            m_context.seams.boxes.error(text);
        return;
    }

    ResultFields output(*this, m_context.seams.boxes);
    const halvex::BloodGasSample sample = halvex::sampleInMmHg(input, presentation.unit);
    halvex::AssessAcidBase(output, sample, presentation.unit, presentation.language);
    session.assessed(input, sample);
    m_btnGenerate->setFocus();
    // Told after the focus has moved: a screen reader would cut it to say the focus.
    Announcer::announce(this, analysisNews(output.shown()));
}

void AbgInputPanel::btnClearClick()
{
    setInputFieldsReadOnly(false);
    for (NumericSpinField *field : {edtPh(), edtPaCO2(), edtPaO2(), edtHCO3(), edtAge()})
        field->clear();
    edtFIO2()->setValue(halvex::kRoomAirFiO2);
    clearAssessments();
    m_context.session.fieldsWritten(halvex::CaseOrigin::Typed);
    edtPh()->setFocus();
}

void AbgInputPanel::btnGenerateClick()
{
    setInputFieldsReadOnly(true);
    if (m_context.session.practice().teacher().awaitingAnalysis()
        && !m_context.seams.boxes.confirm(
            QStringLiteral("Last generated ABG not analyzed, are you sure you want to generate another?")))
        return;
    clearAssessments();
    m_context.session.generateCase();
}

void AbgInputPanel::edtPhExit()
{
    NumericSpinField *ph = edtPh();
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

void AbgInputPanel::showSample(const halvex::BloodGasSample &sample)
{
    const halvex::PressureUnit unit = m_context.session.presentation().unit;
    clearAssessments();
    edtPh()->setValue(sample.pH);
    edtPaCO2()->setValue(halvex::ConvertPressure(halvex::PressureUnit::MmHg, unit, sample.PaCO2));
    edtPaO2()->setValue(halvex::ConvertPressure(halvex::PressureUnit::MmHg, unit, sample.PaO2));
    edtHCO3()->setValue(sample.HCO3);
    edtAge()->setValue(sample.Age);
    edtFIO2()->setValue(sample.FiO2);
    m_btnAnalyze->setFocus();
    Announcer::announce(this, caseNews());
}

void AbgInputPanel::showPressureUnits(halvex::PressureUnit from, halvex::PressureUnit to)
{
    const UnitPresentation &units = unitPresentation(to);
    m_unitLabels[1]->setText(units.label());
    m_unitLabels[2]->setText(units.label());
    edtPaCO2()->setSingleStep(units.step);
    edtPaO2()->setSingleStep(units.step);
    edtPaCO2()->setRange(0, units.paco2Maximum);
    edtPaO2()->setRange(0, units.pao2Maximum);
    nameFields();

    // The values are read before the new decimals round them. Selecting the unit
    // already in force converts nothing: kPa to kPa would scale the user's
    // values by 0.9975 at every click.
    const AppSettings &settings = m_context.session.settings();
    for (const auto &[field, value] :
         {std::pair{edtPaCO2(), DecimalValue::PaCO2}, std::pair{edtPaO2(), DecimalValue::PaO2}}) {
        const double shown = field->value();
        field->setDecimals(halvex::pressureDecimals(to, storedDecimals(settings, value)));
        if (from != to)
            field->setValue(halvex::ConvertPressure(from, to, shown));
    }
}

void AbgInputPanel::applyStoredDecimals()
{
    // The saved pH and HCO3 decimals survive a restart, as the pressure decimals
    // do through the mmHg selection.
    const AppSettings &settings = m_context.session.settings();
    for (const auto &[value, field] :
         {std::pair{DecimalValue::Ph, edtPh()}, std::pair{DecimalValue::HCO3, edtHCO3()}}) {
        if (!settings[decimalPreference(value).setting].isEmpty())
            field->setDecimals(storedDecimals(settings, value));
    }
}

void AbgInputPanel::applySavedDecimals()
{
    // As the preferences Save writes them, in either unit.
    const AppSettings &settings = m_context.session.settings();
    const std::pair<DecimalValue, NumericSpinField *> targets[] = {{DecimalValue::Ph, edtPh()},
                                                                   {DecimalValue::PaCO2, edtPaCO2()},
                                                                   {DecimalValue::PaO2, edtPaO2()},
                                                                   {DecimalValue::HCO3, edtHCO3()}};
    for (const auto &[value, field] : targets)
        field->setDecimals(settings[decimalPreference(value).setting].integer());
}

void AbgInputPanel::retranslate()
{
    const WindowSession &session = m_context.session;
    if (const std::optional<bool> french = session.frenchCaptions())
        writeCaptionSet(*this, *french);
    m_btnWhy->setText(session.text(halvex::OwnText::Why));
    // In English whatever the language, as the hints of the design's buttons beside it.
    setHint(m_btnWhy, QStringLiteral("|") + englishText(halvex::OwnText::WhyHint));
    // A screen reader reads the buttons' descriptions in the language in force.
    const std::pair<QPushButton *, halvex::OwnText> described[] = {
        {m_btnClear, halvex::OwnText::ClearDescription},
        {m_btnGenerate, halvex::OwnText::GenerateDescription},
        {m_btnAnalyze, halvex::OwnText::AnalyzeDescription},
        {m_btnWhy, halvex::OwnText::WhyHint},
    };
    for (const auto &[button, description] : described) {
        button->setAccessibleDescription(session.text(description));
        // Alt and the caption's first letter presses it, in either language: C, G, A, W; E, N, A, P.
        if (!button->text().startsWith(u'&'))
            button->setText(u'&' + button->text());
    }
    nameFields();
}
