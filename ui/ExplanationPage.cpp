#include "ui/ExplanationPage.h"

#include "ui/ExplanationHtml.h"
#include "ui/PageText.h"
#include "ui/WindowSession.h"

#include <QLabel>
#include <QTextEdit>
#include <QVBoxLayout>

ExplanationPage::ExplanationPage(PageContext &context, QWidget *parent)
    : PageWidget(context, parent)
    , m_title(pageTitle(QStringLiteral("lblExplanationTitle"), QStringLiteral("Explanation"), this))
    , m_text(readOnlyDocument(QStringLiteral("txtExplanation"), this))
{
    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(12, 6, 12, 6);
    page->setSpacing(2);
    page->addWidget(m_title);
    page->addWidget(m_text, 1);

    connect(&session(), &WindowSession::assessmentChanged, this, &ExplanationPage::showExplanation);
    connect(&session(), &WindowSession::unitChanged, this, &ExplanationPage::showExplanation);
    showExplanation();
}

void ExplanationPage::showExplanation()
{
    const std::optional<WindowSession::Assessment> &assessment = session().assessment();
    if (!assessment) {
        m_text->setHtml(paragraphHtml(session().text(halvex::OwnText::NothingYet)));
        return;
    }
    m_text->setHtml(explanationHtml(assessment->sample, assessment->verdict, assessment->origin,
                                    session().presentation(), palette(), assessment->electrolytes));
}

void ExplanationPage::retranslate()
{
    m_title->setText(session().text(halvex::OwnText::ExplanationTitle));
    m_text->setAccessibleName(session().text(halvex::OwnText::ExplanationTitle));
    showExplanation();
}
