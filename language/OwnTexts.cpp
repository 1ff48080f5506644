#include "OwnTexts.h"

#include "AsciiCase.h"
#include "Language.h"

#include <array>

namespace halvex {
namespace {

struct OwnTextRow {
    OwnText text;
    std::string_view english;
    std::string_view french;
};

// In the order of the enumeration.
constexpr std::array<OwnTextRow, 16> kOwnTexts{{
    {OwnText::NoPrinter, "No printer is installed. Choose the preview or a PDF file instead.",
     "Aucune imprimante n'est installée. Choisissez plutôt l'aperçu ou un fichier PDF."},
    {OwnText::PrinterFailed, "The printer %1 could not print the sheet.",
     "L'imprimante %1 n'a pas pu imprimer la feuille."},
    {OwnText::PrintingCancelled, "Printing was cancelled: nothing was sent to the printer.",
     "Impression annulée : rien n'a été envoyé à l'imprimante."},
    {OwnText::PrintingStopped, "Printing was stopped; the pages already sent may still be printed.",
     "Impression arrêtée ; les pages déjà envoyées peuvent encore être imprimées."},
    {OwnText::CannotWrite, "Cannot write %1: %2", "Impossible d'écrire %1 : %2"},
    {OwnText::WritingCancelled, "Writing was cancelled: %1 was not written.",
     "Écriture annulée : %1 n'a pas été écrit."},
    {OwnText::NameThePdf, "Please name the PDF file to write.", "Veuillez nommer le fichier PDF à écrire."},
    {OwnText::ReplaceFile, "%1 already exists. Do you want to replace it?",
     "%1 existe déjà. Voulez-vous le remplacer ?"},
    {OwnText::PrintCount, "Number of ABGs to print", "Nombre de gaz du sang à imprimer"},
    {OwnText::PrintButton, "Print", "Imprimer"},
    {OwnText::SuccessGauge, "Success rate", "Taux de réussite"},
    {OwnText::PhDecimals, "Decimals of pH", "Décimales du pH"},
    {OwnText::PaCO2Decimals, "Decimals of PaCO2", "Décimales de la PaCO2"},
    {OwnText::PaO2Decimals, "Decimals of PaO2", "Décimales de la PaO2"},
    {OwnText::HCO3Decimals, "Decimals of HCO3", "Décimales des HCO3"},
    {OwnText::StatisticsEntry, "%1: %2", "%1 : %2"},
}};

constexpr bool rowsInOrder()
{
    for (std::size_t i = 0; i < kOwnTexts.size(); ++i) {
        if (static_cast<std::size_t>(kOwnTexts[i].text) != i)
            return false;
    }
    return true;
}
static_assert(rowsInOrder() && kOwnTexts.size() == static_cast<std::size_t>(OwnText::StatisticsEntry) + 1);

} // namespace

std::string_view ownText(OwnText text, std::string_view language)
{
    const OwnTextRow &row = kOwnTexts[static_cast<std::size_t>(text)];
    return toUpperAscii(language) == kLanguageFrench ? row.french : row.english;
}

} // namespace halvex
