// Every view draws the same sequence model.  For generated traces, windows
// and filters: the participants, arrows, bars and frames of the picture's
// layout, of the PlantUML text and of the Mermaid text are the same; and
// each filter keeps exactly the events it promises, checked against the
// trace's own objects.
#include "diagram/script_p.h"
#include "diagram/sequenceexport.h"
#include "render/layout_p.h"
#include "render/sequencediagram.h"
#include "support/trace_generator.h"
#include "test_tdf_support.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <functional>
#include <map>

namespace {

// What a view draws, in terms all views share: participants by diagram id
// ("~" for one not drawn: the hidden world, the edge), arrows in order.
struct Drawn {
    std::vector<std::string> participants;  // visible ones, sorted
    std::vector<std::string> arrows;        // "from>to"
    std::map<std::string, int> bars;        // per participant
    int frames = 0;

    bool operator==(const Drawn& other) const
    {
        return participants == other.participants && arrows == other.arrows && bars == other.bars
            && frames == other.frames;
    }
};

std::ostream& operator<<(std::ostream& out, const Drawn& drawn)
{
    out << drawn.participants.size() << " participants, " << drawn.arrows.size() << " arrows, " << drawn.frames
        << " frames, bars:";
    for (const auto& [id, count] : drawn.bars)
        out << ' ' << id << '=' << count;
    for (const std::string& arrow : drawn.arrows)
        out << ' ' << arrow;
    return out;
}

class Ids {
public:
    explicit Ids(const SequenceModel& model) : script_(diagram::scriptOf(model, false)) {}

