// The command line of the workbench's merge script "mergestacksize.pl" and
// the line that echoes it in the output window.
#pragma once

#include <QString>
#include <QStringList>

class QAStConfiguration;

struct MergeCommand {
    QString script;         // the script's file name, for messages
    QStringList arguments;  // the program to start first
    QString echo;
};

// The bare file name of the report the script is told to write.
QString mergeReportName(bool interactive, const QString& nodeName);

// `interpreter` comes first, then the script's path, "-silent" unless
// interactive, the result files (those whose names start with '-' as
// "./-..."), the report option and the options taken from `configuration`
// (which may be null).  The echo names the script, the files and the
// options only.
MergeCommand mergeCommand(const QStringList& interpreter, const QString& scriptsDirectory,
                          const QStringList& scriptFiles, bool interactive, const QString& reportName,
                          const QAStConfiguration* configuration);
