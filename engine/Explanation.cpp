#include "Explanation.h"

#include "AcidBaseTable.h"
#include "Language.h"
#include "NumberText.h"
#include "Oxygenation.h"
#include "OwnTexts.h"

#include <array>
#include <cmath>

namespace halvex {
namespace {

// The alveolar gas equation's constants: barometric and water vapour pressure, respiratory quotient.
constexpr double kBarometric = 760;
constexpr double kWaterVapour = 47;
constexpr double kRespiratoryQuotient = 0.8;

class Writer {
public:
    explicit Writer(const Presentation &presentation) : m_presentation(presentation) {}

    std::string text(OwnText which, std::initializer_list<std::string_view> arguments = {}) const
    {
        return filledIn(ownText(which, m_presentation.language), arguments);
    }
    std::string translated(std::string_view english) const { return Translate(english, m_presentation.language); }

    // A pressure held in mmHg, in the unit in force: whole in mmHg, one decimal in kPa.
    std::string pressure(double mmHg) const
    {
        if (m_presentation.unit == PressureUnit::MmHg)
            return formatUpTo(mmHg, 1);
        return formatFixed(ConvertPressure(PressureUnit::MmHg, PressureUnit::Kpa, mmHg), kKpaDecimals);
    }
    std::string pressureWithUnit(double mmHg) const { return pressure(mmHg) + " " + unit(); }
    std::string unit() const { return std::string(unitCaption(m_presentation.unit)); }

private:
    const Presentation &m_presentation;
};

std::string phStep(const Writer &out, double pH)
{
    // As the field shows it: two decimals, or three when typed so.
    const std::string threeDecimals = formatUpTo(pH, 3);
    const std::size_t point = threeDecimals.find('.');
    const bool third = point != std::string::npos && threeDecimals.size() - point - 1 == 3;
    const std::string ph = third ? threeDecimals : formatFixed(pH, 2);
    const std::string lowest = formatFixed(kPhNormalRange.lowest, 2);
    const std::string neutral = formatFixed(kPhNeutral, 2);
    const std::string highest = formatFixed(kPhNormalRange.highest, 2);
    switch (phBandOf(pH)) {
    case PhBand::Acidaemic:
        return out.text(OwnText::PhAcidaemic, {ph, lowest});
    case PhBand::LowNormal:
        return out.text(OwnText::PhLowNormal, {ph, lowest, neutral});
    case PhBand::Exactly740:
        return out.text(OwnText::PhExactly, {ph, neutral});
    case PhBand::HighNormal:
        return out.text(OwnText::PhHighNormal, {ph, neutral, highest});
    case PhBand::Alkalaemic:
        return out.text(OwnText::PhAlkalaemic, {ph, highest});
    }
    return {};
}

// PaCO2 above normal is acidic, HCO3 above normal alkalotic.
std::string levelStep(const Writer &out, std::string_view name, Level level, const std::string &value,
                      const std::string &lowest, const std::string &highest, bool highIsAcidic)
{
    const std::string acidic = out.text(OwnText::Acidic);
    const std::string alkalotic = out.text(OwnText::Alkalotic);
    switch (level) {
    case Level::Low:
        return out.text(OwnText::LevelLow, {name, value, lowest, highIsAcidic ? alkalotic : acidic});
    case Level::Normal:
        return out.text(OwnText::LevelNormal, {name, value, lowest, highest});
    case Level::High:
        return out.text(OwnText::LevelHigh, {name, value, highest, highIsAcidic ? acidic : alkalotic});
    }
    return {};
}

constexpr std::array<OwnText, kCategoryCount> kWhy{
    OwnText::WhyNormal, OwnText::WhyRA,  OwnText::WhyPCRA,  OwnText::WhyCRA,  OwnText::WhyMA,
    OwnText::WhyPCMA,   OwnText::WhyCMA, OwnText::WhyCRMA,  OwnText::WhyRAK,  OwnText::WhyPCRAK,
    OwnText::WhyCRAK,   OwnText::WhyMAK, OwnText::WhyPCMAK, OwnText::WhyCMAK, OwnText::WhyCRMAK,
};

std::string whyOf(const Writer &out, AbgCategory category)
{
    return out.text(kWhy[std::size_t(categoryCode(category))]);
}

std::string verdictStep(const Writer &out, const AcidBaseOutcome &outcome)
{
    switch (outcome.kind) {
    case AcidBaseOutcomeKind::Category:
        return out.text(OwnText::VerdictCategory, {out.translated(outcome.text), whyOf(out, outcome.category)});
    case AcidBaseOutcomeKind::Question:
        return out.text(OwnText::VerdictQuestion, {out.translated(outcome.text)});
    case AcidBaseOutcomeKind::FullCompensation:
        return out.text(OwnText::VerdictFullCompensation, {out.translated(outcome.text)});
    }
    return {};
}

void explainOxygenation(const Writer &out, const BloodGasSample &s, const Presentation &presentation,
                        std::vector<std::string> &steps)
{
    const std::string age = formatUpTo(s.Age, 0);
    const GradeLimits limits = gradeLimits(s.Age);
    const std::optional<OxygenationFinding> finding = findOxygenation(s.PaO2, s.Age, s.FiO2, presentation.unit);
    if (s.Age > 80)
        steps.push_back(out.text(OwnText::AgeOver80, {age}));
    else if (finding && finding->ageExcess > 0)
        steps.push_back(out.text(OwnText::AgeCorrection, {age, out.pressureWithUnit(finding->ageExcess)}));
    else
        steps.push_back(out.text(OwnText::AgeNoCorrection, {age}));
    if (limits.mild)
        steps.push_back(out.text(OwnText::GradeLimits, {out.pressure(limits.withoutHypoxemia), out.pressure(*limits.mild),
                                                        out.pressure(limits.moderate), out.unit()}));
    else
        steps.push_back(out.text(OwnText::GradeLimitsOver80,
                                 {out.pressure(limits.withoutHypoxemia), out.pressure(limits.moderate), out.unit()}));
    if (!finding)
        return;
    steps.push_back(out.text(OwnText::PaO2Falls, {out.pressureWithUnit(s.PaO2), out.translated(finding->grade)}));

    const bool highPaO2 = s.PaO2 >= 100;
    const std::string oxygen = formatUpTo(s.FiO2, 0);
    if (!finding->supplemental)
        steps.push_back(out.text(highPaO2 ? OwnText::RoomAirError : OwnText::RoomAir));
    else if (highPaO2)
        steps.push_back(out.text(OwnText::OxygenExcessive, {oxygen}));
    else
        steps.push_back(out.text(s.PaO2 >= limits.withoutHypoxemia ? OwnText::OxygenCorrected
                                                                   : OwnText::OxygenUncorrected,
                                 {oxygen}));
}

enum class Family { None, MetabolicAcidosis, MetabolicAlkalosis, RespiratoryAcidosis, RespiratoryAlkalosis };

Family familyOf(AbgCategory category)
{
    switch (category) {
    case AbgCategory::MA:
    case AbgCategory::PCMA:
    case AbgCategory::CMA:
        return Family::MetabolicAcidosis;
    case AbgCategory::MAK:
    case AbgCategory::PCMAK:
    case AbgCategory::CMAK:
        return Family::MetabolicAlkalosis;
    case AbgCategory::RA:
    case AbgCategory::PCRA:
    case AbgCategory::CRA:
        return Family::RespiratoryAcidosis;
    case AbgCategory::RAK:
    case AbgCategory::PCRAK:
    case AbgCategory::CRAK:
        return Family::RespiratoryAlkalosis;
    default:
        return Family::None;
    }
}

std::optional<ExpectedRange> expectedRange(Family family, const BloodGasSample &s)
{
    const auto judged = [](bool ofPaCO2, double low, double high, double measured) {
        const Compensation where = measured > high ? Compensation::Above
                                   : measured < low ? Compensation::Below
                                                    : Compensation::Within;
        return ExpectedRange{ofPaCO2, low, high, where};
    };
    switch (family) {
    case Family::MetabolicAcidosis:
        return judged(true, 1.5 * s.HCO3 + 8 - 2, 1.5 * s.HCO3 + 8 + 2, s.PaCO2);
    case Family::MetabolicAlkalosis:
        return judged(true, 0.7 * s.HCO3 + 21 - 2, 0.7 * s.HCO3 + 21 + 2, s.PaCO2);
    case Family::RespiratoryAcidosis:
        return judged(false, 24 + 0.1 * (s.PaCO2 - 40), 24 + 0.35 * (s.PaCO2 - 40), s.HCO3);
    case Family::RespiratoryAlkalosis:
        return judged(false, 24 - 0.5 * (40 - s.PaCO2), 24 - 0.2 * (40 - s.PaCO2), s.HCO3);
    case Family::None:
        break;
    }
    return std::nullopt;
}

void explainNotes(const Writer &out, const Presentation &presentation, const BloodGasSample &s,
                  AbgCategory category, Explanation &explanation)
{
    const Family family = familyOf(category);
    explanation.expected = expectedRange(family, s);
    if (const std::optional<ExpectedRange> &range = explanation.expected) {
        const auto value = [&](double v) { return range->ofPaCO2 ? out.pressure(v) : formatUpTo(v, 1); };
        const std::string unit = range->ofPaCO2 ? out.unit() : std::string("mEq/L");
        const OwnText formula = family == Family::MetabolicAcidosis    ? OwnText::NoteWinter
                                : family == Family::MetabolicAlkalosis ? OwnText::NoteMetabolicAlkalosis
                                : family == Family::RespiratoryAcidosis ? OwnText::NoteRespiratoryAcidosis
                                                                        : OwnText::NoteRespiratoryAlkalosis;
        explanation.notes.push_back(out.text(formula, {value(range->low), value(range->high), unit}));
        const std::string name = range->ofPaCO2 ? "PaCO2" : "HCO3";
        const std::string measured = value(range->ofPaCO2 ? s.PaCO2 : s.HCO3) + " " + unit;
        if (range->measured == Compensation::Within) {
            explanation.notes.push_back(out.text(OwnText::NoteWithin, {name, measured}));
        } else {
            const bool above = range->measured == Compensation::Above;
            // Too much PaCO2 is a respiratory acidosis besides; too much HCO3 a metabolic alkalosis.
            const OwnText also = range->ofPaCO2 ? (above ? OwnText::AlsoRespiratoryAcidosis : OwnText::AlsoRespiratoryAlkalosis)
                                                : (above ? OwnText::AlsoMetabolicAlkalosis : OwnText::AlsoMetabolicAcidosis);
            explanation.notes.push_back(
                out.text(above ? OwnText::NoteAbove : OwnText::NoteBelow, {name, measured, out.text(also)}));
        }
    } else {
        explanation.notes.push_back(out.text(OwnText::NoteNoRange));
    }

    const double alveolar = s.FiO2 / 100 * (kBarometric - kWaterVapour) - s.PaCO2 / kRespiratoryQuotient;
    explanation.aaGradient = alveolar - s.PaO2;
    explanation.aaExpected = s.Age / 4 + 4;
    explanation.notes.push_back(out.text(
        OwnText::NoteAlveolar,
        {out.pressureWithUnit(alveolar), out.pressureWithUnit(*explanation.aaGradient),
         out.pressureWithUnit(*explanation.aaExpected), formatUpTo(s.Age, 0),
         out.text(*explanation.aaGradient > *explanation.aaExpected ? OwnText::AboveExpected : OwnText::WithinExpected)}));
    explanation.pfRatio = s.PaO2 / (s.FiO2 / 100);
    // The ratio whole in mmHg, with one decimal in kPa.
    const std::string ratio = presentation.unit == PressureUnit::MmHg ? formatUpTo(*explanation.pfRatio, 0)
                                                                      : out.pressure(*explanation.pfRatio);
    explanation.notes.push_back(out.text(OwnText::NotePfRatio, {ratio + " " + out.unit()}));
}

} // namespace

std::string filledIn(std::string_view text, std::initializer_list<std::string_view> arguments)
{
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t index = i + 1 < text.size() ? std::size_t(text[i + 1] - '1') : arguments.size();
        if (text[i] == '%' && index < arguments.size()) {
            filled.append(*(arguments.begin() + index));
            ++i;
        } else {
            filled.push_back(text[i]);
        }
    }
    return filled;
}

