// Instances: binding their model and name, and recording the events at
// which their activation bars start and end.
#include "foundation/numbered_text_p.h"
#include "tcf/tcf.h"
#include "tdf/tdfreader.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

const int firstActivationCapacity = 20;
const int activationGrowStep = 100;

// Appends at the array's end.  Past the first growth step the step becomes
// the capacity, so that the array doubles: a long-lived instance's records
// are copied a constant number of times each, not once per hundred.
void append(Array<TDFObject*>& array, TDFObject* event)
{
    if (array.count == array.capacity)
        array.growStep = std::max(array.growStep, array.capacity);
    array[array.count] = event;
}

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
    const auto record = [this, event] { append(*activations, event); };

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
    const QString format = QCoreApplication::translate("Naming", "obj%1:?",
                                                       "%1 is an occurence number, result is for modeless instance "
                                                       "and it's displayed in trace viewer");
    name_ = format == QLatin1StringView("obj%1:?")
        ? numberedText(QLatin1StringView("obj"), occurrence, QLatin1StringView(":?"))
        : format.arg(occurrence);
}

TDFInstanceDelete* TDFInstance::instanceDelete()
{
    return deletion ? deletion->toInstanceDelete() : nullptr;
}

TDFInstanceDeleteAll* TDFInstance::instanceDeleteAll()
{
    return deletion ? deletion->toInstanceDeleteAll() : nullptr;
}
