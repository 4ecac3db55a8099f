// Instances: binding their model and name, and recording the events at
// which their activation bars start and end.
#include "tcf/tcf.h"
#include "tdf/tdfreader.h"

#include <QCoreApplication>

namespace {

const int firstActivationCapacity = 20;
const int activationGrowStep = 100;

}  // namespace

bool TDFInstance::hasActivation() const
{
    return model && model->instanceType && model->instanceType->nestedControlFlow();
}

void TDFInstance::computeActivation(TDFObject* event, bool start)
{
    if (!hasActivation())
        return;
    if (!activations)
        activations = new Array<TDFObject*>(firstActivationCapacity, activationGrowStep);
    // An instance created by a message starts active: its first recorded
    // event is then an end.
    const bool evenCount = activations->count % 2 == 0;
    const bool open = evenCount == (creatingMessage != nullptr);
    const auto record = [this, event] { (*activations)[activations->count] = event; };

    switch (event->type) {
    case TDF_MESSAGE:
    case TDF_MESSAGE_CALL:
        if (!start)
            return;
        if (!open)
            record();
        ++activationDepth;
        return;
    case TDF_MESSAGE_RETURN:
        if (start) {
            if (!open) {
                record();
                ++activationDepth;
            }
        } else {
            if (open && activationDepth == 1)
                record();
            --activationDepth;
        }
        return;
    default:
        return;
    }
}

void TDFInstance::setModel(TDFDBInstance* model)
{
    this->model = model;
    occurrence = model ? model->occurrenceCounter++ : 0;
    if (hasOwnName)
        return;
    name_ = QString();
    if (model) {
        Naming* naming = model->instanceType ? model->instanceType->naming : nullptr;
        name_ = Naming::processInstance(naming, int(occurrence), model->name);
    }
}

void TDFInstance::setModeless(TDF* reader)
{
    occurrence = reader->modelessCount++;
    model = nullptr;
    if (hasOwnName)
        return;
    name_ = QCoreApplication::translate("Naming", "obj%1:?",
                                        "%1 is an occurence number, result is for modeless instance and it's "
                                        "displayed in trace viewer")
                .arg(occurrence);
}

TDFInstanceDelete* TDFInstance::instanceDelete()
{
    return deletion ? deletion->toInstanceDelete() : nullptr;
}

TDFInstanceDeleteAll* TDFInstance::instanceDeleteAll()
{
    return deletion ? deletion->toInstanceDeleteAll() : nullptr;
}
