// tracetool diff: a run compared with a golden run, event by event.
#include "compare/tracecompare.h"
#include "html/htmlviewer.h"
#include "tools/common/command.h"
#include "tools/common/output.h"
#include "tools/common/outputfile.h"
#include "tools/tracetool/diffreport.h"
#include "tools/tracetool/traceinput.h"
#include "tools/tracetool/tracetool.h"
#include "tools/tracetool/viewoptions.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace {

const char details[] = "Reads GOLDEN, a known good run, and RUN, each with a reader of its own\n"
                       "as check does, and compares their events in order: each event by its\n"
                       "kind, its participants by name (never by dynamic id) and its label.  The\n"
                       "difference is a minimal edit script, written as a unified diff: hunks of\n"
                       "the events only in GOLDEN (-) and only in RUN (+) with equal events around\n"
                       "them, one line each as dump prints it, followed by where its record is.\n"
                       "--ignore masks volatile texts (addresses, counters) in names and labels;\n"
                       "--ignore-names compares participants by their instance type.  With\n"
                       "--time-tolerance, the time since the previous matched event is compared\n"
                       "too, in the finer unit of the two traces, and every interval that moved\n"
                       "by more than the tolerance is reported after the hunks (~).  The window\n"
                       "and filter options are those of every view, applied to both traces.\n"
                       "--html also writes RUN as the page of tracetool html with the differences\n"
                       "marked and the hunks listed to jump through.\n"
                       "Exit status: 0 when the traces match, 1 when they differ or either had\n"
                       "a reading error (a trace with errors never matches), 2 for a bad command\n"
                       "line, an unreadable file or unwritable output.";

// Used when the traces differ, as for input with errors.
const int ExitDiffer = ExitInputErrors;

QCommandLineOption contextOption()
{
    return QCommandLineOption(QStringLiteral("context"),
                              QStringLiteral("show N equal events around each change (default 3)"),
                              QStringLiteral("N"));
}

QCommandLineOption formatOption()
{
    return QCommandLineOption(QStringList{QStringLiteral("f"), QStringLiteral("format")},
                              QStringLiteral("text (a unified diff, the default) or json"), QStringLiteral("FORMAT"));
}

QCommandLineOption ignoreOption()
{
    return QCommandLineOption(QStringLiteral("ignore"),
                              QStringLiteral("mask what REGEX matches in names and labels before\n"
                                             "comparing, e.g. '0x[0-9a-f]+' (repeatable)"),
                              QStringLiteral("REGEX"));
}

QCommandLineOption ignoreNamesOption()
{
    return QCommandLineOption(QStringLiteral("ignore-names"),
                              QStringLiteral("compare participants by their instance type, not by name"));
}

QCommandLineOption toleranceOption()
{
    return QCommandLineOption(QStringLiteral("time-tolerance"),
                              QStringLiteral("compare the time since the previous matched event too,\n"
                                             "reporting those that moved by more than T: a number of\n"
                                             "the traces' unit, a time with a unit (1.5ms) or a\n"
                                             "percentage of the golden interval (10%)"),
                              QStringLiteral("T"));
}

QCommandLineOption htmlOption()
{
    return QCommandLineOption(QStringLiteral("html"),
                              QStringLiteral("also write RUN as an interactive viewer page with the\n"
                                             "differences marked and the hunks listed"),
                              QStringLiteral("FILE"));
}

QList<QCommandLineOption> options()
{
    return QList<QCommandLineOption>{contextOption(), formatOption(),      outputOption(),   htmlOption(),
                                     ignoreOption(),  ignoreNamesOption(), toleranceOption()}
    + viewOptions();
}

// A trace read, before its model is built.
struct ReadTrace {
    TDF& reader;
    QString fileName;
};

struct DiffSettings {
    SequenceOptions sequence;
    CompareOptions compare;
    int context = 3;
    bool json = false;
};

bool fileArguments(const QCommandLineParser& parser, int* status)
{
    static const char* const missing[] = {QT_TRANSLATE_NOOP("tracetool", "no configuration file given"),
                                          QT_TRANSLATE_NOOP("tracetool", "no golden trace given"),
                                          QT_TRANSLATE_NOOP("tracetool", "no run trace given")};
    const qsizetype count = parser.positionalArguments().size();
    if (count == 3)
        return true;
    *status = usageError(
        count < 3 ? QCoreApplication::translate("tracetool", missing[count])
                  : QCoreApplication::translate("tracetool", "diff compares two traces, not %1").arg(count - 1));
    return false;
}

bool formatArgument(const QCommandLineParser& parser, bool* json, int* status)
{
    const QString format = parser.value(formatOption());
    *json = format == QLatin1String("json");
    if (format.isEmpty() || *json || format == QLatin1String("text"))
        return true;
    *status = usageError(QCoreApplication::translate("tracetool", "unknown format '%1' (text or json)").arg(format));
    return false;
}

// --html names a file to write, not standard output.
bool htmlArgument(const QCommandLineParser& parser, int* status)
{
    const QString page = parser.value(htmlOption());
    if (!parser.isSet(htmlOption()) || (!page.isEmpty() && page != QLatin1String("-")))
        return true;
    *status =
        usageError(QCoreApplication::translate("tracetool", "--html takes the name of a file, not '%1'").arg(page));
    return false;
}

