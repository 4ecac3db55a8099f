// The example traces exported in every language, against committed expected
// files that the real PlantUML, Mermaid and Graphviz parsers accept.
#include "test_diagram_support.h"

namespace {

struct GoldenCase {
    const char* trace;
    const char* golden;  // file name without its extension
    SequenceExportOptions options;
};

SequenceExportOptions timed(const QString& format)
{
    SequenceExportOptions options;
    options.sequence.timeFormat = format;
    options.times = true;
    return options;
}

SequenceExportOptions window(int from, int count)
{
    SequenceExportOptions options;
    options.sequence.from = from;
    options.sequence.count = count;
    return options;
}

SequenceExportOptions components()
{
    SequenceExportOptions options;
    options.sequence.components = {
        {QRegularExpression(QStringLiteral("Sensor|Controller")), QStringLiteral("Control")}};
    return options;
}

const GoldenCase goldenCases[] = {
    {"rtos.tdf", "rtos", {}},
    {"rtos.tdf", "rtos-times", timed(QStringLiteral("%Mmn %ss %mms %uus"))},
    {"rtos.tdf", "rtos-window", window(12, 14)},
    {"rtos.tdf", "rtos-components", components()},
    {"blocks.tdf", "blocks", {}},
    {"mistakes.tdf", "mistakes", {}},
};

struct Language {
    DiagramLanguage language;
    const char* extension;
};

const Language languages[] = {
    {DiagramLanguage::PlantUml, ".puml"}, {DiagramLanguage::Mermaid, ".mmd"}, {DiagramLanguage::Dot, ".dot"}};

TEST(DiagramGolden, ExampleTracesInEveryLanguage)
{
    for (const GoldenCase& golden : goldenCases) {
        ExampleTrace example(golden.trace);
        for (const Language& language : languages) {
            SequenceExportOptions options = golden.options;
            options.language = language.language;
            expectGolden(QLatin1String(golden.golden) + QLatin1String(language.extension),
                         exportSequenceDiagram(*example.reader, options));
        }
    }
}

TEST(DiagramGolden, HostileNamesInEveryLanguage)
{
    HostileTrace hostile;
    for (const Language& language : languages) {
        expectGolden(QStringLiteral("hostile") + QLatin1String(language.extension),
                     exportSequenceDiagram(hostile.trace.reader, {language.language, {}, false}));
    }
}

TEST(DiagramGolden, TraceWithoutInstanceIsAnEmptyDiagram)
{
    Trace trace;
    trace.read("DB \"U\"\nID 1\nED\nSF 1 1\n");
    for (const Language& language : languages) {
        expectGolden(QStringLiteral("empty") + QLatin1String(language.extension),
                     exportSequenceDiagram(trace.reader, {language.language, {}, false}));
    }
}

}  // namespace
