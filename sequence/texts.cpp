// The texts and styles of events, and the model's lookups.
#include "sequence/builder_p.h"
#include "tcf/tcf.h"

#include <QCoreApplication>

#include <algorithm>

const Style* SequenceBuilder::styleOf(TDFObject* object, int slot) const
{
    if (const Style* own = object ? object->style() : nullptr)
        return own;
    return model_.slotStyle(slot);
}

QString SequenceBuilder::dividerText(TDFObjectType type) const
{
    switch (type) {
    case TDF_NEW_TRACE:
        return QCoreApplication::translate("SequenceModel", "New trace");
    case TDF_EXTERNAL_TRIGGER:
        return QCoreApplication::translate("SequenceModel", "External trigger");
    case TDF_TRIGGER_START:
        return QCoreApplication::translate("SequenceModel", "Trigger start");
    default:
        return QCoreApplication::translate("SequenceModel", "Trigger stop");
    }
}

// "<glyph name>: <text>", or whichever of the two there is.
QString SequenceBuilder::glyphText(TDFGlyph* glyph)
{
    const QString kind = glyph->glyphModel ? glyph->glyphModel->name : QString();
    const QString text = glyph->name();
    return kind.isEmpty() || text.isEmpty() ? kind + text : kind + QLatin1String(": ") + text;
}

// Glyphs of a failure kind are drawn as warnings.
bool SequenceBuilder::isWarning(const TDFGlyph* glyph)
{
    return glyph->glyphModel && glyph->glyphModel->type != Glyph::NO_GLYPH_TYPE;
}

const Style* SequenceModel::slotStyle(int tcfObject) const
{
    return configuration ? configuration->defaultStyle(TCF::Object(tcfObject)) : nullptr;
}

QString SequenceModel::timeText(unsigned long long time) const
{
    return formatTraceTime(time, timeFormat_, timeUnit_, timeUnitName_);
}

int SequenceModel::eventAt(int position) const
{
    const auto found = std::lower_bound(events.begin(), events.end(), position,
                                        [](const SequenceEvent& event, int value) { return event.position < value; });
    return found != events.end() && found->position == position ? int(found - events.begin()) : -1;
}

// A thread that starts running runs until a thread info of a thread that
// does not run; then the one that started running before it runs again.
void RunningThread::see(const TDFThreadInfo* info)
{
    if (info->stateId == 1) {
        running_.push_back(info->thread);
        current_ = int(running_.size()) - 1;
    } else if (current_ >= 0) {
        --current_;
    }
}

TDFThread* RunningThread::current() const
{
    return current_ < 0 ? nullptr : running_[std::size_t(current_)];
}
