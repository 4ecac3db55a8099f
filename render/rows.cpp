// Rows: one per drawn event of the window, in reading order, each as tall as
// its content and the notes and glyphs shown below it.
#include "render/builder_p.h"

#include <algorithm>

void LayoutBuilder::buildRows()
{
    bool interactionSeen = false;
    for (int index = window_.begin(); index < window_.end(); ++index) {
        RowKind kind;
        if (!classify(index, interactionSeen, &kind))
            continue;
        addRow(index, kind);
        interactionSeen = interactionSeen || kind != RowKind::Separator;
    }
    for (const Column& column : layout_.columns) {
        if (column.visible && column.titleRow < 0)
            headerHeight_ = std::max(headerHeight_, column.titleBox.height());
    }
    rowsTop_ = headerTop_ + headerHeight_ + geometry::headerGap;
    stackRows();
}

// Whether the event at `index` gets a row, and which.  Instances created
// before the first interaction of the window, and those created by a
// message, have their titles in the header or at that message instead.
bool LayoutBuilder::classify(int index, bool interactionSeen, RowKind* kind)
{
    TDFObject* object = window_.at(index);
    switch (object->type) {
    case TDF_INSTANCE:
        *kind = RowKind::Title;
        return interactionSeen && !object->toInstance()->creatingMessage && columnOf(object->toInstance()) >= 0;
    case TDF_MESSAGE: {
        TDFMessage* message = object->toMessage();
        const bool creates =
            message->receiver && message->receiver->creatingMessage == message && columnOf(message->receiver) >= 0;
        *kind = message->sender == message->receiver ? RowKind::Self : creates ? RowKind::Creation : RowKind::Message;
        return true;
    }
    case TDF_MESSAGE_RETURN: {
        const TDFMessage* message = object->toMessageReturn()->message;
        *kind = message && message->sender == message->receiver ? RowKind::Self : RowKind::Return;
        return message;
    }
    case TDF_INSTANCE_DELETE:
        *kind = RowKind::Deletion;
        return rowOf(object) < 0;
    case TDF_INSTANCE_DELETE_ALL:
        *kind = RowKind::Deletion;
        return true;
    case TDF_ACTION:
        *kind = RowKind::Action;
        return true;
    case TDF_SYNCHRONISATION:
        *kind = RowKind::Sync;
        return true;
    case TDF_NOTE:
        *kind = RowKind::Note;
        return !drawnWithOwner(object->toNote()->attachedTo);
    case TDF_GLYPH:
        *kind = RowKind::Glyph;
        return !drawnWithOwner(object->toGlyph()->attachedTo);
    case TDF_LOOP_START:
        *kind = RowKind::LoopStart;
        return true;
    case TDF_LOOP_END:
        *kind = RowKind::LoopEnd;
        return true;
    case TDF_NEW_TRACE:
    case TDF_EXTERNAL_TRIGGER:
    case TDF_TRIGGER_START:
    case TDF_TRIGGER_STOP:
        *kind = RowKind::Separator;
        return true;
    default:
        return false;
    }
}

// A note or glyph of a drawn event other than an instance goes below that
// event's row; one of an instance, or of nothing, has a row of its own.
bool LayoutBuilder::drawnWithOwner(TDFObject* owner) const
{
    return owner && !owner->toInstance() && rowOf(owner) >= 0;
}

void LayoutBuilder::addRow(int index, RowKind kind)
{
    const int r = int(layout_.rows.size());
    TDFObject* object = window_.at(index);
    layout_.rows.push_back({object, index});
    kinds_.push_back(kind);
    rowOf_.insert(object, r);
    TDFInstance* titled = kind == RowKind::Title ? object->toInstance()
        : kind == RowKind::Creation              ? object->toMessage()->receiver
                                                 : nullptr;
    if (titled && columnOf(titled) >= 0) {
        layout_.columns[std::size_t(columnOf(titled))].titleRow = r;
        rowOf_.insert(titled, r);
    }
    TDFMessageReturn* messageReturn = object->toMessageReturn();
    if (messageReturn && messageReturn->deletion && window_.contains(window_.indexOf(messageReturn->deletion)))
        rowOf_.insert(messageReturn->deletion, r);
    for (TDFObject* drawn : rowObjects(r)) {
        if (drawn->note)
            rowOf_.insert(drawn->note, r);
        if (drawn->glyph)
            rowOf_.insert(drawn->glyph, r);
    }
}

// Each row is at least as tall as the time shown on its line.
void LayoutBuilder::stackRows()
{
    const double timeHalf = styles_.measure().lineHeight(*styles_.slot(TCF::TIME)) / 2 - geometry::rowPad;
    double cursor = rowsTop_;
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
    TDFObject* object = row(r).object;
    const auto centred = [](double height) { return Extent{height / 2, height / 2}; };
    const auto labelled = [this, &measure, r](double below) {
        const QString label = arrowLabel(r);
        const double height = label.isEmpty() ? 0 : measure.lineHeight(*arrowStyle(r)) + geometry::labelLift;
        return Extent{std::max(height, geometry::arrowHalfWidth), below};
    };
    switch (kinds_[std::size_t(r)]) {
    case RowKind::Title:
        return centred(layout_.columns[std::size_t(columnOf(object->toInstance()))].titleBox.height());
    case RowKind::Message:
    case RowKind::Return:
        return labelled(geometry::arrowHalfWidth);
    case RowKind::Self:
        return labelled(geometry::selfLoopHeight + geometry::arrowHalfWidth);
    case RowKind::Creation: {
        const double half = layout_.columns[std::size_t(columnOf(object->toMessage()->receiver))].titleBox.height() / 2;
        const Extent label = labelled(half);
        return {std::max(label.above, half), half};
    }
    case RowKind::Deletion:
        return centred(2 * geometry::crossHalf);
    case RowKind::Action:
        return centred(measure.lineHeight(*styles_.of(object, TCF::ACTION)) + 2 * geometry::actionPadY);
    case RowKind::Sync:
        return {measure.lineHeight(*styles_.of(object, TCF::SYNCHRONISATION)) + geometry::labelLift
                    + geometry::syncThickness / 2,
                geometry::syncThickness / 2};
    case RowKind::Note:
        return centred(noteSize(object->toNote()).height());
    case RowKind::Glyph:
        return centred(std::max(geometry::markSize, measure.lineHeight(*glyphStyle(object->toGlyph()))));
    case RowKind::LoopStart:
        return {0, measure.lineHeight(*styles_.of(object, TCF::LOOP_START)) + 2 * geometry::tabPadY};
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
    for (TDFObject* drawn : rowObjects(r)) {
        if (drawn->glyph)
            height += std::max(geometry::markSize, styles_.measure().lineHeight(*glyphStyle(drawn->glyph)))
                + geometry::annotationGap;
        if (drawn->note)
            height += noteSize(drawn->note).height() + geometry::annotationGap;
    }
    return height;
}
