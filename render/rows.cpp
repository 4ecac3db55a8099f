// Rows: one per event of the model, in reading order, each as tall as its
// content and the notes and glyphs shown below it.
#include "render/builder_p.h"

#include <algorithm>

void LayoutBuilder::buildRows()
{
    for (int r = 0; r < int(model_.events.size()); ++r) {
        const SequenceEvent& current = event(r);
        layout_.rows.push_back({current.source, current.position});
        kinds_.push_back(kindOf(current));
    }
    for (const Column& column : layout_.columns) {
        if (column.visible && column.titleRow < 0)
            headerHeight_ = std::max(headerHeight_, column.titleBox.height());
    }
    const bool openLoops = std::any_of(model_.frames.begin(), model_.frames.end(),
                                       [](const SequenceFrame& frame) { return frame.begin < 0; });
    if (openLoops)
        tabBand_ = styles_.measure().lineHeight(*styles_.slot(TCF::LOOP_START)) + 2 * geometry::tabPadY;
    rowsTop_ = headerTop_ + headerHeight_ + geometry::headerGap;
    stackRows();
}

RowKind LayoutBuilder::kindOf(const SequenceEvent& event)
{
    switch (event.kind) {
    case SequenceEvent::Birth:
        return RowKind::Title;
    case SequenceEvent::Message:
        return event.from == event.to ? RowKind::Self : event.creates ? RowKind::Creation : RowKind::Message;
    case SequenceEvent::Return:
        return event.from == event.to ? RowKind::Self : RowKind::Return;
    case SequenceEvent::Deletion:
        return RowKind::Deletion;
    case SequenceEvent::Action:
        return RowKind::Action;
    case SequenceEvent::Synchronisation:
        return RowKind::Sync;
    case SequenceEvent::Note:
        return RowKind::Note;
    case SequenceEvent::Glyph:
        return RowKind::Glyph;
    case SequenceEvent::LoopStart:
        return RowKind::LoopStart;
    case SequenceEvent::LoopEnd:
        return RowKind::LoopEnd;
    case SequenceEvent::Divider:
        break;
    }
    return RowKind::Separator;
}

// Each row is at least as tall as the time shown on its line.
void LayoutBuilder::stackRows()
{
    const double timeHalf = styles_.measure().lineHeight(*styles_.slot(TCF::TIME)) / 2 - geometry::rowPad;
    double cursor = rowsTop_ + tabBand_;
    for (int r = 0; r < int(layout_.rows.size()); ++r) {
        Extent extent = extentOf(r);
        extent.above = std::max(extent.above, timeHalf);
        extent.below = std::max(extent.below, timeHalf);
        Row& current = layout_.rows[std::size_t(r)];
        current.top = cursor;
        current.y = cursor + geometry::rowPad + extent.above;
        annotationTops_.push_back(current.y + extent.below + geometry::annotationGap);
        current.bottom = current.y + extent.below + annotationHeight(r) + geometry::rowPad;
        cursor = current.bottom;
    }
    rowsBottom_ = cursor + geometry::tailHeight;
}

Extent LayoutBuilder::extentOf(int r)
{
    TextMeasure& measure = styles_.measure();
    const SequenceEvent& current = event(r);
    const auto centred = [](double height) { return Extent{height / 2, height / 2}; };
    const auto labelled = [this, &measure, r](double below) {
        const QString label = arrowLabel(r);
        const double height = label.isEmpty() ? 0 : measure.lineHeight(*arrowStyle(r)) + geometry::labelLift;
        return Extent{std::max(height, geometry::arrowHalfWidth), below};
    };
    switch (kinds_[std::size_t(r)]) {
    case RowKind::Title:
        return centred(layout_.columns[std::size_t(current.from)].titleBox.height());
    case RowKind::Message:
    case RowKind::Return:
        return labelled(geometry::arrowHalfWidth);
    case RowKind::Self:
        return labelled(geometry::selfLoopHeight + geometry::arrowHalfWidth);
    case RowKind::Creation: {
        const double half = layout_.columns[std::size_t(current.to)].titleBox.height() / 2;
        const Extent label = labelled(half);
        return {std::max(label.above, half), half};
    }
    case RowKind::Deletion:
        return centred(2 * geometry::crossHalf);
    case RowKind::Action:
        return centred(measure.lineHeight(*styles_.of(current.style)) + 2 * geometry::actionPadY);
    case RowKind::Sync:
        return {measure.lineHeight(*styles_.of(current.style)) + geometry::labelLift + geometry::syncThickness / 2,
                geometry::syncThickness / 2};
    case RowKind::Note:
        return centred(noteSize(current.label, styles_.of(current.style)).height());
    case RowKind::Glyph:
        return centred(std::max(geometry::markSize, measure.lineHeight(*glyphStyle(current.warning))));
    case RowKind::LoopStart:
        return {0, measure.lineHeight(*styles_.of(current.style)) + 2 * geometry::tabPadY};
    case RowKind::LoopEnd:
        return {0, 0};
    case RowKind::Separator:
        return {measure.lineHeight(*styles_.separator()) + geometry::labelLift, geometry::labelLift};
    }
    return {};
}

// The glyph lines and note boxes stacked below the row's line.
double LayoutBuilder::annotationHeight(int r)
{
    double height = 0;
    for (const SequenceAnnotation& annotation : event(r).annotations) {
        if (annotation.glyph)
            height += std::max(geometry::markSize, styles_.measure().lineHeight(*glyphStyle(annotation.warning)));
        else
            height += noteSize(annotation.text, styles_.of(annotation.style)).height();
        height += geometry::annotationGap;
    }
    return height;
}
