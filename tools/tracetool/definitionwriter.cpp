#include "tools/tracetool/definitionwriter.h"

#include "foundation/style.h"
#include "tcf/tcf.h"

#include <algorithm>
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
        out_ << "DB ";
        writer_.writeText(block_.tcf ? block_.tcf->name() : QString());
        out_ << "\nID";
        writeIds(block_);
        out_ << '\n';
        writeSource();
        for (TDFDBInstance* instance : block_.dbInstances)
            writeInstance(*instance);
        std::vector<TDFDBMessage*> messages;
        block_.dbMessages.forEach([&messages](TDFDBMessage* message) { messages.push_back(message); });
        std::sort(messages.begin(), messages.end(), [](auto* a, auto* b) { return a->id < b->id; });
        for (TDFDBMessage* message : messages)
            writeDefinition("MS", *message);
        for (TDFDBText* text : block_.dbTexts)
            writeDefinition("TX", *text);
        out_ << "ED\n";
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
        out_ << "SO ";
        writer_.writeText(block_.source->fileName);
        out_ << ' ' << block_.source->date << (block_.source->type == TDFDBSource::XRD ? " \"xrd\"\n" : " \"txt\"\n");
    }

    void writeDecorations(const TDFDBObject& definition)
    {
        if (definition.style_)
            out_ << "ST " << definition.style_->id() << '\n';
        if (definition.sourceLine > 0) {
            out_ << "LK " << definition.sourceLine << '\n';
            pendingLinkText_ = QString();
        } else if (definition.sourceLinkText != pendingLinkText_
                   || definition.sourceLinkText.isNull() != pendingLinkText_.isNull()) {
            if (definition.sourceLinkText.isNull()) {
                out_ << "LK 0\n";
            } else {
                out_ << "LK ";
                writer_.writeText(definition.sourceLinkText);
                out_ << '\n';
            }
            pendingLinkText_ = definition.sourceLinkText;
        }
    }

    void writeInstance(const TDFDBInstance& instance)
    {
        writeDecorations(instance);
        if (const TDFDBInstance* super = instance.superInstance) {
            out_ << "SI " << super->id;
            if (super->block && super->block != &block_)
                writeIds(*super->block);
            out_ << '\n';
        }
        out_ << "IN ";
        writer_.writeText(instance.instanceType ? instance.instanceType->name : QString());
        out_ << ' ' << instance.id << ' ';
        writer_.writeText(instance.name);
        out_ << '\n';
    }

    void writeDefinition(const char* opcode, const TDFDBObject& definition)
    {
        writeDecorations(definition);
        out_ << opcode << ' ' << definition.id << ' ';
        writer_.writeText(definition.name);
        out_ << '\n';
        if (definition.type == TDFDB_TEXT)
            pendingLinkText_ = QString();  // a text takes the pending link
    }
};

}  // namespace

void writeDefinitionBlocks(TDFWriter& writer, TDFDefinitionBlockList& blocks)
{
    for (TDFDefinitionBlock* block : blocks)
        BlockWriter(writer, *block).write();
}
