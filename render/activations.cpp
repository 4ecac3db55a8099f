// Activation bars.  The outer bars of an instance are the spans its
// activations record (from its creation when a message created it); a
// message it receives inside such a span, other than the one that opened
// it, opens a nested bar one level deeper, until that message's return.
#include "render/builder_p.h"

#include <algorithm>
#include <limits>

void LayoutBuilder::buildBars()
{
    barsOf_.resize(layout_.columns.size());
    spansOf_.resize(layout_.columns.size());
    for (int c = 1; c < int(layout_.columns.size()); ++c)
        addOuterBars(c);
    addNestedBars();
    for (std::vector<LevelBars>& levels : barsOf_)
        indexBars(levels);
}

void LayoutBuilder::addOuterBars(int c)
{
    TDFInstance* instance = layout_.columns[std::size_t(c)].instance;
    if (!instance->hasActivation() && !instance->activations)
        return;
    std::vector<int> events;
    if (instance->creatingMessage)
        events.push_back(window_.indexOf(instance->creatingMessage));
    for (int i = 0; instance->activations && i < instance->activations->count; ++i)
        events.push_back(window_.indexOf(instance->activations->data[i]));
    for (std::size_t i = 0; i < events.size(); i += 2) {
        const Span span{events[i], i + 1 < events.size() ? events[i + 1] : window_.size()};
        if (span.start < 0 || span.end < 0)
            continue;
        spansOf_[std::size_t(c)].push_back(span);
        addBar(c, 0, span);
    }
}

// Nested calls are followed from the start of the trace, so that a bar
// keeps its level when the window starts inside it.
void LayoutBuilder::addNestedBars()
{
    std::vector<std::vector<Span>> openCalls(layout_.columns.size());
    for (int index = 0; index < window_.end(); ++index) {
        TDFMessage* message = window_.at(index)->toMessage();
        const int c = message && message->receiver ? columnOf(message->receiver) : -1;
        if (c <= 0)
            continue;
        std::vector<Span>& calls = openCalls[std::size_t(c)];
        // The outer bars follow each other: the first that ends at or after
        // the message is the only one that can hold it.
        const auto& spans = spansOf_[std::size_t(c)];
        const auto holder = std::lower_bound(spans.begin(), spans.end(), index,
                                             [](const Span& span, int value) { return span.end < value; });
        const bool nested = holder != spans.end() && holder->start < index;
        if (!nested) {
            calls.clear();
            continue;
        }
        calls.erase(std::remove_if(calls.begin(), calls.end(), [index](const Span& call) { return call.end < index; }),
                    calls.end());
        const int returned = window_.indexOf(message->messageReturn);
        const Span call{index, returned >= 0 ? returned : window_.size()};
        calls.push_back(call);
        addBar(c, int(calls.size()), call);
    }
}

// Adds the part of a bar that falls inside the window and the lifeline.
void LayoutBuilder::addBar(int c, int level, const Span& span)
{
    if (span.start >= window_.end() || span.end < window_.begin())
        return;
    const Column& column = layout_.columns[std::size_t(c)];
    const double top =
        std::max(span.start < window_.begin() ? rowsTop_ : eventY(window_.at(span.start)), column.lifelineTop);
    const double bottom =
        std::min(span.end < window_.end() ? eventY(window_.at(span.end)) : rowsBottom_, column.lifelineBottom);
    if (bottom < top)
        return;
    const double centre = column.x + level * geometry::barLevelOffset;
    Bar bar;
    bar.column = c;
    bar.level = level;
    bar.start = window_.at(span.start);
    bar.end = span.end < window_.size() ? window_.at(span.end) : nullptr;
    bar.style = styles_.slot(TCF::INSTANCE_ACTIVATED);
    bar.rect = QRectF(centre - geometry::barHalfWidth, top, 2 * geometry::barHalfWidth,
                      std::max(bottom - top, geometry::barHalfWidth));
    std::vector<LevelBars>& levels = barsOf_[std::size_t(c)];
    auto atLevel =
        std::find_if(levels.begin(), levels.end(), [level](const LevelBars& bars) { return bars.level == level; });
    if (atLevel == levels.end())
        atLevel = levels.insert(levels.end(), LevelBars{level, {}, {}});
    atLevel->bars.push_back(int(layout_.bars.size()));
    layout_.bars.push_back(bar);
}

// Orders a column's levels deepest first and each level's bars by their
// tops, and records how far down they reach.
void LayoutBuilder::indexBars(std::vector<LevelBars>& levels)
{
    std::sort(levels.begin(), levels.end(), [](const LevelBars& a, const LevelBars& b) { return a.level > b.level; });
    for (LevelBars& level : levels) {
        std::stable_sort(level.bars.begin(), level.bars.end(), [this](int a, int b) {
            return layout_.bars[std::size_t(a)].rect.top() < layout_.bars[std::size_t(b)].rect.top();
        });
        double reach = -std::numeric_limits<double>::infinity();
        for (int b : level.bars) {
            reach = std::max(reach, layout_.bars[std::size_t(b)].rect.bottom());
            level.reach.push_back(reach);
        }
    }
}

// The bar of `level` added last among those that cover y and that `opener`
// does not start; null when there is none.
const Bar* LayoutBuilder::coveringBar(const LevelBars& level, double y, const TDFObject* opener) const
{
    const auto below = std::upper_bound(level.bars.begin(), level.bars.end(), y, [this](double value, int b) {
        return value < layout_.bars[std::size_t(b)].rect.top();
    });
    int found = -1;
    for (auto i = std::size_t(below - level.bars.begin()); i > 0 && level.reach[i - 1] >= y; --i) {
        const Bar& bar = layout_.bars[std::size_t(level.bars[i - 1])];
        if (y <= bar.rect.bottom() && bar.start != opener)
            found = std::max(found, level.bars[i - 1]);
    }
    return found < 0 ? nullptr : &layout_.bars[std::size_t(found)];
}

// The row line of a drawn event; the top of the next row for an event
// drawn nowhere; the top or bottom of the rows for one outside the window.
double LayoutBuilder::eventY(TDFObject* object) const
{
    const int r = rowOf(object);
    if (r >= 0)
        return row(r).y;
    const int index = window_.indexOf(object);
    if (index < window_.begin())
        return rowsTop_;
    const auto next = std::lower_bound(layout_.rows.begin(), layout_.rows.end(), index,
                                       [](const Row& row, int value) { return row.index < value; });
    return next == layout_.rows.end() ? rowsBottom_ : next->top;
}

// Where an arrow meets a column at height y: the side, facing `towardsX`, of
// the innermost bar there (other than one `opener` starts), else the lifeline.
double LayoutBuilder::edgeX(int c, double y, double towardsX, const TDFObject* opener) const
{
    const double x = layout_.columns[std::size_t(c)].x;
    for (const LevelBars& level : barsOf_[std::size_t(c)]) {
        if (const Bar* innermost = coveringBar(level, y, opener))
            return towardsX < x ? innermost->rect.left() : innermost->rect.right();
    }
    return x;
}
