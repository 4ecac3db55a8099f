// The alignment of integer sequences and the hunks over it: generated pairs
// against the length of a shortest edit script found by dynamic programming.
#include "compare/alignment_p.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace {

// The edit script of an alignment: '=' keeps an element, '-' deletes one of
// `a`, '+' inserts one of `b`.  "invalid" when the runs go backwards or
// past the ends.
std::string editScript(const std::vector<MatchedRun>& runs, int aSize, int bSize)
{
    std::string script;
    int a = 0, b = 0;
    for (const MatchedRun& run : runs) {
        if (run.golden < a || run.run < b || run.length <= 0 || run.golden + run.length > aSize
            || run.run + run.length > bSize)
            return "invalid";
        script += std::string(std::size_t(run.golden - a), '-') + std::string(std::size_t(run.run - b), '+')
            + std::string(std::size_t(run.length), '=');
        a = run.golden + run.length;
        b = run.run + run.length;
    }
    return script + std::string(std::size_t(aSize - a), '-') + std::string(std::size_t(bSize - b), '+');
}

// `a` edited by the script, inserting from `b`.
std::vector<int> applied(const std::string& script, const std::vector<int>& a, const std::vector<int>& b)
{
    std::vector<int> out;
    std::size_t i = 0, j = 0;
    for (const char op : script) {
        if (op == '=')
            out.push_back(a[i++]), ++j;
        else if (op == '-')
            ++i;
        else
            out.push_back(b[j++]);
    }
    return out;
}

// The length of a shortest edit script: |a| + |b| - 2 LCS, the LCS by
// dynamic programming over all prefixes.
int shortestEdit(const std::vector<int>& a, const std::vector<int>& b)
{
    std::vector<std::vector<int>> common(a.size() + 1, std::vector<int>(b.size() + 1));
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j)
            common[i][j] =
                a[i - 1] == b[j - 1] ? common[i - 1][j - 1] + 1 : std::max(common[i - 1][j], common[i][j - 1]);
    }
    return int(a.size() + b.size()) - 2 * common[a.size()][b.size()];
}

// A random sequence, and a copy with random insertions, deletions and
// replacements; small alphabets make many equal elements.
struct Pair {
    std::vector<int> a, b;
};

Pair generatedPair(std::mt19937& random, int trial)
{
    const int alphabet = 1 + trial % 7;
    const auto pick = [&random](int count) { return int(random() % unsigned(count)); };
    Pair pair;
    pair.a.resize(std::size_t(pick(40)));
    for (int& value : pair.a)
        value = pick(alphabet);
    pair.b = pair.a;
    for (int edits = pick(trial % 3 ? 6 : 40); edits > 0; --edits) {
        const auto at = pair.b.begin() + pick(int(pair.b.size()) + 1);
        const int kind = pick(3);
        if (kind == 0)
            pair.b.insert(at, pick(alphabet + 2));
        else if (at != pair.b.end())
            kind == 1 ? void(pair.b.erase(at)) : void(*at = pick(alphabet + 2));
    }
    return pair;
}

TEST(CompareAlignment, GeneratedPairsGetAMinimalScript)
{
    std::mt19937 random(20);
    for (int trial = 0; trial < 4000; ++trial) {
        const Pair pair = generatedPair(random, trial);
        const Alignment alignment = alignSequences(pair.a, pair.b);
        const std::string script = editScript(alignment.runs, int(pair.a.size()), int(pair.b.size()));
        SCOPED_TRACE("trial " + std::to_string(trial) + ": " + script);
        ASSERT_EQ(applied(script, pair.a, pair.b), pair.b);
        ASSERT_EQ(int(script.size() - std::size_t(std::count(script.begin(), script.end(), '='))),
                  shortestEdit(pair.a, pair.b));
        ASSERT_TRUE(alignment.minimal);
        for (std::size_t k = 1; k < alignment.runs.size(); ++k) {
            const MatchedRun& before = alignment.runs[k - 1];
            ASSERT_FALSE(before.golden + before.length == alignment.runs[k].golden
                         && before.run + before.length == alignment.runs[k].run);
        }
    }
}

// A search that gives up still yields a correct script, and says so when
// it is not minimal.
TEST(CompareAlignment, ASearchThatGivesUpStaysCorrect)
{
    std::mt19937 random(21);
    int gaveUp = 0;
    for (int trial = 0; trial < 2000; ++trial) {
        const Pair pair = generatedPair(random, trial);
        const Alignment alignment = alignSequences(pair.a, pair.b, 1 + trial % 2);
        const std::string script = editScript(alignment.runs, int(pair.a.size()), int(pair.b.size()));
        SCOPED_TRACE("trial " + std::to_string(trial) + ": " + script);
        ASSERT_EQ(applied(script, pair.a, pair.b), pair.b);
        const int length = int(script.size() - std::size_t(std::count(script.begin(), script.end(), '=')));
        ASSERT_TRUE(!alignment.minimal || length == shortestEdit(pair.a, pair.b));
        gaveUp += !alignment.minimal;
    }
    EXPECT_GT(gaveUp, 100);
}

std::vector<int> codes(const std::string& text)
{
    return std::vector<int>(text.begin(), text.end());
}

// Each hunk as "goldenFirst+count runFirst+count: ops".
std::string hunksOf(const std::string& a, const std::string& b, int context)
{
    TraceComparison comparison;
    comparison.matches = alignSequences(codes(a), codes(b)).runs;
    std::string out;
    for (const DiffHunk& hunk : diffHunks(comparison, int(a.size()), int(b.size()), context)) {
        out += (out.empty() ? "" : " | ") + std::to_string(hunk.goldenFirst) + '+' + std::to_string(hunk.goldenCount)
            + ' ' + std::to_string(hunk.runFirst) + '+' + std::to_string(hunk.runCount) + ": ";
        for (const DiffHunk::Line& line : hunk.lines) {
            const bool golden = line.op != DiffHunk::Inserted;
            out += line.op == DiffHunk::Equal ? '=' : char(line.op);
            out += golden ? a[std::size_t(line.golden)] : b[std::size_t(line.run)];
        }
    }
    return out;
}

TEST(CompareHunks, ChangesWithTheirContext)
{
    struct Case {
        const char* a;
        const char* b;
        int context;
        const char* hunks;
    } const cases[] = {
        {"abcdefghij", "abcdefghij", 3, ""},
        {"abcdefghij", "abcXefghij", 1, "2+3 2+3: =c-d+X=e"},
        {"abcdefghij", "abcXefghij", 0, "3+1 3+1: -d+X"},
        {"abcdefghij", "XbcdefghiY", 1, "0+2 0+2: -a+X=b | 8+2 8+2: =i-j+Y"},
        {"abcdef", "XbcdeY", 2, "0+6 0+6: -a+X=b=c=d=e-f+Y"},  // 4 equal events between: one hunk
        {"abcdefg", "XbcdefY", 2, "0+3 0+3: -a+X=b=c | 4+3 4+3: =e=f-g+Y"},
        {"abc", "Xabc", 3, "0+3 0+4: +X=a=b=c"},
        {"abc", "abcX", 1, "2+1 2+2: =c+X"},
        {"ab", "", 3, "0+2 0+0: -a-b"},
        {"", "ab", 3, "0+0 0+2: +a+b"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hunksOf(c.a, c.b, c.context), c.hunks) << c.a << " -> " << c.b << " context " << c.context;
}

}  // namespace
