// The options of every view of a trace.
#include "tools/tracetool/viewoptions.h"

#include "tdf/tdfreader.h"
#include "tools/common/command.h"
#include "tools/tracetool/traceinput.h"

#include <QCoreApplication>

namespace {

// The filter options: name, help and the name of the value (none for a switch).
struct Filter {
    const char* name;
    const char* help;
    const char* value;
};

const Filter filters[] = {
    {"time",
     "only the events timed from FROM to TO, in the trace's unit or\n"
     "with a unit (h mn s ms us ns ps): 1500..2000, 1.5ms..2ms",
     "FROM..TO"},
    {"only", "only the instances whose names match REGEX (repeatable)", "REGEX"},
    {"hide", "leave out the instances whose names match REGEX (repeatable)", "REGEX"},
    {"hide-edges",
     "leave out the messages to or from an instance left out\n"
     "(by default they are drawn to the diagram's edge)",
     nullptr},
    {"hide-returns", "leave out the returns", nullptr},
    {"hide-notes", "leave out the notes", nullptr},
    {"component",
     "draw the instances whose names match REGEX as one\n"
     "participant NAME (repeatable; the first match applies)",
     "REGEX=NAME"},
    {"hide-internal",
     "leave out the messages inside a component (by default\n"
     "they are drawn as messages to itself)",
     nullptr},
    {"threads",
     "only the messages, returns and actions of these threads,\n"
     "by number or name, separated by commas",
     "LIST"},
};

QCommandLineOption filterOption(const char* name)
{
    for (const Filter& filter : filters) {
        if (qstrcmp(filter.name, name) == 0)
            return filter.value ? QCommandLineOption(QLatin1String(name), QString::fromLatin1(filter.help),
                                                     QString::fromLatin1(filter.value))
                                : QCommandLineOption(QLatin1String(name), QString::fromLatin1(filter.help));
    }
    Q_UNREACHABLE();
}

QCommandLineOption timeOption()
{
    return filterOption("time");
}

QCommandLineOption componentOption()
{
    return filterOption("component");
}

QCommandLineOption threadsOption()
{
    return filterOption("threads");
}

// A regular expression of an option; false with a usage error for one that
// does not compile.
bool pattern(const QString& option, const QString& text, QRegularExpression* expression, int* status)
{
    *expression = QRegularExpression(text);
    if (expression->isValid())
        return true;
    *status = usageError(QCoreApplication::translate("tracetool", "--%1: '%2' is not a regular expression: %3",
                                                     "%1 is an option's name, %2 its value, %3 the reason")
                             .arg(option, text, expression->errorString()));
    return false;
}

}  // namespace

bool patternArguments(const QCommandLineParser& parser, const QCommandLineOption& option,
                      QList<QRegularExpression>* list, int* status)
{
    for (const QString& text : parser.values(option)) {
        QRegularExpression expression;
        if (!pattern(option.names().front(), text, &expression, status))
            return false;
        list->append(expression);
    }
    return true;
}

namespace {

bool components(const QCommandLineParser& parser, QList<SequenceOptions::Component>* list, int* status)
{
    for (const QString& text : parser.values(componentOption())) {
        const qsizetype equals = text.lastIndexOf(u'=');
        SequenceOptions::Component component;
        if (equals <= 0 || equals == text.size() - 1) {
            *status = usageError(
                QCoreApplication::translate("tracetool", "--component takes REGEX=NAME, not '%1'").arg(text));
            return false;
        }
        component.name = text.mid(equals + 1);
        if (!pattern(QStringLiteral("component"), text.left(equals), &component.pattern, status))
            return false;
        list->append(component);
    }
    return true;
}

bool threads(const QCommandLineParser& parser, QStringList* list, int* status)
{
    if (!parser.isSet(threadsOption()))
        return true;
    for (const QString& thread : parser.value(threadsOption()).split(u',')) {
        if (thread.trimmed().isEmpty()) {
            *status = usageError(QCoreApplication::translate("tracetool", "--threads takes a list of threads, not '%1'")
                                     .arg(parser.value(threadsOption())));
            return false;
        }
        list->append(thread.trimmed());
    }
    return true;
}

}  // namespace

QList<QCommandLineOption> viewOptions()
{
    QList<QCommandLineOption> options{fromOption(), countOption()};
    for (const Filter& filter : filters)
        options.append(filterOption(filter.name));
    return options << timeFormatOption();
}

bool viewArguments(const QCommandLineParser& parser, SequenceOptions* options, int* status)
{
    options->hideEdges = parser.isSet(QStringLiteral("hide-edges"));
    options->hideReturns = parser.isSet(QStringLiteral("hide-returns"));
    options->hideNotes = parser.isSet(QStringLiteral("hide-notes"));
    options->hideInternal = parser.isSet(QStringLiteral("hide-internal"));
    if (parser.isSet(timeFormatOption()))
        options->timeFormat = parser.value(timeFormatOption());
    return windowArguments(parser, &options->from, &options->count, status)
        && patternArguments(parser, filterOption("only"), &options->only, status)
        && patternArguments(parser, filterOption("hide"), &options->hide, status)
        && components(parser, &options->components, status) && threads(parser, &options->threads, status);
}

bool viewWindowInTrace(const QCommandLineParser& parser, const TDF& reader, SequenceOptions* options, int* status)
{
    if (!windowStartsInTrace(reader, parser, options->from, status))
        return false;
    if (!parser.isSet(timeOption()))
        return true;
    const QString text = parser.value(timeOption());
    const QStringList ends = text.split(QStringLiteral(".."));
    options->timeWindow = ends.size() == 2 && parseTraceTime(ends[0], reader.timeUnit, &options->timeFrom)
        && parseTraceTime(ends[1], reader.timeUnit, &options->timeTo) && options->timeFrom <= options->timeTo;
    if (options->timeWindow)
        return true;
    *status = usageError(
        QCoreApplication::translate("tracetool",
                                    "--time takes FROM..TO, two times in the trace's unit%1 or with a unit "
                                    "(h mn s ms us ns ps), the first not after the second; not '%2'",
                                    "%1 is the trace's unit in parentheses, or nothing")
            .arg(reader.timeUnitName.isNull() ? QString() : QStringLiteral(" (%1)").arg(reader.timeUnitName), text));
    return false;
}
