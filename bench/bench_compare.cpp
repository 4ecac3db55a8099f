// Benchmarks of tracetool diff's work, for generated traces of N and 10 N
// events and a copy of each with 1 % of its events changed (a third of
// the changes delete an action, a third repeat one, a third give one the
// text of another, so that every changed event looks like others):
//   reading both traces, as the reference;
//   comparing the sequence models of both (keys, alignment, hunks), which
//   must cost at most twice the reading;
//   building both models, which every view of a trace does;
//   the peak memory of the whole diff (reading, models, comparison), in a
//   child process each, at 10 N against N, which must stay under 11.
// SSV_BENCH_DIFF_EVENTS sets N (100000).  Times are CPU times.
#include "bench_support.h"
#include "compare/tracecompare.h"
#include "foundation/error.h"
#include "sequence/sequencemodel.h"
#include "tdf/tdf.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <optional>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void ignoreReport(Error::Severity, const QString&, const QString&, int, int) {}

int eventsN()
{
    const char* value = std::getenv("SSV_BENCH_DIFF_EVENTS");
    return value ? std::max(1000, std::atoi(value)) : 100000;
}

TraceShape shape()
{
    TraceShape shape;
    shape.instancePool = 200;
    shape.syncAllPercent = 2;
    shape.newTraces = false;
    return shape;
}

struct TracePair {
    std::string golden;
    std::string run;
};

// Whether a line is an action with a text of its own: AC "TEXT" INSTANCE.
bool quotedAction(const std::string& line)
{
    return line.rfind("AC \"", 0) == 0;
}

std::string withText(const std::string& action, const std::string& textOf)
{
    const auto textEnd = [](const std::string& line) { return line.rfind(' '); };
    return action.substr(0, 3) + textOf.substr(3, textEnd(textOf) - 3) + action.substr(textEnd(action));
}

// The golden trace of `events` events and its changed copy.
TracePair tracePair(int events)
{
    TraceShape generated = shape();
    generated.events = events;
    const std::vector<std::string> lines = TraceGenerator(42, generated).lines();
    TracePair pair;
    pair.golden = benchTraceFile("diff-golden", events, [&](std::ofstream& out) {
        for (const std::string& line : lines)
            out << line << '\n';
    });
    pair.run = benchTraceFile("diff-run", events, [&](std::ofstream& out) {
        std::vector<std::size_t> actions;
        for (std::size_t k = 0; k < lines.size(); ++k) {
            if (quotedAction(lines[k]))
                actions.push_back(k);
        }
        std::mt19937 random(7);
        std::shuffle(actions.begin(), actions.end(), random);
        actions.resize(std::min(actions.size(), std::size_t(events / 100)));
        std::vector<int> change(lines.size(), -1);
        for (std::size_t k = 0; k < actions.size(); ++k)
            change[actions[k]] = int(k % 3);
        for (std::size_t k = 0; k < lines.size(); ++k) {
            switch (change[k]) {
            case 0:  // deleted
                break;
            case 1:  // repeated
                out << lines[k] << '\n' << lines[k] << '\n';
                break;
            case 2:  // the text of another
                out << withText(lines[k], lines[actions[(k * 7919) % actions.size()]]) << '\n';
                break;
            default:
                out << lines[k] << '\n';
            }
        }
    });
    return pair;
}

struct ReadPair {
    TDF golden{generatedConfiguration()};
    TDF run{generatedConfiguration()};

    explicit ReadPair(const TracePair& files)
    {
        golden.readFile(QString::fromStdString(files.golden));
        run.readFile(QString::fromStdString(files.run));
    }
};

void readBoth(benchmark::State& state, const TracePair& files)
{
    for (auto _ : state) {
        std::optional<ReadPair> read(files);
        state.PauseTiming();  // the destruction is not part of reading
        read.reset();
        state.ResumeTiming();
    }
}

struct Models {
    SequenceModel golden;
    SequenceModel run;

    explicit Models(ReadPair& read) : golden(buildSequenceModel(read.golden)), run(buildSequenceModel(read.run)) {}
};

// What diff does with the models: keys, alignment, hunks.
struct Comparison {
    TraceComparison comparison;
    std::vector<DiffHunk> hunks;

    explicit Comparison(const Models& models)
        : comparison(compareTraces(models.golden, models.run)),
          hunks(diffHunks(comparison, int(models.golden.events.size()), int(models.run.events.size()), 3))
    {
    }
};

void buildModels(benchmark::State& state, const TracePair& files)
{
    ReadPair read(files);
    for (auto _ : state) {
        std::optional<Models> models(read);
        state.PauseTiming();
        models.reset();
        state.ResumeTiming();
    }
}

void compareModels(benchmark::State& state, const TracePair& files)
{
    ReadPair read(files);
    const Models models(read);
    for (auto _ : state) {
        const Comparison diff(models);
        state.counters["events"] = double(models.golden.events.size());
        state.counters["deleted"] = diff.comparison.deleted;
        state.counters["inserted"] = diff.comparison.inserted;
        state.counters["minimal"] = diff.comparison.minimal;
    }
}

// The peak resident memory of a child process that does `work`, in bytes.
template <class Work>
long childPeak(Work work)
{
    const pid_t child = fork();
    if (child == 0) {
        work();
        std::_Exit(0);
    }
    int status = 0;
    struct rusage usage {};
    wait4(child, &status, 0, &usage);
    return usage.ru_maxrss * 1024L;
}

// The peak memory of a whole diff of the pair, beyond that of the process.
long diffPeak(const TracePair& files, long base)
{
    return childPeak([&files] {
               ReadPair read(files);
               const Models models(read);
               const Comparison diff(models);
               benchmark::DoNotOptimize(diff.hunks.data());
           })
        - base;
}

void printTable(const RecordingReporter& results, int n, long peakN, long peak10N)
{
    std::printf("\n%-56s %10s %10s\n", "measure", "result", "target");
    const auto row = [](const std::string& measure, double value, const char* target) {
        std::printf("%-56s %10.2f %10s\n", measure.c_str(), value, target);
    };
    for (int events : {n, 10 * n}) {
        const std::string size = std::to_string(events);
        row("diff " + size + ": comparison / reading both", results.ratio("compare/" + size, "read/" + size), "<= 2");
        row("diff " + size + ": models / reading both", results.ratio("models/" + size, "read/" + size), "");
    }
    row("diff peak memory (MB) at " + std::to_string(n), double(peakN) / 1e6, "");
    row("diff peak memory (MB) at " + std::to_string(10 * n), double(peak10N) / 1e6, "");
    row("diff peak memory " + std::to_string(10 * n) + " / " + std::to_string(n), double(peak10N) / double(peakN),
        "<= 11");
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    Error::setHandler(ignoreReport);
    const int n = eventsN();
    const TracePair small = tracePair(n);
    const TracePair big = tracePair(10 * n);
    const long base = childPeak([] {});
    const long peakN = diffPeak(small, base);
    const long peak10N = diffPeak(big, base);
    for (const auto& [events, files] : {std::pair{n, small}, std::pair{10 * n, big}}) {
        const std::string size = std::to_string(events);
        benchmark::RegisterBenchmark(("read/" + size).c_str(), readBoth, files)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
        benchmark::RegisterBenchmark(("models/" + size).c_str(), buildModels, files)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
        benchmark::RegisterBenchmark(("compare/" + size).c_str(), compareModels, files)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
    }
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printTable(reporter, n, peakN, peak10N);
    benchmark::Shutdown();
    return 0;
}
