#include "options.h"

#include <QProcess>

namespace {

using Apply = bool (*)(HostOptions& options, const QStringList& values, QString* error);

struct OptionSpec {
    const char* name;
    int valueCount;
    const char* valueNames;
    Apply apply;
};

bool setConfiguration(HostOptions& options, const QStringList& values, QString* error)
{
    const int equals = values[0].indexOf(QLatin1Char('='));
    if (equals < 1) {
        *error = QStringLiteral("--config needs KEY=VALUE, got '%1'").arg(values[0]);
        return false;
    }
    options.configuration.append({values[0].left(equals), values[0].mid(equals + 1)});
    return true;
}

bool setInterpreter(HostOptions& options, const QStringList& values, QString* error)
{
    options.interpreter = QProcess::splitCommand(values[0]);
    if (options.interpreter.isEmpty())
        *error = QStringLiteral("--interpreter needs a command");
    return !options.interpreter.isEmpty();
}

const OptionSpec optionSpecs[] = {
    {"--plugin", 1, "LIBRARY", [](HostOptions& o, const QStringList& v, QString*) { o.pluginPath = v[0]; return true; }},
    {"--scripts-dir", 1, "DIRECTORY", [](HostOptions& o, const QStringList& v, QString*) { o.scriptsDirectory = v[0]; return true; }},
    {"--interpreter", 1, "COMMAND", setInterpreter},
    {"--images-dir", 1, "DIRECTORY", [](HostOptions& o, const QStringList& v, QString*) { o.imagesDirectory = v[0]; return true; }},
    {"--node", 1, "NAME", [](HostOptions& o, const QStringList& v, QString*) { o.nodeName = v[0]; return true; }},
    {"--config", 1, "KEY=VALUE", setConfiguration},
    {"--interactive", 0, "", [](HostOptions& o, const QStringList&, QString*) { return o.interactive = true; }},
    {"--describe", 0, "", [](HostOptions& o, const QStringList&, QString*) { return o.describe = true; }},
    {"--export", 2, "DIRECTORY BASE", [](HostOptions& o, const QStringList& v, QString*) {
         o.exportDirectory = v[0];
         o.exportBase = v[1];
         return true;
     }},
    {"--help", 0, "", [](HostOptions& o, const QStringList&, QString*) { return o.help = true; }},
};

const OptionSpec* findSpec(const QString& name)
{
    for (const OptionSpec& spec : optionSpecs) {
        if (name == QLatin1String(spec.name))
            return &spec;
    }
    return name == QLatin1String("-h") ? findSpec(QStringLiteral("--help")) : nullptr;
}

// Applies the option at arguments[*index] and moves *index past its values.
bool applyOption(const QStringList& arguments, int* index, HostOptions* options, QString* error)
{
    const QString& name = arguments[*index];
    const OptionSpec* spec = findSpec(name);
    if (!spec) {
        *error = QStringLiteral("unknown option '%1'").arg(name);
        return false;
    }
    if (*index + spec->valueCount >= arguments.size()) {
        *error = QStringLiteral("%1 needs %2").arg(name, QLatin1String(spec->valueNames));
        return false;
    }
    const QStringList values = arguments.mid(*index + 1, spec->valueCount);
    *index += spec->valueCount;
    return spec->apply(*options, values, error);
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

} // namespace

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
xdg-open when --interactive is given.

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
