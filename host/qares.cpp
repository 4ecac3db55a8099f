#include "host/qares.h"

#include <cstring>

RGBValue::RGBValue(int red, int green, int blue) : red_(red), green_(green), blue_(blue) {}

bool RGBValue::operator==(const RGBValue& other) const
{
    return red_ == other.red_ && green_ == other.green_ && blue_ == other.blue_;
}

std::ostream& operator<<(std::ostream& stream, const RGBValue& value)
{
    return stream << "rgb(" << value.red() << ", " << value.green() << ", " << value.blue() << ")";
}

// Frees a sibling chain one node at a time, so that a long chain never
// recurses through the destructors.
static void deleteChain(QARes* first)
{
    while (first) {
        QARes* following = first->next();
        first->setNext(nullptr);
        delete first;
        first = following;
    }
}

QARes::QARes(const char* tag, Type type) : tag_(tag), type_(type) {}

QARes::~QARes()
{
    deleteChain(next_);
}

void QARes::setNext(QARes* sibling)
{
    next_ = sibling;
}

bool QARes::isTag(const char* tag) const
{
    return tag && !tag_.isNull() && std::strcmp(tag_.constData(), tag) == 0;
}

QARes* QARes::search(const char* tag, char separator)
{
    if (!tag)
        return nullptr;
    const char* end = std::strchr(tag, separator);
    if (!end) {
        for (QARes* res = this; res; res = res->next_)
            if (res->isTag(tag))
                return res;
        return nullptr;
    }
    const QByteArray head(tag, int(end - tag));
    for (QARes* res = this; res; res = res->next_) {
        QAResGroup* group = res->isTag(head.constData()) ? res->toResGroup() : nullptr;
        QARes* found = group && group->firstChild() ? group->firstChild()->search(end + 1, separator) : nullptr;
        if (found)
            return found;
    }
    return nullptr;
}

void QARes::setSource(const QString& fileName, int line, int column)
{
    srcFileName_ = fileName;
    srcLine_ = line;
    srcColumn_ = column;
}

QAResGroup::QAResGroup(const char* tag, QARes* firstChild) : QARes(tag, Group), firstChild_(firstChild) {}

QAResGroup::~QAResGroup()
{
    deleteChain(firstChild_);
}

QAResList::QAResList(const char* tag, QARes* firstElement)
    : QARes(tag, List), firstElement_(nullptr), lastElement_(nullptr)
{
    append(firstElement);
}

QAResList::~QAResList()
{
    deleteChain(firstElement_);
}

void QAResList::append(QARes* element)
{
    if (!element)
        return;
    if (lastElement_)
        lastElement_->setNext(element);
    else
        firstElement_ = element;
    lastElement_ = element;
    while (lastElement_->next())
        lastElement_ = lastElement_->next();
}

bool QAResList::isListOf(QARes::Type type) const
{
    for (QARes* element = firstElement_; element; element = element->next())
        if (element->type() != type)
            return false;
    return true;
}

QARes* chainSiblings(std::initializer_list<QARes*> nodes)
{
    QARes* previous = nullptr;
    for (QARes* node : nodes) {
        if (previous)
            previous->setNext(node);
        previous = node;
    }
    return nodes.size() ? *nodes.begin() : nullptr;
}
