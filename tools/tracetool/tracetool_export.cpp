// tracetool export: a trace as a PlantUML or Mermaid sequence diagram, or a
// Graphviz context diagram.
#include "diagram/sequenceexport.h"
#include "tools/common/output.h"
#include "tools/tracetool/traceinput.h"
#include "tools/tracetool/tracetool.h"
#include "tools/tracetool/viewoptions.h"

#include <QCoreApplication>

#include <ostream>

namespace {

const char details[] = "Reads the traces as check does, then writes the events as a diagram in a\n"
                       "text language that documents, tickets and wikis render.  plantuml and\n"
                       "mermaid write a sequence diagram: participants, messages and returns,\n"
                       "creations, deletions, activations, notes, actions, glyphs,\n"
                       "synchronisations, loops and trigger marks.  dot writes a context diagram\n"
                       "for Graphviz: who sends messages to whom, and how many.  The window and\n"
                       "filter options are those of every view (render, html).";

QCommandLineOption formatOption()
{
    return QCommandLineOption(QStringList{QStringLiteral("f"), QStringLiteral("format")},
                              QStringLiteral("the diagram language: plantuml, mermaid or dot"),
                              QStringLiteral("LANGUAGE"));
}

QCommandLineOption timesOption()
{
    return QCommandLineOption(QStringLiteral("times"),
                              QStringLiteral("write the times of the events (as --time-format says)"));
}

QList<QCommandLineOption> options()
{
    return QList<QCommandLineOption>{formatOption(), outputOption(), timesOption()} + viewOptions();
}

bool exportArguments(const QCommandLineParser& parser, SequenceExportOptions* options, int* status)
{
    if (!parser.isSet(formatOption())) {
        *status = usageError(QCoreApplication::translate("tracetool", "no --format given (plantuml, mermaid or dot)"));
        return false;
    }
    if (!diagramLanguageFromName(parser.value(formatOption()), &options->language)) {
        *status = usageError(QCoreApplication::translate("tracetool", "unknown format '%1' (plantuml, mermaid or dot)")
                                 .arg(parser.value(formatOption())));
        return false;
    }
    options->times = parser.isSet(timesOption()) || parser.isSet(QStringLiteral("time-format"));
    return viewArguments(parser, &options->sequence, status) && outputArgument(parser, status);
}

int run(const QCommandLineParser& parser)
{
    SequenceExportOptions options;
    int status = ExitOk;
    if (!traceArguments(parser, &status) || !exportArguments(parser, &options, &status))
        return status;
    TraceInput input;
    status = input.read(parser);
    if (status == ExitTrouble || !viewWindowInTrace(parser, input.reader(), &options.sequence, &status))
        return status;
    const QByteArray diagram = exportSequenceDiagram(input.reader(), options).toUtf8();
    return writeOutput(
        parser, [&diagram](std::ostream& out) { out.write(diagram.constData(), diagram.size()); }, status);
}

}  // namespace

const Command exportCommand = {
    "export", "CONFIG TRACE...", "Writes a trace as a PlantUML, Mermaid or Graphviz diagram.", details, options, run,
};
