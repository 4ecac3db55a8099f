// The alignment of two sequences of integers: a minimal edit script, by
// Myers' O(ND) algorithm with the linear-space refinement (divide and
// conquer on the middle snake).  Time O((N + M) D) at worst, about
// N + M + D² when the common stretches are long; memory O(N + M).
//
// Elements found on one side only are set aside first: no common
// subsequence holds them, so the script stays minimal and D shrinks.
//
// So that two traces with nothing in common cannot keep it busy for hours,
// a search for the middle of the path gives up after `searchLimit` edits
// from each end and splits at the furthest point either end reached: the
// script is then correct but may be longer than a minimal one.  Below
// 2 `searchLimit` edits it is always minimal.
#pragma once

#include "compare/tracecompare.h"

#include <vector>

inline constexpr int alignmentSearchLimit = 1 << 13;

struct Alignment {
    // The runs of a common subsequence of the two sequences, in order; two
    // runs never touch on both sides.  Every element outside them is
    // deleted from the first sequence or inserted from the second.
    std::vector<MatchedRun> runs;
    bool minimal = true;  // false when a search gave up: the subsequence may not be a longest one
};

// Elements are small non-negative integers (interned keys).
Alignment alignSequences(const std::vector<int>& golden, const std::vector<int>& run,
                         int searchLimit = alignmentSearchLimit);
