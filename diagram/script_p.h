// A sequence model as statements that every language's writer turns into
// text: participants and steps, top to bottom.
//
// Participants are referred to by their index in Script::participants, which
// is their index in the sequence model.
#pragma once

#include "foundation/style.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

class SequenceModel;

namespace diagram {

// A lifeline: an instance, a component, the world or the edge.
struct Participant {
    bool actor = false;  // the world
    QString name;
    QString id;                 // the identifier in the diagram text
    bool hidden = false;        // the world the configuration does not show, or the edge
    bool declaredAtTop = true;  // false: declared by the step where it is born
};

// How an arrow looks, from its message's style.
struct ArrowLook {
    std::optional<RGBValue> colour;  // the line colour; none without a style
    Style::Line line = Style::SOLID_LINE;
    Style::Arrow head = Style::PLAIN_ARROW;
};

// A message, or a return (drawn back from the receiver to the sender).
struct ArrowStep {
    int from = 0;
    int to = 0;
    QString text;
    bool isReturn = false;
    ArrowLook look;
    bool createsReceiver = false;  // the receiver is born with this message
    int destroys = -1;             // the participant whose deletion is drawn here, or -1
    QStringList remarks;           // the notes and glyphs attached to the arrow
};

// A participant born here and drawn from here on, not created by a message.
struct DeclareStep {
    int participant = 0;
};

struct DestroyStep {
    QList<int> participants;
};

struct ActivationStep {
    int participant = 0;
    bool active = true;  // false: the innermost activation ends
};

enum class NoteKind { Note, Action, Glyph, Synchronisation };

// A text over lifelines: over the first to the last of `over`, in
// participant order.
struct NoteStep {
    NoteKind kind = NoteKind::Note;
    QList<int> over;
    QString text;
};

struct LoopStartStep {
    QString text;
};

struct LoopEndStep {};

// A full-width separator: a new trace or a trigger mark.
struct DividerStep {
    QString text;
};

// The time of the events that follow.
struct TimeStep {
    QString text;
};

using Step = std::variant<ArrowStep, DeclareStep, DestroyStep, ActivationStep, NoteStep, LoopStartStep, LoopEndStep,
                          DividerStep, TimeStep>;

// Visits a Step with one lambda per kind: std::visit(Overloaded{...}, step).
template <class... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};
template <class... Visitors>
Overloaded(Visitors...) -> Overloaded<Visitors...>;

struct Script {
    QList<Participant> participants;  // the sequence model's, in its order
    QList<Step> steps;
};

// The note in a loop block that draws nothing (no language draws an empty block).
QString emptyLoopText();

// The statements of a model; with `times`, the time of the events wherever it changes.
Script scriptOf(const SequenceModel& model, bool times);

}  // namespace diagram
