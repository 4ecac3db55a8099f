// A fake workbench for the plug-in tests: a studio whose output window
// records lines, a node interface with adjustable answers, and helpers for
// the small scripts the tests run as child processes.
#pragma once

#include "host/qastnode.h"
#include "host/studio.h"

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <ostream>

// Lets GoogleTest print texts in its failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

class RecordingOutput : public OutputWindow {
public:
    void appendOutput(const QString& line) override { output << line; }
    void appendError(const QString& line) override { errors << line; }

    QStringList output;
    QStringList errors;
};

class FakeNodeInterface : public QComponentObject<NodeInterface> {
public:
    QAStTarget* target() override { return target_; }

    QAStTarget* target_ = nullptr;
};

class FakeStudio : public QComponentObject<StudioInterface> {
public:
    void findInterface(const QString& key, const QUuid& id, QUnknownInterface** iface) override
    {
        *iface = nullptr;
        if (node && key == QLatin1String("node"))
            node->queryInterface(id, iface);
    }
    QStringList findKeys(const QUuid& id) override { return id == NodeInterface::IID ? keys : QStringList(); }
    OutputWindow* outputWindow() override { return &output; }
    QString imagesDirectory() override { return images; }
    QString scriptsDirectory() override { return scripts; }
    QStringList scriptCommand() override { return command; }

    QStringList keys; // the studio holds `node` under the key "node"
    FakeNodeInterface* node = nullptr;
    RecordingOutput output;
    QString images = QStringLiteral("/images");
    QString scripts = QStringLiteral("/scripts");
    QStringList command;
};

// A temporary directory for scripts and the files they write.
class ScriptDirectory {
public:
    QString root() const { return dir_.path(); }
    QString path(const QString& name) const { return dir_.filePath(name); }
    // Writes an executable file `name` with `text`; returns its path.
    QString writeScript(const QString& name, const QByteArray& text) const;
    // The lines of file `name`; empty when it does not exist.
    QStringList lines(const QString& name) const;

private:
    QTemporaryDir dir_;
};

// An interpreter stand-in: records its arguments, one per line, in "args"
// beside itself and writes the report it is told to write (-report="NAME")
// in the current directory.
extern const QByteArray recordingInterpreter;
// An opener stand-in: records its arguments in "opened" beside itself.
extern const QByteArray recordingOpener;

// Processes events until `done` holds or `milliseconds` have passed.
bool waitUntil(const std::function<bool()>& done, int milliseconds = 20000);
