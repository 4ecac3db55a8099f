// Running the merge script: the command line, the report name, the node
// lookup, the classification of file names and the script's output lines.
#include "fake_host.h"

#include "plugin/stacksizeview.h"

#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

namespace {

enum class Offer {
    NoKeys,
    NodeUnderSecondKey,
    NoInterface,
    NoTarget,
    NoNode,
    PlainNode,
    NoConfiguration,
    ConfigurationNode
};

class ScriptRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        studio.command = QStringList{scripts.writeScript("interp", recordingInterpreter), "-w"};
        studio.scripts = "/opt/tool/bin";
        scripts.writeScript("xdg-open", recordingOpener);
        qputenv("PATH", (scripts.root() + QLatin1Char(':')).toLocal8Bit() + path);
        QDir::setCurrent(scripts.root());
        plugin.initialize(&studio, nullptr);
    }
    void TearDown() override
    {
        plugin.initialize(nullptr, nullptr);
        QDir::setCurrent(directory);
        qputenv("PATH", path);
    }

    // The studio offers the node as far as `offered` allows.
    void offer(Offer offered)
    {
        studio.keys = QStringList{"node"};
        if (offered == Offer::NoKeys)
            studio.keys.clear();
        if (offered == Offer::NodeUnderSecondKey)
            studio.keys.prepend("other");
        studio.node = offered == Offer::NoInterface ? nullptr : &nodeInterface;
        nodeInterface.target_ = offered == Offer::NoTarget ? nullptr : &target;
        target = QAStTarget(offered == Offer::PlainNode ? &plainNode : &node);
        if (offered == Offer::NoNode)
            target = QAStTarget();
        node.setCurrentConfiguration(offered == Offer::NoConfiguration ? nullptr : &configuration);
    }

    // The recorded arguments after the interpreter's own word and the
    // script; what create wrote on standard output goes to `echoed`.
    QStringList run(QStringList files, bool interactive)
    {
        QFile::remove(scripts.path("args"));
        ::testing::internal::CaptureStdout();
        plugin.create(files, interactive, nullptr, nullptr);
        echoed = ::testing::internal::GetCapturedStdout();
        return scripts.lines("args").mid(2);
    }

    const QByteArray path = qgetenv("PATH");
    const QString directory = QDir::currentPath();
    ScriptDirectory scripts;
    FakeStudio studio;
    FakeNodeInterface nodeInterface;
    QAStConfiguration configuration;
    QAStNode node{"N1"};
    QAStBaseNode plainNode{"P1"};
    QAStTarget target;
    QAStSTKSZPlugin plugin;
    std::string echoed;
};

TEST_F(ScriptRun, CommandLineAndEchoOfANonInteractiveRun)
{
    offer(Offer::ConfigurationNode);
    configuration.setValue("qxz_maxstacksize", 4096);
    const QStringList arguments = run({"a.tsf", "b.tzf"}, false);

    EXPECT_EQ(scripts.lines("args").mid(0, 2), (QStringList{"-w", "/opt/tool/bin/mergestacksize.pl"}));
    EXPECT_EQ(arguments,
              (QStringList{"-silent", "a.tsf", "b.tzf", "-report=\"indexWSSreport.html\"", "-max=4096"}));
    EXPECT_EQ(studio.output.output.value(0),
              "mergestacksize.pl a.tsf b.tzf -report=\"indexWSSreport.html\" -max=4096");
    EXPECT_TRUE(QFile::exists(scripts.path("indexWSSreport.html")));
}

TEST_F(ScriptRun, ConfigurationOptionsFollowTheKeyOrderAndKeepTheirBlanks)
{
    offer(Offer::ConfigurationNode);
    configuration.setValue("qxz_securestacksize", 2048);
    configuration.setValue("qxz_maxstacksize", "4096");
    configuration.setValue("qxl_entrypoints", "main isr");
    configuration.setValue("qxz_extstksize", "ext sizes.txt");
    configuration.setValue("qxz_template", "my template.html");
    const QStringList options{"-report=\"N1.WSSreport.html\"",
                              "-qxz_template=\"my template.html\"",
                              "-qxz_extstksize=\"ext sizes.txt\"",
                              "-entrypoints=main isr",
                              "-max=4096",
                              "-security=2048"};

    EXPECT_EQ(run({"x y.tsf", "b.tzf"}, true), QStringList({"x y.tsf", "b.tzf"}) + options);
    EXPECT_EQ(studio.output.output.value(0),
              "mergestacksize.pl x y.tsf b.tzf " + options.join(QLatin1Char(' ')));
}

TEST_F(ScriptRun, OptionsAreLeftOutUnlessTheirConditionHolds)
{
    offer(Offer::ConfigurationNode);
    configuration.setValue("qxz_template", QString());
    configuration.setValue("qxl_entrypoints", "");
    configuration.setValue("qxz_maxstacksize", 0);
    configuration.setValue("qxz_securestacksize", 2048);
    EXPECT_EQ(run({"a.tsf", "b.tzf"}, false).mid(3),
              (QStringList{"-report=\"indexWSSreport.html\"", "-security=2048"}));

    configuration.setValue("qxz_maxstacksize", "lots");
    configuration.setValue("qxz_securestacksize", QVariant());
    EXPECT_EQ(run({"a.tsf", "b.tzf"}, false).mid(3), QStringList{"-report=\"indexWSSreport.html\""});
}

