#include "ui/ExplanationPage.h"

#include "ui/PageText.h"

#include <QLabel>
#include <QTextBrowser>
#include <QVBoxLayout>

ExplanationPage::ExplanationPage(QWidget *parent)
    : QWidget(parent)
    , m_title(pageTitle(QStringLiteral("lblExplanationTitle"), QStringLiteral("Explanation"), this))
    , m_text(new QTextBrowser(this))
{
    m_text->setObjectName(QStringLiteral("txtExplanation"));
    m_text->setFrameShape(QFrame::NoFrame);
    m_text->setOpenLinks(false);
    // Read by Tab and by screen readers like any text field.
    m_text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_text->setFocusPolicy(Qt::StrongFocus);
    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(12, 6, 12, 6);
    page->setSpacing(2);
    page->addWidget(m_title);
    page->addWidget(m_text, 1);
}
