// Layout: for hand-written traces, the columns, rows, bars, arrow ends and
// frames are where they must be.  Traces start from the standard trace:
// Sensor (3) and Pump (4) of nested control flow, Timer (static 3) flat.
#include "test_render_support.h"

#include "render/drawstyle_p.h"
#include "render/geometry_p.h"

namespace {

using geometry::barHalfWidth;

// The last event the reader appended of the given kind.
TDFObject* lastOf(const List<TDFObject*>& list)
{
    return list.last() ? list.last()->item : nullptr;
}

const Column& columnOf(const DrawnTrace& trace, const TDFInstance* instance)
{
    const int column = trace.column(instance);
    EXPECT_GE(column, 0) << "no column";
    return trace.layout().columns[std::size_t(std::max(column, 0))];
}

std::vector<const Bar*> barsOf(const DrawnTrace& trace, const TDFInstance* instance)
{
    std::vector<const Bar*> bars;
    for (const Bar& bar : trace.layout().bars) {
        if (bar.column == trace.column(instance))
            bars.push_back(&bar);
    }
    return bars;
}

TEST(RenderLayout, ArrowsJoinTheirColumnsAtTheirRows)
{
    struct Case {
        const char* name;
        std::string lines;
        unsigned long from, to;  // dynamic ids, 0 for the world
        double startOffset;      // from the sender's lifeline: a bar's edge or 0
        double endOffset;        // from the receiver's lifeline
    };
    const Case cases[] = {
        {"to a bar opened on the right", "CI 3\nME 10 4", 3, 4, 0, -barHalfWidth},
        {"to a bar opened on the left", "ME 10 3", 4, 3, 0, barHalfWidth},
        {"from the world", "CI 0\nME 10 4", 0, 4, 0, -barHalfWidth},
        {"to the world", "ME 10 0", 4, 0, 0, 0},
        {"from a flat instance to the left", "NI 3 5\nME 10 3", 5, 3, 0, barHalfWidth},
        {"from an active instance", "CI 3\nME 10 4\nME 10 3", 4, 3, -barHalfWidth, barHalfWidth},
    };
    for (const Case& c : cases) {
        DrawnTrace trace(standardTrace + c.lines);
        TDFObject* message = lastOf(trace.reader.messages);
        const Arrow* arrow = trace.arrow(message);
        ASSERT_TRUE(arrow) << c.name;
        const TDFInstance* from = c.from ? trace.instance(c.from) : nullptr;
        const TDFInstance* to = c.to ? trace.instance(c.to) : nullptr;
        EXPECT_EQ(arrow->fromColumn, trace.column(from)) << c.name;
        EXPECT_EQ(arrow->toColumn, trace.column(to)) << c.name;
        ASSERT_EQ(arrow->path.size(), 2) << c.name;
        const double y = trace.row(message)->y;
        EXPECT_EQ(arrow->path.first(), QPointF(columnOf(trace, from).x + c.startOffset, y)) << c.name;
        EXPECT_EQ(arrow->path.last(), QPointF(columnOf(trace, to).x + c.endOffset, y)) << c.name;
        EXPECT_EQ(text(arrow->label), "start") << c.name;
        EXPECT_LT(arrow->labelBox.bottom(), y) << c.name << ": the label stands above its arrow";
    }
}

TEST(RenderLayout, ReturnsCreationsAndSelfMessages)
{
    DrawnTrace trace(standardTrace + "CI 3\nME 10 4\nMR\nME 11 7 \"make\"\nNI 2 7\nME 12 7\nMR\n");
    TDFObject* call = trace.reader.messages.head->item;
    const Arrow* back = trace.arrow(call->toMessage()->messageReturn);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->kind, Arrow::Return);
    EXPECT_EQ(back->fromColumn, trace.column(trace.instance(4)));
    EXPECT_EQ(back->toColumn, trace.column(trace.instance(3)));
    EXPECT_EQ(back->style, trace.tcf->head->item->defaultStyle(TCF::MESSAGE_RETURN));

