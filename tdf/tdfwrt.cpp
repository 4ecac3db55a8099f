// The trace writer and the write() operation of every trace object.
#include "tdf/tdfwrt.h"

#include "tcf/tcf.h"
#include "tdf/writer_p.h"

#include <cstdint>
#include <cstdio>

namespace {

const unsigned long largestDecimalHexa = 999999;
const unsigned long largest32Bits = 0xffffffffUL;

// The codec in which a note's text may hold what would end a line.
const char noteCodec[] = "UTF-7";

bool breaksLine(const QString& text)
{
    return text.contains(u'\n') || text.contains(QChar(0));
}

// `text` in UTF-7: printable ASCII but '+', '\\' and '~' stands for
// itself, anything else goes as a "+...-" run of its UTF-16 in base 64, so
// that no byte is a line feed or a NUL.
QByteArray utf7(const QString& text)
{
    QByteArray out;
    QByteArray run;
    const auto endRun = [&out, &run] {
        if (!run.isEmpty())
            out += '+' + run.toBase64(QByteArray::OmitTrailingEquals) + '-';
        run.clear();
    };
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit >= 0x20 && unit < 0x7f && unit != u'+' && unit != u'\\' && unit != u'~') {
            endRun();
            out += char(unit);
        } else {
            run += char(unit >> 8);
            run += char(unit & 0xff);
        }
    }
    endRun();
    return out;
}

// A note's own text that holds a line feed or a NUL, written so that it
// reads back: as a text in UTF-7 after the name of that codec.
void writeLineBreakingText(TDFWriter& writer, const QString& text)
{
    QString escaped;
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\')
            escaped += u'\\';
        escaped += c;
    }
    *writer.stream << '"' << noteCodec << "\" \"" << utf7(escaped).constData() << '"';
}

// The block of the definition that an object refers to, if any.
TDFDefinitionBlock* definitionBlock(TDFObject* object)
{
    const TDFDBObject* definition = nullptr;
    if (const TDFTextObject* textObject = object->toTextObject())
        definition = textObject->model;
    else if (const TDFInstance* instance = object->toInstance())
        definition = instance->model;
    else if (const TDFMessage* message = object->toMessage())
        definition = message->model;
    return definition ? definition->block : nullptr;
}

void writeInstanceId(TDFWriter& writer, const TDFInstance* instance)
{
    *writer.stream << ' ';
    if (instance)
        writer.writeHexa(instance->dynamicId);
    else
        *writer.stream << '0';
}

// A TM or HS value.  The number syntax takes 32 bits at most in hexadecimal:
// a larger value goes as its high and low halves.
void writeLongValue(TDFWriter& writer, unsigned long value)
{
    if (value > largest32Bits) {
        writer.writeHexa(value >> 32);
        *writer.stream << ' ';
        writer.writeHexa(value & largest32Bits);
    } else {
        writer.writeHexa(value);
    }
}

// A CI line, whether or not the instance is already selected.
void selectInstance(TDFWriter& writer, TDFInstance* instance)
{
    writer.currentInstance = instance;
    record(writer, TDFOpcode::CI);
    writeInstanceId(writer, instance);
    *writer.stream << '\n';
}

void selectBlockOf(TDFWriter& writer, const TDFDBObject* definition)
{
    if (definition)
        writer.changeDefinitionBlock(definition->block);
}

// A text object's own text: its static text's id, else its name.
void writeTextOperand(TDFWriter& writer, TDFTextObject& object)
{
    if (object.model)
        *writer.stream << object.model->id;
    else
        writer.writeText(object.name());
}

}  // namespace

unsigned TDFDBRefHash::code(TDFDBRef* ref)
{
    return unsigned(reinterpret_cast<std::uintptr_t>(ref->block) / 4 % unsigned(bucketCount));
}

TDFDBRef* TDFDBRefHash::searchDefinitionBlock(TDFDefinitionBlock* block)
{
    const unsigned bucket = unsigned(reinterpret_cast<std::uintptr_t>(block) / 4 % unsigned(bucketCount));
    for (Node* node = buckets[bucket]; node; node = node->next) {
        if (node->item->block == block)
            return node->item;
    }
    return nullptr;
}

