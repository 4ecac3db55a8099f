// tracetool rewrite: a trace read and written back through the writer.
#include "tdf/tdfwrt.h"
#include "tools/common/output.h"
#include "tools/tracetool/traceinput.h"
#include "tools/tracetool/tracetool.h"

#include <ostream>

namespace {

const char details[] = "Reads the traces as check does, then writes what was read back as trace\n"
                       "lines: the definition blocks first, then the events, selecting blocks and\n"
                       "instances only where they change, with the heap sizes of the messages.\n"
                       "The output reads back into the same objects; their times too with --times\n"
                       "(without it, the events take the times the reader gives them).";

QCommandLineOption timesOption()
{
    return QCommandLineOption(QStringLiteral("times"), QStringLiteral("write the time of every event (TM lines)"));
}

QCommandLineOption noDefinitionsOption()
{
    return QCommandLineOption(
        QStringLiteral("no-definitions"),
        QStringLiteral(
            "leave the definition blocks out (for a trace whose\ndefinitions are read from a file of their own)"));
}

QList<QCommandLineOption> options()
{
    return {outputOption(), timesOption(), noDefinitionsOption()};
}

void rewrite(std::ostream& out, TDF& reader, const QCommandLineParser& parser)
{
    TDFWriter writer(out);
    writer.writeTimes = parser.isSet(timesOption());
    writeTrace(writer, reader, !parser.isSet(noDefinitionsOption()));
}

int run(const QCommandLineParser& parser)
{
    int status = ExitOk;
    if (!traceArguments(parser, &status) || !outputArgument(parser, &status))
        return status;
    TraceInput input;
    status = input.read(parser);
    if (status == ExitTrouble)
        return status;
    return writeOutput(
        parser, [&input, &parser](std::ostream& out) { rewrite(out, input.reader(), parser); }, status);
}

}  // namespace

const Command rewriteCommand = {
    "rewrite", "CONFIG TRACE...", "Reads a trace and writes it back through the trace writer.", details, options, run,
};
