// The browser launch, the HTML export and the host's file copy.
#include "fake_host.h"

#include "host/qafileutil.h"
#include "plugin/stacksizeview.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QByteArray contents(const QString& file)
{
    QFile input(file);
    return input.open(QIODevice::ReadOnly) ? input.readAll() : QByteArray();
}

class Opener : public ::testing::Test {
protected:
    void SetUp() override { plugin.initialize(&studio, nullptr); }
    void TearDown() override
    {
        plugin.initialize(nullptr, nullptr);
        qputenv("PATH", path);
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    }

    const QByteArray path = qgetenv("PATH");
    ScriptDirectory scripts;
    FakeStudio studio;
    QAStSTKSZPlugin plugin;
};

TEST_F(Opener, RunsWithoutBeingWaitedForAndItsOutputArrives)
{
    scripts.writeScript("xdg-open",
                        recordingOpener + "echo \"opening $1\"\necho 'no handler' >&2\nprintf last\n");
    qputenv("PATH", (scripts.root() + QLatin1Char(':')).toLocal8Bit() + path);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);

    plugin.executeBrowser("my report.tzf.html");
    EXPECT_NE(plugin.process, nullptr) << "the opener is still to be reaped";
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ASSERT_TRUE(waitUntil([this] { return plugin.process == nullptr; }));

    EXPECT_EQ(scripts.lines("opened"), QStringList{"my report.tzf.html"});
    EXPECT_EQ(studio.output.output,
              (QStringList{"xdg-open my report.tzf.html", "opening my report.tzf.html", "last"}));
    EXPECT_EQ(studio.output.errors, QStringList{"no handler"});
}

TEST_F(Opener, StartsWithoutAStudioButShowsNothing)
{
    scripts.writeScript("xdg-open", recordingOpener + "echo opening\n");
    qputenv("PATH", (scripts.root() + QLatin1Char(':')).toLocal8Bit() + path);
    plugin.initialize(nullptr, nullptr);

    plugin.executeBrowser("r.tzf.html");
    ASSERT_TRUE(waitUntil([this] { return plugin.process == nullptr; }));
    EXPECT_EQ(scripts.lines("opened"), QStringList{"r.tzf.html"});
    EXPECT_TRUE(studio.output.output.isEmpty());
}

TEST_F(Opener, ThatCannotStartShowsOneCriticalBox)
{
    qputenv("PATH", scripts.root().toLocal8Bit()); // no xdg-open there
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QStringList boxes;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&boxes] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxes << box->windowTitle() + QLatin1Char('|') + box->text();
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
    EXPECT_EQ(studio.output.output, QStringList{"xdg-open r.tzf.html"});
}

class Export : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir::setCurrent(scripts.root());
        studio.command = QStringList{scripts.writeScript("interp", recordingInterpreter)};
        plugin.initialize(&studio, nullptr);
    }
    void TearDown() override
    {
        plugin.initialize(nullptr, nullptr);
        QDir::setCurrent(directory);
    }

    std::string exportTo(const QString& directory, const QString& baseName)
    {
        ::testing::internal::CaptureStdout();
        plugin.exportHTML(directory, baseName, nullptr, nullptr);
        return ::testing::internal::GetCapturedStdout();
    }
    void open(QStringList files)
    {
        ::testing::internal::CaptureStdout();
        plugin.create(files, false, nullptr, nullptr);
        ::testing::internal::GetCapturedStdout();
    }

    const QString directory = QDir::currentPath();
    ScriptDirectory scripts;
    FakeStudio studio;
    QAStSTKSZPlugin plugin;
};

TEST_F(Export, DestinationIsDirectorySeparatorBaseNameAndHtml)
{
    EXPECT_EQ(exportTo("/tmp/out", "r"), "/tmp/out/r.html");
    EXPECT_EQ(exportTo("/tmp/out", "r.html"), "/tmp/out/r.html.html");
    EXPECT_EQ(exportTo("/tmp/out/", "r"), "/tmp/out//r.html");
}

TEST_F(Export, CopiesTheReportOfTheLastCreate)
{
    const QString out = scripts.path("out");
    QDir().mkdir(out);
    open({"a.tsf", "b.tzf"});
    ASSERT_TRUE(QFile::exists("indexWSSreport.html"));
    exportTo(out, "copy");
    EXPECT_EQ(contents(out + "/copy.html"), contents("indexWSSreport.html"));

    const QString given = scripts.path("given.tzf.html");
    scripts.writeScript("given.tzf.html", "<p>given</p>");
    open({given});
    exportTo(out, "copy");
    EXPECT_EQ(contents(out + "/copy.html"), "<p>given</p>");

    open({"notes.txt"}); // no report any more
    exportTo(out, "none");
    EXPECT_FALSE(QFile::exists(out + "/none.html"));
}

TEST(QAFileUtil, CopyReplacesTheDestinationOnlyWhenItSucceeds)
{
    ScriptDirectory files;
    const QString source = files.writeScript("source", "new");
    const QString destination = files.writeScript("destination", "old content");

    EXPECT_FALSE(QAFileUtil::copyFile(files.path("missing"), destination));
    EXPECT_EQ(contents(destination), "old content");
    EXPECT_FALSE(QAFileUtil::copyFile(source, files.path("no/such/dir/file")));
    EXPECT_TRUE(QAFileUtil::copyFile(source, destination));
    EXPECT_EQ(contents(destination), "new");
    EXPECT_TRUE(QAFileUtil::copyFile(source, files.path("./source")));
    EXPECT_EQ(contents(source), "new") << "a copy onto itself keeps the file";
}

} // namespace
