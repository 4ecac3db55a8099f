// Nodes of the workbench's project tree.  The studio holds the current node
// behind a NodeInterface: target() gives the node's target, whose node() is
// the node itself.  Configuration nodes (QAStNode) carry a current
// configuration of named values.
#pragma once

#include "hostsdk_export.h"

#include "host/qucom.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QVariant>

class QAStBaseNode;

class HOSTSDK_EXPORT QAStConfiguration {
public:
    // The value stored under `key`; an invalid QVariant when none is.
    QVariant value(const QString& key) const;
    void setValue(const QString& key, const QVariant& value);

private:
    QHash<QString, QVariant> values_;
};

class HOSTSDK_EXPORT QAStTarget {
public:
    explicit QAStTarget(QAStBaseNode* node = nullptr) : node_(node) {}
    QAStBaseNode* node() const { return node_; }

private:
    QAStBaseNode* node_;
};

class HOSTSDK_EXPORT NodeInterface : public QUnknownInterface {
public:
    // {40b3f9a8-a24e-47fc-9aae-6ba680932e38}
    static constexpr QUuid IID{0x40b3f9a8, 0xa24e, 0x47fc, 0x9a, 0xae, 0x6b, 0xa6, 0x80, 0x93, 0x2e, 0x38};

    virtual QAStTarget* target() = 0;
};

class HOSTSDK_EXPORT QAStBaseNode : public QObject {
    Q_OBJECT

public:
    explicit QAStBaseNode(const QString& name, QObject* parent = nullptr);
    QString nodeName() const { return name_; }

private:
    QString name_;
};

class HOSTSDK_EXPORT QAStNode : public QAStBaseNode {
    Q_OBJECT

public:
    using QAStBaseNode::QAStBaseNode;
    // Null when the node has no configuration selected; not owned.
    QAStConfiguration* currentConfiguration() const { return configuration_; }
    void setCurrentConfiguration(QAStConfiguration* configuration) { configuration_ = configuration; }

private:
    QAStConfiguration* configuration_ = nullptr;
};
