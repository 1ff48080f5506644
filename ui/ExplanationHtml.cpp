#include "ui/ExplanationHtml.h"

#include "language/OwnTexts.h"
#include "widgets/Contrast.h"

#include <vector>

namespace {

QString html(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size())).toHtmlEscaped();
}

// Each item with the attributes given, if any.
QString listOf(const std::vector<std::string> &lines, const char *tag, const QString &itemAttributes = {})
{
    QString list = QStringLiteral("<%1>").arg(QLatin1String(tag));
    for (const std::string &line : lines)
        list += QStringLiteral("<li%1>").arg(itemAttributes) + html(line) + QStringLiteral("</li>");
    return list + QStringLiteral("</%1>").arg(QLatin1String(tag));
}

} // namespace

QString paragraphHtml(const QString &text)
{
    return QStringLiteral("<p>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

QString explanationHtml(const halvex::BloodGasSample &sample, const std::optional<halvex::AnswerVerdict> &verdict,
                        halvex::CaseOrigin origin, const halvex::Presentation &presentation, const QPalette &palette,
                        const halvex::Electrolytes &electrolytes)
{
    // In the language of the explanation itself.
    const auto own = [&](halvex::OwnText text) { return html(halvex::ownText(text, presentation.language)); };
    const halvex::Explanation explanation = halvex::explainAssessment(sample, presentation, origin, electrolytes);
    // Colours readable on the text's background, light or dark.
    const QColor base = palette.color(QPalette::Base);
    QString page;
    if (verdict) {
        const QColor colour = readableOn(verdict->correct ? QColor(0, 128, 0) : QColor(255, 0, 0), base);
        page += QStringLiteral("<p style=\"color:%1\"><b>%2</b></p>")
                    .arg(colour.name(), html(halvex::answerVerdictLine(*verdict, presentation.language)));
    }
    page += QStringLiteral("<h4>") + own(halvex::OwnText::StepByStep) + QStringLiteral("</h4>");
    page += listOf(explanation.steps, "ol");
    // The notes apart from the reasoning: they teach, they do not decide. Shaded
    // block by block rather than boxed in a table, whose frame would reach a
    // screen reader as invisible characters.
    const QString shade = QStringLiteral(" style=\"background-color:%1\"")
                              .arg(designBackground(QColor(0xee, 0xf2, 0xfb), palette, QPalette::Base).name());
    page += QStringLiteral("<h4%1>").arg(shade) + own(halvex::OwnText::TeachingNotes) + QStringLiteral("</h4>");
    page += listOf(explanation.notes, "ul", shade);
    return page;
}