    // Instance 7 is created by "make": its title box sits on that row and the
    // arrow ends at its edge; its model, given later, nests control flow.
    TDFObject* make = trace.reader.messages.head->next->item;
    const Column& created = columnOf(trace, trace.instance(7));
    const Arrow* creation = trace.arrow(make);
    ASSERT_TRUE(creation);
    EXPECT_EQ(creation->kind, Arrow::Creation);
    EXPECT_EQ(created.titleRow, int(trace.row(make) - trace.layout().rows.data()));
    EXPECT_EQ(created.titleBox.center().y(), trace.row(make)->y);
    EXPECT_EQ(creation->path.last().x(), created.titleBox.left());
    EXPECT_EQ(created.lifelineTop, created.titleBox.bottom());
    EXPECT_FALSE(trace.row(trace.instance(7))) << "a created instance has no row of its own";

    // "ping" from 7 to itself loops out of its bar and back into the nested one.
    TDFObject* ping = lastOf(trace.reader.messages);
    const Arrow* loop = trace.arrow(ping);
    ASSERT_TRUE(loop);
    EXPECT_EQ(loop->kind, Arrow::Self);
    ASSERT_EQ(loop->path.size(), 4);
    const double y = trace.row(ping)->y;
    EXPECT_EQ(loop->path.first(), QPointF(created.x + barHalfWidth, y));
    EXPECT_EQ(loop->path.last(),
              QPointF(created.x + geometry::barLevelOffset + barHalfWidth, y + geometry::selfLoopHeight));
    EXPECT_GT(loop->path[1].x(), loop->path.first().x());
    const Arrow* loopBack = trace.arrow(ping->toMessage()->messageReturn);
    ASSERT_TRUE(loopBack);
    EXPECT_EQ(loopBack->path.size(), 4) << "the return of a message to itself loops too";
    EXPECT_EQ(loopBack->style, back->style);
}

TEST(RenderLayout, ActivationBarsSpanFromCallToReturn)
{
    // Sensor calls Pump, Pump calls Sensor, Sensor calls back into Pump:
    // ping opens a nested bar on Pump's active one.
    DrawnTrace trace(standardTrace + "CI 3\nME 10 4\nME 11 3\nME 12 4\nMR\nMR\nMR\n");
    TDFMessage* start = trace.event(2)->toMessage();
    TDFMessage* stop = trace.event(3)->toMessage();
    TDFMessage* ping = trace.event(4)->toMessage();
    const TDFInstance* pump = trace.instance(4);
    const TDFInstance* sensor = trace.instance(3);

    const std::vector<const Bar*> pumpBars = barsOf(trace, pump);
    ASSERT_EQ(pumpBars.size(), 2u);
    const Bar& outer = *pumpBars[0];
    EXPECT_EQ(outer.level, 0);
    EXPECT_EQ(outer.startRow, trace.rowIndex(start));
    EXPECT_EQ(outer.endRow, trace.rowIndex(start->messageReturn));
    EXPECT_EQ(outer.rect.top(), trace.row(start)->y);
    EXPECT_EQ(outer.rect.bottom(), trace.row(start->messageReturn)->y);
    EXPECT_EQ(outer.rect.center().x(), columnOf(trace, pump).x);
    const Bar& nested = *pumpBars[1];
    EXPECT_EQ(nested.level, 1);
    EXPECT_EQ(nested.rect.top(), trace.row(ping)->y);
    EXPECT_EQ(nested.rect.bottom(), trace.row(ping->messageReturn)->y);
    EXPECT_EQ(nested.rect.center().x(), columnOf(trace, pump).x + geometry::barLevelOffset);

    // Sensor is active while it handles stop, then again from the return of
    // start on (control comes back to it), to the end of its lifeline.
    const std::vector<const Bar*> sensorBars = barsOf(trace, sensor);
    ASSERT_EQ(sensorBars.size(), 2u);
    EXPECT_EQ(sensorBars[0]->rect.top(), trace.row(stop)->y);
    EXPECT_EQ(sensorBars[0]->rect.bottom(), trace.row(stop->messageReturn)->y);
    EXPECT_EQ(sensorBars[1]->rect.top(), trace.row(start->messageReturn)->y);
    EXPECT_EQ(sensorBars[1]->endRow, -1);
    EXPECT_EQ(sensorBars[1]->rect.bottom(), columnOf(trace, sensor).lifelineBottom);

    EXPECT_EQ(trace.arrow(ping)->path.last().x(), nested.rect.left()) << "ping ends at the nested bar";
    EXPECT_TRUE(barsOf(trace, nullptr).empty()) << "the world has no bars";
}

