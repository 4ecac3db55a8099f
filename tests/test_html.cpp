// The viewer page's data decoded as the page decodes it: columns stored in
// their narrowest type, every column of every chunk against the model, and
// trace text nowhere outside the compressed data.
#include "html/htmlviewer.h"
#include "html/modeldata_p.h"
#include "support/trace_generator.h"
#include "test_diagram_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QtEndian>

#include <zlib.h>

namespace {

QByteArray inflated(const QByteArray& stream)
{
    z_stream z{};
    inflateInit(&z);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(stream.constData()));
    z.avail_in = uInt(stream.size());
    QByteArray out;
    int status = Z_OK;
    while (status == Z_OK) {
        char buffer[65536];
        z.next_out = reinterpret_cast<Bytef*>(buffer);
        z.avail_out = sizeof buffer;
        status = inflate(&z, Z_NO_FLUSH);
        out.append(buffer, qsizetype(sizeof buffer - z.avail_out));
    }
    inflateEnd(&z);
    EXPECT_EQ(status, Z_STREAM_END);
    return out;
}

// A chunk as the page reads it: its manifest, its columns as numbers (delta
// columns summed up again) and its texts.
struct Chunk {
    QJsonObject manifest;
    QHash<QString, std::vector<qint64>> columns;
    QHash<QString, QString> types;
    QStringList texts;

    const std::vector<qint64>& operator[](const char* name) const { return *columns.find(QLatin1String(name)); }
};

qint64 valueAt(const char* data, const QString& type)
{
    const int size = type.mid(1).toInt() / 8;
    const quint32 word = size == 1 ? quint8(*data)
        : size == 2                ? qFromLittleEndian<quint16>(data)
                                   : qFromLittleEndian<quint32>(data);
    if (type.startsWith(u'u'))
        return word;
    return size == 1 ? qint8(word) : size == 2 ? qint16(word) : qint32(word);
}

Chunk decodeChunk(const QByteArray& base64, bool compressed = true)
{
    const QByteArray bytes = compressed ? inflated(QByteArray::fromBase64(base64)) : QByteArray::fromBase64(base64);
    const quint32 length = qFromLittleEndian<quint32>(bytes.constData());
    Chunk chunk;
    chunk.manifest = QJsonDocument::fromJson(bytes.mid(4, length)).object();
    const qsizetype base = (4 + length + 7) / 8 * 8;
    for (const QJsonValue& value : chunk.manifest.value("columns").toArray()) {
        const QJsonObject column = value.toObject();
        const QString type = column.value("type").toString();
        const char* data = bytes.constData() + base + column.value("offset").toInteger();
        const qsizetype count = column.value("length").toInteger();
        if (column.value("name") == QLatin1String("texts")) {
            QString all(reinterpret_cast<const QChar*>(data), count);
            for (qint64 textLength : chunk["textsLengths"]) {
                chunk.texts << all.left(textLength);
                all.remove(0, textLength);
            }
            continue;
        }
        std::vector<qint64>& values = chunk.columns[column.value("name").toString()];
        quint32 sum = 0;
        for (qsizetype i = 0; i < count; ++i) {
            const qint64 stored = valueAt(data + i * (type.mid(1).toInt() / 8), type);
            sum += quint32(stored);
            values.push_back(column.value("delta").toBool() ? qint64(sum) : stored);
        }
        chunk.types.insert(column.value("name").toString(), type);
    }
    return chunk;
}

// The data elements of a page, by model: whether compressed, and the data.
QList<std::pair<bool, QByteArray>> dataOf(const QByteArray& page, int model)
{
    static const QRegularExpression element(
        R"re(<script type="application/octet-stream" class="trace-data" data-model="(\d)")re"
        R"re( data-encoding="(deflate|none)">([^<]*)</script>)re");
    QList<std::pair<bool, QByteArray>> chunks;
    for (const QRegularExpressionMatch& match : element.globalMatch(QString::fromLatin1(page))) {
        if (match.captured(1).toInt() == model)
            chunks.append({match.captured(2) == QLatin1String("deflate"), match.captured(3).toLatin1()});
    }
    return chunks;
}

