// tracetool config, run as a program: exit statuses, summaries and messages.
#include "program_run.h"

#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString write(const QTemporaryDir& dir, const char* name, const QByteArray& text)
{
    QFile file(dir.filePath(QLatin1String(name)));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return file.fileName();
}

// Each run of tracetool ends with `status` and prints `err` on stderr and
// every piece of `out` on stdout.
TEST(TraceTool, ExitStatusesSummariesAndMessages)
{
    QTemporaryDir dir;
    const QString good = write(dir, "good.qares", "# no configuration yet\n");
    const QString broken = write(dir, "broken.qares", "tcf {\n  name = \"open\n}\n");
    const QString bad = write(dir, "bad.qares",
                              "tcf {\n  name = \"Bad\"\n  id_length = \"2\"\n}\n"
                              "tcf {\n  name = \"Good\"\n  style { name = \"s\" id = 1 }\n"
                              "  instance_type { id = T style = 4 }\n}\n");
    // NUL, escape, bell, delete, U+009B (CSI), tab and, escaped in the file, a line feed.
    static const char controlText[] = "tcf { name = \"nul\0 esc\x1b[2J bel\a del\x7f csi\xc2\x9b tab\t nl\\n\"\n"
                                      "  instance_type { id = T icon_tag = \"\x1b]0;title\a\" }\n}\n";
    const QString controls = write(dir, "controls.qares", QByteArray(controlText, sizeof controlText - 1));
    const auto usage = [](const char* problem, const char* command = "tracetool") {
        return "tracetool: " + QString(problem) + "\nTry '" + command + " --help'.\n";
    };
    const QString badErr = bad + ":3:3: error: tcf.id_length must be an integer\n" + bad
        + ":8:26: error: undefined style 4 for tcf.instance_type.style.\n";
    const QString noSpace = "tracetool: cannot write to standard output";
    struct Case {
        QStringList arguments;
        int status;
        QString err;
        QStringList out = {};
        QString redirect = {};
    };
    const Case cases[] = {
        {{"config", SSV_SOURCE_DIR "/examples/config/sequence.qares"},
         0,
         "",
         {"2 configurations", "configuration \"RTOS\"", "control flow:  NESTED",
          "(\"%1 #%2\", LOOP_ID, LOOP_REPEAT); loop 1, id 1.3, iteration 5: \"1.3 #5\"",
          "INSTANCE_DELETE       4 \"interrupt\"", "isr: icon \"icon-interrupt\"",
          "naming (\"%1[%2]\", STATIC_NAME, D_OCCURENCE); occurrence 1 of Model: \"Model[1]\"",
          "1 \"running\" (active)", "VERIFICATION_POINT_FAILED", "configuration \"Minimal\""}},
        {{"config", bad}, 1, badErr, {"1 configuration\n\nconfiguration \"Good\""}},
        {{"config", broken}, 1, broken + ":2:10: unterminated string\n", {}},
        {{"config", good, bad, good}, 1, badErr, {}},
        {{"config", controls},
         0,
         "",
         {"configuration \"nul\\0 esc\\e[2J bel\\a del\\x7f csi\\x9b tab\\t nl\\n\"",
          "    T: icon \"\\e]0;title\\a\""}},
        {{"config", good, "/missing", bad}, 2, "tracetool: cannot read '/missing': no such file\n" + badErr},
        {{"config", "/"}, 2, "tracetool: cannot read '/': not a readable file\n"},
        {{"config", "/proc/self/mem"}, 2, "tracetool: /proc/self/mem: cannot read: Input/output error\n"},
        {{"config", "--", good}, 0, "", {"0 configurations"}},
        {{"config", "--help"},
         0,
         "",
         {"Usage: tracetool config [OPTION]... FILE...\n", "  -h, --help  print this help"}},
        {{"--help"},
         0,
         "",
         {"Commands:\n  config FILE...           Loads resource files", "Exit status: 0 when all is well"}},
        {{}, 2, usage("no command given")},
        {{"lint"}, 2, usage("unknown command 'lint'")},
        {{"--verbose"}, 2, usage("unknown option 'verbose'")},
        {{"config"}, 2, usage("no file given", "tracetool config")},
        {{"config", "--quiet", "x.qares"}, 2, usage("unknown option 'quiet'", "tracetool config")},
        {{"config", good}, 2, "tracetool: standard output is closed\n", {}, ">&-"},
        {{"config", good}, 2, noSpace, {}, ">/dev/full"},
        {{"config", bad}, 2, badErr + noSpace, {}, ">/dev/full"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.arguments.join(u' ') + ' ' + c.redirect).toStdString());
        ProgramStart start;
        start.redirect = c.redirect;
        const ProgramRun run = runProgram(SSV_TRACETOOL, c.arguments, start);
        EXPECT_EQ(run.status, c.status);
        if (c.redirect.contains("/dev/full"))
            EXPECT_TRUE(run.err.startsWith(c.err)) << run.err.toStdString();
        else
            EXPECT_EQ(run.err.toStdString(), c.err.toStdString());
        for (const QString& piece : c.out)
            EXPECT_TRUE(run.out.contains(piece)) << piece.toStdString() << "\n" << run.out.toStdString();
    }
}

// The name reaches the output byte for byte, though it is not UTF-8.
TEST(TraceTool, OpensAndPrintsAFileNameThatIsNotUtf8AsGiven)
{
    QTemporaryDir dir;
    const QByteArray name = QFile::encodeName(dir.path()) + "/caf\xe9.qares";
    const int fd = open(name.constData(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    const char text[] = "tcf {\n  name = \"C\"\n  id_length = \"2\"\n}\n";
    ASSERT_EQ(::write(fd, text, sizeof text - 1), ssize_t(sizeof text - 1));
    close(fd);
    // The shell makes the name: arguments given to QProcess are always UTF-8.
    const ProgramRun run = runProgram(
        "/bin/sh", {"-c", "exec \"$0\" config \"$1/$(printf 'caf\\351.qares')\"", SSV_TRACETOOL, dir.path()});
    unlink(name.constData());  // QTemporaryDir cannot name it to remove it
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.startsWith("== " + QAFileUtil::decodeName(name) + "\n")) << run.out.toStdString();
    EXPECT_EQ(run.err, QAFileUtil::decodeName(name) + ":3:3: error: tcf.id_length must be an integer\n");
}

}  // namespace
