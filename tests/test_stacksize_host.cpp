// stacksize-host end to end, on the example data.
#include "fake_host.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString examples = QStringLiteral(SSV_SOURCE_DIR "/examples/stacksize/"), plugin = SSV_PLUGIN_LIBRARY;

struct HostRun {
    int status = -1;
    QString out, err;
};

HostRun host(const QStringList& arguments, const QString& directory = QDir::tempPath(),
             const QByteArray& path = qgetenv("PATH"))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PATH", QString::fromLocal8Bit(path));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(directory);
    process.start(SSV_HOST_TOOL, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << "stacksize-host did not end";
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

TEST(StackSizeHost, MergesTheExampleDataAndExportsTheReport)
{
    QTemporaryDir out;
    const auto merge = [&out](const QStringList& options) {
        return host(QStringList{"--plugin", plugin, "--scripts-dir", examples, "--node", "demo", "--export", out.path(),
                                "r", examples + "app.tsf", examples + "drivers.tsf", examples + "app.tzf"}
                        + options,
                    out.path());
    };
    HostRun run = merge({"--config", "qxz_maxstacksize=512", "--config", "qxz_securestacksize=256"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("-report=\"indexWSSreport.html\" -max=512 -security=256\n"));
    EXPECT_TRUE(run.out.contains("wrote indexWSSreport.html: 3 entry points, 1 above the security limit, "
                                 "1 above the maximum"));
    EXPECT_TRUE(run.err.contains("unknown function memcpy")) << "no external sizes given";
    EXPECT_FALSE(run.out.contains("entry main:")) << "-silent";
    const QString html = fileLines(out.filePath("indexWSSreport.html")).join('\n');
    EXPECT_TRUE(html.contains("<tr class=\"over-max\"><td>task_logger</td><td class=\"bytes\">572</td>"));
    EXPECT_TRUE(html.contains("<tr class=\"over-security\"><td>main</td>"));
    EXPECT_EQ(fileLines(out.filePath("r.html")).join('\n'), html);

    run = merge({"--interactive"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("entry main: 264 bytes")) << "interactive runs are not silent";
    EXPECT_TRUE(run.out.endsWith(out.filePath("r.html") + "\n"));
    EXPECT_EQ(fileLines(out.filePath("r.html")), fileLines(out.filePath("demo.WSSreport.html")));
}

TEST(StackSizeHost, WithoutADisplayAFailedOpenerBoxGoesToStandardError)
{
    QTemporaryDir noOpener;
    const QString report = writeFile(noOpener.filePath("r.tzf.html"), "<p>report</p>");
    const HostRun run = host({"--plugin", plugin, "--interpreter", "/bin/sh", "--interactive", report}, noOpener.path(),
                             noOpener.path().toLocal8Bit());
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.contains("xdg-open " + report));
    EXPECT_TRUE(run.err.contains("Help Module Error: xdg-open " + report + "\nUnable to run command"))
        << run.err.toStdString();
}

TEST(StackSizeHost, BadCommandLinesAndLibrariesGiveAClearMessage)
{
    const QString file = examples + "app.tsf";
    const struct {
        QStringList arguments;
        int status;
        QString message;
    } cases[] = {
        {{"--bogus", file}, 2, "unknown option '--bogus'"},
        {{file, "--export", "dir"}, 2, "--export needs DIRECTORY BASE"},
        {{"--config", "qxz_maxstacksize=1", file}, 2, "--config needs --node"},
        {{"--node", "n", "--config", "novalue", file}, 2, "--config needs KEY=VALUE, got 'novalue'"},
        {{"--plugin", plugin}, 2, "nothing to do"},
        {{"--plugin", plugin, examples + "missing.tsf"}, 2, "no such file: " + examples + "missing.tsf"},
        {{"--plugin", plugin, "--interpreter", "no-such-perl", file}, 2, "interpreter not found: no-such-perl"},
        {{"--plugin", file, "--describe"}, 1, "cannot load the plug-in library"},
        {{"--plugin", SSV_HOSTSDK_LIBRARY, "--describe"},
         1,
         SSV_HOSTSDK_LIBRARY " is not a plug-in: it has no qt_ucm_query_verification_data"},
        {{"--plugin", SSV_BAD_RECORD_LIBRARY, "--describe"},
         1,
         SSV_BAD_RECORD_LIBRARY " was built for another host: its build record is "
                                "\"pattern=QT_UCM_VERIFICATION_DATA; version=3.3.4;"},
        {{"--plugin", plugin, file, "--export", "/no/such/dir", "r"}, 1, "export to /no/such/dir/r.html failed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const HostRun run = host(c.arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_TRUE(run.err.contains("stacksize-host: " + c.message)) << run.err.toStdString();
    }
    EXPECT_EQ(host({"--help"}).status, 0);
    EXPECT_TRUE(host({"--plugin", plugin, "--describe"}).out.contains("name: DOR\n"));
}

}  // namespace
