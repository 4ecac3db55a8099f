// A trace's sequence model as the statements of a diagram, on hand-written
// traces of the test configurations: participants, arrows, creations,
// deletions, activations, notes, loops, windows, filters and times.
#include "diagram/script_p.h"
#include "sequence/sequencemodel.h"
#include "test_tdf_support.h"

namespace {

using namespace diagram;

// "World S P*": the participants by name; '?' marks the hidden world, '*' one
// declared where it is born.
std::string participantsOf(const Script& model)
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
std::string stepOf(const Script& model, const Step& step)
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

std::string stepsOf(const Script& model)
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
    SequenceOptions options;
    const char* participants;
    const char* steps;
};

SequenceOptions window(int from, int count)
{
    SequenceOptions options;
    options.from = from;
    options.count = count;
    return options;
}

QRegularExpression pattern(const char* text)
{
    return QRegularExpression(QString::fromUtf8(text));
}

SequenceOptions only(const char* name, bool hideEdges = false)
{
    SequenceOptions options;
    options.only = {pattern(name)};
    options.hideEdges = hideEdges;
    return options;
}

SequenceOptions component(bool hideInternal)
{
    SequenceOptions options;
    options.components = {{pattern("^[SP]$"), QStringLiteral("C")}};
    options.hideInternal = hideInternal;
    return options;
}

SequenceOptions filtered(void (*set)(SequenceOptions&))
{
    SequenceOptions options;
    set(options);
    return options;
}

std::string repeated(const char* line, int times)
{
    std::string lines;
    for (int i = 0; i < times; ++i)
        lines += line;
    return lines;
}

SequenceOptions timeFormat(const QString& format)
{
    SequenceOptions options;
    options.timeFormat = format;
    return options;
}

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
    {"an instance born later by its own line is declared there, even when it first receives",
     prelude + "ME 10 3\nNI 1 7 \"N\"\nCI 3\nME 11 7\n",
     {},
     "World S P N*",
     "P->S start; +S; declare N; S->N stop; +N"},
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
    {"the hidden world is a participant that is not declared",
     "DB \"U\"\nID 5\nIN \"task\" 1 \"A\"\nMS 10 \"go\"\nED\nSF 1 5\nNI 1 1 \"A\"\nCI 0\nME 10 1\nMR\n",
     {},
     "World? A",
     "World->A go; A-->World"},
    {"the hidden world is there even when no event involves it",
     "DB \"U\"\nID 5\nIN \"task\" 1 \"A\"\nED\nSF 1 5\nNI 1 1 \"A\"\n",
     {},
     "World? A",
     ""},
    {"a window inside a loop opens and closes it", prelude + "LS 2\nME 10 3\nLE\nME 11 3\n", window(3, 1), "World S P",
     "loop Loop1:2; P->S start; +S; end"},
    {"a window after a call keeps its activation open", prelude + "LS 2\nME 10 3\nLE\nME 11 3\n", window(5, -1),
     "World S P", "+S; S->S stop; +S"},
    {"a window leaves out instances deleted before it", prelude + "DI 3\nME 10 4\n", window(3, 5), "World P",
     "P->P start; +P"},
    {"a window past the end keeps the living instances only", prelude, window(100, 5), "World S P", ""},
    {"trigger marks are dividers",
     prelude + "ET\nGA\nGS\n",
     {},
     "World S P",
     "== External trigger; == Trigger start; == Trigger stop"},
    {"a time marks the events whose time changes", prelude + "TU \"ms\"\nTM 5\nME 10 3\nNO \"x\"\nCI 3\nTM 9\nMR\n",
     timeFormat(QStringLiteral("%mms")), "World S P", "@5ms; P->S start; +S; note S x; @9ms; S-->P; -S; +P"},
    {"a unit without format follows the number", prelude + "TU \"cycles\"\nTM 7\nME 10 3\n",
     timeFormat(QStringLiteral("")), "World S P", "@7 cycles; P->S start; +S"},
    {"--only: a message from an instance left out comes from the edge", prelude + "ME 10 3\nMR\n", only("^S$"),
     "World S Others?", "Others->S start; +S; S-->Others; -S"},
    {"--hide-edges: such messages are left out; a bar starts and ends at a message drawn",
     prelude + "ME 10 3\nAC \"Reset\" 3\nMR\nCI 3\nME 11 3\n", only("^S$", true), "World S",
     "action S Reset; S->S stop; +S"},
    {"--hide-returns: a bar whose end is left out goes on to the next message drawn",
     prelude + "ME 10 3\nMR\nAC \"Reset\" 0\n", filtered([](SequenceOptions& o) { o.hideReturns = true; }), "World S P",
     "P->S start; +S; action World Reset"},
    {"--hide-notes: notes of their own and with an event", prelude + "NO \"n\"\nME 10 3\nNO \"m\"\nCI 3\n",
     filtered([](SequenceOptions& o) { o.hideNotes = true; }), "World S P", "P->S start; +S"},
    {"--component: messages inside become messages to itself; the bar goes on while a member is active",
     prelude + "ME 10 3\nMR\n", component(false), "World C", "C->C start; +C; C-->C"},
    {"--hide-internal: they are left out", prelude + "ME 10 3\nMR\nAC \"Reset\" 0\n", component(true), "World C",
     "action World Reset"},
    {"--threads: only the messages, returns and actions of those threads",
     prelude + "TI 1 1 0 \"a\"\nME 10 3\nTI 2 1 0 \"b\"\nCI 3\nME 11 4\nAC \"Reset\" 3\n",
     filtered([](SequenceOptions& o) { o.threads = {QStringLiteral("b")}; }), "World S P",
     "S->P stop; +S; +P; action S Reset"},
    {"--time: the events timed within the window", prelude + "TM 10\nME 10 3\nTM 20\nMR\nTM 30\nAC \"Reset\" 4\n",
     filtered([](SequenceOptions& o) {
         o.timeWindow = true;
         o.timeFrom = 15;
         o.timeTo = 25;
     }),
     "World S P", "+S; S-->P; -S; +P"},
    {"bars nested deeper than six levels are folded into the sixth",
     prelude + repeated("CI 4\nME 10 3\n", 8),
     {},
     "World S P",
     "P->S start; +S; P->S start; +S; P->S start; +S; P->S start; +S; P->S start; +S; P->S start; +S; "
     "P->S start; P->S start"},
    {"loops nested deeper than six levels are folded into the sixth",
     prelude + repeated("LS 2\n", 7) + "AC \"Reset\" 0\n" + repeated("LE\n", 7),
     {},
     "World S P",
     "loop Loop1:2; loop Loop1.1:2; loop Loop1.1.1:2; loop Loop1.1.1.1:2; loop Loop1.1.1.1.1:2; "
     "loop Loop1.1.1.1.1.1:2; action World Reset; end; end; end; end; end; end"},
    {"an empty loop holds a note, as no language draws an empty block",
     prelude + "LS 2\nLE\n",
     {},
     "World S P",
     "loop Loop1:2; note P no events shown in this loop; end"},
};