TDFWriter::TDFWriter(std::ostream& stream) : stream(&stream) {}

TDFWriter::~TDFWriter()
{
    blockRefs.deleteAll();
}

bool TDFWriter::changeDefinitionBlock(TDFDefinitionBlock* block)
{
    if (!block || block == currentBlock)
        return false;
    currentBlock = lastBlock_ = block;
    if (const TDFDBRef* ref = blockRefs.searchDefinitionBlock(block)) {
        record(*this, TDFOpcode::CS) << ' ' << ref->id << '\n';
        return true;
    }
    auto* ref = new TDFDBRef{block, nextBlockRef++};
    blockRefs.intern(ref);
    record(*this, TDFOpcode::SF) << ' ' << ref->id;
    const int idLength = block->tcf ? block->tcf->idLength() : 0;
    for (int i = 0; i < idLength; ++i) {
        *stream << ' ';
        writeHexa(block->id(i));
    }
    *stream << '\n';
    return true;
}

bool TDFWriter::changeInstance(TDFInstance* instance)
{
    if (instance == currentInstance)
        return false;
    selectInstance(*this, instance);
    return true;
}

void TDFWriter::writeLink(TDFObject* object)
{
    if (!object || object->linkText.isEmpty())
        return;
    record(*this, TDFOpcode::LK) << ' ';
    writeText(object->link());
    *stream << '\n';
}

void TDFWriter::writeStyle(TDFObject* object)
{
    // The reader finds the style in the selected block's configuration.
    if (object && object->style_ && ensureBlock(object))
        record(*this, TDFOpcode::ST) << ' ' << object->style()->id() << '\n';
}

bool TDFWriter::ensureBlock(TDFObject* object)
{
    if (!currentBlock)
        changeDefinitionBlock(defaultBlock ? defaultBlock : lastBlock_ ? lastBlock_ : blockAmongObjects(object));
    if (!currentBlock)
        ++unwritten;
    return currentBlock;
}

// A trace uses one configuration: the block of any definition that an
// object of its list refers to holds what the object's records name.  The
// list is searched once, from the object on, round to the object.
TDFDefinitionBlock* TDFWriter::blockAmongObjects(TDFObject* object)
{
    if (!object || !object->objectNode || objectsSearched_)
        return nullptr;
    objectsSearched_ = true;
    const TDFObjectNode* node = object->objectNode;
    do {
        if (TDFDefinitionBlock* block = definitionBlock(node->item))
            return block;
        node = node->next;
    } while (node != object->objectNode);
    return nullptr;
}

void TDFWriter::writeTime(TDFObject* object)
{
    if (!writeTimes || !object)
        return;
    record(*this, TDFOpcode::TM) << ' ';
    writeLongValue(*this, object->time);
    *stream << '\n';
}

void TDFWriter::writeHeapSize(TDFObject* object)
{
    if (object->heapSize == heapSize)
        return;
    heapSize = object->heapSize;
    record(*this, TDFOpcode::HS) << ' ';
    writeLongValue(*this, heapSize);
    *stream << '\n';
}

void TDFWriter::writeHexa(unsigned long value)
{
    if (value <= largestDecimalHexa || value > largest32Bits) {
        *stream << value;
        return;
    }
    char digits[16];
    std::snprintf(digits, sizeof digits, "%lx", value);
    if (digits[0] >= 'a')
        *stream << '0';
    *stream << digits << 'h';
}

void TDFWriter::writeText(const QString& text)
{
    *stream << '"';
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\')
            *stream << '\\';
        // A line feed or a NUL would end the line: they become blanks.
        *stream << (c == '\n' || c == '\0' ? ' ' : c);
    }
    *stream << '"';
}

void TDFWriter::writeAttributes(TDFObject* object)
{
    writeLink(object);
    writeStyle(object);
    writeTime(object);
}

void TDFWriter::writeNote(TDFNote* note)
{
    if (!note)
        return;
    selectBlockOf(*this, note->model);
    writeAttributes(note);
    record(*this, TDFOpcode::NO) << ' ';
    if (note->model) {
        *stream << note->model->id;
        if (!note->name_.isNull()) {
            *stream << ' ';
            writeText(note->name_);
        }
    } else if (breaksLine(note->name_)) {
        writeLineBreakingText(*this, note->name_);
    } else {
        writeText(note->name_);
    }
    *stream << '\n';
}

