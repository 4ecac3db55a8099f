// What opening files sets off: the merge script's command line, report name
// and output lines, the choice between script and browser, the browser
// launch, the HTML export and the host's file copy.
#include "fake_host.h"

#include "host/qafileutil.h"
#include "plugin/stacksizeview.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A program stand-in: records its arguments, one per line, in "<itself>.args"
// and writes the report it is told to write (-report="NAME") in the current
// directory.
const QByteArray recordingStandIn = R"(#!/bin/sh
printf '%s\n' "$@" > "$0.args"
for word in "$@"; do
    case $word in -report=*) report=${word#-report=}; report=${report#\"}; report=${report%\"}
        echo "report of: $*" > "$report";;
    esac
done
)";

// Processes events until `done` holds or `milliseconds` have passed.
bool waitUntil(const std::function<bool()>& done, int milliseconds = 20000)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!done() && !deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

// How far the studio offers a node.
enum class Offer { NoKeys, UnderSecondKey, NoInterface, NoTarget, NoNode, PlainNode, NoConfiguration, Configuration };

// The interpreter ("interp -w") and the opener (xdg-open, first on PATH) are
// stand-ins that record their arguments; the current directory is theirs.
class PluginRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        studio.command = QStringList{writeFile(dir.filePath("interp"), recordingStandIn), "-w"};
        studio.scripts = "/opt/tool/bin";
        writeFile(dir.filePath("xdg-open"),
                  recordingStandIn + "echo \"opening $1\"\necho 'no handler' >&2\nprintf end\n");
        qputenv("PATH", dir.path().toLocal8Bit() + ':' + path);
        QDir::setCurrent(dir.path());
        plugin.initialize(&studio, nullptr);
    }
    void TearDown() override
    {
        plugin.initialize(nullptr, nullptr);
        QDir::setCurrent(directory);
        qputenv("PATH", path);
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    }

    void offer(Offer offered)
    {
        studio.keys = offered == Offer::NoKeys ? QStringList() : QStringList{"node"};
        if (offered == Offer::UnderSecondKey)
            studio.keys.prepend("other");
        studio.node = offered == Offer::NoInterface ? nullptr : &nodeInterface;
        nodeInterface.target_ = offered == Offer::NoTarget ? nullptr : &target;
        target = QAStTarget(offered == Offer::NoNode ? nullptr : offered == Offer::PlainNode ? &plainNode : &node);
        node.setCurrentConfiguration(offered == Offer::NoConfiguration ? nullptr : &configuration);
    }
    // The interpreter's arguments; what create wrote on standard output goes
    // to `echoed`.  Runs that are not interactive use the shorter create.
    QStringList run(QStringList files, bool interactive)
    {
        QFile::remove(dir.filePath("interp.args"));
        ::testing::internal::CaptureStdout();
        interactive ? plugin.create(files, true, nullptr, nullptr) : plugin.create(files, nullptr, nullptr);
        echoed = ::testing::internal::GetCapturedStdout();
        return fileLines(dir.filePath("interp.args"));
    }
    std::string exportTo(const QString& directory, const QString& baseName)
    {
        ::testing::internal::CaptureStdout();
        plugin.exportHTML(directory, baseName, nullptr, nullptr);
        return ::testing::internal::GetCapturedStdout();
    }

    const QByteArray path = qgetenv("PATH");
    const QString directory = QDir::currentPath();
    QTemporaryDir dir;
    FakeStudio studio;
    FakeNodeInterface nodeInterface;
    QAStConfiguration configuration;
    QAStNode node{"N1"};
    QAStBaseNode plainNode{"P1"};
    QAStTarget target;
    QAStSTKSZPlugin plugin;
    std::string echoed;
};

