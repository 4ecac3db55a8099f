// Helpers shared by the trace reader and writer tests: a test configuration,
// a standard definition block, a reader that records its reports, and a
// readable description of the objects read.
#pragma once

#include "tdf/tdf.h"
#include "test_tcf_support.h"

#include <sstream>

// "T": ids of 2 numbers, nested control flow, styles 1 to 3, instance types
// task (nested, default naming), isr (flat, "ISR %1") and queue (nested, a
// style of its own), thread states 1 to 3, glyphs 1 and 2.  "U": another
// configuration with ids of 1 number and the world not drawn.
inline const char traceConfiguration[] = R"(
tcf {
    name = "T"
    id_length = 2
    control_flow = NESTED
    style { name = "plain" id = 1 }
    style { name = "bold" id = 2 }
    style { name = "queue" id = 3 }
    instance_type { id = task }
    instance_type { id = isr  control_flow = FLAT  naming = ("ISR %1", STATIC_NAME) }
    instance_type { id = queue  style = 3 }
    thread_state { id = 1 name = "running" }
    thread_state { id = 2 name = "ready" }
    thread_state { id = 3 name = "blocked" }
    glyph { id = 1 name = "call" }
    glyph { id = 2 name = "check" }
}
tcf {
    name = "U"
    id_length = 1
    display_world_actor = false
    style { name = "u" id = 1 }
    instance_type { id = task }
}
)";

// Block (1 2) of T: static instances 1 Sensor, 2 Pump (task), 3 Timer (isr),
// 4 Mailbox (queue); messages 10 start, 11 stop, 12 ping; texts 20 Reset,
// 21 Check; selected as SF 1.  Thirteen lines.
inline const char standardBlock[] = "DB \"T\"\n"
                                    "ID 1 2\n"
                                    "IN \"task\" 1 \"Sensor\"\n"
                                    "IN \"task\" 2 \"Pump\"\n"
                                    "IN \"isr\" 3 \"Timer\"\n"
                                    "IN \"queue\" 4 \"Mailbox\"\n"
                                    "MS 10 \"start\"\nMS 11 \"stop\"\nMS 12 \"ping\"\n"
                                    "TX 20 \"Reset\"\nTX 21 \"Check\"\n"
                                    "ED\n"
                                    "SF 1 1 2\n";

// The standard block and two live instances: 3 (Sensor) and 4 (Pump, the
// current instance).  Fifteen lines, two objects.
inline const std::string standardTrace = std::string(standardBlock) + "NI 1 3\nNI 2 4\n";

// Records the reports of Error while alive: "<line>: <message>", with
// "<file>:" in front for a file other than "<tdf>" (or none), "warning: " before the
// message of a warning, and a trailing line feed of the message dropped.
class TraceReports {
public:
    TraceReports()
    {
        reports_.clear();
        Error::setHandler(record);
    }
    ~TraceReports() { Error::setHandler(nullptr); }
    TraceReports(const TraceReports&) = delete;
    TraceReports& operator=(const TraceReports&) = delete;

    // The reports made since the last call.
    Texts take()
    {
        Texts taken;
        taken.swap(reports_);
        return taken;
    }

private:
    static inline Texts reports_;
    static void record(Error::Severity severity, const QString& message, const QString& fileName, int line, int)
    {
        std::string text = message.toStdString();
        if (!text.empty() && text.back() == '\n')
            text.pop_back();
        const bool unnamed = fileName.isNull() || fileName == QLatin1String("<tdf>");
        reports_.push_back((unnamed ? "" : fileName.toStdString() + ':') + std::to_string(line) + ": "
                           + (severity == Error::ErrorSeverity ? "" : "warning: ") + text);
    }
};

// A reader over the test configurations, fed line by line.
class Trace {
public:
    std::unique_ptr<TCFList> tcf = loadTCF(traceConfiguration);
    TraceReports reports;
    TDF reader{tcf.get()};

    // Reads each line of `text` with its line feed; returns the reports made.
    Texts read(const std::string& text)
    {
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);)
            reader.read((line + '\n').c_str());
        return reports.take();
    }

    // Reads `prelude`, which must report nothing, then restarts the line
    // count so that the reports of the lines read next count from 1.
    // Returns the number of objects the prelude made.
    int begin(const std::string& prelude)
    {
        EXPECT_EQ(read(prelude), Texts{}) << "prelude";
        reader.lineNumber = 0;
        return reader.objects.count;
    }

    // Reads one line (with a line feed added) and returns what read() returned.
    TDFObject* line(const std::string& text, bool* created = nullptr, TDF::ModelChangment* changment = nullptr)
    {
        return reader.read((text + '\n').c_str(), created, changment);
    }
};

inline std::string text(const QString& value)
{
    return value.isNull() ? "null" : value.toStdString();
}

inline std::string instanceRef(const TDFInstance* instance)
{
    return instance ? std::to_string(instance->dynamicId) : "world";
}

template <class T>
inline std::string instanceList(const List<T*>* instances)
{
    std::string out = "[";
    if (instances) {
        for (const TDFInstance* instance : *instances)
            out += (out.size() > 1 ? " " : "") + instanceRef(instance);
    }
    return out + "]";
}

// What a note or glyph belongs to: an instance id, an object kind or "-".
inline std::string ownerRef(TDFObject* owner)
{
    if (!owner)
        return "-";
    return owner->toInstance() ? instanceRef(owner->toInstance()) : strTDFObjectType(owner->type);
}

