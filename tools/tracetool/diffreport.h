// What tracetool diff writes: the comparison of a golden run and a new run
// as a unified diff of their events, or as JSON.
//
// Events are numbered from 1 in each trace's sequence of events (after the
// window and the filters), as the hunk headers count them; a range of no
// events starts at the number of the event it follows.
#pragma once

#include "compare/tracecompare.h"
#include "html/htmlviewer.h"
#include "tdf/tdf.h"

#include <QString>

#include <string>
#include <vector>

struct DiffSide {
    TDF& reader;  // prints the events as tracetool dump does
    const SequenceModel& model;
    QString fileName;  // the trace file given
};

struct DiffReport {
    DiffSide golden;
    DiffSide run;
    const TraceComparison& comparison;
    const std::vector<DiffHunk>& hunks;
    int readingErrors = 0;  // reported while reading either trace
};

// Hunks with "@@ -first,count +first,count @@" headers under "--- GOLDEN"
// and "+++ RUN"; each event one line as dump prints it, after ' ', '-' or
// '+' and followed by where its record is (both places for an equal one,
// whose line is the run's); then one line per interval beyond the
// tolerance, after '~'; then the summary.
std::string diffText(const DiffReport& report);

// {"equal", "deleted", "inserted", "hunks": [{"golden": {"first", "count"},
// "run": {...}, "events": [{"op", "kind", "from", "to", "label", "file",
// "line"}]}], "timing": [{"golden": {"event", "file", "line", "interval",
// "unit"}, "run": {...}}]}.  An equal event is described as the run has it,
// with "goldenFile" and "goldenLine" added.
std::string diffJson(const DiffReport& report);

// The differences drawn over the run's page: its inserted rows, the deleted
// events as the text lists them (above the run's row that follows them),
// the intervals beyond the tolerance, the hunks with their headers, and the
// summary.
HtmlDifferences htmlDifferences(const DiffReport& report);
