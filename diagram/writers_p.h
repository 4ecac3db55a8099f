// The writers of each language.
#pragma once

#include "diagram/script_p.h"

namespace diagram {

QString writePlantUml(const Script& script);
QString writeMermaid(const Script& script);
// The context diagram: who sends messages to whom, in Graphviz's dot language.
QString writeContextDiagram(const SequenceModel& model);

}  // namespace diagram
