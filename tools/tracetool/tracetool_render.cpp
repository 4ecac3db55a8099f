// tracetool render: a trace drawn as a sequence diagram, in SVG or PNG.
#include "host/qafileutil.h"
#include "render/sequencediagram.h"
#include "tools/common/command.h"
#include "tools/common/output.h"
#include "tools/common/outputfile.h"
#include "tools/tracetool/traceinput.h"
#include "tools/tracetool/tracetool.h"
#include "tools/tracetool/viewoptions.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

namespace {

const char summary[] = "Draws a trace as a sequence diagram in an SVG or PNG file (-o FILE).";

const char details[] = "Reads the traces as check does, then draws their events as a sequence\n"
                       "diagram, in the styles of the configuration: a column per instance (and\n"
                       "the world), a row per event, the times on the left.  FILE's ending chooses\n"
                       "the format: .svg or .png.  A long trace is drawn by windows: --from and\n"
                       "--count choose its events, counted from 0 in reading order as dump lists\n"
                       "them, --time by their times; the instances living across the window keep\n"
                       "their columns.  The filter options are those of every view (export,\n"
                       "html).  A trace with errors is drawn all the same, with exit status 1.";

QCommandLineOption outputOption()
{
    return QCommandLineOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                              QStringLiteral("write the picture to FILE, ending in .svg or .png"),
                              QStringLiteral("FILE"));
}

QCommandLineOption scaleOption()
{
    return QCommandLineOption(QStringLiteral("scale"),
                              QStringLiteral("draw S times the natural size, S from %1 to %2 (default 1)")
                                  .arg(SequenceDiagram::minScale)
                                  .arg(SequenceDiagram::maxScale),
                              QStringLiteral("S"));
}

QList<QCommandLineOption> options()
{
    return QList<QCommandLineOption>{outputOption(), scaleOption()} + viewOptions();
}

// The options as the renderer takes them; false after a usage error.
bool renderOptions(const QCommandLineParser& parser, RenderOptions* options, QString* output, int* status)
{
    *output = parser.value(outputOption());
    const QString suffix = QFileInfo(*output).suffix().toLower();
    bool scaleOk = true;
    options->scale = parser.isSet(scaleOption()) ? parser.value(scaleOption()).toDouble(&scaleOk) : 1.0;
    QString problem;
    if (!parser.isSet(outputOption()))
        problem = QCoreApplication::translate("tracetool", "no output file given (-o FILE)");
    else if (output->isEmpty())
        problem = QCoreApplication::translate("tracetool", "an empty output file name");
    else if (suffix != QLatin1String("svg") && suffix != QLatin1String("png"))
        problem =
            QCoreApplication::translate("tracetool", "the output file must end in .svg or .png: '%1'").arg(*output);
    else if (QFile::encodeName(*output) != QAFileUtil::encodeName(*output))
        problem =
            QCoreApplication::translate("tracetool", "the output file name is not valid UTF-8: '%1'").arg(*output);
    else if (!scaleOk || !(options->scale >= SequenceDiagram::minScale && options->scale <= SequenceDiagram::maxScale))
        problem = QCoreApplication::translate("tracetool", "--scale takes a number from %1 to %2: '%3'")
                      .arg(SequenceDiagram::minScale)
                      .arg(SequenceDiagram::maxScale)
                      .arg(parser.value(scaleOption()));
    if (!problem.isEmpty()) {
        *status = usageError(problem);
        return false;
    }
    return viewArguments(parser, &options->sequence, status);
}

// The renderer measures text with fonts: a QGuiApplication, on the
// offscreen platform since nothing is shown.
void startGuiApplication()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    showOnlyQtErrors();
    replaceApplication<QGuiApplication>();
}

int draw(TDF& reader, const RenderOptions& options, const QString& output)
{
    startGuiApplication();
    const SequenceDiagram diagram(reader, options);
    const bool png = QFileInfo(output).suffix().toLower() == QLatin1String("png");
    if (png && !diagram.fitsPng()) {
        printError(QCoreApplication::translate("tracetool",
                                               "the picture, %1 x %2 pixels, is too large for a PNG image; draw fewer "
                                               "events (--count, --time), fewer instances (--only, --hide, "
                                               "--component), a smaller picture (--scale) or an SVG")
                       .arg(diagram.size().width())
                       .arg(diagram.size().height()));
        return ExitTrouble;
    }
    return writeWholeFile(
        output,
        [&diagram, png](QIODevice& device, QString* reason) {
            return png ? diagram.writePng(&device, reason) : diagram.writeSvg(&device);
        },
        ExitOk);
}

int run(const QCommandLineParser& parser)
{
    int status = ExitOk;
    RenderOptions options;
    QString output;
    if (!traceArguments(parser, &status) || !renderOptions(parser, &options, &output, &status))
        return status;
    TraceInput input;
    status = input.read(parser);
    if (status == ExitTrouble || !viewWindowInTrace(parser, input.reader(), &options.sequence, &status))
        return status;
    return std::max(status, draw(input.reader(), options, output));
}

}  // namespace

const Command renderCommand = {
    "render", "CONFIG TRACE...", summary, details, options, run,
};
