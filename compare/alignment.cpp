// Myers' algorithm in linear space: strip the common prefix and suffix, find
// the middle of an optimal path by searching from both ends at once, then
// align the two halves the same way.
#include "compare/alignment_p.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace {

// The elements of a sequence that occur in the other one, and where they were.
struct Kept {
    std::vector<int> values;
    std::vector<int> indexes;
};

Kept keptOf(const std::vector<int>& sequence, const std::vector<char>& inOther)
{
    Kept kept;
    for (int index = 0; index < int(sequence.size()); ++index) {
        if (inOther[std::size_t(sequence[std::size_t(index)])]) {
            kept.values.push_back(sequence[std::size_t(index)]);
            kept.indexes.push_back(index);
        }
    }
    return kept;
}

// Which values occur in a sequence, for values up to `largest`.
std::vector<char> presence(const std::vector<int>& sequence, int largest)
{
    std::vector<char> present(std::size_t(largest) + 1);
    for (int value : sequence)
        present[std::size_t(value)] = 1;
    return present;
}

// Appends a run, joined to the previous one when it goes on from it.
void appendRun(std::vector<MatchedRun>& runs, int a, int b, int length)
{
    if (length == 0)
        return;
    if (!runs.empty()) {
        MatchedRun& last = runs.back();
        if (last.golden + last.length == a && last.run + last.length == b) {
            last.length += length;
            return;
        }
    }
    runs.push_back({a, b, length});
}

class Aligner {
public:
    Aligner(const std::vector<int>& a, const std::vector<int>& b, int searchLimit)
        : a_(a.data()), b_(b.data()), offset_(int(b.size()) + 1), searchLimit_(searchLimit),
          forward_(a.size() + b.size() + 3), backward_(forward_.size())
    {
        compare(0, int(a.size()), 0, int(b.size()));
    }

    Alignment result() { return {std::move(runs_), minimal_}; }

private:
    const int* a_;
    const int* b_;
    int offset_;  // of diagonal 0 (x - y) in the arrays below
    int searchLimit_;
    std::vector<int> forward_;   // per diagonal, the furthest x reached from the start
    std::vector<int> backward_;  // per diagonal, the furthest x reached back from the end
    std::vector<MatchedRun> runs_;
    bool minimal_ = true;
    // The diagonals the two searches have reached, every other one of them.
    int forwardMin_ = 0, forwardMax_ = 0, backwardMin_ = 0, backwardMax_ = 0;
    bool odd_ = false;  // the two searches' middle diagonals are an odd distance apart

    // The box of a[aLow, aHigh) and b[bLow, bHigh) being searched.
    struct Box {
        int aLow, aHigh, bLow, bHigh;
    };

    void compare(int aLow, int aHigh, int bLow, int bHigh);
    std::pair<int, int> middle(const Box& box);
    bool stepForward(const Box& box, int* x, int* y);
    bool stepBackward(const Box& box, int* x, int* y);
    std::pair<int, int> furthest(const Box& box) const;
};

// Aligns a[aLow, aHigh) with b[bLow, bHigh), appending the matched runs in order.
void Aligner::compare(int aLow, int aHigh, int bLow, int bHigh)
{
    int prefix = 0;
    while (aLow + prefix < aHigh && bLow + prefix < bHigh && a_[aLow + prefix] == b_[bLow + prefix])
        ++prefix;
    appendRun(runs_, aLow, bLow, prefix);
    aLow += prefix;
    bLow += prefix;
    int suffix = 0;
    while (aLow < aHigh - suffix && bLow < bHigh - suffix && a_[aHigh - 1 - suffix] == b_[bHigh - 1 - suffix])
        ++suffix;
    aHigh -= suffix;
    bHigh -= suffix;
    if (aLow < aHigh && bLow < bHigh) {
        const auto [x, y] = middle({aLow, aHigh, bLow, bHigh});
        compare(aLow, x, bLow, y);
        compare(x, aHigh, y, bHigh);
    }
    appendRun(runs_, aHigh, bHigh, suffix);
}

// A point on an optimal path across the box with about half of its edits on
// either side: the search from the start and the one back from the end
// extend by one edit each in turn, along every diagonal they reach, until a
// path of one meets a path of the other.  Neither corner of the box
// matches, so both halves are smaller than the box.
std::pair<int, int> Aligner::middle(const Box& box)
{
    const int forwardMiddle = box.aLow - box.bLow;
    const int backwardMiddle = box.aHigh - box.bHigh;
    odd_ = (forwardMiddle - backwardMiddle) & 1;
    forwardMin_ = forwardMax_ = forwardMiddle;
    backwardMin_ = backwardMax_ = backwardMiddle;
    forward_[std::size_t(forwardMiddle + offset_)] = box.aLow;
    backward_[std::size_t(backwardMiddle + offset_)] = box.aHigh;
    int x = 0, y = 0;
    for (int edits = 1;; ++edits) {
        if (stepForward(box, &x, &y) || stepBackward(box, &x, &y))
            return {x, y};
        if (edits >= searchLimit_) {
            minimal_ = false;
            return furthest(box);
        }
    }
}

