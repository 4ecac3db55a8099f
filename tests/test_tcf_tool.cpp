// tracetool config, run as a program: exit statuses, summaries and messages.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Each run of tracetool ends with `status` and prints `err` on stderr and
// every piece of `out` on stdout.
TEST(TraceTool, ExitStatusesSummariesAndMessages)
{
    QTemporaryDir dir;
    const auto write = [&dir](const char* name, const QByteArray& text) {
        QFile file(dir.filePath(QLatin1String(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return file.fileName();
    };
    const QString good = write("good.qares", "# no configuration yet\n");
    const QString broken = write("broken.qares", "tcf {\n  name = \"open\n}\n");
    const QString bad = write("bad.qares",
                              "tcf {\n  name = \"Bad\"\n  id_length = \"2\"\n}\n"
                              "tcf {\n  name = \"Good\"\n  style { name = \"s\" id = 1 }\n"
                              "  instance_type { id = T style = 4 }\n}\n");
    const auto usage = [](const char* problem) {
        return "tracetool: " + std::string(problem) + "\nTry 'tracetool --help'.\n";
    };
    const std::string badErr = bad.toStdString() + ":3:3: error: tcf.id_length must be an integer\n" + bad.toStdString()
        + ":8:26: error: undefined style 4 for tcf.instance_type.style.\n";
    struct Case {
        QStringList arguments;
        int status;
        std::string err;
        std::vector<std::string> out;
    };
    const Case cases[] = {
        {{"config", SSV_SOURCE_DIR "/examples/config/sequence.qares"},
         0,
         "",
         {"2 configurations", "configuration \"RTOS\"", "control flow:  NESTED",
          "(\"%1 #%2\", LOOP_ID, LOOP_REPEAT); loop 1, id 1.3, iteration 5: \"1.3 #5\"",
          "INSTANCE_DELETE       4 \"interrupt\"", "isr: icon \"icon-interrupt\"",
          "naming (\"%1[%2]\", STATIC_NAME, D_OCCURENCE); occurrence 1 of Model: \"Model[1]\"",
          "2 \"running\" (active)", "VERIFICATION_POINT_FAILED", "configuration \"Minimal\""}},
        {{"config", bad}, 1, badErr, {"1 configuration\n\nconfiguration \"Good\""}},
        {{"config", broken}, 1, broken.toStdString() + ":2:10: unterminated string\n", {}},
        {{"config", good, bad, good}, 1, badErr, {}},
        {{"config", good, "/missing", bad}, 2, "tracetool: cannot read '/missing': no such file\n" + badErr, {}},
        {{"config", "--", good}, 0, "", {"0 configurations"}},
        {{"config", "--help"}, 0, "", {"Usage: tracetool config"}},
        {{"--help"}, 0, "", {"config [--help] FILE..."}},
        {{}, 2, usage("no command given"), {}},
        {{"check"}, 2, usage("unknown command 'check'"), {}},
        {{"--verbose"}, 2, usage("unknown option '--verbose'"), {}},
        {{"config"}, 2, usage("config: no file given"), {}},
        {{"config", "--quiet", "x.qares"}, 2, usage("config: unknown option '--quiet'"), {}},
        {{"config", "/"}, 2, "tracetool: cannot read '/': not a readable file\n", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        QProcess tool;
        tool.start(QStringLiteral(SSV_TRACETOOL), c.arguments);
        ASSERT_TRUE(tool.waitForFinished(30000)) << "tracetool did not finish";
        EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(tool.exitCode(), c.status);
        EXPECT_EQ(tool.readAllStandardError().toStdString(), c.err);
        const std::string out = tool.readAllStandardOutput().toStdString();
        for (const std::string& piece : c.out)
            EXPECT_NE(out.find(piece), std::string::npos) << piece << "\n" << out;
    }
}

}  // namespace
