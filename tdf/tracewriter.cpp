// A whole trace written back: its definition blocks as DB ... ED lines, its
// time unit, its objects, and the NI lines that gave living instances a
// model, each where it was read.
#include "foundation/style.h"
#include "tcf/tcf.h"
#include "tdf/tdfreader.h"
#include "tdf/writer_p.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace {

// The lines of one block.  A string link stays pending for the following
// definitions until a text takes it, and a numeric one clears it: each
// definition gets the LK line that gives it its own link.
class BlockWriter {
public:
    BlockWriter(TDFWriter& writer, TDFDefinitionBlock& block) : writer_(writer), out_(*writer.stream), block_(block) {}

    void write()
    {
        record(writer_, TDFOpcode::DB) << ' ';
        writer_.writeText(block_.tcf ? block_.tcf->name() : QString());
        out_ << '\n';
        record(writer_, TDFOpcode::ID);
        writeIds(block_);
        out_ << '\n';
        writeSource();
        for (TDFDBInstance* instance : block_.dbInstances)
            writeInstance(*instance);
        std::vector<TDFDBMessage*> messages;
        block_.dbMessages.forEach([&messages](TDFDBMessage* message) { messages.push_back(message); });
        std::sort(messages.begin(), messages.end(), [](auto* a, auto* b) { return a->id < b->id; });
        for (TDFDBMessage* message : messages)
            writeDefinition(TDFOpcode::MS, *message);
        for (TDFDBText* text : block_.dbTexts)
            writeDefinition(TDFOpcode::TX, *text);
        record(writer_, TDFOpcode::ED) << '\n';
    }

private:
    TDFWriter& writer_;
    std::ostream& out_;
    TDFDefinitionBlock& block_;
    QString pendingLinkText_;

    void writeIds(const TDFDefinitionBlock& block)
    {
        for (int i = 0; block.tcf && i < block.tcf->idLength(); ++i) {
            out_ << ' ';
            writer_.writeHexa(block.id(i));
        }
    }

    void writeSource()
    {
        if (!block_.source)
            return;
        record(writer_, TDFOpcode::SO) << ' ';
        writer_.writeText(block_.source->fileName);
        out_ << ' ' << block_.source->date << (block_.source->type == TDFDBSource::XRD ? " \"xrd\"\n" : " \"txt\"\n");
    }

    void writeDecorations(const TDFDBObject& definition)
    {
        if (definition.style_)
            record(writer_, TDFOpcode::ST) << ' ' << definition.style_->id() << '\n';
        if (definition.sourceLine > 0) {
            record(writer_, TDFOpcode::LK) << ' ' << definition.sourceLine << '\n';
            pendingLinkText_ = QString();
        } else if (definition.sourceLinkText != pendingLinkText_
                   || definition.sourceLinkText.isNull() != pendingLinkText_.isNull()) {
            record(writer_, TDFOpcode::LK) << ' ';
            if (definition.sourceLinkText.isNull())
                out_ << '0';
            else
                writer_.writeText(definition.sourceLinkText);
            out_ << '\n';
            pendingLinkText_ = definition.sourceLinkText;
        }
    }

    void writeInstance(const TDFDBInstance& instance)
    {
        writeDecorations(instance);
        if (const TDFDBInstance* super = instance.superInstance) {
            record(writer_, TDFOpcode::SI) << ' ' << super->id;
            if (super->block && super->block != &block_)
                writeIds(*super->block);
            out_ << '\n';
        }
        record(writer_, TDFOpcode::IN) << ' ';
        writer_.writeText(instance.instanceType ? instance.instanceType->name : QString());
        out_ << ' ' << instance.id << ' ';
        writer_.writeText(instance.name);
        out_ << '\n';
    }

    void writeDefinition(TDFOpcode opcode, const TDFDBObject& definition)
    {
        writeDecorations(definition);
        record(writer_, opcode) << ' ' << definition.id << ' ';
        writer_.writeText(definition.name);
        out_ << '\n';
        if (definition.type == TDFDB_TEXT)
            pendingLinkText_ = QString();  // a text takes the pending link
    }
};

// An instance shown with another of its models for the time of a write.
class ModelShown {
public:
    ModelShown(TDFInstance* instance, TDFDBInstance* model) : instance_(instance), kept_(instance->model)
    {
        instance->model = model;
    }
    ~ModelShown() { instance_->model = kept_; }
    ModelShown(const ModelShown&) = delete;
    ModelShown& operator=(const ModelShown&) = delete;

private:
    TDFInstance* instance_;
    TDFDBInstance* kept_;
};

// The models the NI lines gave living instances: an instance is created
// with the model it had before its first change, and each change is written
// where it was read, so that occurrence numbers, names and times come out
// as they were.
class ModelHistory {
public:
    explicit ModelHistory(const std::vector<TDF::ModelChange>& changes) : changes_(changes)
    {
        for (const TDF::ModelChange& change : changes)
            firstModels_.emplace(change.instance, change.previousModel);  // the first change wins
    }

    void writeChangesBefore(TDFWriter& writer, int position)
    {
        for (; next_ < changes_.size() && changes_[next_].position == position; ++next_) {
            const TDF::ModelChange& change = changes_[next_];
            const ModelShown shown(change.instance, change.model);
            change.instance->writeModelChangment(writer);
        }
    }

    void write(TDFWriter& writer, TDFObject* object)
    {
        TDFInstance* instance = object->toInstance();
        const auto first = instance ? firstModels_.find(instance) : firstModels_.end();
        if (first == firstModels_.end())
            return object->write(writer);
        const ModelShown shown(instance, first->second);
        instance->write(writer);
    }

private:
    const std::vector<TDF::ModelChange>& changes_;
    std::unordered_map<const TDFInstance*, TDFDBInstance*> firstModels_;
    size_t next_ = 0;
};

// The TU line of the trace's time unit, if it had one.
void writeTimeUnit(TDFWriter& writer, const TDF& reader)
{
    if (reader.timeUnitName.isNull())
        return;
    record(writer, TDFOpcode::TU) << ' ';
    writer.writeText(reader.timeUnitName);
    *writer.stream << '\n';
}

}  // namespace

void writeDefinitionBlocks(TDFWriter& writer, TDFDefinitionBlockList& blocks)
{
    for (TDFDefinitionBlock* block : blocks)
        BlockWriter(writer, *block).write();
}

void writeTrace(TDFWriter& writer, TDF& reader, bool withDefinitions)
{
    if (!writer.defaultBlock && reader.blocks.count)
        writer.defaultBlock = reader.blocks.head->item;
    if (withDefinitions)
        writeDefinitionBlocks(writer, reader.blocks);
    ModelHistory history(reader.modelChanges);
    bool unitWritten = false;
    int position = 0;
    for (TDFObject* object : reader.objects) {
        history.writeChangesBefore(writer, position++);
        // A new trace forgets the unit: it goes after the NT line.
        if (!unitWritten && object->type != TDF_NEW_TRACE) {
            writeTimeUnit(writer, reader);
            unitWritten = true;
        }
        history.write(writer, object);
    }
    history.writeChangesBefore(writer, position);
}
