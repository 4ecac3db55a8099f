#include "plugin/stacksizeview.h"

#include "host/qafileutil.h"
#include "host/qastnode.h"
#include "host/studio.h"
#include "plugin/mergecommand_p.h"
#include "plugin/processlines_p.h"

#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <iostream>

// Shared by every plug-in object of the library.
static QString iconPath;
static QString tzfHtmlFile;  // the current report
static StudioInterface* studioIFace = nullptr;

const char* qt_ucm_query_verification_data()
{
    return QUcmBuildRecord;
}

QUnknownInterface* ucm_instantiate()
{
    return (new QAStSTKSZPlugin)->iface();
}

namespace {

struct CurrentNode {
    QString name;  // null when there is no node
    QAStConfiguration* configuration = nullptr;
};

OutputWindow* outputWindow()
{
    return studioIFace ? studioIFace->outputWindow() : nullptr;
}

void showOutput(const QString& line)
{
    if (OutputWindow* window = outputWindow())
        window->appendOutput(line);
}

void showError(const QString& line)
{
    if (OutputWindow* window = outputWindow())
        window->appendError(line);
}

// What went wrong with a process that has ended, named by its object name;
// null when it succeeded.
QString failureOf(const QProcess* process)
{
    if (process->exitStatus() == QProcess::CrashExit)
        return QAStSTKSZPlugin::tr("%1 crashed or was killed", "%1 is a program").arg(process->objectName());
    if (process->exitCode() != 0)
        return QAStSTKSZPlugin::tr("%1 failed with exit status %2", "%1 is a program, %2 a number")
            .arg(process->objectName(), QString::number(process->exitCode()));
    return QString();
}

// The node interface the studio offers under its first key, with a reference
// for the caller; null when there is none.
QUnknownInterface* offeredNodeInterface(StudioInterface* studio)
{
    const QStringList keys = studio->findKeys(NodeInterface::IID);
    QUnknownInterface* found = nullptr;
    if (!keys.isEmpty())
        studio->findInterface(keys.first(), NodeInterface::IID, &found);
    return found;
}

// The offered node's name and configuration, read while the interface is held.
CurrentNode currentNode(StudioInterface* studio)
{
    CurrentNode current;
    QUnknownInterface* found = offeredNodeInterface(studio);
    if (!found)
        return current;
    const QAStTarget* target = static_cast<NodeInterface*>(found)->target();
    if (QAStBaseNode* node = target ? target->node() : nullptr) {
        current.name = node->nodeName();
        if (auto* configurationNode = qobject_cast<QAStNode*>(node))
            current.configuration = configurationNode->currentConfiguration();
    }
    found->release();
    return current;
}

// The whole-name, case-insensitive wildcard match of "*" + extension.  (Qt's
// wildcard conversion would keep "*" from matching a directory separator.)
bool hasExtension(const QString& file, const char* extension)
{
    return file.endsWith(QLatin1String(extension), Qt::CaseInsensitive);
}

}  // namespace

QAStSTKSZPlugin::QAStSTKSZPlugin() : process(nullptr) {}

QString QAStSTKSZPlugin::report() const
{
    return tzfHtmlFile;
}

QString QAStSTKSZPlugin::name() const
{
    return QStringLiteral("DOR");
}

QString QAStSTKSZPlugin::description() const
{
    return tr("The Stack Size Viewer", "Stack Size Plugin Description");
}

QString QAStSTKSZPlugin::author() const
{
    return tr("Ostrel Quillon Runvista Gui Team", "Stack Size Plugin Author");
}

QString QAStSTKSZPlugin::version() const
{
    return tr("Version 1.0.0", "Stack Size Plugin Version");
}

void QAStSTKSZPlugin::initialize(QUnknownInterface* host, QARes*)
{
    if (!host) {
        studioIFace = nullptr;
        return;
    }
    QUnknownInterface* studio = nullptr;
    host->queryInterface(StudioInterface::IID, &studio);
    studioIFace = static_cast<StudioInterface*>(studio);
    if (studioIFace)
        iconPath = studioIFace->imagesDirectory() + QDir::separator() + QStringLiteral("stacksize.png");
}

