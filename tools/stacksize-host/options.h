// Command line of stacksize-host.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

struct HostOptions {
    QString pluginPath = QStringLiteral("libstacksizeview.so.1");
    QString scriptsDirectory = QStringLiteral(".");
    QStringList interpreter{QStringLiteral("perl")};
    QString imagesDirectory = QStringLiteral(".");
    QString nodeName;  // null: the studio offers no node
    QList<QPair<QString, QString>> configuration;
    bool interactive = false;
    bool describe = false;
    QString exportDirectory;  // null: no export
    QString exportBase;
    QStringList files;
};

// The options of stacksize-host, besides -h, --help.
QList<QCommandLineOption> hostOptions();

// The help's text between the usage line and the options.
extern const char hostDetails[];

// Takes the options and files from `parser`, which parsed hostOptions().  On
// a bad command line returns false and sets *error to a one-line explanation.
bool readHostOptions(const QCommandLineParser& parser, HostOptions* options, QString* error);
