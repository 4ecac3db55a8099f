// The comparison: keys, alignment, counts and timing.
#include "compare/tracecompare.h"

#include "compare/alignment_p.h"
#include "compare/eventkeys_p.h"

#include <algorithm>
#include <cmath>

namespace {

// The intervals between matched events on each side, in the unit both
// traces compare in.
class TimingCheck {
public:
    TimingCheck(const SequenceModel& golden, const SequenceModel& run, const TimeTolerance& tolerance)
        : golden_(golden), run_(run), tolerance_(tolerance)
    {
        TDFTimeUnitType unit = TIME_UNIT_NONE;
        if (comparisonTimeUnit(golden.timeUnit(), run.timeUnit(), &unit) && unit != TIME_UNIT_NONE) {
            goldenScale_ = scale(golden.timeUnit(), unit);
            runScale_ = scale(run.timeUnit(), unit);
        }
    }

    // Takes the next pair of matched events.
    void see(int golden, int run, std::vector<TimingChange>* changes)
    {
        const SequenceEvent& goldenEvent = golden_.events[std::size_t(golden)];
        const SequenceEvent& runEvent = run_.events[std::size_t(run)];
        if (!goldenEvent.timed || !runEvent.timed)
            return;
        if (started_) {
            const TimingChange change{golden, run, interval(goldenLast_, goldenEvent.time),
                                      interval(runLast_, runEvent.time)};
            if (beyondTolerance(change))
                changes->push_back(change);
        }
        started_ = true;
        goldenLast_ = goldenEvent.time;
        runLast_ = runEvent.time;
    }

private:
    const SequenceModel& golden_;
    const SequenceModel& run_;
    const TimeTolerance& tolerance_;
    long double goldenScale_ = 1;  // units of comparison per unit of each trace
    long double runScale_ = 1;
    bool started_ = false;
    unsigned long long goldenLast_ = 0;
    unsigned long long runLast_ = 0;

    static long double scale(TDFTimeUnitType unit, TDFTimeUnitType to)
    {
        return static_cast<long double>(picosecondsPerTimeUnit(unit) / picosecondsPerTimeUnit(to));
    }

    // Negative when the clock went back (a new trace restarts it).
    static long long interval(unsigned long long from, unsigned long long to)
    {
        return static_cast<long long>(to - from);
    }

    bool beyondTolerance(const TimingChange& change) const
    {
        const long double golden = change.goldenInterval * goldenScale_;
        const long double moved = std::fabs(change.runInterval * runScale_ - golden);
        const long double allowed = tolerance_.relative ? std::fabs(golden) * tolerance_.percent / 100
                                                        : static_cast<long double>(tolerance_.amount);
        return moved > allowed;
    }
};

std::vector<TimingChange> timingChanges(const SequenceModel& golden, const SequenceModel& run,
                                        const std::vector<MatchedRun>& matches, const TimeTolerance& tolerance)
{
    std::vector<TimingChange> changes;
    TimingCheck check(golden, run, tolerance);
    for (const MatchedRun& match : matches) {
        for (int k = 0; k < match.length; ++k)
            check.see(match.golden + k, match.run + k, &changes);
    }
    return changes;
}

}  // namespace

TraceComparison compareTraces(const SequenceModel& golden, const SequenceModel& run, const CompareOptions& options)
{
    EventKeys keys(options, golden.events.size() + run.events.size());
    const std::vector<int> goldenKeys = keys.keysOf(golden);
    const std::vector<int> runKeys = keys.keysOf(run);
    Alignment alignment = alignSequences(goldenKeys, runKeys);
    TraceComparison comparison;
    comparison.matches = std::move(alignment.runs);
    comparison.minimal = alignment.minimal;
    for (const MatchedRun& match : comparison.matches)
        comparison.equal += match.length;
    comparison.deleted = int(golden.events.size()) - comparison.equal;
    comparison.inserted = int(run.events.size()) - comparison.equal;
    if (options.compareTimes)
        comparison.timing = timingChanges(golden, run, comparison.matches, options.tolerance);
    return comparison;
}

bool comparisonTimeUnit(TDFTimeUnitType golden, TDFTimeUnitType run, TDFTimeUnitType* unit)
{
    if ((golden == TIME_UNIT_NONE) != (run == TIME_UNIT_NONE))
        return false;
    *unit = std::max(golden, run);  // the units go from hours to picoseconds
    return true;
}

bool parseTimeTolerance(const QString& text, TDFTimeUnitType unit, TimeTolerance* tolerance)
{
    const QString trimmed = text.trimmed();
    if (!trimmed.endsWith(u'%')) {
        tolerance->relative = false;
        return parseTraceTime(trimmed, unit, &tolerance->amount);
    }
    bool ok = false;
    const double percent = trimmed.chopped(1).trimmed().toDouble(&ok);
    if (!ok || !(percent >= 0) || !std::isfinite(percent))
        return false;
    tolerance->relative = true;
    tolerance->percent = percent;
    return true;
}
