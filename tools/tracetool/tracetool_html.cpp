// tracetool html: a trace as an interactive viewer in one HTML file.
#include "host/qafileutil.h"
#include "html/htmlviewer.h"
#include "tools/common/command.h"
#include "tools/common/output.h"
#include "tools/common/outputfile.h"
#include "tools/tracetool/traceinput.h"
#include "tools/tracetool/tracetool.h"
#include "tools/tracetool/viewoptions.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

const char summary[] = "Writes a trace as an interactive viewer in one HTML file (-o FILE.html).";

const char details[] = "Reads the traces as check does, then writes one self-contained HTML page\n"
                       "that draws their events as a sequence diagram in a browser: sticky\n"
                       "participant headers, scroll and zoom, an event or a time axis, search,\n"
                       "an event's details on a click, focus on or hiding of a participant,\n"
                       "components expanded and folded again.  The page needs nothing else and\n"
                       "asks for nothing from the network or the disk; #event=N in its address\n"
                       "opens it at event N (counted from 0 among the events drawn).  The window\n"
                       "and filter options are those of every view (render, export).  A trace\n"
                       "with errors gives a page all the same, with exit status 1.";

QList<QCommandLineOption> options()
{
    return QList<QCommandLineOption>{outputOption()} + viewOptions();
}

bool outputFile(const QCommandLineParser& parser, QString* output, int* status)
{
    *output = parser.value(outputOption());
    QString problem;
    if (!parser.isSet(outputOption()))
        problem = QCoreApplication::translate("tracetool", "no output file given (-o FILE)");
    else if (output->isEmpty())
        problem = QCoreApplication::translate("tracetool", "an empty output file name");
    else if (QFile::encodeName(*output) != QAFileUtil::encodeName(*output))
        problem =
            QCoreApplication::translate("tracetool", "the output file name is not valid UTF-8: '%1'").arg(*output);
    if (problem.isEmpty())
        return true;
    *status = usageError(problem);
    return false;
}

// The trace files' names, as the page's title.
QString pageTitle(const QCommandLineParser& parser)
{
    QStringList names;
    for (const QString& trace : parser.positionalArguments().mid(1))
        names << QFileInfo(trace).fileName();
    return names.join(QLatin1String(", "));
}

// The page of the trace; with components, the page can also show them
// expanded into their members.
QByteArray page(TDF& reader, const SequenceOptions& options, const QString& title)
{
    const SequenceModel model = buildSequenceModel(reader, options);
    const bool folded =
        std::any_of(model.participants.begin(), model.participants.end(),
                    [](const SequenceParticipant& p) { return p.kind == SequenceParticipant::Component; });
    HtmlViewerOptions viewer;
    viewer.title = title;
    if (!folded)
        return htmlViewer(model, viewer);
    SequenceOptions members = options;
    members.components.clear();
    const SequenceModel expanded = buildSequenceModel(reader, members);
    viewer.expanded = &expanded;
    return htmlViewer(model, viewer);
}

int run(const QCommandLineParser& parser)
{
    int status = ExitOk;
    SequenceOptions options;
    QString output;
    if (!traceArguments(parser, &status) || !outputFile(parser, &output, &status)
        || !viewArguments(parser, &options, &status))
        return status;
    TraceInput input;
    status = input.read(parser);
    if (status == ExitTrouble || !viewWindowInTrace(parser, input.reader(), &options, &status))
        return status;
    const QByteArray html = page(input.reader(), options, pageTitle(parser));
    return std::max(
        status,
        writeWholeFile(
            output, [&html](QIODevice& device, QString*) { return device.write(html) == html.size(); }, ExitOk));
}

}  // namespace

const Command htmlCommand = {
    "html", "CONFIG TRACE...", summary, details, options, run,
};