    std::string operator()(int participant) const
    {
        const diagram::Participant& drawn = script_.participants[participant];
        return drawn.hidden ? "~" : drawn.id.toStdString();
    }
    std::string operator()(const QString& id) const
    {
        for (const diagram::Participant& drawn : script_.participants) {
            if (drawn.id == id)
                return drawn.hidden ? "~" : id.toStdString();
        }
        return "?" + id.toStdString();
    }

private:
    diagram::Script script_;
};

Drawn drawnByLayout(const DiagramLayout& layout, const Ids& id)
{
    Drawn drawn;
    for (std::size_t column = 0; column < layout.columns.size(); ++column) {
        if (layout.columns[column].visible)
            drawn.participants.push_back(id(int(column)));
    }
    for (const Arrow& arrow : layout.arrows)
        drawn.arrows.push_back(id(arrow.fromColumn) + '>' + id(arrow.toColumn));
    for (const Bar& bar : layout.bars)
        ++drawn.bars[id(bar.column)];
    drawn.frames = int(layout.frames.size());
    return drawn;
}

// Reads back the statements of an exported diagram.
Drawn drawnByText(const QString& text, const Ids& id, const QRegularExpression& declaration,
                  const QRegularExpression& arrow)
{
    Drawn drawn;
    for (const QString& line : text.split(u'\n')) {
        const QString statement = line.trimmed();
        if (const QRegularExpressionMatch match = declaration.match(statement); match.hasMatch())
            drawn.participants.push_back(id(match.captured(1)));
        else if (const QRegularExpressionMatch match = arrow.match(statement); match.hasMatch())
            drawn.arrows.push_back((match.captured(1).isEmpty() ? "~" : id(match.captured(1))) + '>'
                                   + (match.captured(2).isEmpty() ? "~" : id(match.captured(2))));
        else if (statement.startsWith(QLatin1String("activate ")))
            ++drawn.bars[id(statement.mid(9))];
        else if (statement.startsWith(QLatin1String("loop ")))
            ++drawn.frames;
    }
    return drawn;
}

Drawn drawnByPlantUml(const QString& text, const Ids& id)
{
    static const QRegularExpression declaration(QStringLiteral("^(?:create )?(?:participant|actor) .*?(\\w+)$"));
    static const QRegularExpression arrow(QStringLiteral("^(?:\\[|(\\w+) )-\\S*?(?:\\]| (\\w+))(?: :.*)?$"));
    return drawnByText(text, id, declaration, arrow);
}

Drawn drawnByMermaid(const QString& text, const Ids& id)
{
    static const QRegularExpression declaration(
        QStringLiteral("^(?:create )?(?:participant|actor) (\\w+)(?: as .*)?$"));
    static const QRegularExpression arrow(QStringLiteral("^(\\w+)--?(?:>>|\\))(\\w+):.*$"));
    return drawnByText(text, id, declaration, arrow);
}

Drawn sorted(Drawn drawn)
{
    std::sort(drawn.participants.begin(), drawn.participants.end());
    return drawn;
}

struct Filter {
    const char* name;
    std::function<void(SequenceOptions&)> set;
    // Whether an event of the model may stand there under the filter, judged
    // from the trace's own objects.
    std::function<bool(const TDF&, const SequenceModel&, const SequenceEvent&)> allowed;
};

const QRegularExpression firstTwo(QStringLiteral("[12]$"));  // instances of static instances 1 and 2

bool matches(const TDFInstance* instance)
{
    return instance && firstTwo.match(const_cast<TDFInstance*>(instance)->name()).hasMatch();
}

// The instances at the ends of an arrow (null: the world), sender first as drawn.
std::pair<const TDFInstance*, const TDFInstance*> endsOf(const SequenceEvent& event)
{
    TDFObject* source = const_cast<TDFObject*>(event.source);
    if (const TDFMessage* message = source->toMessage())
        return {message->sender, message->receiver};
    const TDFMessage* returned = source->toMessageReturn()->message;
    return {returned->receiver, returned->sender};
}

SequenceParticipant::Kind kindOf(const SequenceModel& model, int participant)
{
    return model.participants[std::size_t(participant)].kind;
}

// An arrow's end stands for its instance: the edge exactly when the instance
// is left out (`leftOut`), else `drawnAs` when it is folded into something.
bool endIs(const SequenceModel& model, int participant, const TDFInstance* instance, bool leftOut,
           SequenceParticipant::Kind drawnAs = SequenceParticipant::Instance)
{
    const SequenceParticipant::Kind kind = kindOf(model, participant);
    if (!instance)
        return kind == SequenceParticipant::World;
    if (leftOut)
        return kind == SequenceParticipant::Edge;
    return kind == (matches(instance) ? drawnAs : SequenceParticipant::Instance);
}

// The thread a message, return or action ran on is `number`.
bool onThread(const SequenceModel& model, const SequenceEvent& event, unsigned long number)
{
    if (event.isArrow()) {
        TDFObject* source = const_cast<TDFObject*>(event.source);
        const TDFMessage* message = source->toMessage() ? source->toMessage() : source->toMessageReturn()->message;
        return message->thread && message->thread->num == number;
    }
    return event.kind != SequenceEvent::Action || model.threads[std::size_t(event.thread)].number == number;
}

// Whether the event lies from the first object timed at or after `from` to
// the last timed at or before `to` (a trace's times may go back).
bool inTimeWindow(const TDF& trace, const SequenceEvent& event, unsigned long from, unsigned long to)
{
    int first = -1;
    int last = -1;
    int position = 0;
    for (const TDFObject* object : trace.objects) {
        if (first < 0 && object->time >= from)
            first = position;
        if (object->time <= to)
            last = position;
        ++position;
    }
    return first >= 0 && first <= event.position && event.position <= last;
}

bool isNote(const TDFObject* object)
{
    return const_cast<TDFObject*>(object)->toNote();
}

const Filter filters[] = {
    {"none", [](SequenceOptions&) {}, [](const TDF&, const SequenceModel&, const SequenceEvent&) { return true; }},
    {"--hide-returns", [](SequenceOptions& o) { o.hideReturns = true; },
     [](const TDF&, const SequenceModel&, const SequenceEvent& e) { return e.kind != SequenceEvent::Return; }},
    {"--hide-notes", [](SequenceOptions& o) { o.hideNotes = true; },
     [](const TDF&, const SequenceModel&, const SequenceEvent& e) {
         return !isNote(e.source) && std::none_of(e.annotations.begin(), e.annotations.end(), [](const auto& a) {
             return isNote(a.source);
         });
     }},
    {"--hide", [](SequenceOptions& o) { o.hide = {firstTwo}; },
     [](const TDF&, const SequenceModel& m, const SequenceEvent& e) {
         if (!e.isArrow())
             return e.from < 0 || kindOf(m, e.from) != SequenceParticipant::Edge;
         const auto [from, to] = endsOf(e);
         return endIs(m, e.from, from, matches(from)) && endIs(m, e.to, to, matches(to));
     }},
    {"--only --hide-edges",
     [](SequenceOptions& o) {
         o.only = {firstTwo};
         o.hideEdges = true;
     },
     [](const TDF&, const SequenceModel& m, const SequenceEvent& e) {
         if (!e.isArrow())
             return e.from < 0 || kindOf(m, e.from) != SequenceParticipant::Edge;
         const auto [from, to] = endsOf(e);
         return (!from || matches(from)) && (!to || matches(to)) && endIs(m, e.from, from, false)
             && endIs(m, e.to, to, false);
     }},
    {"--component --hide-internal",
     [](SequenceOptions& o) {
         o.components = {{firstTwo, QStringLiteral("Pair")}};
         o.hideInternal = true;
     },
     [](const TDF&, const SequenceModel& m, const SequenceEvent& e) {
         if (!e.isArrow())
             return true;
         const auto [from, to] = endsOf(e);
         const bool inside = from != to && matches(from) && matches(to);
         return !inside && endIs(m, e.from, from, false, SequenceParticipant::Component)
             && endIs(m, e.to, to, false, SequenceParticipant::Component);
     }},
    {"--threads 2", [](SequenceOptions& o) { o.threads = {QStringLiteral("2")}; },
     [](const TDF&, const SequenceModel& m, const SequenceEvent& e) { return onThread(m, e, 2); }},
    {"--time",
     [](SequenceOptions& o) {
         o.timeWindow = true;
         o.timeFrom = 20;
         o.timeTo = 120;
     },
     [](const TDF& t, const SequenceModel&, const SequenceEvent& e) { return inTimeWindow(t, e, 20, 120); }},
};

class GeneratedTrace {
public:
    std::unique_ptr<TCFList> tcf = loadTCF(TraceGenerator::configuration());
    TraceReports reports;  // generated traces may draw a warning; they are not what is tested
    TDF reader{tcf.get()};

