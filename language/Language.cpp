#include "language/Language.h"

#include "language/AsciiCase.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <unordered_map>

namespace halvex {
namespace {

struct CatalogueEntry {
    std::string_view english;
    std::string_view french;
};

constexpr std::string_view kReferFrench =
    "Référez au gaz artériel précédent pour aider a determiner ce qui affect le pH";

constexpr std::array<CatalogueEntry, 51> kCatalogue{{
    // Acid/base categories
    {"Normal Acid/Base balance", "Base/Acide normal"},
    {"Uncompensated Respiratory Acidosis", "Acidose Respiratoire Non Compensée"},
    {"Partly Compensated Respiratory Acidosis", "Acidose Respiratoire En partie Compensée"},
    {"Compensated Respiratory Acidosis", "Acidose Respiratoire Compensée"},
    {"Uncompensated Metabolic Acidosis", "Acidose Métabolique Non Compensée"},
    {"Partly Compensated Metabolic Acidosis", "Acidose Métabolique En Partie Compensée"},
    {"Compensated Metabolic Acidosis", "Acidose Métabolique Compensée"},
    {"Combined Respiratory and Metabolic Acidosis", "Acidose respiratoire et métabolique combinée"},
    {"Uncompensated Respiratory Alkalosis", "Alcalose Respiratoire Non Compensée"},
    {"Partly Compensated Respiratory Alkalosis", "Alcalose Respiratoire En partie Compensée"},
    {"Compensated Respiratory Alkalosis", "Alcalose Respiratoire Compensée"},
    {"Uncompensated Metabolic Alkalosis", "Alcalose Métabolique Non Compensée"},
    {"Partly Compensated Metabolic Alkalosis", "Alcalose Métabolique En Partie Compensée"},
    {"Compensated Metabolic Alkalosis", "Alcalose Métabolique Compensée"},
    {"Combined Respiratory and Metabolic Alkalosis", "Alcalose respiratoire et métabolique combinée"},
    // Full compensation; both forms of the second text are shown, so both are keys
    {"Fully Compensated Acid/Base, unknown compensation component",
     "Base/Acid Entièrement Compensé, composant inconnu de compensation"},
    {"Refer to previous ABG to help determine what is effecting the pH", kReferFrench},
    {"Refer to previous ABG to help determine, what is effecting the pH", kReferFrench},
    // Inconsistent blood gases
    {"The pH is normal, the PaCO2 and HCO3 are both acidic?", "Le pH est normal, le PaCO2 et le HCO3 sont acidic?"},
    {"The pH is normal, the PaCO2 and HCO3 are both alkalotic?",
     "Le pH est normal, le PaCO2 et le HCO3 sont alkalotic?"},
    {"The pH and PaCO2 are normal, the HCO3 is out of range (alkalotic for this pH)?",
     "Le pH et le PaCO2 sont normal, le HCO3 est invalid (alcalose pour ce pH)?"},
    {"The pH and PaCO2 are normal, the HCO3 is out of range (acidic for this pH)?",
     "Le pH et le PaCO2 sont normal, le HCO3 est est invalid (acidic pour ce pH)?"},
    {"The pH and HCO3 are normal, the PaCO2 is out of range (alkalotic for this pH)?",
     "Le pH et le HCO3 sont normal, le PaCO2 est invalid (alcalose pour ce pH)?"},
    {"The pH and HCO3 are normal, the PaCO2 is out of range (acidic for this pH)?",
     "Le pH et le HCO3 sont normal, le PaCO2 est invalid (acidic pour ce pH)?"},
    {"A normal PaCO2 and HCO3, the pH is acidic?", "Le PaCO2 et HCO3 sont normal, le pH est acidic?"},
    {"The pH is acidic, the PaCO2 and HCO3 are alkalotic?", "Le pH est acidic, le PaCO2 et le HCO3 sont alkalotic?"},
    {"The pH is acidic, the HCO3 is alkalotic and PaCO2 is in normal range?",
     "Le pH est acidic, le HCO3 est alkalotic et le PaCO2 est normal?"},
    {"The pH is acidic, the PaCO2 is alkalotic and HCO3 is in normal range?",
     "Le pH est acidic, le PaCO2 est alkalotic et le HCO3 est normal?"},
    {"A normal PaCO2 and HCO3 and the ph is alkalotic?", "Le PaCO2 et HCO3 sont normal et le pH est alkalotic?"},
    {"The pH is alkalotic, the PaCO2 and HCO3 are acidic?", "Le pH est alkalotic, le PaCO2 et le HCO3 sont acidic?"},
    {"The pH is alkalotic, the HCO3 is acidic and PaCO2 is in normal range?",
     "Le pH est alkalotic, le HCO3 est acidic et le PaCO2 est normal?"},
    {"The pH is alkalotic, the PaCO2 is acidic and HCO3 is in normal range?",
     "Le pH est alkalotic, le PaCO2 est acidic et le HCO3 est normal?"},
    // Oxygenation
    {"Possible Oxygenation Error (PaO2 is >= 100 mmHg on room air)",
     "Erreur Possible D'Oxygénation, le PaO2 est >= 100 mmHg a 21%"},
    {"Possible Oxygenation Error (PaO2 is >= 13 kpa on room air)",
     "Erreur Possible D'Oxygénation, le PaO2 est >= 13 kpa a 21%"},
    {"Excessively Corrected Hypoxemia", "Hypoxemia Excessivement Corrigé"},
    {"without Hypoxemia", "sans Hypoxemia"},
    {"without Hypoxemia (corrected)", "sans Hypoxemia (Corrigé)"},
    {"Mild Hypoxemia", "Hypoxemia légère"},
    {"Mild Hypoxemia (uncorrected)", "Hypoxemia légère (Non Corrigé)"},
    {"Moderate Hypoxemia", "Hypoxemia Modéré"},
    {"Moderate Hypoxemia (uncorrected)", "Hypoxemia Modéré (Non Corrigé)"},
    {"Severe Hypoxemia", "Hypoxemia Sévère"},
    {"Severe Hypoxemia (uncorrected)", "Hypoxemia Sévère (Non Corrigé)"},
    // Input validation
    {"One or more fields are Empty!", "Un ou plusieurs champs sont vides!"},
    {"pH is out of range!  Range : 1 to 14 -log[H]", "Le PH est invalid! Valeur: 1 - 14 -log[H]"},
    {"PaCO2 is out of range!  Range: 0 to 400 mmHg", "Le PaCO2 est invalid! Valeur: 0 to 400 mmHg"},
    {"PaCO2 is out of range!  Range: 0 to 53 kpa", "Le PaCO2 est invalid! Valeur: 0 to 53 kpa"},
    {"PaO2 is out range!  Range: 0 to 700 mmHg", "Le PaO2 est invalid! Valeur: 0 to 700 mmHg"},
    {"PaO2 is out range!  Range: 0 to 93 kpa", "Le PaO2 est invalid! Valeur: 0 to 93 kpa"},
    {"HCO3 is out of range!  Range: 0 to 200 mEq/L", "Le HCO3 est invalid! Valeur: 0 - 200 mEq/L"},
    {"AGE is out of range!  Range 0 to 135 Years", "L'Age est invalid! Valeur: 0 - 135 ans"},
}};

// A key's length and the eight bytes at each of its ends tell the catalogue's
// keys apart well enough, and cost far less than hashing every byte.
struct KeyHash {
    std::size_t operator()(std::string_view key) const
    {
        std::uint64_t first = 0;
        std::uint64_t last = 0;
        if (key.size() >= sizeof first) {
            std::memcpy(&first, key.data(), sizeof first);
            std::memcpy(&last, key.data() + key.size() - sizeof last, sizeof last);
        } else if (!key.empty()) {
            std::memcpy(&first, key.data(), key.size());
        }
        const std::uint64_t mixed = (first * 0x9E3779B97F4A7C15ULL) ^ (last + key.size());
        return static_cast<std::size_t>(mixed ^ (mixed >> 29));
    }
};

const std::unordered_map<std::string_view, std::string_view, KeyHash> &frenchByKey()
{
    static const auto index = [] {
        std::unordered_map<std::string_view, std::string_view, KeyHash> map;
        map.reserve(kCatalogue.size());
        for (const CatalogueEntry &entry : kCatalogue)
            map.emplace(entry.english, entry.french);
        return map;
    }();
    return index;
}

} // namespace

std::string Translate(std::string_view message, std::string_view language)
{
    return std::string(translatedText(message, language));
}

std::string_view translatedText(std::string_view message, std::string_view language)
{
    if (equalsUpperAscii(language, kLanguageEnglish))
        return message;

    const auto &index = frenchByKey();
    const auto found = index.find(message);
    if (found == index.end())
        return {};
    if (equalsUpperAscii(language, kLanguageFrench))
        return found->second;
    if (equalsUpperAscii(language, kLanguageGerman))
        return "Guten Tag!";
    if (equalsUpperAscii(language, kLanguageSpanish))
        return "Zoro!";
    return {};
}

} // namespace halvex
