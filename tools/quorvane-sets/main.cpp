#include "storage/csv.h"
#include "storage/plainfile.h"
#include "storage/setcheck.h"
#include "storage/setexport.h"
#include "storage/setimport.h"
#include "storage/setlisting.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

// Exit codes: a clean run, problems found or data refused, and a file that
// cannot be used or arguments that are wrong.
constexpr int EXIT_CLEAN = 0;
constexpr int EXIT_PROBLEMS = 1;
constexpr int EXIT_UNUSABLE = 2;

const char *const kTool = "quorvane-sets";

void put(FILE *stream, const QString &line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

// One line on standard error; line breaks in names cannot split it.
void complain(const QString &message)
{
    QString line = message;
    line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    put(stderr, QStringLiteral("%1: %2").arg(QLatin1String(kTool), line));
}

struct Command
{
    const char *name;
    const char *summary;
    int (*run)(const QStringList &args);
};

// Parses the arguments of one sub-command. Returns -1 to go on, otherwise the
// exit code (help shown or arguments wrong).
int parseArguments(QCommandLineParser &parser, const QStringList &args, const QString &command,
                   int positionals)
{
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help."));
    parser.addOption(help);
    if (!parser.parse(args)) {
        complain(QStringLiteral("%1: %2").arg(command, parser.errorText()));
        return EXIT_UNUSABLE;
    }
    if (parser.isSet(help)) {
        put(stdout, parser.helpText().trimmed());
        return EXIT_CLEAN;
    }
    if (parser.positionalArguments().size() != positionals) {
        complain(QStringLiteral("%1 takes %2 file name(s), %3 given; see %4 %1 --help")
                     .arg(command)
                     .arg(positionals)
                     .arg(parser.positionalArguments().size())
                     .arg(QLatin1String(kTool)));
        return EXIT_UNUSABLE;
    }
    return -1;
}

int runCheck(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Reports every problem of a set file, one line each, then a verdict.\n"
                       "Exit code 0: playable, no problems; 1: problems; 2: unreadable."));
    parser.addPositionalArgument(QStringLiteral("SET.dat"), QStringLiteral("The set file."),
                                 QStringLiteral("check SET.dat"));
    if (const int code = parseArguments(parser, args, QStringLiteral("check"), 1); code >= 0)
        return code;
    const QString path = parser.positionalArguments().first();
    const SetCheck::Report report = SetCheck::check(path);
    if (!report.readable()) {
        complain(report.error);
        return EXIT_UNUSABLE;
    }
    const QString name = QFileInfo(path).fileName();
    for (const SetCheck::Finding &f : report.findings)
        put(stdout, QStringLiteral("%1: %2").arg(name, f.text));
    put(stdout, QStringLiteral("%1: %2").arg(name, report.verdict()));
    return report.findings.isEmpty() ? EXIT_CLEAN : EXIT_PROBLEMS;
}

int runList(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows a set's creator and message, its questions and the questions "
                       "per round."));
    parser.addPositionalArgument(QStringLiteral("SET.dat"), QStringLiteral("The set file."),
                                 QStringLiteral("list SET.dat"));
    if (const int code = parseArguments(parser, args, QStringLiteral("list"), 1); code >= 0)
        return code;
    QStringList lines;
    QString error;
    if (!SetListing::lines(parser.positionalArguments().first(), lines, &error)) {
        complain(error);
        return EXIT_UNUSABLE;
    }
    for (const QString &line : lines)
        put(stdout, line);
    return EXIT_CLEAN;
}

