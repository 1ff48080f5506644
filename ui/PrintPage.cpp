#include "ui/PrintPage.h"

#include "resources/artwork/Artwork.h"
#include "widgets/Hints.h"
#include "widgets/NumericSpinField.h"
#include "ui/PageText.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

PrintPage::PrintPage(QWidget *parent)
    : QWidget(parent)
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
    setHint(m_print, QStringLiteral("|Prints the selected number of ABGs"));

    m_explain->setObjectName(QStringLiteral("chkExplainAnswers"));
    m_explain->move(16, 126);
}
