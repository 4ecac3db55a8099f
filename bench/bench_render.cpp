// Benchmarks of the renderer on a generated trace of 10,000 events, drawn by
// windows of 200 events at the start, the middle and the end of the trace:
// laying a window out; laying it out and writing it as SVG, as PNG; painting
// alone onto an image.
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

#include <memory>

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
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
