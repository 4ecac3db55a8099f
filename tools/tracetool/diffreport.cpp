#include "tools/tracetool/diffreport.h"

#include "tools/common/output.h"
#include "tools/tracetool/objectline.h"

#include <functional>
#include <sstream>

namespace {

const SequenceEvent& eventOf(const DiffSide& side, int index)
{
    return side.model.events[std::size_t(index)];
}

QString fileOf(const DiffSide& side, const SequenceEvent& event)
{
    return event.file >= 0 ? side.model.files[event.file] : side.fileName;
}

// "FILE:LINE", or "FILE" when the line is not known.
QString placeOf(const DiffSide& side, int index)
{
    const SequenceEvent& event = eventOf(side, index);
    return fileOf(side, event) + (event.line ? u':' + QString::number(event.line) : QString());
}

QString lineOf(const DiffSide& side, int index)
{
    return objectLine(side.reader, const_cast<TDFObject*>(eventOf(side, index).source));
}

// A range as the hunk headers give it: its first event counted from 1, or
// the event before it when it is empty.
int firstNumber(int first, int count)
{
    return count ? first + 1 : first;
}

// An interval in the trace's unit, as its times are shown.
QString intervalText(const SequenceModel& model, long long interval)
{
    const unsigned long long size = interval < 0 ? 0ULL - static_cast<unsigned long long>(interval) : interval;
    return (interval < 0 ? QStringLiteral("-") : QString()) + model.timeText(size);
}

// "@@ -first,count +first,count @@"
std::string hunkHeader(const DiffHunk& hunk)
{
    return "@@ -" + std::to_string(firstNumber(hunk.goldenFirst, hunk.goldenCount)) + ','
        + std::to_string(hunk.goldenCount) + " +" + std::to_string(firstNumber(hunk.runFirst, hunk.runCount)) + ','
        + std::to_string(hunk.runCount) + " @@";
}

// An event of one side as dump prints it, then where its record is.
QString eventText(const DiffSide& side, int index)
{
    return lineOf(side, index) + QLatin1String("  ") + placeOf(side, index);
}

void writeHunkText(std::ostream& out, const DiffReport& report, const DiffHunk& hunk)
{
    out << hunkHeader(hunk) << '\n';
    for (const DiffHunk::Line& line : hunk.lines) {
        switch (line.op) {
        case DiffHunk::Deleted:
            out << '-' << eventText(report.golden, line.golden) << '\n';
            break;
        case DiffHunk::Inserted:
            out << '+' << eventText(report.run, line.run) << '\n';
            break;
        case DiffHunk::Equal:
            out << ' ' << lineOf(report.run, line.run) << "  " << placeOf(report.golden, line.golden) << "  "
                << placeOf(report.run, line.run) << '\n';
            break;
        }
    }
}

void writeTimingText(std::ostream& out, const DiffReport& report, const TimingChange& change)
{
    out << "~ " << intervalText(report.golden.model, change.goldenInterval) << " -> "
        << intervalText(report.run.model, change.runInterval) << "  " << lineOf(report.run, change.run) << "  "
        << placeOf(report.golden, change.golden) << "  " << placeOf(report.run, change.run) << '\n';
}

std::string summary(const DiffReport& report)
{
    const TraceComparison& comparison = report.comparison;
    std::ostringstream out;
    if (comparison.same())
        out << "traces match: " << comparison.equal << " equal events";
    else
        out << "traces differ: " << comparison.equal << " equal, " << comparison.deleted << " deleted, "
            << comparison.inserted << " inserted, " << comparison.timing.size() << " beyond the time tolerance";
    if (!comparison.minimal)
        out << " (so many differences that the script may be longer than necessary)";
    if (report.readingErrors)
        out << "; reading them reported " << report.readingErrors << (report.readingErrors == 1 ? " error" : " errors");
    return out.str();
}

// JSON text: a string with its quotes and escapes.
std::string jsonString(const QString& text)
{
    std::string out = "\"";
    for (const char c : text.toStdString()) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static const char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string participantJson(const SequenceModel& model, int index)
{
    return index < 0 ? "null" : jsonString(model.participants[std::size_t(index)].name);
}

QString kindName(SequenceEvent::Kind kind)
{
    static const char* const names[] = {"birth", "message", "return",     "deletion", "action", "synchronisation",
                                        "note",  "glyph",   "loop_start", "loop_end", "divider"};
    return QString::fromLatin1(names[kind]);
}

std::string placeJson(const DiffSide& side, int index, const char* fileKey, const char* lineKey)
{
    const SequenceEvent& event = eventOf(side, index);
    return std::string("\"") + fileKey + "\": " + jsonString(fileOf(side, event)) + ", \"" + lineKey
        + "\": " + std::to_string(event.line);
}

std::string eventJson(const DiffReport& report, const DiffHunk::Line& line)
{
    const DiffSide& side = line.op == DiffHunk::Deleted ? report.golden : report.run;
    const int index = line.op == DiffHunk::Deleted ? line.golden : line.run;
    const SequenceEvent& event = eventOf(side, index);
    std::string out = "{\"op\": \"" + std::string(1, char(line.op))
        + "\", \"kind\": " + jsonString(kindName(event.kind)) + ", \"from\": " + participantJson(side.model, event.from)
        + ", \"to\": " + participantJson(side.model, event.to) + ", \"label\": " + jsonString(event.label);
    if (!event.over.isEmpty()) {
        out += ", \"over\": [";
        for (int k = 0; k < event.over.size(); ++k)
            out += (k ? ", " : "") + participantJson(side.model, event.over[k]);
        out += ']';
    }
    out += ", " + placeJson(side, index, "file", "line");
    if (line.op == DiffHunk::Equal)
        out += ", " + placeJson(report.golden, line.golden, "goldenFile", "goldenLine");
    return out + '}';
}

std::string rangeJson(int first, int count)
{
    return "{\"first\": " + std::to_string(firstNumber(first, count)) + ", \"count\": " + std::to_string(count) + '}';
}

std::string hunkJson(const DiffReport& report, const DiffHunk& hunk)
{
    std::string out = "    {\"golden\": " + rangeJson(hunk.goldenFirst, hunk.goldenCount)
        + ", \"run\": " + rangeJson(hunk.runFirst, hunk.runCount) + ", \"events\": [\n";
    for (std::size_t k = 0; k < hunk.lines.size(); ++k)
        out += "      " + eventJson(report, hunk.lines[k]) + (k + 1 < hunk.lines.size() ? ",\n" : "\n");
    return out + "    ]}";
}

std::string timingSideJson(const DiffSide& side, int index, long long interval)
{
    const QString& unit = side.model.timeUnitName();
    return "{\"event\": " + std::to_string(index + 1) + ", " + placeJson(side, index, "file", "line")
        + ", \"interval\": " + std::to_string(interval) + ", \"unit\": " + (unit.isNull() ? "null" : jsonString(unit))
        + '}';
}

std::string timingJson(const DiffReport& report, const TimingChange& change)
{
    return "    {\"golden\": " + timingSideJson(report.golden, change.golden, change.goldenInterval)
        + ", \"run\": " + timingSideJson(report.run, change.run, change.runInterval) + '}';
}

// A JSON array of `count` elements, one a line.
template <class Element>
std::string arrayJson(const std::vector<Element>& elements, const std::function<std::string(const Element&)>& write)
{
    if (elements.empty())
        return "[]";
    std::string out = "[\n";
    for (std::size_t k = 0; k < elements.size(); ++k)
        out += write(elements[k]) + (k + 1 < elements.size() ? ",\n" : "\n");
    return out + "  ]";
}

// The differences of a hunk over the run: its inserted rows, and its
// deleted events above the run's row that follows them.
void addHunkDifferences(const DiffReport& report, const DiffHunk& hunk, HtmlDifferences& differences)
{
    differences.hunks.push_back(
        {hunk.runFirst, hunk.runFirst + hunk.runCount - 1, QString::fromStdString(hunkHeader(hunk))});
    int nextRun = hunk.runFirst;
    for (const DiffHunk::Line& line : hunk.lines) {
        if (line.op != DiffHunk::Deleted) {
            nextRun = line.run + 1;
            if (line.op == DiffHunk::Inserted)
                differences.inserted.push_back(line.run);
            continue;
        }
        if (differences.deleted.empty() || differences.deleted.back().before != nextRun)
            differences.deleted.push_back({nextRun, {}});
        differences.deleted.back().events.push_back(
            {lineOf(report.golden, line.golden), placeOf(report.golden, line.golden)});
    }
}

QString retimedText(const DiffReport& report, const TimingChange& change)
{
    return QStringLiteral("since the previous matched event: %1 in the golden run, %2 in this run")
        .arg(intervalText(report.golden.model, change.goldenInterval),
             intervalText(report.run.model, change.runInterval));
}

}  // namespace

HtmlDifferences htmlDifferences(const DiffReport& report)
{
    HtmlDifferences differences;
    differences.golden = report.golden.fileName;
    differences.summary = QString::fromStdString(summary(report));
    for (const DiffHunk& hunk : report.hunks)
        addHunkDifferences(report, hunk, differences);
    for (const TimingChange& change : report.comparison.timing)
        differences.retimed.push_back({change.run, retimedText(report, change)});
    return differences;
}

std::string diffText(const DiffReport& report)
{
    std::ostringstream out;
    if (!report.hunks.empty())
        out << "--- " << report.golden.fileName << "\n+++ " << report.run.fileName << '\n';
    for (const DiffHunk& hunk : report.hunks)
        writeHunkText(out, report, hunk);
    for (const TimingChange& change : report.comparison.timing)
        writeTimingText(out, report, change);
    out << summary(report) << '\n';
    return out.str();
}

std::string diffJson(const DiffReport& report)
{
    const TraceComparison& comparison = report.comparison;
    return "{\n  \"equal\": " + std::to_string(comparison.equal)
        + ",\n  \"deleted\": " + std::to_string(comparison.deleted)
        + ",\n  \"inserted\": " + std::to_string(comparison.inserted) + ",\n  \"hunks\": "
        + arrayJson<DiffHunk>(report.hunks, [&report](const DiffHunk& hunk) { return hunkJson(report, hunk); })
        + ",\n  \"timing\": "
        + arrayJson<TimingChange>(comparison.timing,
                                  [&report](const TimingChange& change) { return timingJson(report, change); })
        + "\n}\n";
}