TEST(RenderLayout, FlatInstancesHaveNoBars)
{
    DrawnTrace trace(standardTrace + "NI 3 5\nCI 3\nME 10 5\nMR\n");
    EXPECT_TRUE(barsOf(trace, trace.instance(5)).empty());
    EXPECT_EQ(trace.arrow(trace.event(3))->path.last().x(), columnOf(trace, trace.instance(5)).x);
}

TEST(RenderLayout, LoopFramesEncloseExactlyTheirRows)
{
    DrawnTrace trace(standardTrace
                     + "CI 3\nME 10 4\nLS 2\nME 11 3\nLS 3\nAC \"Reset\" 3\nLE\nMR\nLE\nMR\nAC \"Reset\" 0\n");
    const auto& frames = trace.layout().frames;
    ASSERT_EQ(frames.size(), 2u);
    for (const Frame& frame : frames) {
        TDFLoopStart* start = const_cast<TDFObject*>(frame.object)->toLoopStart();
        const int startIndex = trace.row(start)->index;
        const int endIndex = trace.row(start->loopEnd)->index;
        for (const Row& row : trace.layout().rows) {
            const bool inside = frame.rect.top() <= row.y && row.y <= frame.rect.bottom();
            EXPECT_EQ(inside, startIndex <= row.index && row.index <= endIndex)
                << text(start->name()) << ", row of event " << row.index;
        }
        for (const Arrow& arrow : trace.layout().arrows) {
            const int index = trace.layout().rows[std::size_t(arrow.row)].index;
            if (startIndex < index && index < endIndex) {
                EXPECT_TRUE(frame.rect.contains(arrow.path.boundingRect() | arrow.labelBox))
                    << "arrow of event " << index;
            }
        }
        EXPECT_EQ(text(frame.label), "loop " + text(start->name()));
        EXPECT_EQ(frame.tab.topLeft(), frame.rect.topLeft());
    }
    // The inner loop is framed first, and the outer frame encloses it with room to spare.
    EXPECT_TRUE(frames[1].rect.contains(frames[0].rect.adjusted(-geometry::frameInset, 0, geometry::frameInset, 0)));
}

TEST(RenderLayout, DeletedLifelinesStopAtTheCross)
{
    struct Case {
        const char* name;
        std::string lines;
        std::vector<unsigned long> deleted;  // dynamic ids crossed out
        int crossRow;                        // index of the event whose row holds the crosses
    };
    const Case cases[] = {
        {"one instance", "DI 4\n", {4}, 2},
        {"at the return of its last message", "CI 3\nME 10 4\nMR\nDI 4 10\n", {4}, 3},
        {"every instance", "DA\n", {3, 4}, 2},
    };
    for (const Case& c : cases) {
        DrawnTrace trace(standardTrace + c.lines);
        const Row* crossRow = trace.row(trace.event(c.crossRow));
        ASSERT_TRUE(crossRow) << c.name;
        EXPECT_EQ(trace.layout().crosses.size(), c.deleted.size()) << c.name;
        for (unsigned long id : c.deleted) {
            const TDFInstance* instance = trace.reader.instances.search(id);
            const Column& column = columnOf(trace, instance);
            EXPECT_TRUE(column.crossed) << c.name;
            EXPECT_EQ(column.lifelineBottom, crossRow->y) << c.name;
            const auto cross = std::find_if(trace.layout().crosses.begin(), trace.layout().crosses.end(),
                                            [&](const Cross& x) { return x.column == trace.column(instance); });
            ASSERT_NE(cross, trace.layout().crosses.end()) << c.name << ": cross of " << id;
            EXPECT_EQ(cross->centre, QPointF(column.x, crossRow->y)) << c.name;
            const TDFInstanceDelete* deletion = instance->deletion->toInstanceDelete();
            const TDFObject* drawnAt = deletion && deletion->atReturn ? deletion->atReturn : instance->deletion;
            EXPECT_EQ(cross->object, drawnAt) << c.name << ": drawn at the return the deletion is drawn at";
        }
        EXPECT_FALSE(trace.layout().columns.front().crossed) << c.name << ": the world lives on";
    }
    DrawnTrace living(standardTrace + "ME 10 3\n");
    const Column& pump = columnOf(living, living.instance(4));
    EXPECT_FALSE(pump.crossed);
    EXPECT_GT(pump.lifelineBottom, living.layout().rows.back().bottom) << "a living instance's lifeline goes on";
}

