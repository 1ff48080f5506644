#include "Notices.h"

#include "AsciiCase.h"
#include "Language.h"

#include <array>

namespace halvex {
namespace {

struct NoticeTexts {
    Notice notice;
    std::string_view english;
    std::string_view french;
};

constexpr std::array<NoticeTexts, 8> kNotices{{
    {Notice::NoPrinter, "No printer is installed. Choose the preview or a PDF file instead.",
     "Aucune imprimante n'est installée. Choisissez plutôt l'aperçu ou un fichier PDF."},
    {Notice::PrinterFailed, "The printer %1 could not print the sheet.",
     "L'imprimante %1 n'a pas pu imprimer la feuille."},
    {Notice::PrintingCancelled, "Printing was cancelled: nothing was sent to the printer.",
     "Impression annulée : rien n'a été envoyé à l'imprimante."},
    {Notice::PrintingStopped, "Printing was stopped; the pages already sent may still be printed.",
     "Impression arrêtée ; les pages déjà envoyées peuvent encore être imprimées."},
    {Notice::CannotWrite, "Cannot write %1: %2", "Impossible d'écrire %1 : %2"},
    {Notice::WritingCancelled, "Writing was cancelled: %1 was not written.",
     "Écriture annulée : %1 n'a pas été écrit."},
    {Notice::NameThePdf, "Please name the PDF file to write.", "Veuillez nommer le fichier PDF à écrire."},
    {Notice::ReplaceFile, "%1 already exists. Do you want to replace it?",
     "%1 existe déjà. Voulez-vous le remplacer ?"},
}};

} // namespace

std::string_view noticeText(Notice notice, std::string_view language)
{
    const bool french = toUpperAscii(language) == kLanguageFrench;
    for (const NoticeTexts &texts : kNotices) {
        if (texts.notice == notice)
            return french ? texts.french : texts.english;
    }
    return {};
}

} // namespace halvex
