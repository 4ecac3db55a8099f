// stacksize-host end to end, on the example data and on stand-in scripts.
#include "fake_host.h"
#include "program_run.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString examples = QStringLiteral(SSV_SOURCE_DIR "/examples/stacksize/"), plugin = SSV_PLUGIN_LIBRARY;

ProgramRun host(const QStringList& arguments, const ProgramStart& start = {})
{
    return runProgram(SSV_HOST_TOOL, arguments, start);
}

ProgramStart in(const QString& directory)
{
    ProgramStart start;
    start.directory = directory;
    return start;
}

TEST(StackSizeHost, MergesTheExampleDataAndExportsTheReport)
{
    QTemporaryDir out;
    const QString exported = out.filePath("r.html");
    const auto merge = [&](const QStringList& options) {
        return host(QStringList{"--plugin", plugin, "--scripts-dir", examples, "--node", "demo", "--export", exported,
                                examples + "app.tsf", examples + "drivers.tsf", examples + "app.tzf"}
                        + options,
                    in(out.path()));
    };
    ProgramRun run = merge({"--config", "qxz_maxstacksize=512", "--config", "qxz_securestacksize=256"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("-report=\"indexWSSreport.html\" -max=512 -security=256\n"));
    EXPECT_TRUE(run.out.contains("wrote indexWSSreport.html: 3 entry points, 1 above the security limit, "
                                 "1 above the maximum"));
    EXPECT_TRUE(run.err.contains("unknown function memcpy")) << "no external sizes given";
    EXPECT_FALSE(run.out.contains("entry main:")) << "-silent";
    const QString html = fileLines(out.filePath("indexWSSreport.html")).join('\n');
    EXPECT_TRUE(html.contains("<tr class=\"over-max\"><td>task_logger</td><td class=\"bytes\">572</td>"));
    EXPECT_TRUE(html.contains("<tr class=\"over-security\"><td>main</td>"));
    EXPECT_EQ(fileLines(exported).join('\n'), html);

    run = merge({"--interactive"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("entry main: 264 bytes")) << "interactive runs are not silent";
    EXPECT_TRUE(run.out.endsWith(exported + "\n"));
    EXPECT_EQ(fileLines(exported), fileLines(out.filePath("demo.WSSreport.html")));
}

// Stand-in merge scripts run by /bin/sh in a folder that holds a report
// left from an earlier run.  Whatever fails is said, the status is 1 and
// nothing is exported.
TEST(StackSizeHost, ARunThatGivesNoNewReportSaysWhyAndExportsNothing)
{
    const QByteArray writesReport = "for word; do case $word in -report=*) report=${word#-report=\\\"};; esac; done\n"
                                    "echo new > \"${report%\\\"}\"\n";
    const struct {
        QByteArray script;  // null: the scripts folder has none
        QStringList files;
        int status;
        QString err;
    } cases[] = {
        {writesReport, {"a.tsf", "b.tzf"}, 0, ""},
        {{}, {"a.tsf", "b.tzf"}, 1, "mergestacksize.pl failed with exit status 2"},
        {"exit 3\n", {"a.tsf", "b.tzf"}, 1, "mergestacksize.pl failed with exit status 3"},
        {"kill -9 $$\n", {"a.tsf", "b.tzf"}, 1, "mergestacksize.pl crashed or was killed"},
        {"exit 0\n", {"a.tsf", "b.tzf"}, 1, "mergestacksize.pl wrote no report indexWSSreport.html"},
        {writesReport, {"a.tsf"}, 1, "no new report: nothing was merged or opened"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script.toStdString());
        QTemporaryDir dir;
        writeFile(dir.filePath("indexWSSreport.html"), "stale");
        for (const QString& file : c.files)
            writeFile(dir.filePath(file), "main 8\n");
        if (!c.script.isNull())
            writeFile(dir.filePath("mergestacksize.pl"), c.script);
        QStringList arguments{"--plugin",      plugin,     "--interpreter", "/bin/sh",
                              "--scripts-dir", dir.path(), "--export",      dir.filePath("copy.html")};
        for (const QString& file : c.files)
            arguments << dir.filePath(file);
        const ProgramRun run = host(arguments, in(dir.path()));
        EXPECT_EQ(run.status, c.status);
        EXPECT_TRUE(run.err.contains(c.err)) << run.err.toStdString();
        EXPECT_EQ(QFile::exists(dir.filePath("copy.html")), c.status == 0);
    }
}

// The opener is xdg-open, found on PATH.
TEST(StackSizeHost, AnOpenerThatCannotStartOrFailsEndsTheRunWithStatusOne)
{
    QTemporaryDir dir;
    const QString report = writeFile(dir.filePath("r.tzf.html"), "<p>report</p>");
    const QStringList arguments{"--plugin", plugin, "--interpreter", "/bin/sh", "--interactive", report};
    ProgramStart start = in(dir.path());
    start.path = dir.path().toLocal8Bit();
    ProgramRun run = host(arguments, start);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.contains("xdg-open " + report));
    EXPECT_TRUE(run.err.contains("Help Module Error: xdg-open " + report + "\nUnable to run command"))
        << "without a display the box goes to standard error: " << run.err.toStdString();

    writeFile(dir.filePath("xdg-open"), "#!/bin/sh\nexit 4\n");
    run = host(arguments, start);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("xdg-open failed with exit status 4")) << run.err.toStdString();
}

