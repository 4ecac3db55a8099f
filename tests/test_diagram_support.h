// Helpers shared by the diagram tests: the committed expected diagrams, and
// a trace whose every name is hostile to the diagram languages.
#pragma once

#include "diagram/sequenceexport.h"
#include "test_tdf_support.h"

#include <QDir>
#include <QFile>
#include <QStringList>

// The committed expected file tests/golden/<name>.
inline QString goldenText(const QString& name)
{
    QFile file(QStringLiteral(SSV_SOURCE_DIR "/tests/golden/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

inline void writeText(const QString& path, const QString& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(text.toUtf8());
}

// Compares `actual` with tests/golden/<name>.  The actual text is also
// written to the build tree (tests/golden-actual/<name>) to compare by
// hand; with SSV_UPDATE_GOLDEN set in the environment it replaces the
// expected file, which must then be checked with the real parsers.
inline void expectGolden(const QString& name, const QString& actual)
{
    const QString actualFolder = QStringLiteral(SSV_GOLDEN_ACTUAL_DIR);
    QDir().mkpath(actualFolder);
    writeText(actualFolder + name, actual);
    if (qEnvironmentVariableIsSet("SSV_UPDATE_GOLDEN"))
        writeText(QStringLiteral(SSV_SOURCE_DIR "/tests/golden/") + name, actual);
    EXPECT_EQ(actual.toStdString(), goldenText(name).toStdString())
        << "expected tests/golden/" << name.toStdString() << ", actual in " << actualFolder.toStdString();
}

// Names that the diagram languages would read as markup or syntax: their
// keywords, comment, quote, escape and markup characters, line breaks,
// entity codes and non-ASCII text.
inline const QStringList hostileNames = {
    "end",
    "loop",
    "note",
    "participant",
    "activate",
    "destroy",
    "as",
    "over",
    "across",
    "Note over A: x",
    "@enduml",
    "@startuml",
    "!include foo",
    "'quote",
    "/' block '/",
    "a\"b",
    "line1\nline2",
    "back\\slash",
    "back\\nslash-n",
    "trail\\",
    "<b>bold</b>",
    "**bold**",
    "//ital//",
    "--strike--",
    "__under__",
    "~~wave~~",
    "\"\"mono\"\"",
    "[[http://x link]]",
    "<color:red>r</color>",
    "&amp;",
    "&#65;",
    "<U+0041>",
    "$var",
    "%date()",
    "#red",
    "a : b",
    "A -> B",
    "x-",
    "-x",
    "<<stereo>>",
    "{x}",
    "|a|",
    "== d ==",
    "... d ...",
    "~",
    "\\\\",
    "%%{init: {}}%%",
    "wrap:x",
    "nowrap:y",
    "x<br>y",
    "#quot;",
    "#59;",
    "a;b",
    "a,b",
    "style:#35;",
    "\u00df\u00b6 \ufb02\u00b0",
    "accTitle: x",
    "sequenceDiagram",
    "alt",
    "else",
    "rect",
    "critical",
    "Ünïcødé ✓ 日本 😀",
    "123",
    "x:y:z",
};

// A trace of the test configuration "T" in which each hostile name is, in
// turn, an instance, a loop, a note, a message and an action, and the last
// one a synchronisation of them all.
class HostileTrace {
public:
    Trace trace;

    HostileTrace()
    {
        std::string lines = standardBlock;
        for (int i = 0; i < hostileNames.size(); ++i) {
            const std::string id = std::to_string(100 + i);
            lines += "NI 1 " + id + "\nLS 1\nNO \"n\"\nME 10 " + id + "\nAC \"a\" " + id + "\nMR\nLE\n";
        }
        lines += "SA \"s\"\n";
        EXPECT_EQ(trace.read(lines), Texts{});
        name();
    }

private:
    // Gives each named object its hostile name, in reading order.
    void name()
    {
        int instance = -1;
        for (TDFObject* object : trace.reader.objects) {
            instance += object->toInstance() ? 1 : 0;
            if (object->toMessageReturn() || object->toLoopEnd() || instance < 0)
                continue;
            object->setName(hostileNames[std::min(instance, int(hostileNames.size()) - 1)]);
        }
    }
};
