// What the trace commands of tracetool read: one configuration file, then
// trace files read one after the other by one reader (so that definition
// blocks may come in a file of their own).  Every report is printed on
// standard error as FILE:LINE: error: MESSAGE (or warning:), and counted.
#pragma once

#include "foundation/error.h"
#include "host/qares.h"
#include "tcf/tcf.h"
#include "tdf/tdf.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

#include <functional>
#include <memory>
#include <ostream>

class TraceInput {
public:
    TraceInput();
    ~TraceInput();
    TraceInput(const TraceInput&) = delete;
    TraceInput& operator=(const TraceInput&) = delete;

    // Reads the configuration file, then the traces; stops at the first file
    // that cannot be read.  Returns the exit status so far: ExitTrouble for an
    // unreadable file, ExitInputErrors when a report was an error.
    int read(const QString& configuration, const QStringList& traces);
    // The same for a trace command's positional arguments, CONFIG TRACE...;
    // a usage error (ExitTrouble) when fewer than two are given.
    int read(const QCommandLineParser& parser);

    TDF& reader() { return *reader_; }
    TCFList& configurations() { return *configurations_; }
    int errors() const;
    int warnings() const;

private:
    std::unique_ptr<TCFList> configurations_;
    std::unique_ptr<TDF> reader_;
    int errorsBefore_;
    int warningsBefore_;
    int syntaxErrors_ = 0;  // of the configuration file, which the error reporter does not count

    int loadConfiguration(const QString& fileName);
    int readTrace(const QString& fileName);
};

// A report as the commands print it after its place: "error: MESSAGE" or
// "warning: MESSAGE", translated, without the message's trailing line feeds.
QString reportText(Error::Severity severity, const QString& message);

// The error reporter's handler of the commands: a report the way compilers
// print them, FILE:LINE:COLUMN: error: MESSAGE, leaving out the parts that
// are not known.
void printReport(Error::Severity severity, const QString& message, const QString& fileName, int line, int column);

// True when `fileName` names something to read from (a file, a pipe or a
// device); else says why ("no such file", "not a readable file") and false.
bool isReadable(const QString& fileName);

// Reads a file of resource text into *root.  Returns ExitTrouble after
// saying why when the file cannot be read, ExitInputErrors after printing
// the syntax error, else ExitOk.
int readResourceFile(const QString& fileName, std::unique_ptr<QARes>* root);

// False, with a usage error in *status, when a trace command is given fewer
// positional arguments than CONFIG TRACE.
bool traceArguments(const QCommandLineParser& parser, int* status);

// The whole number of `option`, at least `least`, into *value, which keeps
// its default when the option is not given; a number larger than an int
// holds is as good as the largest.  False, with a usage error in *status,
// for anything else.
bool wholeNumberArgument(const QCommandLineParser& parser, const QCommandLineOption& option, int least, int* value,
                         int* status);

// --time-format FORMAT, shared by the commands that show times.
QCommandLineOption timeFormatOption();

// --from N and --count N: the window of events of the commands that draw a
// trace, counted from 0 in reading order as dump lists them.
QCommandLineOption fromOption();
QCommandLineOption countOption();
// Reads --from (from 0) and --count (from 1) into *from and *count, which
// keep their defaults for an option not given; a number larger than an int
// holds is as good as the largest.  False, with a usage error in *status,
// for anything else.
bool windowArguments(const QCommandLineParser& parser, int* from, int* count, int* status);
// False, with a usage error in *status, when --from (`from` as read by
// windowArguments) is past the last event of a trace that has events.
bool windowStartsInTrace(const TDF& reader, const QCommandLineParser& parser, int from, int* status);

// -o, --output FILE, shared by the commands that write a file.
QCommandLineOption outputOption();
// False, with a usage error in *status, when -o is given an empty name.
bool outputArgument(const QCommandLineParser& parser, int* status);
// Calls `write` with standard output, or with the file that -o names ("-"
// is standard output), which is written whole or not at all (see
// tools/common/outputfile.h).  On a terminal the control characters of the
// text are escaped, but for line feeds and tabs.
// Returns `status`, or ExitTrouble after saying so when the file cannot be
// written.
int writeOutput(const QCommandLineParser& parser, const std::function<void(std::ostream&)>& write, int status);
