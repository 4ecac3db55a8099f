// Naming formats: reading them from resource lists and producing instance
// and loop names from them.
#include "foundation/enum_text_p.h"
#include "foundation/numbered_text_p.h"
#include "tcf/load_messages_p.h"
#include "tcf/tcf.h"

#include <QCoreApplication>

#include <memory>

namespace {

// Limits that keep producing a name cheap: the operands that %1 ... %99 can
// take, strings of a naming list, and the names produced, in characters.
const int maxOperands = 99;
const int maxNamingString = 4096;
const int maxNameLength = 4096;

const EnumText namingTypes[] = {
    {"D_OCCURENCE", NamingOp::D_OCCURENCE}, {"STATIC_NAME", NamingOp::STATIC_NAME}, {"LOOP_ID", NamingOp::LOOP_ID},
    {"LOOP_REPEAT", NamingOp::LOOP_REPEAT}, {"LOOP_NUMBER", NamingOp::LOOP_NUMBER},
};

// Whether QString::arg would find a placeholder in `text`: a '%', an
// optional 'L', then a digit.  Calling arg without one only makes Qt warn
// and returns the text unchanged.
bool hasPlaceholder(const QString& text)
{
    const int length = text.size();
    for (int i = text.indexOf(u'%'); i >= 0; i = text.indexOf(u'%', i + 1)) {
        int digit = i + 1;
        if (digit < length && text[digit] == u'L')
            ++digit;
        if (digit < length && text[digit].digitValue() >= 0)
            return true;
    }
    return false;
}

// Fills the lowest placeholder of `result` with `value`, if one is left.
template <class Value>
void fill(QString& result, const Value& value)
{
    if (hasPlaceholder(result))
        result = result.arg(value);
}

// The format of `naming` filled with its operands from the second on;
// `substitute` fills one operand, or leaves the result alone for an operand
// that does not apply.
template <class Substitute>
QString fillFormat(const Naming* naming, Substitute substitute)
{
    QString result = naming->format;
    const List<NamingOp*>::Node* first = naming->ops.head;
    if (!first)
        return result;
    // Operands may bring placeholders of their own: a name that grows past
    // the limit is cut there, and no operand is filled in any more.
    for (const List<NamingOp*>::Node* node = first->next; node != first && result.size() <= maxNameLength;
         node = node->next) {
        if (node->item)
            substitute(result, *node->item);
    }
    result.truncate(maxNameLength);
    return result;
}

// Reports a naming list beyond one of its limits: `text` has the limit as
// %1 and the list's name as %2.
void limitError(const QString& text, int limit, const char* listName, QARes* element)
{
    TCFLoad::error(text.arg(limit).arg(QString::fromUtf8(listName)), element);
}

// The operand an element of a naming list stands for; null, after a report,
// for an element that stands for none.
NamingOp* readOperand(QARes* element, const char* listName)
{
    if (QAResString* text = element->toResString()) {
        if (text->value().size() <= maxNamingString)
            return new NamingOp(text->value());
        limitError(QCoreApplication::translate("Load TCF", "string longer than %1 characters into %2 list",
                                               "%1 is a number, %2 a list name"),
                   maxNamingString, listName, element);
        return nullptr;
    }
    QAResIdentifier* identifier = element->toResIdentifier();
    if (!identifier) {
        TCFLoad::error(QCoreApplication::translate("Load TCF", "unhandled resource type (%1) into %2 list",
                                                   "%1 is a number, %2 a string")
                           .arg(QString::number(element->type()), QString::fromUtf8(listName)),
                       element);
        return nullptr;
    }
    bool known = false;
    NamingOp::NamingType type = NamingOp::toType(identifier->value(), &known);
    if (!known) {
        TCFLoad::error(QCoreApplication::translate("Load TCF", "unknown identifier into %1 list", "%1 is a list name")
                           .arg(QString::fromUtf8(listName)),
                       element);
        return nullptr;
    }
    return new NamingOp(type);
}

}  // namespace

NamingOp::NamingOp(const QString& text) : type(LITERAL), text(text) {}

NamingOp::NamingOp(NamingType type) : type(type) {}

const char* NamingOp::strType(NamingType type)
{
    return enumToText(namingTypes, type);
}

NamingOp::NamingType NamingOp::toType(const char* text, bool* ok)
{
    return NamingType(enumFromText(namingTypes, text, ok));
}

Naming::~Naming()
{
    ops.deleteAll();
}

QString Naming::processInstance(Naming* naming, int occurrence, const QString& staticName)
{
    if (!naming) {
        const QString format = QCoreApplication::translate("Naming", "obj%1:%2",
                                                           "%1 is an occurence number, %2 a class name; "
                                                           "result is displayed in trace viewer");
        if (format == QLatin1StringView("obj%1:%2"))
            return numberedText(QLatin1StringView("obj"), occurrence, QLatin1StringView(":"), staticName);
        return format.arg(occurrence).arg(staticName);
    }
    return fillFormat(naming, [&](QString& result, const NamingOp& op) {
        if (op.type == NamingOp::LITERAL)
            fill(result, op.text);
        else if (op.type == NamingOp::D_OCCURENCE)
            fill(result, occurrence);
        else if (op.type == NamingOp::STATIC_NAME)
            fill(result, staticName);
    });
}

QString Naming::processLoop(Naming* naming, int loopNumber, const QString& loopId, int repeat)
{
    if (!naming) {
        return QCoreApplication::translate("Naming", "Loop%1:%2",
                                           "%1 is a loop id (ie 3.2.8), %2 the number of iteration; "
                                           "this string is displayed a the loop name")
            .arg(loopId)
            .arg(repeat);
    }
    return fillFormat(naming, [&](QString& result, const NamingOp& op) {
        if (op.type == NamingOp::LITERAL)
            fill(result, op.text);
        else if (op.type == NamingOp::LOOP_ID)
            fill(result, loopId);
        else if (op.type == NamingOp::LOOP_REPEAT)
            fill(result, repeat);
        else if (op.type == NamingOp::LOOP_NUMBER)
            fill(result, loopNumber);
    });
}

Naming* _TCFFromResources_Naming(QAResList* list, const char* listName)
{
    std::unique_ptr<Naming> naming(new Naming);
    QARes* first = list ? list->firstElement() : nullptr;
    if (!first || !first->toResString())
        return naming.release();
    naming->setFormat(first->toResString()->value());
    for (QARes* element = first; element; element = element->next()) {
        if (naming->ops.count > maxOperands) {
            limitError(QCoreApplication::translate("Load TCF", "more than %1 operands into %2 list",
                                                   "%1 is a number, %2 a list name"),
                       maxOperands, listName, element);
            return nullptr;
        }
        NamingOp* op = readOperand(element, listName);
        if (!op)
            return nullptr;
        naming->ops.append(op);
    }
    return naming.release();
}
