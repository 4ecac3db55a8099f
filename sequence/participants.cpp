// The window of events and the participants: the world, every instance whose
// lifeline crosses the window that the filters keep, components, the edge.
#include "sequence/builder_p.h"
#include "tcf/tcf.h"
#include "tdf/tdfreader.h"

#include <QCoreApplication>

#include <algorithm>

void SequenceBuilder::indexObjects()
{
    objects_.reserve(std::size_t(trace_.objects.count));
    for (TDFObject* object : trace_.objects)
        objects_.push_back(object);
}

// The positions from `from` on, `count` of them, and with a time window
// the events from the first timed at or after its start to the last timed
// at or before its end.
void SequenceBuilder::chooseWindow()
{
    const int size = int(objects_.size());
    first_ = std::clamp(options_.from, 0, size);
    last_ = options_.count < 0 ? size : first_ + std::min(options_.count, size - first_);
    if (options_.timeWindow) {
        while (first_ < last_ && objects_[std::size_t(first_)]->time < options_.timeFrom)
            ++first_;
        while (last_ > first_ && objects_[std::size_t(last_ - 1)]->time > options_.timeTo)
            --last_;
    }
    model_.windowFirst = first_;
    model_.windowLast = last_;
}

// The world, then the instances born before the window's end and not ended
// before its start, in order of birth.
void SequenceBuilder::chooseParticipants()
{
    SequenceParticipant world;
    world.kind = SequenceParticipant::World;
    world.name = QCoreApplication::translate("SequenceModel", "World");
    world.style = model_.slotStyle(TCF::WORLD);
    world.visible = !trace_.traceTCF || trace_.traceTCF->displayWorldActor;
    addParticipant(world);
    const std::vector<const TDFInstance*> born = bornInWindow();
    model_.participants.reserve(born.size() + 2);
    for (const TDFInstance* instance : born)
        addInstance(instance);
}

// The instances born before the window's end, in order of birth, without
// those whose lifelines ended before its start: at their deletion, or at
// the return their deletion is drawn at.
std::vector<const TDFInstance*> SequenceBuilder::bornInWindow() const
{
    std::vector<const TDFInstance*> born;
    QSet<const TDFInstance*> ended;
    const auto end = [&ended](const TDFInstance* instance) { ended.insert(instance); };
    for (int position = 0; position < last_; ++position) {
        TDFObject* object = objects_[std::size_t(position)];
        if (const TDFInstance* instance = object->toInstance())
            born.push_back(instance);
        if (position >= first_)
            continue;
        if (const TDFInstanceDelete* deletion = object->toInstanceDelete())
            end(deletion->instance);
        else if (const TDFMessageReturn* atReturn = object->toMessageReturn(); atReturn && atReturn->deletion)
            end(atReturn->deletion->instance);
        else if (const TDFInstanceDeleteAll* all = object->toInstanceDeleteAll(); all && all->deletedInstances)
            std::for_each(all->deletedInstances->begin(), all->deletedInstances->end(), end);
    }
    born.erase(std::remove_if(born.begin(), born.end(),
                              [&ended](const TDFInstance* instance) { return ended.contains(instance); }),
               born.end());
    return born;
}

bool SequenceBuilder::shown(const QString& name) const
{
    const auto matches = [&name](const QRegularExpression& pattern) { return pattern.match(name).hasMatch(); };
    const bool only = options_.only.isEmpty() || std::any_of(options_.only.begin(), options_.only.end(), matches);
    return only && std::none_of(options_.hide.begin(), options_.hide.end(), matches);
}

void SequenceBuilder::addInstance(const TDFInstance* instance)
{
    const QString name = const_cast<TDFInstance*>(instance)->name();
    if (!shown(name)) {
        lifelines_[keyOf(instance)] = {-1, false, -1};
        return;
    }
    for (const SequenceOptions::Component& component : options_.components) {
        if (!component.pattern.match(name).hasMatch())
            continue;
        auto known = components_.find(component.name);
        if (known == components_.end()) {
            SequenceParticipant participant;
            participant.kind = SequenceParticipant::Component;
            participant.name = component.name;
            participant.style = model_.slotStyle(TCF::INSTANCE_TITLE);
            participant.members = 0;
            known = components_.insert(component.name, addParticipant(participant));
        }
        ++model_.participants[std::size_t(*known)].members;
        lifelines_[keyOf(instance)] = {*known, false, flowFor(instance, *known, false)};
        return;
    }
    SequenceParticipant participant;
    participant.name = name;
    participant.style = styleOf(const_cast<TDFInstance*>(instance), TCF::INSTANCE_TITLE);
    participant.instance = instance;
    if (instance->model && instance->model->instanceType)
        participant.type = instance->model->instanceType->name;
    const int index = addParticipant(participant);
    lifelines_[keyOf(instance)] = {index, true, flowFor(instance, index, true)};
}

int SequenceBuilder::addParticipant(const SequenceParticipant& participant)
{
    model_.participants.push_back(participant);
    componentDepth_.push_back(0);
    lastBars_.emplace_back();
    lastBars_.back().fill(-1);
    return int(model_.participants.size()) - 1;
}

// How an instance (null: the world) is drawn; null for one without a
// lifeline in the window.
const SequenceBuilder::Lifeline* SequenceBuilder::lifeline(const TDFInstance* instance)
{
    static const Lifeline world{0, true, -1};
    return instance ? lifelines_.find(keyOf(instance)) : &world;
}

// The participant an event draws on for a lifeline: the edge for one left
// out, made when first needed.
int SequenceBuilder::drawnEnd(const Lifeline* drawn)
{
    if (drawn->participant >= 0)
        return drawn->participant;
    if (edge_ < 0) {
        SequenceParticipant edge;
        edge.kind = SequenceParticipant::Edge;
        edge.name = QCoreApplication::translate("SequenceModel", "Others");
        edge.visible = false;
        edge_ = addParticipant(edge);
    }
    return edge_;
}

// The participant of an instance, or -1 for one left out or without a
// lifeline.
int SequenceBuilder::participantOf(const TDFInstance* instance)
{
    const Lifeline* drawn = lifeline(instance);
    return drawn ? drawn->participant : -1;
}
