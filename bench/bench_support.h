// What the benchmarks share: the configuration of generated traces, traces
// generated once into ./bench_traces, and a reporter that keeps the results
// for a table of ratios printed at the end.
#pragma once

#include "support/trace_generator.h"
#include "tcf/tcf.h"

#include <QDir>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <cstdio>
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

// The trace file `name`-`events`.tdf, made by `write` unless it exists.
template <class Write>
std::string benchTraceFile(const std::string& name, int events, Write write)
{
    QDir().mkpath(QStringLiteral("bench_traces"));
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
};
