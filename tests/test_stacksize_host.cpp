// stacksize-host end to end, on the example data.
#include "fake_host.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

const QString examples = QStringLiteral(SSV_SOURCE_DIR "/examples/stacksize/");

struct HostRun {
    int status = -1;
    QString out;
    QString err;
};

HostRun host(const QStringList& arguments, const QString& directory = QDir::tempPath(),
             const QByteArray& path = qgetenv("PATH"))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), QString::fromLocal8Bit(path));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(directory);
    process.start(QStringLiteral(SSV_HOST_TOOL), arguments);
    HostRun run;
    EXPECT_TRUE(process.waitForFinished(120000)) << "stacksize-host did not end";
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

QStringList mergeArguments(const QStringList& options)
{
    return QStringList{"--plugin", SSV_PLUGIN_LIBRARY, "--scripts-dir", examples} + options
        + QStringList{examples + "app.tsf", examples + "drivers.tsf", examples + "app.tzf"};
}

TEST(StackSizeHost, MergesTheExampleDataAndExportsTheReport)
{
    ScriptDirectory out;
    const HostRun run = host(mergeArguments({"--node", "demo", "--config", "qxz_maxstacksize=512", "--config",
                                             "qxz_securestacksize=256", "--export", out.root(), "r"}),
                             out.root());
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("-report=\"indexWSSreport.html\" -max=512 -security=256\n"));
    EXPECT_TRUE(run.out.contains(
        "wrote indexWSSreport.html: 3 entry points, 1 above the security limit, 1 above the maximum"));
    EXPECT_TRUE(run.err.contains("unknown function memcpy")) << "no external sizes given";
    EXPECT_FALSE(run.out.contains("entry main:")) << "-silent";
    QFile report(out.path("indexWSSreport.html"));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(report.readAll());
    EXPECT_TRUE(html.contains("<tr class=\"over-max\"><td>task_logger</td><td class=\"bytes\">572</td>"));
    EXPECT_TRUE(html.contains("<tr class=\"over-security\"><td>main</td>"));
    EXPECT_TRUE(QFile::exists(out.path("r.html")));
}

TEST(StackSizeHost, InteractiveRunNamesTheReportAfterTheNode)
{
    ScriptDirectory out;
    const HostRun run =
        host(mergeArguments({"--interactive", "--node", "demo", "--export", out.root(), "r"}), out.root());
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(out.path("demo.WSSreport.html")));
    EXPECT_TRUE(run.out.endsWith(out.path("r.html") + "\n"));
    EXPECT_TRUE(run.out.contains("entry main: 264 bytes")) << "interactive runs are not silent";
}

TEST(StackSizeHost, WithoutADisplayAFailedOpenerBoxGoesToStandardError)
{
    ScriptDirectory noOpener;
    const HostRun run = host({"--plugin", SSV_PLUGIN_LIBRARY, "--interpreter", "/bin/sh", "--interactive",
                              noOpener.writeScript("r.tzf.html", "<p>report</p>")},
                             noOpener.root(), noOpener.root().toLocal8Bit());
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.contains("xdg-open " + noOpener.path("r.tzf.html")));
    EXPECT_TRUE(run.err.contains("Help Module Error: xdg-open " + noOpener.path("r.tzf.html")
                                 + "\nUnable to run command"))
        << run.err.toStdString();
}

TEST(StackSizeHost, BadCommandLinesAndLibrariesGiveAClearMessage)
{
    const QString plugin = SSV_PLUGIN_LIBRARY, file = examples + "app.tsf";
    struct Case {
        QStringList arguments;
        int status;
        QString message;
    };
    const Case cases[] = {
        {{"--bogus", file}, 2, "unknown option '--bogus'"},
        {{file, "--export", "dir"}, 2, "--export needs DIRECTORY BASE"},
        {{"--config", "qxz_maxstacksize=1", file}, 2, "--config needs --node"},
        {{"--node", "n", "--config", "novalue", file}, 2, "--config needs KEY=VALUE, got 'novalue'"},
        {{"--plugin", plugin}, 2, "nothing to do"},
        {{"--plugin", plugin, examples + "missing.tsf"}, 2, "no such file: " + examples + "missing.tsf"},
        {{"--plugin", plugin, "--interpreter", "no-such-perl", file},
         2,
         "interpreter not found: no-such-perl"},
        {{"--plugin", examples + "app.tsf", "--describe"}, 1, "cannot load the plug-in library"},
        {{"--plugin", SSV_HOSTSDK_LIBRARY, "--describe"},
         1,
         SSV_HOSTSDK_LIBRARY " is not a plug-in: it has no qt_ucm_query_verification_data"},
        {{"--plugin", SSV_BAD_RECORD_LIBRARY, "--describe"},
         1,
         SSV_BAD_RECORD_LIBRARY " was built for another host: its build record is "
                                "\"pattern=QT_UCM_VERIFICATION_DATA; version=3.3.4;"},
        {{"--plugin", plugin, file, "--export", "/no/such/dir", "r"},
         1,
         "export to /no/such/dir/r.html failed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const HostRun run = host(c.arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_TRUE(run.err.contains("stacksize-host: " + c.message)) << run.err.toStdString();
    }
    EXPECT_EQ(host({"--help"}).status, 0);
    EXPECT_TRUE(host({"--plugin", plugin, "--describe"}).out.contains("name: DOR\n"));
}

} // namespace
