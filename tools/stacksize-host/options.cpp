#include "options.h"

#include <QProcess>

namespace {

struct FlagOption {
    const char* name;
    bool HostOptions::*field;
};

const FlagOption flagOptions[] = {
    {"--interactive", &HostOptions::interactive},
    {"--describe", &HostOptions::describe},
    {"--help", &HostOptions::help},
    {"-h", &HostOptions::help},
};

struct TextOption {
    const char* name;
    const char* valueName;
    QString HostOptions::*field;
};

const TextOption textOptions[] = {
    {"--plugin", "LIBRARY", &HostOptions::pluginPath},
    {"--scripts-dir", "DIRECTORY", &HostOptions::scriptsDirectory},
    {"--images-dir", "DIRECTORY", &HostOptions::imagesDirectory},
    {"--node", "NAME", &HostOptions::nodeName},
};

bool setInterpreter(const QStringList& values, HostOptions* options, QString* error)
{
    options->interpreter = QProcess::splitCommand(values[0]);
    if (options->interpreter.isEmpty())
        *error = QStringLiteral("--interpreter needs a command");
    return !options->interpreter.isEmpty();
}

bool setConfiguration(const QStringList& values, HostOptions* options, QString* error)
{
    const int equals = values[0].indexOf(QLatin1Char('='));
    if (equals < 1) {
        *error = QStringLiteral("--config needs KEY=VALUE, got '%1'").arg(values[0]);
        return false;
    }
    options->configuration.append({values[0].left(equals), values[0].mid(equals + 1)});
    return true;
}

bool setExport(const QStringList& values, HostOptions* options, QString*)
{
    options->exportDirectory = values[0];
    options->exportBase = values[1];
    return true;
}

struct ValueOption {
    const char* name;
    const char* valueNames;  // one word per value
    bool (*apply)(const QStringList& values, HostOptions* options, QString* error);
};

const ValueOption valueOptions[] = {
    {"--interpreter", "COMMAND", setInterpreter},
    {"--config", "KEY=VALUE", setConfiguration},
    {"--export", "DIRECTORY BASE", setExport},
};

// The values of the option at arguments[*index], one per word of
// `valueNames`; *index moves past them.
bool takeValues(const QStringList& arguments, int* index, const char* valueNames, QStringList* values, QString* error)
{
    const int count = QString::fromLatin1(valueNames).split(QLatin1Char(' ')).size();
    if (*index + count >= arguments.size()) {
        *error = QStringLiteral("%1 needs %2").arg(arguments[*index], QLatin1String(valueNames));
        return false;
    }
    *values = arguments.mid(*index + 1, count);
    *index += count;
    return true;
}

template <class Option, int count>
const Option* findOption(const Option (&options)[count], const QString& name)
{
    for (const Option& option : options) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

bool applyOption(const QStringList& arguments, int* index, HostOptions* options, QString* error)
{
    const QString& name = arguments[*index];
    QStringList values;
    if (const FlagOption* flag = findOption(flagOptions, name)) {
        options->*flag->field = true;
        return true;
    }
    if (const TextOption* text = findOption(textOptions, name)) {
        if (!takeValues(arguments, index, text->valueName, &values, error))
            return false;
        options->*text->field = values[0];
        return true;
    }
    if (const ValueOption* option = findOption(valueOptions, name))
        return takeValues(arguments, index, option->valueNames, &values, error)
            && option->apply(values, options, error);
    *error = QStringLiteral("unknown option '%1'").arg(name);
    return false;
}

bool checkCombination(const HostOptions& options, QString* error)
{
    if (!options.configuration.isEmpty() && options.nodeName.isNull())
        *error = QStringLiteral("--config needs --node: the configuration belongs to the node");
    else if (options.files.isEmpty() && !options.describe)
        *error = QStringLiteral("nothing to do: give FILE... or --describe");
    else
        return true;
    return false;
}

}  // namespace

bool parseHostOptions(const QStringList& arguments, HostOptions* options, QString* error)
{
    bool filesOnly = false;
    for (int index = 0; index < arguments.size(); ++index) {
        const QString& argument = arguments[index];
        if (filesOnly || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-"))
            options->files << argument;
        else if (argument == QLatin1String("--"))
            filesOnly = true;
        else if (!applyOption(arguments, &index, options, error))
            return false;
    }
    return options->help || checkCombination(*options, error);
}

QString hostUsage()
{
    return QStringLiteral(R"(Usage: stacksize-host [OPTION]... FILE...
Runs the stack-size viewer plug-in outside the workbench: loads the plug-in
library, hands it a studio made from the options below, and opens FILE...
as the workbench would.  Result files (*.tsf with *.tzf) are merged by the
script DIRECTORY/mergestacksize.pl into an HTML report written in the
current directory (indexWSSreport.html; with --interactive, NAME.WSSreport.html
or GroupWSSreport.html).  A single existing report (*.tzf.html) is opened with
xdg-open when --interactive is given; the host then waits for xdg-open to end.

The plug-in writes each file name it examines, and the export destination, on
standard output.  Output-window lines go to standard output, error lines to
standard error.

Options:
  --plugin LIBRARY        the plug-in library (default: libstacksizeview.so.1,
                          found by the dynamic loader)
  --scripts-dir DIRECTORY where mergestacksize.pl is (default: .)
  --interpreter COMMAND   the words that run the script (default: perl)
  --images-dir DIRECTORY  where the plug-in's icon is (default: .)
  --node NAME             offer a configuration node of that name
  --config KEY=VALUE      a value of the node's configuration; repeatable
                          (keys: qxz_template, qxz_extstksize, qxl_entrypoints,
                          qxz_maxstacksize, qxz_securestacksize)
  --interactive           open as a user would: named report, browser launch
  --describe              print the plug-in's self-description
  --export DIRECTORY BASE copy the current report to DIRECTORY/BASE.html
  -h, --help              print this help
  --                      every later argument is a FILE

Without a display, message boxes are written to standard error and closed.
Exit status: 0 on success, 1 when the plug-in cannot be loaded or the export
fails, 2 on a bad command line or a missing file or interpreter.
)");
}
