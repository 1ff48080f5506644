// The explanation page: why the last Analyze said what it said.

#include "ui/MainForm.h"

#include "widgets/Contrast.h"
#include "engine/Explanation.h"
#include "ui/ExplanationPage.h"
#include "language/Language.h"

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

std::string TfrmMain::verdictLine(const AnswerVerdict &verdict) const
{
    // In the language of the catalogue, as the result fields.
    const std::string_view language = m_presentation.language;
    const auto name = [&](halvex::AbgCategory category) {
        return halvex::Translate(halvex::categoryInfo(category).englishName, language);
    };
    const std::string chosen = name(verdict.chosen);
    if (!verdict.generated)
        return halvex::filledIn(halvex::ownText(halvex::OwnText::TeacherFailed, language), {chosen});
    if (verdict.correct)
        return halvex::filledIn(halvex::ownText(halvex::OwnText::TeacherCorrect, language), {name(*verdict.generated)});
    return halvex::filledIn(halvex::ownText(halvex::OwnText::TeacherIncorrect, language),
                            {name(*verdict.generated), chosen});
}

QString TfrmMain::explanationHtml(const halvex::BloodGasSample &sample, const std::optional<AnswerVerdict> &verdict,
                                  halvex::CaseOrigin origin) const
{
    const auto own = [this](halvex::OwnText text) {
        return html(std::string(halvex::ownText(text, m_presentation.language)));
    };
    const halvex::Explanation explanation = halvex::explainAssessment(sample, m_presentation, origin);
    QString page;
    // Colours readable on the text's background, light or dark.
    const QColor base = palette().color(QPalette::Base);
    if (verdict) {
        const QColor colour = readableOn(verdict->correct ? QColor(0, 128, 0) : QColor(255, 0, 0), base);
        page += QStringLiteral("<p style=\"color:%1\"><b>%2</b></p>").arg(colour.name(), html(verdictLine(*verdict)));
    }
    page += QStringLiteral("<h4>") + own(halvex::OwnText::StepByStep) + QStringLiteral("</h4>");
    page += listOf(explanation.steps, "ol");
    // The notes apart from the reasoning: they teach, they do not decide.
    page += QStringLiteral("<table width=\"100%\" cellpadding=\"4\" style=\"background-color:%1\"><tr><td>")
                .arg(designBackground(QColor(0xee, 0xf2, 0xfb), palette(), QPalette::Base).name());
    page += QStringLiteral("<h4>") + own(halvex::OwnText::TeachingNotes) + QStringLiteral("</h4>");
    page += listOf(explanation.notes, "ul");
    page += QStringLiteral("</td></tr></table>");
    return page;
}

void TfrmMain::fieldsWritten(halvex::CaseOrigin origin)
{
    m_fieldsOrigin = origin;
    if (m_teacher.caseInFields()) {
        m_teacher.caseLeft();
        ClearCategoryChecks();
    }
    forgetExplanation();
}

void TfrmMain::forgetExplanation()
{
    if (!m_explained)
        return;
    m_explained.reset();
    m_answerVerdict.reset();
    showExplanation();
}

void TfrmMain::showExplanation()
{
    if (!m_explanationPage)
        return;
    if (!m_explained) {
        m_explanationPage->text()->setHtml(QStringLiteral("<p>") + ownText(halvex::OwnText::NothingYet).toHtmlEscaped()
                                           + QStringLiteral("</p>"));
        return;
    }
    m_explanationPage->text()->setHtml(explanationHtml(*m_explained, m_answerVerdict, m_explainedOrigin));
}
