// tracetool dump: one readable line per trace object.
#include "tools/common/output.h"
#include "tools/tracetool/objectline.h"
#include "tools/tracetool/traceinput.h"
#include "tools/tracetool/tracetool.h"

#include <iostream>

namespace {

const char details[] = "Reads the traces as check does, then prints one line per object, in reading\n"
                       "order: its time, kind, name, who it concerns (sender -> receiver, or the\n"
                       "instance), then its link, style, note and glyph when it has them.";

QList<QCommandLineOption> options()
{
    return {timeFormatOption()};
}

int run(const QCommandLineParser& parser)
{
    TraceInput input;
    const int status = input.read(parser);
    if (status == ExitTrouble)
        return status;
    TDF& reader = input.reader();
    reader.setTimeFormat(parser.value(timeFormatOption()));
    for (TDFObject* object : reader.objects)
        std::cout << objectLine(reader, object) << '\n';
    return status;
}

}  // namespace

const Command dumpCommand = {
    "dump", "CONFIG TRACE...", "Prints one readable line per object of a trace.", details, options, run,
};
