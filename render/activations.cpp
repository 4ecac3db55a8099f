// Activation bars, as the model has them: each from its begin to its end
// mark, offset to the right by its level, and the arrow ends they move.
#include "render/builder_p.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

void LayoutBuilder::buildBars()
{
    barsOf_.resize(layout_.columns.size());
    for (const SequenceBar& bar : model_.bars)
        addBar(bar);
    for (std::vector<LevelBars>& levels : barsOf_)
        indexBars(levels);
}

// Adds the part of a bar that falls inside the lifeline (at least a stub
// below a title on the row where the bar ends).
void LayoutBuilder::addBar(const SequenceBar& sequenceBar)
{
    const Column& column = layout_.columns[std::size_t(sequenceBar.participant)];
    const double top = std::max(sequenceBar.openTop ? rowsTop_ : markY(sequenceBar.begin), column.lifelineTop);
    const double bottom = std::max(std::min(markY(sequenceBar.end), column.lifelineBottom), top);
    if (!column.visible)
        return;
    const double centre = column.x + sequenceBar.level * geometry::barLevelOffset;
    Bar bar;
    bar.column = sequenceBar.participant;
    bar.level = sequenceBar.level;
    bar.startRow = sequenceBar.begin.atLine ? sequenceBar.begin.row : -1;
    bar.endRow = sequenceBar.end.atLine ? sequenceBar.end.row : -1;
    bar.style = styles_.slot(TCF::INSTANCE_ACTIVATED);
    bar.rect = QRectF(centre - geometry::barHalfWidth, top, 2 * geometry::barHalfWidth,
                      std::max(bottom - top, geometry::barHalfWidth));
    if (sequenceBar.depth > sequenceBar.level) {
        bar.depthLabel = QCoreApplication::translate("SequenceDiagram", "%1 deep").arg(sequenceBar.depth + 1);
        const QSizeF size = styles_.measure().size(*styles_.legend(), bar.depthLabel);
        bar.depthBox = QRectF(QPointF(bar.rect.right() + 2, top), size);
    }
    std::vector<LevelBars>& levels = barsOf_[std::size_t(bar.column)];
    auto atLevel =
        std::find_if(levels.begin(), levels.end(), [&bar](const LevelBars& bars) { return bars.level == bar.level; });
    if (atLevel == levels.end())
        atLevel = levels.insert(levels.end(), LevelBars{bar.level, {}, {}});
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

// The bar of `level` added last among those that cover y and that the
// event of `openingRow` does not open; null when there is none.
const Bar* LayoutBuilder::coveringBar(const LevelBars& level, double y, int openingRow) const
{
    const auto below = std::upper_bound(level.bars.begin(), level.bars.end(), y, [this](double value, int b) {
        return value < layout_.bars[std::size_t(b)].rect.top();
    });
    int found = -1;
    for (auto i = std::size_t(below - level.bars.begin()); i > 0 && level.reach[i - 1] >= y; --i) {
        const Bar& bar = layout_.bars[std::size_t(level.bars[i - 1])];
        if (y <= bar.rect.bottom() && (openingRow < 0 || bar.startRow != openingRow))
            found = std::max(found, level.bars[i - 1]);
    }
    return found < 0 ? nullptr : &layout_.bars[std::size_t(found)];
}

// A mark's height: a row's line, or the top of the row it stands above
// (the bottom of the rows below the last one).
double LayoutBuilder::markY(const SequenceMark& mark) const
{
    if (mark.row >= int(layout_.rows.size()))
        return rowsBottom_;
    return mark.atLine ? row(mark.row).y : row(mark.row).top;
}

// Where an arrow meets a column at height y: the side, facing `towardsX`, of
// the innermost bar there (other than one the event of `openingRow` opens),
// else the lifeline.
double LayoutBuilder::edgeX(int c, double y, double towardsX, int openingRow) const
{
    const double x = layout_.columns[std::size_t(c)].x;
    for (const LevelBars& level : barsOf_[std::size_t(c)]) {
        if (const Bar* innermost = coveringBar(level, y, openingRow))
            return towardsX < x ? innermost->rect.left() : innermost->rect.right();
    }
    return x;
}
