#include "language/ExplanationTexts.h"

#include "language/AsciiCase.h"
#include "language/Language.h"
#include "language/TableOrder.h"

#include <array>

namespace halvex {
namespace {

struct ExplanationRow {
    ExplanationText text;
    std::string_view english;
    std::string_view french;
};

using enum ExplanationText;

// In the order of the enumeration. American spelling, as the design's grades;
// units as the design's fields write them ("mmHg", "kpa").
constexpr std::array<ExplanationRow, static_cast<std::size_t>(SummaryDelta) + 1> kRows{{
    {NoFit,
     "These values do not fit together: a PaCO2 of %1 and an HCO3 of %2 give a pH of %3 (Henderson–Hasselbalch), "
     "not %4; a real sample would be checked for an entry error.",
     "Ces valeurs ne concordent pas : une PaCO2 de %1 et des HCO3 à %2 donnent un pH de %3 (Henderson-Hasselbalch), "
     "et non de %4 ; devant un vrai prélèvement, on rechercherait une erreur de saisie."},
    {NoFitExercise,
     "These values do not fit together: a PaCO2 of %1 and an HCO3 of %2 give a pH of %3 (Henderson–Hasselbalch), "
     "not %4; this is an exercise that no patient could give.",
     "Ces valeurs ne concordent pas : une PaCO2 de %1 et des HCO3 à %2 donnent un pH de %3 (Henderson-Hasselbalch), "
     "et non de %4 ; c'est un exercice qu'aucun patient ne pourrait donner."},
    {NoFitWithoutHco3,
     "These values do not fit together: with an HCO3 of 0 mEq/L no pH can be computed (Henderson–Hasselbalch); "
     "a real sample would be checked for an entry error.",
     "Ces valeurs ne concordent pas : avec des HCO3 à 0 mEq/L, aucun pH ne peut être calculé "
     "(Henderson-Hasselbalch) ; devant un vrai prélèvement, on rechercherait une erreur de saisie."},
    {KpaForFormulas, "The limits and formulas work in mmHg: kpa × 7.5 = mmHg, and mmHg × 0.133 = kpa.",
     "Les limites et les formules s'expriment en mmHg : kpa × 7,5 = mmHg, et mmHg × 0,133 = kpa."},
    {PhAcidemic, "pH %1 is below %2: acidemic.", "Le pH de %1 est inférieur à %2 : acidémie."},
    {PhLowNormal, "pH %1 is from %2 to below %3: normal, on the acid side.",
     "Le pH de %1 est compris entre %2 et %3 (exclu) : normal, du côté acide."},
    {PhExactly, "pH %1 is exactly %2: normal.", "Le pH de %1 est exactement de %2 : normal."},
    {PhHighNormal, "pH %1 is above %2 up to %3: normal, on the alkaline side.",
     "Le pH de %1 est supérieur à %2, jusqu'à %3 (inclus) : normal, du côté alcalin."},
    {PhAlkalemic, "pH %1 is above %2: alkalemic.", "Le pH de %1 est supérieur à %2 : alcalémie."},
    {Paco2Low, "PaCO2 %1 is below %2 mmHg: low, alkalotic.",
     "La PaCO2 de %1 est inférieure à %2 mmHg : basse, du côté alcalin."},
    {Paco2Normal, "PaCO2 %1 is from %2 to %3 mmHg: normal.",
     "La PaCO2 de %1 est comprise entre %2 et %3 mmHg : normale."},
    {Paco2High, "PaCO2 %1 is above %2 mmHg: high, acidic.",
     "La PaCO2 de %1 est supérieure à %2 mmHg : élevée, du côté acide."},
    {Paco2LimitsInKpa,
     "In kpa these limits are %1 and %2; the normal-values page shows the table's values, %3 – %4, cut (not rounded) "
     "to one decimal.",
     "En kpa, ces limites valent %1 et %2 ; la page des valeurs normales affiche les valeurs du tableau, %3 – %4, "
     "tronquées (et non arrondies) à une décimale."},
    {Hco3Low, "HCO3 %1 mEq/L is below %2: low, acidic.",
     "Les HCO3 à %1 mEq/L sont inférieurs à %2 : bas, du côté acide."},
    {Hco3Normal, "HCO3 %1 mEq/L is from %2 to %3: normal.",
     "Les HCO3 à %1 mEq/L sont compris entre %2 et %3 : normaux."},
    {Hco3High, "HCO3 %1 mEq/L is above %2: high, alkalotic.",
     "Les HCO3 à %1 mEq/L sont supérieurs à %2 : élevés, du côté alcalin."},
    {SbeStep, "Standard base excess: SBE = 0.9287 × (HCO3 − 24.4 + 14.83 × (pH − 7.4)) = %1 = %2 mEq/L: %3.",
     "Excès de base standard : SBE = 0,9287 × (HCO3 − 24,4 + 14,83 × (pH − 7,4)) = %1 = %2 mEq/L : %3."},
    {SbeLow, "below −2, low, acidic", "inférieur à −2, bas, du côté acide"},
    {SbeNormal, "from −2 to +2, normal", "compris entre −2 et +2, normal"},
    {SbeHigh, "above +2, high, alkalotic", "supérieur à +2, élevé, du côté alcalin"},
    {VerdictCategory, "Verdict: %1. %2", "Verdict : %1. %2"},
    {VerdictQuestion, "Verdict: the values contradict each other. %1", "Verdict : les valeurs se contredisent. %1"},
    {VerdictPattern,
     "Verdict: the table has no category for this pattern. %1 The values fit together (Henderson–Hasselbalch), so they "
     "do not contradict each other: the notes read the pattern with the formulas.",
     "Verdict : le tableau n'a pas de catégorie pour ce profil. %1 Les valeurs concordent (Henderson-Hasselbalch) et "
     "ne se contredisent donc pas : les notes interprètent ce profil à l'aide des formules."},
    {VerdictFullCompensation,
     "Verdict: %1. The pH is exactly %2 while the PaCO2 and the HCO3 are both out of their normal limits, one on "
     "the acid side and the other on the alkaline side: they offset each other exactly, so which came first cannot "
     "be told from this gas alone (two disorders together are possible too).",
     "Verdict : %1. Le pH est exactement de %2 alors que la PaCO2 et les HCO3 sont tous deux hors de leurs limites "
     "normales, de part et d'autre : ils se compensent exactement, et ce seul gaz ne dit pas lequel est venu en "
     "premier (deux troubles associés sont aussi possibles)."},
    {WhyNormal, "pH, PaCO2 and HCO3 are all normal.", "Le pH, la PaCO2 et les HCO3 sont tous normaux."},
    {WhyRA,
     "The high PaCO2 explains the acidemic pH; the HCO3 is still within its normal limits, so the table calls it "
     "uncompensated.",
     "La PaCO2 élevée explique l'acidémie ; les HCO3 restent dans leurs limites normales, d'où le verdict « non "
     "compensée »."},
    {WhyPCRA,
     "The high PaCO2 explains the acidemic pH; the HCO3 is high too, on the side that offsets it, but the pH is "
     "still outside its normal range, so the table calls it partly compensated.",
     "La PaCO2 élevée explique l'acidémie ; les HCO3 sont élevés eux aussi, dans le sens qui s'y oppose, mais le pH "
     "reste hors de ses limites normales, d'où le verdict « en partie compensée »."},
    {WhyCRA,
     "The high PaCO2 explains why the pH leans acid; the HCO3 is high too, on the side that offsets it, and the pH "
     "is within its normal range, so the table calls it compensated.",
     "La PaCO2 élevée explique le pH du côté acide ; les HCO3 sont élevés eux aussi, dans le sens qui s'y oppose, "
     "et le pH est dans ses limites normales, d'où le verdict « compensée »."},
    {WhyMA,
     "The low HCO3 explains the acidemic pH; the PaCO2 is still within its normal limits, so the table calls it "
     "uncompensated.",
     "Les HCO3 bas expliquent l'acidémie ; la PaCO2 reste dans ses limites normales, d'où le verdict « non "
     "compensée »."},
    {WhyPCMA,
     "The low HCO3 explains the acidemic pH; the PaCO2 is low too, on the side that offsets it, but the pH is "
     "still outside its normal range, so the table calls it partly compensated.",
     "Les HCO3 bas expliquent l'acidémie ; la PaCO2 est basse elle aussi, dans le sens qui s'y oppose, mais le pH "
     "reste hors de ses limites normales, d'où le verdict « en partie compensée »."},
    {WhyCMA,
     "The low HCO3 explains why the pH leans acid; the PaCO2 is low too, on the side that offsets it, and the pH "
     "is within its normal range, so the table calls it compensated.",
     "Les HCO3 bas expliquent le pH du côté acide ; la PaCO2 est basse elle aussi, dans le sens qui s'y oppose, "
     "et le pH est dans ses limites normales, d'où le verdict « compensée »."},
    {WhyCRMA, "The high PaCO2 and the low HCO3 both push the pH down: a respiratory and a metabolic acidosis together.",
     "La PaCO2 élevée et les HCO3 bas font tous deux baisser le pH : une acidose respiratoire et une acidose "
     "métabolique associées."},
    {WhyRAK,
     "The low PaCO2 explains the alkalemic pH; the HCO3 is still within its normal limits, so the table calls it "
     "uncompensated.",
     "La PaCO2 basse explique l'alcalémie ; les HCO3 restent dans leurs limites normales, d'où le verdict « non "
     "compensée »."},
    {WhyPCRAK,
     "The low PaCO2 explains the alkalemic pH; the HCO3 is low too, on the side that offsets it, but the pH is "
     "still outside its normal range, so the table calls it partly compensated.",
     "La PaCO2 basse explique l'alcalémie ; les HCO3 sont bas eux aussi, dans le sens qui s'y oppose, mais le pH "
     "reste hors de ses limites normales, d'où le verdict « en partie compensée »."},
    {WhyCRAK,
     "The low PaCO2 explains why the pH leans alkaline; the HCO3 is low too, on the side that offsets it, and the "
     "pH is within its normal range, so the table calls it compensated.",
     "La PaCO2 basse explique le pH du côté alcalin ; les HCO3 sont bas eux aussi, dans le sens qui s'y oppose, et "
     "le pH est dans ses limites normales, d'où le verdict « compensée »."},
    {WhyMAK,
     "The high HCO3 explains the alkalemic pH; the PaCO2 is still within its normal limits, so the table calls it "
     "uncompensated.",
     "Les HCO3 élevés expliquent l'alcalémie ; la PaCO2 reste dans ses limites normales, d'où le verdict « non "
     "compensée »."},
    {WhyPCMAK,
     "The high HCO3 explains the alkalemic pH; the PaCO2 is high too, on the side that offsets it, but the pH is "
     "still outside its normal range, so the table calls it partly compensated.",
     "Les HCO3 élevés expliquent l'alcalémie ; la PaCO2 est élevée elle aussi, dans le sens qui s'y oppose, mais "
     "le pH reste hors de ses limites normales, d'où le verdict « en partie compensée »."},
    {WhyCMAK,
     "The high HCO3 explains why the pH leans alkaline; the PaCO2 is high too, on the side that offsets it, and "
     "the pH is within its normal range, so the table calls it compensated.",
     "Les HCO3 élevés expliquent le pH du côté alcalin ; la PaCO2 est élevée elle aussi, dans le sens qui s'y "
     "oppose, et le pH est dans ses limites normales, d'où le verdict « compensée »."},
    {WhyCRMAK, "The low PaCO2 and the high HCO3 both push the pH up: a respiratory and a metabolic alkalosis together.",
     "La PaCO2 basse et les HCO3 élevés font tous deux monter le pH : une alcalose respiratoire et une alcalose "
     "métabolique associées."},
    {AgeNotGiven, "No age given: the limits for 60 or under apply.",
     "Âge non renseigné : les limites de 60 ans ou moins s'appliquent."},
    {AgeNoCorrection, "Age %1: no correction for age (60 or under).",
     "Âge de %1 ans : pas de correction pour l'âge (60 ans ou moins)."},
    {AgeCorrection, "Age %1: the limits are lowered by %2 mmHg, one mmHg a year above 60.",
     "Âge de %1 ans : les limites sont abaissées de %2 mmHg, un mmHg par année au-delà de 60 ans."},
    {AgeOver80, "Age %1, over 80: fixed limits, without a mild grade.",
     "Âge de %1 ans, au-delà de 80 ans : limites fixes, sans degré léger."},
    {Grades, "Grades: without hypoxemia from %1, mild from %2, moderate from %3, severe below %3 mmHg.",
     "Degrés : sans hypoxémie à partir de %1, légère à partir de %2, modérée à partir de %3, sévère en dessous de "
     "%3 mmHg."},
    {GradesWithoutModerate, "Grades: without hypoxemia from %1, mild from %2, severe below %3 mmHg.",
     "Degrés : sans hypoxémie à partir de %1, légère à partir de %2, sévère en dessous de %3 mmHg."},
    {GradesOver80, "Grades: without hypoxemia from %1, moderate from %2, severe below %2 mmHg.",
     "Degrés : sans hypoxémie à partir de %1, modérée à partir de %2, sévère en dessous de %2 mmHg."},
    {PaO2Grade, "PaO2 %1 lies in the grade “%2”.", "La PaO2 de %1 se situe dans le degré « %2 »."},
    {RoomAir, "On room air (21 %), the grade stands as measured.",
     "À l'air ambiant (21 %), le degré est celui mesuré."},
    {RoomAirHighPossible,
     "On room air a PaO2 of %1 or more is unusual, hence the grade's “possible error”. Here the alveolar PAO2 is %2 "
     "(see the notes), which leaves this PaO2, %3, an A–a gradient of only %4: possible, but rarely seen unless a low "
     "PaCO2 raises the PAO2 in hyperventilation. Check that the sample was truly taken on room air.",
     "À l'air ambiant, une PaO2 de %1 ou plus est inhabituelle, d'où l'« erreur possible » du degré. La PAO2 "
     "alvéolaire est ici de %2 (voir les notes), ce qui ne laisse à cette PaO2 de %3 qu'un gradient A–a de %4 : c'est "
     "possible, mais rare, sauf quand une PaCO2 basse élève la PAO2 dans l'hyperventilation. Vérifiez que le "
     "prélèvement a bien été fait à l'air ambiant."},
    {RoomAirHighImpossible,
     "On room air a PaO2 of %1 or more is unusual, hence the grade's “possible error”. Here the alveolar PAO2 is only "
     "%2 (see the notes), below this PaO2, %3, which room air cannot give. Suspect oxygen that was not recorded, or "
     "air in the syringe.",
     "À l'air ambiant, une PaO2 de %1 ou plus est inhabituelle, d'où l'« erreur possible » du degré. La PAO2 "
     "alvéolaire n'est ici que de %2 (voir les notes), inférieure à cette PaO2 de %3, ce que l'air ambiant ne permet "
     "pas. Pensez à une oxygénothérapie non notée, ou à une bulle d'air dans la seringue."},
    {OxygenCorrected, "On %1 % oxygen the PaO2 is within its limits: any hypoxemia is corrected by the oxygen.",
     "Sous %1 % d'O2, la PaO2 est dans ses limites : l'oxygène corrige une éventuelle hypoxémie."},
    {OxygenUncorrected, "On %1 % oxygen the PaO2 is still low: the hypoxemia is not corrected.",
     "Sous %1 % d'O2, la PaO2 reste basse : l'hypoxémie n'est pas corrigée."},
    {OxygenExcessive, "On %1 % oxygen a PaO2 of %2 or more: more oxygen than needed.",
     "Sous %1 % d'O2, une PaO2 de %2 ou plus : plus d'oxygène que nécessaire."},
    {NotesOnUnfitValues,
     "These notes are worked on values that do not fit together (see the first step): read them for the method, "
     "not for a patient.",
     "Ces notes portent sur des valeurs qui ne concordent pas (voir la première étape) : lisez-les pour la "
     "méthode, non pour un patient."},
    {HhFits,
     "Henderson–Hasselbalch: pH = 6.1 + log10(HCO3 / (0.03 × PaCO2)) = %1 = %2, within 0.05 of the measured %3: "
     "the values fit together.",
     "Henderson-Hasselbalch : pH = 6,1 + log10(HCO3 / (0,03 × PaCO2)) = %1 = %2, à 0,05 près du pH mesuré de %3 : "
     "les valeurs concordent."},
    {HhDoesNotFit,
     "Henderson–Hasselbalch: pH = 6.1 + log10(HCO3 / (0.03 × PaCO2)) = %1 = %2, more than 0.05 from the measured "
     "%3: the values do not fit together.",
     "Henderson-Hasselbalch : pH = 6,1 + log10(HCO3 / (0,03 × PaCO2)) = %1 = %2, à plus de 0,05 du pH mesuré de "
     "%3 : les valeurs ne concordent pas."},
    {WinterFormula, "Winter's formula: expected PaCO2 = 1.5 × HCO3 + 8 = %1 = %2.",
     "Formule de Winter : PaCO2 attendue = 1,5 × HCO3 + 8 = %1 = %2."},
    {MetabolicAlkalosisFormula,
     "Expected PaCO2 = 0.7 × HCO3 + 20 = %1 = %2 (the widest range in common teaching; the narrower forms 0.7 × HCO3 + "
     "21 and 0.7 × (HCO3 − 24) + 40 lie within it).",
     "PaCO2 attendue = 0,7 × HCO3 + 20 = %1 = %2 (la fourchette la plus large de l'enseignement courant ; les formes "
     "plus étroites 0,7 × HCO3 + 21 et 0,7 × (HCO3 − 24) + 40 y sont comprises)."},
    {RespiratoryAcidosisFormula,
     "Expected HCO3: acute 24 + 0.1 × (PaCO2 − 40) = %1 = %2 mEq/L; chronic 24 + 0.35 × (PaCO2 − 40) = %3 = "
     "%4 mEq/L.",
     "HCO3 attendus : en aigu, 24 + 0,1 × (PaCO2 − 40) = %1 = %2 mEq/L ; en chronique, 24 + 0,35 × (PaCO2 − 40) = "
     "%3 = %4 mEq/L."},
    {RespiratoryAlkalosisFormula,
     "Expected HCO3: acute 24 − 0.2 × (40 − PaCO2) = %1 = %2 mEq/L; chronic 24 − 0.5 × (40 − PaCO2) = %3 = "
     "%4 mEq/L.",
     "HCO3 attendus : en aigu, 24 − 0,2 × (40 − PaCO2) = %1 = %2 mEq/L ; en chronique, 24 − 0,5 × (40 − PaCO2) = "
     "%3 = %4 mEq/L."},
    {LimitMetabolicAcidosis, "The lungs cannot bring the PaCO2 much below %1 mmHg: %1 is taken instead of %2.",
     "Les poumons ne peuvent guère abaisser la PaCO2 sous %1 mmHg : on retient %1 au lieu de %2."},
    {LimitMetabolicAlkalosis, "The breathing seldom lets the PaCO2 rise much above %1 mmHg: %1 is taken instead of %2.",
     "La ventilation laisse rarement la PaCO2 dépasser %1 mmHg : on retient %1 au lieu de %2."},
    {LimitAcuteRespiratoryAcidosis,
     "Within hours the kidneys cannot raise the HCO3 much above %1 mEq/L: %1 is taken for the acute value instead "
     "of %2.",
     "En quelques heures, les reins ne peuvent guère élever les HCO3 au-delà de %1 mEq/L : on retient %1 pour la "
     "valeur aiguë au lieu de %2."},
    {LimitChronicRespiratoryAcidosis,
     "Even over days the kidneys cannot raise the HCO3 much above %1 mEq/L: %1 is taken for the chronic value instead "
     "of %2.",
     "Même après plusieurs jours, les reins ne peuvent guère élever les HCO3 au-delà de %1 mEq/L : on retient %1 pour "
     "la valeur chronique au lieu de %2."},
    {LimitAcuteRespiratoryAlkalosis,
     "Within hours the HCO3 seldom falls much below %1 mEq/L: %1 is taken for the acute value instead of %2.",
     "En quelques heures, les HCO3 descendent rarement sous %1 mEq/L : on retient %1 pour la valeur aiguë au lieu "
     "de %2."},
    {LimitChronicRespiratoryAlkalosis,
     "Even over days the HCO3 seldom falls much below %1 mEq/L: %1 is taken for the chronic value instead of %2.",
     "Même après plusieurs jours, les HCO3 descendent rarement sous %1 mEq/L : on retient %1 pour la valeur chronique "
     "au lieu de %2."},
    {MetabolicRange, "Allowing %2 mmHg either way: %1 ± %2 = %3.", "Avec %2 mmHg de part et d'autre : %1 ± %2 = %3."},
    {RespiratoryRange, "Allowing %3 mEq/L either way for individual variation: from %1 − %3 to %2 + %3 = %4 mEq/L.",
     "Avec %3 mEq/L de part et d'autre pour les variations individuelles : de %1 − %3 à %2 + %3 = %4 mEq/L."},
    {ValueRange, "%1 to %2", "%1 à %2"},
    {MetabolicAcidosisWithin,
     "The measured PaCO2, %1, lies within this range: the breathing has lowered it as far as expected for this "
     "HCO3.",
     "La PaCO2 mesurée, %1, est dans cette fourchette : la ventilation l'a abaissée autant qu'attendu pour ces "
     "HCO3."},
    {MetabolicAcidosisAbove,
     "The measured PaCO2, %1, is above this range: the breathing has not lowered it as far as this HCO3 calls "
     "for, which suggests a respiratory acidosis as well.",
     "La PaCO2 mesurée, %1, est au-dessus de cette fourchette : la ventilation ne l'a pas abaissée autant que ces "
     "HCO3 le demandent, ce qui évoque une acidose respiratoire associée."},
    {MetabolicAcidosisBelow,
     "The measured PaCO2, %1, is below this range: lower than the response to this HCO3 alone, which suggests a "
     "respiratory alkalosis as well.",
     "La PaCO2 mesurée, %1, est en dessous de cette fourchette : plus basse que la seule réponse à ces HCO3, ce "
     "qui évoque une alcalose respiratoire associée."},
    {MetabolicAlkalosisWithin,
     "The measured PaCO2, %1, lies within this range: the breathing has let it rise as far as expected for this "
     "HCO3.",
     "La PaCO2 mesurée, %1, est dans cette fourchette : la ventilation l'a laissée monter autant qu'attendu pour "
     "ces HCO3."},
    {MetabolicAlkalosisAbove,
     "The measured PaCO2, %1, is above this range: higher than the response to this HCO3 alone, which suggests a "
     "respiratory acidosis as well.",
     "La PaCO2 mesurée, %1, est au-dessus de cette fourchette : plus élevée que la seule réponse à ces HCO3, ce "
     "qui évoque une acidose respiratoire associée."},
    {MetabolicAlkalosisBelow,
     "The measured PaCO2, %1, is below this range: the breathing has not let it rise as far as this HCO3 calls "
     "for, which suggests a respiratory alkalosis as well.",
     "La PaCO2 mesurée, %1, est en dessous de cette fourchette : la ventilation ne l'a pas laissée monter autant "
     "que ces HCO3 le demandent, ce qui évoque une alcalose respiratoire associée."},
    {RespiratoryWithin, "The measured HCO3, %1, lies within this range, %2.",
     "Les HCO3 mesurés, %1, sont dans cette fourchette ; %2."},
    {RespiratoryAcidosisAbove,
     "The measured HCO3, %1, is above this range: more than the response to this PaCO2 alone, which suggests a "
     "metabolic alkalosis as well.",
     "Les HCO3 mesurés, %1, sont au-dessus de cette fourchette : plus que la seule réponse à cette PaCO2, ce qui "
     "évoque une alcalose métabolique associée."},
    {RespiratoryAcidosisBelow,
     "The measured HCO3, %1, is below this range: below even the value an acute response to this PaCO2 would give, "
     "which suggests a metabolic acidosis as well.",
     "Les HCO3 mesurés, %1, sont en dessous de cette fourchette : plus bas même que la valeur que donnerait une "
     "réponse aiguë à cette PaCO2, ce qui évoque une acidose métabolique associée."},
    {RespiratoryAlkalosisAbove,
     "The measured HCO3, %1, is above this range: above even the value an acute response to this PaCO2 would give, "
     "which suggests a metabolic alkalosis as well.",
     "Les HCO3 mesurés, %1, sont au-dessus de cette fourchette : plus élevés même que la valeur que donnerait une "
     "réponse aiguë à cette PaCO2, ce qui évoque une alcalose métabolique associée."},
    {RespiratoryAlkalosisBelow,
     "The measured HCO3, %1, is below this range: lower than the response to this PaCO2 alone, which suggests a "
     "metabolic acidosis as well.",
     "Les HCO3 mesurés, %1, sont en dessous de cette fourchette : plus bas que la seule réponse à cette PaCO2, ce "
     "qui évoque une acidose métabolique associée."},
    {AcuteRespiratoryAcidosis,
     "close to the acute value only: an acute respiratory acidosis, before the kidneys have had time to retain HCO3",
     "seule la valeur aiguë en est proche : une acidose respiratoire aiguë, avant que les reins aient eu le temps de "
     "retenir des HCO3"},
    {ChronicRespiratoryAcidosis,
     "close to the chronic value only: a chronic respiratory acidosis, the kidneys having retained HCO3 over days",
     "seule la valeur chronique en est proche : une acidose respiratoire chronique, les reins ayant retenu des HCO3 au "
     "fil de plusieurs jours"},
    {AcuteRespiratoryAlkalosis,
     "close to the acute value only: an acute respiratory alkalosis, before the kidneys have had time to shed HCO3",
     "seule la valeur aiguë en est proche : une alcalose respiratoire aiguë, avant que les reins aient eu le temps "
     "d'éliminer des HCO3"},
    {ChronicRespiratoryAlkalosis,
     "close to the chronic value only: a chronic respiratory alkalosis, the kidneys having shed HCO3 over days",
     "seule la valeur chronique en est proche : une alcalose respiratoire chronique, les reins ayant éliminé des HCO3 "
     "au fil de plusieurs jours"},
    {EitherAcuteOrChronic,
     "close to both the acute and the chronic value: from this gas alone it may be acute or chronic",
     "les valeurs aiguë et chronique en sont toutes deux proches : ce seul gaz ne dit pas si le trouble est aigu ou "
     "chronique"},
    {BetweenAcuteAndChronic,
     "between the acute and the chronic value: an acute change on a chronic one, or a disorder still evolving",
     "la mesure se situe entre la valeur aiguë et la valeur chronique : un trouble aigu sur un trouble chronique, ou "
     "un trouble encore en évolution"},
    {UncompensatedMetabolicAsExpected,
     "A response this small leaves the PaCO2 within its normal limits, so the table still calls it uncompensated.",
     "Une réponse aussi faible laisse la PaCO2 dans ses limites normales, d'où malgré tout le verdict « non "
     "compensée »."},
    {UncompensatedRespiratoryAcidosis,
     "The HCO3 is still within its normal limits, so the table calls it uncompensated: an acute rise in PaCO2 "
     "moves the HCO3 only about 1 mEq/L per 10 mmHg.",
     "Les HCO3 restent dans leurs limites normales, d'où le verdict « non compensée » : une hausse aiguë de la "
     "PaCO2 ne les élève que d'environ 1 mEq/L par 10 mmHg."},
    {UncompensatedRespiratoryAlkalosis,
     "The HCO3 is still within its normal limits, so the table calls it uncompensated: an acute fall in PaCO2 "
     "lowers the HCO3 only about 2 mEq/L per 10 mmHg.",
     "Les HCO3 restent dans leurs limites normales, d'où le verdict « non compensée » : une baisse aiguë de la "
     "PaCO2 ne les abaisse que d'environ 2 mEq/L par 10 mmHg."},
    {UncompensatedMetabolicBeside,
     "The table still calls it uncompensated because the PaCO2 is within its normal limits: the table reads where the "
     "values sit among the normal limits, the formula how far the body's response should go, so only the formula shows "
     "the second disorder.",
     "Le tableau parle malgré tout de « non compensée », car la PaCO2 reste dans ses limites normales : le tableau lit "
     "où se situent les valeurs parmi les limites normales, la formule jusqu'où la réponse de l'organisme devrait "
     "aller ; seule la formule révèle donc le second trouble."},
    {UncompensatedRespiratoryBeside,
     "The table still calls it uncompensated because the HCO3 is within its normal limits: the table reads where the "
     "values sit among the normal limits, the formula how far the body's response should go, so only the formula shows "
     "the second disorder.",
     "Le tableau parle malgré tout de « non compensée », car les HCO3 restent dans leurs limites normales : le tableau "
     "lit où se situent les valeurs parmi les limites normales, la formule jusqu'où la réponse de l'organisme devrait "
     "aller ; seule la formule révèle donc le second trouble."},
    {PartlyCompensatedAsExpected,
     "The response has not brought the pH back within its normal range, so the table calls it partly compensated.",
     "La réponse n'a pas ramené le pH dans ses limites normales, d'où le verdict « en partie compensée »."},
    {PartlyCompensatedMoreThanExpected,
     "The table still calls it partly compensated because the pH is outside its normal range: the table reads only "
     "where the values sit among the normal limits, the formula how far the response should go; a value beyond the "
     "expected range points to a second disorder, not to a stronger compensation.",
     "Le tableau parle malgré tout de « en partie compensée », car le pH reste hors de ses limites normales : le "
     "tableau ne lit que la place des valeurs parmi les limites normales, la formule jusqu'où la réponse devrait aller "
     "; une valeur au-delà de la fourchette attendue évoque un second trouble, non une compensation plus forte."},
    {PartlyCompensatedLessThanExpected,
     "The table calls it partly compensated because the other value has left its normal limits on the side that "
     "offsets the pH, which is still outside its range: the table reads only where the values sit among the normal "
     "limits, the formula how far the response should go; a value short of the expected range points to a second "
     "disorder.",
     "Le tableau parle de « en partie compensée », car l'autre valeur a quitté ses limites normales dans le sens qui "
     "s'oppose au pH, lequel reste hors des siennes : le tableau ne lit que la place des valeurs parmi les limites "
     "normales, la formule jusqu'où la réponse devrait aller ; une valeur en deçà de la fourchette attendue évoque un "
     "second trouble."},
    {CompensatedAsExpected, "The pH is within its normal range, so the table calls it compensated.",
     "Le pH est dans ses limites normales, d'où le verdict « compensée »."},
    {CompensatedBeside,
     "The table calls it compensated because the pH is within its normal range: the table reads where the values sit "
     "among the normal limits, the formula how far the body's response should go, and a response off the expected "
     "range points to a second disorder rather than to compensation alone.",
     "Le tableau parle de « compensée », car le pH est dans ses limites normales : le tableau lit où se situent les "
     "valeurs parmi les limites normales, la formule jusqu'où la réponse de l'organisme devrait aller, et une réponse "
     "hors de la fourchette attendue évoque un second trouble plutôt qu'une simple compensation."},
    {NoCompensationFormula, "No compensation formula applies to this verdict.",
     "Aucune formule de compensation ne s'applique à ce verdict."},
    {PatternHighPaco2, "The high PaCO2 points to a respiratory acidosis.",
     "La PaCO2 élevée oriente vers une acidose respiratoire."},
    {PatternLowPaco2, "The low PaCO2 points to a respiratory alkalosis.",
     "La PaCO2 basse oriente vers une alcalose respiratoire."},
    {PatternHighHco3, "The high HCO3 points to a metabolic alkalosis.",
     "Les HCO3 élevés orientent vers une alcalose métabolique."},
    {PatternLowHco3, "The low HCO3 points to a metabolic acidosis.",
     "Les HCO3 bas orientent vers une acidose métabolique."},
    {PatternBothNormalAcidemic,
     "PaCO2 and HCO3 are both within their normal limits, yet together they give an acidemic pH: a mild acidosis whose "
     "values lie near the edges of their ranges, respiratory, metabolic or both, which this gas alone cannot tell "
     "apart.",
     "La PaCO2 et les HCO3 sont tous deux dans leurs limites normales, mais ensemble ils donnent une acidémie : une "
     "acidose légère dont les valeurs sont proches du bord de leurs fourchettes, respiratoire, métabolique ou les "
     "deux, ce que ce seul gaz ne permet pas de distinguer."},
    {PatternBothNormalAlkalemic,
     "PaCO2 and HCO3 are both within their normal limits, yet together they give an alkalemic pH: a mild alkalosis "
     "whose values lie near the edges of their ranges, respiratory, metabolic or both, which this gas alone cannot "
     "tell apart.",
     "La PaCO2 et les HCO3 sont tous deux dans leurs limites normales, mais ensemble ils donnent une alcalémie : une "
     "alcalose légère dont les valeurs sont proches du bord de leurs fourchettes, respiratoire, métabolique ou les "
     "deux, ce que ce seul gaz ne permet pas de distinguer."},
    {PatternAgainstMetabolicAcidosis,
     "Yet the pH leans acid, as the HCO3 does (below %1): the pattern reads as a metabolic acidosis, the PaCO2 being "
     "the breathing's response.",
     "Mais le pH penche du côté acide, comme les HCO3 (sous %1) : le profil se lit comme une acidose métabolique, la "
     "PaCO2 étant la réponse de la ventilation."},
    {PatternAgainstMetabolicAlkalosis,
     "Yet the pH leans alkaline, as the HCO3 does (above %1): the pattern reads as a metabolic alkalosis, the PaCO2 "
     "being the breathing's response.",
     "Mais le pH penche du côté alcalin, comme les HCO3 (au-dessus de %1) : le profil se lit comme une alcalose "
     "métabolique, la PaCO2 étant la réponse de la ventilation."},
    {PatternAgainstRespiratoryAcidosis,
     "Yet the pH leans acid, as the PaCO2 does (above %1): the pattern reads as a respiratory acidosis, the HCO3 being "
     "the kidneys' response.",
     "Mais le pH penche du côté acide, comme la PaCO2 (au-dessus de %1) : le profil se lit comme une acidose "
     "respiratoire, les HCO3 étant la réponse des reins."},
    {PatternAgainstRespiratoryAlkalosis,
     "Yet the pH leans alkaline, as the PaCO2 does (below %1): the pattern reads as a respiratory alkalosis, the HCO3 "
     "being the kidneys' response.",
     "Mais le pH penche du côté alcalin, comme la PaCO2 (sous %1) : le profil se lit comme une alcalose respiratoire, "
     "les HCO3 étant la réponse des reins."},
    {PatternWithinLimits,
     "The pH is within its normal limits: a compensated or mild %1, which the table's limits do not name.",
     "Le pH est dans ses limites normales : une %1 compensée ou légère, que les limites du tableau ne nomment pas."},
    {PatternBeyondLimits,
     "The pH is just beyond its normal limits: a mild %1 at the edge of the limits, which the table does not name.",
     "Le pH sort à peine de ses limites normales : une %1 légère, au bord des limites, que le tableau ne nomme pas."},
    {PatternWithSecondDisorder,
     "The table's limits name neither disorder: this gas reads as a %1 with the second disorder the formula suggests.",
     "Les limites du tableau ne nomment aucun des deux troubles : ce gaz se lit comme une %1 avec le second trouble "
     "qu'évoque la formule."},
    {PatternTwoDisorders, "Two disorders together, which the table's rows do not name at this pH.",
     "Deux troubles associés, que les lignes du tableau ne nomment pas à ce pH."},
    {FamilyMetabolicAcidosis, "metabolic acidosis", "acidose métabolique"},
    {FamilyMetabolicAlkalosis, "metabolic alkalosis", "alcalose métabolique"},
    {FamilyRespiratoryAcidosis, "respiratory acidosis", "acidose respiratoire"},
    {FamilyRespiratoryAlkalosis, "respiratory alkalosis", "alcalose respiratoire"},
    {AddedAcidLowersHco3,
     "The anion gap is raised, though: an added acid (a high-gap metabolic acidosis) lowers the HCO3 and the base "
     "excess too, so they do not measure the kidneys' response alone.",
     "Le trou anionique est pourtant élevé : un acide ajouté (une acidose métabolique à trou anionique élevé) abaisse "
     "lui aussi les HCO3 et l'excès de base, qui ne mesurent donc pas la seule réponse des reins."},
    {SbeMetabolicAcidosisFormula,
     "By the base excess (Schlichtig, Grogono and Severinghaus): expected PaCO2 = 40 + SBE = %1 = %2.",
     "Par l'excès de base (Schlichtig, Grogono et Severinghaus) : PaCO2 attendue = 40 + SBE = %1 = %2."},
    {SbeMetabolicAlkalosisFormula,
     "By the base excess (Schlichtig, Grogono and Severinghaus): expected PaCO2 = 40 + 0.6 × SBE = %1 = %2.",
     "Par l'excès de base (Schlichtig, Grogono et Severinghaus) : PaCO2 attendue = 40 + 0,6 × SBE = %1 = %2."},
    {SbeRespiratoryFormula,
     "By the base excess (Schlichtig, Grogono and Severinghaus): expected SBE acute 0 mEq/L; chronic 0.4 × (PaCO2 − "
     "40) = %1 = %2 mEq/L.",
     "Par l'excès de base (Schlichtig, Grogono et Severinghaus) : SBE attendu en aigu 0 mEq/L ; en chronique 0,4 × "
     "(PaCO2 − 40) = %1 = %2 mEq/L."},
    {SbeMetabolicRange, "Allowing %2 mmHg either way (a tolerance of our own, not the paper's): %1 ± %2 = %3.",
     "Avec %2 mmHg de part et d'autre (une tolérance choisie par nous, non par l'article) : %1 ± %2 = %3."},
    {SbeRespiratoryRange,
     "Allowing %3 mEq/L either way (a tolerance of our own, not the paper's): from %1 − %3 to %2 + %3 = %4 mEq/L.",
     "Avec %3 mEq/L de part et d'autre (une tolérance choisie par nous, non par l'article) : de %1 − %3 à %2 + %3 = %4 "
     "mEq/L."},
    {SbeLimitChronicRespiratoryAcidosis,
     "Even over days the kidneys cannot raise the HCO3 much above %1 mEq/L, an SBE of about %2 mEq/L at a pH of 7.40: "
     "%2 is taken for the chronic value instead of %3.",
     "Même après plusieurs jours, les reins ne peuvent guère élever les HCO3 au-delà de %1 mEq/L, soit un SBE "
     "d'environ %2 mEq/L à un pH de 7,40 : on retient %2 pour la valeur chronique au lieu de %3."},
    {SbeLimitChronicRespiratoryAlkalosis,
     "Even over days the HCO3 seldom falls much below %1 mEq/L, an SBE of about %2 mEq/L at a pH of 7.40: %2 is taken "
     "for the chronic value instead of %3.",
     "Même après plusieurs jours, les HCO3 descendent rarement sous %1 mEq/L, soit un SBE d'environ %2 mEq/L à un pH "
     "de 7,40 : on retient %2 pour la valeur chronique au lieu de %3."},
    {SbePaco2Within, "The measured PaCO2, %1, lies within this range too.",
     "La PaCO2 mesurée, %1, est elle aussi dans cette fourchette."},
    {SbePaco2Above, "The measured PaCO2, %1, is above this range: by the base excess, a respiratory acidosis as well.",
     "La PaCO2 mesurée, %1, est au-dessus de cette fourchette : selon l'excès de base, une acidose respiratoire "
     "associée."},
    {SbePaco2Below, "The measured PaCO2, %1, is below this range: by the base excess, a respiratory alkalosis as well.",
     "La PaCO2 mesurée, %1, est en dessous de cette fourchette : selon l'excès de base, une alcalose respiratoire "
     "associée."},
    {SbeWithin, "The measured SBE, %1 mEq/L, lies within this range, %2.",
     "Le SBE mesuré, %1 mEq/L, est dans cette fourchette ; %2."},
    {SbeAbove, "The measured SBE, %1 mEq/L, is above this range: by the base excess, a metabolic alkalosis as well.",
     "Le SBE mesuré, %1 mEq/L, est au-dessus de cette fourchette : selon l'excès de base, une alcalose métabolique "
     "associée."},
    {SbeBelow, "The measured SBE, %1 mEq/L, is below this range: by the base excess, a metabolic acidosis as well.",
     "Le SBE mesuré, %1 mEq/L, est en dessous de cette fourchette : selon l'excès de base, une acidose métabolique "
     "associée."},
    {SchoolsDifferOnLevel,
     "The two readings differ here: the HCO3 is %1 but the SBE is %2. The base excess takes out the part of the "
     "HCO3 that follows the PaCO2 (1 to 2 mEq/L for each 10 mmHg of an acute change) and counts from 24.4, not 24, "
     "so it reads the metabolic part alone; near the limits the two may part.",
     "Les deux lectures divergent ici : les HCO3 sont %1, mais le SBE est %2. L'excès de base retire la part des "
     "HCO3 qui suit la PaCO2 (de 1 à 2 mEq/L par 10 mmHg lors d'un changement aigu) et compte à partir de 24,4, non "
     "de 24 : il ne lit que la part métabolique, et près des limites les deux lectures peuvent diverger."},
    {Hco3WordLow, "low", "bas"},
    {Hco3WordNormal, "normal", "normaux"},
    {Hco3WordHigh, "high", "élevés"},
    {SbeWordLow, "low", "bas"},
    {SbeWordNormal, "normal", "normal"},
    {SbeWordHigh, "high", "élevé"},
    {SchoolsDifferOnResponse,
     "The two readings of the response differ: by %1 it is %2, by the base excess %3. Each rule has its own slope and "
     "tolerance, and near the edges of their ranges they part: a second disorder that only one of them suggests is "
     "possible, not proven.",
     "Les deux lectures de la réponse divergent : selon %1, elle est %2 ; selon l'excès de base, %3. Chaque règle a sa "
     "pente et sa tolérance, et au bord de leurs fourchettes elles se séparent : un second trouble qu'une seule "
     "d'entre elles évoque est possible, non prouvé."},
    {ResponseAsExpected, "as expected", "conforme à l'attendu"},
    {ResponseLarger, "larger than expected", "plus forte qu'attendu"},
    {ResponseSmaller, "smaller than expected", "plus faible qu'attendu"},
    {RuleWinter, "Winter's formula", "la formule de Winter"},
    {RuleMetabolicAlkalosis, "the formula 0.7 × HCO3 + 20", "la formule 0,7 × HCO3 + 20"},
    {RuleRespiratory, "the HCO3 rules", "les règles des HCO3"},
    {SchoolsDifferOnAcuity,
     "The two readings place the response differently: by the HCO3 rules it is %1, by the base excess %2. Their slopes "
     "differ, so take the timing from the patient's history rather than from either alone.",
     "Les deux lectures situent la réponse différemment : selon les règles des HCO3, elle est %1 ; selon l'excès de "
     "base, %2. Leurs pentes diffèrent : c'est l'histoire du patient, plutôt que l'une ou l'autre, qui dira depuis "
     "quand dure le trouble."},
    {AcuityWordAcute, "acute", "aiguë"},
    {AcuityWordChronic, "chronic", "chronique"},
    {AcuityWordBetween, "between acute and chronic", "entre aiguë et chronique"},
    {RespiratoryFailureType1,
     "A PaO2 below %1 is respiratory failure at any age, whatever the grade given: type 1 (hypoxemic), the PaCO2 being "
     "%2 or less.",
     "Une PaO2 inférieure à %1 signe une insuffisance respiratoire à tout âge, quel que soit le degré attribué : de "
     "type 1 (hypoxémique), la PaCO2 étant de %2 ou moins."},
    {RespiratoryFailureType2,
     "A PaO2 below %1 is respiratory failure at any age, whatever the grade given: type 2 (hypercapnic), the PaCO2 "
     "being above %2 as well.",
     "Une PaO2 inférieure à %1 signe une insuffisance respiratoire à tout âge, quel que soit le degré attribué : de "
     "type 2 (hypercapnique), la PaCO2 dépassant aussi %2."},
    {MildOnlyByAge,
     "The grade says mild only because the grading lowers its limits with age; the threshold of respiratory failure "
     "does not move.",
     "Le degré n'est « léger » que parce que la gradation abaisse ses limites avec l'âge ; le seuil de l'insuffisance "
     "respiratoire, lui, ne bouge pas."},
    {ExpectedPaO2, "PaO2 expected on room air at age %1 (Sorbini et al., Respiration 1968): 109 − 0.43 × %1 = %2.",
     "PaO2 attendue à l'air ambiant à %1 ans (Sorbini et al., Respiration 1968) : 109 − 0,43 × %1 = %2."},
    {GradesChangeAt81,
     "The grades lower their limits by one mmHg a year from 61 to 80 years, then use fixed limits above 80, so the "
     "same PaO2 may change grade between 80 and 81.",
     "Les degrés abaissent leurs limites d'un mmHg par année de 61 à 80 ans, puis appliquent des limites fixes au-delà "
     "de 80 ans : une même PaO2 peut donc changer de degré entre 80 et 81 ans."},
    {AlveolarGas, "Alveolar gas: PAO2 = FiO2 × (760 − 47) − PaCO2 / 0.8 = %1 = %2.",
     "Gaz alvéolaire : PAO2 = FiO2 × (760 − 47) − PaCO2 / 0,8 = %1 = %2."},
    {AaImpossible,
     "A–a gradient = PAO2 − PaO2 = %1 = %2: below 0, which no true gradient can be, since the PaO2 is above the "
     "alveolar PAO2 (%3). Either the O2 % or a value is wrong, or, close to 0, the PaO2 lies within the error of the "
     "estimate (a respiratory quotient taken as 0.8, a pressure at sea level); check the O2 % and the values.",
     "Gradient A–a = PAO2 − PaO2 = %1 = %2 : sous 0, ce qu'aucun vrai gradient ne peut être, puisque la PaO2 dépasse "
     "la PAO2 alvéolaire (%3). Soit le % d'O2 ou une valeur est faux, soit, près de 0, la PaO2 reste dans l'erreur de "
     "l'estimation (quotient respiratoire pris à 0,8, pression au niveau de la mer) ; vérifiez le % d'O2 et les "
     "valeurs."},
    {AaOnRoomAir,
     "A–a gradient = PAO2 − PaO2 = %1 = %2; on room air the usual upper value at age %3 is %3 / 4 + 4 = %4: %5.",
     "Gradient A–a = PAO2 − PaO2 = %1 = %2 ; à l'air ambiant, la valeur haute habituelle à %3 ans est %3 / 4 + 4 = "
     "%4 : %5."},
    {AaWithin, "within it", "dans la norme"},
    {AaRaised, "raised", "élevé"},
    {AaWithoutAge, "A–a gradient = PAO2 − PaO2 = %1 = %2; no age given, so no age-expected value to compare it with.",
     "Gradient A–a = PAO2 − PaO2 = %1 = %2 ; âge non renseigné, donc pas de valeur attendue pour l'âge."},
    {AaOnOxygen,
     "A–a gradient = PAO2 − PaO2 = %1 = %2; the age rule (age / 4 + 4) holds on room air only: on oxygen the gradient "
     "widens with the FiO2, so the PaO2/FiO2 ratio below is the better guide.",
     "Gradient A–a = PAO2 − PaO2 = %1 = %2 ; la règle de l'âge (âge / 4 + 4) ne vaut qu'à l'air ambiant : sous "
     "oxygène, le gradient augmente avec la FiO2 ; le rapport PaO2/FiO2 ci-dessous est alors un meilleur repère."},
    {PfRatio, "PaO2/FiO2 = %1 = %2: %3 (the bands of the Berlin definition; a grade of oxygenation, not a diagnosis).",
     "PaO2/FiO2 = %1 = %2 : %3 (seuils de la définition de Berlin ; un degré d'oxygénation, non un diagnostic)."},
    {PfNotImpaired, "300 or more, oxygenation not impaired", "300 ou plus, oxygénation non altérée"},
    {PfMild, "from 200 to below 300, oxygenation mildly impaired",
     "de 200 à moins de 300, oxygénation légèrement altérée"},
    {PfModerate, "from 100 to below 200, oxygenation moderately impaired",
     "de 100 à moins de 200, oxygénation modérément altérée"},
    {PfSevere, "below 100, oxygenation severely impaired", "moins de 100, oxygénation sévèrement altérée"},
    {PfBesideRaisedGradient,
     "On room air the A–a gradient above is the better guide: here it is raised, so gas exchange is impaired although "
     "the ratio is 300 or more.",
     "À l'air ambiant, le gradient A–a ci-dessus est le meilleur repère : il est ici élevé, l'échange gazeux est donc "
     "altéré malgré un rapport de 300 ou plus."},
    {PfBesideNormalGradient,
     "On room air the A–a gradient above is the better guide: here it is within its limit, so the low PaO2 comes from "
     "a low alveolar PAO2, the high PaCO2 of hypoventilation, not from the lung.",
     "À l'air ambiant, le gradient A–a ci-dessus est le meilleur repère : il est ici dans la norme, la PaO2 basse "
     "vient donc d'une PAO2 alvéolaire basse, par la PaCO2 élevée de l'hypoventilation, et non du poumon."},
    {PfBesideImpossibleGradient,
     "Read it only once the O2 % and the values are checked: the PaO2 is above the alveolar PAO2 (see the A–a "
     "gradient).",
     "À ne lire qu'une fois le % d'O2 et les valeurs vérifiés : la PaO2 dépasse la PAO2 alvéolaire (voir le gradient "
     "A–a)."},
    {GapStep, "Anion gap = Na − (Cl + HCO3) = %1 − (%2 + %3) = %4 mEq/L.",
     "Trou anionique = Na − (Cl + HCO3) = %1 − (%2 + %3) = %4 mEq/L."},
    {GapNoAlbumin, "No albumin given: the gap is read uncorrected (a low albumin would hide part of a raised gap).",
     "Albumine non renseignée : le trou anionique est lu sans correction (une albumine basse masquerait une partie "
     "d'un trou élevé)."},
    {GapCorrected, "Corrected for the albumin (%1): %2 + 2.5 × (4.0 − %3) = %4 mEq/L.",
     "Corrigé selon l'albuminémie (%1) : %2 + 2,5 × (4,0 − %3) = %4 mEq/L."},
    {GapCorrectedAbove,
     "Corrected for the albumin (%1): %2 + 2.5 × (4.0 − %3) = %4 mEq/L; an albumin above 4.0 g/dL raises the normal "
     "gap, so the correction lowers the gap read.",
     "Corrigé selon l'albuminémie (%1) : %2 + 2,5 × (4,0 − %3) = %4 mEq/L ; une albuminémie supérieure à 4,0 g/dL "
     "élève le trou normal, et la correction abaisse donc le trou retenu."},
    {GapNormal, "The gap read, %1 mEq/L, is within 8 to 16: normal, no unmeasured acid is added.",
     "Le trou anionique retenu, %1 mEq/L, est entre 8 et 16 : normal, aucun acide non mesuré ne s'ajoute."},
    {GapHigh, "The gap read, %1 mEq/L, is above 16: raised, an unmeasured acid is added.",
     "Le trou anionique retenu, %1 mEq/L, dépasse 16 : élevé, un acide non mesuré s'ajoute."},
    {GapLow,
     "The gap read, %1 mEq/L, is below 8: low, no unmeasured acid is added (a low gap most often comes from a low "
     "albumin or an error of measurement).",
     "Le trou anionique retenu, %1 mEq/L, est sous 8 : bas, aucun acide non mesuré ne s'ajoute (un trou bas vient le "
     "plus souvent d'une albumine basse ou d'une erreur de mesure)."},
    {GapLowCorrected,
     "The gap read, %1 mEq/L, is below 8: low even after the correction for the albumin, so the albumin does not "
     "explain it; most often an error of measurement, more rarely unmeasured cations (a paraprotein, as in myeloma; "
     "lithium) or bromide read as chloride.",
     "Le trou anionique retenu, %1 mEq/L, est sous 8 : bas même après la correction selon l'albuminémie, qui ne "
     "l'explique donc pas ; le plus souvent une erreur de mesure, plus rarement des cations non mesurés (une "
     "paraprotéine, comme dans le myélome ; le lithium) ou du bromure dosé comme du chlorure."},
    {DeltaRatio, "Delta ratio = (gap − 12) / (24 − HCO3) = (%1 − 12) / (24 − %2) = %3: %4.",
     "Rapport delta = (trou − 12) / (24 − HCO3) = (%1 − 12) / (24 − %2) = %3 : %4."},
    {DeltaNormalGap,
     "below 0.4, the gap's rise explains little of the fall in HCO3: mostly a normal-gap (hyperchloremic) acidosis",
     "moins de 0,4, la hausse du trou explique peu la baisse des HCO3 : surtout une acidose à trou anionique normal "
     "(hyperchlorémique)"},
    {DeltaMixed, "from 0.4 to below 0.8, a high-gap and a normal-gap acidosis together",
     "de 0,4 à moins de 0,8, une acidose à trou anionique élevé et une acidose à trou normal associées"},
    {DeltaHighGap,
     "from 0.8 to 2, the rise in the gap accounts for the fall in HCO3 (a ratio above 1 is usual, part of the acid "
     "being buffered outside the HCO3, so a corrected HCO3 a little above 26 is expected): a high-gap acidosis with no "
     "other metabolic disorder",
     "de 0,8 à 2, la hausse du trou rend compte de la baisse des HCO3 (un rapport supérieur à 1 est habituel, une "
     "partie de l'acide étant tamponnée hors des HCO3, d'où des HCO3 corrigés un peu au-dessus de 26) : une acidose à "
     "trou anionique élevé sans autre trouble métabolique"},
    {DeltaAlkalosis,
     "above 2, the HCO3 has fallen less than the gap has risen: a high-gap acidosis with a metabolic alkalosis, or "
     "with an HCO3 that was high before (as in a chronic respiratory acidosis)",
     "plus de 2, les HCO3 ont moins baissé que le trou n'a augmenté : une acidose à trou anionique élevé avec une "
     "alcalose métabolique, ou avec des HCO3 déjà élevés auparavant (comme dans une acidose respiratoire chronique)"},
    {DeltaOutsideAcidosis,
     "Delta ratio = (gap − 12) / (24 − HCO3) = (%1 − 12) / (24 − %2) = %3; its bands read a fall in HCO3 caused by a "
     "metabolic acidosis, which the table's verdict does not name here, so it is not read.",
     "Rapport delta = (trou − 12) / (24 − HCO3) = (%1 − 12) / (24 − %2) = %3 ; ses seuils lisent une baisse des HCO3 "
     "due à une acidose métabolique, que le verdict du tableau ne nomme pas ici : il n'est donc pas interprété."},
    {CorrectedHco3,
     "Corrected HCO3 = HCO3 + (gap − 12) = %1 + (%2 − 12) = %3 mEq/L: the HCO3 before the added acid, had the acid "
     "used up HCO3 one for one.",
     "HCO3 corrigés = HCO3 + (trou − 12) = %1 + (%2 − 12) = %3 mEq/L : les HCO3 d'avant l'acide ajouté, si l'acide "
     "avait consommé les HCO3 mole pour mole."},
    {GapHidden,
     "The gap is raised although the HCO3 is not low: a high-gap acidosis whose fall in HCO3 is hidden, most often by "
     "a metabolic alkalosis (or by the kidneys' answer to a respiratory acidosis).",
     "Le trou est élevé alors que les HCO3 ne sont pas bas : une acidose à trou anionique élevé dont la baisse des "
     "HCO3 est masquée, le plus souvent par une alcalose métabolique (ou par la réponse rénale à une acidose "
     "respiratoire)."},
    {NormalGapAcidosis, "A low HCO3 without a raised gap: a normal-gap (hyperchloremic) acidosis.",
     "Des HCO3 bas sans trou élevé : une acidose à trou anionique normal (hyperchlorémique)."},
    {HighGapCauses,
     "Usual causes of a high-gap acidosis: ketoacidosis, lactic acidosis, renal failure, toxic alcohols (methanol, "
     "ethylene glycol), salicylates.",
     "Causes habituelles d'une acidose à trou anionique élevé : acidocétose, acidose lactique, insuffisance rénale, "
     "alcools toxiques (méthanol, éthylène glycol), salicylés."},
    {NormalGapCauses,
     "Usual causes of a normal-gap acidosis: diarrhea, renal tubular acidosis, large volumes of saline.",
     "Causes habituelles d'une acidose à trou anionique normal : diarrhée, acidose tubulaire rénale, perfusion "
     "abondante de sérum salé."},
    {GapBeyondVerdict,
     "The table's verdict names no metabolic acidosis, yet the raised gap shows an added acid: a second disorder to "
     "look for.",
     "Le verdict du tableau ne nomme pas d'acidose métabolique, mais le trou élevé montre un acide ajouté : un second "
     "trouble à rechercher."},
    {SummaryGap, "Anion gap %1 mEq/L: %2", "Trou anionique %1 mEq/L : %2"},
    {SummaryCorrectedGap, "Anion gap %1, corrected for albumin %2 mEq/L: %3",
     "Trou anionique %1, corrigé pour l'albumine %2 mEq/L : %3"},
    {SummaryNormal, "normal", "normal"},
    {SummaryRaised, "raised", "élevé"},
    {SummaryLow, "low", "bas"},
    {SummaryDelta, "; delta ratio %1", " ; rapport delta %1"},
}};

static_assert(rowsInEnumOrder(kRows, &ExplanationRow::text), "one row a text, in the order of ExplanationText");

} // namespace

std::string_view explanationText(ExplanationText text, std::string_view language)
{
    const ExplanationRow &row = kRows[static_cast<std::size_t>(text)];
    return toUpperAscii(language) == kLanguageFrench ? row.french : row.english;
}

} // namespace halvex
