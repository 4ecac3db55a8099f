// The stack-size viewer: a workbench plug-in that turns stack-size result
// files (*.tsf with *.tzf) into an HTML report by running the workbench's
// merge script, opens existing reports (*.tzf.html) in the desktop's browser
// and exports the current report.
//
// The library exports two entry points (extern "C", declared at the end):
//   qt_ucm_query_verification_data()  the build record (QUcmBuildRecord)
//   ucm_instantiate()                 a new QAStSTKSZPlugin's interface
//
// The icon path, the current report and the studio interface are shared by
// every plug-in object of the library.  A script or browser that cannot
// start, fails or dies, and a merge that writes no report, are reported in
// the output window (the browser's start in a message box) and leave no
// current report, so that no stale report is exported as the new one.
#pragma once

#include "stacksizeview_export.h"

#include "host/viewerplugin.h"

#include <QProcess>

class STACKSIZEVIEW_EXPORT QAStSTKSZPlugin : public QAStViewerPlugin {
    Q_OBJECT
    // The report that exportHTML copies: the one merged or opened last;
    // empty when there is none.  For hosts that check a run's outcome.
    Q_PROPERTY(QString report READ report)

public:
    QAStSTKSZPlugin();

    QString name() const override;
    QString description() const override;
    QString author() const override;
    QString version() const override;
    void initialize(QUnknownInterface* host, QARes* resources) override;
    QStringList accept() override;
    QStringList filters() override;
    QWidget* create(QStringList& files, QWidget* parent, const char* name) override;
    QWidget* create(QStringList& files, bool interactive, QWidget* parent, const char* name) override;
    void exportHTML(const QString& directory, const QString& baseName, QAIProgressMonitor* progress,
                    QAILogMonitor* log) override;
    QWidget* openedWindow(const QString& file) override;
    void connectAccepted(QObject* receiver, const char* member) override;
    void connectRejected(QObject* receiver, const char* member) override;
    QWidget* preferenceSettings() override;
    QString pluginName(int kind) override;
    QString pluginIcon() override;
    QString pluginDescription() override;
    QString pluginCompanyName() override;
    QString pluginCompanyIcon() override;
    QString pluginCompanyDescription() override;
    QString pluginVersion() override;
    QDate pluginCreation() override;
    QList<QToolBar*> toolbars() override;

    // Runs the merge script over `scriptFiles` and waits for it to end.
    // False when there is no studio interface or the script cannot start.
    bool executeScript(QStringList& scriptFiles, bool interactive);
    // Opens `file` with the desktop's opener, without waiting for it.
    void executeBrowser(const QString& file);

    // The newest process launched (script or opener) until it has ended.
    QProcess* process;

    QString report() const;

public slots:
    // Pass every complete line waiting on standard output (error) to the
    // output window.
    virtual void readUpdate();
    virtual void readStderrUpdate();
    // Passes on what remains on both channels and disposes of the process.
    virtual void eofUpdate();

private:
    QProcess* launch(const QStringList& command, const QString& name);
    QProcess* signallingProcess() const;
};

// The component entry points that a host looks up by name.
extern "C" STACKSIZEVIEW_EXPORT const char* qt_ucm_query_verification_data();
extern "C" STACKSIZEVIEW_EXPORT QUnknownInterface* ucm_instantiate();