TEST(DiagramScript, EventsBecomeSteps)
{
    for (const WalkCase& c : walkCases) {
        SCOPED_TRACE(c.what);
        Trace trace;
        EXPECT_EQ(trace.read(c.trace), Texts{});
        const Script model = scriptOf(buildSequenceModel(trace.reader, c.options), !c.options.timeFormat.isNull());
        EXPECT_EQ(participantsOf(model), c.participants);
        EXPECT_EQ(stepsOf(model), c.steps);
    }
}

// The bars opened and closed at depth 0 are those of the instances' own
// activation records, for the example trace whose every task nests calls.
TEST(DiagramScript, OutermostBarsAreTheInstancesActivations)
{
    ExampleTrace example("rtos.tdf");
    const SequenceModel sequence = buildSequenceModel(*example.reader);
    const Script model = scriptOf(sequence, false);
    QHash<int, int> depths;
    QHash<int, int> bars;  // bar ends and starts seen, per participant
    for (const Step& step : model.steps) {
        if (const ActivationStep* activation = std::get_if<ActivationStep>(&step)) {
            int& depth = depths[activation->participant];
            depth += activation->active ? 1 : -1;
            bars[activation->participant] += depth == (activation->active ? 1 : 0) ? 1 : 0;
        }
    }
    for (std::size_t index = 0; index < sequence.participants.size(); ++index) {
        const TDFInstance* instance = sequence.participants[index].instance;
        if (instance && instance->activations) {
            SCOPED_TRACE(const_cast<TDFInstance*>(instance)->name().toStdString());
            EXPECT_EQ(bars.value(int(index)), instance->activations->count + (instance->creatingMessage ? 1 : 0));
        }
    }
}

}  // namespace
