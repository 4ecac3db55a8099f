// The participants of a diagram: the world and the instances whose
// lifelines cross the window, with their identifiers in the diagram text.
#pragma once

#include "diagram/sequencemodel_p.h"
#include "diagram/walk_p.h"

class TCF;

namespace diagram {

class ParticipantSet {
public:
    QList<Participant> list;  // the world first, then the instances by birth
    int world = -1;           // the world's index, or -1

    // The index of an instance (null: the world), or -1 when it is not drawn.
    int of(const TDFInstance* instance) const { return instance ? indexes_.value(instance, -1) : world; }
    void add(const Participant& participant);

private:
    QHash<const TDFInstance*, int> indexes_;
};

// The world, when the configuration shows it (no configuration: it does) or
// an event of the window involves it, then every instance born before the
// window's end and not deleted before its start, in order of birth.
ParticipantSet collectParticipants(const ObjectIndex& objects, const Window& window, const TCF* tcf);

// Gives every participant an identifier made of its name's ASCII letters,
// digits and underscores, that is no keyword of either language and no
// other participant's.
void assignIdentifiers(QList<Participant>& participants);

}  // namespace diagram
