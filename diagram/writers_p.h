// The writers of a SequenceModel, one per language.
#pragma once

#include "diagram/sequencemodel_p.h"

namespace diagram {

QString writePlantUml(const SequenceModel& model);
QString writeMermaid(const SequenceModel& model);

}  // namespace diagram
