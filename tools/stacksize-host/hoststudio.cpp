#include "hoststudio.h"

// The key under which the studio holds its one node.
static const QString nodeKey = QStringLiteral("current");

HostNode::HostNode(const QString& name, const QList<QPair<QString, QString>>& configuration)
    : node_(name), target_(&node_)
{
    for (const auto& [key, value] : configuration)
        configuration_.setValue(key, value);
    node_.setCurrentConfiguration(&configuration_);
}

HostStudio::HostStudio(const HostOptions& options)
    : imagesDirectory_(options.imagesDirectory), scriptsDirectory_(options.scriptsDirectory),
      interpreter_(options.interpreter)
{
    if (!options.nodeName.isNull())
        node_ = std::make_unique<HostNode>(options.nodeName, options.configuration);
}

void HostStudio::findInterface(const QString& key, const QUuid& id, QUnknownInterface** iface)
{
    *iface = nullptr;
    if (node_ && key == nodeKey)
        node_->queryInterface(id, iface);
}

QStringList HostStudio::findKeys(const QUuid& id)
{
    if (node_ && id == NodeInterface::IID)
        return {nodeKey};
    return {};
}
