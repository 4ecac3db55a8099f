// tracetool stats: what traces hold, in numbers.
#include "tools/common/output.h"
#include "tools/tracetool/objectline.h"
#include "tools/tracetool/traceinput.h"
#include "tools/tracetool/tracetool.h"

#include <QMap>

#include <algorithm>
#include <iostream>

namespace {

const char details[] = "Reads the traces as check does, then prints the number of objects of each\n"
                       "kind, the instances created and deleted, the threads, the definition\n"
                       "blocks, the range of the times, the largest heap size and the reports.";

QList<QCommandLineOption> options()
{
    return {timeFormatOption()};
}

void printRow(const char* label, const QString& value)
{
    std::cout << QString::fromLatin1(label).leftJustified(20) << value << '\n';
}

void printCounts(const TDF& reader)
{
    QMap<int, QPair<QString, int>> kinds;  // in the order of the object types
    for (const TDFObject* object : reader.objects) {
        QPair<QString, int>& kind = kinds[int(object->type)];
        kind.first = kindText(*object);
        ++kind.second;
    }
    printRow("objects", QString::number(reader.objects.count));
    for (const auto& [kind, count] : kinds)
        printRow("", kind.leftJustified(18) + QString::number(count));
}

QString timeRange(TDF& reader)
{
    if (!reader.objects.count)
        return QStringLiteral("none");
    const auto [first, last] =
        std::minmax_element(reader.objects.begin(), reader.objects.end(),
                            [](const TDFObject* a, const TDFObject* b) { return a->time < b->time; });
    return reader.strTime((*first)->time) + QStringLiteral(" .. ") + reader.strTime((*last)->time);
}

int run(const QCommandLineParser& parser)
{
    TraceInput input;
    const int status = input.read(parser);
    if (status == ExitTrouble)
        return status;
    TDF& reader = input.reader();
    reader.setTimeFormat(parser.value(timeFormatOption()));
    printCounts(reader);
    const int deleted = int(std::count_if(reader.instances.begin(), reader.instances.end(),
                                          [](const TDFInstance* instance) { return instance->deletion; }));
    printRow("instances", QStringLiteral("%1 created, %2 deleted").arg(reader.instances.count).arg(deleted));
    printRow("threads", QString::number(reader.threads.count));
    printRow("definition blocks", QString::number(reader.blocks.count));
    printRow("time", timeRange(reader));
    printRow("maximum heap size", reader.heapSizeSeen ? QString::number(reader.maxHeapSize) : QStringLiteral("none"));
    printRow("reports", QStringLiteral("%1 errors, %2 warnings").arg(input.errors()).arg(input.warnings()));
    return status;
}

}  // namespace

const Command statsCommand = {
    "stats", "CONFIG TRACE...", "Counts what traces hold.", details, options, run,
};
