#include "cli/CommandLine.h"

#include "cli/ArgumentText.h"
#include "cli/AssessCommand.h"
#include "cli/GenerateCommand.h"
#include "csv/StreamFailures.h"
#include "engine/AnionGap.h"
#include "engine/Presentation.h"
#include "engine/SampleGenerator.h"
#include "language/Language.h"
#include "product/ProductInfo.h"
#include "report/ExerciseSheet.h"
#include "report/PdfOutput.h"
#include "resources/artwork/Artwork.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <system_error>

namespace halvex::cli {
namespace {

constexpr long long kMaxCount = 100'000'000;
constexpr long long kMaxSheetRows = 1000;

// What ends a command with exit status 2: a usage error, or input or output that failed.
struct CommandFailure {
    QString reason;
};

void print(std::ostream &stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    stream.write(bytes.constData(), bytes.size());
}

QString programName(const QStringList &arguments)
{
    return arguments.isEmpty() ? QStringLiteral("halvex-cli") : arguments.first();
}

// "mmHg" or "kPa" in any capitalisation.
PressureUnit unitsFrom(const QString &text)
{
    const std::string upper = text.toUpper().toStdString();
    if (upper != kUnitsMmHg && upper != kUnitsKpa)
        throw CommandFailure{QStringLiteral("--units must be mmHg or kPa, not \"%1\"").arg(text)};
    return pressureUnitNamed(upper);
}

// "English" or "French" in any capitalisation, as the catalogue's language keys.
std::string languageFrom(const QString &text)
{
    const std::string upper = text.toUpper().toStdString();
    if (upper != kLanguageEnglish && upper != kLanguageFrench)
        throw CommandFailure{QStringLiteral("--language must be English or French, not \"%1\"").arg(text)};
    return upper;
}

long long integerFrom(const QString &option, const QString &text, long long lowest, long long highest)
{
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    if (!ok || value < lowest || value > highest)
        throw CommandFailure{QStringLiteral("--%1 must be a whole number from %2 to %3, not \"%4\"")
                                 .arg(option)
                                 .arg(lowest)
                                 .arg(highest)
                                 .arg(text)};
    return value;
}

QCommandLineOption unitsOption()
{
    return {QStringLiteral("units"), QStringLiteral("Unit of PaCO2 and PaO2: mmHg (default) or kPa."),
            QStringLiteral("unit"), QStringLiteral("mmHg")};
}

QCommandLineOption languageOption()
{
    return {QStringLiteral("language"), QStringLiteral("Language of the texts: English (default) or French."),
            QStringLiteral("name"), QStringLiteral("ENGLISH")};
}

QCommandLineOption explainOption()
{
    return {QStringLiteral("explain"), QStringLiteral("Also say why: for assess the reasoning's summary and the "
                                                      "teaching figures, for sheet a reason under each answer.")};
}

QCommandLineOption albuminUnitOption()
{
    return {QStringLiteral("albumin-unit"), QStringLiteral("Unit of the albumin read: g/L (default) or g/dL."),
            QStringLiteral("unit"), QStringLiteral("g/L")};
}

// "g/L" or "g/dL" in any capitalisation.
AlbuminUnit albuminUnitFrom(const QString &text)
{
    const std::optional<AlbuminUnit> unit = albuminUnitNamed(text.toStdString());
    if (!unit)
        throw CommandFailure{QStringLiteral("--albumin-unit must be g/L or g/dL, not \"%1\"").arg(text)};
    return *unit;
}

QCommandLineOption seedOption()
{
    return {QStringLiteral("seed"), QStringLiteral("Seed the draws with s, s+1, s+2, ... instead of the clock."),
            QStringLiteral("s")};
}

// The seeds the option asks for, or the clock's when it is not given.
SeedSource seedsFrom(const QCommandLineParser &parser, const QCommandLineOption &seed)
{
    if (!parser.isSet(seed))
        return clockSeed;
    return countingSeeds(static_cast<std::uint32_t>(
        integerFrom(QStringLiteral("seed"), parser.value(seed), 0, std::numeric_limits<std::uint32_t>::max())));
}

// Parses a command's own arguments (the program name, the command, then its
// options and arguments); returns true when it asked for help. The command
// stays out of the parser's positional arguments.
bool parseCommand(QCommandLineParser &parser, const QStringList &arguments, std::ostream &out)
{
    const QCommandLineOption help = parser.addHelpOption();
    if (!parser.parse(arguments))
        throw CommandFailure{parser.errorText()};
    if (parser.isSet(help)) {
        print(out, parser.helpText());
        return true;
    }
    return false;
}

// Runs a command that reads rows on what `input` holds; a read error names the input.
template <typename Run>
int readNamed(std::istream &input, const QString &name, Run run)
{
    try {
        return run(input);
    } catch (const ReadFailure &) {
        throw CommandFailure{QStringLiteral("error while reading %1; the rows before it were written").arg(name)};
    } catch (const UnitConflict &conflict) {
        throw CommandFailure{QString::fromStdString(conflict.reason)};
    }
}

QStringList operandsOf(const QCommandLineParser &parser)
{
    return parser.positionalArguments().mid(1);
}

// Runs a command that reads rows on its one file, or on standard input when none is named.
template <typename Run>
int readFileOrInput(const QString &command, const QStringList &files, std::istream &in, Run run)
{
    if (files.size() > 1)
        throw CommandFailure{QStringLiteral("%1 reads one file, not %2").arg(command).arg(files.size())};
    if (files.isEmpty())
        return readNamed(in, QStringLiteral("standard input"), run);

    const std::filesystem::path path = argumentBytes(files.first());
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        throw CommandFailure{QStringLiteral("cannot read %1: it is a directory").arg(files.first())};
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw CommandFailure{QStringLiteral("cannot read %1: %2")
                                 .arg(files.first(), QString::fromStdString(std::generic_category().message(errno)))};
    return readNamed(file, files.first(), run);
}

void addFileArgument(QCommandLineParser &parser, const QString &command)
{
    parser.addPositionalArgument(command, QString(), command);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("CSV file to read (default: standard input)."),
                                 QStringLiteral("[file]"));
}

int runAssessCommand(const QStringList &arguments, std::istream &in, std::ostream &out)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Assesses blood gases read as CSV rows pH,PaCO2,PaO2,HCO3,FiO2,Age (then optionally Na,Cl,Albumin)\n"
        "and writes one CSV row per input row with the assessment the window would show. A first row\n"
        "naming the columns is a header: the values are then read from the columns it names, any others\n"
        "left aside; PaCO2_kPa and PaO2_kPa (or _mmHg) name the pressures' unit, in which they are read\n"
        "and written. With --explain, the anion gap's columns follow the reasoning's."));
    const QCommandLineOption units = unitsOption();
    const QCommandLineOption language = languageOption();
    const QCommandLineOption explain = explainOption();
    const QCommandLineOption albuminUnit = albuminUnitOption();
    parser.addOptions({units, language, explain, albuminUnit});
    addFileArgument(parser, QStringLiteral("assess"));
    if (parseCommand(parser, arguments, out))
        return ExitOk;

    AssessOptions options;
    static_cast<Presentation &>(options) = {unitsFrom(parser.value(units)), languageFrom(parser.value(language))};
    options.albuminUnit = albuminUnitFrom(parser.value(albuminUnit));
    options.unitGiven = parser.isSet(units);
    options.explain = parser.isSet(explain);
    return readFileOrInput(QStringLiteral("assess"), operandsOf(parser), in,
                           [&](std::istream &input) { return runAssess(input, out, options); });
}