int runExport(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes a set's questions as CSV (UTF-8 with a byte order mark) with the "
                       "header row\n%1.\n"
                       "Exit code 0: written; 1: written, but records were left out or will "
                       "not import; 2: failed.")
            .arg(SetExport::columns().join(QLatin1Char(','))));
    parser.addPositionalArgument(QStringLiteral("SET.dat"), QStringLiteral("The set file."),
                                 QStringLiteral("export SET.dat"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Writes to FILE instead of standard output."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption separator(QStringLiteral("separator"),
                                       QStringLiteral("Separates fields with a comma (the "
                                                      "default), semicolon or tab."),
                                       QStringLiteral("NAME"), QStringLiteral("comma"));
    const QCommandLineOption noBom(QStringLiteral("no-bom"),
                                   QStringLiteral("Leaves out the byte order mark that tells "
                                                  "spreadsheet programs the file is UTF-8."));
    parser.addOptions({output, separator, noBom});
    if (const int code = parseArguments(parser, args, QStringLiteral("export"), 1); code >= 0)
        return code;
    const QString path = parser.positionalArguments().first();
    Csv::Format format;
    format.separator = Csv::separatorNamed(parser.value(separator));
    if (format.separator.isNull()) {
        complain(QStringLiteral("export: --separator takes comma, semicolon or tab, not \"%1\"")
                     .arg(parser.value(separator)));
        return EXIT_UNUSABLE;
    }
    if (parser.isSet(noBom))
        format.encoding = Csv::Encoding::Utf8;
    const SetExport::Result result = parser.isSet(output)
                                         ? SetExport::toFile(path, parser.value(output), format)
                                         : SetExport::toCsv(path, format);
    if (!result.error.isEmpty()) {
        complain(result.error);
        return EXIT_UNUSABLE;
    }
    if (!parser.isSet(output)
        && (std::fwrite(result.csv.constData(), 1, size_t(result.csv.size()), stdout)
                != size_t(result.csv.size())
            || std::fflush(stdout) != 0)) {
        complain(QStringLiteral("could not write to standard output"));
        return EXIT_UNUSABLE;
    }
    for (const QString &warning : result.warnings)
        complain(warning);
    return result.warnings.isEmpty() ? EXIT_CLEAN : EXIT_PROBLEMS;
}

int runImport(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Makes a new set from CSV, or adds its rows to a set with --append.\n"
                       "The CSV may be UTF-8 or Windows-1252, separated by commas, semicolons "
                       "or tabs.\n"
                       "Every row is checked first; if any is wrong nothing is written.\n"
                       "Exit code 0: written; 1: rows, details or password refused; "
                       "2: a file cannot be used or the arguments are wrong."));
    parser.addPositionalArgument(QStringLiteral("FILE.csv"),
                                 QStringLiteral("The questions; - reads them from standard input."),
                                 QStringLiteral("import FILE.csv"));
    parser.addPositionalArgument(QStringLiteral("SET.dat"), QStringLiteral("The set file."),
                                 QStringLiteral("SET.dat"));
    const QCommandLineOption creator(QStringLiteral("creator"),
                                     QStringLiteral("Creator's name of a new set (50 at most)."),
                                     QStringLiteral("NAME"));
    const QCommandLineOption message(QStringLiteral("message"),
                                     QStringLiteral("Message of a new set (200 at most)."),
                                     QStringLiteral("TEXT"));
    const QCommandLineOption password(QStringLiteral("password"),
                                      QStringLiteral("Password of a new set, or the set's "
                                                     "password with --append."),
                                      QStringLiteral("PW"));
    const QCommandLineOption append(QStringLiteral("append"),
                                    QStringLiteral("Adds the rows to an existing set."));
    parser.addOptions({creator, message, password, append});
    if (const int code = parseArguments(parser, args, QStringLiteral("import"), 2); code >= 0)
        return code;

    if (parser.isSet(append) && (parser.isSet(creator) || parser.isSet(message))) {
        complain(QStringLiteral("--creator and --message are for a new set; with --append the "
                                "set keeps its own"));
        return EXIT_UNUSABLE;
    }
    if (!parser.isSet(append) && (!parser.isSet(creator) || !parser.isSet(message))) {
        complain(QStringLiteral("a new set needs --creator and --message"));
        return EXIT_UNUSABLE;
    }

    const QString csvPath = parser.positionalArguments().at(0);
    const QString setPath = parser.positionalArguments().at(1);
    // Standard input only when asked for by name, never by a path that
    // happens to lead to it.
    const bool fromInput = csvPath == QLatin1String("-");
    if (!fromInput && PlainFile::samePath(csvPath, setPath)) {
        complain(QStringLiteral("the CSV file and the set file must differ"));
        return EXIT_UNUSABLE;
    }
    const QString csvName = fromInput ? QStringLiteral("standard input") : QFileInfo(csvPath).fileName();
    QString error;
    QFile input;
    const std::optional<SetImport::Rows> read =
        !fromInput ? SetImport::readCsvFile(csvPath, &error)
        : input.open(stdin, QIODevice::ReadOnly) ? SetImport::readCsv(input, csvName, &error)
                                                 : std::nullopt;
    if (!read) {
        complain(error.isEmpty() ? input.errorString() : error);
        return EXIT_UNUSABLE;
    }
    const SetImport::Rows &rows = *read;
    for (const QString &line : SetImport::problemLines(csvName, rows.problems))
        complain(line);
    if (!rows.ok()) {
        complain(QStringLiteral("nothing written: %1 problem(s) in \"%2\"")
                     .arg(rows.problems.size())
                     .arg(fromInput ? csvName : csvPath));
        return EXIT_PROBLEMS;
    }

    const SetImport::Result result =
        parser.isSet(append)
            ? SetImport::append(setPath, parser.value(password), rows.questions)
            : SetImport::create(setPath,
                                {parser.value(creator), parser.value(message), parser.value(password)},
                                rows.questions);
    for (const QString &m : result.messages)
        complain(m);
    switch (result.status) {
    case SetImport::Result::Written:
        // Names go in last and in one pass, so a "%" in them stays as it is.
        put(stdout, QStringLiteral("%1 question(s) read from %4 (%5) and written to %6 (numbers "
                                   "%2 on); it now holds %3 record(s).")
                        .arg(rows.questions.size())
                        .arg(result.firstNumber)
                        .arg(result.records)
                        .arg(csvName, Csv::describe(rows.format), setPath));
        return EXIT_CLEAN;
    case SetImport::Result::Refused:
        return EXIT_PROBLEMS;
    case SetImport::Result::Failed:
        break;
    }
    return EXIT_UNUSABLE;
}