void TDFWriter::writeGlyph(TDFGlyph* glyph)
{
    if (!glyph || !glyph->glyphModel)
        return;
    selectBlockOf(*this, glyph->model);
    if (!ensureBlock(glyph))
        return;  // a GL line needs a selected block
    writeLink(glyph);
    writeTime(glyph);
    record(*this, TDFOpcode::GL) << ' ' << glyph->glyphModel->id;
    if (glyph->model)
        *stream << ' ' << glyph->model->id;
    if (!glyph->name_.isNull()) {
        *stream << ' ';
        writeText(glyph->name_);
    }
    *stream << '\n';
}

void TDFWriter::startNewTrace()
{
    blockRefs.deleteAll();
    nextBlockRef = 1;
    currentBlock = nullptr;
    currentInstance = nullptr;
    heapSize = 0;
}

void TDFObject::write(TDFWriter&) {}

void TDFTextObject::write(TDFWriter& writer)
{
    writeTextOperand(writer, *this);
}

void TDFDefinitionBlock::write(TDFWriter&) {}

void TDFTriggerStop::write(TDFWriter& writer)
{
    writer.changeInstance(instance);
    writer.writeTime(this);
    record(writer, TDFOpcode::GS) << '\n';
}

void TDFTriggerStart::write(TDFWriter& writer)
{
    writer.changeInstance(instance);
    writer.writeTime(this);
    record(writer, TDFOpcode::GA) << '\n';
}

void TDFExternalTrigger::write(TDFWriter& writer)
{
    writer.writeTime(this);
    record(writer, TDFOpcode::ET) << '\n';
}

void TDFMessageCall::write(TDFWriter& writer)
{
    const TDFDBMessage* model = message ? message->model : nullptr;
    selectBlockOf(writer, model);
    writer.writeTime(this);
    // "0" as a sender means the current instance: a call of the world is
    // written after selecting no instance.
    const bool ownSender = message && message->sender != writer.currentInstance;
    if (ownSender && !message->sender)
        writer.changeInstance(nullptr);
    writer.writeStyle(message);
    writer.writeHeapSize(this);
    record(writer, TDFOpcode::MC) << ' ' << callId;
    if (model)
        *writer.stream << ' ' << model->id;
    if (ownSender && message->sender)
        writeInstanceId(writer, message->sender);
    *writer.stream << '\n';
}

void TDFInstanceDelete::write(TDFWriter& writer)
{
    const TDFDBMessage* model = atReturn && atReturn->message ? atReturn->message->model : nullptr;
    selectBlockOf(writer, model);
    writer.writeNote(note);
    writer.writeAttributes(this);
    record(writer, TDFOpcode::DI);
    writeInstanceId(writer, instance);
    if (model)
        *writer.stream << ' ' << model->id;
    *writer.stream << '\n';
    if (writer.currentInstance == instance)
        writer.currentInstance = nullptr;
}

void TDFInstanceDeleteAll::write(TDFWriter& writer)
{
    writer.writeStyle(this);
    writer.writeTime(this);
    record(writer, TDFOpcode::DA) << '\n';
    writer.currentInstance = nullptr;
}

void TDFInstance::write(TDFWriter& writer)
{
    if (TDFMessage* message = creatingMessage) {
        creatingMessage = nullptr;
        message->write(writer);
        creatingMessage = message;
    }
    if (model)
        writeModelChangment(writer);
}

void TDFInstance::writeModelChangment(TDFWriter& writer)
{
    if (!model)
        return;
    writer.changeDefinitionBlock(model->block);
    writer.writeAttributes(this);
    record(writer, TDFOpcode::NI) << ' ';
    writer.writeHexa(model->id);
    writeInstanceId(writer, this);
    if (hasOwnName) {
        *writer.stream << ' ';
        writer.writeText(name());
    }
    *writer.stream << '\n';
    writer.currentInstance = this;
}

