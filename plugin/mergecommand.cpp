#include "plugin/mergecommand_p.h"

#include "host/qastnode.h"

#include <QDir>

#include <climits>

namespace {

enum class ValueKind { QuotedText, Text, Number };

struct ConfigurationOption {
    const char* key;
    const char* prefix;
    ValueKind kind;
};

// Configuration keys in the order their options follow on the command line.
const ConfigurationOption configurationOptions[] = {
    {"qxz_template", "-qxz_template=", ValueKind::QuotedText},
    {"qxz_extstksize", "-qxz_extstksize=", ValueKind::QuotedText},
    {"qxl_entrypoints", "-entrypoints=", ValueKind::Text},
    {"qxz_maxstacksize", "-max=", ValueKind::Number},
    {"qxz_securestacksize", "-security=", ValueKind::Number},
};

// The script is started without a shell: the quote characters reach it as
// part of the argument.
QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The value as a 32-bit integer; 0 when it does not convert or does not fit
// (QVariant::toInt would wrap "2147483648" round to a negative number).
int int32Value(const QVariant& value)
{
    bool converted = false;
    const qlonglong number = value.toLongLong(&converted);
    return converted && number >= INT_MIN && number <= INT_MAX ? int(number) : 0;
}

// The option for one configuration value; null when an empty text or a zero
// (or unconvertible) number leaves it out.
QString optionFor(const ConfigurationOption& option, const QVariant& value)
{
    const QString prefix = QLatin1String(option.prefix);
    if (option.kind == ValueKind::Number) {
        const int number = int32Value(value);
        return number == 0 ? QString() : prefix + QString::number(number);
    }
    const QString text = value.toString();
    if (text.isEmpty())
        return QString();
    return prefix + (option.kind == ValueKind::QuotedText ? quoted(text) : text);
}

// The result files as the script gets them: a name that starts with '-'
// (always a relative one) would be taken for an option, and gets "./" in
// front.
QStringList fileArguments(const QStringList& files)
{
    QStringList arguments;
    for (const QString& file : files)
        arguments << (file.startsWith(u'-') ? QStringLiteral("./") + file : file);
    return arguments;
}

QStringList scriptOptions(const QString& reportName, const QAStConfiguration* configuration)
{
    QStringList options{QStringLiteral("-report=") + quoted(reportName)};
    if (!configuration)
        return options;
    for (const ConfigurationOption& option : configurationOptions) {
        const QString text = optionFor(option, configuration->value(QLatin1String(option.key)));
        if (!text.isNull())
            options << text;
    }
    return options;
}

}  // namespace

QString mergeReportName(bool interactive, const QString& nodeName)
{
    if (!interactive)
        return QStringLiteral("indexWSSreport.html");
    if (!nodeName.isNull())
        return nodeName + QStringLiteral(".WSSreport.html");
    return QStringLiteral("GroupWSSreport.html");
}

MergeCommand mergeCommand(const QStringList& interpreter, const QString& scriptsDirectory,
                          const QStringList& scriptFiles, bool interactive, const QString& reportName,
                          const QAStConfiguration* configuration)
{
    const QString script = QStringLiteral("mergestacksize.pl");
    const QStringList files = fileArguments(scriptFiles);
    const QStringList options = scriptOptions(reportName, configuration);
    MergeCommand command;
    command.script = script;
    command.arguments << interpreter << scriptsDirectory + QDir::separator() + script;
    if (!interactive)
        command.arguments << QStringLiteral("-silent");
    command.arguments << files << options;
    command.echo = (QStringList{script} + files + options).join(QLatin1Char(' '));
    return command;
}
