// Export of a read trace as a PlantUML or Mermaid sequence diagram.
#include "diagram/sequenceexport.h"
#include "diagram/walk_p.h"
#include "diagram/writers_p.h"

QString exportSequenceDiagram(const TDF& trace, const SequenceExportOptions& options)
{
    const diagram::SequenceModel model = diagram::walkSequence(trace, options);
    return options.language == DiagramLanguage::Mermaid ? diagram::writeMermaid(model) : diagram::writePlantUml(model);
}

bool diagramLanguageFromName(const QString& name, DiagramLanguage* language)
{
    if (name == QLatin1String("plantuml"))
        *language = DiagramLanguage::PlantUml;
    else if (name == QLatin1String("mermaid"))
        *language = DiagramLanguage::Mermaid;
    else
        return false;
    return true;
}
