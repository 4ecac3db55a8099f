// Host resource trees: the workbench's parsed configuration files.
//
// A resource has a tag (null for list elements), a kind, a next sibling and a
// source position.  Groups have children, lists have elements; both chain
// through the next-sibling links.  Every node owns its next sibling and, for
// groups and lists, its children: deleting the root frees the whole tree.
//
// Resource text format (readResourceFile / readResourceText)
// ----------------------------------------------------------
//   # a comment runs to the end of the line
//   tcf {                                 # a group: tag { resources }
//       name = "Default"                  # string; escapes \" \\ \n \t
//       id_length = 2                     # integer (decimal, -12, 0x1F)
//       control_flow = NESTED             # identifier
//       display_world_actor = false       # boolean: true or false
//       color = rgb(0, 0, 255)            # colour: red, green, blue
//       loop_naming = ("L%1", LOOP_ID)    # list: untagged values, comma separated
//   }
// A file holds any number of top-level resources; they are chained as
// siblings, first to last.  Tags and identifiers are letters, digits and
// underscores, not starting with a digit.  A list element may itself be a
// list "( ... )" or a group "{ ... }".  Nesting is limited to 256 levels.
// A line ends with LF, CR LF or a lone CR; a string cannot span lines.  A
// UTF-8 byte-order mark at the start is skipped.  Syntax errors are reported
// as "file:line:column: message" and the whole text is rejected; so is a
// text larger than QAResMaxTextSize.
#pragma once

#include "hostsdk_export.h"

#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <ostream>

class HOSTSDK_EXPORT RGBValue {
public:
    RGBValue(int red = 0, int green = 0, int blue = 0);
    int red() const { return red_; }
    int green() const { return green_; }
    int blue() const { return blue_; }
    bool operator==(const RGBValue& other) const;
    bool operator!=(const RGBValue& other) const { return !(*this == other); }

private:
    int red_, green_, blue_;
};

// Prints "rgb(red, green, blue)", the notation of the resource text format.
HOSTSDK_EXPORT std::ostream& operator<<(std::ostream& stream, const RGBValue& value);

class QAResGroup;
class QAResList;
class QAResString;
class QAResInt;
class QAResBoolean;
class QAResIdentifier;
class QAResRGB;

class HOSTSDK_EXPORT QARes {
public:
    enum Type { Group = 1, List = 2, Integer = 3, Boolean = 4, RGB = 5, String = 6, Identifier = 8 };

    QARes(const QARes&) = delete;
    QARes& operator=(const QARes&) = delete;
    virtual ~QARes();

    const char* tag() const { return tag_.isNull() ? nullptr : tag_.constData(); }
    Type type() const { return type_; }

    QARes* next() const { return next_; }
    // Links `sibling` after this node, which then owns it.  A chain linked
    // before is released to the caller, not freed.
    void setNext(QARes* sibling);

    // The first resource, from this one on through its following siblings,
    // whose tag equals `tag`.  A tag holding `separator` is a path: "a.b"
    // finds "a" and then "b" among the children of "a".
    QARes* search(const char* tag, char separator = '.');
    bool isTag(const char* tag) const;

    virtual QAResGroup* toResGroup() { return nullptr; }
    virtual QAResList* toResList() { return nullptr; }
    virtual QAResString* toResString() { return nullptr; }
    virtual QAResInt* toResInt() { return nullptr; }
    virtual QAResBoolean* toResBoolean() { return nullptr; }
    virtual QAResIdentifier* toResIdentifier() { return nullptr; }
    virtual QAResRGB* toResRGB() { return nullptr; }

    const QString& srcFileName() const { return srcFileName_; }
    int srcLine() const { return srcLine_; }
    int srcColumn() const { return srcColumn_; }
    void setSource(const QString& fileName, int line, int column);

protected:
    QARes(const char* tag, Type type);

private:
    QByteArray tag_;
    Type type_;
    QARes* next_ = nullptr;
    QString srcFileName_;
    int srcLine_ = 0;
    int srcColumn_ = 0;
};

class HOSTSDK_EXPORT QAResGroup : public QARes {
public:
    QAResGroup(const char* tag, QARes* firstChild);
    ~QAResGroup() override;
    QAResGroup* toResGroup() override { return this; }
    QARes* firstChild() const { return firstChild_; }

private:
    QARes* firstChild_;
};

class HOSTSDK_EXPORT QAResList : public QARes {
public:
    QAResList(const char* tag, QARes* firstElement);
    ~QAResList() override;
    QAResList* toResList() override { return this; }
    QARes* firstElement() const { return firstElement_; }
    // Adds `element` (and the siblings chained after it) at the end.
    void append(QARes* element);
    // True when every element has kind `type` (so also for an empty list).
    bool isListOf(QARes::Type type) const;

private:
    QARes* firstElement_;
    QARes* lastElement_;
};

class HOSTSDK_EXPORT QAResString : public QARes {
public:
    QAResString(const char* tag, const QString& value) : QARes(tag, String), value_(value) {}
    QAResString* toResString() override { return this; }
    const QString& value() const { return value_; }

private:
    QString value_;
};

class HOSTSDK_EXPORT QAResInt : public QARes {
public:
    QAResInt(const char* tag, int value) : QARes(tag, Integer), value_(value) {}
    QAResInt* toResInt() override { return this; }
    int value() const { return value_; }

private:
    int value_;
};

class HOSTSDK_EXPORT QAResBoolean : public QARes {
public:
    QAResBoolean(const char* tag, bool value) : QARes(tag, Boolean), value_(value) {}
    QAResBoolean* toResBoolean() override { return this; }
    bool value() const { return value_; }

private:
    bool value_;
};

// A null text is kept as the empty text, so value() is never null.
class HOSTSDK_EXPORT QAResIdentifier : public QARes {
public:
    QAResIdentifier(const char* tag, const char* text) : QARes(tag, Identifier), value_(text ? text : "") {}
    QAResIdentifier* toResIdentifier() override { return this; }
    const char* value() const { return value_.constData(); }

private:
    QByteArray value_;
};

class HOSTSDK_EXPORT QAResRGB : public QARes {
public:
    QAResRGB(const char* tag, const RGBValue& value) : QARes(tag, RGB), value_(value) {}
    QAResRGB* toResRGB() override { return this; }
    const RGBValue& value() const { return value_; }

private:
    RGBValue value_;
};

// Links `nodes` as siblings in the given order; returns the first.
HOSTSDK_EXPORT QARes* chainSiblings(std::initializer_list<QARes*> nodes);

// The largest resource text read, in bytes: every line and column number
// of a text fits an int.
inline constexpr qsizetype QAResMaxTextSize = qsizetype(1) << 30;

// Parse the resource text format.  On success the first top-level resource
// is returned (the others are its siblings) and the caller owns the chain.
// Text without any resource gives null and leaves `error` empty; a syntax
// error gives null and "file:line:column: message" in `error`, a file that
// cannot be read or is too large gives null and "file: message".  File names
// are taken as QAFileUtil::decodeName gives them.
HOSTSDK_EXPORT QARes* readResourceFile(const QString& fileName, QString* error = nullptr);
HOSTSDK_EXPORT QARes* readResourceText(const QByteArray& text, const QString& fileName, QString* error = nullptr);
