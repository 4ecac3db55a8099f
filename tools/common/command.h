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
#include <QCoreApplication>
#include <QList>
#include <QLocale>
#include <cstddef>
#include <memory>

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
    // Installs the translation of the program's texts for a locale (see
    // foundation/translation.h); null for none.
    bool (*installTranslator)(const QLocale& locale);
};

// Runs a program that is the one command `command`: parses the arguments,
// prints the help or a command-line error, or runs the command.  Returns the
// exit status, raised when writing to standard output failed.
//
// The program runs in a QCoreApplication, made first, with the program's
// translator installed for the system locale (LC_ALL, LC_MESSAGES, LANG,
// LANGUAGE): its messages come out translated.
int runProgram(const Program& program, const Command& command, int argc, char** argv);

// Runs a program whose first argument names one of `commands`; the
// arguments after the name are that command's.
int runProgram(const Program& program, const char* summary, const Command* const* commands, std::size_t count, int argc,
               char** argv);

// Replaces the program's QCoreApplication by an application of the class
// `Application` (QGuiApplication, QApplication), for a command that measures
// text or shows windows, and installs the program's translator in it again.
// It is made with the program's name as its only argument (none of Qt's
// options) and lasts until the program ends.
void replaceApplication(std::unique_ptr<QCoreApplication> (*make)(int& argc, char** argv));

template <class Application>
void replaceApplication()
{
    replaceApplication([](int& argc, char** argv) -> std::unique_ptr<QCoreApplication> {
        return std::make_unique<Application>(argc, argv);
    });
}

// Reports a problem with the command line: "PROGRAM: message", then where
// the running command's help is.  Returns ExitTrouble.
int usageError(const QString& message);