// Reads --time-tolerance in `unit`; false, with a usage error, for a text
// that is not a tolerance.  Before the traces are read, its form is
// checked in picoseconds, which take every unit.
bool toleranceArgument(const QCommandLineParser& parser, TDFTimeUnitType unit, CompareOptions* options, int* status)
{
    if (!parser.isSet(toleranceOption()))
        return true;
    const QString text = parser.value(toleranceOption());
    options->compareTimes = true;
    if (parseTimeTolerance(text, unit, &options->tolerance))
        return true;
    *status = usageError(
        unit == TIME_UNIT_NONE && parseTimeTolerance(text, TIME_UNIT_PICOSECOND, &options->tolerance)
            ? QCoreApplication::translate("tracetool",
                                          "--time-tolerance: the traces name no time unit; give a number of their "
                                          "unit or a percentage, not '%1'")
                  .arg(text)
            : QCoreApplication::translate("tracetool",
                                          "--time-tolerance takes a number of the traces' unit, a time with a unit "
                                          "(h mn s ms us ns ps) or a percentage (10%), not '%1'")
                  .arg(text));
    return false;
}

bool diffArguments(const QCommandLineParser& parser, DiffSettings* settings, int* status)
{
    settings->compare.ignoreNames = parser.isSet(ignoreNamesOption());
    return fileArguments(parser, status) && viewArguments(parser, &settings->sequence, status)
        && wholeNumberArgument(parser, contextOption(), 0, &settings->context, status)
        && formatArgument(parser, &settings->json, status) && outputArgument(parser, status)
        && htmlArgument(parser, status) && patternArguments(parser, ignoreOption(), &settings->compare.ignore, status)
        && toleranceArgument(parser, TIME_UNIT_PICOSECOND, &settings->compare, status);
}

// Once both traces are read: the unit their times compare in, and the
// tolerance in it.
bool timeArguments(const QCommandLineParser& parser, const ReadTrace& golden, const ReadTrace& run,
                   CompareOptions* options, int* status)
{
    if (!parser.isSet(toleranceOption()))
        return true;
    TDFTimeUnitType unit = TIME_UNIT_NONE;
    if (comparisonTimeUnit(golden.reader.timeUnit, run.reader.timeUnit, &unit))
        return toleranceArgument(parser, unit, options, status);
    const ReadTrace& unitless = golden.reader.timeUnit == TIME_UNIT_NONE ? golden : run;
    printError(QCoreApplication::translate("tracetool",
                                           "cannot compare the times of the traces: '%1' names no time unit, "
                                           "the other trace does",
                                           "%1 is a file name")
                   .arg(unitless.fileName));
    *status = ExitTrouble;
    return false;
}

// With --html, the run's page with the differences over it, written whole
// or not at all.
int writePage(const QCommandLineParser& parser, const DiffReport& report)
{
    if (!parser.isSet(htmlOption()))
        return ExitOk;
    const HtmlDifferences differences = htmlDifferences(report);
    HtmlViewerOptions options;
    options.title = QFileInfo(report.run.fileName).fileName() + QLatin1String(" against ")
        + QFileInfo(report.golden.fileName).fileName();
    options.differences = &differences;
    const QByteArray page = htmlViewer(report.run.model, options);
    return writeWholeFile(
        parser.value(htmlOption()), [&page](QIODevice& device, QString*) { return device.write(page) == page.size(); },
        ExitOk);
}

// Reads one trace with its own reader; the status as TraceInput::read gives it.
int readSide(TraceInput& input, const QCommandLineParser& parser, int trace, int* errors)
{
    const QStringList files = parser.positionalArguments();
    const int status = input.read(files[0], {files[trace]});
    *errors = input.errors();
    input.reader().setTimeFormat(parser.value(timeFormatOption()));
    return status;
}

int compare(const QCommandLineParser& parser, DiffSettings& settings, const ReadTrace& golden, const ReadTrace& run,
            int readingErrors)
{
    int status = ExitOk;
    SequenceOptions goldenWindow = settings.sequence;
    SequenceOptions runWindow = settings.sequence;
    if (!viewWindowInTrace(parser, golden.reader, &goldenWindow, &status)
        || !viewWindowInTrace(parser, run.reader, &runWindow, &status)
        || !timeArguments(parser, golden, run, &settings.compare, &status))
        return status;
    const SequenceModel goldenModel = buildSequenceModel(golden.reader, goldenWindow);
    const SequenceModel runModel = buildSequenceModel(run.reader, runWindow);
    const TraceComparison comparison = compareTraces(goldenModel, runModel, settings.compare);
    const std::vector<DiffHunk> hunks =
        diffHunks(comparison, int(goldenModel.events.size()), int(runModel.events.size()), settings.context);
    const DiffReport report{{golden.reader, goldenModel, golden.fileName},
                            {run.reader, runModel, run.fileName},
                            comparison,
                            hunks,
                            readingErrors};
    const std::string text = settings.json ? diffJson(report) : diffText(report);
    status = writeOutput(
        parser, [&text](std::ostream& out) { out.write(text.data(), std::streamsize(text.size())); }, ExitOk);
    status = std::max(status, writePage(parser, report));
    return status != ExitOk ? status : comparison.same() ? ExitOk : ExitDiffer;
}

int run(const QCommandLineParser& parser)
{
    int status = ExitOk;
    DiffSettings settings;
    if (!diffArguments(parser, &settings, &status))
        return status;
    int goldenErrors = 0;
    int runErrors = 0;
    TraceInput golden;
    const int goldenStatus = readSide(golden, parser, 1, &goldenErrors);
    if (goldenStatus == ExitTrouble)
        return goldenStatus;
    TraceInput run;
    const int runStatus = readSide(run, parser, 2, &runErrors);
    if (runStatus == ExitTrouble)
        return runStatus;
    const QStringList files = parser.positionalArguments();
    status = compare(parser, settings, {golden.reader(), files[1]}, {run.reader(), files[2]}, goldenErrors + runErrors);
    return std::max({status, goldenStatus, runStatus});
}

}  // namespace

const Command diffCommand = {
    "diff", "CONFIG GOLDEN RUN", "Compares a run with a golden run, event by event.", details, options, run,
};
