// The writer's round trip: a generated trace is read, written, and read
// again with the same definition blocks; the second reading reports nothing
// and holds the same objects as the first.  A failure prints its seed and
// the smallest trace found that still fails.
#include "support/trace_generator.h"
#include "tdf/tdfwrt.h"
#include "test_tdf_support.h"

#include <sstream>

namespace {

std::string styleRef(Style* style)
{
    return style ? std::to_string(style->id()) : "-";
}

std::string modelRef(const TDFDBObject* model)
{
    return model ? std::to_string(model->id) : "-";
}

// What must survive a round trip of one object.
std::string fingerprint(TDFObject* object)
{
    std::string out = describe(object) + " link=" + text(object->link()) + " style=" + styleRef(object->style())
        + " time=" + std::to_string(object->time) + " heap=" + std::to_string(object->heapSize);
    if (object->note)
        out += " note=" + text(object->note->name());
    if (object->glyph)
        out += " glyph=" + text(object->glyph->name());
    if (TDFInstance* instance = object->toInstance())
        out += " model=" + modelRef(instance->model) + " previous=" + (instance->previous ? "yes" : "no");
    if (TDFMessage* message = object->toMessage())
        out += " model=" + modelRef(message->model) + " call=" + (message->call ? "yes" : "no")
            + " index=" + std::to_string(message->modelIndex);
    if (TDFTextObject* textObject = object->toTextObject())
        out += " text=" + modelRef(textObject->model);
    if (TDFThreadInfo* info = object->toThreadInfo())
        out += " priority=" + std::to_string(info->priority) + " color=" + std::to_string(info->thread->colorIndex);
    return out;
}

std::vector<std::string> fingerprints(const TDF& reader)
{
    std::vector<std::string> out;
    for (TDFObject* object : reader.objects)
        out.push_back(fingerprint(object));
    return out;
}

class RoundTrip {
public:
    std::unique_ptr<TCFList> tcf = loadTCF(TraceGenerator::configuration());
    TraceReports reports;

    // Why the round trip of `lines` fails; empty when it holds.
    std::string failure(const std::vector<std::string>& lines)
    {
        TDF original(tcf.get());
        for (const std::string& line : lines)
            original.read((line + '\n').c_str());
        std::ostringstream written;
        TDFWriter writer(written);
        writer.writeTimes = true;
        writeTrace(writer, original, false);
        reports.take();

        // The same definitions, read again: static instances count their
        // bindings, so the copy needs blocks of its own.
        TDF copy(tcf.get());
        for (const std::string& line : lines) {
            copy.read((line + '\n').c_str());
            if (line == "ED" && copy.blocks.count == original.blocks.count)
                break;
        }
        std::istringstream input(written.str());
        for (std::string line; std::getline(input, line);)
            copy.read((line + '\n').c_str());
        const Texts copyReports = reports.take();
        if (!copyReports.empty())
            return "the written trace reads with reports: " + copyReports.front() + "\n" + written.str();
        const std::vector<std::string> before = fingerprints(original);
        const std::vector<std::string> after = fingerprints(copy);
        for (size_t i = 0; i < std::max(before.size(), after.size()); ++i) {
            const std::string was = i < before.size() ? before[i] : "(nothing)";
            const std::string is = i < after.size() ? after[i] : "(nothing)";
            if (was != is)
                return "object " + std::to_string(i) + " was\n  " + was + "\nand is\n  " + is + "\n" + written.str();
        }
        return std::string();
    }

    // The kind of a failure: the report, or the kinds of the objects that differ.
    static std::string category(const std::string& failure)
    {
        const std::string firstLine = failure.substr(0, failure.find('\n'));
        if (firstLine.rfind("object ", 0) != 0)
            return firstLine.substr(firstLine.find(": ") + 1);
        const size_t was = failure.find("\n  ") + 3;
        const size_t is = failure.find("\n  ", was) + 3;
        return failure.substr(was, failure.find(' ', was) - was) + '/' + failure.substr(is, failure.find(' ', is) - is);
    }

    // The shortest trace found, by dropping runs of event lines, that still
    // fails in the same way.
    std::vector<std::string> shrink(std::vector<std::string> lines, size_t definitionLines)
    {
        const std::string kind = category(failure(lines));
        for (size_t run = (lines.size() - definitionLines) / 2; run >= 1; run /= 2) {
            for (size_t start = definitionLines; start + run <= lines.size();) {
                std::vector<std::string> shorter(lines);
                shorter.erase(shorter.begin() + long(start), shorter.begin() + long(start + run));
                const std::string shorterFailure = failure(shorter);
                if (!shorterFailure.empty() && category(shorterFailure) == kind)
                    lines.swap(shorter);
                else
                    start += run;
            }
        }
        return lines;
    }

    void check(unsigned seed, const TraceShape& shape)
    {
        const std::vector<std::string> lines = TraceGenerator(seed, shape).lines();
        if (failure(lines).empty())
            return;
        const size_t definitionLines = size_t(std::find(lines.begin(), lines.end(), "ED") - lines.begin()) + 1;
        const std::vector<std::string> smallest = shrink(lines, size_t(shape.blocks) * definitionLines);
        std::string trace;
        for (const std::string& line : smallest)
            trace += line + '\n';
        ADD_FAILURE() << "seed " << seed << ": " << failure(smallest) << "smallest trace:\n" << trace;
    }
};

TEST(TDFRoundTrip, GeneratedTracesReadBackIntoTheSameObjects)
{
    RoundTrip roundTrip;
    for (unsigned seed = 1; seed <= 2000 && !::testing::Test::HasFailure(); ++seed)
        roundTrip.check(seed, TraceShape());
}

TEST(TDFRoundTrip, ManyInstancesCallsAndLongNames)
{
    RoundTrip roundTrip;
    TraceShape shape;
    shape.events = 400;
    shape.instancePool = 200;
    shape.callPercent = 30;
    shape.nameLength = 300;
    shape.syncWidth = 40;
    shape.deleteMissPercent = 20;
    shape.idleThreadPercent = 30;
    for (unsigned seed = 1; seed <= 100 && !::testing::Test::HasFailure(); ++seed)
        roundTrip.check(seed, shape);
}

TEST(TDFRoundTrip, GeneratedTracesAreMostlyAccepted)
{
    std::unique_ptr<TCFList> tcf = loadTCF(TraceGenerator::configuration());
    TraceReports reports;
    size_t lines = 0;
    size_t rejected = 0;
    for (unsigned seed = 1; seed <= 50; ++seed) {
        TDF reader(tcf.get());
        for (const std::string& line : TraceGenerator(seed, TraceShape()).lines()) {
            reader.read((line + '\n').c_str());
            ++lines;
        }
        rejected += reports.take().size();
    }
    EXPECT_LT(rejected * 100, lines) << "fewer than one line in a hundred is reported";
}

}  // namespace
