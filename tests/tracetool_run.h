// tracetool run as a program on the example configuration and traces, for
// the tests of its view commands.
#pragma once

#include "program_run.h"

namespace examples {

inline const QString config = QStringLiteral(SSV_SOURCE_DIR "/examples/config/sequence.qares");
inline const QString traces = QStringLiteral(SSV_SOURCE_DIR "/examples/traces/");
inline const QString rtos = traces + "rtos.tdf";

inline ProgramRun tracetool(const QStringList& arguments)
{
    return runProgram(SSV_TRACETOOL, arguments);
}

// A command line that tracetool must refuse: exit status 2, nothing on
// standard output, standard error starting with `err`.
struct Refused {
    QStringList arguments;
    QString err;
};

template <std::size_t N>
void expectRefused(const Refused (&cases)[N])
{
    for (const Refused& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const ProgramRun run = tracetool(c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.err.startsWith(c.err)) << run.err.toStdString();
        EXPECT_EQ(run.out, QString());
    }
}

}  // namespace examples