int runExplainCommand(const QStringList &arguments, std::istream &in, std::ostream &out)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Explains blood gases read as assess reads them: for each row, the whole explanation the window\n"
        "shows, steps then teaching notes, as plain text, in the unit the header names if it names one;\n"
        "the rows' blocks are separated by a blank line."));
    const QCommandLineOption units = unitsOption();
    const QCommandLineOption language = languageOption();
    const QCommandLineOption albuminUnit = albuminUnitOption();
    parser.addOptions({units, language, albuminUnit});
    addFileArgument(parser, QStringLiteral("explain"));
    if (parseCommand(parser, arguments, out))
        return ExitOk;

    ReadOptions options;
    static_cast<Presentation &>(options) = {unitsFrom(parser.value(units)), languageFrom(parser.value(language))};
    options.albuminUnit = albuminUnitFrom(parser.value(albuminUnit));
    options.unitGiven = parser.isSet(units);
    return readFileOrInput(QStringLiteral("explain"), operandsOf(parser), in,
                           [&](std::istream &input) { return runExplain(input, out, options); });
}

int runGenerateCommand(const QStringList &arguments, std::ostream &out)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes random blood gases as CSV rows variant,category_code,category,pH,PaCO2,PaO2,HCO3,FiO2,Age.\n"
        "Without --variant or --category each variant is drawn from 1-28, as teacher mode does."));
    const QCommandLineOption electrolytes(
        QStringLiteral("electrolytes"),
        QStringLiteral("Also Na, Cl (mEq/L) and albumin (g/L) that fit each case: for a metabolic acidosis a\n"
                       "high-gap or a normal-gap acidosis with equal chance, a normal gap otherwise."));
    const QCommandLineOption count(QStringLiteral("count"), QStringLiteral("Number of samples (default 1)."),
                                   QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption variant(QStringLiteral("variant"), QStringLiteral("Generate this variant, 1 to 29."),
                                     QStringLiteral("v"));
    const QCommandLineOption category(QStringLiteral("category"),
                                      QStringLiteral("Draw one of this category's variants, code 0 to 14."),
                                      QStringLiteral("code"));
    const QCommandLineOption seed = seedOption();
    const QCommandLineOption units = unitsOption();
    const QCommandLineOption realistic(
        QStringLiteral("realistic"),
        QStringLiteral("Realistic cases: values that fit together (Henderson-Hasselbalch) and a PaO2 no higher\n"
                       "than the alveolar PAO2; a variant whose ranges hold none is replaced by the other\n"
                       "variant of its category."));
    parser.addOptions({count, variant, category, seed, units, realistic, electrolytes});
    parser.addPositionalArgument(QStringLiteral("generate"), QString(), QStringLiteral("generate"));
    if (parseCommand(parser, arguments, out))
        return ExitOk;

    if (const QStringList operands = operandsOf(parser); !operands.isEmpty())
        throw CommandFailure{QStringLiteral("generate takes no file, found \"%1\"").arg(operands.first())};
    if (parser.isSet(variant) && parser.isSet(category))
        throw CommandFailure{QStringLiteral("--variant and --category cannot be given together")};

    GenerateOptions options;
    options.count = integerFrom(QStringLiteral("count"), parser.value(count), 1, kMaxCount);
    if (parser.isSet(variant))
        options.variant = static_cast<int>(
            integerFrom(QStringLiteral("variant"), parser.value(variant), kFirstVariant, kLastVariant));
    if (parser.isSet(category))
        options.category = categoryFromCode(
            static_cast<int>(integerFrom(QStringLiteral("category"), parser.value(category), 0, kCategoryCount - 1)));
    options.seeds = seedsFrom(parser, seed);
    options.units = unitsFrom(parser.value(units));
    options.realistic = parser.isSet(realistic);
    options.electrolytes = parser.isSet(electrolytes);
    runGenerate(out, options);
    return ExitOk;
}

