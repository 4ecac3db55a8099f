// Benchmarks of the trace layer, each against a reference measured in the
// same run, and a table of the ratios at the end:
//   reading a 2,000,000-event trace against reading its lines and looking
//   at their opcodes; reading 10 N events against N for traces of each
//   shape of bench_support.h; destroying the reader, reading and writing
//   back, and building the sequence model that every view draws, against
//   reading; the heap memory held per object read; loading 10 n
//   configuration items against n.  Times are CPU times, so that other
//   processes do not count.
// SSV_BENCH_EVENTS sets N (200000); the big trace has 10 N events.  Traces
// are generated once into ./bench_traces.
#include "bench_support.h"
#include "foundation/error.h"
#include "sequence/sequencemodel.h"
#include "tdf/tdf.h"
#include "tdf/tdfwrt.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

void countReport(Error::Severity, const QString&, const QString&, int, int) {}

// The bytes the heap hands out now: what a reading holds, whatever the
// heap kept from earlier benchmarks.
long heapBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return long(info.uordblks + info.hblkhd);
}

// The floor: the file's lines read one by one and their opcodes looked at.
void readLines(benchmark::State& state, const std::string& path)
{
    for (auto _ : state) {
        FILE* file = std::fopen(path.c_str(), "r");
        char* line = nullptr;
        size_t capacity = 0;
        unsigned long opcodes = 0;
        while (getline(&line, &capacity, file) >= 0)
            opcodes += static_cast<unsigned char>(line[0]) * 256u + static_cast<unsigned char>(line[1]);
        benchmark::DoNotOptimize(opcodes);
        std::free(line);
        std::fclose(file);
    }
}

void readTrace(benchmark::State& state, const std::string& path)
{
    for (auto _ : state) {
        TDF reader(generatedConfiguration());
        reader.readFile(QString::fromStdString(path));
        state.counters["objects"] = reader.objects.count;
        state.PauseTiming();  // the destruction is not part of reading
        reader.reset(false);
        state.ResumeTiming();
    }
}

void rewriteTrace(benchmark::State& state, const std::string& path)
{
    for (auto _ : state) {
        TDF reader(generatedConfiguration());
        reader.readFile(QString::fromStdString(path));
        std::ofstream out("bench_traces/rewritten.tdf");
        TDFWriter writer(out);
        writeTrace(writer, reader, false);
        out.close();
        state.PauseTiming();
        reader.reset(false);
        state.ResumeTiming();
    }
}

// Destroying a reader that holds the trace, against reading it.
void destroyTrace(benchmark::State& state, const std::string& path)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto reader = std::make_unique<TDF>(generatedConfiguration());
        reader->readFile(QString::fromStdString(path));
        state.ResumeTiming();
        reader.reset();
    }
}

// Building the model of a trace read once; its destruction is not part of
// building it, as the reader's is not part of reading.
void modelTrace(benchmark::State& state, const std::string& path)
{
    TDF reader(generatedConfiguration());
    reader.readFile(QString::fromStdString(path));
    for (auto _ : state) {
        auto model = std::make_unique<SequenceModel>(buildSequenceModel(reader));
        state.counters["rows"] = double(model->events.size());
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
}

void memoryPerEvent(benchmark::State& state, const std::string& path)
{
    for (auto _ : state) {
        const long before = heapBytes();
        TDF reader(generatedConfiguration());
        reader.readFile(QString::fromStdString(path));
        state.counters["bytes_per_event"] = double(heapBytes() - before) / std::max(1, reader.objects.count);
    }
}

// A configuration of `count` styles or instance types in resource text.
QByteArray configurationText(int count, bool styles)
{
    QByteArray text = "tcf {\n  name = \"big\"\n  style { name = \"first\" id = 0 }\n";
    for (int i = 1; i <= count; ++i) {
        if (styles)
            text += "  style { name = \"s" + QByteArray::number(i) + "\" id = " + QByteArray::number(i) + " }\n";
        else
            text += "  instance_type { id = t" + QByteArray::number(i) + " style = 0 }\n";
    }
    return text + "}\n";
}

void loadConfiguration(benchmark::State& state, int count, bool styles)
{
    const QByteArray text = configurationText(count, styles);
    for (auto _ : state) {
        std::unique_ptr<QARes> root(readResourceText(text, QStringLiteral("big.qares")));
        std::unique_ptr<TCFList> list(readTCFFromResources(root.get()));
        benchmark::DoNotOptimize(list.get());
    }
}

void registerAll(int n)
{
    const std::string big = generatedTraceFile("mix", benchShapes()[0].shape, 10 * n);
    benchmark::RegisterBenchmark("memory/big", memoryPerEvent, big)->Unit(benchmark::kMillisecond)->Iterations(1);
    benchmark::RegisterBenchmark("floor/big", readLines, big)->Unit(benchmark::kMillisecond)->Iterations(3);
    benchmark::RegisterBenchmark("read/big", readTrace, big)->Unit(benchmark::kMillisecond)->Iterations(3);
    benchmark::RegisterBenchmark("destroy/big", destroyTrace, big)->Unit(benchmark::kMillisecond)->Iterations(3);
    benchmark::RegisterBenchmark("rewrite/big", rewriteTrace, big)->Unit(benchmark::kMillisecond)->Iterations(3);
    benchmark::RegisterBenchmark("model/big", modelTrace, big)->Unit(benchmark::kMillisecond)->Iterations(3);
    for (const BenchShape& shape : benchShapes()) {
        for (int events : {n, 10 * n}) {
            const std::string name = std::string("read/") + shape.name + '/' + std::to_string(events);
            benchmark::RegisterBenchmark(name.c_str(), readTrace, generatedTraceFile(shape.name, shape.shape, events))
                ->Unit(benchmark::kMillisecond)
                ->Iterations(events == n ? 10 : 2);
        }
    }
    for (int count : {10000, 100000}) {
        for (bool styles : {true, false}) {
            const std::string name = std::string("config/") + (styles ? "styles/" : "types/") + std::to_string(count);
            benchmark::RegisterBenchmark(name.c_str(), loadConfiguration, count, styles)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(count == 10000 ? 5 : 1);
        }
    }
}

void printTable(const RecordingReporter& results, int n)
{
    const std::string tenN = std::to_string(10 * n);
    std::printf("\n%-48s %10s %10s\n", "measure", "result", "target");
    const auto row = [](const std::string& measure, double value, const char* target) {
        std::printf("%-48s %10.2f %10s\n", measure.c_str(), value, target);
    };
    row("read " + tenN + " events / floor", results.ratio("read/big", "floor/big"), "<= 4");
    for (const BenchShape& shape : benchShapes())
        row(std::string("scaling ") + shape.name + " 10N/N", results.scaling(std::string("read/") + shape.name, n),
            "<= 11");
    row("config styles 100000/10000", results.ratio("config/styles/100000", "config/styles/10000"), "<= 11");
    row("config instance types 100000/10000", results.ratio("config/types/100000", "config/types/10000"), "<= 11");
    row("destroy the reader / read", results.ratio("destroy/big", "read/big"), "<= 0.5");
    row("read and write / read", results.ratio("rewrite/big", "read/big"), "<= 2");
    row("build the model / read", results.ratio("model/big", "read/big"), "<= 1");
    const auto memory = results.counters.find("memory/big:bytes_per_event");
    row("memory per object read (bytes)", memory == results.counters.end() ? 0 : memory->second, "<= 200");
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    Error::setHandler(countReport);
    const int n = benchEvents(1);
    registerAll(n);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printTable(reporter, n);
    benchmark::Shutdown();
    return 0;
}