// Output-window lines reach the terminal byte for byte; a failed write to
// standard output is an error.
TEST(StackSizeHost, RelaysEveryByteOfTheScriptsLinesAndReportsUnwritableOutput)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("mergestacksize.pl"),
              "printf 'out\\000put\\033[0m\\n'; printf 'err\\000or\\n' >&2\n"
              "echo report > indexWSSreport.html\n");
    const QStringList arguments{"--plugin",
                                plugin,
                                "--interpreter",
                                "/bin/sh",
                                "--scripts-dir",
                                dir.path(),
                                writeFile(dir.filePath("a.tsf"), ""),
                                writeFile(dir.filePath("b.tzf"), "")};
    ProgramStart start = in(dir.path());
    ProgramRun run = host(arguments, start);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QString::fromLatin1("\nout\0put\x1b[0m\n", 13))) << run.out.toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromLatin1("err\0or\n", 7))) << run.err.toStdString();

    start.redirect = ">/dev/full";
    run = host(arguments, start);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains("stacksize-host: cannot write to standard output")) << run.err.toStdString();
    start.redirect = ">&-";
    run = host(arguments, start);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "stacksize-host: standard output is closed\n");
}

TEST(StackSizeHost, BadCommandLinesAndLibrariesGiveAClearMessage)
{
    const QString file = examples + "app.tsf", tzf = examples + "app.tzf";
    const struct {
        QStringList arguments;
        int status;
        QString message;
    } cases[] = {
        {{"--bogus", file}, 2, "unknown option 'bogus'"},
        {{file, "--export"}, 2, "missing value after '--export'"},
        {{file, "--export", "dir"}, 2, "--export needs a file name ending in .html, got 'dir'"},
        {{file, "--export", ""}, 2, "--export needs a file name ending in .html, got ''"},
        {{file, "--export", "/tmp/.html"}, 2, "--export needs a file name ending in .html, got '/tmp/.html'"},
        {{"--config", "qxz_maxstacksize=1", file}, 2, "--config needs --node"},
        {{"--node", "n", "--config", "novalue", file}, 2, "--config needs KEY=VALUE, got 'novalue'"},
        {{"--plugin", plugin}, 2, "nothing to do"},
        {{"--plugin", plugin, examples + "missing.tsf"}, 2, "no such file: " + examples + "missing.tsf"},
        {{"--plugin", plugin, "--interpreter", "no-such-perl", file}, 2, "interpreter not found: no-such-perl"},
        {{"--plugin", plugin, "--interpreter", QDir::tempPath(), file},
         2,
         "interpreter not found: " + QDir::tempPath()},
        {{"--plugin", file, "--describe"}, 1, "cannot load the plug-in library"},
        {{"--plugin", SSV_HOSTSDK_LIBRARY, "--describe"},
         1,
         SSV_HOSTSDK_LIBRARY " is not a plug-in: it has no qt_ucm_query_verification_data"},
        {{"--plugin", SSV_BAD_RECORD_LIBRARY, "--describe"},
         1,
         SSV_BAD_RECORD_LIBRARY " was built for another host: its build record is "
                                "\"pattern=QT_UCM_VERIFICATION_DATA; version=3.3.4;"},
        {{"--plugin", plugin, QDir::tempPath()}, 2, "not a file: " + QDir::tempPath()},
        {{"--plugin", plugin, "--scripts-dir", examples, file, tzf, "--export", "/no/such/dir/r.html"},
         2,
         "export to /no/such/dir/r.html failed: the destination cannot be written"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const ProgramRun run = host(c.arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_TRUE(run.err.contains("stacksize-host: " + c.message)) << run.err.toStdString();
    }
    const ProgramRun help = host({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("  --export FILE            copy the current report to FILE"))
        << help.out.toStdString();
    EXPECT_TRUE(host({"--plugin", plugin, "--describe"}).out.contains("name: DOR\n"));
}

}  // namespace
