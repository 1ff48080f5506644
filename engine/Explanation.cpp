#include "engine/Explanation.h"

#include "engine/AcidBaseTable.h"
#include "engine/ClinicalRules.h"
#include "engine/CompensationExplanation.h"
#include "engine/ExplanationWriter.h"
#include "engine/GapExplanation.h"
#include "engine/OxygenExplanation.h"
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
        // Each limit with its conversion, so that it can be redone from the line.
        const auto kpa = [&](double mmHg) {
            return out.number(mmHg, 0) + " " + out.toKpaFactor() + " = " + out.inKpa(mmHg);
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

void explainFit(const ExplanationWriter &out, const BloodGasSample &s, const FitCheck &fit,
                std::vector<std::string> &notes)
{
    if (!fit.hhPh)
        return;
    const std::string formula = out.number(rules::kCarbonicPk, 2) + " + log10(" + out.number(s.HCO3, 2) + " / ("
                                + out.number(rules::kCo2Solubility, 2) + " × " + out.number(s.PaCO2, 2) + "))";
    notes.push_back(out.text(fit.fits ? HhFits : HhDoesNotFit, {formula, out.fixed(*fit.hhPh, 2), shownPh(out, s.pH)}));
}

// The standard base excess, beside the HCO3's level.
std::string sbeStep(const ExplanationWriter &out, const BloodGasSample &s, const BaseExcess &baseExcess)
{
    const std::string formula = out.number(rules::kSbeFactor, 4) + " × (" + out.number(s.HCO3, 2) + " − "
                                + out.number(rules::kSbeHco3, 1) + " + " + out.number(rules::kSbeBufferSlope, 2)
                                + " × (" + shownPh(out, s.pH) + " − " + out.number(rules::kSbePh, 1) + "))";
    static constexpr std::array<ExplanationText, 3> kLevels{SbeLow, SbeNormal, SbeHigh};
    return out.text(SbeStep, {formula, out.number(baseExcess.value, 1),
                              out.text(kLevels[static_cast<std::size_t>(baseExcess.level)])});
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

std::string verdictLine(const AcidBaseOutcome &outcome, bool fits, std::string_view language)
{
    const auto text = [language](ExplanationText which, std::initializer_list<std::string_view> arguments) {
        return filledIn(explanationText(which, language), arguments);
    };
    const std::string translated = Translate(outcome.text, language);
    switch (outcome.kind) {
    case AcidBaseOutcomeKind::Category:
        return text(VerdictCategory, {translated, whySentence(outcome.category, language)});
    case AcidBaseOutcomeKind::Question:
        // Only values that do not fit together contradict each other.
        return text(fits ? VerdictPattern : VerdictQuestion, {translated});
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
    steps.push_back(sbeStep(out, s, r.baseExcess));
    explanation.reason = verdictLine(r.outcome, r.fit.fits, presentation.language);
    steps.push_back(explanation.reason);
    std::vector<std::string> gapNotes;
    explainAnionGap(out, s, r.outcome, electrolytes, steps, gapNotes);
    explainOxygenationSteps(out, s, r.oxygen, presentation.unit, steps);

    if (!r.fit.fits)
        notes.push_back(out.text(NotesOnUnfitValues));
    explainFit(out, s, r.fit, notes);
    const std::optional<AnionGap> gap = anionGapOf(s.HCO3, electrolytes);
    explainCompensation(out, s, r, gap && gap->verdict == GapVerdict::High, notes);
    notes.insert(notes.end(), gapNotes.begin(), gapNotes.end());
    explainOxygenationNotes(out, s, r.oxygen, notes);
    return explanation;
}

} // namespace halvex
