// The trace commands of tracetool, run as a program on the example traces:
// exit statuses, reports, dumps, statistics, rewrites that read back, and
// exported diagrams, which are the committed expected diagrams.
#include "program_run.h"

#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QString config = QStringLiteral(SSV_SOURCE_DIR "/examples/config/sequence.qares");
const QString traces = QStringLiteral(SSV_SOURCE_DIR "/examples/traces/");

ProgramRun tracetool(const QStringList& arguments, const QString& redirect = QString())
{
    ProgramStart start;
    start.redirect = redirect;
    return runProgram(SSV_TRACETOOL, arguments, start);
}

// Whether the programs run under AddressSanitizer, which needs more address
// space than a memory limit leaves.
#if defined(__SANITIZE_ADDRESS__)
const bool addressSanitizer = true;
#elif defined(__has_feature)
const bool addressSanitizer = __has_feature(address_sanitizer);
#else
const bool addressSanitizer = false;
#endif

QString usage(const char* problem, const char* command)
{
    return "tracetool: " + QString(problem) + "\nTry 'tracetool " + command + " --help'.\n";
}

TEST(TraceToolTrace, ExitStatusesAndReports)
{
    const QString rtos = traces + "rtos.tdf";
    const QString mistakes = traces + "mistakes.tdf";
    struct Case {
        QStringList arguments;
        int status;
        QStringList err;  // pieces of standard error, in order
    };
    const Case cases[] = {
        {{"check", config, rtos}, 0, {"0 errors, 0 warnings\n"}},
        {{"check", config, mistakes},
         1,
         {mistakes + ":2: error: no definition block while reading message\n",
          mistakes + ":26: warning: due to previous error, restart analyzing at this line (2 lines skipped)\n",
          "13 errors, 1 warning\n"}},
        {{"check"}, 2, {usage("no configuration file given", "check")}},
        {{"check", config}, 2, {usage("no trace file given", "check")}},
        {{"check", config, traces + "missing.tdf"},
         2,
         {"tracetool: cannot read '" + traces + "missing.tdf': no such file\n"}},
        {{"check", config, traces}, 2, {"tracetool: cannot read '" + traces + "': not a readable file\n"}},
        {{"check", config, "/dev/null"}, 0, {"0 errors, 0 warnings\n"}},
        // The count takes in the configuration's syntax error, and the
        // reports made before a file that cannot be read.
        {{"check", rtos, rtos}, 1, {rtos + ":1:5: expected '=' or '{' after the tag", "8 errors, 1 warning\n"}},
        {{"check", config, mistakes, "/missing.tdf"},
         2,
         {"tracetool: cannot read '/missing.tdf': no such file\n", "13 errors, 1 warning\n"}},
        {{"check", traces + "missing.qares", rtos},
         2,
         {"tracetool: cannot read '" + traces + "missing.qares': no such file\n"}},
        {{"dump", "--verbose", config, rtos}, 2, {usage("unknown option 'verbose'", "dump")}},
        {{"dump", config, mistakes}, 1, {mistakes + ":23: error: unknown opcode or unexpected opcode\n"}},
        {{"stats", config, rtos, rtos}, 0, {}},
        {{"rewrite", "-o", "", config, rtos}, 2, {usage("an empty output file name", "rewrite")}},
        {{"rewrite", "-o", "/nonexistent/dir/out.tdf", config, rtos},
         2,
         {"tracetool: cannot write '/nonexistent/dir/out.tdf': No such file or directory\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const ProgramRun run = tracetool(c.arguments);
        EXPECT_EQ(run.status, c.status) << run.err.toStdString();
        qsizetype from = 0;
        for (const QString& piece : c.err) {
            const qsizetype at = run.err.indexOf(piece, from);
            EXPECT_GE(at, 0) << piece.toStdString() << "\nin\n" << run.err.toStdString();
            from = at < 0 ? from : at + piece.size();
        }
    }
}

TEST(TraceToolTrace, DumpAndStatsDescribeEveryObject)
{
    const ProgramRun dump = tracetool({"dump", "--time-format", "%ss %mms %uus", config, traces + "rtos.tdf"});
    EXPECT_EQ(dump.status, 0);
    const QStringList lines = dump.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 34);
    EXPECT_EQ(lines[0].toStdString(), "0us  new_trace");
    EXPECT_EQ(lines[6],
              "1ms 30us  message  read \"read(0)\"  Sensor[0]#100 -> Controller[0]#200  note \"first sample\"");
    EXPECT_EQ(lines[18],
              "1ms 85us  glyph  check failed \"sample out of range late\"  on Controller[0]#200  "
              "link firmware/main.c#errors");

    // A quote and a backslash are escaped as in a trace, so that a text's
    // own "\t" differs from a tab.
    QTemporaryDir dir;
    QFile trace(dir.filePath(QStringLiteral("texts.tdf")));
    ASSERT_TRUE(trace.open(QIODevice::WriteOnly));
    trace.write("DB \"RTOS\"\nID 1 0\nIN \"task\" 1 \"Sensor\"\nMS 10 \"read\"\nED\nSF 1 1 0\nNI 1 100\n"
                "ME 10 0 \"q\\\"uo\\\\te\tx\"\n");
    trace.close();
    EXPECT_TRUE(tracetool({"dump", config, trace.fileName()})
                    .out.endsWith("  message  read \"q\\\"uo\\\\te\\tx\"  Sensor[0]#100 -> world\n"));

    const ProgramRun stats = tracetool({"stats", config, traces + "rtos.tdf"});
    EXPECT_EQ(stats.status, 0);
    for (const char* row : {"objects             34\n", "                    message           5\n",
                            "instances           5 created, 5 deleted\n", "threads             2\n",
                            "definition blocks   2\n", "time                0 us .. 2010 us\n",
                            "maximum heap size   3072\n", "reports             0 errors, 0 warnings\n"})
        EXPECT_TRUE(stats.out.contains(QString::fromUtf8(row))) << row << stats.out.toStdString();
}

TEST(TraceToolTrace, RewrittenTracesReadBackTheSame)
{
    QTemporaryDir dir;
    for (const char* name : {"rtos.tdf", "blocks.tdf"}) {
        SCOPED_TRACE(name);
        const QString rewritten = dir.filePath(QString::fromUtf8(name));
        const ProgramRun rewrite = tracetool({"rewrite", "--times", "-o", rewritten, config, traces + name});
        ASSERT_EQ(rewrite.status, 0) << rewrite.err.toStdString();
        const ProgramRun check = tracetool({"check", config, rewritten});
        EXPECT_EQ(check.err, "0 errors, 0 warnings\n");
        const ProgramRun before = tracetool({"dump", config, traces + name});
        const ProgramRun after = tracetool({"dump", config, rewritten});
        EXPECT_EQ(after.out.toStdString(), before.out.toStdString());
        const ProgramRun again = tracetool({"rewrite", "--times", "-o", "-", config, rewritten});
        QFile first(rewritten);
        ASSERT_TRUE(first.open(QIODevice::ReadOnly));
        EXPECT_EQ(again.out.toStdString(), QString::fromUtf8(first.readAll()).toStdString()) << "a fixed point";
    }
    const ProgramRun events = tracetool({"rewrite", "--no-definitions", config, traces + "blocks.tdf"});
    EXPECT_FALSE(events.out.contains("DB ")) << events.out.toStdString();
    EXPECT_TRUE(events.out.startsWith("SF 1 1 0\n")) << events.out.toStdString();
    EXPECT_EQ(tracetool({"rewrite", config, traces + "rtos.tdf"}, ">/dev/full").status, 2);
}

QString usageOfExport(const char* problem)
{
    return usage(problem, "export");
}

QString golden(const char* name)
{
    QFile file(QStringLiteral(SSV_SOURCE_DIR "/tests/golden/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(TraceToolExport, CommandLineProblemsAreUsageErrors)
{
    struct Case {
        QStringList arguments;
        QString err;
    };
    const Case cases[] = {
        {{config, traces + "rtos.tdf"}, usageOfExport("no --format given (plantuml, mermaid or dot)")},
        {{"--format", "svg", config, traces + "rtos.tdf"},
         usageOfExport("unknown format 'svg' (plantuml, mermaid or dot)")},
        {{"--format", "PlantUML", config, traces + "rtos.tdf"},
         usageOfExport("unknown format 'PlantUML' (plantuml, mermaid or dot)")},
        {{"-f", "dot", "--only", "(", config, traces + "rtos.tdf"},
         usageOfExport("--only: '(' is not a regular expression: missing closing parenthesis")},
        {{"-f", "dot", "--component", "Sensor", config, traces + "rtos.tdf"},
         usageOfExport("--component takes REGEX=NAME, not 'Sensor'")},
        {{"-f", "dot", "--threads", "1,,2", config, traces + "rtos.tdf"},
         usageOfExport("--threads takes a list of threads, not '1,,2'")},
        {{"-f", "dot", "--time", "2ms..1ms", config, traces + "rtos.tdf"},
         usageOfExport("--time takes FROM..TO, two times in the trace's unit (us) or with a unit (h mn s ms us ns "
                       "ps), the first not after the second; not '2ms..1ms'")},
        {{"-f", "dot", "--time", "1 parsec..2", config, traces + "rtos.tdf"},
         usageOfExport("--time takes FROM..TO, two times in the trace's unit (us) or with a unit (h mn s ms us ns "
                       "ps), the first not after the second; not '1 parsec..2'")},
        {{"-f", "mermaid", "--from", "-1", config, traces + "rtos.tdf"},
         usageOfExport("--from takes a whole number from 0 up, not '-1'")},
        {{"-f", "mermaid", "--count", "ten", config, traces + "rtos.tdf"},
         usageOfExport("--count takes a whole number from 1 up, not 'ten'")},
        {{"-f", "mermaid", "--count", "0", config, traces + "rtos.tdf"},
         usageOfExport("--count takes a whole number from 1 up, not '0'")},
        {{"-f", "mermaid", "--count", "", config, traces + "rtos.tdf"},
         usageOfExport("--count takes a whole number from 1 up, not ''")},
        {{"-f", "mermaid", "-o", "", config, traces + "rtos.tdf"}, usageOfExport("an empty output file name")},
        {{"-f", "mermaid", config}, usageOfExport("no trace file given")},
        {{"-f", "mermaid", "--from"}, usageOfExport("missing value after '--from'")},
        {{"-f", "mermaid", config, traces + "rtos.tdf.missing"},
         "tracetool: cannot read '" + traces + "rtos.tdf.missing': no such file\n"},
        {{"-f", "mermaid", "-o", "/nonexistent/dir/out.mmd", config, traces + "rtos.tdf"},
         "tracetool: cannot write '/nonexistent/dir/out.mmd': No such file or directory\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const ProgramRun run = tracetool(QStringList{"export"} + c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.toStdString(), c.err.toStdString());
        EXPECT_EQ(run.out, QString());
    }
}

TEST(TraceToolExport, WritesTheDiagramsOfTheLibrary)
{
    const ProgramRun plantuml = tracetool({"export", "--format", "plantuml", config, traces + "rtos.tdf"});
    EXPECT_EQ(plantuml.status, 0) << plantuml.err.toStdString();
    EXPECT_EQ(plantuml.out.toStdString(), golden("rtos.puml").toStdString());

    QTemporaryDir dir;
    const QString output = dir.filePath("window.mmd");
    const ProgramRun window = tracetool(
        {"export", "-f", "mermaid", "--from", "12", "--count", "14", "-o", output, config, traces + "rtos.tdf"});
    EXPECT_EQ(window.status, 0) << window.err.toStdString();
    EXPECT_EQ(window.out, QString());
    QFile file(output);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()).toStdString(), golden("rtos-window.mmd").toStdString());

    const ProgramRun times =
        tracetool({"export", "-f", "plantuml", "--time-format", "%Mmn %ss %mms %uus", config, traces + "rtos.tdf"});
    EXPECT_EQ(times.out.toStdString(), golden("rtos-times.puml").toStdString());
}

TEST(TraceToolExport, TraceWithErrorsStillGivesItsDiagram)
{
    const ProgramRun run = tracetool({"export", "-f", "mermaid", config, traces + "mistakes.tdf"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("mistakes.tdf:2: error: no definition block while reading message\n"));
    EXPECT_EQ(run.out.toStdString(), golden("mistakes.mmd").toStdString());
    const ProgramRun past =
        tracetool({"export", "-f", "mermaid", "--from", "99999999999", config, traces + "rtos.tdf"});
    EXPECT_EQ(past.status, 2);
    EXPECT_EQ(past.out, "");
    EXPECT_EQ(past.err, usageOfExport("--from 99999999999 is past the last event: the trace has 34 events"));
    EXPECT_EQ(tracetool({"export", "-f", "plantuml", config, traces + "rtos.tdf"}, ">/dev/full").status, 2);
}

// Every output file is written whole or not at all: a write that fails
// leaves the earlier file as it was, and nothing beside it.
TEST(TraceToolOutput, AFailedWriteLeavesTheEarlierFile)
{
    const QString rtos = traces + "rtos.tdf";
    const struct {
        QStringList arguments;
        QString file;
    } cases[] = {
        {{"rewrite", "-o", "out.tdf", config, rtos}, "out.tdf"},
        {{"export", "-f", "mermaid", "-o", "out.mmd", config, rtos}, "out.mmd"},
        {{"render", "-o", "out.svg", config, rtos}, "out.svg"},
        {{"render", "-o", "out.png", config, rtos}, "out.png"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        QTemporaryDir dir;
        QFile earlier(dir.filePath(c.file));
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
        earlier.close();
        ProgramStart start;
        start.directory = dir.path();
        start.prelude = "ulimit -f 0;";
        const ProgramRun failed = runProgram(SSV_TRACETOOL, c.arguments, start);
        EXPECT_EQ(failed.status, 2);
        EXPECT_EQ(failed.err, "tracetool: cannot write '" + c.file + "': File too large\n");
        ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
        EXPECT_EQ(earlier.readAll(), "earlier");
        earlier.close();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{c.file});

        start.prelude.clear();
        const ProgramRun written = runProgram(SSV_TRACETOOL, c.arguments, start);
        EXPECT_EQ(written.status, 0) << written.err.toStdString();
        EXPECT_GT(QFileInfo(earlier).size(), 100) << "replaced";
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{c.file});
    }
    EXPECT_EQ(tracetool({"export", "-f", "mermaid", "-o", "/dev/full", config, rtos}).err,
              "tracetool: cannot write '/dev/full': No space left on device\n");
}

// An endless line is not the end of its file.
TEST(TraceToolTrace, ALineTooLongOrTooLargeForMemoryIsNoEndOfFile)
{
    const ProgramRun endless = tracetool({"check", config, "/dev/zero"});
    EXPECT_EQ(endless.status, 2);
    EXPECT_EQ(endless.err,
              "/dev/zero:1: error: line too long (more than 268435456 bytes): the rest of the file is not "
              "read\n1 error, 0 warnings\n");
    if (addressSanitizer)
        GTEST_SKIP() << "a memory limit leaves AddressSanitizer too little address space";
    ProgramStart start;
    start.prelude = "ulimit -v 300000;";
    const ProgramRun limited = runProgram(SSV_TRACETOOL, {"check", config, "/dev/zero"}, start);
    EXPECT_EQ(limited.status, 2);
    EXPECT_EQ(limited.err,
              "/dev/zero:1: error: not enough memory to read this line: the rest of the file is not "
              "read\n1 error, 0 warnings\n");
}

// Control characters reach a terminal escaped: in the names of files, as
// raw bytes that are not UTF-8 (0x9B is a terminal's CSI), and in the texts
// of a trace rewritten to a terminal.  A file or a pipe gets the text as it is.
TEST(TraceToolTrace, ControlCharactersReachATerminalEscaped)
{
    QTemporaryDir dir;
    const QByteArray name = QFile::encodeName(dir.path()) + "/csi\x9b[2J.tdf";
    const int fd = open(name.constData(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "XX\n", 3), 3);
    close(fd);
    // The shell makes the name: arguments given to QProcess are always UTF-8.
    const ProgramRun check = runProgram(
        "/bin/sh",
        {"-c", "exec \"$0\" check \"$1\" \"$2/$(printf 'csi\\233[2J.tdf')\"", SSV_TRACETOOL, config, dir.path()});
    unlink(name.constData());  // QTemporaryDir cannot name it to remove it
    EXPECT_EQ(check.err,
              dir.path() + "/csi\\x9b[2J.tdf:1: error: unknown opcode or unexpected opcode\n1 error, 0 warnings\n");

    QFile trace(dir.filePath("texts.tdf"));
    ASSERT_TRUE(trace.open(QIODevice::WriteOnly));
    trace.write("DB \"RTOS\"\nID 1 0\nIN \"task\" 1 \"Sensor\"\nED\nSF 1 1 0\nNI 1 100 \"esc\x1b[2J bel\a\"\n");
    trace.close();
    const QStringList rewrite = {"rewrite", "--no-definitions", config, trace.fileName()};
    EXPECT_TRUE(tracetool(rewrite).out.contains("NI 1 100 \"esc\x1b[2J bel\a\"\n")) << "a pipe gets it as it is";
    const ProgramRun terminal =
        runProgram("script", {"-qec", "'" SSV_TRACETOOL "' '" + rewrite.join("' '") + "'", "/dev/null"});
    EXPECT_TRUE(terminal.out.contains("NI 1 100 \"esc\\e[2J bel\\a\"\r\n")) << terminal.out.toStdString();
}

}  // namespace
