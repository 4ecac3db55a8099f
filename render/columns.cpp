// Columns: the world and every instance whose lifeline crosses the window,
// in order of creation, spaced so that titles, actions and labels fit.
#include "render/builder_p.h"

#include <QCoreApplication>

#include <algorithm>

void LayoutBuilder::chooseColumns()
{
    addColumn(nullptr);
    layout_.columns.front().visible = styles_.worldShown();
    for (int index = 0; index < window_.end(); ++index) {
        TDFInstance* instance = window_.at(index)->toInstance();
        if (instance && window_.creationIndex(instance) < window_.end()
            && window_.deletionIndex(instance) >= window_.begin())
            addColumn(instance);
    }
}

void LayoutBuilder::addColumn(TDFInstance* instance)
{
    Column column;
    column.instance = instance;
    column.style = instance ? styles_.of(instance, TCF::INSTANCE_TITLE) : styles_.slot(TCF::WORLD);
    column.lifelineStyle = styles_.slot(TCF::INSTANCE_DESACTIVATED);
    column.title = instance ? objectText(instance, geometry::maxLabelWidth, column.style)
                            : QCoreApplication::translate("SequenceDiagram", "World");
    column.titleBox = QRectF(QPointF(), titleSize(column));
    columnOf_.insert(instance, int(layout_.columns.size()));
    layout_.columns.push_back(column);
}

// Half the widest part of each column: its title and the actions on it.
std::vector<double> LayoutBuilder::halfWidths()
{
    std::vector<double> half;
    for (const Column& column : layout_.columns)
        half.push_back(column.visible ? column.titleBox.width() / 2 : 0);
    for (std::size_t r = 0; r < kinds_.size(); ++r) {
        TDFAction* action = layout_.rows[r].object->toAction();
        const int column = action ? columnOf(action->instance) : -1;
        if (column < 0)
            continue;
        const Style* style = styles_.of(action, TCF::ACTION);
        const double width = styles_.measure().size(*style, objectText(action, geometry::maxLabelWidth, style)).width();
        half[std::size_t(column)] = std::max(half[std::size_t(column)], width / 2 + geometry::actionPadX);
    }
    return half;
}

// The room each arrow's label needs between the columns it joins; a self
// message's label stands right of its loop.
std::vector<Spacing> LayoutBuilder::labelSpacings(const std::vector<double>& half)
{
    std::vector<Spacing> spacings;
    const int last = int(half.size()) - 1;
    for (int r = 0; r < int(kinds_.size()); ++r) {
        TDFInstance* from = nullptr;
        TDFInstance* to = nullptr;
        const int a = arrowEnds(r, &from, &to) ? columnOf(from) : -1;
        const int b = a >= 0 ? columnOf(to) : -1;
        if (b < 0)
            continue;
        const double label = styles_.measure().size(*arrowStyle(r), arrowLabel(r)).width();
        if (a == b && a < last)
            spacings.push_back({a, a + 1,
                                std::max(geometry::selfLoopWidth, label + geometry::labelPad) + half[std::size_t(a + 1)]
                                    + geometry::barAllowance});
        else if (a != b)
            spacings.push_back({std::min(a, b), std::max(a, b),
                                label + 2 * geometry::labelPad + geometry::barAllowance
                                    + (kinds_[std::size_t(r)] == RowKind::Creation ? half[std::size_t(b)] : 0)});
    }
    return spacings;
}

// Left to right, each column as far left as every spacing to its left allows.
void LayoutBuilder::placeColumns()
{
    const std::vector<double> half = halfWidths();
    std::vector<Spacing> spacings = labelSpacings(half);
    for (std::size_t c = 1; c < half.size(); ++c)
        spacings.push_back({int(c - 1), int(c), half[c - 1] + half[c] + geometry::columnGap});
    for (std::size_t c = 0; c < half.size(); ++c) {
        Column& column = layout_.columns[c];
        column.halfWidth = half[c];
        column.x = areaLeft_ + half[c];
        for (const Spacing& spacing : spacings) {
            if (spacing.right == int(c))
                column.x = std::max(column.x, layout_.columns[std::size_t(spacing.left)].x + spacing.distance);
        }
    }
}

// Header titles share the header band; others sit on their row, centred on
// its line.  A lifeline runs from its title to its cross, or to the end.
void LayoutBuilder::placeTitlesAndLifelines()
{
    for (Column& column : layout_.columns) {
        const double centreY = column.titleRow < 0 ? headerTop_ + headerHeight_ / 2 : row(column.titleRow).y;
        column.titleBox.moveCenter(QPointF(column.x, centreY));
        column.lifelineTop = column.titleBox.bottom();
        const int deletionRow = column.instance ? rowOf(column.instance->deletion) : -1;
        column.crossed = deletionRow >= 0;
        column.lifelineBottom = column.crossed ? row(deletionRow).y : rowsBottom_;
        if (column.visible)
            layout_.boxes.push_back(
                {Box::Title, column.instance, column.style, column.titleRow, column.titleBox, column.title});
    }
}
