// Command line of stacksize-host.
#pragma once

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
    bool help = false;
    QString exportDirectory;  // null: no export
    QString exportBase;
    QStringList files;
};

// Parses the arguments that follow the program name.  On a bad command line
// returns false and sets *error to a one-line explanation.
bool parseHostOptions(const QStringList& arguments, HostOptions* options, QString* error);

QString hostUsage();
