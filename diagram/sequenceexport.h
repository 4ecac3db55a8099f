// Export of a read trace as a diagram in a text language that people paste
// into documents: a PlantUML or Mermaid sequence diagram, or a Graphviz
// context diagram of who talks to whom.
//
// The export draws the trace's sequence model (sequence/sequencemodel.h),
// with its window and filters: the participants, messages and returns,
// creations and deletions, activations, actions, notes, glyphs,
// synchronisations, loops, trigger and new-trace marks and, on request, the
// time of the events.  Every text of the trace is escaped so that the
// language's own parser accepts it and shows it as it is.
#pragma once

#include "sequence/sequencemodel.h"
#include "stacksizeview_export.h"

#include <QString>

class TDF;

enum class DiagramLanguage { PlantUml, Mermaid, Dot };

struct STACKSIZEVIEW_EXPORT SequenceExportOptions {
    DiagramLanguage language = DiagramLanguage::PlantUml;
    SequenceOptions sequence;  // the window and filters; its time format is that of the times written
    bool times = false;        // write the time of the events where it changes
};

// The diagram of the trace's events that the options select; a window past
// the end gives a diagram without events.
STACKSIZEVIEW_EXPORT QString exportSequenceDiagram(TDF& trace, const SequenceExportOptions& options);
// The diagram of a model.
STACKSIZEVIEW_EXPORT QString exportSequenceDiagram(const SequenceModel& model, DiagramLanguage language, bool times);

// The language named `name` ("plantuml", "mermaid" or "dot"); false for any other name.
STACKSIZEVIEW_EXPORT bool diagramLanguageFromName(const QString& name, DiagramLanguage* language);
