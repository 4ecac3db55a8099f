#include "tools/tracetool/objectline.h"

#include "foundation/style.h"
#include "tcf/tcf.h"

#include <QStringList>

namespace {

// A text between double quotes, with '"' and '\' escaped by a backslash as
// in a trace, so that it reads unambiguously once control characters are
// escaped too.
QString quoted(QString text)
{
    text.replace(u'\\', QLatin1String("\\\\")).replace(u'"', QLatin1String("\\\""));
    return u'"' + text + u'"';
}

// A message's model name, then its own text in quotes when it has one.
QString messageName(TDFMessage* message)
{
    QStringList parts;
    if (message && message->model)
        parts << message->model->name;
    if (message && !message->name().isNull())
        parts << quoted(message->name());
    return parts.join(u' ');
}

QString instancesText(const List<TDFInstance*>* instances)
{
    QStringList names;
    if (instances) {
        for (TDFInstance* instance : *instances)
            names << instanceText(instance);
    }
    return u'[' + names.join(QLatin1String(", ")) + u']';
}

QString ownerText(TDFObject* owner)
{
    if (!owner)
        return QStringLiteral("on nothing");
    if (TDFInstance* instance = owner->toInstance())
        return QStringLiteral("on ") + instanceText(instance);
    return QStringLiteral("on ") + kindText(*owner);
}

// The object's name and who it concerns.
QStringList nameAndWho(TDFObject* object)
{
    if (TDFInstance* instance = object->toInstance())
        return {instanceText(instance)};
    if (TDFMessage* message = object->toMessage())
        return {messageName(message),
                instanceText(message->sender) + QStringLiteral(" -> ") + instanceText(message->receiver)};
    if (TDFMessageCall* call = object->toMessageCall())
        return {messageName(call->message) + QStringLiteral(" call ") + QString::number(call->callId),
                instanceText(call->message ? call->message->sender : nullptr) + QStringLiteral(" ->")};
    if (TDFMessageReturn* messageReturn = object->toMessageReturn()) {
        TDFMessage* message = messageReturn->message;
        return {messageName(message),
                instanceText(message ? message->receiver : nullptr) + QStringLiteral(" -> ")
                    + instanceText(message ? message->sender : nullptr)};
    }
    if (TDFNote* note = object->toNote())
        return {quoted(note->name()), ownerText(note->attachedTo)};
    if (TDFGlyph* glyph = object->toGlyph())
        return {(glyph->glyphModel ? glyph->glyphModel->name + u' ' : QString()) + quoted(glyph->name()),
                ownerText(glyph->attachedTo)};
    if (TDFAction* action = object->toAction())
        return {quoted(action->name()), QStringLiteral("on ") + instanceText(action->instance)};
    if (TDFSynchronisation* synchronisation = object->toSynchronisation())
        return {quoted(synchronisation->name()), instancesText(synchronisation->instances)};
    if (TDFInstanceDelete* deletion = object->toInstanceDelete())
        return {instanceText(deletion->instance)};
    if (TDFInstanceDeleteAll* deleteAll = object->toInstanceDeleteAll())
        return {instancesText(deleteAll->deletedInstances)};
    if (TDFLoopStart* start = object->toLoopStart())
        return {start->name() + QStringLiteral(" path ") + start->loopPath,
                QStringLiteral("on ") + instanceText(start->instance)};
    if (TDFLoopEnd* end = object->toLoopEnd())
        return {end->loopStart ? end->loopStart->name() : QString(),
                QStringLiteral("on ") + instanceText(end->instance)};
    if (TDFThreadInfo* info = object->toThreadInfo()) {
        return {quoted(info->name()),
                QStringLiteral("thread %1 %2 priority %3")
                    .arg(info->thread ? info->thread->num : 0)
                    .arg(info->threadState ? info->threadState->name : QString())
                    .arg(info->priority)};
    }
    if (TDFTriggerStart* start = object->toTriggerStart())
        return {QStringLiteral("on ") + instanceText(start->instance)};
    if (TDFTriggerStop* stop = object->toTriggerStop())
        return {QStringLiteral("on ") + instanceText(stop->instance)};
    return {};
}

// The link, style, note and glyph an object shows.
QStringList decorations(TDFObject* object)
{
    QStringList parts;
    if (!object->link().isEmpty())
        parts << QStringLiteral("link ") + object->link();
    if (const Style* style = object->style())
        parts << QStringLiteral("style ") + style->name();
    if (object->note)
        parts << QStringLiteral("note ") + quoted(object->note->name());
    if (object->glyph)
        parts << QStringLiteral("glyph ") + quoted(object->glyph->name());
    return parts;
}

}  // namespace

QString kindText(const TDFObject& object)
{
    switch (object.type) {
    case TDF_INSTANCE_DELETE_ALL:
        return QStringLiteral("delete_all");
    case TDF_DEFINITION_BLOCK:
        return QStringLiteral("definition_block");
    case TDF_NEW_TRACE:
        return QStringLiteral("new_trace");
    case TDF_EXTERNAL_TRIGGER:
        return QStringLiteral("external_trigger");
    default:
        const char* text = strTDFObjectType(object.type);
        return text ? QString::fromLatin1(text) : QStringLiteral("type %1").arg(int(object.type));
    }
}

QString instanceText(TDFInstance* instance)
{
    return instance ? instance->name() + u'#' + QString::number(instance->dynamicId) : QStringLiteral("world");
}

QString objectLine(TDF& reader, TDFObject* object)
{
    QStringList fields{reader.strTime(object->time), kindText(*object)};
    fields << nameAndWho(object) << decorations(object);
    return fields.join(QLatin1String("  "));
}
