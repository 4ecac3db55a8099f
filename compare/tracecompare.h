// Two runs of a scenario compared event by event: a golden run, known to be
// good, and a new run.
//
// Both traces are compared through their sequence models, built with the
// same SequenceOptions, as sequences of events.  An event is known by its
// kind, its participants by name (never by dynamic id, which differs from
// run to run) and its label; with `ignoreNames`, participants are known by
// their instance type (by name when they have none).  Every match of an
// `ignore` pattern in a name or label is masked first, so that addresses,
// counters and other volatile texts compare equal.
//
// The alignment is a minimal edit script: the longest common subsequence of
// the two sequences, found by Myers' O(ND) algorithm in linear space.  Two
// long traces with a few differences compare in about the time it takes to
// walk them.
//
// With `compareTimes`, the events matched on both sides are compared by
// their timing too: the time since the previous matched event, on each side
// (events without a time of their own, new traces, are left out).
// An interval that grew or shrank by more than the tolerance is reported.
// Traces of different time units are compared in the finer of the two (and
// by their plain counts when only one of them names its unit).
#pragma once

#include "stacksizeview_export.h"

#include "sequence/sequencemodel.h"
#include "tdf/tdftime.h"

#include <QList>
#include <QRegularExpression>
#include <QString>

#include <vector>

// How far a matched event's interval may move before it is reported.
struct STACKSIZEVIEW_EXPORT TimeTolerance {
    bool relative = false;          // a share of the golden interval
    double percent = 0;             // relative: of the golden interval
    unsigned long long amount = 0;  // absolute: in the unit both traces compare in (comparisonTimeUnit)
};

struct STACKSIZEVIEW_EXPORT CompareOptions {
    QList<QRegularExpression> ignore;  // masked in the names and labels
    bool ignoreNames = false;          // participants by their instance type
    bool compareTimes = false;         // report the intervals beyond `tolerance`
    TimeTolerance tolerance;
};

// Events [golden, golden + length) of the golden run equal events
// [run, run + length) of the other.
struct STACKSIZEVIEW_EXPORT MatchedRun {
    int golden = 0;
    int run = 0;
    int length = 0;

    bool operator==(const MatchedRun& other) const
    {
        return golden == other.golden && run == other.run && length == other.length;
    }
};

// A matched event whose time since the previous matched event moved beyond
// the tolerance.  Intervals are in each trace's own unit; negative when the
// clock went back.
struct STACKSIZEVIEW_EXPORT TimingChange {
    int golden = 0;  // the event, in each model
    int run = 0;
    long long goldenInterval = 0;
    long long runInterval = 0;
};

struct STACKSIZEVIEW_EXPORT TraceComparison {
    // The matched events, in order, each run as long as it goes: every
    // event between two runs is deleted (golden) or inserted (run).
    std::vector<MatchedRun> matches;
    std::vector<TimingChange> timing;
    int equal = 0;
    int deleted = 0;
    int inserted = 0;
    // False when the traces differ so much that the alignment gave up
    // searching for a minimal script: it is then correct but may be longer.
    bool minimal = true;

    bool same() const { return deleted == 0 && inserted == 0 && timing.empty(); }
};

STACKSIZEVIEW_EXPORT TraceComparison compareTraces(const SequenceModel& golden, const SequenceModel& run,
                                                   const CompareOptions& options = CompareOptions());

// The unit in which the times of two traces compare: theirs when it is the
// same, else the finer of the two.  False when one trace names a unit and the
// other none: their times cannot be compared.
STACKSIZEVIEW_EXPORT bool comparisonTimeUnit(TDFTimeUnitType golden, TDFTimeUnitType run, TDFTimeUnitType* unit);

// A tolerance as a person types it: a percentage ("10%"), or a time as
// parseTraceTime reads it in `unit` ("250", "1.5ms").  False for anything else.
STACKSIZEVIEW_EXPORT bool parseTimeTolerance(const QString& text, TDFTimeUnitType unit, TimeTolerance* tolerance);

// A stretch of a unified diff: the changed events with up to `context`
// equal events around them.  Ranges count events from 0 in each model.
struct STACKSIZEVIEW_EXPORT DiffHunk {
    enum Op : char { Equal = ' ', Deleted = '-', Inserted = '+' };
    struct Line {
        Op op = Equal;
        int golden = -1;  // the event in each model; -1 on the side it is not on
        int run = -1;
    };

    int goldenFirst = 0;
    int goldenCount = 0;
    int runFirst = 0;
    int runCount = 0;
    std::vector<Line> lines;  // in each hunk the deleted events come before the inserted ones
};

// The hunks of a comparison of models of `goldenEvents` and `runEvents`
// events; changes closer than 2 `context` equal events share a hunk.
STACKSIZEVIEW_EXPORT std::vector<DiffHunk> diffHunks(const TraceComparison& comparison, int goldenEvents, int runEvents,
                                                     int context);
