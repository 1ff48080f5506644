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

// A range around one expected value, widened by the tolerance.
ExpectedRange singleRange(CompensationFamily family, ExpectedValue value, double tolerance, double measured)
{
    ExpectedRange range{family, value, std::nullopt, 0, 0, Compensation::Within, std::nullopt};
    range.low = roundedTo(value.kept - tolerance, 1);
    range.high = roundedTo(value.kept + tolerance, 1);
    range.measured = placed(measured, range.low, range.high);
    return range;
}

// A range from the acute to the chronic value, widened by the tolerance, and
// which of the two the measured value is close to.
ExpectedRange acuteChronicRange(CompensationFamily family, ExpectedValue acute, ExpectedValue chronic, double tolerance,
                                double measured)
{
    ExpectedRange range{family, acute, chronic, 0, 0, Compensation::Within, std::nullopt};
    range.low = roundedTo(std::min(acute.kept, chronic.kept) - tolerance, 1);
    range.high = roundedTo(std::max(acute.kept, chronic.kept) + tolerance, 1);
    range.measured = placed(measured, range.low, range.high);
    if (range.measured == Compensation::Within) {
        const bool nearAcute = std::fabs(measured - acute.kept) <= tolerance + kSlack;
        const bool nearChronic = std::fabs(measured - chronic.kept) <= tolerance + kSlack;
        range.acuity = nearAcute && nearChronic ? Acuity::Either
                       : nearAcute              ? Acuity::Acute
                       : nearChronic            ? Acuity::Chronic
                                                : Acuity::Between;
    }
    return range;
}

