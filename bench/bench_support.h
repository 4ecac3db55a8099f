// What the benchmarks share: the configuration of generated traces, traces
// generated once into ./bench_traces, the shapes of generated traces that
// they scale, by name (the random mix of every opcode and its variants that
// stress one lookup of the reader, and the repeated everyday patterns: calls
// between two instances, long-lived instances, nested calls, deep loops),
// the size N of their traces, and a reporter that keeps the results for a
// table of ratios printed at the end.
#pragma once

#include "support/trace_generator.h"
#include "tcf/tcf.h"

#include <QDir>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

inline TCFList* generatedConfiguration()
{
    static const std::unique_ptr<TCFList> list = [] {
        std::unique_ptr<QARes> root(readResourceText(TraceGenerator::configuration(), QStringLiteral("g.qares")));
        return std::unique_ptr<TCFList>(readTCFFromResources(root.get()));
    }();
    return list.get();
}

// The trace file `name`-`events`.tdf, made by `write` unless it exists,
// beside the configuration of generated traces (for
// bench/bench_commands.sh).
template <class Write>
std::string benchTraceFile(const std::string& name, int events, Write write)
{
    QDir().mkpath(QStringLiteral("bench_traces"));
    std::ofstream("bench_traces/generated.qares") << TraceGenerator::configuration();
    const std::string path = "bench_traces/" + name + '-' + std::to_string(events) + ".tdf";
    if (QFileInfo::exists(QString::fromStdString(path)))
        return path;
    std::ofstream out(path + ".part");
    write(out);
    out.close();
    std::rename((path + ".part").c_str(), path.c_str());
    return path;
}

// The trace of `shape` with `events` events, generated once.
inline std::string generatedTraceFile(const std::string& name, TraceShape shape, int events)
{
    return benchTraceFile(name, events, [&](std::ofstream& out) {
        shape.events = events;
        for (const std::string& line : TraceGenerator(42, shape).lines())
            out << line << '\n';
    });
}

struct BenchShape {
    const char* name;
    TraceShape shape;
};

inline std::vector<BenchShape> benchShapes()
{
    TraceShape mix;
    mix.instancePool = 2000;
    mix.callPercent = 20;
    mix.syncAllPercent = 2;  // synchronising every instance is rare in real traces
    mix.newTraces = false;
    TraceShape instances = mix;
    instances.instancePool = 100000;
    TraceShape calls = mix;
    calls.callPercent = 60;
    TraceShape deletions = mix;
    deletions.deleteMissPercent = 90;
    TraceShape threads = mix;
    threads.idleThreadPercent = 90;
    TraceShape longLines = mix;
    longLines.nameLength = 500;
    longLines.syncWidth = 200;
    TraceShape longLived = mix;
    longLived.instancePool = 8;
    longLived.deletions = false;
    const auto pattern = [](TracePattern pattern) {
        TraceShape shape;
        shape.pattern = pattern;
        return shape;
    };
    return {{"mix", mix},
            {"instances", instances},
            {"calls", calls},
            {"deletions", deletions},
            {"threads", threads},
            {"long-lines", longLines},
            {"long-lived", longLived},
            {"call-pairs", pattern(TracePattern::CallPairs)},
            {"nested-calls", pattern(TracePattern::NestedCalls)},
            {"deep-loops", pattern(TracePattern::DeepLoops)}};
}

// SSV_BENCH_EVENTS (200000 unless set) divided by `divisor`.
inline int benchEvents(int divisor)
{
    const char* value = std::getenv("SSV_BENCH_EVENTS");
    return std::max(1000, (value ? std::atoi(value) : 200000) / divisor);
}

// Keeps the time and the counters of every benchmark for the table.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> seconds;
    std::map<std::string, double> counters;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            seconds[run.run_name.function_name] = run.GetAdjustedCPUTime();  // CPU time: other processes do not count
            for (const auto& [name, counter] : run.counters)
                counters[run.run_name.function_name + ':' + name] = counter.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    double ratio(const std::string& over, const std::string& under) const
    {
        const auto a = seconds.find(over);
        const auto b = seconds.find(under);
        return a == seconds.end() || b == seconds.end() || b->second == 0 ? 0 : a->second / b->second;
    }

    // The time of `name`/10n over that of `name`/n.
    double scaling(const std::string& name, int n) const
    {
        return ratio(name + '/' + std::to_string(10 * n), name + '/' + std::to_string(n));
    }
};
