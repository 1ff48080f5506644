#include "language/CaptionSets.h"

namespace halvex {
namespace {

// The texts are written exactly as the window shows them, trailing blanks included.
constexpr std::array<Caption, 35> kCaptions{{
    {"lblAcidBase", "Assessment of Acid/Base status :", "Évaluation Base/Acid :"},
    {"lblHypoxemia", "Assessment of Hypoxemic state :", "Évaluation d'état de Hypoxemic :"},
    {"lblYears", "Years", "Ans"},
    {"lblStatsTitle", "Detailed Statistics of success rate per ABG type :",
     "Statistiques détaillées du succès évaluent par type de gaz arteriel :"},
    {"lblValues", "Values", "Valeurs"},
    {"lblUnitsOfMesure", "Units of measure", "Unités de mesure"},
    {"lblNormalVal", "Normal", "Normal"},
    {"lblExpectedRange", "Excepted range", "Valeurs entre"},
    {"lblHelpGeneral", "General:", "General:"},
    {"lblABGTeacher", "ABG Teacher:", "Professeur Arteriel:"},
    {"lblHelpHeader", "Designed for teaching purposes only", "Conçu pour l'enseignement seulement"},
    {"lblHelp1",
     "Type in your value into the textfield or use the up/down arrows, then repeat this in the next text field.",
     "Saisissez votre valeur dans le champ ou employez les flèches haut/bas, puis répétez ceci"},
    {"lblHelp2", "Click the Analyze button", " dans le prochain domaine. Appuyez sure le bouton analyse"},
    {"lblHelp3", "All fields are required except age. If age is entered, hypoxemia will be age corrected",
     "Tous les champs sont exigés excepté l'âge.  Si l'âge est écrit, l'hypoxemia sera âge corrigé"},
    {"lblSuccessRate2", "Success Rate :  ", "Taux de succès :  "},
    {"lblGenerate", "1. Generate an ABG", "1. Produisez un nouveau gaz artériel"},
    {"lblChose", "2. Choose your assessment from the given choices", "2. Choisissez votre évaluation des choix donnés"},
    {"lblAnalyze", "3. Click the Analyze button", "3. Appuyez sure le bouton analyse"},
    {"lblSuccessRate", "4. Succes rate is kept with each generated ABG",
     "4. Le taux de Succes est gardé avec chaque gaz artériel produit"},
    {"lblStats", "5. Detailed statistics are kept on each ABG, Click Statistics to view",
     "5. Des statistiques détaillées sont gardées sur chaque gaz artériel, Cliquetez dessus les statistiques pour "
     "regarder"},
    {"lblSampleABG", "Sample ABGs", "Examples"},
    {"lblClickABG", "Click on an ABG type to insert into analyzer",
     "Cliquetez sur un type de gaz artériel pour l'insérer dans l'analyseur"},
    {"btnClear", "Clear", "Effacer"},
    {"btnAnalyze", "Analyze", "Analyzation"},
    {"btnGenerate", "Generate", "Nouveau"},
    {"alBarABGTeacher", "ABG Teacher", "Professeur Arterial"},
    {"alBarABGShowNormalVals", "Normal Values", "Valeurs Normales"},
    {"alBarABGSamples", "Sample ABGs", "Exemples"},
    {"alBarABGPrint", "Print Samples", "Copie"},
    {"alBarABGWebsite", "Halvex Website", "Site web Halvex"},
    {"alBarABGPrefs", "Preferences", "Préférences"},
    {"alBarABGHelp", "ABG Help", "Aide"},
    {"alBarABGHelpAbout", "About Halvex", "A propos d'Halvex"},
    {"lblPrintABGs", "Print ABGs", "Copie"},
    {"lblPrintSamplesHelp", "Prints sample ABGs with answers", "Échantillon avec les réponses"},
}};

} // namespace

const std::array<Caption, 35> &captionSets()
{
    return kCaptions;
}

} // namespace halvex
