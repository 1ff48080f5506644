#include "engine/GapExplanation.h"

#include "engine/ClinicalRules.h"

#include <array>

namespace halvex {
namespace {

using enum ExplanationText;

// Below the normal range: a gap the verdict counts as not raised, but no normal one either.
bool belowNormal(const AnionGap &gap)
{
    return gap.used() < rules::kNormalAnionGap - rules::kAnionGapSpread;
}

ExplanationText deltaBandText(DeltaVerdict verdict)
{
    static constexpr std::array<ExplanationText, 4> kTexts{DeltaNormalGap, DeltaMixed, DeltaHighGap, DeltaAlkalosis};
    return kTexts[static_cast<std::size_t>(verdict)];
}

} // namespace

void explainAnionGap(const ExplanationWriter &out, const BloodGasSample &s, const AcidBaseOutcome &outcome,
                     const Electrolytes &electrolytes, std::vector<std::string> &steps, std::vector<std::string> &notes)
{
    const std::optional<AnionGap> gap = anionGapOf(s.HCO3, electrolytes);
    if (!gap)
        return;
    const auto mEq = [&](double value) { return out.number(value, 1); };
    const std::string hco3 = out.number(s.HCO3, 2);
    steps.push_back(out.text(GapStep, {mEq(*electrolytes.sodium), mEq(*electrolytes.chloride), hco3, mEq(gap->gap)}));
    if (gap->corrected) {
        const bool inGramsPerLitre = electrolytes.albuminUnit == AlbuminUnit::GramsPerLitre;
        const double gdl =
            convertAlbumin(*electrolytes.albumin, electrolytes.albuminUnit, AlbuminUnit::GramsPerDecilitre);
        const std::string inGdl = out.number(gdl, 2) + " g/dL";
        const std::string given = inGramsPerLitre ? out.number(*electrolytes.albumin, 1) + " g/L = " + inGdl : inGdl;
        // The correction works both ways: an albumin above normal raises the normal gap.
        steps.push_back(out.text(gdl > rules::kNormalAlbuminGdl ? GapCorrectedAbove : GapCorrected,
                                 {given, mEq(gap->gap), out.number(gdl, 2), mEq(*gap->corrected)}));
    } else {
        steps.push_back(out.text(GapNoAlbumin));
    }
    const std::string used = mEq(gap->used());
    const bool raised = gap->verdict == GapVerdict::High;
    // A gap still low once corrected cannot be blamed on a low albumin.
    const ExplanationText low = gap->corrected ? GapLowCorrected : GapLow;
    steps.push_back(out.text(raised ? GapHigh : belowNormal(*gap) ? low : GapNormal, {used}));

    // The gap and the delta ratio read a fall in HCO3 that a metabolic acidosis causes.
    const bool acidosis = outcome.kind == AcidBaseOutcomeKind::Category && hasMetabolicAcidosis(outcome.category);
    if (gap->correctedHco3)
        steps.push_back(out.text(CorrectedHco3, {hco3, used, mEq(*gap->correctedHco3)}));
    if (gap->deltaRatio) {
        const std::string ratio = out.fixed(*gap->deltaRatio, 2);
        if (acidosis)
            steps.push_back(out.text(DeltaRatio, {used, hco3, ratio, out.text(deltaBandText(*gap->delta))}));
        else
            steps.push_back(out.text(DeltaOutsideAcidosis, {used, hco3, ratio}));
    }
    if (gap->hiddenByAlkalosis)
        steps.push_back(out.text(GapHidden));
    if (gap->normalGapAcidosis && acidosis)
        steps.push_back(out.text(NormalGapAcidosis));

    if (raised)
        notes.push_back(out.text(HighGapCauses));
    const bool normalGapPart =
        acidosis
        && (gap->normalGapAcidosis || gap->delta == DeltaVerdict::NormalGap || gap->delta == DeltaVerdict::Mixed);
    if (normalGapPart)
        notes.push_back(out.text(NormalGapCauses));
    if (raised && !acidosis)
        notes.push_back(out.text(GapBeyondVerdict));
}

std::string gapSummary(double HCO3, const Electrolytes &electrolytes, std::string_view language)
{
    const std::optional<AnionGap> gap = anionGapOf(HCO3, electrolytes);
    if (!gap)
        return {};
    // The writer keeps a view of the presentation's language: it lives as long as the writer.
    const Presentation presentation{PressureUnit::MmHg, std::string(language)};
    const ExplanationWriter out(presentation);
    const std::string verdict = out.text(gap->verdict == GapVerdict::High ? SummaryRaised
                                         : belowNormal(*gap)              ? SummaryLow
                                                                          : SummaryNormal);
    std::string line = gap->corrected ? out.text(SummaryCorrectedGap,
                                                 {out.number(gap->gap, 1), out.number(*gap->corrected, 1), verdict})
                                      : out.text(SummaryGap, {out.number(gap->gap, 1), verdict});
    if (gap->deltaRatio)
        line += out.text(SummaryDelta, {out.fixed(*gap->deltaRatio, 2)});
    return line;
}

std::vector<std::string> anionGapReading(const BloodGasSample &s, const Presentation &presentation,
                                         const Electrolytes &electrolytes)
{
    std::vector<std::string> lines;
    std::vector<std::string> notes;
    explainAnionGap(ExplanationWriter(presentation), s, classifyAcidBase(s.pH, s.PaCO2, s.HCO3), electrolytes, lines,
                    notes);
    lines.insert(lines.end(), notes.begin(), notes.end());
    return lines;
}

} // namespace halvex
