// tracetool config: loads resource files and summarizes their trace
// configurations.
#include "foundation/error.h"
#include "host/qares.h"
#include "tcf/tcf.h"
#include "tools/common/output.h"
#include "tools/tracetool/traceinput.h"
#include "tools/tracetool/tracetool.h"
#include "tools/tracetool/tracetool_summary.h"

#include <algorithm>
#include <iostream>
#include <memory>

namespace {

const char details[] = "Reads each FILE in the resource text format, loads the trace configurations\n"
                       "of its \"tcf\" resources and prints a summary of each one.  Problems go to\n"
                       "stderr: syntax errors as FILE:LINE:COLUMN: MESSAGE, configuration problems\n"
                       "as FILE:LINE:COLUMN: error: MESSAGE.  Control characters in the output are\n"
                       "escaped (\\e, \\r, \\x7f, ...).";

void printConfigurations(const QString& fileName, QARes* root)
{
    std::cout << "== " << fileName << "\n" << std::flush;
    std::unique_ptr<TCFList> list(readTCFFromResources(root));
    const int count = list ? list->count : 0;
    std::cout << count << (count == 1 ? " configuration\n" : " configurations\n");
    if (list) {
        for (const TCF* tcf : *list) {
            std::cout << "\n";
            printSummary(std::cout, *tcf);
        }
    }
    std::cout << std::flush;
}

// Loads and summarizes one file; returns its exit status.
int summarizeFile(const QString& fileName)
{
    std::unique_ptr<QARes> root;
    if (const int status = readResourceFile(fileName, &root); status != ExitOk)
        return status;
    const int errorsBefore = Error::error_count_;
    printConfigurations(fileName, root.get());
    return Error::error_count_ > errorsBefore ? ExitInputErrors : ExitOk;
}

int run(const QCommandLineParser& parser)
{
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty())
        return usageError(QCoreApplication::translate("tracetool", "no file given"));
    Error::setHandler(printReport);
    int status = ExitOk;
    for (const QString& file : files)
        status = std::max(status, summarizeFile(file));
    return status;
}

}  // namespace

const Command configCommand = {
    "config", "FILE...", "Loads resource files and summarizes their trace configurations.", details, nullptr, run,
};