int runSheetCommand(const QStringList &arguments, std::ostream &out)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes an exercise sheet as PDF: a listing of random blood gases with an empty answer column,\n"
                       "then, from a new page, their answers - the same sheet the window prints."));
    const QCommandLineOption count(QStringLiteral("count"), QStringLiteral("Number of blood gases, 1 to 1000."),
                                   QStringLiteral("n"));
    const QCommandLineOption output(QStringLiteral("out"), QStringLiteral("The PDF file to write."),
                                    QStringLiteral("file"));
    const QCommandLineOption language = languageOption();
    const QCommandLineOption seed = seedOption();
    const QCommandLineOption units = unitsOption();
    const QCommandLineOption explain = explainOption();
    const QCommandLineOption electrolytes(
        QStringLiteral("electrolytes"),
        QStringLiteral("Also Na, Cl and albumin (g/L) that fit each blood gas, and its anion gap in the answers."));
    parser.addOptions({count, output, units, language, seed, explain, electrolytes});
    parser.addPositionalArgument(QStringLiteral("sheet"), QString(), QStringLiteral("sheet"));
    if (parseCommand(parser, arguments, out))
        return ExitOk;

    if (const QStringList operands = operandsOf(parser); !operands.isEmpty())
        throw CommandFailure{QStringLiteral("sheet takes its file with --out, found \"%1\"").arg(operands.first())};
    if (!parser.isSet(count) || !parser.isSet(output))
        throw CommandFailure{QStringLiteral("sheet needs --count and --out")};
    const int rows = static_cast<int>(integerFrom(QStringLiteral("count"), parser.value(count), 1, kMaxSheetRows));
    const QString target = parser.value(output);
    // Qt opens files by their UTF-8 names only.
    if (argumentBytes(target) != target.toStdString())
        throw CommandFailure{QStringLiteral("--out needs a file name in UTF-8")};
    const Presentation presentation{unitsFrom(parser.value(units)), languageFrom(parser.value(language))};
    SeedSource seeds = seedsFrom(parser, seed);
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        throw CommandFailure{QStringLiteral("sheet needs the graphical part of Qt to draw its pages")};

    TABG abg(std::move(seeds));
    ExerciseSheet sheet(artwork::reportLogo(), QStringLiteral(HALVEX_WEBSITE));
    sheet.fill(abg, rows, presentation, parser.isSet(explain), parser.isSet(electrolytes));
    if (const std::optional<PdfFailure> failure = writeReportPdf(sheet.report(), target))
        throw CommandFailure{QStringLiteral("cannot write %1: %2").arg(target, failure->reason)};
    return ExitOk;
}

