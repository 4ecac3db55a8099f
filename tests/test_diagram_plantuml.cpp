// The hostile names exported to PlantUML and drawn by the real PlantUML
// (Debian's package, run as "plantuml"): the parser accepts the diagram and
// every name shows unchanged in the SVG.  Skipped when plantuml is not
// installed, so that the unit tests need no Java.
#include "test_diagram_support.h"

#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>

namespace {

// The texts of an SVG drawing, one per text element, in document order.
QStringList svgTexts(const QByteArray& svg)
{
    QStringList texts;
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("text"))
            texts.append(reader.readElementText(QXmlStreamReader::IncludeChildElements).trimmed());
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return texts;
}

// How often the lines of `name` stand as consecutive texts; a loop's label
// shows between brackets.
int occurrences(const QStringList& texts, const QString& name)
{
    const QStringList lines = name.split(u'\n');
    QStringList bracketed = lines;
    bracketed.front().prepend(u'[');
    bracketed.back().append(u']');
    int count = 0;
    for (qsizetype i = 0; i + lines.size() <= texts.size(); ++i) {
        const QStringList here = texts.mid(i, lines.size());
        count += here == lines || here == bracketed ? 1 : 0;
    }
    return count;
}

TEST(DiagramPlantUml, HostileNamesShowUnchanged)
{
    const QString plantuml = QStandardPaths::findExecutable(QStringLiteral("plantuml"));
    if (plantuml.isEmpty())
        GTEST_SKIP() << "plantuml is not installed (Debian package plantuml): the real parser is not run";
    HostileTrace hostile;
    const QString diagram = exportSequenceDiagram(hostile.trace.reader, {DiagramLanguage::PlantUml, {}, false});
    QProcess process;
    process.start(plantuml, {"-tsvg", "-pipe", "-charset", "UTF-8"});
    process.write(diagram.toUtf8());
    process.closeWriteChannel();
    ASSERT_TRUE(process.waitForFinished(300000));
    const QByteArray svg = process.readAllStandardOutput();
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const QStringList texts = svgTexts(svg);
    ASSERT_FALSE(texts.contains(QStringLiteral("Syntax Error?")));
    for (const QString& name : hostileNames) {
        // Twice as a participant, once each as a loop, a message, a note and an action.
        EXPECT_GE(occurrences(texts, name), 6) << name.toStdString();
    }
}

}  // namespace
