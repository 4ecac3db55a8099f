// stacksize-host: a small workbench for the stack-size viewer plug-in, for
// running it outside the workbench.  Its options and help are in options.cpp.
#include "describe.h"
#include "headless.h"
#include "hoststudio.h"
#include "loader.h"

#include "host/qafileutil.h"
#include "tools/common/command.h"
#include "tools/common/output.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <iostream>
#include <optional>

namespace {

int fail(int status, const QString& message)
{
    printError(message);
    return status;
}

// A program on PATH, or a path to an executable file (not a directory).
bool isExecutableFile(const QString& program)
{
    const QFileInfo found(QStandardPaths::findExecutable(program));
    const QFileInfo given(program);
    return (found.isFile() && found.isExecutable()) || (given.isFile() && given.isExecutable());
}

// What the user named must exist before anything runs.
bool checkInputs(const HostOptions& options, QString* error)
{
    for (const QString& file : options.files) {
        const QFileInfo info(file);
        if (!info.isFile()) {
            *error = (info.exists() ? QStringLiteral("not a file: %1") : QStringLiteral("no such file: %1")).arg(file);
            return false;
        }
    }
    if (!isExecutableFile(options.interpreter.first())) {
        *error = QStringLiteral("interpreter not found: %1").arg(options.interpreter.first());
        return false;
    }
    return true;
}

// Qt would stop at start-up without a display: use its offscreen platform.
void chooseQtPlatform()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        showOnlyQtErrors();
    }
}

// An opener started by create runs on after it returns; its output arrives
// through the event loop until it ends.
void waitForChildProcesses(const QObject* plugin)
{
    const auto running = [plugin] {
        const QList<QProcess*> processes = plugin->findChildren<QProcess*>();
        return std::any_of(processes.begin(), processes.end(),
                           [](const QProcess* process) { return process->state() != QProcess::NotRunning; });
    };
    while (running())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Opens the files; false when that gave no report: nothing to merge or open,
// or the script or the browser failed (the plug-in says which).
bool openFiles(QAStViewerPlugin* viewer, HostStudio* studio, const HostOptions& options)
{
    QStringList files = options.files;
    studio->outputWindow()->expectRawText();
    viewer->create(files, options.interactive, nullptr, nullptr);
    studio->outputWindow()->endRawText();
    waitForChildProcesses(viewer);
    return !viewer->property("report").toString().isEmpty();
}

// The plug-in reports nothing: a destination not written during the export
// means the copy failed, because of the destination when it cannot be
// written (exit status 2), else for want of a report (1).
int exportReport(QAStViewerPlugin* viewer, const HostOptions& options, ConsoleOutput* output)
{
    const QString destination =
        options.exportDirectory + QDir::separator() + options.exportBase + QStringLiteral(".html");
    const QDateTime started = QAFileUtil::fileClock();
    output->expectRawText();
    viewer->exportHTML(options.exportDirectory, options.exportBase, nullptr, nullptr);
    output->endRawText();
    if (QAFileUtil::writtenSince(destination, started))
        return ExitOk;
    const QFileInfo directory(options.exportDirectory);
    if (!directory.isDir() || !directory.isWritable() || QFileInfo(destination).isDir())
        return fail(ExitTrouble,
                    QStringLiteral("export to %1 failed: the destination cannot be written").arg(destination));
    return fail(
        ExitInputErrors,
        QStringLiteral("export to %1 failed: there is no report to copy, or it cannot be copied").arg(destination));
}

int run(QAStViewerPlugin* viewer, HostStudio* studio, const HostOptions& options)
{
    viewer->initialize(studio, nullptr);
    if (options.describe)
        printDescription(viewer, std::cout);
    if (!options.files.isEmpty() && !openFiles(viewer, studio, options))
        return fail(ExitInputErrors, QStringLiteral("no new report: nothing was merged or opened"));
    return options.exportDirectory.isNull() ? ExitOk : exportReport(viewer, options, studio->outputWindow());
}

int runHost(const QCommandLineParser& parser)
{
    HostOptions options;
    QString error;
    if (!readHostOptions(parser, &options, &error) || !checkInputs(options, &error))
        return usageError(error);
    chooseQtPlatform();
    replaceApplication<QApplication>();  // the options are the host's own, not Qt's (Qt has a -plugin too)
    std::optional<HeadlessDialogs> headless;
    if (isHeadlessPlatform())
        headless.emplace();
    HostStudio studio(options);  // outlives the plug-in, which keeps a pointer to it
    LoadedPlugin plugin;
    if (!loadPlugin(options.pluginPath, &plugin, &error))
        return fail(ExitInputErrors, error);
    const int status = run(plugin.viewer, &studio, options);
    releasePlugin(&plugin);
    return status;
}

const Program program = {
    "stacksize-host",
    "Exit status: 0 on success; 1 when the plug-in cannot be loaded, the files\n"
    "give no new report (nothing to merge or open, or the script or the browser\n"
    "failed) or there is no report to export; 2 on a bad command line, a missing\n"
    "file or interpreter, or an export destination that cannot be written.",
    nullptr,  // links only the host SDK, not the library that holds the translator
};

const Command host = {
    nullptr, "FILE...", "Runs the stack-size viewer plug-in outside the workbench.", hostDetails, hostOptions, runHost,
};

}  // namespace

int main(int argc, char** argv)
{
    return runProgram(program, host, argc, argv);
}
