// Activation bars from the control flow of messages and returns.
//
// A message hands control to its receiver, whose activation deepens; its
// return hands control back: the receiver's innermost activation ends, and
// the sender, when no activation of its own is open, starts one.  Only
// instances whose model nests control flow (TDFInstance::hasActivation)
// have activations, as in the instances' own activation records.
#pragma once

#include <QHash>
#include <QList>

class TDFInstance;
class TDFMessage;
class TDFMessageReturn;

namespace diagram {

struct ActivationChange {
    const TDFInstance* instance;
    bool active;  // false: the innermost activation ends
};

class ActivationTracker {
public:
    QList<ActivationChange> message(const TDFMessage& message);
    QList<ActivationChange> messageReturn(const TDFMessageReturn& messageReturn);
    // The number of the instance's activations open now.
    int depth(const TDFInstance* instance) const { return depths_.value(instance); }

private:
    QHash<const TDFInstance*, int> depths_;
};

}  // namespace diagram
