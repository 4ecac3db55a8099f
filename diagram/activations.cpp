// Activation bars from the control flow of messages and returns.
#include "diagram/activations_p.h"
#include "tdf/tdfobjects.h"

namespace diagram {

QList<ActivationChange> ActivationTracker::message(const TDFMessage& message)
{
    const TDFInstance* receiver = message.receiver;
    if (!receiver || !receiver->hasActivation())
        return {};
    ++depths_[receiver];
    return {{receiver, true}};
}

QList<ActivationChange> ActivationTracker::messageReturn(const TDFMessageReturn& messageReturn)
{
    QList<ActivationChange> changes;
    const TDFMessage* message = messageReturn.message;
    if (!message)
        return changes;
    if (const TDFInstance* receiver = message->receiver; receiver && depths_.value(receiver) > 0) {
        --depths_[receiver];
        changes.append({receiver, false});
    }
    if (const TDFInstance* sender = message->sender; sender && sender->hasActivation() && !depths_.value(sender)) {
        depths_[sender] = 1;
        changes.append({sender, true});
    }
    return changes;
}

}  // namespace diagram
