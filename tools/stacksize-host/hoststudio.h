// The studio that stacksize-host offers the plug-in, made from its options.
#pragma once

#include "console.h"
#include "options.h"

#include "host/qastnode.h"

#include <memory>

class HostNode : public QComponentObject<NodeInterface> {
public:
    HostNode(const QString& name, const QList<QPair<QString, QString>>& configuration);
    QAStTarget* target() override { return &target_; }

private:
    QAStConfiguration configuration_;
    QAStNode node_;
    QAStTarget target_;
};

class HostStudio : public QComponentObject<StudioInterface> {
public:
    explicit HostStudio(const HostOptions& options);

    void findInterface(const QString& key, const QUuid& id, QUnknownInterface** iface) override;
    QStringList findKeys(const QUuid& id) override;
    ConsoleOutput* outputWindow() override { return &output_; }
    QString imagesDirectory() override { return imagesDirectory_; }
    QString scriptsDirectory() override { return scriptsDirectory_; }
    QStringList scriptCommand() override { return interpreter_; }

private:
    ConsoleOutput output_;
    QString imagesDirectory_;
    QString scriptsDirectory_;
    QStringList interpreter_;
    std::unique_ptr<HostNode> node_;  // null without --node
};