// Extends every forward path by one edit and its snake; true with the point
// where one meets a backward path.
bool Aligner::stepForward(const Box& box, int* x, int* y)
{
    int* const forward = forward_.data() + offset_;
    const int* const backward = backward_.data() + offset_;
    // Sentinels just outside the diagonals reached.
    if (forwardMin_ > box.aLow - box.bHigh)
        forward[--forwardMin_ - 1] = -1;
    else
        ++forwardMin_;
    if (forwardMax_ < box.aHigh - box.bLow)
        forward[++forwardMax_ + 1] = -1;
    else
        --forwardMax_;
    for (int d = forwardMax_; d >= forwardMin_; d -= 2) {
        int a = forward[d - 1] < forward[d + 1] ? forward[d + 1] : forward[d - 1] + 1;
        int b = a - d;
        while (a < box.aHigh && b < box.bHigh && a_[a] == b_[b])
            ++a, ++b;
        forward[d] = a;
        if (odd_ && backwardMin_ <= d && d <= backwardMax_ && backward[d] <= a) {
            *x = a;
            *y = b;
            return true;
        }
    }
    return false;
}

bool Aligner::stepBackward(const Box& box, int* x, int* y)
{
    const int* const forward = forward_.data() + offset_;
    int* const backward = backward_.data() + offset_;
    if (backwardMin_ > box.aLow - box.bHigh)
        backward[--backwardMin_ - 1] = INT_MAX;
    else
        ++backwardMin_;
    if (backwardMax_ < box.aHigh - box.bLow)
        backward[++backwardMax_ + 1] = INT_MAX;
    else
        --backwardMax_;
    for (int d = backwardMax_; d >= backwardMin_; d -= 2) {
        int a = backward[d - 1] < backward[d + 1] ? backward[d - 1] : backward[d + 1] - 1;
        int b = a - d;
        while (a > box.aLow && b > box.bLow && a_[a - 1] == b_[b - 1])
            --a, --b;
        backward[d] = a;
        if (!odd_ && forwardMin_ <= d && d <= forwardMax_ && a <= forward[d]) {
            *x = a;
            *y = b;
            return true;
        }
    }
    return false;
}

// After a search gave up: the point furthest from its own corner that
// either search reached, clipped to the box.  No path has crossed the box
// yet, so it is neither corner.
std::pair<int, int> Aligner::furthest(const Box& box) const
{
    const int* const forward = forward_.data() + offset_;
    const int* const backward = backward_.data() + offset_;
    std::pair<int, int> best{box.aLow, box.bLow};
    int bestProgress = -1;
    for (int d = forwardMin_; d <= forwardMax_; d += 2) {
        const int a = std::min({forward[d], box.aHigh, box.bHigh + d});
        if (const int progress = a + (a - d) - box.aLow - box.bLow; progress > bestProgress) {
            bestProgress = progress;
            best = {a, a - d};
        }
    }
    for (int d = backwardMin_; d <= backwardMax_; d += 2) {
        const int a = std::max({backward[d], box.aLow, box.bLow + d});
        if (const int progress = box.aHigh + box.bHigh - a - (a - d); progress > bestProgress) {
            bestProgress = progress;
            best = {a, a - d};
        }
    }
    return best;
}

}  // namespace

Alignment alignSequences(const std::vector<int>& golden, const std::vector<int>& run, int searchLimit)
{
    int largest = 0;
    for (const std::vector<int>* sequence : {&golden, &run}) {
        if (!sequence->empty())
            largest = std::max(largest, *std::max_element(sequence->begin(), sequence->end()));
    }
    const Kept a = keptOf(golden, presence(run, largest));
    const Kept b = keptOf(run, presence(golden, largest));
    Alignment kept = Aligner(a.values, b.values, searchLimit).result();
    Alignment alignment{{}, kept.minimal};
    for (const MatchedRun& match : kept.runs) {
        for (int k = 0; k < match.length; ++k)
            appendRun(alignment.runs, a.indexes[std::size_t(match.golden + k)], b.indexes[std::size_t(match.run + k)],
                      1);
    }
    return alignment;
}
