// Trace configurations: how one family of traces is read and drawn.
//
// A TCF holds display styles and the default style of each kind of drawn
// object, the number of id words of a definition block, the control-flow
// mode, instance types, thread states, glyphs and the loop naming.  The
// loader readTCFFromResources() builds a TCFList of them from the host's
// resource trees; the trace reader and writer then only borrow them.
//
// Ownership: a TCFList owns its configurations; a TCF owns its styles,
// instance types, thread states, glyphs and loop naming; an instance type
// owns its naming; a naming owns its operands.
#pragma once

#include "stacksizeview_export.h"

#include "foundation/containers.h"
#include "foundation/style.h"
#include "host/qares.h"

#include <QString>
#include <memory>

class TCF;
struct TCFIndexes;

// One operand of a naming: a literal text, or a value known when a name is
// produced.
class STACKSIZEVIEW_EXPORT NamingOp {
public:
    enum NamingType { LITERAL = 0, D_OCCURENCE, STATIC_NAME, LOOP_ID, LOOP_REPEAT, LOOP_NUMBER };

    NamingType type;
    QString text;

    explicit NamingOp(const QString& text);
    explicit NamingOp(NamingType type);

    // The resource identifier of a value operand ("D_OCCURENCE" ... "LOOP_NUMBER");
    // null for LITERAL and values outside the table.
    static const char* strType(NamingType type);
    // The operand kind named by `text`; LITERAL and *ok false when none.
    static NamingType toType(const char* text, bool* ok = nullptr);
};

// A format with %1, %2 ... placeholders and its operands.  A naming read from
// resources holds the format again as its first operand, which is never
// substituted.
class STACKSIZEVIEW_EXPORT Naming {
public:
    List<NamingOp*> ops;
    QString format;

    Naming() = default;
    Naming(const Naming&) = delete;
    Naming& operator=(const Naming&) = delete;
    ~Naming();

    void setFormat(const QString& format) { this->format = format; }

    // The name of an instance; a null naming gives "obj<occurrence>:<staticName>".
    static QString processInstance(Naming* naming, int occurrence, const QString& staticName);
    // The name of a loop; a null naming gives "Loop<loopId>:<repeat>".
    static QString processLoop(Naming* naming, int loopNumber, const QString& loopId, int repeat);
};

// A class of trace instances, with its own style, naming and, optionally,
// control-flow mode.
class STACKSIZEVIEW_EXPORT InstanceType {
public:
    TCF* tcf;
    QString name;
    QString iconTag;
    Style* style;
    Naming* naming = nullptr;
    bool nestedControlFlow_ = false;
    bool hasControlFlow = false;

    InstanceType(TCF* tcf, const QString& name, const QString& iconTag, Style* style);
    InstanceType(const InstanceType&) = delete;
    InstanceType& operator=(const InstanceType&) = delete;
    ~InstanceType();

    void setStyle(Style* style) { this->style = style; }
    void setIconTag(const QString& iconTag) { this->iconTag = iconTag; }
    // The type's own mode when it has one, else its configuration's.
    bool nestedControlFlow() const;
};

class STACKSIZEVIEW_EXPORT ThreadState {
public:
    TCF* tcf;
    QString name;
    int id;
    bool isActiveState = false;

    ThreadState(TCF* tcf, int id) : tcf(tcf), id(id) {}
    void setName(const QString& name) { this->name = name; }
};

class STACKSIZEVIEW_EXPORT Glyph {
public:
    enum GlyphType { NO_GLYPH_TYPE = 0, UNEXPECTED_CALL = 1, VERIFICATION_POINT_FAILED = 2, UNEXPECTED_DATA = 3 };

    TCF* tcf;
    QString name;
    int id;
    QString iconTag;
    int type = NO_GLYPH_TYPE;

    Glyph(TCF* tcf, int id) : tcf(tcf), id(id) {}
    void setName(const QString& name) { this->name = name; }
    void setIconTag(const QString& iconTag) { this->iconTag = iconTag; }

