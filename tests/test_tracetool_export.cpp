// tracetool export run as a program: its command line, its exit statuses
// and the diagrams it writes, which are the committed expected diagrams.
#include "program_run.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

const QString config = QStringLiteral(SSV_SOURCE_DIR "/examples/config/sequence.qares");
const QString rtos = QStringLiteral(SSV_SOURCE_DIR "/examples/traces/rtos.tdf");

ProgramRun tracetool(const QStringList& arguments, const QString& redirect = QString())
{
    ProgramStart start;
    start.redirect = redirect;
    return runProgram(SSV_TRACETOOL, QStringList{"export"} + arguments, start);
}

QString golden(const char* name)
{
    QFile file(QStringLiteral(SSV_SOURCE_DIR "/tests/golden/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString usage(const char* problem)
{
    return "tracetool: " + QString(problem) + "\nTry 'tracetool export --help'.\n";
}

TEST(TraceToolExport, CommandLineProblemsAreUsageErrors)
{
    struct Case {
        QStringList arguments;
        QString err;
    };
    const Case cases[] = {
        {{config, rtos}, usage("no --format given (plantuml or mermaid)")},
        {{"--format", "dot", config, rtos}, usage("unknown format 'dot' (plantuml or mermaid)")},
        {{"--format", "PlantUML", config, rtos}, usage("unknown format 'PlantUML' (plantuml or mermaid)")},
        {{"-f", "mermaid", "--from", "-1", config, rtos}, usage("--from takes a whole number from 0 up, not '-1'")},
        {{"-f", "mermaid", "--count", "ten", config, rtos}, usage("--count takes a whole number from 0 up, not 'ten'")},
        {{"-f", "mermaid", "--count", "", config, rtos}, usage("--count takes a whole number from 0 up, not ''")},
        {{"-f", "mermaid", "-o", "", config, rtos}, usage("an empty output file name")},
        {{"-f", "mermaid", config}, usage("no trace file given")},
        {{"-f", "mermaid", "--from"}, usage("missing value after '--from'")},
        {{"-f", "mermaid", config, rtos + ".missing"}, "tracetool: cannot read '" + rtos + ".missing': no such file\n"},
        {{"-f", "mermaid", "-o", "/nonexistent/dir/out.mmd", config, rtos},
         "tracetool: cannot write '/nonexistent/dir/out.mmd'\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const ProgramRun run = tracetool(c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.toStdString(), c.err.toStdString());
        EXPECT_EQ(run.out, QString());
    }
}

TEST(TraceToolExport, WritesTheDiagramsOfTheLibrary)
{
    const ProgramRun plantuml = tracetool({"--format", "plantuml", config, rtos});
    EXPECT_EQ(plantuml.status, 0) << plantuml.err.toStdString();
    EXPECT_EQ(plantuml.out.toStdString(), golden("rtos.puml").toStdString());

    QTemporaryDir dir;
    const QString output = dir.filePath("window.mmd");
    const ProgramRun window = tracetool({"-f", "mermaid", "--from", "12", "--count", "14", "-o", output, config, rtos});
    EXPECT_EQ(window.status, 0) << window.err.toStdString();
    EXPECT_EQ(window.out, QString());
    QFile file(output);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()).toStdString(), golden("rtos-window.mmd").toStdString());

    const ProgramRun times = tracetool({"-f", "plantuml", "--time-format", "%Mmn %ss %mms %uus", config, rtos});
    EXPECT_EQ(times.out.toStdString(), golden("rtos-times.puml").toStdString());
}

TEST(TraceToolExport, TraceWithErrorsStillGivesItsDiagram)
{
    const ProgramRun run =
        tracetool({"-f", "mermaid", config, QStringLiteral(SSV_SOURCE_DIR "/examples/traces/mistakes.tdf")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("mistakes.tdf:2: error: no definition block while reading message\n"));
    EXPECT_EQ(run.out.toStdString(), golden("mistakes.mmd").toStdString());
    EXPECT_EQ(tracetool({"-f", "mermaid", "--from", "99999999999", config, rtos}).out,
              "sequenceDiagram\n    actor World\n");
    EXPECT_EQ(tracetool({"-f", "plantuml", config, rtos}, ">/dev/full").status, 2);
}

}  // namespace
