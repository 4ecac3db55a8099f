// Trace objects: one object per event line of a trace, kept by the reader in
// reading order.
//
// Every class is reached from a TDFObject* through the down-casts of TDFCast
// (toMessage(), toInstance(), ...), which return null for another class.
// Names, links and styles fall back on the static definition an object
// refers to (its model) when the object has none of its own.
//
// Ownership: the reader owns every object it appends.  An object owns only
// its userData, the instance list of a synchronisation and the list of a
// delete-all; every other pointer refers to something owned elsewhere.
#pragma once

#include "stacksizeview_export.h"

#include "foundation/containers.h"

#include <QString>

#include <memory>

class Glyph;
class Naming;
class Style;
class TCF;
class ThreadState;
class TDF;
class TDFWriter;
class TDFDBInstance;
class TDFDBMessage;
class TDFDBText;

class TDFObject;
class TDFTextObject;
class TDFNote;
class TDFGlyph;
class TDFAction;
class TDFSynchronisation;
class TDFMessage;
class TDFMessageCall;
class TDFMessageReturn;
class TDFInstance;
class TDFInstanceDelete;
class TDFInstanceDeleteAll;
class TDFThreadInfo;
class TDFExternalTrigger;
class TDFTriggerStart;
class TDFTriggerStop;
class TDFLoopStart;
class TDFLoopEnd;
class TDFDefinitionBlock;
class TDFNewTrace;
class TDFThread;

enum TDFObjectType {
    TDF_GENERIC = 0,
    TDF_MESSAGE,
    TDF_MESSAGE_CALL,
    TDF_MESSAGE_RETURN,
    TDF_INSTANCE,
    TDF_INSTANCE_DELETE,
    TDF_INSTANCE_DELETE_ALL,
    TDF_NOTE,
    TDF_GLYPH,
    TDF_SYNCHRONISATION,
    TDF_ACTION,
    TDF_LOOP_START,
    TDF_LOOP_END,
    TDF_DEFINITION_BLOCK,
    TDF_THREAD_INFO,
    TDF_NEW_TRACE,
    TDF_TRIGGER_START,
    TDF_TRIGGER_STOP,
    TDF_EXTERNAL_TRIGGER
};

// "message", "return", "thread", ...; null for the types without a text
// (delete-all, definition block, new trace, external trigger and beyond).
STACKSIZEVIEW_EXPORT const char* strTDFObjectType(TDFObjectType type);

typedef List<TDFObject*>::Node TDFObjectNode;

// The down-casts: each returns the object as that class, or null.
class STACKSIZEVIEW_EXPORT TDFCast {
public:
    virtual TDFObject* toObject() { return nullptr; }
    virtual TDFTextObject* toTextObject() { return nullptr; }
    virtual TDFNote* toNote() { return nullptr; }
    virtual TDFGlyph* toGlyph() { return nullptr; }
    virtual TDFAction* toAction() { return nullptr; }
    virtual TDFSynchronisation* toSynchronisation() { return nullptr; }
    virtual TDFMessage* toMessage() { return nullptr; }
    virtual TDFMessageCall* toMessageCall() { return nullptr; }
    virtual TDFMessageReturn* toMessageReturn() { return nullptr; }
    virtual TDFInstance* toInstance() { return nullptr; }
    virtual TDFInstanceDelete* toInstanceDelete() { return nullptr; }
    virtual TDFInstanceDeleteAll* toInstanceDeleteAll() { return nullptr; }
    virtual TDFThreadInfo* toThreadInfo() { return nullptr; }
    virtual TDFExternalTrigger* toExternalTrigger() { return nullptr; }
    virtual TDFTriggerStart* toTriggerStart() { return nullptr; }
    virtual TDFTriggerStop* toTriggerStop() { return nullptr; }
    virtual TDFLoopStart* toLoopStart() { return nullptr; }
    virtual TDFLoopEnd* toLoopEnd() { return nullptr; }
    virtual TDFDefinitionBlock* toTDFDefinitionBlock() { return nullptr; }

protected:
    TDFCast() = default;
    ~TDFCast() = default;
};

// Data a host attaches to an object; deleted with the object.
class STACKSIZEVIEW_EXPORT TDFUserData {
public:
    virtual ~TDFUserData();
};

class STACKSIZEVIEW_EXPORT TDFObject : public TDFCast {
public:
    TDFObjectType type;
    unsigned int line = 0;    // the line of its record in the trace file; 0: not read from a file
    Style* style_ = nullptr;  // own style, from an ST line; null: the model's
    QString name_;
    QString linkText;  // own source link, from an LK line
    TDFNote* note = nullptr;
    TDFGlyph* glyph = nullptr;
    unsigned long time = 0;
    unsigned long heapSize = 0;
    TDFObjectNode* objectNode = nullptr;  // node in the reader's object list
    TDFUserData* userData = nullptr;      // owned

