// tracetool check: reads traces and reports every problem.
#include "tools/common/output.h"
#include "tools/tracetool/traceinput.h"
#include "tools/tracetool/tracetool.h"

#include <QCoreApplication>

#include <iostream>

namespace {

const char details[] = "Loads the trace configurations of CONFIG (a resource file), then reads each\n"
                       "TRACE in order with one reader, as the viewer does: definition blocks may\n"
                       "come in a file of their own.  Every problem goes to stderr as\n"
                       "FILE:LINE: error: MESSAGE (or warning:), and a last line counts them.";

// "N errors, M warnings", "1 error" and "1 warning" for one.  A language's
// own plural forms apply to the other numbers (French: 0 erreur).
QString countsText(int errors, int warnings)
{
    return (errors == 1 ? QCoreApplication::translate("tracetool", "1 error")
                        : QCoreApplication::translate("tracetool", "%n errors", nullptr, errors))
        + QStringLiteral(", ")
        + (warnings == 1 ? QCoreApplication::translate("tracetool", "1 warning")
                         : QCoreApplication::translate("tracetool", "%n warnings", nullptr, warnings));
}

int run(const QCommandLineParser& parser)
{
    TraceInput input;
    const int status = input.read(parser);
    if (status != ExitTrouble || input.errors() || input.warnings())
        std::cerr << countsText(input.errors(), input.warnings()) << '\n';
    return status;
}

}  // namespace

const Command checkCommand = {
    "check", "CONFIG TRACE...", "Reads traces and reports every problem in them.", details, nullptr, run,
};
