// Benchmarks of the renderer on a generated trace of 10,000 events, drawn by
// windows of 200 events at the start, the middle and the end of the trace:
// laying a window out; laying it out and writing it as SVG, as PNG; painting
// alone onto an image.  Then, with a table of ratios at the end: drawing the
// last 200 events of a trace of each shape of bench_support.h as SVG (the
// model's walk from the trace's start included) at 10 N events against N,
// and the whole trace of nested calls at 10 n against n.  Times are CPU
// times.  SSV_BENCH_EVENTS sets N (20000); n is 10,000.
#include "bench_support.h"
#include "foundation/error.h"
#include "render/sequencediagram.h"
#include "support/trace_generator.h"
#include "tcf/tcf.h"
#include "tdf/tdf.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

const int traceEvents = 10000;  // objects, at least
const int windowEvents = 200;

void ignoreReport(Error::Severity, const QString&, const QString&, int, int) {}

// The generated trace, read once.
struct GeneratedTrace {
    std::unique_ptr<TCFList> configuration;
    std::unique_ptr<TDF> reader;

    GeneratedTrace()
    {
        std::unique_ptr<QARes> root(readResourceText(TraceGenerator::configuration(), QStringLiteral("g.qares")));
        configuration.reset(readTCFFromResources(root.get()));
        reader = std::make_unique<TDF>(configuration.get());
        TraceShape shape;
        shape.events = traceEvents * 6 / 5;  // some lines make no object
        shape.instancePool = 16;
        shape.newTraces = false;
        for (const std::string& line : TraceGenerator(7, shape).lines())
            reader->read((line + '\n').c_str());
    }
};

GeneratedTrace& trace()
{
    static GeneratedTrace generated;
    return generated;
}

RenderOptions window(double where)
{
    RenderOptions options;
    options.sequence.from = int(where * (trace().reader->objects.count - windowEvents));
    options.sequence.count = windowEvents;
    return options;
}

void layOut(benchmark::State& state, double where)
{
    for (auto _ : state) {
        SequenceDiagram diagram(*trace().reader, window(where));
        benchmark::DoNotOptimize(diagram.size());
    }
}

void toSvg(benchmark::State& state, double where)
{
    for (auto _ : state) {
        SequenceDiagram diagram(*trace().reader, window(where));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        diagram.writeSvg(&buffer);
        state.counters["svg_bytes"] = double(buffer.size());
    }
}

void toPng(benchmark::State& state, double where)
{
    for (auto _ : state) {
        SequenceDiagram diagram(*trace().reader, window(where));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QString error;
        diagram.writePng(&buffer, &error);
        state.counters["pixels"] = double(diagram.size().width()) * diagram.size().height();
    }
}

// Painting alone, on an image made once: what a PNG costs before encoding.
void paintOnly(benchmark::State& state, double where)
{
    SequenceDiagram diagram(*trace().reader, window(where));
    QImage image(diagram.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        diagram.paint(painter);
    }
}

// A trace of `shape` with `events` events, read for one benchmark.
struct ShapedTrace {
    std::unique_ptr<TDF> reader;

    ShapedTrace(TraceShape shape, int events) : reader(std::make_unique<TDF>(trace().configuration.get()))
    {
        shape.events = events;
        for (const std::string& line : TraceGenerator(7, shape).lines())
            reader->read((line + '\n').c_str());
    }
};

// Lays out `count` events from `from` (all when count is 0) and writes them as SVG.
void drawShape(benchmark::State& state, const TraceShape& shape, int events, bool whole)
{
    const ShapedTrace shaped(shape, events);
    RenderOptions options;
    if (!whole) {
        options.sequence.from = std::max(0, shaped.reader->objects.count - windowEvents);
        options.sequence.count = windowEvents;
    }
    for (auto _ : state) {
        SequenceDiagram diagram(*shaped.reader, options);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        diagram.writeSvg(&buffer);
        state.counters["rows"] = double(diagram.model().events.size());
    }
}

const int wholeEvents = 10000;

void registerScaling(int n)
{
    for (const BenchShape& shape : benchShapes()) {
        for (int events : {n, 10 * n}) {
            const std::string name = std::string("window/") + shape.name + '/' + std::to_string(events);
            benchmark::RegisterBenchmark(name.c_str(), drawShape, shape.shape, events, false)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(events == n ? 10 : 2);
        }
    }
    TraceShape nested;
    nested.pattern = TracePattern::NestedCalls;
    for (int events : {wholeEvents, 10 * wholeEvents}) {
        const std::string name = "whole/nested-calls/" + std::to_string(events);
        benchmark::RegisterBenchmark(name.c_str(), drawShape, nested, events, true)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(events == wholeEvents ? 5 : 1);
    }
}

void printTable(const RecordingReporter& results, int n)
{
    std::printf("\n%-48s %10s %10s\n", "measure", "result", "target");
    for (const BenchShape& shape : benchShapes())
        std::printf("%-48s %10.2f %10s\n", (std::string("render a window ") + shape.name + " 10N/N").c_str(),
                    results.scaling(std::string("window/") + shape.name, n), "<= 11");
    std::printf("%-48s %10.2f %10s\n", "render the whole nested calls 10n/n",
                results.scaling("whole/nested-calls", wholeEvents), "<= 11");
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    Error::setHandler(ignoreReport);
    std::printf("trace: %d objects\n", trace().reader->objects.count);
    for (const auto& [name, where] : {std::pair{"start", 0.0}, std::pair{"middle", 0.5}, std::pair{"end", 1.0}}) {
        const std::string suffix = std::string("/") + name;
        benchmark::RegisterBenchmark(("layout" + suffix).c_str(), layOut, where)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("svg" + suffix).c_str(), toSvg, where)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("png" + suffix).c_str(), toPng, where)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("paint" + suffix).c_str(), paintOnly, where)->Unit(benchmark::kMillisecond);
    }
    const int n = benchEvents(10);
    registerScaling(n);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printTable(reporter, n);
    benchmark::Shutdown();
    return 0;
}
