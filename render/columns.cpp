// Columns: one per participant of the model, in its order, spaced so that
// titles, actions and labels fit.
#include "render/builder_p.h"

#include <QCoreApplication>

#include <algorithm>

void LayoutBuilder::chooseColumns()
{
    for (const SequenceParticipant& participant : model_.participants) {
        Column column;
        column.instance = participant.instance;
        column.visible = participant.visible;
        column.style = styles_.of(participant.style);
        column.lifelineStyle = styles_.slot(TCF::INSTANCE_DESACTIVATED);
        column.title = participant.kind == SequenceParticipant::Component
            ? QCoreApplication::translate("SequenceDiagram", "%1 (%n instances)", nullptr, participant.members)
                  .arg(participant.name)
            : participant.name;
        column.title = shownText(column.title, column.style);
        column.titleBox = QRectF(QPointF(), titleSize(column));
        column.titleRow = participant.birth;
        layout_.columns.push_back(column);
    }
}

// Half the widest part of each column: its title and the actions on it.
std::vector<double> LayoutBuilder::halfWidths()
{
    std::vector<double> half;
    for (const Column& column : layout_.columns)
        half.push_back(column.visible ? column.titleBox.width() / 2 : 0);
    for (std::size_t r = 0; r < kinds_.size(); ++r) {
        if (kinds_[r] != RowKind::Action)
            continue;
        const SequenceEvent& action = event(int(r));
        const Style* style = styles_.of(action.style);
        const double width = styles_.measure().size(*style, shownText(action.label, style)).width();
        double& widest = half[std::size_t(action.from)];
        widest = std::max(widest, width / 2 + geometry::actionPadX);
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
        if (!isArrow(r))
            continue;
        const int a = event(r).from;
        const int b = event(r).to;
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
    std::stable_sort(spacings.begin(), spacings.end(),
                     [](const Spacing& a, const Spacing& b) { return a.right < b.right; });
    auto spacing = spacings.begin();
    for (std::size_t c = 0; c < half.size(); ++c) {
        Column& column = layout_.columns[c];
        column.halfWidth = half[c];
        column.x = areaLeft_ + half[c];
        for (; spacing != spacings.end() && spacing->right == int(c); ++spacing)
            column.x = std::max(column.x, layout_.columns[std::size_t(spacing->left)].x + spacing->distance);
    }
}

// Header titles share the header band; others sit on their row, centred on
// its line.  A lifeline runs from its title to its cross, or to the end.
void LayoutBuilder::placeTitlesAndLifelines()
{
    for (std::size_t c = 0; c < layout_.columns.size(); ++c) {
        Column& column = layout_.columns[c];
        const double centreY = column.titleRow < 0 ? headerTop_ + headerHeight_ / 2 : row(column.titleRow).y;
        column.titleBox.moveCenter(QPointF(column.x, centreY));
        column.lifelineTop = column.titleBox.bottom();
        const int deletionRow = model_.participants[c].end;
        column.crossed = deletionRow >= 0;
        column.lifelineBottom = column.crossed ? row(deletionRow).y : rowsBottom_;
        if (column.visible)
            layout_.boxes.push_back(
                {Box::Title, nullptr, int(c), column.style, column.titleRow, column.titleBox, column.title});
    }
}