Explanation explainAssessment(const BloodGasSample &s, const Presentation &presentation)
{
    const Writer out(presentation);
    Explanation explanation;
    explanation.steps.push_back(phStep(out, s.pH));
    explanation.steps.push_back(levelStep(out, "PaCO2", paco2LevelOf(s.PaCO2), out.pressureWithUnit(s.PaCO2),
                                          out.pressure(kPaco2NormalRange.lowest), out.pressure(kPaco2NormalRange.highest),
                                          true));
    explanation.steps.push_back(levelStep(out, "HCO3", hco3LevelOf(s.HCO3), formatUpTo(s.HCO3, 2) + " mEq/L",
                                          formatUpTo(kHco3NormalRange.lowest, 0), formatUpTo(kHco3NormalRange.highest, 0),
                                          false));
    const AcidBaseOutcome outcome = classifyAcidBase(s.pH, s.PaCO2, s.HCO3);
    explanation.reason = verdictStep(out, outcome);
    explanation.why = outcome.kind == AcidBaseOutcomeKind::Category ? whyOf(out, outcome.category) : explanation.reason;
    explanation.steps.push_back(explanation.reason);
    explainOxygenation(out, s, presentation, explanation.steps);
    if (outcome.kind == AcidBaseOutcomeKind::Category)
        explainNotes(out, presentation, s, outcome.category, explanation);
    else
        explanation.notes.push_back(out.text(OwnText::NoNotes));
    return explanation;
}

} // namespace halvex
