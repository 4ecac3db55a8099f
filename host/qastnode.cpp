#include "host/qastnode.h"

QVariant QAStConfiguration::value(const QString& key) const
{
    return values_.value(key);
}

void QAStConfiguration::setValue(const QString& key, const QVariant& value)
{
    values_.insert(key, value);
}

QAStBaseNode::QAStBaseNode(const QString& name, QObject* parent) : QObject(parent), name_(name) {}
