// tracetool config: loads resource files and summarizes their trace
// configurations.
#include "foundation/error.h"
#include "host/qares.h"
#include "tcf/tcf.h"
#include "tools/tracetool/tracetool.h"
#include "tools/tracetool/tracetool_summary.h"

#include <QFileInfo>

#include <algorithm>
#include <iostream>
#include <memory>

namespace {

const char help[] = "Usage: tracetool config [--help] [--] FILE...\n"
                    "\n"
                    "Reads each FILE in the resource text format, loads the trace configurations\n"
                    "of its \"tcf\" resources and prints a summary of each one.  Problems go to\n"
                    "stderr: syntax errors as FILE:LINE:COLUMN: MESSAGE, configuration problems\n"
                    "as FILE:LINE:COLUMN: error: MESSAGE.\n"
                    "\n"
                    "Exit status: 0 when every file loads without an error, 1 after a syntax or\n"
                    "configuration error, 2 for a bad command line or an unreadable file.\n";

// Prints a loader report the way compilers do, one line each.
void printReport(Error::Severity severity, const QString& message, const QString& fileName, int line, int column)
{
    QString text = message;
    while (text.endsWith(u'\n'))
        text.chop(1);
    std::cerr << fileName << ':' << line << ':' << column << ": "
              << (severity == Error::ErrorSeverity ? "error: " : "warning: ") << text << "\n";
}

// Loads and summarizes one file; returns its exit status.
int summarizeFile(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (!info.isFile() || !info.isReadable()) {
        std::cerr << "tracetool: cannot read '" << fileName
                  << "': " << (info.exists() ? "not a readable file" : "no such file") << "\n";
        return ExitUsage;
    }
    QString syntaxError;
    std::unique_ptr<QARes> root(readResourceFile(fileName, &syntaxError));
    if (!syntaxError.isEmpty()) {
        std::cerr << syntaxError << "\n";
        return ExitFailure;
    }
    std::cout << "== " << fileName << "\n" << std::flush;
    const int errorsBefore = Error::error_count_;
    std::unique_ptr<TCFList> list(readTCFFromResources(root.get()));
    const int count = list ? list->count : 0;
    std::cout << count << (count == 1 ? " configuration\n" : " configurations\n");
    if (list) {
        for (const TCF* tcf : *list) {
            std::cout << "\n";
            printSummary(std::cout, *tcf);
        }
    }
    std::cout << std::flush;
    return Error::error_count_ > errorsBefore ? ExitFailure : ExitOk;
}

}  // namespace

int runConfig(const QStringList& arguments)
{
    QStringList files;
    bool options = true;
    for (const QString& argument : arguments) {
        if (options && argument == QLatin1String("--")) {
            options = false;
        } else if (options && (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            std::cout << help;
            return ExitOk;
        } else if (options && argument.startsWith(u'-') && argument.size() > 1) {
            return usageError(QStringLiteral("config: unknown option '%1'").arg(argument));
        } else {
            files << argument;
        }
    }
    if (files.isEmpty())
        return usageError(QStringLiteral("config: no file given"));
    Error::setHandler(printReport);
    int status = ExitOk;
    for (const QString& file : files)
        status = std::max(status, summarizeFile(file));
    return status;
}
