// tracetool render, run as a program: command-line and file errors, a trace
// with mistakes, and pictures that read back.
#include "tracetool_run.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

using namespace examples;

QString usage(const QString& problem)
{
    return "tracetool: " + problem + "\nTry 'tracetool render --help'.\n";
}

// The texts of an SVG file; empty when it is not well-formed XML.
QStringList svgTexts(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QStringList texts;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
            texts << xml.readElementText();
    }
    return xml.hasError() ? QStringList() : texts;
}

TEST(TraceToolRender, CommandLineAndFileErrors)
{
    QTemporaryDir dir;
    const QString svg = dir.filePath("out.svg");
    const Refused cases[] = {
        {{"render", config, rtos}, usage("no output file given (-o FILE)")},
        {{"render", "-o", "", config, rtos}, usage("an empty output file name")},
        {{"render", "-o", dir.filePath("out.jpg"), config, rtos},
         usage("the output file must end in .svg or .png: '" + dir.filePath("out.jpg") + "'")},
        {{"render", "-o", svg, "--from", "-3", config, rtos}, usage("--from takes a whole number from 0 up, not '-3'")},
        {{"render", "-o", svg, "--count", "0", config, rtos}, usage("--count takes a whole number from 1 up, not '0'")},
        {{"render", "-o", svg, "--count", "many", config, rtos},
         usage("--count takes a whole number from 1 up, not 'many'")},
        {{"render", "-o", svg, "--scale", "20", config, rtos}, usage("--scale takes a number from 0.1 to 10: '20'")},
        {{"render", "-o", svg, "--scale", "inf", config, rtos}, usage("--scale takes a number from 0.1 to 10: 'inf'")},
        {{"render", "-o", svg, "--wide", config, rtos}, usage("unknown option 'wide'")},
        {{"render", "-o", svg, config}, usage("no trace file given")},
        {{"render", "-o", svg, "--from", "34", config, rtos},
         usage("--from 34 is past the last event: the trace has 34 events")},
        {{"render", "-o", svg, config, traces + "missing.tdf"},
         "tracetool: cannot read '" + traces + "missing.tdf': no such file\n"},
        {{"render", "-o", svg, traces + "missing.qares", rtos},
         "tracetool: cannot read '" + traces + "missing.qares': no such file\n"},
        {{"render", "-o", dir.filePath("no/such/dir/out.svg"), config, rtos},
         "tracetool: cannot write '" + dir.filePath("no/such/dir/out.svg") + "': "},
    };
    expectRefused(cases);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList()) << "no picture after an error";
}

TEST(TraceToolRender, TooLargeForPng)
{
    QTemporaryDir dir;
    QFile trace(dir.filePath("long.tdf"));
    ASSERT_TRUE(trace.open(QIODevice::WriteOnly));
    trace.write("DB \"RTOS\"\nID 1 0\nIN \"task\" 1 \"Sensor\"\nMS 10 \"read\"\nED\nSF 1 1 0\nNI 1 100\n");
    for (int i = 0; i < 2000; ++i)
        trace.write("ME 10 100\nMR\n");
    trace.close();
    const ProgramRun run = tracetool({"render", "-o", dir.filePath("long.png"), config, trace.fileName()});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains("is too large for a PNG image; draw fewer events (--count, --time), fewer instances "
                                 "(--only, --hide, --component)"))
        << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("long.png")));
    const ProgramRun window = tracetool(
        {"render", "-o", dir.filePath("long.png"), "--from", "3000", "--count", "200", config, trace.fileName()});
    EXPECT_EQ(window.status, 0) << window.err.toStdString();
    EXPECT_FALSE(QImage(dir.filePath("long.png")).isNull());
}

TEST(TraceToolRender, TraceWithMistakesIsDrawnWithStatusOne)
{
    QTemporaryDir dir;
    const QString svg = dir.filePath("mistakes.svg");
    const ProgramRun run = tracetool({"render", "-o", svg, config, traces + "mistakes.tdf"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.startsWith(traces + "mistakes.tdf:2: error: no definition block while reading message\n"))
        << run.err.toStdString();
    EXPECT_TRUE(svgTexts(svg).contains("ok")) << "what was read is drawn";
}

TEST(TraceToolRender, PicturesOfTheExample)
{
    QTemporaryDir dir;
    const QString svg = dir.filePath("rtos.svg");
    const ProgramRun drawn = tracetool({"render", "-o", svg, "--time-format", "%mms %uus", config, rtos});
    ASSERT_EQ(drawn.status, 0) << drawn.err.toStdString();
    EXPECT_EQ(drawn.err, QString());
    const QStringList texts = svgTexts(svg);
    for (const char* text : {"World", "Sensor[0]", "Controller[0]", "obj0:Commands", "ISR Timer", "Motor[0]", "read(0)",
                             "post", "process", "tick", "drive(40)", "1ms 30us", "loop 1 #3", "first sample"})
        EXPECT_TRUE(texts.contains(text)) << text;

    const ProgramRun window = tracetool({"render", "-o", svg, "--from", "24", "--count", "3", config, rtos});
    ASSERT_EQ(window.status, 0) << window.err.toStdString();
    const QStringList windowTexts = svgTexts(svg);
    for (const char* text : {"Sensor[0]", "ISR Timer", "Motor[0]", "drive(40)"})
        EXPECT_TRUE(windowTexts.contains(text)) << text << ": living across the window, or in it";
    for (const char* text : {"read(0)", "all stop"})
        EXPECT_FALSE(windowTexts.contains(text)) << text << ": outside the window";

    QSize sizes[2];
    for (int i = 0; i < 2; ++i) {
        const QString png = dir.filePath(QString("rtos%1.PNG").arg(i));
        const ProgramRun run = tracetool({"render", "-o", png, "--scale", i ? "2" : "1", config, rtos});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        sizes[i] = QImage(png).size();
    }
    EXPECT_FALSE(sizes[0].isEmpty());
    EXPECT_NEAR(sizes[1].width(), 2 * sizes[0].width(), 2);
    EXPECT_NEAR(sizes[1].height(), 2 * sizes[0].height(), 2);
}

}  // namespace
