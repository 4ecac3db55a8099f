// Command lines of the command-line programs, parsed with QCommandLineParser.
//
// A program is one command (stacksize-host) or a table of subcommands
// (tracetool config ...): each command has its own options, positional
// arguments and --help, and runs with the parsed command line.  Every
// command has -h, --help; a single word after one dash is a long option
// (-help is --help); "--" ends the options.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <cstddef>

struct Command {
    const char* name;                        // a subcommand's name; null for the program itself
    const char* arguments;                   // what follows the options in the usage line
    const char* summary;                     // one sentence: what the command does
    const char* details;                     // the help's text before the options; may be empty
    QList<QCommandLineOption> (*options)();  // besides -h, --help; null for none
    int (*run)(const QCommandLineParser& parser);
};

struct Program {
    const char* name;
    const char* exitStatuses;  // the last paragraph of every help
};

// Runs a program that is the one command `command`: parses the arguments,
// prints the help or a command-line error, or runs the command.  Returns the
// exit status, raised when writing to standard output failed.
int runProgram(const Program& program, const Command& command, int argc, char** argv);

// Runs a program whose first argument names one of `commands`; the
// arguments after the name are that command's.
int runProgram(const Program& program, const char* summary, const Command* const* commands, std::size_t count, int argc,
               char** argv);

// Reports a problem with the command line: "PROGRAM: message", then where
// the running command's help is.  Returns ExitTrouble.
int usageError(const QString& message);