QStringList QAStSTKSZPlugin::accept()
{
    return {QStringLiteral("*.tzf.html;*.tsf;*.tzf"), QStringLiteral("*.tzf.html"), QStringLiteral("*.tsf;*.tzf")};
}

QStringList QAStSTKSZPlugin::filters()
{
    return {tr("Stack Size", "Stack Size Plugin Extended Filters") + QStringLiteral(" (*.tsf;*.tzf;*.tzf.json)")};
}

QWidget* QAStSTKSZPlugin::create(QStringList& files, QWidget* parent, const char* name)
{
    return create(files, false, parent, name);
}

// Result files go to the merge script; one report alone (and at most one
// .tzf) is opened in the browser instead.  Each name is echoed on standard
// output.
QWidget* QAStSTKSZPlugin::create(QStringList& files, bool interactive, QWidget*, const char*)
{
    tzfHtmlFile = QString(QLatin1String(""));
    QStringList scriptFiles;
    int tzfCount = 0, tsfCount = 0, htmlCount = 0;
    for (const QString& file : files) {
        std::cout << file.toLocal8Bit().constData();
        if (hasExtension(file, ".tzf")) {
            if (!scriptFiles.contains(file)) {
                scriptFiles << file;
                ++tzfCount;
            }
        } else if (hasExtension(file, ".tsf")) {
            scriptFiles << file;
            ++tsfCount;
        } else if (hasExtension(file, ".tzf.html") && file != tzfHtmlFile) {
            tzfHtmlFile = file;
            ++htmlCount;
        }
    }
    if (tzfCount <= 1 && htmlCount == 1) {
        if (interactive)
            executeBrowser(tzfHtmlFile);
    } else if (tsfCount >= 1 && tzfCount >= 1) {
        executeScript(scriptFiles, interactive);
    }
    return nullptr;
}

void QAStSTKSZPlugin::exportHTML(const QString& directory, const QString& baseName, QAIProgressMonitor*, QAILogMonitor*)
{
    const QString destination = directory + QDir::separator() + baseName + QStringLiteral(".html");
    std::cout << destination.toLocal8Bit().constData();
    QAFileUtil::copyFile(tzfHtmlFile, destination);
}

QWidget* QAStSTKSZPlugin::openedWindow(const QString&)
{
    return nullptr;
}

void QAStSTKSZPlugin::connectAccepted(QObject*, const char*) {}

void QAStSTKSZPlugin::connectRejected(QObject*, const char*) {}

QWidget* QAStSTKSZPlugin::preferenceSettings()
{
    return nullptr;
}

QString QAStSTKSZPlugin::pluginName(int kind)
{
    switch (kind) {
    case 1:
        return tr("Stack Size Profile", "Short Name for menus");
    case 2:
        return tr("Stack Size Profile", "long Name");
    case 3:
        return tr("Stack Size Profiling Report", "Report Name");
    default:
        return tr("Ostrel Quillon Runvista Stack Size", "Plugin Name");
    }
}

QString QAStSTKSZPlugin::pluginIcon()
{
    return iconPath;
}

QString QAStSTKSZPlugin::pluginDescription()
{
    return tr("Ostrel Quillon Runvista Stack Size Viewer Description", "Plugin Description");
}

QString QAStSTKSZPlugin::pluginCompanyName()
{
    return tr("Ostrel Quillon", "Plugin Company Name");
}

QString QAStSTKSZPlugin::pluginCompanyIcon()
{
    return QStringLiteral("logo_90x90.xpm");
}

QString QAStSTKSZPlugin::pluginCompanyDescription()
{
    return tr("Ostrel Quillon, This plugin launch a Stack Size viewer for Ostrel Quillon Runvista.",
              "Plugin Company Description");
}

QString QAStSTKSZPlugin::pluginVersion()
{
    return tr("Version 1.1.0", "Plugin Version");
}

QDate QAStSTKSZPlugin::pluginCreation()
{
    return QDate::currentDate();
}

QList<QToolBar*> QAStSTKSZPlugin::toolbars()
{
    return {};
}