// Every chunk of a model, its texts gathered into one table.
struct PageData {
    std::vector<Chunk> chunks;
    QStringList texts;

    PageData(const QByteArray& page, int model)
    {
        for (const auto& [compressed, data] : dataOf(page, model)) {
            EXPECT_EQ(compressed, model > 0 || !chunks.empty()) << "only the page's first chunk is not compressed";
            chunks.push_back(decodeChunk(data, compressed));
            texts += chunks.back().texts;
        }
    }

    // A column of every chunk, one after the other.
    std::vector<qint64> column(const char* name) const
    {
        std::vector<qint64> all;
        for (const Chunk& chunk : chunks)
            all.insert(all.end(), chunk[name].begin(), chunk[name].end());
        return all;
    }
};

TEST(HtmlData, ColumnsTakeTheNarrowestType)
{
    struct Case {
        std::vector<qint64> values;
        bool delta;
        const char* type;
    };
    const Case cases[] = {
        {{}, false, "u8"},
        {{0, 255}, false, "u8"},
        {{-1, 127}, false, "i8"},
        {{0, 256}, false, "u16"},
        {{-129, 5}, false, "i16"},
        {{0, 70000}, false, "u32"},
        {{-1, 70000}, false, "i32"},
        {{200, 201, 203, 255}, true, "u8"},
        {{1000, 1001}, true, "u16"},
        {{10, 9, 300}, true, "i16"},
        {{0xffffffffLL, 0, 5}, true, "i8"},
        {{0, 0x7fffffff, 0}, true, "i32"},
    };
    for (const Case& c : cases) {
        DataChunk chunk;
        chunk.addColumn(QStringLiteral("values"), c.values, c.delta);
        chunk.addTexts(QStringLiteral("texts"), {});
        const Chunk decoded = decodeChunk(chunk.encoded());
        EXPECT_EQ(decoded.types.value("values"), QLatin1String(c.type));
        std::vector<qint64> expected = c.values;
        for (qint64& value : expected)
            value = c.delta ? qint64(quint32(value)) : value;
        EXPECT_EQ(decoded["values"], expected) << c.type;
    }
}