// The arguments as the started program gets them: blanks kept, quote
// characters part of the words.
TEST_F(PluginRun, CommandLineReachesTheScriptWordForWordAndIsEchoed)
{
    offer(Offer::Configuration);
    configuration.setValue("qxz_maxstacksize", "4096");
    configuration.setValue("qxl_entrypoints", "main isr");
    configuration.setValue("qxz_template", "my template.html");
    const QStringList tail{"x y.tsf",
                           "b.tzf",
                           "-report=\"indexWSSreport.html\"",
                           "-qxz_template=\"my template.html\"",
                           "-entrypoints=main isr",
                           "-max=4096"};
    EXPECT_EQ(run({"x y.tsf", "b.tzf"}, false),
              QStringList({"-w", "/opt/tool/bin/mergestacksize.pl", "-silent"}) + tail);
    EXPECT_EQ(studio.output, QStringList{"mergestacksize.pl " + tail.join(' ')});
}

TEST_F(PluginRun, ReportNameAndOptionsFollowTheNodeLookup)
{
    const char* group = "GroupWSSreport.html";
    const struct {
        Offer offer;
        bool interactive;
        const char* report;
        bool options;
    } cases[] = {
        {Offer::NoKeys, true, group, false},
        {Offer::UnderSecondKey, true, group, false},
        {Offer::NoInterface, true, group, false},
        {Offer::NoTarget, true, group, false},
        {Offer::NoNode, true, group, false},
        {Offer::PlainNode, true, "P1.WSSreport.html", false},
        {Offer::NoConfiguration, true, "N1.WSSreport.html", false},
        {Offer::Configuration, true, "N1.WSSreport.html", true},
        {Offer::Configuration, false, "indexWSSreport.html", true},
    };
    configuration.setValue("qxz_maxstacksize", 100);
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.offer));
        offer(c.offer);
        const QStringList arguments = run({"a.tsf", "b.tzf"}, c.interactive);
        EXPECT_EQ(arguments.value(2) == "-silent", !c.interactive);
        EXPECT_TRUE(arguments.contains(QString("-report=\"%1\"").arg(c.report)));
        EXPECT_EQ(arguments.contains("-max=100"), c.options);
        EXPECT_EQ(nodeInterface.references(), 0u) << "the node interface is released after use";
    }
}

TEST_F(PluginRun, FileNamesDecideBetweenScriptAndBrowser)
{
    const QString a = "a.tsf", b = "b.tzf", r = "r.tzf.html";
    // No script files: the script does not run; a null `opened`: the browser does not start.
    const struct {
        QStringList files;
        bool interactive;
        QStringList scriptFiles;
        QString opened;
    } cases[] = {
        {{a, b}, false, {a, b}, {}},
        {{b, b, a}, false, {b, a}, {}},
        {{a, a, b}, false, {a, a, b}, {}},
        {{r}, true, {}, r},
        {{r}, false, {}, {}},
        {{r, a, b}, true, {}, r},
        {{r, a, b}, false, {}, {}},
        {{r, "s.tzf.html", a, b}, true, {a, b}, {}},
        {{r, r}, true, {}, r},
        {{a}, true, {}, {}},
        {{b}, true, {}, {}},
        {{"k.tzf", "m.tzf", "n.tzf.html"}, true, {}, {}},
        {{"A.TSF", "B.TZF"}, false, {"A.TSF", "B.TZF"}, {}},
        {{a, "c.tzf.json", "notes.txt", b}, false, {a, b}, {}},
        {{"/runs/1/a.tsf", "/runs/1/b.tzf"}, false, {"/runs/1/a.tsf", "/runs/1/b.tzf"}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.files.join(' ').toStdString());
        QFile::remove(dir.filePath("xdg-open.args"));
        QStringList arguments = run(c.files, c.interactive);  // interp -w script [-silent] files -report=...
        ASSERT_TRUE(waitUntil([this] { return plugin.process == nullptr; }));
        arguments.removeAll("-silent");
        EXPECT_EQ(arguments.mid(2, arguments.size() - 3), c.scriptFiles);
        EXPECT_EQ(arguments.value(arguments.size() - 1).startsWith("-report="), !c.scriptFiles.isEmpty());
        EXPECT_EQ(fileLines(dir.filePath("xdg-open.args")).value(0), c.opened);
        EXPECT_EQ(echoed, c.files.join(QString()).toStdString()) << "each name, without separators";
    }
}