const Command kCommands[] = {
    {"check", "reports every problem of a set file", runCheck},
    {"list", "shows the set's header, its questions and the counts per round", runList},
    {"export", "writes the questions as CSV", runExport},
    {"import", "makes a set from CSV, or adds CSV rows to a set", runImport},
};

QString usage()
{
    QString text = QStringLiteral("Usage: %1 COMMAND [options] FILES\n"
                                  "Checks, lists, exports and imports Quorvane question sets.\n\n"
                                  "Commands:\n")
                       .arg(QLatin1String(kTool));
    for (const Command &c : kCommands)
        text += QStringLiteral("  %1 %2\n").arg(QLatin1String(c.name), -8).arg(QLatin1String(c.summary));
    text += QStringLiteral("\n%1 COMMAND --help shows the options of a command.").arg(QLatin1String(kTool));
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QLatin1String(kTool));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));

    // Arguments reach Qt decoded from UTF-8: a name in another encoding
    // would come through changed and name another file, or none.
    for (int i = 1; i < argc; ++i) {
        if (!PlainFile::nameSurvives(QByteArray(argv[i]))) {
            complain(QStringLiteral("\"%1\" is not valid UTF-8; a file can only be named in "
                                    "UTF-8 (rename it)")
                         .arg(QFile::decodeName(argv[i])));
            return EXIT_UNUSABLE;
        }
    }
    QStringList args = QCoreApplication::arguments();
    if (!args.isEmpty())
        args.removeFirst();
    if (args.isEmpty()) {
        complain(QStringLiteral("no command given; try %1 --help").arg(QLatin1String(kTool)));
        return EXIT_UNUSABLE;
    }
    const QString name = args.first();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        put(stdout, usage());
        return EXIT_CLEAN;
    }
    if (name == QLatin1String("--version")) {
        put(stdout, QStringLiteral("%1 %2").arg(QLatin1String(kTool), QCoreApplication::applicationVersion()));
        return EXIT_CLEAN;
    }
    for (const Command &c : kCommands) {
        if (name == QLatin1String(c.name)) {
            // The parser takes the first argument for the program and skips it.
            args.first() = QLatin1String(kTool);
            return c.run(args);
        }
    }
    complain(QStringLiteral("unknown command \"%1\"; try %2 --help").arg(name, QLatin1String(kTool)));
    return EXIT_UNUSABLE;
}
