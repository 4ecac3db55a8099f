// stacksize-host: a small workbench for the stack-size viewer plug-in, for
// running it outside the workbench.  See hostUsage() in options.cpp.
#include "describe.h"
#include "headless.h"
#include "hoststudio.h"
#include "loader.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <iostream>
#include <optional>

namespace {

enum ExitStatus { Success = 0, Failure = 1, UsageError = 2 };

int fail(int status, const QString& message)
{
    std::cerr << "stacksize-host: " << message.toLocal8Bit().constData() << '\n';
    if (status == UsageError)
        std::cerr << "Try 'stacksize-host --help'.\n";
    return status;
}

QStringList commandLine(int argc, char** argv)
{
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments << QString::fromLocal8Bit(argv[index]);
    return arguments;
}

// What the user named must exist before anything runs.
bool checkInputs(const HostOptions& options, QString* error)
{
    for (const QString& file : options.files) {
        if (!QFileInfo(file).isFile()) {
            *error = QStringLiteral("no such file: %1").arg(file);
            return false;
        }
    }
    if (QStandardPaths::findExecutable(options.interpreter.first()).isEmpty()
        && !QFileInfo(options.interpreter.first()).isExecutable()) {
        *error = QStringLiteral("interpreter not found: %1").arg(options.interpreter.first());
        return false;
    }
    return true;
}

// Qt would stop at start-up without a display: use its offscreen platform.
void chooseQtPlatform()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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

// The plug-in reports nothing: a destination that is missing or unchanged
// afterwards means the copy failed.
int exportReport(QAStViewerPlugin* viewer, const HostOptions& options, ConsoleOutput* output)
{
    const QString destination =
        options.exportDirectory + QDir::separator() + options.exportBase + QStringLiteral(".html");
    const QDateTime before = QFileInfo(destination).lastModified();
    output->expectRawText();
    viewer->exportHTML(options.exportDirectory, options.exportBase, nullptr, nullptr);
    output->endRawText();
    const QDateTime after = QFileInfo(destination).lastModified();
    if (after.isValid() && after != before)
        return Success;
    return fail(Failure,
                QStringLiteral("export to %1 failed: there is no report to copy, or the destination "
                               "cannot be written")
                    .arg(destination));
}

int run(QAStViewerPlugin* viewer, HostStudio* studio, const HostOptions& options)
{
    viewer->initialize(studio, nullptr);
    if (options.describe)
        printDescription(viewer, std::cout);
    if (!options.files.isEmpty()) {
        QStringList files = options.files;
        studio->outputWindow()->expectRawText();
        viewer->create(files, options.interactive, nullptr, nullptr);
        studio->outputWindow()->endRawText();
        waitForChildProcesses(viewer);
    }
    return options.exportDirectory.isNull() ? Success : exportReport(viewer, options, studio->outputWindow());
}

}  // namespace

int main(int argc, char** argv)
{
    HostOptions options;
    QString error;
    if (!parseHostOptions(commandLine(argc, argv), &options, &error))
        return fail(UsageError, error);
    if (options.help) {
        std::cout << hostUsage().toLocal8Bit().constData();
        return Success;
    }
    if (!checkInputs(options, &error))
        return fail(UsageError, error);
    chooseQtPlatform();
    int qtArgumentCount = 1;  // the options are the host's own, not Qt's (Qt has a -plugin too)
    QApplication application(qtArgumentCount, argv);
    std::optional<HeadlessDialogs> headless;
    if (isHeadlessPlatform())
        headless.emplace();
    HostStudio studio(options);  // outlives the plug-in, which keeps a pointer to it
    LoadedPlugin plugin;
    if (!loadPlugin(options.pluginPath, &plugin, &error))
        return fail(Failure, error);
    const int status = run(plugin.viewer, &studio, options);
    releasePlugin(&plugin);
    return status;
}