TEST(RenderLayout, TitlesInTheHeaderOrOnTheirRow)
{
    DrawnTrace trace(standardTrace + "ME 10 3\nNI 3 5\nME 11 5\n");
    const auto& columns = trace.layout().columns;
    ASSERT_EQ(columns.size(), 4u);
    EXPECT_EQ(text(columns[0].title), "World");
    EXPECT_EQ(text(columns[1].title), "obj0:Sensor");
    EXPECT_EQ(text(columns[2].title), "obj0:Pump");
    EXPECT_EQ(text(columns[3].title), "ISR Timer");
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(columns[std::size_t(c)].titleRow, -1) << "in the header: " << c;
        EXPECT_EQ(columns[std::size_t(c)].titleBox.center().y(), columns[0].titleBox.center().y());
        EXPECT_LT(columns[std::size_t(c)].titleBox.right(), columns[std::size_t(c) + 1].titleBox.left())
            << "titles " << c << " and " << c + 1 << " do not touch";
    }
    const Row* timerRow = trace.row(trace.instance(5));
    ASSERT_TRUE(timerRow) << "created after the first message: a row of its own";
    EXPECT_EQ(columns[3].titleBox.center().y(), timerRow->y);
    EXPECT_LT(trace.row(trace.event(2))->bottom, columns[3].titleBox.top());
}

TEST(RenderLayout, WindowKeepsTheLifelinesThatCrossIt)
{
    // Events: 0 NI Sensor#3, 1 NI Pump#4, 2 ME start, 3 MR, 4 DI 3, 5 NI Timer#5,
    // 6 ME stop, 7 MR, 8 NI Sensor#6, 9 ME ping.
    const std::string lines =
        standardTrace + "CI 3\nME 10 4\nMR\nDI 3\nNI 3 5\nCI 4\nME 11 5\nMR\nNI 1 6\nCI 4\nME 12 6\n";
    struct Case {
        const char* name;
        int from, count;
        std::vector<unsigned long> columns;  // dynamic ids after the world
        std::vector<int> rows;               // event indexes
    };
    const Case cases[] = {
        {"the whole trace", 0, -1, {3, 4, 5, 6}, {2, 3, 4, 5, 6, 7, 8, 9}},
        {"after a deletion, before a creation", 5, 3, {4, 5}, {6, 7}},
        {"a return whose call is before the window", 3, 2, {3, 4}, {3, 4}},
        {"to the end", 8, 99, {4, 5, 6}, {9}},
        {"past the end: the instances alive at the end", 12, 5, {4, 5, 6}, {}},
    };
    for (const Case& c : cases) {
        RenderOptions options;
        options.sequence.from = c.from;
        options.sequence.count = c.count;
        DrawnTrace trace(lines, options);
        std::vector<unsigned long> columns;
        for (const Column& column : trace.layout().columns) {
            if (column.instance)
                columns.push_back(column.instance->dynamicId);
        }
        EXPECT_EQ(columns, c.columns) << c.name;
        std::vector<int> rows;
        for (const Row& row : trace.layout().rows)
            rows.push_back(row.index);
        EXPECT_EQ(rows, c.rows) << c.name;
        for (const Column& column : trace.layout().columns) {
            EXPECT_TRUE(trace.title(trace.column(column.instance))) << c.name << ": " << text(column.title);
            if (column.titleRow < 0 && !rows.empty()) {
                EXPECT_LT(column.titleBox.bottom(), trace.layout().rows.front().top) << c.name << ": header title";
            }
        }
    }
    RenderOptions options;
    options.sequence.from = 3;
    options.sequence.count = 1;
    DrawnTrace trace(lines, options);
    const std::vector<const Bar*> pumpBars = barsOf(trace, trace.instance(4));
    ASSERT_EQ(pumpBars.size(), 1u) << "the bar of start, cut at the window's top";
    EXPECT_EQ(pumpBars[0]->startRow, -1) << "opened before the window";
    EXPECT_EQ(pumpBars[0]->rect.top(), trace.layout().rows.front().top);
    EXPECT_EQ(pumpBars[0]->rect.bottom(), trace.layout().rows.front().y);
}