// The script's output keeps flowing while we wait: waitForFinished reads both
// pipes and emits the signals the slots are connected to, eofUpdate included,
// which reports a failed script and drops its report.  A report the script
// did not write anew is dropped too: it is left from an earlier run.
bool QAStSTKSZPlugin::executeScript(QStringList& scriptFiles, bool interactive)
{
    if (!studioIFace)
        return false;
    const CurrentNode node = currentNode(studioIFace);
    const QString report = mergeReportName(interactive, node.name);
    const MergeCommand command = mergeCommand(studioIFace->scriptCommand(), studioIFace->scriptsDirectory(),
                                              scriptFiles, interactive, report, node.configuration);
    showOutput(command.echo);
    const QDateTime started = QAFileUtil::fileClock();
    tzfHtmlFile = report;
    const QPointer<QProcess> script = process = launch(command.arguments, command.script);
    if (!script) {
        tzfHtmlFile.clear();
        return false;
    }
    script->waitForFinished(-1);
    if (!tzfHtmlFile.isEmpty() && !QAFileUtil::writtenSince(report, started)) {
        showError(tr("%1 wrote no report %2", "%1 is a script, %2 a file name").arg(command.script, report));
        tzfHtmlFile.clear();
    }
    return true;
}

void QAStSTKSZPlugin::executeBrowser(const QString& file)
{
    const QString opener = QStringLiteral("xdg-open");
    const QString command = opener + QLatin1Char(' ') + file;
    showOutput(command);
    process = launch({opener, file}, opener);
    if (process) {
        QGuiApplication::restoreOverrideCursor();
        return;
    }
    tzfHtmlFile.clear();
    QMessageBox::critical(nullptr, tr("Help Module Error"),
                          tr("%1\nUnable to run command", "%1 is a command").arg(command));
}

// A process object named `name`, with the slots connected, started; null
// when it could not start, which is reported.  Its standard input is empty,
// so a script that reads it ends.
QProcess* QAStSTKSZPlugin::launch(const QStringList& command, const QString& name)
{
    auto* started = new QProcess(this);
    started->setObjectName(name);
    started->setProgram(command.first());
    started->setArguments(command.mid(1));
    started->setStandardInputFile(QProcess::nullDevice());
    connect(started, &QProcess::readyReadStandardError, this, &QAStSTKSZPlugin::readStderrUpdate);
    connect(started, &QProcess::readyReadStandardOutput, this, &QAStSTKSZPlugin::readUpdate);
    connect(started, &QProcess::finished, this, &QAStSTKSZPlugin::eofUpdate);
    started->start();
    if (started->waitForStarted())
        return started;
    showError(tr("cannot start %1: %2", "%1 is a program, %2 the system's reason")
                  .arg(command.first(), started->errorString()));
    delete started;
    return nullptr;
}

// The plug-in's process whose signal runs the slot; for a direct call, the
// newest one.
QProcess* QAStSTKSZPlugin::signallingProcess() const
{
    auto* signalling = qobject_cast<QProcess*>(sender());
    return signalling && signalling->parent() == this ? signalling : process;
}

void QAStSTKSZPlugin::readUpdate()
{
    if (QProcess* source = signallingProcess())
        passLines(source, QProcess::StandardOutput, outputWindow(), LinesToPass::Complete);
}

void QAStSTKSZPlugin::readStderrUpdate()
{
    if (QProcess* source = signallingProcess())
        passLines(source, QProcess::StandardError, outputWindow(), LinesToPass::Complete);
}

// Finished arrives from inside QProcess (from waitForFinished, for the
// script): the object is disposed of once control is back in the event loop.
void QAStSTKSZPlugin::eofUpdate()
{
    QProcess* finished = signallingProcess();
    if (!finished)
        return;
    passLines(finished, QProcess::StandardOutput, outputWindow(), LinesToPass::All);
    passLines(finished, QProcess::StandardError, outputWindow(), LinesToPass::All);
    const QString failure = failureOf(finished);
    if (!failure.isNull()) {
        showError(failure);
        if (finished == process)
            tzfHtmlFile.clear();
    }
    finished->deleteLater();
    if (finished == process)
        process = nullptr;
}