TEST(HtmlData, EveryRowOfAGeneratedTraceDecodes)
{
    Trace trace;
    std::unique_ptr<TCFList> configuration = loadTCF(TraceGenerator::configuration());
    TDF reader(configuration.get());
    TraceShape shape;
    shape.events = 9000;
    for (const std::string& line : TraceGenerator(3, shape).lines())
        reader.read((line + '\n').c_str());
    const SequenceModel model = buildSequenceModel(reader);
    ASSERT_GT(model.events.size(), std::size_t(ModelEncoder::firstChunkRows)) << "several chunks";
    const PageData data(htmlViewer(model), 0);
    ASSERT_EQ(data.chunks.size(), std::size_t(2));
    EXPECT_EQ(data.chunks[1].manifest.value("firstRow"), ModelEncoder::firstChunkRows);
    EXPECT_EQ(data.chunks[0].manifest.value("events"), int(model.events.size()));

    const auto text = [&data](qint64 index) { return data.texts.value(index); };
    const std::vector<qint64> kinds = data.column("kind"), from = data.column("from"), to = data.column("to"),
                              positions = data.column("position"), lines = data.column("line"),
                              high = data.column("timeHigh"), low = data.column("timeLow"),
                              labels = data.column("label"), links = data.column("link"),
                              overCounts = data.column("overCount"), over = data.column("over"),
                              notes = data.column("annotationCount"), noteTexts = data.column("annotationText");
    ASSERT_EQ(kinds.size(), model.events.size());
    std::size_t overAt = 0, noteAt = 0;
    for (std::size_t row = 0; row < model.events.size(); ++row) {
        const SequenceEvent& event = model.events[row];
        SCOPED_TRACE(row);
        EXPECT_EQ(kinds[row], event.kind);
        EXPECT_EQ(from[row], event.from);
        EXPECT_EQ(to[row], event.to);
        EXPECT_EQ(positions[row], event.position);
        EXPECT_EQ(lines[row], event.line);
        EXPECT_EQ(quint64(high[row]) << 32 | quint64(low[row]), event.time);
        EXPECT_EQ(text(labels[row]), event.label);
        EXPECT_EQ(text(links[row]), event.link);
        ASSERT_EQ(overCounts[row], event.over.size());
        for (int participant : event.over)
            EXPECT_EQ(over[overAt++], participant);
        ASSERT_EQ(notes[row], event.annotations.size());
        for (const SequenceAnnotation& annotation : event.annotations)
            EXPECT_EQ(text(noteTexts[noteAt++]), annotation.text);
    }
    const std::vector<qint64> barBegins = data.column("barBegin"), barEnds = data.column("barEnd");
    ASSERT_EQ(barBegins.size(), model.bars.size());
    for (std::size_t bar = 0; bar < model.bars.size(); ++bar) {
        EXPECT_EQ(barBegins[bar], model.bars[bar].begin.row);
        EXPECT_EQ(barEnds[bar], model.bars[bar].end.row);
    }
    EXPECT_EQ(data.column("frameBegin").size(), model.frames.size());
    const std::vector<qint64> names = data.chunks[0]["partName"];
    ASSERT_EQ(names.size(), model.participants.size());
    for (std::size_t p = 0; p < names.size(); ++p)
        EXPECT_EQ(text(names[p]), model.participants[p].name);
}

TEST(HtmlData, TraceTextStaysInsideTheCompressedData)
{
    HostileTrace hostile;
    const SequenceModel model = buildSequenceModel(hostile.trace.reader);
    SequenceOptions components;
    components.components.append({QRegularExpression(QStringLiteral("a")), QStringLiteral("</script><b>x")});
    const SequenceModel folded = buildSequenceModel(hostile.trace.reader, components);
    HtmlViewerOptions options;
    options.title = QStringLiteral("<title>\"'&");
    options.expanded = &model;
    const QByteArray page = htmlViewer(folded, options);

    EXPECT_EQ(page.count("<script"), page.count("</script>")) << "every element ends where it should";
    EXPECT_EQ(dataOf(page, 1).size(), 1);
    QByteArray outside = page;
    for (int m : {0, 1}) {
        for (const auto& chunk : dataOf(page, m)) {
            EXPECT_TRUE(QRegularExpression("^[A-Za-z0-9+/=]*$").match(QString::fromLatin1(chunk.second)).hasMatch());
            outside.replace(chunk.second, "");
        }
    }
    for (const QString& name : hostileNames + QStringList{"<title>\"'&", "</script><b>x"}) {
        if (name.contains(u'<') || name.contains(u'&') || name.contains(u'"')) {
            EXPECT_FALSE(outside.contains(name.toUtf8())) << name.toStdString();
        }
    }
    QStringList names;
    const PageData data(page, 1);
    for (qint64 index : data.chunks[0]["partName"])
        names << data.texts.value(index);
    for (const QString& name : hostileNames)
        EXPECT_TRUE(names.contains(name)) << name.toStdString() << ": kept exactly";
}

