// The trace writer: trace objects back to trace lines.
//
// The caller hands the objects in trace order to their write() operation.
// The writer announces definition blocks (SF, then CS for a block already
// announced) and selects instances (CI) only when the selection changes, so
// that the output reads back into the same objects, given the same
// definition blocks.  writeTrace() does all of it for a whole read trace,
// definition blocks included:
//
//     TDFWriter writer(out);
//     writeTrace(writer, reader);
#pragma once

#include "stacksizeview_export.h"

#include "tdf/tdf_db.h"

#include <QString>
#include <ostream>

class TDF;

// A block the writer announced, with the SF number it gave it.
struct STACKSIZEVIEW_EXPORT TDFDBRef {
    TDFDefinitionBlock* block;
    int id;
};

// The announced blocks by identity (101 buckets).
class STACKSIZEVIEW_EXPORT TDFDBRefHash : public Hash<TDFDBRef*> {
public:
    TDFDBRefHash() : Hash<TDFDBRef*>(101) {}
    unsigned code(TDFDBRef* ref) override;
    TDFDBRef* searchDefinitionBlock(TDFDefinitionBlock* block);
};

class STACKSIZEVIEW_EXPORT TDFWriter {
public:
    std::ostream* stream;
    TDFDBRefHash blockRefs;  // owns its entries
    TDFDefinitionBlock* currentBlock = nullptr;
    TDFInstance* currentInstance = nullptr;  // as the reader of the output will have it
    int nextBlockRef = 1;
    bool writeTimes = false;     // a TM line before every timed record
    unsigned long heapSize = 0;  // as the reader of the output will have it
    // Selected for a record that names something of the configuration (a
    // style, a glyph, a thread state) when no block is selected yet.  Without
    // it, the block last selected, else the block of a definition that an
    // object of the same trace refers to.
    TDFDefinitionBlock* defaultBlock = nullptr;
    int unwritten = 0;  // styles, glyphs and thread infos left out: no block could be selected for them

    explicit TDFWriter(std::ostream& stream);
    TDFWriter(const TDFWriter&) = delete;
    TDFWriter& operator=(const TDFWriter&) = delete;
    ~TDFWriter();

    // Selects a block (SF or CS line); false when it is already selected.
    bool changeDefinitionBlock(TDFDefinitionBlock* block);
    // Selects an instance (CI line); false when it is already selected.
    bool changeInstance(TDFInstance* instance);
    // LK line of the object's own link text, if any.
    void writeLink(TDFObject* object);
    // ST line of the object's own style, if any.
    void writeStyle(TDFObject* object);
    // TM line of the object's time, when writeTimes is set.
    void writeTime(TDFObject* object);
    // HS line of a message's, call's or return's heap size, when it differs
    // from the last one written.
    void writeHeapSize(TDFObject* object);
    // Up to 999999 in decimal, up to 4294967295 in hexadecimal ("0f4240h"),
    // beyond in decimal.
    void writeHexa(unsigned long value);
    // The note's decorations and its NO line.
    void writeNote(TDFNote* note);
    // The glyph's decorations and its GL line.
    void writeGlyph(TDFGlyph* glyph);
    // writeLink, writeStyle and writeTime.
    void writeAttributes(TDFObject* object);
    // A text operand: in double quotes, '"' and '\' escaped by a backslash;
    // a line feed or a NUL, which would end the line, as a blank.
    void writeText(const QString& text);
    // Whether a block is selected, selecting one for `object` (see
    // defaultBlock) if none is; counts the record left out when it fails.
    bool ensureBlock(TDFObject* object = nullptr);
    // Forgets the announced blocks and the selections, as the reader does
    // at a new trace.
    void startNewTrace();

private:
    TDFDefinitionBlock* lastBlock_ = nullptr;  // kept over a new trace
    bool objectsSearched_ = false;             // for a block: at most once

    TDFDefinitionBlock* blockAmongObjects(TDFObject* object);
};

// Writes the definition blocks as DB ... ED lines, with their SO, ST, LK
// and SI lines, so that the events written after them read on their own.
STACKSIZEVIEW_EXPORT void writeDefinitionBlocks(TDFWriter& writer, TDFDefinitionBlockList& blocks);

// Writes all that `reader` holds as a trace that reads back into the same
// objects: its definition blocks unless `withDefinitions` is false, its time
// unit (TU), every object in order, and the NI lines that gave a living
// instance a model (TDF::modelChanges) where they were read.  The writer's
// default block, if not set, becomes the first block.
STACKSIZEVIEW_EXPORT void writeTrace(TDFWriter& writer, TDF& reader, bool withDefinitions = true);
