// The identifiers of participants in the diagram text.
#pragma once

#include "diagram/script_p.h"

namespace diagram {

// Gives every participant an identifier made of its name's ASCII letters,
// digits and underscores, that is no keyword of either language and no
// other participant's.
void assignIdentifiers(QList<Participant>& participants);

}  // namespace diagram