TEST_F(ScriptRun, ReportNameAndOptionsFollowTheNodeLookup)
{
    struct Case {
        Offer offer;
        bool interactive;
        const char* report;
        bool options;
    };
    const Case cases[] = {
        {Offer::NoKeys, true, "GroupWSSreport.html", false},
        {Offer::NodeUnderSecondKey, true, "GroupWSSreport.html", false},
        {Offer::NoInterface, true, "GroupWSSreport.html", false},
        {Offer::NoTarget, true, "GroupWSSreport.html", false},
        {Offer::NoNode, true, "GroupWSSreport.html", false},
        {Offer::PlainNode, true, "P1.WSSreport.html", false},
        {Offer::NoConfiguration, true, "N1.WSSreport.html", false},
        {Offer::ConfigurationNode, true, "N1.WSSreport.html", true},
        {Offer::ConfigurationNode, false, "indexWSSreport.html", true},
    };
    configuration.setValue("qxz_maxstacksize", 100);
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.offer));
        offer(c.offer);
        const QStringList arguments = run({"a.tsf", "b.tzf"}, c.interactive);
        EXPECT_TRUE(arguments.contains(QString("-report=\"%1\"").arg(QLatin1String(c.report))));
        EXPECT_EQ(arguments.contains("-max=100"), c.options);
        EXPECT_EQ(nodeInterface.references(), 0u) << "the node interface is released after use";
    }
}

TEST_F(ScriptRun, FileNamesDecideBetweenScriptAndBrowser)
{
    struct Case {
        QStringList files;
        bool interactive;
        QStringList scriptFiles; // empty: the script does not run
        QString opened;          // null: the browser does not start
    };
    const QString a = "a.tsf", b = "b.tzf", r = "r.tzf.html";
    const Case cases[] = {
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
    offer(Offer::NoKeys);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.files.join(QLatin1Char(' ')).toStdString());
        QFile::remove(scripts.path("opened"));
        QStringList arguments = run(c.files, c.interactive);
        ASSERT_TRUE(waitUntil([this] { return plugin.process == nullptr; }));
        arguments.removeAll("-silent");
        EXPECT_EQ(arguments.mid(0, c.scriptFiles.size()), c.scriptFiles);
        EXPECT_EQ(arguments.value(c.scriptFiles.size()).startsWith("-report="), !c.scriptFiles.isEmpty());
        EXPECT_EQ(scripts.lines("opened").value(0), c.opened);
        EXPECT_EQ(echoed, c.files.join(QString()).toStdString()) << "each name, without separators";
    }
}

TEST_F(ScriptRun, AScriptThatCannotStartLeavesNoProcess)
{
    studio.command = QStringList{scripts.path("no-such-interpreter")};
    QStringList files{"a.tsf", "b.tzf"};
    EXPECT_FALSE(plugin.executeScript(files, false));
    EXPECT_EQ(plugin.process, nullptr);
    EXPECT_TRUE(plugin.findChildren<QProcess*>().isEmpty());
    EXPECT_EQ(studio.output.output.size(), 1) << "only the echo line";
    EXPECT_TRUE(studio.output.errors.isEmpty());
}

TEST_F(ScriptRun, NothingStartsWithoutAStudio)
{
    plugin.initialize(nullptr, nullptr);
    QStringList files{"a.tsf", "b.tzf"};
    EXPECT_FALSE(plugin.executeScript(files, false));
    EXPECT_TRUE(plugin.findChildren<QProcess*>().isEmpty());
    EXPECT_FALSE(QFile::exists(scripts.path("args")));
}

// The script's output reaches the output window: a perl script stands in
// for the merge script.
class ScriptOutput : public ::testing::Test {
protected:
    void SetUp() override
    {
        studio.command = QStringList{"perl"};
        studio.scripts = scripts.root();
        plugin.initialize(&studio, nullptr);
    }
    void TearDown() override { plugin.initialize(nullptr, nullptr); }

    void runScript(const QByteArray& perl)
    {
        scripts.writeScript("mergestacksize.pl", perl);
        QStringList files{"a.tsf", "b.tzf"};
        ASSERT_TRUE(plugin.executeScript(files, false));
        studio.output.output.removeFirst(); // the echo
    }

    ScriptDirectory scripts;
    FakeStudio studio;
    QAStSTKSZPlugin plugin;
};

TEST_F(ScriptOutput, MegabytesOnBothChannelsArriveOnceAndInOrder)
{
    const int count = 100000; // 11 bytes a line: over 1 MiB on each channel
    runScript(
        "for my $i (1 .. 100000) { printf STDOUT \"out %06d\\n\", $i; printf STDERR \"err %06d\\n\", $i }\n"
        "print STDOUT 'last out'; print STDERR 'last err';\n");
    QStringList output, errors;
    for (int i = 1; i <= count; ++i) {
        output << QString("out %1").arg(i, 6, 10, QLatin1Char('0'));
        errors << QString("err %1").arg(i, 6, 10, QLatin1Char('0'));
    }
    output << "last out";
    errors << "last err";
    EXPECT_EQ(studio.output.output.size(), output.size());
    EXPECT_TRUE(studio.output.output == output);
    EXPECT_EQ(studio.output.errors.size(), errors.size());
    EXPECT_TRUE(studio.output.errors == errors);
}

TEST_F(ScriptOutput, LinesOfOneChunkAreAllPassedOnAndTheProcessIsDisposedOf)
{
    runScript("print STDOUT \"one\\ntwo\\r\\nthree\"; print STDERR \"e1\\ne2\\n\";\n");
    EXPECT_EQ(studio.output.output, (QStringList{"one", "two", "three"}));
    EXPECT_EQ(studio.output.errors, (QStringList{"e1", "e2"}));
    EXPECT_EQ(plugin.process, nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(plugin.findChildren<QProcess*>().isEmpty());
}

} // namespace