    explicit TDFObject(TDFObjectType type);
    TDFObject(const TDFObject&) = delete;
    TDFObject& operator=(const TDFObject&) = delete;

    TDFObject* toObject() override { return this; }
    virtual ~TDFObject();
    virtual QString name() const;
    // The own link text when set, else the model's source link.
    virtual QString link() const;
    // The own style when set, else the model's.
    virtual Style* style();
    virtual void setName(const QString& name);
    // Writes the object's trace lines.
    virtual void write(TDFWriter& writer);

    // Attaches a note or glyph (null detaches) and records this object as
    // the one it belongs to.
    void setNote(TDFNote* note);
    void setGlyph(TDFGlyph* glyph);
};

// An event that shows a static text of its definition block.
class STACKSIZEVIEW_EXPORT TDFTextObject : public TDFObject {
public:
    TDFDBText* model = nullptr;

    explicit TDFTextObject(TDFObjectType type) : TDFObject(type) {}
    TDFTextObject* toTextObject() override { return this; }
    // The static text when there is one, else the own name.
    QString name() const override;
    QString link() const override;
    Style* style() override;
    void write(TDFWriter& writer) override;
};

class STACKSIZEVIEW_EXPORT TDFNote : public TDFTextObject {
public:
    TDFObject* attachedTo = nullptr;  // null: free-standing
    TDFObjectNode* listNode = nullptr;

    TDFNote() : TDFTextObject(TDF_NOTE) {}
    TDFNote* toNote() override { return this; }
    void write(TDFWriter& writer) override;
    using TDFTextObject::name;
    // The static text, a blank and the own name when both exist.
    virtual QString name();
};

class STACKSIZEVIEW_EXPORT TDFGlyph : public TDFTextObject {
public:
    TDFObject* attachedTo = nullptr;
    TDFObjectNode* listNode = nullptr;
    Glyph* glyphModel = nullptr;  // the configuration's glyph

    TDFGlyph() : TDFTextObject(TDF_GLYPH) {}
    TDFGlyph* toGlyph() override { return this; }
    void write(TDFWriter& writer) override;
    using TDFTextObject::name;
    // The static text, a blank and the own name when both exist.
    virtual QString name();
};

class STACKSIZEVIEW_EXPORT TDFAction : public TDFTextObject {
public:
    TDFInstance* instance = nullptr;  // null: the world
    TDFObjectNode* listNode = nullptr;

    TDFAction() : TDFTextObject(TDF_ACTION) {}
    TDFAction* toAction() override { return this; }
    void write(TDFWriter& writer) override;
};

class STACKSIZEVIEW_EXPORT TDFSynchronisation : public TDFTextObject {
public:
    List<TDFInstance*>* instances = nullptr;  // owned; a null entry is the world
    TDFObjectNode* listNode = nullptr;

    TDFSynchronisation() : TDFTextObject(TDF_SYNCHRONISATION) {}
    ~TDFSynchronisation() override;
    TDFSynchronisation* toSynchronisation() override { return this; }
    void write(TDFWriter& writer) override;
};

class STACKSIZEVIEW_EXPORT TDFInstance : public TDFObject {
public:
    TDFObject* deletion = nullptr;  // the TDFInstanceDelete(All) that ended it
    TDFDBInstance* model = nullptr;
    unsigned long dynamicId = 0;               // the instance's id in the trace
    TDFMessage* creatingMessage = nullptr;     // message whose arrival created it
    unsigned long occurrence = 0;              // which binding of its model (or modeless one) it is
    Array<TDFObject*>* activations = nullptr;  // owned; where activation bars start and end; doubles past 100
    int activationDepth = 0;
    bool hasOwnName = false;
    TDFInstance* previous = nullptr;  // earlier, ended instance with the same id
    List<TDFInstance*>::Node* instancesNode = nullptr;
    Hash<TDFInstance*>::Node* tableNode = nullptr;

    TDFInstance() : TDFObject(TDF_INSTANCE) {}
    ~TDFInstance() override;
    TDFInstance* toInstance() override { return this; }
    QString link() const override;
    Style* style() override;
    // Sets the name; a non-null name counts as the instance's own.
    void setName(const QString& name) override;
    void write(TDFWriter& writer) override;