    // The identifier of a glyph type; null outside the table.
    static const char* strType(int type);
    // The glyph type named by `text`; NO_GLYPH_TYPE and *ok false when none.
    static GlyphType toType(const char* text, bool* ok = nullptr);
};

class STACKSIZEVIEW_EXPORT TCF {
public:
    // The default-style slots, one per kind of drawn object.  Every int
    // converts to it, so that a value outside the slots can be checked.
    enum Object : int {
        WORLD = 0,
        INSTANCE_TITLE,
        INSTANCE_ACTIVATED,
        INSTANCE_DESACTIVATED,
        INSTANCE_DELETE,
        INSTANCE_NOTE,
        MESSAGE_BODY,
        MESSAGE_RETURN,
        MESSAGE_NOTE,
        SYNCHRONISATION,
        ACTION,
        LOOP_START,
        LOOP_END,
        TIME
    };
    static const int objectCount = TIME + 1;

    QString name_;
    QString publicName_;
    QString comment_;
    int idLength_;
    bool nestedControlFlow_ = false;
    Style* defaultStyles[objectCount] = {};
    List<Style*> styles;
    List<InstanceType*> instanceTypes;
    List<ThreadState*> threadStates;
    List<Glyph*> glyphs;
    bool displayWorldActor = true;
    Naming* loopNaming = nullptr;

    TCF(const QString& name, int idLength);
    TCF(const TCF&) = delete;
    TCF& operator=(const TCF&) = delete;
    ~TCF();

    QString name() const { return name_; }
    // The public name when one was set (even empty), else the name.
    QString publicName() const { return publicName_.isNull() ? name_ : publicName_; }
    QString comment() const { return comment_; }
    void setPublicName(const QString& publicName) { publicName_ = publicName; }
    void setComment(const QString& comment) { comment_ = comment; }
    int idLength() const { return idLength_; }
    void setIdLength(int idLength) { idLength_ = idLength; }
    bool nestedControlFlow() const { return nestedControlFlow_; }
    void setNestedControlFlow(bool nested) { nestedControlFlow_ = nested; }

    // The first style added, or null.
    Style* defaultStyle() const;
    // The style of a slot; null outside the slots.
    Style* defaultStyle(Object object) const;
    // A null style stores defaultStyle(); objects outside the slots are ignored.
    void setDefaultStyle(Object object, Style* style);
    // The enumerator text of a slot ("WORLD" ... "TIME"); null outside the slots.
    static const char* strObject(Object object);

    Style* style(int id) const;
    // Appends a style with an id not used yet; the first one added becomes
    // the default of every slot.  False, and nothing changes, otherwise.
    bool addStyle(Style* style);

    ThreadState* threadState(int id) const;
    bool addThreadState(ThreadState* state);
    Glyph* glyph(int id) const;
    bool addGlyph(Glyph* glyph);
    InstanceType* instanceType(const QString& name) const;
    bool addInstanceType(InstanceType* type);

private:
    std::unique_ptr<TCFIndexes> indexes_;  // lookups by id and name
};

// The configurations loaded together; owns them.
class STACKSIZEVIEW_EXPORT TCFList : public List<TCF*> {
public:
    TCFList() = default;
    ~TCFList();

    // The first configuration named `name`, or null.
    TCF* search(const QString& name);
};

// Makes the style objects of a configuration: a new style with that name and
// id, possibly of a class derived from Style.
typedef Style* (*StyleFactory)(const QString& name, int id);

// The configurations of every "tcf" resource among `root` and its following
// siblings, in order; null for a null root.  Problems are reported through
// Error and discard the item concerned.  The caller owns the list.
STACKSIZEVIEW_EXPORT TCFList* readTCFFromResources(QARes* root, StyleFactory factory = nullptr);

// Reads a naming list: a format string followed by operands.  Null, after a
// report naming `listName`, when an element is neither a string nor a known
// operand identifier.
STACKSIZEVIEW_EXPORT Naming* _TCFFromResources_Naming(QAResList* list, const char* listName);
