// Throughput of the resource text parser on a configuration-sized input.
#include "host/qares.h"

#include <benchmark/benchmark.h>

static QByteArray configuration(int styles)
{
    QByteArray text = "tcf {\n  name = \"bench\"\n  id_length = 2\n  control_flow = NESTED\n";
    for (int i = 0; i < styles; ++i)
        text += "  style { name = \"s" + QByteArray::number(i) + "\" id = " + QByteArray::number(i)
            + " text { color = rgb(1, 2, 3) font = \"Mono\" size = 10 style = (BOLD, ITALIC) }"
              " line { style = DASH_LINE arrow = OPEN_ARROW } }  # style\n";
    return text + "}\n";
}

static void parseConfiguration(benchmark::State& state)
{
    const QByteArray text = configuration(int(state.range(0)));
    for (auto _ : state) {
        QARes* root = readResourceText(text, "bench.qares");
        benchmark::DoNotOptimize(root);
        delete root;
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * text.size());
}
BENCHMARK(parseConfiguration)->Arg(10)->Arg(1000);
