#include "engine/AssessAcidBase.h"

#include "engine/Oxygenation.h"
#include "language/Language.h"

namespace halvex {

AcidBaseOutcome AssessAcidBase(AssessmentOutput &output, const BloodGasSample &sample, PressureUnit units,
                               std::string_view language)
{
    const AcidBaseOutcome outcome = classifyAcidBase(sample.pH, sample.PaCO2, sample.HCO3);
    switch (outcome.kind) {
    case AcidBaseOutcomeKind::Category:
        output.setAcidBaseText(translatedText(outcome.text, language));
        output.setOxygenationText(
            translatedText(oxygenationGrade(sample.PaO2, sample.Age, sample.FiO2, units), language));
        break;
    case AcidBaseOutcomeKind::Question:
        output.showAbgError(translatedText(outcome.text, language));
        break;
    case AcidBaseOutcomeKind::FullCompensation:
        output.setAcidBaseText(translatedText(outcome.text, language));
        output.setOxygenationText(translatedText(outcome.secondText, language));
        break;
    }
    return outcome;
}

} // namespace halvex
