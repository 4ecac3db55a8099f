// The base class of the workbench's viewer plug-ins.  The workbench drives a
// viewer through these operations: self-description, the file patterns it
// opens, opening files and exporting the current view as HTML.
#pragma once

#include "hostsdk_export.h"

#include "host/qgplugin.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class QAILogMonitor;
class QAIProgressMonitor;
class QARes;
class QToolBar;
class QWidget;

class HOSTSDK_EXPORT QAStViewerPlugin : public QGPlugin {
    Q_OBJECT

public:
    QAStViewerPlugin() = default;
    ~QAStViewerPlugin() override;

    virtual QString name() const = 0;
    virtual QString description() const = 0;
    virtual QString author() const = 0;
    virtual QString version() const = 0;
    // Called once the plug-in is loaded; `host` offers the workbench's
    // interfaces, `resources` its configuration tree.
    virtual void initialize(QUnknownInterface* host, QARes* resources) = 0;
    // File patterns the viewer opens, for the workbench's file dialogs.
    virtual QStringList accept() = 0;
    virtual QStringList filters() = 0;
    // Opens `files`; returns the viewer's window, if it made one.
    virtual QWidget* create(QStringList& files, QWidget* parent, const char* name) = 0;
    virtual QWidget* create(QStringList& files, bool interactive, QWidget* parent, const char* name) = 0;
    virtual void exportHTML(const QString& directory, const QString& baseName, QAIProgressMonitor* progress,
                            QAILogMonitor* log) = 0;
    virtual QWidget* openedWindow(const QString& file) = 0;
    virtual void connectAccepted(QObject* receiver, const char* member) = 0;
    virtual void connectRejected(QObject* receiver, const char* member) = 0;
    virtual QWidget* preferenceSettings() = 0;
    // kind 1: short name for menus, 2: long name, 3: report name, other: plug-in name.
    virtual QString pluginName(int kind) = 0;
    virtual QString pluginIcon() = 0;
    virtual QString pluginDescription() = 0;
    virtual QString pluginCompanyName() = 0;
    virtual QString pluginCompanyIcon() = 0;
    virtual QString pluginCompanyDescription() = 0;
    // No copyright notice unless the plug-in gives one.
    virtual QString pluginCopyRight();
    virtual QString pluginVersion() = 0;
    virtual QDate pluginCreation() = 0;
    virtual QList<QToolBar*> toolbars() = 0;
};
