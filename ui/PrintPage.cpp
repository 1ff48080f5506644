#include "ui/PrintPage.h"

#include "language/Language.h"
#include "product/ProductInfo.h"
#include "report/ExerciseSheet.h"
#include "resources/artwork/Artwork.h"
#include "ui/ControlCaptions.h"
#include "ui/PageText.h"
#include "ui/WindowSession.h"
#include "widgets/Hints.h"
#include "widgets/NumericSpinField.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

PrintPage::PrintPage(PageContext &context, QWidget *parent)
    : PageWidget(context, parent)
    , m_count(new NumericSpinField(this))
    , m_print(new QPushButton(this))
    , m_explain(new QCheckBox(QStringLiteral("Explain the answers"), this))
{
    pageTitle(QStringLiteral("lblPrintABGs"), QStringLiteral("Print ABGs"), this)->move(16, 8);
    auto *help = new QLabel(QStringLiteral("Prints sample ABGs with answers"), this);
    help->setObjectName(QStringLiteral("lblPrintSamplesHelp"));
    help->move(16, 32);

    m_count->setObjectName(QStringLiteral("spinABGCount"));
    m_count->setWholeNumbers(true);
    m_count->setRange(1, 1000);
    m_count->setMaxLength(5);
    m_count->setValue(10);
    m_count->setGeometry(16, 92, 57, 23);

    m_print->setObjectName(QStringLiteral("btnPrintABGs"));
    m_print->setIcon(artwork::printerIcon());
    m_print->setIconSize(QSize(16, 16));
    m_print->setGeometry(80, 93, 65, 23);
    m_print->setAutoDefault(false);
    // The count is checked as typed: the button does not take the focus, which
    // would first pull the count into 1 to 1000.
    m_print->setFocusPolicy(Qt::TabFocus);
    setHint(m_print, QStringLiteral("|") + englishText(halvex::OwnText::PrintDescription));

    m_explain->setObjectName(QStringLiteral("chkExplainAnswers"));
    m_explain->move(16, 126);
    connect(m_print, &QPushButton::clicked, this, &PrintPage::btnPrintABGsClick);
}

PrintPage::~PrintPage() = default;

void PrintPage::btnPrintABGsClick()
{
    const halvex::Presentation &presentation = session().presentation();
    if (m_count->text().trimmed().isEmpty() || !(m_count->value() > 0)) {
        const std::string_view language = presentation.language;
        context().seams.boxes.error(language == halvex::kLanguageEnglish ? QStringLiteral("Please enter a valid number")
                                    : language == halvex::kLanguageFrench ? QStringLiteral("Le nombre est inadmissible")
                                                                          : QString());
        return;
    }
    // Above 1000 only when typed without leaving the field; the field's limit holds all the same.
    const int rows = static_cast<int>(std::min(m_count->value(), m_count->maximum()));
    if (!m_sheet) // made at the first print, so that the window opens without decoding the logo
        m_sheet = std::make_unique<ExerciseSheet>(artwork::reportLogo(), QStringLiteral(HALVEX_WEBSITE));
    m_sheet->fill(session().generator(), rows, presentation, m_explain->isChecked());
    context().seams.reportRunner->run(m_sheet->report());
}

void PrintPage::retranslate()
{
    if (const std::optional<bool> french = session().frenchCaptions())
        writeCaptionSet(*this, *french);
    m_explain->setText(session().text(halvex::OwnText::ExplainAnswers));
    m_explain->adjustSize(); // placed by hand: as wide as its caption in each language
    m_count->setAccessibleName(session().text(halvex::OwnText::PrintCount));
    m_print->setAccessibleName(session().text(halvex::OwnText::PrintButton));
    m_print->setAccessibleDescription(session().text(halvex::OwnText::PrintDescription));
}