    // Whether activation bars are tracked: a model whose type nests control flow.
    bool hasActivation() const;
    // Records a message or return handing control to (start) or away from
    // the instance.
    void computeActivation(TDFObject* event, bool start);
    // Binds a model (null unbinds), takes its next occurrence number and,
    // without an own name, names the instance after it.
    void setModel(TDFDBInstance* model);
    // Makes the instance modeless, numbered and named by the reader.
    void setModeless(TDF* reader);
    TDFInstanceDelete* instanceDelete();
    TDFInstanceDeleteAll* instanceDeleteAll();
    // Writes only the NI line that binds the instance's model.
    void writeModelChangment(TDFWriter& writer);
};

class STACKSIZEVIEW_EXPORT TDFMessage : public TDFObject {
public:
    TDFInstance* sender = nullptr;    // null: the world
    TDFInstance* receiver = nullptr;  // null: the world
    TDFDBMessage* model = nullptr;
    TDFMessageReturn* messageReturn = nullptr;
    TDFMessageCall* call = nullptr;
    bool awaitingCompletion = true;  // announced by MC and not yet completed by ME
    int modelIndex = 0;              // distinct message models used so far
    TDFThread* thread = nullptr;     // thread running when it was sent
    TDFObjectNode* listNode = nullptr;
    TDFObjectNode* threadInfo = nullptr;  // node of the thread info taken

    TDFMessage() : TDFObject(TDF_MESSAGE) {}
    TDFMessage* toMessage() override { return this; }
    QString link() const override;
    Style* style() override;
    void write(TDFWriter& writer) override;
};

class STACKSIZEVIEW_EXPORT TDFMessageCall : public TDFObject {
public:
    unsigned long callId = 0;
    TDFMessage* message = nullptr;
    TDFObjectNode* listNode = nullptr;

    TDFMessageCall() : TDFObject(TDF_MESSAGE_CALL) {}
    TDFMessageCall* toMessageCall() override { return this; }
    void write(TDFWriter& writer) override;
};

class STACKSIZEVIEW_EXPORT TDFMessageReturn : public TDFObject {
public:
    TDFMessage* message = nullptr;
    TDFInstanceDelete* deletion = nullptr;  // a deletion drawn at this return
    TDFObjectNode* listNode = nullptr;
    TDFObjectNode* threadInfo = nullptr;

    TDFMessageReturn() : TDFObject(TDF_MESSAGE_RETURN) {}
    TDFMessageReturn* toMessageReturn() override { return this; }
    void write(TDFWriter& writer) override;
};

class STACKSIZEVIEW_EXPORT TDFInstanceDeleteAbstract : public TDFObject {
public:
    TDFObjectNode* listNode = nullptr;

protected:
    explicit TDFInstanceDeleteAbstract(TDFObjectType type) : TDFObject(type) {}
};

class STACKSIZEVIEW_EXPORT TDFInstanceDelete : public TDFInstanceDeleteAbstract {
public:
    TDFInstance* instance = nullptr;
    TDFMessageReturn* atReturn = nullptr;  // the return the deletion is drawn at

    TDFInstanceDelete() : TDFInstanceDeleteAbstract(TDF_INSTANCE_DELETE) {}
    TDFInstanceDelete* toInstanceDelete() override { return this; }
    void write(TDFWriter& writer) override;
};

class STACKSIZEVIEW_EXPORT TDFInstanceDeleteAll : public TDFInstanceDeleteAbstract {
public:
    List<TDFInstance*>* deletedInstances = nullptr;  // owned, in trace order

    TDFInstanceDeleteAll() : TDFInstanceDeleteAbstract(TDF_INSTANCE_DELETE_ALL) {}
    ~TDFInstanceDeleteAll() override;
    TDFInstanceDeleteAll* toInstanceDeleteAll() override { return this; }
    void write(TDFWriter& writer) override;
};

class TDFLoopEnd;

// The path of a loop: the sequence numbers of its nesting levels, outermost
// first, shown as "1.2".  A path shares the path of the loop it is nested
// in and adds its own number: a loop costs the same whatever its depth, and
// the text is built when asked for.
class STACKSIZEVIEW_EXPORT TDFLoopPath {
public:
    TDFLoopPath() = default;
    TDFLoopPath(const QString& text);  // a path given whole; implicit, as a QString field was
    TDFLoopPath(const TDFLoopPath& outer, int number);
    QString toString() const;
    operator QString() const { return toString(); }

private:
    struct Level;
    std::shared_ptr<const Level> level_;  // null: the empty path
};

