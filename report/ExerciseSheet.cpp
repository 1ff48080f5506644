#include "report/ExerciseSheet.h"

#include "engine/ElectrolyteDraw.h"
#include "engine/Explanation.h"
#include "engine/GapExplanation.h"
#include "engine/Presentation.h"
#include "engine/SampleGenerator.h"
#include "language/Language.h"

namespace {

constexpr char kSampleView[] = "dscABGList";
constexpr char kAnswerView[] = "dscABGResuults";
constexpr int kAnswerLength = 60;
const QColor kRuleColour(64, 0, 0);

ReportItem text(double left, double top, double width, const QString &content, ReportFont font,
                Qt::Alignment alignment = Qt::AlignLeft)
{
    return {ReportItem::Kind::Text, left, top, width, 0, content, font, alignment, Qt::black, {}};
}

ReportItem field(double left, double width, const QString &name, Qt::Alignment alignment)
{
    return {ReportItem::Kind::Field, left, 0, width, 0, name, ReportFont{}, alignment, Qt::black, {}};
}

ReportItem parameter(double left, double top, double width, const QString &name, ReportFont font)
{
    return {ReportItem::Kind::Parameter, left, top, width, 0, name, font, Qt::AlignHCenter, Qt::black, {}};
}

// The reason under an answer, at most this many characters a line, on at most two lines.
constexpr qsizetype kReasonLine = 105;

// A sentence cut into lines of at most `width` characters, at blanks.
QStringList wrapped(const QString &sentence, qsizetype width)
{
    QStringList lines;
    QString line;
    for (const QString &word : sentence.split(u' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            lines << line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

ReportDefinition sheetDefinition(const QImage &logo, const QString &website, bool explained, bool electrolytes)
{
    const ReportFont heading{10, true, true};
    const ReportFont plain{10, false, false};

    ReportBand listingHeader{1.4, {}};
    listingHeader.items = {
        {ReportItem::Kind::Picture, 0.2, 0.2, 1.2, 0.5, {}, {}, Qt::AlignLeft, Qt::black, logo},
        text(2.9, 0.5, 2.1, QStringLiteral("ABG Listing"), ReportFont{24, false, true}),
        text(0.2, 0.7, 1.8, website, plain),
        text(0.28, 1.0, 0.3, QStringLiteral("#"), ReportFont{10, true, false}),
        text(0.76, 1.0, 0.3, QStringLiteral("PH"), heading),
        text(1.35, 1.0, 0.5, QStringLiteral("PaCO2"), heading),
        text(2.01, 1.0, 0.4, QStringLiteral("PaO2"), heading),
        text(2.66, 1.0, 0.4, QStringLiteral("HCO3"), heading),
        text(3.37, 1.0, 0.4, QStringLiteral("O2 %"), heading),
        text(4.06, 1.0, 0.3, QStringLiteral("Age"), heading),
        text(0.66, 1.2, 0.6, QStringLiteral("(-log[H])"), heading),
        parameter(1.3, 1.2, 0.6, QStringLiteral("PACO2"), heading),
        parameter(1.92, 1.2, 0.6, QStringLiteral("PAO2"), heading),
        text(2.59, 1.2, 0.6, QStringLiteral("(mEq/L)"), heading),
    };
    // Nothing under "Answer": the reader fills it in.
    ReportBand listingRow{0.2,
                          {
                              field(0.28, 0.3, QStringLiteral("ABGCode"), Qt::AlignLeft),
                              field(0.63, 0.5, QStringLiteral("PH"), Qt::AlignHCenter),
                              field(1.35, 0.5, QStringLiteral("PACO2"), Qt::AlignHCenter),
                              field(1.94, 0.5, QStringLiteral("PAO2"), Qt::AlignHCenter),
                              field(2.56, 0.6, QStringLiteral("HCO3"), Qt::AlignHCenter),
                              field(3.2, 0.6, QStringLiteral("FIO2"), Qt::AlignHCenter),
                              field(3.95, 0.5, QStringLiteral("AGE"), Qt::AlignHCenter),
                          }};
    // The electrolytes in three more columns, the answer column after them.
    double answerLeft = 4.56;
    if (electrolytes) {
        const std::array<std::tuple<double, const char *, const char *, const char *>, 3> columns{{
            {4.55, "Na", "(mEq/L)", "NA"},
            {5.15, "Cl", "(mEq/L)", "CL"},
            {5.75, "Alb.", "(g/L)", "ALB"},
        }};
        for (const auto &[left, name, unit, fieldName] : columns) {
            listingHeader.items.push_back(text(left, 1.0, 0.6, QString::fromLatin1(name), heading, Qt::AlignHCenter));
            listingHeader.items.push_back(text(left, 1.2, 0.6, QString::fromLatin1(unit), heading, Qt::AlignHCenter));
            listingRow.items.push_back(field(left, 0.6, QString::fromLatin1(fieldName), Qt::AlignHCenter));
        }
        answerLeft = 6.5;
    }
    listingHeader.items.push_back(text(answerLeft, 1.0, 0.8, QStringLiteral("Answer"), heading));
    const ReportFont underlined{10, false, true};
    const ReportBand answerHeader{
        0.4,
        {
            {ReportItem::Kind::Rule, 1.0, 0.06, 4.6, 0.01, {}, {}, Qt::AlignLeft, kRuleColour, {}},
            text(0.28, 0.2, 0.5, QStringLiteral("#"), underlined),
            text(1.05, 0.2, 1.0, QStringLiteral("Answer"), underlined),
        }};
    ReportBand answerRow{0.2,
                         {
                             field(0.28, 0.4, QStringLiteral("ABGCode"), Qt::AlignLeft),
                             field(0.88, 5.9, QStringLiteral("Result"), Qt::AlignLeft),
                         }};
    // Under each answer, smaller: the anion gap, then the reason on up to two lines.
    const auto underAnswer = [&](const char *name) {
        ReportItem line = field(0.88, 5.9, QString::fromLatin1(name), Qt::AlignLeft);
        line.top = answerRow.height - 0.01;
        line.font = ReportFont{8, false, false};
        line.colour = QColor(64, 64, 64);
        answerRow.items.push_back(line);
        answerRow.height += 0.15;
    };
    if (electrolytes)
        underAnswer("Gap");
    if (explained) {
        underAnswer("Reason1");
        underAnswer("Reason2");
        answerRow.height += 0.05;
    }

    ReportDefinition definition;
    definition.pageSize = QSizeF(8.5, 11); // Letter
    definition.region = QRectF(0.1, 0.2, 8.0, 9.8);
    definition.sections = {
        {QString::fromLatin1(kSampleView), listingHeader, listingRow, false},
        {QString::fromLatin1(kAnswerView), answerHeader, answerRow, true},
    };
    return definition;
}

} // namespace

ExerciseSheet::ExerciseSheet(QImage logo, QString website)
    : m_logo(std::move(logo))
    , m_website(std::move(website))
    , m_samples({QStringLiteral("ABGCode"), QStringLiteral("PH"), QStringLiteral("PACO2"), QStringLiteral("PAO2"),
                 QStringLiteral("HCO3"), QStringLiteral("AGE"), QStringLiteral("FIO2"), QStringLiteral("NA"),
                 QStringLiteral("CL"), QStringLiteral("ALB")})
    , m_answers({QStringLiteral("ABGCode"), QStringLiteral("Result"), QStringLiteral("Reason1"),
                 QStringLiteral("Reason2"), QStringLiteral("Gap")})
{
    m_samples.setDisplayDecimals(QStringLiteral("PH"), 2);
    m_answers.setMaximumLength(QStringLiteral("Result"), kAnswerLength);
}

void ExerciseSheet::fill(halvex::TABG &abg, int count, const halvex::Presentation &presentation, bool explained,
                         bool electrolytes)
{
    m_explained = explained;
    m_electrolytes = electrolytes;
    const halvex::PressureUnit unit = presentation.unit;
    // In mmHg the pressures print in the shortest form, as the design has it.
    const std::optional<int> decimals =
        unit == halvex::PressureUnit::Kpa ? std::optional<int>(halvex::pressureDecimals(unit)) : std::nullopt;
    m_samples.setDisplayDecimals(QStringLiteral("PACO2"), decimals);
    m_samples.setDisplayDecimals(QStringLiteral("PAO2"), decimals);
    const std::string_view unitCaption = halvex::sheetUnitCaption(unit);
    const QString caption = QString::fromLatin1(unitCaption.data(), qsizetype(unitCaption.size()));
    m_parameters.insert(QStringLiteral("PAO2"), caption);
    m_parameters.insert(QStringLiteral("PACO2"), caption);

    m_samples.clear();
    m_answers.clear();
    // One seeding for the series; Generate re-seeds on every call as well.
    abg.random().reseed();
    std::vector<std::pair<double, halvex::AbgCategory>> cases; // HCO3 and category, for the electrolytes
    for (int row = 1; row <= count; ++row) {
        const int variant = abg.random().uniform(halvex::kFirstVariant, halvex::kLastRandomVariant);
        const int code = abg.Generate(variant);
        const std::string answer = halvex::Translate(halvex::TABG::CategoryName(code), presentation.language);
        const halvex::BloodGasSample &s = abg.sample();
        m_samples.append({row, s.pH, halvex::ConvertPressure(halvex::PressureUnit::MmHg, unit, s.PaCO2),
                          halvex::ConvertPressure(halvex::PressureUnit::MmHg, unit, s.PaO2), s.HCO3, s.Age, s.FiO2,
                          QVariant(), QVariant(), QVariant()});
        QStringList reason;
        const std::optional<halvex::AbgCategory> category = halvex::categoryFromCode(code);
        cases.emplace_back(s.HCO3, category.value_or(halvex::AbgCategory::Normal));
        if (explained && category)
            reason =
                wrapped(QString::fromStdString(halvex::whySentence(*category, presentation.language)), kReasonLine);
        m_answers.append({row, QString::fromStdString(answer), reason.value(0), reason.value(1), QString()});
    }
    if (electrolytes)
        addElectrolytes(abg.random(), cases, presentation.language);
}

void ExerciseSheet::addElectrolytes(halvex::RandomSource &random,
                                    const std::vector<std::pair<double, halvex::AbgCategory>> &cases,
                                    std::string_view language)
{
    for (int row = 0; row < int(cases.size()); ++row) {
        const auto &[hco3, category] = cases[std::size_t(row)];
        const halvex::Electrolytes drawn = halvex::drawElectrolytes(hco3, category, random);
        m_samples.setValue(row, QStringLiteral("NA"), *drawn.sodium);
        m_samples.setValue(row, QStringLiteral("CL"), *drawn.chloride);
        m_samples.setValue(row, QStringLiteral("ALB"), *drawn.albumin);
        m_answers.setValue(row, QStringLiteral("Gap"),
                           QString::fromStdString(halvex::gapSummary(hco3, drawn, language)));
    }
}

Report ExerciseSheet::report() const
{
    return {sheetDefinition(m_logo, m_website, m_explained, m_electrolytes),
            {{QString::fromLatin1(kSampleView), &m_samples}, {QString::fromLatin1(kAnswerView), &m_answers}},
            m_parameters,
            QStringLiteral("ReportPrinter Report")};
}
