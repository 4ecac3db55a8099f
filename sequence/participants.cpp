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
    positions_.reserve(trace_.objects.count);
    for (TDFObject* object : trace_.objects) {
        positions_.insert(object, int(objects_.size()));
        objects_.push_back(object);
    }
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

// Where an instance's lifeline ends: at the return its deletion is drawn
// at, else at its deletion; past every event while it lives.
int SequenceBuilder::endOf(const TDFInstance* instance) const
{
    if (!instance->deletion)
        return int(objects_.size());
    const TDFInstanceDelete* deletion = instance->deletion->toInstanceDelete();
    const int atReturn = deletion && deletion->atReturn ? positions_.value(deletion->atReturn, -1) : -1;
    return atReturn >= 0 ? atReturn : positions_.value(instance->deletion, int(objects_.size()));
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
    for (int position = 0; position < last_; ++position) {
        const TDFInstance* instance = objects_[std::size_t(position)]->toInstance();
        if (instance && endOf(instance) >= first_)
            addInstance(instance);
    }
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
        lifelines_.insert(instance, {});
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
        lifelines_.insert(instance, {*known, false});
        return;
    }
    SequenceParticipant participant;
    participant.name = name;
    participant.style = styleOf(const_cast<TDFInstance*>(instance), TCF::INSTANCE_TITLE);
    participant.instance = instance;
    if (instance->model && instance->model->instanceType)
        participant.type = instance->model->instanceType->name;
    lifelines_.insert(instance, {addParticipant(participant), true});
}

int SequenceBuilder::addParticipant(const SequenceParticipant& participant)
{
    model_.participants.push_back(participant);
    componentDepth_.push_back(0);
    lastOuterBar_.push_back(-1);
    return int(model_.participants.size()) - 1;
}

// The participant of an instance (null: the world); leftOut for one the
// filters leave out, noLifeline for one without a lifeline in the window.
int SequenceBuilder::lifelineOf(const TDFInstance* instance) const
{
    if (!instance)
        return 0;
    const auto lifeline = lifelines_.constFind(instance);
    if (lifeline == lifelines_.cend())
        return noLifeline;
    return lifeline->participant >= 0 ? lifeline->participant : leftOut;
}

// The participant an event draws on for an instance: the edge for one left
// out, made when first needed; -1 for one without a lifeline.
int SequenceBuilder::participantOf(const TDFInstance* instance)
{
    const int lifeline = lifelineOf(instance);
    if (lifeline != leftOut)
        return lifeline == noLifeline ? -1 : lifeline;
    if (edge_ < 0) {
        SequenceParticipant edge;
        edge.kind = SequenceParticipant::Edge;
        edge.name = QCoreApplication::translate("SequenceModel", "Others");
        edge.visible = false;
        edge_ = addParticipant(edge);
    }
    return edge_;
}
