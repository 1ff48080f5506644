#include "language/OwnTexts.h"

#include "language/AsciiCase.h"
#include "language/Language.h"
#include "language/TableOrder.h"

#include <array>

namespace halvex {
namespace {

struct OwnTextRow {
    OwnText text;
    std::string_view english;
    std::string_view french;
};

// In the order of the enumeration.
constexpr std::array<OwnTextRow, static_cast<std::size_t>(OwnText::PreviewPage) + 1> kOwnTexts{{
    {OwnText::NoPrinter, "No printer is installed. Choose the preview or a PDF file instead.",
     "Aucune imprimante n'est installée. Choisissez plutôt l'aperçu ou un fichier PDF."},
    {OwnText::PrinterFailed, "The printer %1 could not print the sheet.",
     "L'imprimante %1 n'a pas pu imprimer la feuille."},
    {OwnText::PrintingCancelled, "Printing was cancelled: nothing was sent to the printer.",
     "Impression annulée : rien n'a été envoyé à l'imprimante."},
    {OwnText::PrintingStopped, "Printing was stopped; the pages already sent may still be printed.",
     "Impression arrêtée ; les pages déjà envoyées peuvent encore être imprimées."},
    {OwnText::PrintingMissing, "Printing is not available: its module %1 could not be loaded (%2).",
     "L'impression n'est pas disponible : son module %1 n'a pas pu être chargé (%2)."},
    {OwnText::CannotWrite, "Cannot write %1: %2", "Impossible d'écrire %1 : %2"},
    {OwnText::WritingCancelled, "Writing was cancelled: %1 was not written.",
     "Écriture annulée : %1 n'a pas été écrit."},
    {OwnText::NameThePdf, "Please name the PDF file to write.", "Veuillez nommer le fichier PDF à écrire."},
    {OwnText::ReplaceFile, "%1 already exists. Do you want to replace it?",
     "%1 existe déjà. Voulez-vous le remplacer ?"},
    {OwnText::PrintCount, "Number of ABGs to print", "Nombre de gaz du sang à imprimer"},
    {OwnText::PrintButton, "Print", "Imprimer"},
    {OwnText::SuccessGauge, "Success rate", "Taux de succès"},
    {OwnText::PhDecimals, "Decimals of pH", "Décimales du pH"},
    {OwnText::PaCO2Decimals, "Decimals of PaCO2", "Décimales de la PaCO2"},
    {OwnText::PaO2Decimals, "Decimals of PaO2", "Décimales de la PaO2"},
    {OwnText::HCO3Decimals, "Decimals of HCO3", "Décimales des HCO3"},
    {OwnText::TeacherCorrect, "Correct: this is %1.", "Correct : c'est bien « %1 »."},
    {OwnText::TeacherIncorrect, "Incorrect: this is %1; you ticked %2.",
     "Incorrect : c'était « %1 » ; vous avez coché « %2 »."},
    {OwnText::TeacherFailed, "Incorrect: no sample could be made; you ticked %1.",
     "Incorrect : aucun cas n'a pu être produit ; vous avez coché « %1 »."},
    {OwnText::ExplanationTitle, "Explanation", "Explication"},
    {OwnText::StepByStep, "Step by step", "Pas à pas"},
    {OwnText::TeachingNotes, "Teaching notes", "Notes d'enseignement"},
    {OwnText::NothingYet, "Nothing analyzed yet: the explanation of the next Analyze will be shown here.",
     "Rien n'a encore été analysé : l'explication de la prochaine analyse s'affichera ici."},
    {OwnText::Why, "Why?", "Pourquoi ?"},
    {OwnText::WhyHint, "Why this assessment? Opens its explanation",
     "Pourquoi cette évaluation ? Ouvre son explication"},
    {OwnText::ExplainAnswers, "Explain the answers", "Expliquer les réponses"},
    {OwnText::Review, "Review", "Révision"},
    {OwnText::WrongOnly, "Wrong answers only", "Seulement les erreurs"},
    {OwnText::LoadAnswer, "Load into the fields", "Charger dans les champs"},
    {OwnText::SaveReview, "Save as CSV...", "Enregistrer en CSV..."},
    {OwnText::SaveReviewTitle, "Save the session as CSV", "Enregistrer la séance en CSV"},
    {OwnText::CsvFiles, "CSV files (*.csv)", "Fichiers CSV (*.csv)"},
    {OwnText::PracticeWeak, "Practise weak categories", "S'exercer sur les catégories faibles"},
    {OwnText::RealisticCases, "Realistic cases", "Cas réalistes"},
    {OwnText::PracticeFocus, "Practising weak categories: new cases favour %1; the others count once.",
     "Exercice sur les catégories faibles : les nouveaux cas privilégient %1 ; les autres comptent une fois."},
    {OwnText::PracticeWeight, "%1 ×%2", "%1 ×%2"},
    {OwnText::PracticeNotMet, "the %1 categories not met yet ×2", "les %1 catégories pas encore rencontrées ×2"},
    {OwnText::PracticeNothingFavoured, "Practising weak categories: no category is favoured now; each counts once.",
     "Exercice sur les catégories faibles : aucune catégorie n'est privilégiée pour l'instant ; chacune compte une "
     "fois."},
    {OwnText::ListAnd, "%1 and %2", "%1 et %2"},
    {OwnText::WrongOnlyHint, "Lists only the wrong answers; Save as CSV still saves the whole session",
     "N'affiche que les erreurs ; l'enregistrement en CSV garde toujours toute la séance"},
    {OwnText::SaveReviewHint, "Saves every answer of the session as CSV, whatever the list shows",
     "Enregistre en CSV toutes les réponses de la séance, quoi que la liste affiche"},
    {OwnText::ReviewSaved, "The whole session was saved in %1.", "Toute la séance a été enregistrée dans %1."},
    {OwnText::CannotOpenAddress, "No program of this desktop could open %1.",
     "Aucun programme de ce bureau n'a pu ouvrir %1."},
    {OwnText::SettingsNotSaved,
     "Halvex cannot save its settings: %1 cannot be written (its folder may be read-only, or the disk full). The "
     "choices made now will be lost when Halvex closes.",
     "Halvex ne peut pas enregistrer ses réglages : %1 ne peut pas être écrit (son dossier est peut-être en lecture "
     "seule, ou le disque plein). Les choix faits maintenant seront perdus à la fermeture de Halvex."},
    {OwnText::NoAnswerYet, "No answer scored yet: tick a category, then Analyze.",
     "Aucune réponse notée : cochez une catégorie, puis Analysez."},
    {OwnText::AnswerCorrect, "Correct", "Correct"},
    {OwnText::AnswerIncorrect, "Incorrect", "Incorrect"},
    {OwnText::ClearDescription, "Clear the current ABGs", "Efface les gaz du sang en cours"},
    {OwnText::GenerateDescription, "Generate new random ABG", "Génère un nouveau gaz du sang au hasard"},
    {OwnText::AnalyzeDescription, "Analyze current ABG", "Analyse le gaz du sang en cours"},
    {OwnText::PrintDescription, "Prints the selected number of ABGs", "Imprime le nombre choisi de gaz du sang"},
    {OwnText::NormalValuesDescription, "Show normal ABG values", "Affiche les valeurs normales des gaz du sang"},
    {OwnText::ElectrolyteOutOfRange, "%1 is out of range!  Range: %2 to %3 %4",
     "%1 hors des limites ! Valeurs : %2 à %3 %4"},
    {OwnText::Albumin, "Albumin", "Albumine"},
    {OwnText::ElectrolytesTitle, "Electrolytes", "Électrolytes"},
    {OwnText::SodiumCaption, "Na (mEq/L)", "Na (mEq/L)"},
    {OwnText::ChlorideCaption, "Cl (mEq/L)", "Cl (mEq/L)"},
    {OwnText::AlbuminUnitName, "Albumin unit", "Unité de l'albumine"},
    {OwnText::ClearElectrolytes, "Clear e&lectrolytes", "Effacer les é&lectrolytes"},
    {OwnText::AnionGapReading, "Anion gap", "Trou anionique"},
    {OwnText::GapNeedsSodiumAndChloride, "Type Na and Cl (and the albumin), then Analyze, to read the anion gap.",
     "Saisissez Na et Cl (et l'albumine), puis analysez, pour lire le trou anionique."},
    {OwnText::WithElectrolytes, "With electrolytes", "Avec électrolytes"},
    {OwnText::NewCase, "New case: %1", "Nouveau cas : %1"},
    {OwnText::CaseLoaded, "Case loaded into the fields: %1", "Cas chargé dans les champs : %1"},
    {OwnText::PreviewPage, "Page %1 of %2", "Page %1 sur %2"},
}};

static_assert(rowsInEnumOrder(kOwnTexts, &OwnTextRow::text), "one row a text, in the order of OwnText");

} // namespace

std::string_view ownText(OwnText text, std::string_view language)
{
    const OwnTextRow &row = kOwnTexts[static_cast<std::size_t>(text)];
    return toUpperAscii(language) == kLanguageFrench ? row.french : row.english;
}

} // namespace halvex
