// Painting: the SVG read back with QXmlStreamReader, the PNG written, and
// the failures of save().
#include "test_render_support.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <set>

namespace {

// What an SVG holds: its texts, its polylines and every colour it names.
struct SvgContent {
    std::vector<std::string> texts;
    std::vector<QPolygonF> polylines;
    std::set<std::string> colours;
    bool wellFormed = false;
};

QPolygonF points(const QString& text)
{
    QPolygonF polygon;
    for (const QString& pair : text.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList xy = pair.split(u',');
        polygon << QPointF(xy.value(0).toDouble(), xy.value(1).toDouble());
    }
    return polygon;
}

SvgContent readSvg(const QByteArray& svg)
{
    SvgContent content;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        for (const char* attribute : {"fill", "stroke"}) {
            const QString colour = xml.attributes().value(QLatin1String(attribute)).toString();
            if (colour.startsWith(u'#'))
                content.colours.insert(colour.toStdString());
        }
        if (xml.name() == QLatin1String("polyline"))
            content.polylines.push_back(points(xml.attributes().value(QLatin1String("points")).toString()));
        else if (xml.name() == QLatin1String("text"))
            content.texts.push_back(xml.readElementText().toStdString());
    }
    content.wellFormed = !xml.hasError();
    return content;
}

SvgContent svgOf(const SequenceDiagram& diagram)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(diagram.writeSvg(&buffer));
    return readSvg(buffer.data());
}

bool samePoints(const QPolygonF& a, const QPolygonF& b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (std::abs(a[i].x() - b[i].x()) > 0.01 || std::abs(a[i].y() - b[i].y()) > 0.01)
            return false;
    }
    return true;
}

bool contains(const std::vector<std::string>& texts, const std::string& wanted)
{
    return std::find(texts.begin(), texts.end(), wanted) != texts.end();
}

// Messages of every kind, names with characters XML escapes and a control
// character, which the picture shows as a blank.
const std::string namedTrace = standardTrace
    + "NI 3 5 \"<Timer & co>\"\n"
      "CI 3\nME 10 4 \"go \\\"now\\\"\"\nME 11 3\nMR\nMR\nME 12 7 \"new\x01one\"\nME 12 7\nMR\nMR\nCI 5\nME 11 0\n";

TEST(RenderPaint, EveryInstanceAndMessageNameIsText)
{
    DrawnTrace trace(namedTrace);
    const SvgContent svg = svgOf(*trace.diagram);
    ASSERT_TRUE(svg.wellFormed);
    for (const char* name :
         {"World", "obj0:Sensor", "obj0:Pump", "<Timer & co>", "obj0:?", "go \"now\"", "stop", "new one", "ping"})
        EXPECT_TRUE(contains(svg.texts, name)) << name;
}

TEST(RenderPaint, OneArrowPerMessageAndReturn)
{
    DrawnTrace trace(namedTrace);
    const auto& arrows = trace.layout().arrows;
    EXPECT_EQ(int(arrows.size()), trace.reader.messages.count + trace.reader.messageReturns.count);
    const SvgContent svg = svgOf(*trace.diagram);
    for (const Arrow& arrow : arrows) {
        const auto drawn = std::count_if(svg.polylines.begin(), svg.polylines.end(),
                                         [&](const QPolygonF& line) { return samePoints(line, arrow.path); });
        EXPECT_EQ(drawn, 1) << "arrow " << text(arrow.label) << " of row " << arrow.row;
    }
}

TEST(RenderPaint, StyleColoursAppear)
{
    ExampleDrawing example;
    const SvgContent svg = svgOf(*example.diagram);
    ASSERT_TRUE(svg.wellFormed);
    const struct {
        const char* colour;
        const char* what;
    } expected[] = {
        {"#000080", "title text"},      {"#e0e8ff", "title background"}, {"#a00000", "interrupt lines and text"},
        {"#ffe6e6", "interrupt boxes"}, {"#606060", "return lines"},     {"#006000", "loop frames"},
        {"#ffffc8", "note background"}, {"#1f77b4", "thread main"},      {"#ff7f0e", "thread irq"},
    };
    for (const auto& e : expected)
        EXPECT_TRUE(svg.colours.count(e.colour)) << e.colour << ", " << e.what;
}

TEST(RenderPaint, PngAtScale)
{
    QTemporaryDir dir;
    for (double scale : {1.0, 2.5}) {
        RenderOptions options;
        options.scale = scale;
        ExampleDrawing example(options);
        const QString path = dir.filePath(QStringLiteral("rtos.png"));
        QString error;
        ASSERT_TRUE(example.diagram->save(path, &error)) << error.toStdString();
        const QImage image(path);
        const QSizeF layout = diagramLayout(*example.diagram).size;
        EXPECT_EQ(image.size(), example.diagram->size());
        EXPECT_NEAR(image.width(), layout.width() * scale, 1.0);
        EXPECT_NEAR(image.height(), layout.height() * scale, 1.0);
        // Just inside a title box's corner: the title style's background.
        const QRectF title = diagramLayout(*example.diagram).columns[1].titleBox;
        const QPoint inside = ((title.topLeft() + QPointF(2, 2)) * scale).toPoint();
        EXPECT_EQ(image.pixelColor(inside), QColor(224, 232, 255)) << "scale " << scale;
        EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white));
    }
}

TEST(RenderPaint, SaveFailuresLeaveFilesAlone)
{
    QTemporaryDir dir;
    const QString kept = dir.filePath(QStringLiteral("kept.png"));
    {
        QFile file(kept);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old");
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.svg")));
    std::string many = standardTrace;
    for (int i = 0; i < 2000; ++i)
        many += "ME 10 3\nMR\n";
    DrawnTrace tall(many);
    DrawnTrace small(standardTrace + "ME 10 3\n");
    const struct {
        const DrawnTrace* trace;
        QString file;
        const char* error;
    } cases[] = {
        {&small, dir.filePath(QStringLiteral("picture.jpg")), "cannot tell the picture format of"},
        {&small, dir.filePath(QStringLiteral("no/such/folder/picture.svg")), "cannot write"},
        {&small, dir.filePath(QStringLiteral("folder.svg")), "cannot write"},
        {&tall, kept, "too large for a PNG image"},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(c.trace->diagram->save(c.file, &error)) << c.file.toStdString();
        EXPECT_NE(error.indexOf(QLatin1String(c.error)), -1) << error.toStdString();
    }
    QFile file(kept);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.png")})
        << "no file left behind";
}

}  // namespace
