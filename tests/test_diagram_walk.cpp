// The walk of a trace into the diagram model, on hand-written traces of the
// test configurations: participants, arrows, creations, deletions,
// activations, notes, loops, windows and times.
#include "diagram/sequenceexport.h"
#include "diagram/walk_p.h"
#include "test_tdf_support.h"

namespace {

using namespace diagram;

// "World S P*": the participants by name; '?' marks the hidden world, '*' one
// declared where it is born.
std::string participantsOf(const SequenceModel& model)
{
    std::string out;
    for (const Participant& participant : model.participants) {
        out += (out.empty() ? "" : " ") + participant.name.toStdString() + (participant.hidden ? "?" : "")
            + (participant.declaredAtTop ? "" : "*");
    }
    return out;
}

// One step in a few words: "P->S start [note]", "S-->P xS", "+S", "-S",
// "declare T", "destroy S,P", "note S text", "loop text", "end",
// "== text", "@time".
std::string stepOf(const SequenceModel& model, const Step& step)
{
    const auto name = [&model](int index) { return model.participants[index].name.toStdString(); };
    const auto names = [&name](const QList<int>& indexes) {
        std::string out;
        for (int index : indexes)
            out += (out.empty() ? "" : ",") + name(index);
        return out;
    };
    static const char* const kinds[] = {"note", "action", "glyph", "sync"};
    return std::visit(
        Overloaded{[&](const ArrowStep& arrow) {
                       return std::string(arrow.createsReceiver ? "create " : "") + name(arrow.from)
                           + (arrow.isReturn ? "-->" : "->") + name(arrow.to)
                           + (arrow.text.isEmpty() ? "" : " " + arrow.text.toStdString())
                           + (arrow.destroys >= 0 ? " x" + name(arrow.destroys) : "")
                           + (arrow.remarks.isEmpty() ? "" : " [" + arrow.remarks.join('|').toStdString() + "]");
                   },
                   [&](const DeclareStep& declare) { return "declare " + name(declare.participant); },
                   [&](const DestroyStep& destroy) { return "destroy " + names(destroy.participants); },
                   [&](const ActivationStep& activation) {
                       return (activation.active ? "+" : "-") + name(activation.participant);
                   },
                   [&](const NoteStep& note) {
                       return kinds[int(note.kind)] + (" " + names(note.over)) + " " + note.text.toStdString();
                   },
                   [](const LoopStartStep& loop) { return "loop " + loop.text.toStdString(); },
                   [](const LoopEndStep&) { return std::string("end"); },
                   [](const DividerStep& divider) { return "== " + divider.text.toStdString(); },
                   [](const TimeStep& time) { return "@" + time.text.toStdString(); }},
        step);
}

std::string stepsOf(const SequenceModel& model)
{
    std::string out;
    for (const Step& step : model.steps)
        out += (out.empty() ? "" : "; ") + stepOf(model, step);
    return out;
}

// Block (1 2) of T with instances S (3) and P (4, current), both tasks.
const std::string prelude = std::string(standardBlock) + "NI 1 3 \"S\"\nNI 2 4 \"P\"\n";

struct WalkCase {
    const char* what;
    std::string trace;
    SequenceExportOptions options;
    const char* participants;
    const char* steps;
};

const WalkCase walkCases[] = {
    {"nested calls open and close activations; a return reactivates its sender",
     prelude + "ME 10 3\nME 12 4\nMR\nMR\n",
     {},
     "World S P",
     "P->S start; +S; S->P ping; +P; P-->S; -P; S-->P; -S; +P"},
    {"an instance of a flat type has no activation",
     prelude + "NI 3 5 \"T\"\nME 12 3\nMR\n",
     {},
     "World S P T",
     "T->S ping; +S; S-->T; -S"},
    {"an instance born later and first receiving is created by the message",
     prelude + "ME 10 3\nNI 1 7 \"N\"\nCI 3\nME 11 7\n",
     {},
     "World S P N*",
     "P->S start; +S; create S->N stop; +N"},
    {"an instance born later and first sending is declared",
     prelude + "ME 10 3\nNI 3 8 \"T\"\nME 12 3\n",
     {},
     "World S P T*",
     "P->S start; +S; declare T; T->S ping; +S"},
    {"a self message creates nothing",
     prelude + "ME 10 3\nNI 1 7 \"N\"\nME 11 7\n",
     {},
     "World S P N*",
     "P->S start; +S; declare N; N->N stop; +N"},
    {"a receiver made by its message is created by it",
     prelude + "ME 10 3\nCI 3\nME 11 9\n",
     {},
     "World S P obj0:?*",
     "P->S start; +S; create S->obj0:? stop"},
    {"a deletion drawn at a return ends the lifeline there; another one stands alone",
     prelude + "ME 10 3\nMR\nDI 3 10\nDI 4\n",
     {},
     "World S P",
     "P->S start; +S; S-->P xS; +P; destroy P"},
    {"a deletion of all", prelude + "DA\n", {}, "World S P", "destroy S,P"},
    {"notes and glyphs go with their message or over their instance; actions and synchronisations",
     prelude + "NO \"n\"\nME 10 3\nNO \"m\"\nCI 3\nGL 1 \"g\"\nCI 4\nAC \"a\" 0\nSY \"s\" 4 3\n",
     {},
     "World S P",
     "P->S start [n]; +S; note S m; glyph P call: g; action World a; sync S,P s"},
    {"the hidden world appears only when an event involves it",
     "DB \"U\"\nID 5\nIN \"task\" 1 \"A\"\nMS 10 \"go\"\nED\nSF 1 5\nNI 1 1 \"A\"\nCI 0\nME 10 1\nMR\n",
     {},
     "World? A",
     "World->A go; A-->World"},
    {"the hidden world is left out otherwise",
     "DB \"U\"\nID 5\nIN \"task\" 1 \"A\"\nED\nSF 1 5\nNI 1 1 \"A\"\n",
     {},
     "A",
     ""},
    {"a window inside a loop opens and closes it",
     prelude + "LS 2\nME 10 3\nLE\nME 11 3\n",
     {DiagramLanguage::PlantUml, 3, 1, QString()},
     "World S P",
     "loop Loop1:2; P->S start; +S; end"},
    {"a window after a call keeps its activation open",
     prelude + "LS 2\nME 10 3\nLE\nME 11 3\n",
     {DiagramLanguage::PlantUml, 5, -1, QString()},
     "World S P",
     "+S; S->S stop; +S"},
    {"a window leaves out instances deleted before it",
     prelude + "DI 3\nME 10 4\n",
     {DiagramLanguage::PlantUml, 3, 5, QString()},
     "World P",
     "P->P start; +P"},
    {"a window past the end keeps the living instances only",
     prelude,
     {DiagramLanguage::PlantUml, 100, 5, QString()},
     "World S P",
     ""},
    {"trigger marks are dividers",
     prelude + "ET\nGA\nGS\n",
     {},
     "World S P",
     "== External trigger; == Trigger start; == Trigger stop"},
    {"a time marks the events whose time changes",
     prelude + "TU \"ms\"\nTM 5\nME 10 3\nNO \"x\"\nCI 3\nTM 9\nMR\n",
     {DiagramLanguage::PlantUml, 0, -1, QStringLiteral("%mms")},
     "World S P",
     "@5ms; P->S start; +S; note S x; @9ms; S-->P; -S; +P"},
    {"a unit without format follows the number",
     prelude + "TU \"cycles\"\nTM 7\nME 10 3\n",
     {DiagramLanguage::PlantUml, 0, -1, QStringLiteral("")},
     "World S P",
     "@7 cycles; P->S start; +S"},
};

TEST(DiagramWalk, EventsBecomeSteps)
{
    for (const WalkCase& c : walkCases) {
        SCOPED_TRACE(c.what);
        Trace trace;
        EXPECT_EQ(trace.read(c.trace), Texts{});
        const SequenceModel model = walkSequence(trace.reader, c.options);
        EXPECT_EQ(participantsOf(model), c.participants);
        EXPECT_EQ(stepsOf(model), c.steps);
    }
}

// The bars opened and closed at depth 0 are those of the instances' own
// activation records, for the example trace whose every task nests calls.
TEST(DiagramWalk, OutermostBarsAreTheInstancesActivations)
{
    ExampleTrace example("rtos.tdf");
    const SequenceModel model = walkSequence(*example.reader, {});
    QHash<int, int> depths;
    QHash<int, int> bars;  // bar ends and starts seen, per participant
    for (const Step& step : model.steps) {
        if (const ActivationStep* activation = std::get_if<ActivationStep>(&step)) {
            int& depth = depths[activation->participant];
            depth += activation->active ? 1 : -1;
            bars[activation->participant] += depth == (activation->active ? 1 : 0) ? 1 : 0;
        }
    }
    for (int index = 0; index < model.participants.size(); ++index) {
        const TDFInstance* instance = model.participants[index].instance;
        if (instance && instance->activations) {
            SCOPED_TRACE(instance->name().toStdString());
            EXPECT_EQ(bars.value(index), instance->activations->count);
        }
    }
}

}  // namespace
