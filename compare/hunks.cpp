// The hunks of a unified diff over a comparison.
#include "compare/tracecompare.h"

#include <algorithm>

namespace {

// The events between two matched runs: [goldenFrom, goldenTo) deleted,
// [runFrom, runTo) inserted, one of them possibly empty.
struct Change {
    int goldenFrom, goldenTo, runFrom, runTo;
};

std::vector<Change> changesOf(const TraceComparison& comparison, int goldenEvents, int runEvents)
{
    std::vector<Change> changes;
    int golden = 0, run = 0;
    const auto changeUpTo = [&](const MatchedRun& match) {
        if (match.golden > golden || match.run > run)
            changes.push_back({golden, match.golden, run, match.run});
        golden = match.golden + match.length;
        run = match.run + match.length;
    };
    for (const MatchedRun& match : comparison.matches)
        changeUpTo(match);
    changeUpTo({goldenEvents, runEvents, 0});
    return changes;
}

class HunkBuilder {
public:
    explicit HunkBuilder(DiffHunk& hunk) : hunk_(hunk) {}

    void equal(int golden, int run, int count)
    {
        for (int k = 0; k < count; ++k)
            hunk_.lines.push_back({DiffHunk::Equal, golden + k, run + k});
    }

    void change(const Change& change)
    {
        for (int golden = change.goldenFrom; golden < change.goldenTo; ++golden)
            hunk_.lines.push_back({DiffHunk::Deleted, golden, -1});
        for (int run = change.runFrom; run < change.runTo; ++run)
            hunk_.lines.push_back({DiffHunk::Inserted, -1, run});
    }

private:
    DiffHunk& hunk_;
};

// The hunk of changes first to last, with `context` equal events (or as
// many as there are) before and after them.
DiffHunk hunkOf(const Change* first, const Change* last, int context, int goldenEvents)
{
    DiffHunk hunk;
    const int before = std::min(context, first->goldenFrom);
    const int after = std::min(context, goldenEvents - last->goldenTo);
    hunk.goldenFirst = first->goldenFrom - before;
    hunk.runFirst = first->runFrom - before;
    hunk.goldenCount = last->goldenTo + after - hunk.goldenFirst;
    hunk.runCount = last->runTo + after - hunk.runFirst;
    HunkBuilder lines(hunk);
    lines.equal(hunk.goldenFirst, hunk.runFirst, before);
    for (const Change* change = first; change <= last; ++change) {
        lines.change(*change);
        const int between = change == last ? after : change[1].goldenFrom - change->goldenTo;
        lines.equal(change->goldenTo, change->runTo, between);
    }
    return hunk;
}

}  // namespace

std::vector<DiffHunk> diffHunks(const TraceComparison& comparison, int goldenEvents, int runEvents, int context)
{
    const std::vector<Change> changes = changesOf(comparison, goldenEvents, runEvents);
    std::vector<DiffHunk> hunks;
    for (std::size_t first = 0; first < changes.size();) {
        std::size_t last = first;
        while (last + 1 < changes.size() && changes[last + 1].goldenFrom - changes[last].goldenTo <= 2LL * context)
            ++last;
        hunks.push_back(hunkOf(&changes[first], &changes[last], context, goldenEvents));
        first = last + 1;
    }
    return hunks;
}
