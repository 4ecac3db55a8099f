// tracetool diff run as a program: exit statuses a test script relies on,
// the unified diff and the JSON of the example trace against a changed copy.
#include "program_run.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

const QString config = QStringLiteral(SSV_SOURCE_DIR "/examples/config/sequence.qares");
const QString rtos = QStringLiteral(SSV_SOURCE_DIR "/examples/traces/rtos.tdf");
const QString mistakes = QStringLiteral(SSV_SOURCE_DIR "/examples/traces/mistakes.tdf");

ProgramRun tracetool(const QStringList& arguments)
{
    return runProgram(SSV_TRACETOOL, QStringList{"diff"} + arguments);
}

// The example trace with every (line, replacement) pair applied; an empty
// replacement drops the line.
QString changedCopy(const QTemporaryDir& dir, const QString& name, const QList<std::pair<QString, QString>>& changes)
{
    QFile source(rtos);
    EXPECT_TRUE(source.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(source.readAll()).split(u'\n');
    for (const auto& [line, replacement] : changes) {
        const qsizetype at = lines.indexOf(line);
        EXPECT_GE(at, 0) << line.toStdString();
        replacement.isEmpty() ? lines.removeAt(at) : void(lines[at] = replacement);
    }
    const QString path = dir.filePath(name);
    QFile copy(path);
    EXPECT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write(lines.join(u'\n').toUtf8());
    return path;
}

class TraceToolDiff : public ::testing::Test {
protected:
    QTemporaryDir dir;
    // A message replaced, an action dropped, the last time later.
    const QString run =
        changedCopy(dir, "run.tdf", {{"ME 12 100", "ME 13 100"}, {"AC 21 200", ""}, {"TM 2000", "TM 2600"}});
    // The same times in nanoseconds.
    const QString inNs = changedCopy(
        dir, "ns.tdf",
        {{"TU \"us\"", "TU \"ns\""}, {"TS 5", "TS 5000"}, {"TM 1000", "TM 1000000"}, {"TM 2000", "TM 2000000"}});
    const QString unitless = changedCopy(dir, "unitless.tdf", {{"TU \"us\"", ""}});
};

TEST_F(TraceToolDiff, ExitStatuses)
{
    const QString usage = "\nTry 'tracetool diff --help'.\n";
    struct Case {
        QStringList arguments;
        int status;
        QString err;  // the end of standard error
    } const cases[] = {
        {{config, rtos, rtos}, 0, ""},
        {{config, rtos, run}, 1, ""},
        {{"--time-tolerance", "0", config, rtos, inNs}, 0, ""},
        {{"--time-tolerance", "1ms", config, rtos, run}, 1, ""},
        {{"--time-tolerance", "1ms", "--only", "Motor", config, rtos, run}, 0, ""},
        {{"--context", "99999999999", config, rtos, run}, 1, ""},
        {{config, mistakes, mistakes}, 1, "restart analyzing at this line (2 lines skipped)\n"},
        {{config, rtos}, 2, "tracetool: no run trace given" + usage},
        {{config, rtos, rtos, rtos}, 2, "tracetool: diff compares two traces, not 3" + usage},
        {{config, rtos, rtos + ".missing"}, 2, "tracetool: cannot read '" + rtos + ".missing': no such file\n"},
        {{"--context", "-1", config, rtos, run},
         2,
         "tracetool: --context takes a whole number from 0 up, not '-1'" + usage},
        {{"-f", "xml", config, rtos, run}, 2, "tracetool: unknown format 'xml' (text or json)" + usage},
        {{"--ignore", "(", config, rtos, run},
         2,
         "tracetool: --ignore: '(' is not a regular expression: missing closing parenthesis" + usage},
        {{"--time-tolerance", "soon", config, rtos, run},
         2,
         "tracetool: --time-tolerance takes a number of the traces' unit, a time with a unit (h mn s ms us ns ps) or a "
         "percentage (10%), not 'soon'"
             + usage},
        {{"--time-tolerance", "1ms", config, unitless, unitless},
         2,
         "tracetool: --time-tolerance: the traces name no time unit; give a number of their unit or a percentage, not "
         "'1ms'"
             + usage},
        {{"--time-tolerance", "10%", config, rtos, unitless},
         2,
         "tracetool: cannot compare the times of the traces: '" + unitless
             + "' names no time unit, the other trace does\n"},
        {{"-o", "/nonexistent/diff.txt", config, rtos, run},
         2,
         "tracetool: cannot write '/nonexistent/diff.txt': No such file or directory\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const ProgramRun diff = tracetool(c.arguments);
        EXPECT_EQ(diff.status, c.status);
        EXPECT_EQ(diff.err.right(c.err.size()).toStdString(), c.err.toStdString());
    }
}

TEST_F(TraceToolDiff, UnifiedDiffOfEvents)
{
    const QString output = dir.filePath("diff.txt");
    const ProgramRun diff = tracetool({"--context", "1", "--time-tolerance", "10%", "-o", output, config, rtos, run});
    EXPECT_EQ(diff.status, 1);
    EXPECT_EQ(diff.out, "");
    QFile file(output);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString g = "  " + rtos + ':';
    const QString r = "  " + run + ':';
    EXPECT_EQ(QString::fromUtf8(file.readAll()).toStdString(),
              ("--- " + rtos + "\n+++ " + run
               + "\n"
                 "@@ -10,3 +10,2 @@\n"
                 " 1070 us  return  process  obj0:Commands#400 -> Sensor[0]#100"
               + g + "63" + r
               + "63\n"
                 "-1075 us  action  \"watchdog kick\"  on Controller[0]#200"
               + g
               + "64\n"
                 " 1075 us  loop_end  1 #3  on Sensor[0]#100"
               + g + "65" + r
               + "64\n"
                 "@@ -14,3 +13,3 @@\n"
                 " 1090 us  instance  ISR Timer#300  style interrupt"
               + g + "69" + r
               + "68\n"
                 "-1100 us  message  tick  ISR Timer#300 -> Sensor[0]#100"
               + g
               + "70\n"
                 "+1095 us  message  post  ISR Timer#300 -> Sensor[0]#100"
               + r
               + "69\n"
                 " 1100 us  return  post  Sensor[0]#100 -> ISR Timer#300"
               + g + "71" + r
               + "70\n"
                 "~ 10 us -> 5 us  1075 us  loop_end  1 #3  on Sensor[0]#100"
               + g + "65" + r
               + "64\n"
                 "~ 855 us -> 1460 us  2600 us  instance_delete  Motor[0]#500"
               + g + "87" + r
               + "86\n"
                 "traces differ: 24 equal, 2 deleted, 1 inserted, 2 beyond the time tolerance\n")
                  .toStdString());
}

TEST_F(TraceToolDiff, JsonOfTheSameComparison)
{
    const ProgramRun diff =
        tracetool({"--format", "json", "--context", "0", "--time-tolerance", "10%", config, rtos, run});
    EXPECT_EQ(diff.status, 1);
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(diff.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << diff.out.toStdString();
    EXPECT_EQ(root.keys(), (QStringList{"deleted", "equal", "hunks", "inserted", "timing"}));
    EXPECT_EQ(root["equal"].toInt(), 24);
    EXPECT_EQ(root["deleted"].toInt(), 2);
    EXPECT_EQ(root["inserted"].toInt(), 1);
    const QJsonArray hunks = root["hunks"].toArray();
    ASSERT_EQ(hunks.size(), 2);
    const QJsonObject second = hunks[1].toObject();
    EXPECT_EQ(second["golden"].toObject(), (QJsonObject{{"first", 15}, {"count", 1}}));
    EXPECT_EQ(second["run"].toObject(), (QJsonObject{{"first", 14}, {"count", 1}}));
    const QJsonArray events = second["events"].toArray();
    ASSERT_EQ(events.size(), 2);
    EXPECT_EQ(events[0].toObject(),
              (QJsonObject{{"op", "-"},
                           {"kind", "message"},
                           {"from", "ISR Timer"},
                           {"to", "Sensor[0]"},
                           {"label", "tick"},
                           {"file", rtos},
                           {"line", 70}}));
    EXPECT_EQ(events[1].toObject()["op"], "+");
    EXPECT_EQ(events[1].toObject()["file"], run);
    const QJsonArray timing = root["timing"].toArray();
    ASSERT_EQ(timing.size(), 2);
    EXPECT_EQ(timing[1].toObject()["golden"].toObject(),
              (QJsonObject{{"event", 24}, {"file", rtos}, {"line", 87}, {"interval", 855}, {"unit", "us"}}));
    EXPECT_EQ(timing[1].toObject()["run"].toObject()["interval"], 1460);
}

// --html writes the run's page beside the text (or JSON) of the
// comparison, whole or not at all, and never changes the exit status of a
// comparison that could be written.
TEST_F(TraceToolDiff, HtmlPage)
{
    const QString page = dir.filePath("diff.html");
    const QString json = dir.filePath("diff.json");
    const QString earlier = "an earlier page";
    const QString textDiff = tracetool({config, rtos, run}).out;
    struct Case {
        QStringList arguments;
        ProgramStart start;
        int status;
        bool written;  // the page, else the earlier file is left as it was
        QString out;   // standard output
    } const cases[] = {
        {{"--html", page, config, rtos, run}, {}, 1, true, textDiff},
        {{"--html", page, config, rtos, rtos}, {}, 0, true, "traces match: 26 equal events\n"},
        {{"--html", page, "-f", "json", "-o", json, config, rtos, run}, {}, 1, true, ""},
        {{"--html", page, config, mistakes, mistakes},
         {},
         1,
         true,
         "traces match: 3 equal events; reading them reported 26 errors\n"},
        {{"--html", page, config, rtos, rtos + ".missing"}, {}, 2, false, ""},
        {{"--html", page, "--context", "-1", config, rtos, run}, {}, 2, false, ""},
        {{"--html", "", config, rtos, run}, {}, 2, false, ""},
        {{"--html", "-", config, rtos, run}, {}, 2, false, ""},
        {{"--html", page, config, rtos, run},
         {QDir::tempPath(), qgetenv("PATH"), "", "ulimit -f 8;"},
         2,
         false,
         textDiff},
        {{"--html", "/dev/null", config, rtos, run}, {}, 1, false, textDiff},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        QFile file(page);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(earlier.toUtf8());
        file.close();
        const ProgramRun diff = runProgram(SSV_TRACETOOL, QStringList{"diff"} + c.arguments, c.start);
        EXPECT_EQ(diff.status, c.status) << diff.err.toStdString();
        EXPECT_EQ(diff.out.toStdString(), c.out.toStdString());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray written = file.readAll();
        EXPECT_EQ(written.startsWith("<!DOCTYPE html>") && written.contains("class=\"trace-differences\""), c.written);
        EXPECT_EQ(written == earlier.toUtf8(), !c.written);
    }
    EXPECT_FALSE(QFileInfo("/dev/null").isFile()) << "a device is written, never replaced";
    EXPECT_TRUE(QFile::exists(json));
    EXPECT_TRUE(tracetool({"--html", "", config, rtos, run})
                    .err.startsWith("tracetool: --html takes the name of a file, not ''\n"));
}

}  // namespace
