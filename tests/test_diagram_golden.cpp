// The example traces exported in both languages, against committed
// expected files that the real PlantUML and Mermaid parsers accept.
#include "test_diagram_support.h"

namespace {

struct GoldenCase {
    const char* trace;
    const char* golden;  // file name without its extension
    SequenceExportOptions options;
};

const GoldenCase goldenCases[] = {
    {"rtos.tdf", "rtos", {}},
    {"rtos.tdf", "rtos-times", {DiagramLanguage::PlantUml, 0, -1, QStringLiteral("%Mmn %ss %mms %uus")}},
    {"rtos.tdf", "rtos-window", {DiagramLanguage::PlantUml, 12, 14, QString()}},
    {"blocks.tdf", "blocks", {}},
    {"mistakes.tdf", "mistakes", {}},
};

struct Language {
    DiagramLanguage language;
    const char* extension;
};

const Language languages[] = {{DiagramLanguage::PlantUml, ".puml"}, {DiagramLanguage::Mermaid, ".mmd"}};

TEST(DiagramGolden, ExampleTracesInBothLanguages)
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

TEST(DiagramGolden, HostileNamesInBothLanguages)
{
    HostileTrace hostile;
    for (const Language& language : languages) {
        expectGolden(QStringLiteral("hostile") + QLatin1String(language.extension),
                     exportSequenceDiagram(hostile.trace.reader, {language.language, 0, -1, QString()}));
    }
}

TEST(DiagramGolden, TraceWithoutInstanceIsAnEmptyDiagram)
{
    Trace trace;
    trace.read("DB \"U\"\nID 1\nED\nSF 1 1\n");
    for (const Language& language : languages) {
        expectGolden(QStringLiteral("empty") + QLatin1String(language.extension),
                     exportSequenceDiagram(trace.reader, {language.language, 0, -1, QString()}));
    }
}

}  // namespace
