#include "engine/Explanation.h"

#include "engine/AcidBaseTable.h"
#include "engine/ClinicalRules.h"
#include "engine/ExplanationWriter.h"
#include "engine/GapExplanation.h"
#include "engine/Oxygenation.h"
#include "language/AsciiCase.h"
#include "language/ExplanationTexts.h"
#include "language/Language.h"
#include "numbers/NumberText.h"

#include <algorithm>
#include <array>

namespace halvex {
namespace {

using enum ExplanationText;

// The pH as the field shows it: two decimals, or three when typed so.
std::string shownPh(const ExplanationWriter &out, double pH)
{
    const std::string threeDecimals = formatUpTo(pH, 3);
    const std::size_t point = threeDecimals.find('.');
    const bool third = point != std::string::npos && threeDecimals.size() - point - 1 == 3;
    return out.fixed(pH, third ? 3 : 2);
}

std::string fitStep(const ExplanationWriter &out, const BloodGasSample &s, const FitCheck &fit, CaseOrigin origin)
{
    if (!fit.hhPh)
        return out.text(NoFitWithoutHco3);
    return out.text(
        origin == CaseOrigin::Generated ? NoFitExercise : NoFit,
        {out.measured(s.PaCO2), out.number(s.HCO3, 2) + " mEq/L", out.fixed(*fit.hhPh, 2), shownPh(out, s.pH)});
}

std::string phStep(const ExplanationWriter &out, double pH)
{
    const std::string ph = shownPh(out, pH);
    const std::string lowest = out.fixed(kPhNormalRange.lowest, 2);
    const std::string neutral = out.fixed(kPhNeutral, 2);
    const std::string highest = out.fixed(kPhNormalRange.highest, 2);
    switch (phBandOf(pH)) {
    case PhBand::Acidaemic:
        return out.text(PhAcidemic, {ph, lowest});
    case PhBand::LowNormal:
        return out.text(PhLowNormal, {ph, lowest, neutral});
    case PhBand::Exactly740:
        return out.text(PhExactly, {ph, neutral});
    case PhBand::HighNormal:
        return out.text(PhHighNormal, {ph, neutral, highest});
    case PhBand::Alkalaemic:
        return out.text(PhAlkalemic, {ph, highest});
    }
    return {};
}

// The normal-values page rounds the kPa limits of PaCO2 down to this table.
constexpr NormalRange kPaco2TableInKpa{4.6, 5.9};

std::string paco2Step(const ExplanationWriter &out, double PaCO2)
{
    const std::string value = out.measured(PaCO2);
    const std::string lowest = out.number(kPaco2NormalRange.lowest, 0);
    const std::string highest = out.number(kPaco2NormalRange.highest, 0);
    std::string step;
    switch (paco2LevelOf(PaCO2)) {
    case Level::Low:
        step = out.text(Paco2Low, {value, lowest});
        break;
    case Level::Normal:
        step = out.text(Paco2Normal, {value, lowest, highest});
        break;
    case Level::High:
        step = out.text(Paco2High, {value, highest});
        break;
    }
    if (out.inKpa()) {
        const auto kpa = [&](double mmHg) {
            return out.fixed(ConvertPressure(PressureUnit::MmHg, PressureUnit::Kpa, mmHg), kKpaDecimals);
        };
        step += ' ';
        step +=
            out.text(Paco2LimitsInKpa, {kpa(kPaco2NormalRange.lowest), kpa(kPaco2NormalRange.highest),
                                        out.fixed(kPaco2TableInKpa.lowest, 1), out.fixed(kPaco2TableInKpa.highest, 1)});
    }
    return step;
}

std::string hco3Step(const ExplanationWriter &out, double HCO3)
{
    const std::string value = out.number(HCO3, 2);
    const std::string lowest = out.number(kHco3NormalRange.lowest, 0);
    const std::string highest = out.number(kHco3NormalRange.highest, 0);
    switch (hco3LevelOf(HCO3)) {
    case Level::Low:
        return out.text(Hco3Low, {value, lowest});
    case Level::Normal:
        return out.text(Hco3Normal, {value, lowest, highest});
    case Level::High:
        return out.text(Hco3High, {value, highest});
    }
    return {};
}

constexpr std::array<ExplanationText, kCategoryCount> kWhy{
    WhyNormal, WhyRA,    WhyPCRA, WhyCRA, WhyMA,    WhyPCMA, WhyCMA,   WhyCRMA,
    WhyRAK,    WhyPCRAK, WhyCRAK, WhyMAK, WhyPCMAK, WhyCMAK, WhyCRMAK,
};

void explainOxygenation(const ExplanationWriter &out, const BloodGasSample &s, const Presentation &presentation,
                        std::vector<std::string> &steps)
{
    const std::string age = out.number(s.Age, 1);
    const GradeLimits limits = gradeLimits(s.Age);
    const std::optional<OxygenationFinding> finding = findOxygenation(s.PaO2, s.Age, s.FiO2, presentation.unit);
    if (s.Age > 80)
        steps.push_back(out.text(AgeOver80, {age}));
    else if (!(s.Age > 0))
        steps.push_back(out.text(AgeNotGiven));
    else if (finding && finding->ageExcess > 0)
        steps.push_back(out.text(AgeCorrection, {age, out.number(finding->ageExcess, 1)}));
    else
        steps.push_back(out.text(AgeNoCorrection, {age}));
    if (limits.mild)
        steps.push_back(out.text(Grades, {out.number(limits.withoutHypoxemia, 1), out.number(*limits.mild, 1),
                                          out.number(limits.moderate, 1)}));
    else
        steps.push_back(
            out.text(GradesOver80, {out.number(limits.withoutHypoxemia, 1), out.number(limits.moderate, 1)}));
    if (!finding)
        return;
    steps.push_back(out.text(PaO2Grade, {out.measured(s.PaO2), out.translated(finding->grade)}));

    const bool highPaO2 = s.PaO2 >= 100;
    const std::string oxygen = out.number(s.FiO2, 1);
    if (!finding->supplemental)
        steps.push_back(out.text(highPaO2 ? RoomAirError : RoomAir));
    else if (highPaO2)
        steps.push_back(out.text(OxygenExcessive, {oxygen}));
    else
        steps.push_back(out.text(s.PaO2 >= limits.withoutHypoxemia ? OxygenCorrected : OxygenUncorrected, {oxygen}));
}

void explainFit(const ExplanationWriter &out, const BloodGasSample &s, const FitCheck &fit,
                std::vector<std::string> &notes)
{
    if (!fit.hhPh)
        return;
    const std::string formula = out.number(rules::kCarbonicPk, 2) + " + log10(" + out.number(s.HCO3, 2) + " / ("
                                + out.number(rules::kCo2Solubility, 2) + " × " + out.number(s.PaCO2, 2) + "))";
    notes.push_back(out.text(fit.fits ? HhFits : HhDoesNotFit, {formula, out.fixed(*fit.hhPh, 2), shownPh(out, s.pH)}));
}

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

// What joins the formula's judgement to the table's word, so that the two read as one.
std::optional<ExplanationText> reconciliation(AbgCategory category, const ExpectedRange &range)
{
    const bool asExpected = range.measured == Compensation::Within;
    switch (wordingOf(category)) {
    case Wording::Uncompensated:
        if (!asExpected)
            return std::nullopt;
        if (range.family == CompensationFamily::RespiratoryAcidosis)
            return UncompensatedRespiratoryAcidosis;
        if (range.family == CompensationFamily::RespiratoryAlkalosis)
            return UncompensatedRespiratoryAlkalosis;
        return UncompensatedMetabolicAsExpected;
    case Wording::PartlyCompensated:
        if (asExpected)
            return PartlyCompensatedAsExpected;
        if (range.moreThanExpected())
            return PartlyCompensatedMoreThanExpected;
        return std::nullopt;
    case Wording::Compensated:
        if (asExpected)
            return CompensatedAsExpected;
        return std::nullopt;
    }
    return std::nullopt;
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

struct MetabolicTexts {
    const rules::MetabolicResponse &rule;
    ExplanationText formula;
    ExplanationText limit;
    ExplanationText within;
    ExplanationText above;
    ExplanationText below;
};

// The notes on a metabolic disorder's PaCO2; returns the judgement of the measured value.
std::string explainMetabolic(const ExplanationWriter &out, const BloodGasSample &s, const ExpectedRange &range,
                             std::vector<std::string> &notes)
{
    static const MetabolicTexts kAcidosis{rules::kMetabolicAcidosis, WinterFormula,          LimitMetabolicAcidosis,
                                          MetabolicAcidosisWithin,   MetabolicAcidosisAbove, MetabolicAcidosisBelow};
    static const MetabolicTexts kAlkalosis{rules::kMetabolicAlkalosis, MetabolicAlkalosisFormula,
                                           LimitMetabolicAlkalosis,    MetabolicAlkalosisWithin,
                                           MetabolicAlkalosisAbove,    MetabolicAlkalosisBelow};
    const MetabolicTexts &texts = range.family == CompensationFamily::MetabolicAcidosis ? kAcidosis : kAlkalosis;
    notes.push_back(out.text(texts.formula, {formulaWithNumbers(out, range.family, texts.rule.slope, s.PaCO2, s.HCO3),
                                             out.computed(range.first.formula, 1)}));
    addLimitNote(out, texts.limit, range.first, notes);
    notes.push_back(out.text(MetabolicRange, {out.number(range.first.kept, 1), out.number(texts.rule.tolerance, 1),
                                              out.pressureRange(range.low, range.high)}));
    const ExplanationText where = range.measured == Compensation::Within  ? texts.within
                                  : range.measured == Compensation::Above ? texts.above
                                                                          : texts.below;
    return out.text(where, {out.measured(s.PaCO2)});
}

struct RespiratoryTexts {
    const rules::RespiratoryResponse &rule;
    ExplanationText formula;
    ExplanationText acuteLimit;
    ExplanationText chronicLimit;
    ExplanationText above;
    ExplanationText below;
    ExplanationText acute;
    ExplanationText chronic;
};

// The notes on a respiratory disorder's HCO3; returns the judgement of the measured value.
std::string explainRespiratory(const ExplanationWriter &out, const BloodGasSample &s, const ExpectedRange &range,
                               std::vector<std::string> &notes)
{
    static const RespiratoryTexts kAcidosis{rules::kRespiratoryAcidosis,   RespiratoryAcidosisFormula,
                                            LimitAcuteRespiratoryAcidosis, LimitChronicRespiratoryAcidosis,
                                            RespiratoryAcidosisAbove,      RespiratoryAcidosisBelow,
                                            AcuteRespiratoryAcidosis,      ChronicRespiratoryAcidosis};
    static const RespiratoryTexts kAlkalosis{rules::kRespiratoryAlkalosis,   RespiratoryAlkalosisFormula,
                                             LimitAcuteRespiratoryAlkalosis, LimitChronicRespiratoryAlkalosis,
                                             RespiratoryAlkalosisAbove,      RespiratoryAlkalosisBelow,
                                             AcuteRespiratoryAlkalosis,      ChronicRespiratoryAlkalosis};
    const RespiratoryTexts &texts = range.family == CompensationFamily::RespiratoryAcidosis ? kAcidosis : kAlkalosis;
    const ExpectedValue &acute = range.first;
    const ExpectedValue &chronic = *range.chronic;
    notes.push_back(
        out.text(texts.formula, {formulaWithNumbers(out, range.family, texts.rule.acuteSlope, s.PaCO2, s.HCO3),
                                 out.number(acute.formula, 1),
                                 formulaWithNumbers(out, range.family, texts.rule.chronicSlope, s.PaCO2, s.HCO3),
                                 out.number(chronic.formula, 1)}));
    addLimitNote(out, texts.acuteLimit, acute, notes);
    addLimitNote(out, texts.chronicLimit, chronic, notes);
    notes.push_back(out.text(RespiratoryRange,
                             {out.number(std::min(acute.kept, chronic.kept), 1),
                              out.number(std::max(acute.kept, chronic.kept), 1), out.number(texts.rule.tolerance, 1),
                              out.text(ValueRange, {out.number(range.low, 1), out.number(range.high, 1)})}));
    const std::string hco3 = out.number(s.HCO3, 2) + " mEq/L";
    if (range.measured != Compensation::Within)
        return out.text(range.measured == Compensation::Above ? texts.above : texts.below, {hco3});
    const ExplanationText acuity = *range.acuity == Acuity::Acute     ? texts.acute
                                   : *range.acuity == Acuity::Chronic ? texts.chronic
                                   : *range.acuity == Acuity::Either  ? EitherAcuteOrChronic
                                                                      : BetweenAcuteAndChronic;
    return out.text(RespiratoryWithin, {hco3, out.text(acuity)});
}

void explainCompensation(const ExplanationWriter &out, const BloodGasSample &s, AbgCategory category,
                         const ExpectedRange &range, std::vector<std::string> &notes)
{
    std::string judgement =
        range.ofPaCO2() ? explainMetabolic(out, s, range, notes) : explainRespiratory(out, s, range, notes);
    if (const std::optional<ExplanationText> joined = reconciliation(category, range)) {
        judgement += ' ';
        judgement += out.text(*joined);
    }
    notes.push_back(judgement);
}

void explainOxygenNotes(const ExplanationWriter &out, const BloodGasSample &s, const OxygenFigures &o,
                        std::vector<std::string> &notes)
{
    const std::string alveolar = out.number(o.fio2Fraction, 3) + " × (" + out.number(rules::kBarometric, 0) + " − "
                                 + out.number(rules::kWaterVapour, 0) + ") − " + out.number(s.PaCO2, 2) + " / "
                                 + out.number(rules::kRespiratoryQuotient, 1);
    notes.push_back(out.text(AlveolarGas, {alveolar, out.computed(o.alveolar, 1)}));

    const std::string subtraction = out.number(o.alveolar, 1) + " − " + out.number(s.PaO2, 2);
    const std::string gradient = out.computed(o.aaGradient, 2);
    if (o.aaVerdict == AaVerdict::Impossible)
        notes.push_back(out.text(AaImpossible, {subtraction, gradient, out.computed(o.alveolar, 1)}));
    else if (o.aaExpected)
        notes.push_back(
            out.text(AaOnRoomAir, {subtraction, gradient, out.number(s.Age, 1), out.computed(*o.aaExpected, 2),
                                   out.text(o.aaVerdict == AaVerdict::Raised ? AaRaised : AaWithin)}));
    else if (s.FiO2 == kRoomAirFiO2)
        notes.push_back(out.text(AaWithoutAge, {subtraction, gradient}));
    else
        notes.push_back(out.text(AaOnOxygen, {subtraction, gradient}));

    if (s.FiO2 == kRoomAirFiO2 && s.PaO2 >= 100)
        notes.push_back(
            out.text(o.aaGradient < 0 ? HighPaO2Impossible : HighPaO2Possible, {out.computed(o.alveolar, 1)}));

    static constexpr std::array<ExplanationText, 4> kBands{PfNotImpaired, PfMild, PfModerate, PfSevere};
    notes.push_back(
        out.text(PfRatio, {out.number(s.PaO2, 2) + " / " + out.number(o.fio2Fraction, 3), out.computed(o.pfRatio, 0),
                           out.text(kBands[static_cast<std::size_t>(o.pfBand)])}));
}

} // namespace

std::string filledIn(std::string_view text, std::initializer_list<std::string_view> arguments)
{
    std::string filled;
    filled.reserve(text.size() + 64);
    // The text between the marks copied as runs; a % without an argument's number stays as it is.
    std::size_t copied = 0;
    for (std::size_t mark = text.find('%'); mark != std::string_view::npos; mark = text.find('%', mark + 1)) {
        const std::size_t index = mark + 1 < text.size() ? std::size_t(text[mark + 1] - '1') : arguments.size();
        if (index >= arguments.size())
            continue;
        filled.append(text.substr(copied, mark - copied)).append(*(arguments.begin() + index));
        copied = ++mark + 1;
    }
    return filled.append(text.substr(copied));
}

std::string whySentence(AbgCategory category, std::string_view language)
{
    return std::string(explanationText(kWhy[std::size_t(categoryCode(category))], language));
}

std::string verdictLine(const AcidBaseOutcome &outcome, std::string_view language)
{
    const auto text = [language](ExplanationText which, std::initializer_list<std::string_view> arguments) {
        return filledIn(explanationText(which, language), arguments);
    };
    const std::string translated = Translate(outcome.text, language);
    switch (outcome.kind) {
    case AcidBaseOutcomeKind::Category:
        return text(VerdictCategory, {translated, whySentence(outcome.category, language)});
    case AcidBaseOutcomeKind::Question:
        return text(VerdictQuestion, {translated});
    case AcidBaseOutcomeKind::FullCompensation: {
        const Presentation presentation{PressureUnit::MmHg, std::string(language)};
        return text(VerdictFullCompensation, {translated, ExplanationWriter(presentation).fixed(kPhNeutral, 2)});
    }
    }
    return {};
}

Explanation explainAssessment(const BloodGasSample &s, const Presentation &presentation, CaseOrigin origin,
                              const Electrolytes &electrolytes)
{
    const ExplanationWriter out(presentation);
    Explanation explanation{{}, {}, {}, reasonAbout(s)};
    const Reasoning &r = explanation.reasoning;
    std::vector<std::string> &steps = explanation.steps;
    std::vector<std::string> &notes = explanation.notes;

    if (!r.fit.fits)
        steps.push_back(fitStep(out, s, r.fit, origin));
    if (out.inKpa())
        steps.push_back(out.text(KpaForFormulas));
    steps.push_back(phStep(out, s.pH));
    steps.push_back(paco2Step(out, s.PaCO2));
    steps.push_back(hco3Step(out, s.HCO3));
    explanation.reason = verdictLine(r.outcome, presentation.language);
    steps.push_back(explanation.reason);
    std::vector<std::string> gapNotes;
    explainAnionGap(out, s, r.outcome, electrolytes, steps, gapNotes);
    explainOxygenation(out, s, presentation, steps);

    if (!r.fit.fits)
        notes.push_back(out.text(NotesOnUnfitValues));
    explainFit(out, s, r.fit, notes);
    if (r.expected)
        explainCompensation(out, s, r.outcome.category, *r.expected, notes);
    else
        notes.push_back(out.text(NoCompensationFormula));
    notes.insert(notes.end(), gapNotes.begin(), gapNotes.end());
    explainOxygenNotes(out, s, r.oxygen, notes);
    return explanation;
}

} // namespace halvex
