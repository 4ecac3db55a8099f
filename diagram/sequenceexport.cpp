// Export of a read trace as a PlantUML, Mermaid or Graphviz diagram.
#include "diagram/sequenceexport.h"
#include "diagram/writers_p.h"

QString exportSequenceDiagram(TDF& trace, const SequenceExportOptions& options)
{
    return exportSequenceDiagram(buildSequenceModel(trace, options.sequence), options.language, options.times);
}

QString exportSequenceDiagram(const SequenceModel& model, DiagramLanguage language, bool times)
{
    switch (language) {
    case DiagramLanguage::Mermaid:
        return diagram::writeMermaid(diagram::scriptOf(model, times));
    case DiagramLanguage::Dot:
        return diagram::writeContextDiagram(model);
    default:
        return diagram::writePlantUml(diagram::scriptOf(model, times));
    }
}

bool diagramLanguageFromName(const QString& name, DiagramLanguage* language)
{
    static const struct {
        const char* name;
        DiagramLanguage language;
    } languages[] = {
        {"plantuml", DiagramLanguage::PlantUml}, {"mermaid", DiagramLanguage::Mermaid}, {"dot", DiagramLanguage::Dot}};
    for (const auto& known : languages) {
        if (name == QLatin1String(known.name)) {
            *language = known.language;
            return true;
        }
    }
    return false;
}
