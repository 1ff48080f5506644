// The explanation page: why the last Analyze said what it said.

#include "MainForm.h"

#include "Explanation.h"
#include "ExplanationPage.h"
#include "Language.h"

#include <QTextBrowser>

namespace {

QString html(const std::string &text)
{
    return QString::fromStdString(text).toHtmlEscaped();
}

QString listOf(const std::vector<std::string> &lines, const char *tag)
{
    QString list = QStringLiteral("<%1>").arg(QLatin1String(tag));
    for (const std::string &line : lines)
        list += QStringLiteral("<li>") + html(line) + QStringLiteral("</li>");
    return list + QStringLiteral("</%1>").arg(QLatin1String(tag));
}

} // namespace

void TfrmMain::showExplanation()
{
    if (!m_explanationPage)
        return;
    if (!m_explained) {
        m_explanationPage->text()->setHtml(QStringLiteral("<p>") + ownText(halvex::OwnText::NothingYet).toHtmlEscaped()
                                           + QStringLiteral("</p>"));
        return;
    }
    // In the language of the catalogue, as the result fields.
    const auto own = [this](halvex::OwnText text, std::initializer_list<std::string_view> arguments) {
        return halvex::filledIn(halvex::ownText(text, m_presentation.language), arguments);
    };
    const auto name = [this](halvex::AbgCategory category) {
        return halvex::Translate(halvex::categoryInfo(category).englishName, m_presentation.language);
    };
    const halvex::Explanation explanation = halvex::explainAssessment(*m_explained, m_presentation);

    QString page;
    if (m_answerVerdict) {
        const std::string chosen = name(m_answerVerdict->chosen);
        std::string verdict;
        if (!m_answerVerdict->generated)
            verdict = own(halvex::OwnText::TeacherFailed, {chosen});
        else if (m_answerVerdict->correct)
            verdict = own(halvex::OwnText::TeacherCorrect, {name(*m_answerVerdict->generated)});
        else
            verdict = own(halvex::OwnText::TeacherIncorrect, {name(*m_answerVerdict->generated), chosen});
        const QString colour = m_answerVerdict->correct ? QStringLiteral("#008000") : QStringLiteral("#ff0000");
        page += QStringLiteral("<p style=\"color:%1\"><b>%2</b></p>").arg(colour, html(verdict));
    }
    page += QStringLiteral("<h4>") + html(own(halvex::OwnText::StepByStep, {})) + QStringLiteral("</h4>");
    page += listOf(explanation.steps, "ol");
    // The notes apart from the reasoning: they teach, they do not decide.
    page += QStringLiteral("<table width=\"100%\" cellpadding=\"4\" style=\"background-color:#eef2fb\"><tr><td>");
    page += QStringLiteral("<h4>") + html(own(halvex::OwnText::TeachingNotes, {})) + QStringLiteral("</h4>");
    page += listOf(explanation.notes, "ul");
    page += QStringLiteral("</td></tr></table>");
    m_explanationPage->text()->setHtml(page);
}
