// tracetool html, run as a program: command-line and file errors leave no
// file (and an older one as it was), a trace with mistakes still gives a
// page, components give the page their members too.
#include "tracetool_run.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

using namespace examples;

QByteArray contents(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(TraceToolHtml, ErrorsLeaveNoFileAndAnOldOneAsItWas)
{
    QTemporaryDir dir;
    const QString page = dir.filePath("old.html");
    QFile old(page);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older page");
    old.close();
    const QString usage = "\nTry 'tracetool html --help'.\n";
    const Refused cases[] = {
        {{"html", config, rtos}, "tracetool: no output file given (-o FILE)" + usage},
        {{"html", "-o", "", config, rtos}, "tracetool: an empty output file name" + usage},
        {{"html", "-o", page, "--component", "Sensor", config, rtos},
         "tracetool: --component takes REGEX=NAME, not 'Sensor'" + usage},
        {{"html", "-o", page, "--only", "(", config, rtos}, "tracetool: --only: '(' is not a regular expression: "},
        {{"html", "-o", page, "--from", "99", config, rtos},
         "tracetool: --from 99 is past the last event: the trace has 34 events" + usage},
        {{"html", "-o", page, config, traces + "missing.tdf"},
         "tracetool: cannot read '" + traces + "missing.tdf': no such file\n"},
        {{"html", "-o", page, config, rtos, traces + "missing.tdf"},
         "tracetool: cannot read '" + traces + "missing.tdf': no such file\n"},
        {{"html", "-o", dir.filePath("no/such/dir/out.html"), config, rtos},
         "tracetool: cannot write '" + dir.filePath("no/such/dir/out.html") + "': "},
    };
    expectRefused(cases);
    EXPECT_EQ(contents(page), "an older page");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.html"}) << "no temporary file left";
}

TEST(TraceToolHtml, PagesOfTheExamples)
{
    QTemporaryDir dir;
    struct Case {
        QStringList arguments;
        int status;
        int models;  // the folded model, and the members of the components
    };
    const Case cases[] = {
        {{config, rtos}, 0, 1},
        {{config, traces + "mistakes.tdf"}, 1, 1},
        {{"--component", "Sensor|Controller=Core", config, rtos}, 0, 2},
        {{"--component", "Nothing=None", config, rtos}, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const QString page = dir.filePath("page.html");
        QFile::remove(page);
        const ProgramRun run = tracetool(QStringList{"html", "-o", page} + c.arguments);
        EXPECT_EQ(run.status, c.status) << run.err.toStdString();
        EXPECT_EQ(run.out, QString());
        const QByteArray written = contents(page);
        EXPECT_TRUE(written.startsWith("<!DOCTYPE html>"));
        EXPECT_TRUE(written.endsWith("</html>\n"));
        EXPECT_EQ(written.contains("data-model=\"1\""), c.models == 2);
    }
}

}  // namespace
