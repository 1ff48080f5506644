#include "engine/Reasoning.h"

#include "engine/ClinicalRules.h"
#include "numbers/NumberText.h"

#include <algorithm>
#include <cmath>

namespace halvex {
namespace {

// Figures are compared as printed; this absorbs the binary form of decimals.
constexpr double kSlack = 1e-9;

Compensation placed(double measured, double low, double high)
{
    if (measured > high + kSlack)
        return Compensation::Above;
    if (measured < low - kSlack)
        return Compensation::Below;
    return Compensation::Within;
}

ExpectedValue kept(double formula, double limit, bool limitIsFloor)
{
    const double value = roundedTo(formula, 1);
    return {value, limitIsFloor ? std::max(value, limit) : std::min(value, limit)};
}

ExpectedRange metabolicRange(CompensationFamily family, const rules::MetabolicResponse &rule, double PaCO2, double HCO3)
{
    const bool acidosis = family == CompensationFamily::MetabolicAcidosis;
    ExpectedRange range{family,
                        kept(rule.slope * HCO3 + rule.intercept, rule.limit, acidosis),
                        std::nullopt,
                        0,
                        0,
                        Compensation::Within,
                        std::nullopt};
    range.low = roundedTo(range.first.kept - rule.tolerance, 1);
    range.high = roundedTo(range.first.kept + rule.tolerance, 1);
    range.measured = placed(PaCO2, range.low, range.high);
    return range;
}

ExpectedRange respiratoryRange(CompensationFamily family, const rules::RespiratoryResponse &rule, double PaCO2,
                               double HCO3)
{
    // HCO3 rises with a high PaCO2 and falls with a low one.
    const bool acidosis = family == CompensationFamily::RespiratoryAcidosis;
    const double shift = acidosis ? PaCO2 - rules::kNormalPaco2 : rules::kNormalPaco2 - PaCO2;
    const double sign = acidosis ? 1 : -1;
    const ExpectedValue acute = kept(rules::kNormalHco3 + sign * rule.acuteSlope * shift, rule.acuteLimit, !acidosis);
    const ExpectedValue chronic =
        kept(rules::kNormalHco3 + sign * rule.chronicSlope * shift, rule.chronicLimit, !acidosis);

    ExpectedRange range{family, acute, chronic, 0, 0, Compensation::Within, std::nullopt};
    range.low = roundedTo(std::min(acute.kept, chronic.kept) - rule.tolerance, 1);
    range.high = roundedTo(std::max(acute.kept, chronic.kept) + rule.tolerance, 1);
    range.measured = placed(HCO3, range.low, range.high);
    if (range.measured == Compensation::Within) {
        const bool nearAcute = std::fabs(HCO3 - acute.kept) <= rule.tolerance + kSlack;
        const bool nearChronic = std::fabs(HCO3 - chronic.kept) <= rule.tolerance + kSlack;
        range.acuity = nearAcute && nearChronic ? Acuity::Either
                       : nearAcute              ? Acuity::Acute
                       : nearChronic            ? Acuity::Chronic
                                                : Acuity::Between;
    }
    return range;
}

PfBand pfBandOf(double ratio)
{
    if (ratio >= rules::kPfNotImpairedFrom)
        return PfBand::None;
    if (ratio >= rules::kPfMildFrom)
        return PfBand::Mild;
    if (ratio >= rules::kPfModerateFrom)
        return PfBand::Moderate;
    return PfBand::Severe;
}

} // namespace

bool ExpectedRange::moreThanExpected() const
{
    // A larger response moves the PaCO2 down in acidosis and up in alkalosis of
    // metabolic origin, and the HCO3 up in respiratory acidosis and down in
    // respiratory alkalosis.
    switch (family) {
    case CompensationFamily::MetabolicAcidosis:
    case CompensationFamily::RespiratoryAlkalosis:
        return measured == Compensation::Below;
    case CompensationFamily::MetabolicAlkalosis:
    case CompensationFamily::RespiratoryAcidosis:
        return measured == Compensation::Above;
    }
    return false;
}

FitCheck checkFit(double pH, double PaCO2, double HCO3)
{
    if (!(HCO3 > 0) || !(PaCO2 > 0))
        return {};
    const double hhPh = roundedTo(rules::kCarbonicPk + std::log10(HCO3 / (rules::kCo2Solubility * PaCO2)), 2);
    // Judged on the pH as printed, so that the sentence and the decision agree.
    return {hhPh, std::fabs(pH - hhPh) <= rules::kFitTolerance + kSlack};
}

std::optional<CompensationFamily> compensationFamilyOf(AbgCategory category)
{
    switch (category) {
    case AbgCategory::MA:
    case AbgCategory::PCMA:
    case AbgCategory::CMA:
        return CompensationFamily::MetabolicAcidosis;
    case AbgCategory::MAK:
    case AbgCategory::PCMAK:
    case AbgCategory::CMAK:
        return CompensationFamily::MetabolicAlkalosis;
    case AbgCategory::RA:
    case AbgCategory::PCRA:
    case AbgCategory::CRA:
        return CompensationFamily::RespiratoryAcidosis;
    case AbgCategory::RAK:
    case AbgCategory::PCRAK:
    case AbgCategory::CRAK:
        return CompensationFamily::RespiratoryAlkalosis;
    default:
        return std::nullopt;
    }
}

ExpectedRange expectedRange(CompensationFamily family, double PaCO2, double HCO3)
{
    switch (family) {
    case CompensationFamily::MetabolicAcidosis:
        return metabolicRange(family, rules::kMetabolicAcidosis, PaCO2, HCO3);
    case CompensationFamily::MetabolicAlkalosis:
        return metabolicRange(family, rules::kMetabolicAlkalosis, PaCO2, HCO3);
    case CompensationFamily::RespiratoryAcidosis:
        return respiratoryRange(family, rules::kRespiratoryAcidosis, PaCO2, HCO3);
    case CompensationFamily::RespiratoryAlkalosis:
        return respiratoryRange(family, rules::kRespiratoryAlkalosis, PaCO2, HCO3);
    }
    return {};
}

OxygenFigures oxygenFigures(const BloodGasSample &s)
{
    OxygenFigures figures;
    figures.fio2Fraction = s.FiO2 / 100;
    figures.alveolar = roundedTo(
        figures.fio2Fraction * (rules::kBarometric - rules::kWaterVapour) - s.PaCO2 / rules::kRespiratoryQuotient, 1);
    figures.aaGradient = roundedTo(figures.alveolar - s.PaO2, 2);
    if (s.FiO2 == kRoomAirFiO2 && s.Age > 0)
        figures.aaExpected = roundedTo(s.Age / rules::kAaAgeDivisor + rules::kAaAgeOffset, 2);
    if (figures.aaGradient < 0)
        figures.aaVerdict = AaVerdict::Impossible;
    else if (figures.aaExpected)
        figures.aaVerdict = figures.aaGradient > *figures.aaExpected + kSlack ? AaVerdict::Raised : AaVerdict::Within;
    figures.pfRatio = roundedTo(s.PaO2 / figures.fio2Fraction, 0);
    figures.pfBand = pfBandOf(figures.pfRatio);
    return figures;
}

Reasoning reasonAbout(const BloodGasSample &s)
{
    Reasoning reasoning{classifyAcidBase(s.pH, s.PaCO2, s.HCO3), checkFit(s.pH, s.PaCO2, s.HCO3), std::nullopt,
                        oxygenFigures(s)};
    if (reasoning.outcome.kind == AcidBaseOutcomeKind::Category) {
        if (const std::optional<CompensationFamily> family = compensationFamilyOf(reasoning.outcome.category))
            reasoning.expected = expectedRange(*family, s.PaCO2, s.HCO3);
    }
    return reasoning;
}

} // namespace halvex
