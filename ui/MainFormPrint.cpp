#include "ui/MainForm.h"

#include "resources/artwork/Artwork.h"
#include "report/ExerciseSheet.h"
#include "language/Language.h"
#include "ui/MessageBoxes.h"
#include "widgets/NumericSpinField.h"
#include "ui/PrintPage.h"
#include "product/ProductInfo.h"
#include "report/dialogs/ReportRunner.h"

#include <QCheckBox>

#include <algorithm>

void TfrmMain::btnPrintABGsClick()
{
    const NumericSpinField *count = printPage()->spinABGCount();
    if (count->text().trimmed().isEmpty() || !(count->value() > 0)) {
        const std::string_view language = m_presentation.language;
        m_boxes.error(language == halvex::kLanguageEnglish  ? QStringLiteral("Please enter a valid number")
                      : language == halvex::kLanguageFrench ? QStringLiteral("Le nombre est inadmissible")
                                                            : QString());
        return;
    }
    // Above 1000 only when typed without leaving the field; the field's limit holds all the same.
    const int rows = static_cast<int>(std::min(count->value(), count->maximum()));
    if (!m_sheet) // made at the first print, so that the window opens without decoding the logo
        m_sheet = std::make_unique<ExerciseSheet>(artwork::reportLogo(), QStringLiteral(HALVEX_WEBSITE));
    m_sheet->fill(*m_abg, rows, m_presentation, printPage()->chkExplainAnswers()->isChecked());
    m_reportRunner->run(m_sheet->report());
}
