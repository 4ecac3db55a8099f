// A fake workbench for the plug-in tests: a studio that is its own output
// window and records the lines, a node interface with adjustable answers, and
// file helpers.
#pragma once

#include "host/qastnode.h"
#include "host/studio.h"

#include <QStringList>
#include <ostream>

// Lets GoogleTest print texts in its failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

class FakeNodeInterface : public QComponentObject<NodeInterface> {
public:
    QAStTarget* target() override { return target_; }
    QAStTarget* target_ = nullptr;
};

class FakeStudio : public QComponentObject<StudioInterface>, public OutputWindow {
public:
    void findInterface(const QString& key, const QUuid& id, QUnknownInterface** iface) override
    {
        *iface = nullptr;
        if (node && key == QLatin1String("node"))
            node->queryInterface(id, iface);
    }
    QStringList findKeys(const QUuid& id) override { return id == NodeInterface::IID ? keys : QStringList(); }
    OutputWindow* outputWindow() override { return this; }
    QString imagesDirectory() override { return images; }
    QString scriptsDirectory() override { return scripts; }
    QStringList scriptCommand() override { return command; }
    void appendOutput(const QString& line) override { output << line; }
    void appendError(const QString& line) override { errors << line; }

    QStringList keys;  // the studio holds `node` under the key "node"
    FakeNodeInterface* node = nullptr;
    QString images = QStringLiteral("/images"), scripts = QStringLiteral("/scripts");
    QStringList command, output, errors;
};

// Writes the executable file `path` holding `text`; returns `path`.
QString writeFile(const QString& path, const QByteArray& text);
// The lines of file `path`; none when it does not exist.
QStringList fileLines(const QString& path);