TEST(RenderLayout, TimeColumn)
{
    struct Case {
        const char* name;
        QString format;
        std::vector<std::string> times;
    };
    const Case cases[] = {
        {"the trace's own format: the unit after the number", QString(), {"1510 us", "1515 us", "1520 us"}},
        {"a format of fields", QStringLiteral("%mms %uus"), {"1ms 510us", "1ms 515us", "1ms 520us"}},
    };
    for (const Case& c : cases) {
        RenderOptions options;
        options.sequence.timeFormat = c.format;
        DrawnTrace trace(
            std::string(standardBlock)
                + "TU \"us\"\nTM 1500\nTS 5\nNI 1 3\nNI 2 4\nME 10 3\nMR\nTS 0\nAC \"Reset\" 0\nAC \"Check\" 0\n",
            options);
        std::vector<std::string> times;
        for (const TextItem& time : trace.layout().times)
            times.push_back(text(time.text));
        EXPECT_EQ(times, c.times) << c.name << ": a time is shown only where it changes";
        const double edgeLeft = trace.layout().times.front().rect.right();
        for (const Column& column : trace.layout().columns)
            EXPECT_GT(column.x - column.halfWidth, edgeLeft) << c.name;
    }
}

TEST(RenderLayout, NewTraceHasNoTimeOfItsOwn)
{
    DrawnTrace trace(std::string(standardBlock) + "NT\nSF 1 1 2\nNI 1 3\nME 10 3\n");
    ASSERT_EQ(trace.layout().rows.size(), 2u) << "the new trace and the message";
    ASSERT_EQ(trace.layout().times.size(), 1u);
    EXPECT_EQ(trace.layout().times[0].rect.center().y(), trace.layout().rows[1].y);
    EXPECT_EQ(text(trace.layout().times[0].text), "0");
}

TEST(RenderLayout, ThreadEdgesAndLegend)
{
    DrawnTrace trace(standardTrace
                     + "TI 1 1 0 \"main\"\nME 10 3\nMR\nTI 2 1 0\nAC \"Reset\" 3\nTI 2 3 0\nAC \"Check\" 3\nME 11 4\n");
    const auto& edges = trace.layout().threadEdges;
    std::vector<std::string> threads;
    for (const ThreadEdge& edge : edges) {
        const SequenceThread& thread = trace.diagram->model().threads[std::size_t(edge.thread)];
        threads.push_back(text(thread.name) + ':' + std::to_string(thread.colorIndex));
        EXPECT_EQ(edge.color, threadColor(thread.colorIndex));
        const Row& row = trace.layout().rows[std::size_t(edge.row)];
        EXPECT_EQ(edge.rect.top(), row.top);
        EXPECT_EQ(edge.rect.bottom(), row.bottom);
    }
    EXPECT_EQ(threads, (std::vector<std::string>{"main:0", "main:0", "null:1", "main:0", "main:0"}))
        << "message, return, action on thread 2, action after thread 2 blocks, message";
    ASSERT_EQ(trace.layout().legend.size(), 2u);
    EXPECT_EQ(text(trace.layout().legend[0].name.text), "main");
    EXPECT_EQ(text(trace.layout().legend[1].name.text), "thread 2");
    EXPECT_EQ(trace.layout().legend[1].color, threadColor(1));
}

TEST(RenderLayout, ThreadPaletteHasElevenColours)
{
    std::vector<QRgb> colours;
    for (int index = 0; index < 11; ++index)
        colours.push_back(threadColor(index).rgb());
    std::sort(colours.begin(), colours.end());
    EXPECT_EQ(std::unique(colours.begin(), colours.end()), colours.end()) << "eleven distinct colours";
    EXPECT_EQ(threadColor(11), threadColor(0));
    EXPECT_EQ(threadColor(-1), threadColor(10));
}