TEST_F(PluginRun, NoScriptRunsWithoutAStudioOrAnInterpreter)
{
    QStringList files{"a.tsf", "b.tzf"};
    FakeNodeInterface notAStudio;
    for (QUnknownInterface* host : std::initializer_list<QUnknownInterface*>{&notAStudio, nullptr}) {
        plugin.initialize(host, nullptr);
        EXPECT_FALSE(plugin.executeScript(files, false));
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("interp.args")));
    EXPECT_TRUE(studio.output.isEmpty());

    plugin.initialize(&studio, nullptr);
    studio.command = QStringList{dir.filePath("no-such-interpreter")};
    EXPECT_FALSE(plugin.executeScript(files, false));
    EXPECT_EQ(plugin.process, nullptr);
    EXPECT_TRUE(plugin.findChildren<QProcess*>().isEmpty());
    EXPECT_EQ(studio.output.size(), 1) << "only the echo line";
    ASSERT_EQ(studio.errors.size(), 1);
    EXPECT_TRUE(studio.errors[0].startsWith("cannot start " + dir.filePath("no-such-interpreter") + ": "))
        << studio.errors[0].toStdString();
    EXPECT_EQ(plugin.report(), "");
}

TEST_F(PluginRun, ScriptOutputArrivesWholeOnceAndInOrder)
{
    studio.command = QStringList{"perl"};
    studio.scripts = dir.path();
    writeFile(dir.filePath("mergestacksize.pl"),  // 11 bytes a line: over 1 MiB on each channel
              "for my $i (1 .. 100000) { printf STDOUT \"out %06d\\n\", $i; printf STDERR \"err %06d\\n\", $i }\n"
              "print STDOUT \"crlf\\r\\nnul\\0in a line\\nlast out\"; print STDERR \"last\\0err\";\n");
    QStringList files{"a.tsf", "b.tzf"}, errors;
    QStringList output{"mergestacksize.pl a.tsf b.tzf -report=\"indexWSSreport.html\""};
    ASSERT_TRUE(plugin.executeScript(files, false));
    for (int i = 1; i <= 100000; ++i) {
        output << QString("out %1").arg(i, 6, 10, QLatin1Char('0'));
        errors << QString("err %1").arg(i, 6, 10, QLatin1Char('0'));
    }
    output << "crlf" << QString::fromLatin1("nul\0in a line", 13) << "last out";
    errors << QString::fromLatin1("last\0err", 8) << "mergestacksize.pl wrote no report indexWSSreport.html";
    EXPECT_EQ(studio.output.size(), output.size());
    EXPECT_TRUE(studio.output == output);
    EXPECT_EQ(studio.errors.size(), errors.size());
    EXPECT_TRUE(studio.errors == errors);
    EXPECT_EQ(plugin.process, nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(plugin.findChildren<QProcess*>().isEmpty()) << "the process object is disposed of";
}

// A script or opener that fails is reported and leaves no report to export,
// so that a report left from an earlier run is never taken for the new one.
TEST_F(PluginRun, AFailedOrSilentScriptOrOpenerLeavesNoReport)
{
    studio.command = QStringList{"/bin/sh"};
    studio.scripts = dir.path();
    const QString script = dir.filePath("mergestacksize.pl");
    const struct {
        QByteArray script;  // null: there is none
        QString error;      // null: the run succeeds
    } cases[] = {
        {recordingStandIn, {}},
        {"exit 3\n", "mergestacksize.pl failed with exit status 3"},
        {"kill -9 $$\n", "mergestacksize.pl crashed or was killed"},
        {"exit 0\n", "mergestacksize.pl wrote no report indexWSSreport.html"},
        {{}, "mergestacksize.pl failed with exit status 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script.toStdString());
        QFile::remove(script);
        if (!c.script.isNull())
            writeFile(script, c.script);
        QFile stale(dir.filePath("indexWSSreport.html"));  // from a run a minute ago
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly) && stale.write("stale") && stale.flush());
        stale.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
        stale.close();
        studio.errors.clear();
        run({"a.tsf", "b.tzf"}, false);
        EXPECT_EQ(studio.errors.value(studio.errors.size() - 1), c.error);
        EXPECT_EQ(plugin.report(), c.error.isNull() ? "indexWSSreport.html" : "");
    }

    writeFile(dir.filePath("xdg-open"), "#!/bin/sh\nexit 4\n");
    run({"r.tzf.html"}, true);
    ASSERT_TRUE(waitUntil([this] { return plugin.process == nullptr; }));
    EXPECT_EQ(studio.errors.value(studio.errors.size() - 1), "xdg-open failed with exit status 4");
    EXPECT_EQ(plugin.report(), "");
}

