// The sequence model as columns of the viewer page's data.
#include "html/modeldata_p.h"

#include "foundation/style.h"
#include "tcf/tcf.h"

#include <QJsonArray>

#include <algorithm>

namespace {

// The kinds of room a label needs between columns, as the page places them.
enum SpacingKind { BetweenColumns, SelfMessage, Creation, Action };

QString colorName(const RGBValue& value)
{
    const auto component = [](int c) { return std::clamp(c, 0, 255); };
    return QStringLiteral("#%1%2%3")
        .arg(component(value.red()), 2, 16, QLatin1Char('0'))
        .arg(component(value.green()), 2, 16, QLatin1Char('0'))
        .arg(component(value.blue()), 2, 16, QLatin1Char('0'));
}

QJsonObject styleObject(const Style& style)
{
    return {{QStringLiteral("name"), style.name()},
            {QStringLiteral("text"), colorName(style.textColor())},
            {QStringLiteral("back"), colorName(style.backColor())},
            {QStringLiteral("line"), colorName(style.lineColor())},
            {QStringLiteral("lineKind"), int(style.lineStyle())},
            {QStringLiteral("arrow"), int(style.arrowStyle())},
            {QStringLiteral("font"), style.fontName()},
            {QStringLiteral("size"), style.fontSize()},
            {QStringLiteral("bold"), style.isBold()},
            {QStringLiteral("italic"), style.isItalic()},
            {QStringLiteral("underline"), style.isUnderline()}};
}

// A column of the items first..last-1 of a table.
template <class Item, class Value>
std::vector<qint64> columnOf(const std::vector<Item>& items, std::size_t first, std::size_t last, Value value)
{
    std::vector<qint64> values;
    values.reserve(last - first);
    for (std::size_t i = first; i < last; ++i)
        values.push_back(value(items[i]));
    return values;
}

// "12345 us" for a trace that named its unit, with %1 for the number.
QString plainTimePattern(const SequenceModel& model)
{
    const QString sample = QStringLiteral("9876543210");
    return formatTraceTime(9876543210ULL, QString(), TIME_UNIT_NONE, model.timeUnitName())
        .replace(sample, QStringLiteral("%1"));
}

}  // namespace

ModelEncoder::ModelEncoder(const SequenceModel& model) : model_(model) {}

std::vector<DataChunk> ModelEncoder::chunks(const QJsonObject& meta)
{
    measureFrames();
    std::vector<DataChunk> chunks(1);
    addParticipants(chunks.front());
    addThreadsAndFiles(chunks.front());
    addSpacings(chunks.front());
    const int rows = int(model_.events.size());
    int first = 0;
    do {
        const int last = std::min(rows, first + (first == 0 ? firstChunkRows : chunkRows));
        if (first > 0)
            chunks.emplace_back();
        DataChunk& chunk = chunks.back();
        chunk.manifest().insert(QStringLiteral("firstRow"), first);
        addEvents(chunk, first, last);
        addBars(chunk, last == rows ? rows + 1 : last);
        addFrames(chunk, last == rows ? rows + 1 : last);
        chunk.addTexts(QStringLiteral("texts"), texts_.takeNew());
        first = last;
    } while (first < rows);
    QJsonObject head = modelMeta();
    for (auto entry = meta.begin(); entry != meta.end(); ++entry)
        head.insert(entry.key(), entry.value());
    head.insert(QStringLiteral("chunks"), int(chunks.size()));
    head.insert(QStringLiteral("styles"), styles_);
    for (auto entry = head.begin(); entry != head.end(); ++entry)
        chunks.front().manifest().insert(entry.key(), entry.value());
    return chunks;
}

int ModelEncoder::styleIndex(const Style* style)
{
    if (!style)
        return -1;
    const auto known = styleIndexes_.constFind(style);
    if (known != styleIndexes_.cend())
        return *known;
    styles_.append(styleObject(*style));
    return *styleIndexes_.insert(style, int(styles_.size()) - 1);
}