class STACKSIZEVIEW_EXPORT TDFLoopStart : public TDFObject {
public:
    TDFInstance* instance = nullptr;
    TDFLoopEnd* loopEnd = nullptr;
    unsigned long iterations = 0;
    int loopNumber = 0;                // loops started before this one in the trace
    TDFObject* firstObject = nullptr;  // the object read right after the start
    TDFLoopPath loopPath;              // "1.2": sequence numbers of the nesting levels
    TDFObjectNode* listNode = nullptr;

    TDFLoopStart() : TDFObject(TDF_LOOP_START) {}
    TDFLoopStart* toLoopStart() override { return this; }
    // The own name; without one, after nameBy(), the name the loop naming
    // gives for the loop's number, path and iterations.
    QString name() const override;
    void setName(const QString& name) override;
    // Names the loop with a configuration's loop naming (null: the default
    // format), when the name is asked for: the name holds the whole path.
    void nameBy(Naming* naming);
    void write(TDFWriter& writer) override;

private:
    Naming* naming_ = nullptr;
    bool namedByNaming_ = false;
};

class STACKSIZEVIEW_EXPORT TDFLoopEnd : public TDFObject {
public:
    TDFInstance* instance = nullptr;
    TDFLoopStart* loopStart = nullptr;
    TDFObject* lastObject = nullptr;  // the object read right before the end
    TDFObjectNode* listNode = nullptr;

    TDFLoopEnd() : TDFObject(TDF_LOOP_END) {}
    TDFLoopEnd* toLoopEnd() override { return this; }
    void write(TDFWriter& writer) override;
};

// A thread of the traced program (a plain record, not an event).
class STACKSIZEVIEW_EXPORT TDFThread {
public:
    QString name;
    unsigned long num = 0;  // the thread id of the trace
    int colorIndex = 0;     // 0 to 10
    List<TDFThread*>::Node* listNode = nullptr;

    void setName(const QString& name) { this->name = name; }
};

class STACKSIZEVIEW_EXPORT TDFThreadInfo : public TDFObject {
public:
    unsigned long stateId = 0;  // 1: the thread starts running
    unsigned long priority = 0;
    TDFObjectNode* listNode = nullptr;
    ThreadState* threadState = nullptr;
    TDFThread* thread = nullptr;

    TDFThreadInfo() : TDFObject(TDF_THREAD_INFO) {}
    TDFThreadInfo* toThreadInfo() override { return this; }
    // The thread's name (null without a thread).
    QString name() const override;
    // Renames the thread, if there is one.
    void setName(const QString& name) override;
    // Sets the thread's number; 0 changes nothing.
    void setNum(unsigned long num);
    // Sets the thread's colour index; 0 changes nothing.
    void setColorIndex(int index);
    void write(TDFWriter& writer) override;
};

class STACKSIZEVIEW_EXPORT TDFNewTrace : public TDFObject {
public:
    TDFNewTrace() : TDFObject(TDF_NEW_TRACE) {}
    void write(TDFWriter& writer) override;
    virtual TDFNewTrace* toNewTrace() { return this; }
};

class STACKSIZEVIEW_EXPORT TDFExternalTrigger : public TDFObject {
public:
    TDFExternalTrigger() : TDFObject(TDF_EXTERNAL_TRIGGER) {}
    TDFExternalTrigger* toExternalTrigger() override { return this; }
    void write(TDFWriter& writer) override;
};

class STACKSIZEVIEW_EXPORT TDFTriggerStart : public TDFObject {
public:
    TDFInstance* instance = nullptr;

    TDFTriggerStart() : TDFObject(TDF_TRIGGER_START) {}
    TDFTriggerStart* toTriggerStart() override { return this; }
    void write(TDFWriter& writer) override;
};

class STACKSIZEVIEW_EXPORT TDFTriggerStop : public TDFObject {
public:
    TDFInstance* instance = nullptr;

    TDFTriggerStop() : TDFObject(TDF_TRIGGER_STOP) {}
    TDFTriggerStop* toTriggerStop() override { return this; }
    void write(TDFWriter& writer) override;
};

// The reader's list of dynamic instances.
class STACKSIZEVIEW_EXPORT TDFInstanceList : public List<TDFInstance*> {
public:
    // The first instance, in insertion order, with this dynamic id; null if none.
    TDFInstance* search(unsigned long dynamicId);
};

// The reader's table of dynamic instances by dynamic id (613 buckets).
class STACKSIZEVIEW_EXPORT TDFInstanceHash : public Hash<TDFInstance*> {
public:
    TDFInstanceHash() : Hash<TDFInstance*>(613) {}
    unsigned code(TDFInstance* instance) override;
    // The instance entered last with this dynamic id; null if none.
    TDFInstance* search(unsigned long dynamicId);
};