void TDFSynchronisation::write(TDFWriter& writer)
{
    selectBlockOf(writer, model);
    writer.writeAttributes(this);
    record(writer, TDFOpcode::SY) << ' ';
    writeTextOperand(writer, *this);
    if (instances) {
        for (const TDFInstance* instance : *instances)
            writeInstanceId(writer, instance);
    }
    *writer.stream << '\n';
}

void TDFAction::write(TDFWriter& writer)
{
    selectBlockOf(writer, model);
    writer.writeAttributes(this);
    // AC reads an empty text as "a static text id follows": an empty text
    // is written as a block action, which keeps it.
    const bool emptyText = !model && name_.isEmpty() && !name_.isNull();
    record(writer, emptyText ? TDFOpcode::BA : TDFOpcode::AC) << ' ';
    writeTextOperand(writer, *this);
    writeInstanceId(writer, instance);
    *writer.stream << '\n';
    if (emptyText)
        record(writer, TDFOpcode::EA) << '\n';
}

void TDFNote::write(TDFWriter& writer)
{
    if (attachedTo && !attachedTo->toInstance())
        return;  // written with the object it belongs to
    writer.writeNote(this);
    selectInstance(writer, attachedTo ? attachedTo->toInstance() : nullptr);
}

void TDFGlyph::write(TDFWriter& writer)
{
    if (attachedTo && !attachedTo->toInstance())
        return;  // written with the object it belongs to
    writer.writeGlyph(this);
    selectInstance(writer, attachedTo ? attachedTo->toInstance() : nullptr);
}

void TDFLoopEnd::write(TDFWriter& writer)
{
    writer.writeAttributes(this);
    writer.changeInstance(instance);
    record(writer, TDFOpcode::LE) << '\n';
}

void TDFLoopStart::write(TDFWriter& writer)
{
    writer.writeAttributes(this);
    writer.changeInstance(instance);
    record(writer, TDFOpcode::LS) << ' ' << iterations << '\n';
}

void TDFMessage::write(TDFWriter& writer)
{
    if (receiver && receiver->creatingMessage == this)
        return;  // written with the instance it created
    if (!model)
        return;  // its static id was not found: nothing to refer to
    writer.changeInstance(sender);
    // The message's block serves the lines of its note and glyph, unless
    // the note's static text is of another.
    if (!note || !note->model)
        writer.changeDefinitionBlock(model->block);
    writer.writeNote(note);
    writer.writeGlyph(glyph);
    writer.changeDefinitionBlock(model->block);
    writer.writeLink(this);
    if (!call)
        writer.writeStyle(this);  // a call's style goes with its MC line
    writer.writeTime(this);
    writer.writeHeapSize(this);
    record(writer, TDFOpcode::ME) << ' ';
    writer.writeHexa(model->id);
    writeInstanceId(writer, receiver);
    if (call)
        *writer.stream << ' ' << call->callId;
    if (!name_.isNull()) {
        *writer.stream << ' ';
        writer.writeText(name_);
    }
    *writer.stream << '\n';
    writer.currentInstance = receiver;
}

void TDFMessageReturn::write(TDFWriter& writer)
{
    writer.writeGlyph(glyph);
    const TDFDBMessage* model = message ? message->model : nullptr;
    selectBlockOf(writer, model);
    writer.writeAttributes(this);
    writer.writeHeapSize(this);
    record(writer, TDFOpcode::MR);
    if (model) {
        *writer.stream << ' ';
        writer.writeHexa(model->id);
    }
    *writer.stream << '\n';
    writer.currentInstance = message ? message->sender : nullptr;
}

void TDFThreadInfo::write(TDFWriter& writer)
{
    if (!thread || !writer.ensureBlock(this))
        return;  // a TI line needs a selected block
    writer.writeTime(this);
    record(writer, TDFOpcode::TI) << ' ';
    writer.writeHexa(thread->num);
    *writer.stream << ' ' << stateId << ' ' << priority;
    if (!thread->name.isNull()) {
        *writer.stream << ' ';
        writer.writeText(thread->name);
    }
    *writer.stream << '\n';
}

void TDFNewTrace::write(TDFWriter& writer)
{
    record(writer, TDFOpcode::NT) << '\n';
    writer.startNewTrace();
}