// Parses the program's arguments and runs the command they name.
int dispatch(const QStringList &arguments, std::istream &in, std::ostream &out)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Halvex command line: assesses blood gases and generates teaching cases in bulk, as CSV.\n\n"
                       "Commands:\n"
                       "  assess    assess blood gases read as CSV\n"
                       "  explain   explain blood gases read as CSV, step by step, as plain text\n"
                       "  generate  write random blood gases as CSV\n"
                       "  sheet     write an exercise sheet with its answers as PDF\n\n"
                       "Run '%1 COMMAND --help' for a command's options.")
            .arg(programName(arguments)));
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("assess, explain, generate or sheet"),
                                 QStringLiteral("command [options]"));
    if (!parser.parse(arguments))
        throw CommandFailure{parser.errorText()};
    if (parser.isSet(help)) {
        print(out, parser.helpText());
        return ExitOk;
    }
    if (parser.isSet(version)) {
        print(out, QStringLiteral("halvex-cli %1\n").arg(QCoreApplication::applicationVersion()));
        return ExitOk;
    }
    QStringList commandArguments = parser.positionalArguments();
    if (commandArguments.isEmpty())
        throw CommandFailure{QStringLiteral("missing command: assess, explain, generate or sheet (see --help)")};
    const QString command = commandArguments.first();
    commandArguments.prepend(programName(arguments));
    if (command == QLatin1String("assess"))
        return runAssessCommand(commandArguments, in, out);
    if (command == QLatin1String("explain"))
        return runExplainCommand(commandArguments, in, out);
    if (command == QLatin1String("generate"))
        return runGenerateCommand(commandArguments, out);
    if (command == QLatin1String("sheet"))
        return runSheetCommand(commandArguments, out);
    throw CommandFailure{
        QStringLiteral("unknown command \"%1\": assess, explain, generate or sheet (see --help)").arg(command)};
}

} // namespace

int runCommandLine(const QStringList &arguments, std::istream &in, std::ostream &out, std::ostream &err)
{
    try {
        const int status = dispatch(arguments, in, out);
        // Whatever the command wrote must have reached its place.
        if (!out.flush())
            throw WriteFailure{};
        return status;
    } catch (const CommandFailure &failure) {
        print(err, QStringLiteral("halvex-cli: %1\n").arg(failure.reason));
    } catch (const WriteFailure &) {
        print(err, QStringLiteral("halvex-cli: cannot write the output\n"));
    }
    err.flush();
    return ExitFailure;
}

} // namespace halvex::cli