    explicit GeneratedTrace(unsigned seed)
    {
        TraceShape shape;
        shape.events = 160;
        shape.newTraces = false;
        for (const std::string& line : TraceGenerator(seed, shape).lines())
            reader.read(line.c_str());
    }
};

TEST(Views, EveryViewDrawsTheSameModelUnderEveryFilter)
{
    for (unsigned seed = 1; seed <= 12; ++seed) {
        GeneratedTrace trace(seed);
        for (const Filter& filter : filters) {
            for (const auto& [from, count] : {std::pair{0, -1}, std::pair{40, 50}}) {
                SCOPED_TRACE(std::string(filter.name) + ", seed " + std::to_string(seed) + ", from "
                             + std::to_string(from));
                SequenceOptions options;
                options.from = from;
                options.count = count;
                filter.set(options);
                const SequenceModel model = buildSequenceModel(trace.reader, options);
                for (const SequenceEvent& event : model.events)
                    EXPECT_TRUE(filter.allowed(trace.reader, model, event)) << "event at " << event.position;
                const Ids id(model);
                const SequenceDiagram picture(model);
                const Drawn drawn = sorted(drawnByLayout(diagramLayout(picture), id));
                EXPECT_EQ(sorted(drawnByPlantUml(exportSequenceDiagram(model, DiagramLanguage::PlantUml, false), id)),
                          drawn);
                EXPECT_EQ(sorted(drawnByMermaid(exportSequenceDiagram(model, DiagramLanguage::Mermaid, false), id)),
                          drawn);
            }
        }
    }
}

bool pairedSurrogates(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return false;
    }
    return true;
}

// Characters that XML forbids, or that no text should carry, in a name
// (a host may set any): every view writes something its readers accept.
TEST(Views, NamesWithCharactersXmlForbids)
{
    Trace trace;
    ASSERT_EQ(trace.read(standardTrace + "ME 10 3\nMR\n"), Texts{});
    const QString hostile = QStringLiteral("a") + QChar(0xfffe) + QChar(0xffff) + QChar(0xd800) + QChar(0x1b)
        + QChar(0x7) + QChar(0xdc00) + QStringLiteral("z");
    trace.reader.instanceTable.search(3)->setName(hostile);
    const SequenceModel model = buildSequenceModel(trace.reader);
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    ASSERT_TRUE(SequenceDiagram(model).writeSvg(&svg));
    QXmlStreamReader xml(svg.data());
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    for (DiagramLanguage language : {DiagramLanguage::PlantUml, DiagramLanguage::Mermaid, DiagramLanguage::Dot}) {
        const QString text = exportSequenceDiagram(model, language, false);
        for (QChar c : {QChar(0xfffe), QChar(0xffff), QChar(0x1b), QChar(0x7)})
            EXPECT_FALSE(text.contains(c)) << int(language) << ": U+" << std::hex << c.unicode();
        EXPECT_TRUE(pairedSurrogates(text)) << int(language);
        EXPECT_TRUE(text.contains(u'z')) << "the name is there";
    }
}

}  // namespace
