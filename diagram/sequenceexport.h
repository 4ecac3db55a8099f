// Export of a read trace as a sequence diagram in a text language that
// people paste into documents: PlantUML or Mermaid.
//
// The export walks the reader's objects in reading order, within a window
// of them, and writes the participants (the world and every instance alive
// in the window, in order of first appearance), messages and returns,
// creations and deletions, activations, actions, notes, glyphs,
// synchronisations, loops, trigger and new-trace marks, and, on request,
// the time of the events.  Every text of the trace is escaped so that the
// language's own parser accepts it and shows it as it is.
#pragma once

#include "stacksizeview_export.h"

#include <QString>

class TDF;

enum class DiagramLanguage { PlantUml, Mermaid };

struct STACKSIZEVIEW_EXPORT SequenceExportOptions {
    DiagramLanguage language = DiagramLanguage::PlantUml;
    int from = 0;        // index of the first object of the reader's list in the window
    int count = -1;      // objects in the window; negative: every object from `from` on
    QString timeFormat;  // format of the times (see tdftime.h); null: no times
};

// The diagram of the objects of `trace` in the window the options give; a
// window past the end gives a diagram without events.  Uses the trace's
// configuration (TDF::traceTCF) for the world actor and the default styles.
STACKSIZEVIEW_EXPORT QString exportSequenceDiagram(const TDF& trace, const SequenceExportOptions& options);

// The language named `name` ("plantuml" or "mermaid"); false for any other name.
STACKSIZEVIEW_EXPORT bool diagramLanguageFromName(const QString& name, DiagramLanguage* language);
