// Definition blocks and their static definitions.
//
// Trace events name instances, messages and texts by small numbers; a
// definition block (DB ... ED lines) binds those numbers to static
// definitions, for one trace configuration.  A block is identified by a
// short vector of ids (as many as its configuration's id length) and is
// selected for the events that follow by an SF or CS line.
//
// Ownership: a block owns its static definitions, its ids and its source.
#pragma once

#include "stacksizeview_export.h"

#include "tdf/tdfobjects.h"

class InstanceType;

enum TDFDBObjectType { TDFDB_MESSAGE = 101, TDFDB_INSTANCE = 102, TDFDB_TEXT = 103 };

// "message", "instance" or "text"; null for any other value.
STACKSIZEVIEW_EXPORT const char* TDFDBstatementTypeString(TDFDBObjectType type);

// Where the definitions of a block come from (SO line).
class STACKSIZEVIEW_EXPORT TDFDBSource {
public:
    enum Type { TXT = 0, XRD = 1 };

    QString fileName;
    unsigned long date = 0;
    Type type = TXT;

    void init(const QString& fileName, unsigned long date, Type type);
};

// A static definition: an instance, a message or a text of a block.
class STACKSIZEVIEW_EXPORT TDFDBObject {
public:
    TDFDBObjectType type;
    TDFDefinitionBlock* block = nullptr;  // set when added to a block
    unsigned long id;                     // unique within the block
    QString name;
    int sourceLine = 0;      // line in the source file (numeric LK)
    QString sourceLinkText;  // link text (string LK)
    Style* style_ = nullptr;
    QString sourceLinkCache;  // built once by sourceLink()

    TDFDBObject(TDFDBObjectType type, unsigned long id, const QString& name);
    TDFDBObject(const TDFDBObject&) = delete;
    TDFDBObject& operator=(const TDFDBObject&) = delete;
    virtual ~TDFDBObject();
    virtual Style* style() const;

    void setSourceLinkText(const QString& text) { sourceLinkText = text; }
    // The reference into the block's source: "file:line", "file<link text>"
    // or "xrd#file#<link text>"; null without a source.  Built once.
    QString sourceLink();
};

class STACKSIZEVIEW_EXPORT TDFDBText : public TDFDBObject {
public:
    TDFDBText(unsigned long id, const QString& name) : TDFDBObject(TDFDB_TEXT, id, name) {}
};

class STACKSIZEVIEW_EXPORT TDFDBMessage : public TDFDBObject {
public:
    bool used = false;  // a message of the current trace referred to it

    TDFDBMessage(unsigned long id, const QString& name) : TDFDBObject(TDFDB_MESSAGE, id, name) {}
};

class STACKSIZEVIEW_EXPORT TDFDBInstance : public TDFDBObject {
public:
    InstanceType* instanceType;
    TDFDBInstance* superInstance = nullptr;
    unsigned long occurrenceCounter = 0;  // dynamic instances bound to it so far

    TDFDBInstance(unsigned long id, InstanceType* type, const QString& name);
    // The own style when set, else the instance type's.
    Style* style() const override;
    void setSuperInstance(TDFDBInstance* instance) { superInstance = instance; }
};

class STACKSIZEVIEW_EXPORT TDFDBInstanceList : public List<TDFDBInstance*> {
public:
    // The first instance with this id, in definition order; null if none.
    TDFDBInstance* search(unsigned long id);
};

class STACKSIZEVIEW_EXPORT TDFDBTextList : public List<TDFDBText*> {
public:
    // The first text with this id, in definition order; null if none.
    TDFDBText* search(unsigned long id);
};

// A block's static messages by id (51 buckets).
class STACKSIZEVIEW_EXPORT TDFDBMessageHash : public Hash<TDFDBMessage*> {
public:
    TDFDBMessageHash() : Hash<TDFDBMessage*>(51) {}
    unsigned code(TDFDBMessage* message) override;
    // The message entered last with this id; null if none.
    TDFDBMessage* search(unsigned long id);
};

class STACKSIZEVIEW_EXPORT TDFDefinitionBlock : public TDFTextObject {
public:
    List<TDFDefinitionBlock*>::Node* blocksNode = nullptr;  // node in the reader's block list
    bool valid = true;                                      // no error while the block was defined
    bool hasId = false;                                     // an ID line was accepted
    TCF* tcf = nullptr;
    unsigned long* ids = nullptr;   // owned, tcf->idLength() entries
    TDFDBSource* source = nullptr;  // owned
    TDFDBInstanceList dbInstances;
    TDFDBMessageHash dbMessages;
    TDFDBTextList dbTexts;
    int messageModelCount = 0;  // MS lines accepted
    bool counted = false;       // messageModelCount added to the reader's total
    QString fileName;           // the file of its DB line (`line`); null when not read from a file

    TDFDefinitionBlock() : TDFTextObject(TDF_DEFINITION_BLOCK) {}
    ~TDFDefinitionBlock() override;
    TDFDefinitionBlock* toTDFDefinitionBlock() override { return this; }
    // Blocks are announced by the writer itself: no line of their own.
    void write(TDFWriter& writer) override;

    // ids[i], or 0 without a configuration or outside the id length.
    unsigned long id(int i) const;
    // Sets ids[i]; nothing without a configuration or outside the id length.
    void setId(int i, unsigned long value);
    // Whether `values` (n of them) are the block's ids.
    bool cmpId(unsigned long* values, int n);
    // Binds the configuration and allocates ids for its id length.
    void setTCF(TCF* tcf);

    void addText(TDFDBText* text);
    void addInstance(TDFDBInstance* instance);
    void addMessage(TDFDBMessage* message);
    TDFDBMessage* getMessageFromId(unsigned long id);
    TDFDBInstance* getInstanceFromId(unsigned long id);
    TDFDBText* getTextFromId(unsigned long id);
    // The instance, else the message, else the text with this id.
    TDFDBObject* getObjectFromId(unsigned long id);
};

class STACKSIZEVIEW_EXPORT TDFDefinitionBlockList : public List<TDFDefinitionBlock*> {
public:
    // The first block whose ids are `values` (n of them); null if none.
    TDFDefinitionBlock* search(unsigned long* values, int n);
};

// A binding of an SF number to a block, in the reader's SF table.
struct STACKSIZEVIEW_EXPORT TDF_USE_DBTraceId {
    TDFDefinitionBlock* block;
    unsigned long sfNumber;
};

// The reader's SF table (101 buckets).
class STACKSIZEVIEW_EXPORT TDF_USE_DBTraceIdHash : public Hash<TDF_USE_DBTraceId*> {
public:
    TDF_USE_DBTraceIdHash() : Hash<TDF_USE_DBTraceId*>(101) {}
    unsigned code(TDF_USE_DBTraceId* entry) override;
    // The binding of this SF number; null if none.
    TDF_USE_DBTraceId* search(unsigned long sfNumber);
};
