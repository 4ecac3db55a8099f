// tracetool config, run as a program: exit statuses, summaries and messages.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun tracetool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(SSV_BINARY_DIR "/tools/tracetool"), arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << "tracetool did not finish";
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}

class TraceTool : public ::testing::Test {
protected:
    // Writes `text` to a file of the temporary directory and returns its path.
    QString write(const char* name, const QByteArray& text)
    {
        QFile file(dir_.filePath(QLatin1String(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return file.fileName();
    }
    std::string path(const char* name) const { return dir_.filePath(QLatin1String(name)).toStdString(); }

private:
    QTemporaryDir dir_;
};

TEST_F(TraceTool, SummarizesTheExampleConfiguration)
{
    const ToolRun run = tracetool({"config", SSV_SOURCE_DIR "/examples/config/sequence.qares"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    for (const char* piece : {"2 configurations", "configuration \"RTOS\"", "control flow:  NESTED",
                              "INSTANCE_DELETE       4 \"interrupt\"", "isr: icon \"icon-interrupt\"",
                              "\"Model[1]\"", "2 \"running\" (active)", "VERIFICATION_POINT_FAILED",
                              "loop 1, id 1.3, iteration 5: \"1.3 #5\"", "configuration \"Minimal\""})
        EXPECT_NE(run.out.find(piece), std::string::npos) << piece << "\n" << run.out;
}

TEST_F(TraceTool, LoaderErrorsAreReportedAndFailTheRun)
{
    const QString file = write("bad.qares", "tcf {\n  name = \"Bad\"\n  id_length = \"2\"\n}\n"
                                            "tcf {\n  name = \"Good\"\n  style { name = \"s\" id = 1 }\n"
                                            "  instance_type { id = T style = 4 }\n}\n");
    const ToolRun run = tracetool({"config", file});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, path("bad.qares") + ":3:3: error: tcf.id_length must be an integer\n" + path("bad.qares")
                           + ":8:26: error: undefined style 4 for tcf.instance_type.style.\n");
    EXPECT_NE(run.out.find("1 configuration\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("configuration \"Good\""), std::string::npos) << run.out;
}

TEST_F(TraceTool, SyntaxErrorFailsTheRun)
{
    const QString file = write("broken.qares", "tcf {\n  name = \"open\n}\n");
    const ToolRun run = tracetool({"config", file});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind(path("broken.qares") + ":2:10: ", 0), 0u) << run.err;
}

TEST_F(TraceTool, CommandLineProblemsExitWithStatusTwo)
{
    struct Case {
        QStringList arguments;
        const char* message;
    };
    const Case cases[] = {
        {{}, "tracetool: no command given\n"},
        {{"check"}, "tracetool: unknown command 'check'\n"},
        {{"--verbose"}, "tracetool: unknown option '--verbose'\n"},
        {{"config"}, "tracetool: config: no file given\n"},
        {{"config", "--quiet", "x.qares"}, "tracetool: config: unknown option '--quiet'\n"},
        {{"config", "/nonexistent/x.qares"}, "tracetool: cannot read '/nonexistent/x.qares': no such file\n"},
        {{"config", "/"}, "tracetool: cannot read '/': not a readable file\n"},
    };
    for (const Case& c : cases) {
        const ToolRun run = tracetool(c.arguments);
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_EQ(run.err.rfind(c.message, 0), 0u) << run.err;
    }
}

TEST_F(TraceTool, WorstStatusOfAllFilesWins)
{
    const QString good = write("good.qares", "# no configuration yet\n");
    const QString bad = write("bad.qares", "tcf { name = 3 }\n");
    EXPECT_EQ(tracetool({"config", good, bad, good}).status, 1);
    EXPECT_EQ(tracetool({"config", good, "/nonexistent", bad}).status, 2);
    const ToolRun run = tracetool({"config", "--", good});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("0 configurations"), std::string::npos) << run.out;
    EXPECT_EQ(tracetool({"config", "--help"}).status, 0);
    EXPECT_NE(tracetool({"--help"}).out.find("config [--help] FILE..."), std::string::npos);
}

}  // namespace