// The differences of a page, decoded: the inserted rows (runs expanded),
// the deleted events by place, the retimed rows and the hunks, as one text.
QString decodedDifferences(const QByteArray& page)
{
    static const QRegularExpression element(
        R"re(<script type="application/octet-stream")re"
        R"re( class="trace-differences" data-encoding="deflate">([^<]*)</script>)re");
    const QRegularExpressionMatch match = element.match(QString::fromLatin1(page));
    if (!match.hasMatch())
        return QStringLiteral("none");
    const Chunk c = decodeChunk(match.captured(1).toLatin1());
    QString text = c.manifest.value("golden").toString() + " | " + c.manifest.value("summary").toString() + " | +";
    for (std::size_t run = 0; run < c["insertedFirst"].size(); ++run)
        for (qint64 k = 0; k < c["insertedCount"][run]; ++k)
            text += QString::number(c["insertedFirst"][run] + k) + ' ';
    std::size_t event = 0;
    for (std::size_t place = 0; place < c["deletedBefore"].size(); ++place) {
        text += "| -" + QString::number(c["deletedBefore"][place]);
        for (qint64 k = 0; k < c["deletedCount"][place]; ++k, ++event)
            text += ' ' + c.texts.value(c["deletedText"][event]) + '@' + c.texts.value(c["deletedPlace"][event]);
    }
    for (std::size_t k = 0; k < c["retimedRow"].size(); ++k)
        text += "| ~" + QString::number(c["retimedRow"][k]) + ' ' + c.texts.value(c["retimedText"][k]);
    for (std::size_t k = 0; k < c["hunkFirst"].size(); ++k)
        text += QStringLiteral("| %1..%2 %3")
                    .arg(c["hunkFirst"][k])
                    .arg(c["hunkLast"][k])
                    .arg(c.texts.value(c["hunkTitle"][k]));
    return text;
}

TEST(HtmlData, DifferencesFromAGoldenRunDecode)
{
    Trace trace;
    std::unique_ptr<TCFList> configuration = loadTCF(TraceGenerator::configuration());
    TDF reader(configuration.get());
    for (const std::string& line : TraceGenerator(5, TraceShape()).lines())
        reader.read((line + '\n').c_str());
    const SequenceModel model = buildSequenceModel(reader);
    const int rows = int(model.events.size());
    using D = HtmlDifferences;
    struct Case {
        D differences;
        QString decoded;
    };
    const Case cases[] = {
        {D{}, " |  | +"},
        {D{"golden.tdf",
           "traces differ",
           {0, 1, 2, 5, 9, 10},
           {{0, {{"10 us  message  a", "golden.tdf:3"}}}, {5, {{"b", ""}, {"c", "golden.tdf:9"}}}},
           {{3, "moved"}, {70000, "far"}},
           {{0, 3, "@@ -1,2 +1,4 @@"}, {5, 4, "@@ -5,2 +5,0 @@"}, {8, 11, "@@ -7,1 +9,3 @@"}}},
         "golden.tdf | traces differ | +0 1 2 5 9 10 | -0 10 us  message  a@golden.tdf:3| -5 b@ c@golden.tdf:9"
         "| ~3 moved| ~70000 far| 0..3 @@ -1,2 +1,4 @@| 5..4 @@ -5,2 +5,0 @@| 8..11 @@ -7,1 +9,3 @@"},
        {D{"</script><b>", hostileNames.join(u' '), {rows - 1}, {{rows, {{hostileNames[0], hostileNames[1]}}}}, {}, {}},
         "</script><b> | " + hostileNames.join(u' ') + " | +" + QString::number(rows - 1) + " | -"
             + QString::number(rows) + ' ' + hostileNames[0] + '@' + hostileNames[1]},
    };
    for (const Case& c : cases) {
        HtmlViewerOptions options;
        options.expanded = &model;
        options.differences = &c.differences;
        const QByteArray page = htmlViewer(model, options);
        EXPECT_EQ(decodedDifferences(page).toStdString(), c.decoded.toStdString());
        EXPECT_TRUE(dataOf(page, 1).isEmpty()) << "a page of differences draws the model as it was compared";
        EXPECT_FALSE(page.contains("</script><b>")) << "trace text only in the compressed data";
    }
    EXPECT_EQ(decodedDifferences(htmlViewer(model)), "none");
}

}  // namespace