// The time format, the configuration's styles of the slots the page draws
// with, and the window.
QJsonObject ModelEncoder::modelMeta()
{
    const auto slot = [this](TCF::Object object) { return styleIndex(model_.slotStyle(object)); };
    return {{QStringLiteral("events"), int(model_.events.size())},
            {QStringLiteral("windowFirst"), model_.windowFirst},
            {QStringLiteral("windowLast"), model_.windowLast},
            {QStringLiteral("maxNesting"), SequenceModel::maxNesting},
            {QStringLiteral("timeFormat"), model_.timeFormat()},
            {QStringLiteral("timeUnit"), int(model_.timeUnit())},
            {QStringLiteral("plainTime"), plainTimePattern(model_)},
            {QStringLiteral("slots"),
             QJsonObject{{QStringLiteral("time"), slot(TCF::TIME)},
                         {QStringLiteral("activated"), slot(TCF::INSTANCE_ACTIVATED)},
                         {QStringLiteral("lifeline"), slot(TCF::INSTANCE_DESACTIVATED)},
                         {QStringLiteral("deletion"), slot(TCF::INSTANCE_DELETE)},
                         {QStringLiteral("title"), slot(TCF::INSTANCE_TITLE)},
                         {QStringLiteral("loopStart"), slot(TCF::LOOP_START)}}}};
}

void ModelEncoder::addParticipants(DataChunk& chunk)
{
    const auto& all = model_.participants;
    const std::size_t n = all.size();
    using P = SequenceParticipant;
    chunk.addColumn(QStringLiteral("partKind"), columnOf(all, 0, n, [](const P& p) { return p.kind; }));
    chunk.addColumn(QStringLiteral("partName"),
                    columnOf(all, 0, n, [this](const P& p) { return texts_.indexOf(p.name); }));
    chunk.addColumn(QStringLiteral("partType"),
                    columnOf(all, 0, n, [this](const P& p) { return texts_.indexOf(p.type); }));
    chunk.addColumn(QStringLiteral("partStyle"),
                    columnOf(all, 0, n, [this](const P& p) { return styleIndex(p.style); }));
    chunk.addColumn(QStringLiteral("partVisible"), columnOf(all, 0, n, [](const P& p) { return p.visible; }));
    chunk.addColumn(QStringLiteral("partBirth"), columnOf(all, 0, n, [](const P& p) { return p.birth; }));
    chunk.addColumn(QStringLiteral("partEnd"), columnOf(all, 0, n, [](const P& p) { return p.end; }));
    chunk.addColumn(QStringLiteral("partMembers"), columnOf(all, 0, n, [](const P& p) { return p.members; }));
}

void ModelEncoder::addThreadsAndFiles(DataChunk& chunk)
{
    const auto& threads = model_.threads;
    const std::size_t n = threads.size();
    using T = SequenceThread;
    chunk.addColumn(QStringLiteral("threadName"),
                    columnOf(threads, 0, n, [this](const T& t) { return texts_.indexOf(t.name); }));
    chunk.addColumn(QStringLiteral("threadNumber"),
                    columnOf(threads, 0, n, [this](const T& t) { return texts_.indexOf(QString::number(t.number)); }));
    chunk.addColumn(QStringLiteral("threadColor"), columnOf(threads, 0, n, [](const T& t) { return t.colorIndex; }));
    std::vector<qint64> files;
    for (const QString& file : model_.files)
        files.push_back(texts_.indexOf(file));
    chunk.addColumn(QStringLiteral("fileName"), files);
}

// Per pair of columns and kind of room, the longest label (in characters)
// that needs it: one pass over the rows.
void ModelEncoder::addSpacings(DataChunk& chunk)
{
    struct Longest {
        int kind, left, right;
        const SequenceEvent* event;
    };
    QHash<quint64, int> byKey;
    std::vector<Longest> longest;
    const auto need = [&](int kind, int left, int right, const SequenceEvent& event) {
        const quint64 key = quint64(kind) << 62 | quint64(quint32(left)) << 31 | quint32(right);
        const auto known = byKey.constFind(key);
        if (known == byKey.cend()) {
            byKey.insert(key, int(longest.size()));
            longest.push_back({kind, left, right, &event});
        } else if (longest[std::size_t(*known)].event->label.size() < event.label.size()) {
            longest[std::size_t(*known)].event = &event;
        }
    };
    for (const SequenceEvent& event : model_.events) {
        if (event.kind == SequenceEvent::Action)
            need(Action, event.from, event.from, event);
        else if (event.isArrow() && event.from == event.to)
            need(SelfMessage, event.from, event.from, event);
        else if (event.isArrow())
            need(event.creates ? Creation : BetweenColumns, event.from, event.to, event);
    }
    using L = Longest;
    const std::size_t n = longest.size();
    chunk.addColumn(QStringLiteral("spacingKind"), columnOf(longest, 0, n, [](const L& l) { return l.kind; }));
    chunk.addColumn(QStringLiteral("spacingLeft"), columnOf(longest, 0, n, [](const L& l) { return l.left; }));
    chunk.addColumn(QStringLiteral("spacingRight"), columnOf(longest, 0, n, [](const L& l) { return l.right; }));
    chunk.addColumn(QStringLiteral("spacingLabel"),
                    columnOf(longest, 0, n, [this](const L& l) { return texts_.indexOf(l.event->label); }));
    chunk.addColumn(QStringLiteral("spacingStyle"),
                    columnOf(longest, 0, n, [this](const L& l) { return styleIndex(l.event->style); }));
}

