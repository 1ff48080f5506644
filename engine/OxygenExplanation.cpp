#include "engine/OxygenExplanation.h"

#include "engine/ClinicalRules.h"
#include "engine/Oxygenation.h"

#include <array>

namespace halvex {
namespace {

using enum ExplanationText;

std::string ageStep(const ExplanationWriter &out, double Age, const std::optional<OxygenationFinding> &finding)
{
    const std::string age = out.number(Age, 1);
    if (Age > kFixedLimitsAbove)
        return out.text(AgeOver80, {age});
    if (!(Age > 0))
        return out.text(AgeNotGiven);
    if (finding && finding->ageExcess > 0)
        return out.text(AgeCorrection, {age, out.number(finding->ageExcess, 1)});
    return out.text(AgeNoCorrection, {age});
}

// Only the grades that hold some PaO2 at this age: at 80 years the moderate
// grade would run from 40 to below 40.
std::string gradesStep(const ExplanationWriter &out, const GradeLimits &limits)
{
    const std::string without = out.number(limits.withoutHypoxemia, 1);
    const std::string moderate = out.number(limits.moderate, 1);
    if (!limits.mild)
        return out.text(GradesOver80, {without, moderate});
    const ExplanationText grades = *limits.mild > limits.moderate ? Grades : GradesWithoutModerate;
    return out.text(grades, {without, out.number(*limits.mild, 1), moderate});
}

// Whether the age correction has put a PaO2 into the mild grade.
bool mildByAge(const GradeLimits &limits, double PaO2)
{
    return limits.mild && PaO2 >= *limits.mild && PaO2 < limits.withoutHypoxemia;
}

// Whether the same PaO2 takes another grade at 81 years than at 80, where the
// grades pass from limits lowered for age to fixed ones.
bool gradeChangesAfter80(double PaO2, double FiO2)
{
    const auto grade = [&](double age) {
        const std::optional<OxygenationFinding> finding = findOxygenation(PaO2, age, FiO2, PressureUnit::MmHg);
        return finding ? finding->grade : std::string_view();
    };
    return grade(kFixedLimitsAbove) != grade(kFixedLimitsAbove + 1);
}

// What the ratio leaves out where the A–a gradient tells more: on room air, a
// gradient raised beside an unimpaired ratio, or within its limit beside a low
// PaO2 that hypoventilation explains; and any ratio of a PaO2 above the PAO2.
std::optional<ExplanationText> besideTheGradient(const BloodGasSample &s, const OxygenFigures &o)
{
    if (o.aaVerdict == AaVerdict::Impossible)
        return PfBesideImpossibleGradient;
    if (o.aaVerdict == AaVerdict::Raised && o.pfBand == PfBand::None)
        return PfBesideRaisedGradient;
    if (o.aaVerdict == AaVerdict::Within && o.pfBand != PfBand::None && s.PaCO2 > rules::kHypercapniaPaCO2Above)
        return PfBesideNormalGradient;
    return std::nullopt;
}

} // namespace

void explainOxygenationSteps(const ExplanationWriter &out, const BloodGasSample &s, const OxygenFigures &figures,
                             PressureUnit unit, std::vector<std::string> &steps)
{
    const GradeLimits limits = gradeLimits(s.Age);
    const std::optional<OxygenationFinding> finding = findOxygenation(s.PaO2, s.Age, s.FiO2, unit);
    steps.push_back(ageStep(out, s.Age, finding));
    steps.push_back(gradesStep(out, limits));
    if (!finding)
        return;
    steps.push_back(out.text(PaO2Grade, {out.measured(s.PaO2), out.translated(finding->grade)}));

    const bool highPaO2 = s.PaO2 >= kHighPaO2From;
    const std::string oxygen = out.number(s.FiO2, 1);
    if (!finding->supplemental && highPaO2) {
        // Possible only while the PaO2 stays at or below the alveolar PAO2.
        const ExplanationText which = figures.aaGradient < 0 ? RoomAirHighImpossible : RoomAirHighPossible;
        steps.push_back(out.text(which, {out.computed(kHighPaO2From, 0), out.computed(figures.alveolar, 1),
                                         out.measured(s.PaO2), out.computed(figures.aaGradient, 2)}));
    } else if (!finding->supplemental) {
        steps.push_back(out.text(RoomAir));
    } else if (highPaO2) {
        steps.push_back(out.text(OxygenExcessive, {oxygen, out.computed(kHighPaO2From, 0)}));
    } else {
        steps.push_back(out.text(s.PaO2 >= limits.withoutHypoxemia ? OxygenCorrected : OxygenUncorrected, {oxygen}));
    }
}

void explainOxygenationNotes(const ExplanationWriter &out, const BloodGasSample &s, const OxygenFigures &o,
                             std::vector<std::string> &notes)
{
    if (o.respiratoryFailure != RespiratoryFailure::None) {
        std::string note = out.text(
            o.respiratoryFailure == RespiratoryFailure::Type2 ? RespiratoryFailureType2 : RespiratoryFailureType1,
            {out.computed(rules::kRespiratoryFailurePaO2Below, 0), out.computed(rules::kHypercapniaPaCO2Above, 0)});
        if (mildByAge(gradeLimits(s.Age), s.PaO2))
            note.append(" ").append(out.text(MildOnlyByAge));
        notes.push_back(note);
    }
    if (o.expectedPaO2) {
        std::string note = out.text(ExpectedPaO2, {out.number(s.Age, 1), out.computed(*o.expectedPaO2, 1)});
        if (s.Age > kAgeCorrectionFrom && gradeChangesAfter80(s.PaO2, s.FiO2))
            note.append(" ").append(out.text(GradesChangeAt81));
        notes.push_back(note);
    }

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

    static constexpr std::array<ExplanationText, 4> kBands{PfNotImpaired, PfMild, PfModerate, PfSevere};
    std::string ratio =
        out.text(PfRatio, {out.number(s.PaO2, 2) + " / " + out.number(o.fio2Fraction, 3), out.computed(o.pfRatio, 0),
                           out.text(kBands[static_cast<std::size_t>(o.pfBand)])});
    if (const std::optional<ExplanationText> beside = besideTheGradient(s, o))
        ratio.append(" ").append(out.text(*beside));
    notes.push_back(ratio);
}

} // namespace halvex