TEST_F(PluginRun, OpenerRunsUnwaitedWithItsOutputShownOrShowsACriticalBox)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    plugin.executeBrowser("my report.tzf.html");
    EXPECT_NE(plugin.process, nullptr) << "the opener is still to be reaped";
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ASSERT_TRUE(waitUntil([this] { return plugin.process == nullptr; }));
    EXPECT_EQ(fileLines(dir.filePath("xdg-open.args")), QStringList{"my report.tzf.html"});
    EXPECT_EQ(studio.output, (QStringList{"xdg-open my report.tzf.html", "opening my report.tzf.html", "end"}));
    EXPECT_EQ(studio.errors, QStringList{"no handler"});

    plugin.initialize(nullptr, nullptr);  // without a studio: it starts, nothing is shown
    plugin.executeBrowser("r.tzf.html");
    ASSERT_TRUE(waitUntil([this] { return plugin.process == nullptr; }));
    EXPECT_EQ(fileLines(dir.filePath("xdg-open.args")), QStringList{"r.tzf.html"});
    EXPECT_EQ(studio.output.size(), 3);

    plugin.initialize(&studio, nullptr);  // an opener that cannot start: one critical box
    studio.output.clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qputenv("PATH", dir.filePath("nothing-here").toLocal8Bit());
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QStringList boxes;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&boxes] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxes << box->windowTitle() + '|' + box->text();
            box->done(0);
        }
    });
    closer.start(20);
    plugin.executeBrowser("r.tzf.html");
    closer.stop();
    EXPECT_EQ(boxes, QStringList{"Help Module Error|xdg-open r.tzf.html\nUnable to run command"});
    EXPECT_EQ(plugin.process, nullptr);
    EXPECT_TRUE(plugin.findChildren<QProcess*>().isEmpty());
    EXPECT_NE(QGuiApplication::overrideCursor(), nullptr) << "the cursor is restored only after a start";
    EXPECT_EQ(studio.output, QStringList{"xdg-open r.tzf.html"});
}

TEST_F(PluginRun, ExportCopiesTheCurrentReportToDirectorySeparatorBaseNameHtml)
{
    EXPECT_EQ(exportTo("/no/such", "r"), "/no/such/r.html");
    EXPECT_EQ(exportTo("/no/such", "r.html"), "/no/such/r.html.html");
    EXPECT_EQ(exportTo("/no/such/", "r"), "/no/such//r.html");

    const QString copy = dir.filePath("copy.html"), given = writeFile(dir.filePath("given.tzf.html"), "<p>given</p>");
    run({"a.tsf", "b.tzf"}, false);
    ASSERT_EQ(fileLines("indexWSSreport.html").size(), 1);
    exportTo(dir.path(), "copy");
    EXPECT_EQ(fileLines(copy), fileLines("indexWSSreport.html"));
    run({given}, false);
    exportTo(dir.path(), "copy");
    EXPECT_EQ(fileLines(copy), QStringList{"<p>given</p>"}) << "the destination is replaced";
    exportTo(dir.path(), "given.tzf");
    EXPECT_EQ(fileLines(given), QStringList{"<p>given</p>"}) << "a copy onto itself keeps the file";
    writeFile(copy, "old");
    run({"notes.txt"}, false);  // no report any more
    exportTo(dir.path(), "copy");
    EXPECT_EQ(fileLines(copy), QStringList{"old"}) << "a failed copy leaves the destination";
    EXPECT_FALSE(QAFileUtil::copyFile("missing", copy));
    EXPECT_FALSE(QAFileUtil::copyFile(given, "/no/such/dir/file"));
    EXPECT_TRUE(QAFileUtil::copyFile(given, copy));
}

}  // namespace