void ModelEncoder::addEvents(DataChunk& chunk, int first, int last)
{
    const auto& events = model_.events;
    const std::size_t a = std::size_t(first);
    const std::size_t b = std::size_t(last);
    using E = SequenceEvent;
    chunk.addColumn(QStringLiteral("kind"), columnOf(events, a, b, [](const E& e) { return e.kind; }));
    chunk.addColumn(QStringLiteral("flags"), columnOf(events, a, b, [](const E& e) {
                        return (e.creates ? 1 : 0) | (e.warning ? 2 : 0) | (e.timed ? 4 : 0) | (e.call ? 8 : 0);
                    }));
    chunk.addColumn(QStringLiteral("from"), columnOf(events, a, b, [](const E& e) { return e.from; }));
    chunk.addColumn(QStringLiteral("to"), columnOf(events, a, b, [](const E& e) { return e.to; }));
    chunk.addColumn(QStringLiteral("destroyed"), columnOf(events, a, b, [](const E& e) { return e.destroyed; }));
    chunk.addColumn(QStringLiteral("frame"), columnOf(events, a, b, [](const E& e) { return e.frame; }));
    chunk.addColumn(QStringLiteral("thread"), columnOf(events, a, b, [](const E& e) { return e.thread; }));
    chunk.addColumn(QStringLiteral("file"), columnOf(events, a, b, [](const E& e) { return e.file; }));
    chunk.addColumn(QStringLiteral("position"), columnOf(events, a, b, [](const E& e) { return e.position; }), true);
    chunk.addColumn(QStringLiteral("line"), columnOf(events, a, b, [](const E& e) { return e.line; }), true);
    chunk.addColumn(QStringLiteral("timeHigh"), columnOf(events, a, b, [](const E& e) { return e.time >> 32; }), true);
    chunk.addColumn(QStringLiteral("timeLow"), columnOf(events, a, b, [](const E& e) { return e.time & 0xffffffffU; }),
                    true);
    chunk.addColumn(QStringLiteral("label"),
                    columnOf(events, a, b, [this](const E& e) { return texts_.indexOf(e.label); }));
    chunk.addColumn(QStringLiteral("link"),
                    columnOf(events, a, b, [this](const E& e) { return texts_.indexOf(e.link); }));
    chunk.addColumn(QStringLiteral("style"),
                    columnOf(events, a, b, [this](const E& e) { return styleIndex(e.style); }));
    chunk.addColumn(QStringLiteral("overCount"), columnOf(events, a, b, [](const E& e) { return e.over.size(); }));
    std::vector<qint64> over;
    for (std::size_t i = a; i < b; ++i)
        over.insert(over.end(), events[i].over.begin(), events[i].over.end());
    chunk.addColumn(QStringLiteral("over"), over);
    addAnnotations(chunk, first, last);
}

void ModelEncoder::addAnnotations(DataChunk& chunk, int first, int last)
{
    std::vector<qint64> counts, flags, texts, styles;
    for (int row = first; row < last; ++row) {
        const QList<SequenceAnnotation>& annotations = model_.events[std::size_t(row)].annotations;
        counts.push_back(annotations.size());
        for (const SequenceAnnotation& annotation : annotations) {
            flags.push_back((annotation.glyph ? 1 : 0) | (annotation.warning ? 2 : 0));
            texts.push_back(texts_.indexOf(annotation.text));
            styles.push_back(styleIndex(annotation.style));
        }
    }
    chunk.addColumn(QStringLiteral("annotationCount"), counts);
    chunk.addColumn(QStringLiteral("annotationFlags"), flags);
    chunk.addColumn(QStringLiteral("annotationText"), texts);
    chunk.addColumn(QStringLiteral("annotationStyle"), styles);
}

