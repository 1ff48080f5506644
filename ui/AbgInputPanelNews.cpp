// What the input panel tells a screen reader once its buttons have done their
// work: the outcome of Analyze, and the case that Generate or a page put into
// the fields. The words are those the window shows, in the language in force.

#include "ui/AbgInputPanel.h"

#include "engine/GapExplanation.h"
#include "teaching/Practice.h"
#include "ui/WindowSession.h"
#include "widgets/NumericSpinField.h"

#include <QLabel>
#include <QStringList>

namespace {

// Parts read one after the other, each but the last ending as a sentence
// ends: "Correct ! Normal Acid/Base balance, without Hypoxemia", "Incorrect.
// A normal PaCO2 and HCO3, the pH is acidic?".
QString readInTurn(const QStringList &parts)
{
    QString news;
    for (const QString &part : parts) {
        if (part.isEmpty())
            continue;
        if (!news.isEmpty())
            news += QString::fromLatin1(QStringView(u".!?").contains(news.back()) ? " " : ". ");
        news += part;
    }
    return news;
}

} // namespace

QString AbgInputPanel::analysisNews(const QStringList &shown) const
{
    const WindowSession &session = m_context.session;
    const std::optional<WindowSession::Assessment> &assessment = session.assessment();
    if (!assessment)
        return {};
    QString verdict;
    if (assessment->verdict)
        verdict = QString::fromUtf8(
            halvex::verdictText(assessment->verdict->correct ? halvex::Verdict::Correct : halvex::Verdict::Incorrect));
    // The electrolytes page's reading in one line, or why it reads nothing.
    const std::string electrolytes =
        !assessment->electrolytesRefused.empty()
            ? assessment->electrolytesRefused
            : halvex::gapSummary(assessment->sample.HCO3, assessment->electrolytes, session.presentation().language);
    QStringList results;
    for (const QString &text : shown) {
        if (!text.isEmpty())
            results << text;
    }
    return readInTurn({verdict, results.join(QStringLiteral(", ")), QString::fromStdString(electrolytes)});
}

QString AbgInputPanel::caseNews() const
{
    // "pH 7.31, PaCO2 45 mmHg, …, O2 21 %, Age 40 Years": each value between its
    // label and its unit, as the panel shows them; the pH's "-log[H]" defines it
    // rather than measures it, and is not said.
    QStringList values;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        QString label = m_rowLabels[i]->text();
        const QString unit = m_unitLabels[i]->text();
        if (label.endsWith(unit))
            label = label.chopped(unit.size()).trimmed();
        QString value = label + u' ' + m_fields[i]->text();
        if (m_fields[i] != edtPh())
            value += u' ' + unit;
        values << value;
    }
    const WindowSession &session = m_context.session;
    const bool generated = session.practice().teacher().caseInFields();
    return session.text(generated ? halvex::OwnText::NewCase : halvex::OwnText::CaseLoaded)
        .arg(values.join(QStringLiteral(", ")));
}
