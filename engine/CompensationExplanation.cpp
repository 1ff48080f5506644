#include "engine/CompensationExplanation.h"

#include "engine/ClinicalRules.h"

#include <algorithm>
#include <array>

namespace halvex {
namespace {

using enum ExplanationText;

enum class Wording { Uncompensated, PartlyCompensated, Compensated };

Wording wordingOf(AbgCategory category)
{
    switch (category) {
    case AbgCategory::RA:
    case AbgCategory::MA:
    case AbgCategory::RAK:
    case AbgCategory::MAK:
        return Wording::Uncompensated;
    case AbgCategory::PCRA:
    case AbgCategory::PCMA:
    case AbgCategory::PCRAK:
    case AbgCategory::PCMAK:
        return Wording::PartlyCompensated;
    default:
        return Wording::Compensated;
    }
}

// What joins the formula's judgement to the table's word, so that the two read
// as one: where they agree, why the word stands; where the formula suggests a
// second disorder, why the table's word and the formula differ.
ExplanationText reconciliation(AbgCategory category, const ExpectedRange &range)
{
    const bool asExpected = range.measured == Compensation::Within;
    switch (wordingOf(category)) {
    case Wording::Uncompensated:
        if (!asExpected)
            return range.ofPaCO2() ? UncompensatedMetabolicBeside : UncompensatedRespiratoryBeside;
        if (range.family == CompensationFamily::RespiratoryAcidosis)
            return UncompensatedRespiratoryAcidosis;
        if (range.family == CompensationFamily::RespiratoryAlkalosis)
            return UncompensatedRespiratoryAlkalosis;
        return UncompensatedMetabolicAsExpected;
    case Wording::PartlyCompensated:
        if (asExpected)
            return PartlyCompensatedAsExpected;
        return range.moreThanExpected() ? PartlyCompensatedMoreThanExpected : PartlyCompensatedLessThanExpected;
    case Wording::Compensated:
        return asExpected ? CompensatedAsExpected : CompensatedBeside;
    }
    return CompensatedAsExpected;
}

// The formula with the measured value in it, as a reader would redo it.
std::string formulaWithNumbers(const ExplanationWriter &out, CompensationFamily family, double slope, double PaCO2,
                               double HCO3)
{
    const std::string coefficient = out.number(slope, 2);
    const std::string normalPaco2 = out.number(rules::kNormalPaco2, 0);
    const std::string normalHco3 = out.number(rules::kNormalHco3, 0);
    switch (family) {
    case CompensationFamily::MetabolicAcidosis:
        return coefficient + " × " + out.number(HCO3, 2) + " + " + out.number(rules::kMetabolicAcidosis.intercept, 2);
    case CompensationFamily::MetabolicAlkalosis:
        return coefficient + " × " + out.number(HCO3, 2) + " + " + out.number(rules::kMetabolicAlkalosis.intercept, 2);
    case CompensationFamily::RespiratoryAcidosis:
        return normalHco3 + " + " + coefficient + " × (" + out.number(PaCO2, 2) + " − " + normalPaco2 + ")";
    case CompensationFamily::RespiratoryAlkalosis:
        return normalHco3 + " − " + coefficient + " × (" + normalPaco2 + " − " + out.number(PaCO2, 2) + ")";
    }
    return {};
}

void addLimitNote(const ExplanationWriter &out, ExplanationText which, const ExpectedValue &value,
                  std::vector<std::string> &notes)
{
    if (value.limited())
        notes.push_back(out.text(which, {out.number(value.kept, 1), out.number(value.formula, 1)}));
}

constexpr ExplanationText kMetabolicLimits[] = {LimitMetabolicAcidosis, LimitMetabolicAlkalosis};

// The notes on a metabolic disorder's PaCO2; returns the judgement of the measured value.
std::string explainMetabolic(const ExplanationWriter &out, const BloodGasSample &s, const ExpectedRange &range,
                             std::vector<std::string> &notes)
{
    const bool acidosis = range.family == CompensationFamily::MetabolicAcidosis;
    const rules::MetabolicResponse &rule = acidosis ? rules::kMetabolicAcidosis : rules::kMetabolicAlkalosis;
    notes.push_back(out.text(
        acidosis ? WinterFormula : MetabolicAlkalosisFormula,
        {formulaWithNumbers(out, range.family, rule.slope, s.PaCO2, s.HCO3), out.computed(range.first.formula, 1)}));
    addLimitNote(out, kMetabolicLimits[acidosis ? 0 : 1], range.first, notes);
    notes.push_back(out.text(MetabolicRange, {out.number(range.first.kept, 1), out.number(rule.tolerance, 1),
                                              out.pressureRange(range.low, range.high)}));
    static constexpr std::array<ExplanationText, 3> kAcidosis{MetabolicAcidosisWithin, MetabolicAcidosisAbove,
                                                              MetabolicAcidosisBelow};
    static constexpr std::array<ExplanationText, 3> kAlkalosis{MetabolicAlkalosisWithin, MetabolicAlkalosisAbove,
                                                               MetabolicAlkalosisBelow};
    const auto where = static_cast<std::size_t>(range.measured);
    return out.text(acidosis ? kAcidosis[where] : kAlkalosis[where], {out.measured(s.PaCO2)});
}

// What a respiratory acidosis or alkalosis says of a value close to one response, in that order.
ExplanationText acuityText(CompensationFamily family, Acuity acuity)
{
    const bool acidosis = family == CompensationFamily::RespiratoryAcidosis;
    switch (acuity) {
    case Acuity::Acute:
        return acidosis ? AcuteRespiratoryAcidosis : AcuteRespiratoryAlkalosis;
    case Acuity::Chronic:
        return acidosis ? ChronicRespiratoryAcidosis : ChronicRespiratoryAlkalosis;
    case Acuity::Either:
        return EitherAcuteOrChronic;
    case Acuity::Between:
        return BetweenAcuteAndChronic;
    }
    return EitherAcuteOrChronic;
}

// The notes on a respiratory disorder's HCO3; returns the judgement of the measured value.
std::string explainRespiratory(const ExplanationWriter &out, const BloodGasSample &s, const ExpectedRange &range,
                               std::vector<std::string> &notes)
{
    const bool acidosis = range.family == CompensationFamily::RespiratoryAcidosis;
    const rules::RespiratoryResponse &rule = acidosis ? rules::kRespiratoryAcidosis : rules::kRespiratoryAlkalosis;
    const ExpectedValue &acute = range.first;
    const ExpectedValue &chronic = *range.chronic;
    notes.push_back(out.text(
        acidosis ? RespiratoryAcidosisFormula : RespiratoryAlkalosisFormula,
        {formulaWithNumbers(out, range.family, rule.acuteSlope, s.PaCO2, s.HCO3), out.number(acute.formula, 1),
         formulaWithNumbers(out, range.family, rule.chronicSlope, s.PaCO2, s.HCO3), out.number(chronic.formula, 1)}));
    addLimitNote(out, acidosis ? LimitAcuteRespiratoryAcidosis : LimitAcuteRespiratoryAlkalosis, acute, notes);
    addLimitNote(out, acidosis ? LimitChronicRespiratoryAcidosis : LimitChronicRespiratoryAlkalosis, chronic, notes);
    notes.push_back(
        out.text(RespiratoryRange, {out.number(std::min(acute.kept, chronic.kept), 1),
                                    out.number(std::max(acute.kept, chronic.kept), 1), out.number(rule.tolerance, 1),
                                    out.text(ValueRange, {out.number(range.low, 1), out.number(range.high, 1)})}));
    const std::string hco3 = out.number(s.HCO3, 2) + " mEq/L";
    if (range.measured == Compensation::Above)
        return out.text(acidosis ? RespiratoryAcidosisAbove : RespiratoryAlkalosisAbove, {hco3});
    if (range.measured == Compensation::Below)
        return out.text(acidosis ? RespiratoryAcidosisBelow : RespiratoryAlkalosisBelow, {hco3});
    return out.text(RespiratoryWithin, {hco3, out.text(acuityText(range.family, *range.acuity))});
}

std::string explainRule(const ExplanationWriter &out, const BloodGasSample &s, const ExpectedRange &range,
                        std::vector<std::string> &notes)
{
    return range.ofPaCO2() ? explainMetabolic(out, s, range, notes) : explainRespiratory(out, s, range, notes);
}

ExplanationText familyName(CompensationFamily family)
{
    static constexpr std::array<ExplanationText, 4> kNames{FamilyMetabolicAcidosis, FamilyMetabolicAlkalosis,
                                                           FamilyRespiratoryAcidosis, FamilyRespiratoryAlkalosis};
    return kNames[static_cast<std::size_t>(family)];
}

// The abnormal value of a pattern and the disorder it points to.
ExplanationText pointer(bool paco2, Level level)
{
    if (paco2)
        return level == Level::High ? PatternHighPaco2 : PatternLowPaco2;
    return level == Level::High ? PatternHighHco3 : PatternLowHco3;
}

// A pattern the table names no category for, read by the formulas.
void explainPattern(const ExplanationWriter &out, const BloodGasSample &s, const PatternReading &pattern,
                    std::vector<std::string> &notes)
{
    const PhBand band = phBandOf(s.pH);
    const bool phWithinLimits = band != PhBand::Acidaemic && band != PhBand::Alkalaemic;
    const bool paco2Out = pattern.paco2 != Level::Normal;
    const bool hco3Out = pattern.hco3 != Level::Normal;
    if (!paco2Out && !hco3Out) {
        notes.push_back(out.text(band == PhBand::Acidaemic ? PatternBothNormalAcidemic : PatternBothNormalAlkalemic));
        return;
    }
    if (paco2Out && hco3Out) {
        notes.push_back(out.text(pointer(true, pattern.paco2)) + ' ' + out.text(pointer(false, pattern.hco3)) + ' '
                        + out.text(PatternTwoDisorders));
        return;
    }
    std::string reading = out.text(pointer(paco2Out, paco2Out ? pattern.paco2 : pattern.hco3));
    if (pattern.readAgainstAbnormal) {
        static constexpr std::array<ExplanationText, 4> kAgainst{
            PatternAgainstMetabolicAcidosis, PatternAgainstMetabolicAlkalosis, PatternAgainstRespiratoryAcidosis,
            PatternAgainstRespiratoryAlkalosis};
        const bool metabolic = pattern.expected->ofPaCO2();
        const std::string normal =
            metabolic ? out.number(rules::kNormalHco3, 0) + " mEq/L" : out.computed(rules::kNormalPaco2, 0);
        reading.append(" ").append(out.text(kAgainst[static_cast<std::size_t>(*pattern.family)], {normal}));
    }
    notes.push_back(reading);
    std::string judgement = explainRule(out, s, *pattern.expected, notes);
    const std::string family = out.text(familyName(*pattern.family));
    const ExplanationText closing = pattern.expected->measured != Compensation::Within ? PatternWithSecondDisorder
                                    : phWithinLimits                                   ? PatternWithinLimits
                                                                                       : PatternBeyondLimits;
    judgement.append(" ").append(out.text(closing, {family}));
    notes.push_back(judgement);
}

// "40 − 4.4" or "40 + 0.6 × 4.8": the base excess's expected PaCO2 with its numbers.
std::string sbePaco2Formula(const ExplanationWriter &out, CompensationFamily family, double sbe)
{
    const std::string normal = out.number(rules::kNormalPaco2, 0);
    if (family == CompensationFamily::MetabolicAcidosis)
        return normal + (sbe < 0 ? " − " : " + ") + out.number(std::abs(sbe), 1);
    const std::string value = out.number(sbe, 1);
    return normal + " + " + out.number(rules::kSbeMetabolicAlkalosisSlope, 1) + " × "
           + (sbe < 0 ? "(" + value + ")" : value);
}

ExplanationText responseWord(const ExpectedRange &range)
{
    if (range.measured == Compensation::Within)
        return ResponseAsExpected;
    return range.moreThanExpected() ? ResponseLarger : ResponseSmaller;
}

// The base excess's reading of the response; returns its judgement of the measured value.
std::string explainSbeResponse(const ExplanationWriter &out, const BloodGasSample &s, double sbe,
                               const ExpectedRange &range, std::vector<std::string> &notes)
{
    static constexpr std::array<ExplanationText, 3> kPaco2{SbePaco2Within, SbePaco2Above, SbePaco2Below};
    static constexpr std::array<ExplanationText, 3> kSbe{SbeWithin, SbeAbove, SbeBelow};
    const auto where = static_cast<std::size_t>(range.measured);
    if (range.ofPaCO2()) {
        const bool acidosis = range.family == CompensationFamily::MetabolicAcidosis;
        notes.push_back(out.text(acidosis ? SbeMetabolicAcidosisFormula : SbeMetabolicAlkalosisFormula,
                                 {sbePaco2Formula(out, range.family, sbe), out.computed(range.first.formula, 1)}));
        addLimitNote(out, kMetabolicLimits[acidosis ? 0 : 1], range.first, notes);
        notes.push_back(
            out.text(SbeMetabolicRange, {out.number(range.first.kept, 1), out.number(rules::kSbePaco2Tolerance, 1),
                                         out.pressureRange(range.low, range.high)}));
        return out.text(kPaco2[where], {out.measured(s.PaCO2)});
    }
    const bool acidosis = range.family == CompensationFamily::RespiratoryAcidosis;
    const ExpectedValue &chronic = *range.chronic;
    const std::string shift = out.number(rules::kSbeChronicRespiratorySlope, 1) + " × (" + out.number(s.PaCO2, 2)
                              + " − " + out.number(rules::kNormalPaco2, 0) + ")";
    notes.push_back(out.text(SbeRespiratoryFormula, {shift, out.number(chronic.formula, 1)}));
    if (chronic.limited()) {
        const rules::RespiratoryResponse &rule = acidosis ? rules::kRespiratoryAcidosis : rules::kRespiratoryAlkalosis;
        notes.push_back(
            out.text(acidosis ? SbeLimitChronicRespiratoryAcidosis : SbeLimitChronicRespiratoryAlkalosis,
                     {out.number(rule.chronicLimit, 1), out.number(chronic.kept, 1), out.number(chronic.formula, 1)}));
    }
    notes.push_back(
        out.text(SbeRespiratoryRange, {out.number(std::min(0.0, chronic.kept), 1),
                                       out.number(std::max(0.0, chronic.kept), 1), out.number(rules::kSbeTolerance, 1),
                                       out.text(ValueRange, {out.number(range.low, 1), out.number(range.high, 1)})}));
    const std::string measured = out.number(sbe, 1);
    if (range.measured != Compensation::Within)
        return out.text(kSbe[where], {measured});
    return out.text(SbeWithin, {measured, out.text(acuityText(range.family, *range.acuity))});
}

// Where the HCO3 rule and the base excess judge the response differently: its
// size, or, for a respiratory disorder, how long it has lasted.
void explainSchoolsOnResponse(const ExplanationWriter &out, const ExpectedRange &rule, const ExpectedRange &sbe,
                              std::vector<std::string> &notes)
{
    if (responseWord(rule) != responseWord(sbe)) {
        static constexpr std::array<ExplanationText, 4> kRules{RuleWinter, RuleMetabolicAlkalosis, RuleRespiratory,
                                                               RuleRespiratory};
        notes.push_back(out.text(SchoolsDifferOnResponse, {out.text(kRules[static_cast<std::size_t>(rule.family)]),
                                                           out.text(responseWord(rule)), out.text(responseWord(sbe))}));
        return;
    }
    // "Either" is close to both responses, so it agrees with any reading.
    if (!rule.acuity || !sbe.acuity || *rule.acuity == *sbe.acuity || *rule.acuity == Acuity::Either
        || *sbe.acuity == Acuity::Either)
        return;
    const auto word = [&](Acuity acuity) {
        return out.text(acuity == Acuity::Acute     ? AcuityWordAcute
                        : acuity == Acuity::Chronic ? AcuityWordChronic
                                                    : AcuityWordBetween);
    };
    notes.push_back(out.text(SchoolsDifferOnAcuity, {word(*rule.acuity), word(*sbe.acuity)}));
}

// Where the HCO3's level and the base excess's disagree on the metabolic side.
void explainSchoolsOnLevel(const ExplanationWriter &out, double HCO3, const BaseExcess &baseExcess,
                           std::vector<std::string> &notes)
{
    const Level hco3 = hco3LevelOf(HCO3);
    if (hco3 == baseExcess.level)
        return;
    static constexpr std::array<ExplanationText, 3> kHco3{Hco3WordLow, Hco3WordNormal, Hco3WordHigh};
    static constexpr std::array<ExplanationText, 3> kSbe{SbeWordLow, SbeWordNormal, SbeWordHigh};
    notes.push_back(out.text(SchoolsDifferOnLevel, {out.text(kHco3[static_cast<std::size_t>(hco3)]),
                                                    out.text(kSbe[static_cast<std::size_t>(baseExcess.level)])}));
}

} // namespace

void explainCompensation(const ExplanationWriter &out, const BloodGasSample &s, const Reasoning &r, bool gapRaised,
                         std::vector<std::string> &notes)
{
    const ExpectedRange *rule = nullptr;
    if (r.expected) {
        rule = &*r.expected;
        std::string judgement = explainRule(out, s, *rule, notes);
        judgement.append(" ").append(out.text(reconciliation(r.outcome.category, *rule)));
        notes.push_back(judgement);
    } else if (r.pattern) {
        explainPattern(out, s, *r.pattern, notes);
        if (r.pattern->expected)
            rule = &*r.pattern->expected;
    } else {
        notes.push_back(out.text(NoCompensationFormula));
    }

    if (r.sbeExpected && rule) {
        notes.push_back(explainSbeResponse(out, s, r.baseExcess.value, *r.sbeExpected, notes));
        explainSchoolsOnResponse(out, *rule, *r.sbeExpected, notes);
    }
    // Values that do not fit give an SBE from a pH the others do not give: no reading to compare.
    if (r.fit.fits)
        explainSchoolsOnLevel(out, s.HCO3, r.baseExcess, notes);
    if (gapRaised && rule && !rule->ofPaCO2())
        notes.push_back(out.text(AddedAcidLowersHco3));
}

} // namespace halvex
