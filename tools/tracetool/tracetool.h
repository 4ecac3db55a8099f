// tracetool: command-line work on trace configurations.
//
// Each subcommand is one entry of the table in tracetool.cpp; it gets the
// arguments that follow its name and returns the process's exit status.
#pragma once

#include <QStringList>
#include <ostream>

enum ExitStatus {
    ExitOk = 0,
    ExitFailure = 1,  // the input has problems (syntax or loader errors)
    ExitUsage = 2,    // bad command line or unreadable file
};

struct Command {
    const char* name;
    const char* synopsis;
    const char* summary;
    int (*run)(const QStringList& arguments);
};

// Writes `text` in the local 8-bit encoding, like every text the tool prints.
std::ostream& operator<<(std::ostream& out, const QString& text);

// Reports a command-line problem on stderr and returns ExitUsage.
int usageError(const QString& message);

int runConfig(const QStringList& arguments);