ExpectedRange metabolicRange(CompensationFamily family, const rules::MetabolicResponse &rule, double PaCO2, double HCO3)
{
    const bool acidosis = family == CompensationFamily::MetabolicAcidosis;
    return singleRange(family, kept(rule.slope * HCO3 + rule.intercept, rule.limit, acidosis), rule.tolerance, PaCO2);
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
    return acuteChronicRange(family, acute, chronic, rule.tolerance, HCO3);
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

BaseExcess baseExcessOf(double pH, double HCO3)
{
    const double sbe =
        roundedTo(rules::kSbeFactor * (HCO3 - rules::kSbeHco3 + rules::kSbeBufferSlope * (pH - rules::kSbePh)), 1);
    // Judged on the SBE as printed.
    const Level level = sbe < -rules::kSbeNormalSpread - kSlack  ? Level::Low
                        : sbe > rules::kSbeNormalSpread + kSlack ? Level::High
                                                                 : Level::Normal;
    return {sbe, level};
}

ExpectedRange sbeRange(CompensationFamily family, double PaCO2, double sbe)
{
    switch (family) {
    case CompensationFamily::MetabolicAcidosis:
        return singleRange(
            family,
            kept(rules::kNormalPaco2 + rules::kSbeMetabolicAcidosisSlope * sbe, rules::kMetabolicAcidosis.limit, true),
            rules::kSbePaco2Tolerance, PaCO2);
    case CompensationFamily::MetabolicAlkalosis:
        return singleRange(family,
                           kept(rules::kNormalPaco2 + rules::kSbeMetabolicAlkalosisSlope * sbe,
                                rules::kMetabolicAlkalosis.limit, false),
                           rules::kSbePaco2Tolerance, PaCO2);
    case CompensationFamily::RespiratoryAcidosis:
    case CompensationFamily::RespiratoryAlkalosis: {
        // An acute change leaves the SBE at 0; a chronic one moves it as far as
        // the SBE of the HCO3 the kidneys can reach over days, at a pH of 7.40.
        const bool acidosis = family == CompensationFamily::RespiratoryAcidosis;
        static const double acidosisLimit = baseExcessOf(rules::kSbePh, rules::kRespiratoryAcidosis.chronicLimit).value;
        static const double alkalosisLimit =
            baseExcessOf(rules::kSbePh, rules::kRespiratoryAlkalosis.chronicLimit).value;
        const double limit = acidosis ? acidosisLimit : alkalosisLimit;
        const ExpectedValue chronic =
            kept(rules::kSbeChronicRespiratorySlope * (PaCO2 - rules::kNormalPaco2), limit, !acidosis);
        return acuteChronicRange(family, {0, 0}, chronic, rules::kSbeTolerance, sbe);
    }
    }
    return {};
}

std::optional<PatternReading> patternOf(const BloodGasSample &s, const AcidBaseOutcome &outcome, const FitCheck &fit)
{
    if (outcome.kind != AcidBaseOutcomeKind::Question || !fit.fits)
        return std::nullopt;
    PatternReading reading{paco2LevelOf(s.PaCO2), hco3LevelOf(s.HCO3), std::nullopt, false, std::nullopt};
    const bool paco2Out = reading.paco2 != Level::Normal;
    const bool hco3Out = reading.hco3 != Level::Normal;
    // Two values out of their limits, or none: no single disorder to read.
    if (paco2Out == hco3Out)
        return reading;

    using enum CompensationFamily;
    CompensationFamily family = hco3Out ? (reading.hco3 == Level::Low ? MetabolicAcidosis : MetabolicAlkalosis)
                                        : (reading.paco2 == Level::High ? RespiratoryAcidosis : RespiratoryAlkalosis);
    const PhBand band = phBandOf(s.pH);
    const bool phAcid = band == PhBand::Acidaemic || band == PhBand::LowNormal;
    const bool phAlkaline = band == PhBand::HighNormal || band == PhBand::Alkalaemic;
    const bool familyAcid = family == MetabolicAcidosis || family == RespiratoryAcidosis;
    if ((phAcid && !familyAcid) || (phAlkaline && familyAcid)) {
        // The pH leans against the abnormal value: the value within its limits
        // that leans the pH's way is read as the disorder, the other as its response.
        std::optional<CompensationFamily> leaning;
        if (hco3Out && phAcid && s.PaCO2 > rules::kNormalPaco2)
            leaning = RespiratoryAcidosis;
        else if (hco3Out && phAlkaline && s.PaCO2 < rules::kNormalPaco2)
            leaning = RespiratoryAlkalosis;
        else if (paco2Out && phAcid && s.HCO3 < rules::kNormalHco3)
            leaning = MetabolicAcidosis;
        else if (paco2Out && phAlkaline && s.HCO3 > rules::kNormalHco3)
            leaning = MetabolicAlkalosis;
        if (leaning) {
            family = *leaning;
            reading.readAgainstAbnormal = true;
        }
    }
    reading.family = family;
    reading.expected = expectedRange(family, s.PaCO2, s.HCO3);
    return reading;
}

std::optional<CompensationFamily> Reasoning::familyRead() const
{
    if (outcome.kind == AcidBaseOutcomeKind::Category)
        return compensationFamilyOf(outcome.category);
    return pattern ? pattern->family : std::nullopt;
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
    if (s.Age >= rules::kExpectedPaO2FromAge)
        figures.expectedPaO2 = roundedTo(rules::kExpectedPaO2Intercept - rules::kExpectedPaO2PerYear * s.Age, 1);
    if (s.PaO2 < rules::kRespiratoryFailurePaO2Below)
        figures.respiratoryFailure =
            s.PaCO2 > rules::kHypercapniaPaCO2Above ? RespiratoryFailure::Type2 : RespiratoryFailure::Type1;
    return figures;
}

Reasoning reasonAbout(const BloodGasSample &s)
{
    Reasoning reasoning{classifyAcidBase(s.pH, s.PaCO2, s.HCO3),
                        checkFit(s.pH, s.PaCO2, s.HCO3),
                        std::nullopt,
                        baseExcessOf(s.pH, s.HCO3),
                        std::nullopt,
                        std::nullopt,
                        oxygenFigures(s)};
    if (reasoning.outcome.kind == AcidBaseOutcomeKind::Category) {
        if (const std::optional<CompensationFamily> family = compensationFamilyOf(reasoning.outcome.category))
            reasoning.expected = expectedRange(*family, s.PaCO2, s.HCO3);
    }
    reasoning.pattern = patternOf(s, reasoning.outcome, reasoning.fit);
    if (const std::optional<CompensationFamily> family = reasoning.familyRead())
        reasoning.sbeExpected = sbeRange(*family, s.PaCO2, reasoning.baseExcess.value);
    return reasoning;
}

} // namespace halvex