// The bars that begin before row `last`, after those of earlier chunks.
void ModelEncoder::addBars(DataChunk& chunk, int last)
{
    const auto& bars = model_.bars;
    const std::size_t a = nextBar_;
    while (nextBar_ < bars.size() && bars[nextBar_].begin.row < last)
        ++nextBar_;
    const std::size_t b = nextBar_;
    using B = SequenceBar;
    chunk.addColumn(QStringLiteral("barParticipant"), columnOf(bars, a, b, [](const B& r) { return r.participant; }));
    chunk.addColumn(QStringLiteral("barLevel"), columnOf(bars, a, b, [](const B& r) { return r.level; }));
    chunk.addColumn(QStringLiteral("barDepth"), columnOf(bars, a, b, [](const B& r) { return r.depth; }));
    chunk.addColumn(QStringLiteral("barBegin"), columnOf(bars, a, b, [](const B& r) { return r.begin.row; }));
    chunk.addColumn(QStringLiteral("barEnd"), columnOf(bars, a, b, [](const B& r) { return r.end.row; }));
    chunk.addColumn(QStringLiteral("barFlags"), columnOf(bars, a, b, [](const B& r) {
                        return (r.begin.atLine ? 1 : 0) | (r.end.atLine ? 2 : 0) | (r.openTop ? 4 : 0)
                            | (r.openBottom ? 8 : 0);
                    }));
}

// The frames that begin before row `last` (or before the window), after
// those of earlier chunks.
void ModelEncoder::addFrames(DataChunk& chunk, int last)
{
    const auto& frames = model_.frames;
    const std::size_t a = nextFrame_;
    while (nextFrame_ < frames.size() && frames[nextFrame_].begin < last)
        ++nextFrame_;
    const std::size_t b = nextFrame_;
    using F = SequenceFrame;
    const auto reach = [this, &frames](const F& f) { return frameReach_[std::size_t(&f - frames.data())]; };
    chunk.addColumn(QStringLiteral("frameLabel"),
                    columnOf(frames, a, b, [this](const F& f) { return texts_.indexOf(f.label); }));
    chunk.addColumn(QStringLiteral("frameStyle"),
                    columnOf(frames, a, b, [this](const F& f) { return styleIndex(f.style); }));
    chunk.addColumn(QStringLiteral("frameEndStyle"),
                    columnOf(frames, a, b, [this](const F& f) { return styleIndex(f.endStyle); }));
    chunk.addColumn(QStringLiteral("frameLevel"), columnOf(frames, a, b, [](const F& f) { return f.level; }));
    chunk.addColumn(QStringLiteral("frameDepth"), columnOf(frames, a, b, [](const F& f) { return f.depth; }));
    chunk.addColumn(QStringLiteral("frameBegin"), columnOf(frames, a, b, [](const F& f) { return f.begin; }));
    chunk.addColumn(QStringLiteral("frameEnd"), columnOf(frames, a, b, [](const F& f) { return f.end; }));
    chunk.addColumn(QStringLiteral("frameParticipant"),
                    columnOf(frames, a, b, [](const F& f) { return f.participant; }));
    chunk.addColumn(QStringLiteral("frameEmpty"), columnOf(frames, a, b, [](const F& f) { return f.empty; }));
    chunk.addColumn(QStringLiteral("frameLeft"), columnOf(frames, a, b, [&](const F& f) { return reach(f).left; }));
    chunk.addColumn(QStringLiteral("frameRight"), columnOf(frames, a, b, [&](const F& f) { return reach(f).right; }));
    chunk.addColumn(QStringLiteral("frameInner"), columnOf(frames, a, b, [&](const F& f) { return reach(f).inner; }));
}

// One walk over the rows with the frames open at each (a few at most).
void ModelEncoder::measureFrames()
{
    const auto& frames = model_.frames;
    frameReach_.assign(frames.size(), FrameReach());
    std::vector<std::size_t> open;
    std::size_t next = 0;
    const auto reachTo = [&](int participant) {
        for (std::size_t frame : open) {
            FrameReach& reach = frameReach_[frame];
            reach.left = reach.left < 0 ? participant : std::min(reach.left, participant);
            reach.right = std::max(reach.right, participant);
        }
    };
    const auto enter = [&](std::size_t frame) {
        for (std::size_t outer : open)
            frameReach_[outer].inner = std::max(frameReach_[outer].inner, frames[frame].level - frames[outer].level);
        open.push_back(frame);
    };
    for (; next < frames.size() && frames[next].begin < 0; ++next)
        enter(next);
    for (int row = 0; row < int(model_.events.size()); ++row) {
        for (; next < frames.size() && frames[next].begin == row; ++next)
            enter(next);
        const SequenceEvent& event = model_.events[std::size_t(row)];
        for (int participant : {event.from, event.to, event.destroyed})
            if (participant >= 0)
                reachTo(participant);
        for (int participant : event.over)
            reachTo(participant);
        open.erase(std::remove_if(open.begin(), open.end(), [&](std::size_t f) { return frames[f].end == row; }),
                   open.end());
    }
}