TEST(RenderLayout, NotesAndGlyphs)
{
    // Events: 2 start, 3 its note, 4 stop, 5 its glyph, 6 a note of Sensor, 7 a glyph of Pump.
    DrawnTrace trace(
        standardTrace
        + "NO \"with the message\"\nME 10 3\nCI 4\nGL 1\nME 11 3\nNO \"on Sensor\"\nCI 3\nGL 2 21\nCI 4\n");
    TDFObject* message = trace.event(2);
    const Row* messageRow = trace.row(message);
    const auto& boxes = trace.layout().boxes;
    const Box* withMessage = DrawnTrace::find(boxes, message->note);
    ASSERT_TRUE(withMessage);
    EXPECT_FALSE(trace.row(message->note)) << "drawn below its message's row";
    EXPECT_GT(withMessage->rect.top(), messageRow->y);
    EXPECT_LT(withMessage->rect.bottom(), messageRow->bottom);
    EXPECT_EQ(withMessage->rect.left(), columnOf(trace, trace.instance(3)).x + geometry::noteOffset)
        << "from the lifeline at the arrow's left end";
    TDFObject* stop = trace.event(4);
    const Mark* stopMark = DrawnTrace::find(trace.layout().marks, stop->glyph);
    ASSERT_TRUE(stopMark);
    EXPECT_FALSE(trace.row(stop->glyph));
    EXPECT_GT(stopMark->centre.y(), trace.row(stop)->y);
    EXPECT_LT(stopMark->centre.y(), trace.row(stop)->bottom);
    EXPECT_EQ(text(stopMark->label), "call");

    TDFObject* ownNote = trace.event(6);
    ASSERT_TRUE(ownNote->toNote());
    const Box* onSensor = DrawnTrace::find(boxes, ownNote);
    ASSERT_TRUE(onSensor && trace.row(ownNote));
    EXPECT_EQ(onSensor->rect.center().y(), trace.row(ownNote)->y);
    EXPECT_EQ(onSensor->rect.left(), columnOf(trace, trace.instance(3)).x + geometry::noteOffset);
    TDFObject* ownGlyph = trace.event(7);
    const Mark* onPump = DrawnTrace::find(trace.layout().marks, ownGlyph);
    ASSERT_TRUE(onPump && trace.row(ownGlyph));
    EXPECT_EQ(onPump->centre, QPointF(columnOf(trace, trace.instance(4)).x, trace.row(ownGlyph)->y));
    EXPECT_EQ(text(onPump->label), "check: Check");
}

TEST(RenderLayout, ActionsSynchronisationsAndSeparators)
{
    DrawnTrace trace(standardTrace + "AC \"Reset\" 4\nSY \"Lock\" 3 4 0\nET\nGA\nGS\n");
    const Column& world = trace.layout().columns[0];
    const Column& pump = columnOf(trace, trace.instance(4));
    const Box* action = DrawnTrace::find(trace.layout().boxes, trace.event(2));
    ASSERT_TRUE(action);
    EXPECT_EQ(action->kind, Box::Action);
    EXPECT_EQ(action->rect.center(), QPointF(pump.x, trace.row(trace.event(2))->y));
    EXPECT_EQ(text(action->text), "Reset");

    const SyncBar* sync = DrawnTrace::find(trace.layout().syncs, trace.event(3));
    ASSERT_TRUE(sync);
    EXPECT_EQ(sync->bar.left(), world.x - geometry::syncOverhang);
    EXPECT_EQ(sync->bar.right(), pump.x + geometry::syncOverhang);
    EXPECT_EQ(sync->bar.center().y(), trace.row(trace.event(3))->y);
    EXPECT_EQ(text(sync->label), "Lock");

    std::vector<std::string> labels;
    for (const Separator& separator : trace.layout().separators) {
        labels.push_back(text(separator.label));
        EXPECT_LT(separator.line.x1(), world.x);
        EXPECT_EQ(separator.line.x2(), trace.layout().size.width() - geometry::margin);
        EXPECT_EQ(separator.line.y1(), trace.layout().rows[std::size_t(separator.row)].y);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"External trigger", "Trigger start", "Trigger stop"}));
}

TEST(RenderLayout, HiddenWorld)
{
    DrawnTrace trace("DB \"U\"\nID 5\nIN \"task\" 1 \"A\"\nMS 10 \"m\"\nED\nSF 1 5\nNI 1 7\nCI 0\nME 10 7\n");
    const Column& world = trace.layout().columns.front();
    EXPECT_FALSE(world.visible);
    EXPECT_FALSE(trace.title(0)) << "no title for the world";
    const Arrow* arrow = trace.arrow(lastOf(trace.reader.messages));
    ASSERT_TRUE(arrow);
    EXPECT_EQ(arrow->path.first().x(), world.x);
    EXPECT_LT(world.x, columnOf(trace, trace.instance(7)).titleBox.left());
}

TEST(RenderLayout, EmptyTrace)
{
    DrawnTrace trace("");
    EXPECT_TRUE(trace.layout().rows.empty());
    ASSERT_EQ(trace.layout().columns.size(), 1u) << "the world alone";
    EXPECT_GT(trace.layout().size.width(), 0);
    EXPECT_GT(trace.layout().size.height(), 0);
}

}  // namespace