// One object in a few words: "<kind> <what identifies it>".
inline std::string describe(TDFObject* object)
{
    if (TDFInstance* instance = object->toInstance())
        return "instance " + text(instance->name()) + " #" + std::to_string(instance->dynamicId);
    if (TDFMessage* message = object->toMessage()) {
        return "message " + (message->model ? text(message->model->name) : std::string("-")) + ' '
            + instanceRef(message->sender) + "->" + instanceRef(message->receiver)
            + (message->name().isNull() ? "" : " \"" + text(message->name()) + '"');
    }
    if (TDFMessageCall* call = object->toMessageCall())
        return "call " + std::to_string(call->callId) + ' ' + text(call->message->model->name);
    if (TDFMessageReturn* messageReturn = object->toMessageReturn())
        return "return " + text(messageReturn->message->model->name);
    if (TDFNote* note = object->toNote())
        return "note " + text(note->name()) + " @" + ownerRef(note->attachedTo);
    if (TDFGlyph* glyph = object->toGlyph())
        return "glyph " + text(glyph->glyphModel->name) + ':' + text(glyph->name()) + " @"
            + ownerRef(glyph->attachedTo);
    if (TDFAction* action = object->toAction())
        return "action " + text(action->name()) + " @" + instanceRef(action->instance);
    if (TDFSynchronisation* synchronisation = object->toSynchronisation())
        return "sync " + text(synchronisation->name()) + ' ' + instanceList(synchronisation->instances);
    if (TDFInstanceDelete* deletion = object->toInstanceDelete())
        return "delete " + instanceRef(deletion->instance);
    if (TDFInstanceDeleteAll* deleteAll = object->toInstanceDeleteAll())
        return "deleteall " + instanceList(deleteAll->deletedInstances);
    if (TDFLoopStart* start = object->toLoopStart())
        return "loop " + text(start->name()) + ' ' + text(start->loopPath);
    if (TDFLoopEnd* end = object->toLoopEnd())
        return "end " + text(end->loopStart->name());
    if (TDFThreadInfo* info = object->toThreadInfo())
        return "thread " + text(info->name()) + ' ' + std::to_string(info->thread->num) + ':'
            + std::to_string(info->stateId);
    if (object->toTDFDefinitionBlock())
        return "block";
    switch (object->type) {
    case TDF_NEW_TRACE:
        return "newtrace";
    case TDF_EXTERNAL_TRIGGER:
        return "trigger";
    case TDF_TRIGGER_START:
        return "trigger_start";
    case TDF_TRIGGER_STOP:
        return "trigger_stop";
    default:
        return "?";
    }
}

// Every object the reader holds, in order, separated by "; ".
inline std::string census(const TDF& reader)
{
    std::string out;
    for (TDFObject* object : reader.objects)
        out += (out.empty() ? "" : "; ") + describe(object);
    return out;
}

// The time of every object, in order.
inline std::string times(const TDF& reader)
{
    std::string out;
    for (const TDFObject* object : reader.objects)
        out += (out.empty() ? "" : " ") + std::to_string(object->time);
    return out;
}

// The objects from index `from` on, as census() gives them, each followed by
// its own style as " [<name>]" and its own link text as " <<text>>" when set.
inline std::string decoratedCensus(const TDF& reader, int from = 0)
{
    std::string out;
    int index = 0;
    for (TDFObject* object : reader.objects) {
        if (index++ < from)
            continue;
        out += (out.empty() ? "" : "; ") + describe(object);
        if (object->style_)
            out += " [" + object->style_->name().toStdString() + ']';
        if (!object->linkText.isNull())
            out += " <" + object->linkText.toStdString() + '>';
    }
    return out;
}

// What waits for the next event: "style <name>", "link <text>", "note
// <name>", "glyph <glyph>:<name>" in that order, or "-" when nothing does.
inline std::string pending(const TDF& reader)
{
    std::string out;
    const auto add = [&out](const std::string& part) { out += (out.empty() ? "" : " ") + part; };
    if (reader.pendingStyle)
        add("style " + reader.pendingStyle->name().toStdString());
    if (!reader.pendingLinkText.isNull())
        add("link " + reader.pendingLinkText.toStdString());
    if (reader.pendingNote)
        add("note " + text(reader.pendingNote->name()));
    if (reader.pendingGlyph)
        add("glyph " + text(reader.pendingGlyph->glyphModel->name) + ':' + text(reader.pendingGlyph->name()));
    return out.empty() ? "-" : out;
}

// A bundled example trace read with the bundled example configuration.
class ExampleTrace {
public:
    std::unique_ptr<TCFList> tcf;
    TraceReports reports;
    std::unique_ptr<TDF> reader;

    // The reports, with file names relative to the examples folder.
    Texts take()
    {
        Texts taken = reports.take();
        const std::string folder = SSV_SOURCE_DIR "/examples/traces/";
        for (std::string& report : taken) {
            if (report.rfind(folder, 0) == 0)
                report.erase(0, folder.size());
        }
        return taken;
    }

    explicit ExampleTrace(const char* name)
    {
        std::unique_ptr<QARes> root(readResourceFile(SSV_SOURCE_DIR "/examples/config/sequence.qares"));
        tcf.reset(readTCFFromResources(root.get()));
        reader = std::make_unique<TDF>(tcf.get());
        const QString path = QStringLiteral(SSV_SOURCE_DIR "/examples/traces/") + QString::fromUtf8(name);
        EXPECT_TRUE(reader->readFile(path));
        reader->setTDFFileName(QStringLiteral("<tdf>"));
    }
};
