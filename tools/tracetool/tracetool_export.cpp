// tracetool export: a trace as a PlantUML or Mermaid sequence diagram.
#include "diagram/sequenceexport.h"
#include "tools/common/output.h"
#include "tools/tracetool/traceinput.h"
#include "tools/tracetool/tracetool.h"

#include <QCoreApplication>

#include <ostream>

namespace {

const char details[] = "Reads the traces as check does, then writes the events as a sequence\n"
                       "diagram in a text language that documents, tickets and wikis render:\n"
                       "participants, messages and returns, creations, deletions, activations,\n"
                       "notes, actions, glyphs, synchronisations, loops and trigger marks.\n"
                       "--from and --count select a window of the events, counted from 0 in\n"
                       "reading order, as dump lists them.";

QCommandLineOption formatOption()
{
    return QCommandLineOption(QStringList{QStringLiteral("f"), QStringLiteral("format")},
                              QStringLiteral("the diagram language: plantuml or mermaid"), QStringLiteral("LANGUAGE"));
}

QList<QCommandLineOption> options()
{
    return {formatOption(), outputOption(), fromOption(), countOption(), timeFormatOption()};
}

bool exportArguments(const QCommandLineParser& parser, SequenceExportOptions* options, int* status)
{
    if (!parser.isSet(formatOption())) {
        *status = usageError(QCoreApplication::translate("tracetool", "no --format given (plantuml or mermaid)"));
        return false;
    }
    if (!diagramLanguageFromName(parser.value(formatOption()), &options->language)) {
        *status = usageError(QCoreApplication::translate("tracetool", "unknown format '%1' (plantuml or mermaid)")
                                 .arg(parser.value(formatOption())));
        return false;
    }
    if (parser.isSet(timeFormatOption()))
        options->timeFormat = parser.value(timeFormatOption());
    return windowArguments(parser, &options->from, &options->count, status) && outputArgument(parser, status);
}

int run(const QCommandLineParser& parser)
{
    SequenceExportOptions options;
    int status = ExitOk;
    if (!traceArguments(parser, &status) || !exportArguments(parser, &options, &status))
        return status;
    TraceInput input;
    status = input.read(parser);
    if (status == ExitTrouble || !windowStartsInTrace(input.reader(), parser, options.from, &status))
        return status;
    const QByteArray diagram = exportSequenceDiagram(input.reader(), options).toUtf8();
    return writeOutput(
        parser, [&diagram](std::ostream& out) { out.write(diagram.constData(), diagram.size()); }, status);
}

}  // namespace

const Command exportCommand = {
    "export", "CONFIG TRACE...", "Writes a trace as a PlantUML or Mermaid sequence diagram.", details, options, run,
};
