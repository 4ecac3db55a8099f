// Runs one of the project's command-line programs and collects what it did.
#pragma once

#include "host/qafileutil.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>

struct ProgramRun {
    int status = -1;   // -1: it did not end by itself
    QString out, err;  // every byte kept, as QAFileUtil::decodeName gives it
};

struct ProgramStart {
    QString directory = QDir::tempPath();
    QByteArray path = qgetenv("PATH");
    QString redirect;  // a shell redirection of its output, as ">/dev/full"
    QString prelude;   // shell commands run before it, as "ulimit -f 0;"
    // LANG and LC_ALL, LANGUAGE unset: the locale whose translation the
    // program shows; none for C.
    QString locale = QStringLiteral("C.UTF-8");
};

inline ProgramRun runProgram(const QString& program, const QStringList& arguments, const ProgramStart& start = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PATH", QString::fromLocal8Bit(start.path));
    environment.insert("LANG", start.locale);
    environment.insert("LC_ALL", start.locale);
    environment.remove("LANGUAGE");
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(start.directory);
    if (start.redirect.isEmpty() && start.prelude.isEmpty())
        process.start(program, arguments);
    else
        process.start("/bin/sh",
                      QStringList{"-c", start.prelude + "exec \"$0\" \"$@\" " + start.redirect, program} + arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString() << " did not end";
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QAFileUtil::decodeName(process.readAllStandardOutput()),
            QAFileUtil::decodeName(process.readAllStandardError())};
}
