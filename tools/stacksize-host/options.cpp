#include "options.h"

#include <QFileInfo>
#include <QProcess>

namespace {

const QString htmlSuffix = QStringLiteral(".html");

struct TextOption {
    const char* name;
    QString HostOptions::*field;
};

const TextOption textOptions[] = {
    {"plugin", &HostOptions::pluginPath},
    {"scripts-dir", &HostOptions::scriptsDirectory},
    {"images-dir", &HostOptions::imagesDirectory},
    {"node", &HostOptions::nodeName},
};

bool setInterpreter(const QString& value, HostOptions* options, QString* error)
{
    options->interpreter = QProcess::splitCommand(value);
    if (options->interpreter.isEmpty())
        *error = QStringLiteral("--interpreter needs a command");
    return !options->interpreter.isEmpty();
}

bool addConfiguration(const QString& value, HostOptions* options, QString* error)
{
    const int equals = value.indexOf(QLatin1Char('='));
    if (equals < 1) {
        *error = QStringLiteral("--config needs KEY=VALUE, got '%1'").arg(value);
        return false;
    }
    options->configuration.append({value.left(equals), value.mid(equals + 1)});
    return true;
}

// DIRECTORY/BASE.html, split as the plug-in's export takes it.
bool setExport(const QString& value, HostOptions* options, QString* error)
{
    const QFileInfo file(value);
    const QString name = file.fileName();
    if (!name.endsWith(htmlSuffix) || name.size() == htmlSuffix.size()) {
        *error = QStringLiteral("--export needs a file name ending in .html, got '%1'").arg(value);
        return false;
    }
    options->exportDirectory = file.path();
    options->exportBase = name.chopped(htmlSuffix.size());
    return true;
}

// The options that take a value and check it; a false `set` stops the parse.
struct ValueOption {
    const char* name;
    bool (*set)(const QString& value, HostOptions* options, QString* error);
};

const ValueOption valueOptions[] = {
    {"interpreter", setInterpreter},
    {"config", addConfiguration},
    {"export", setExport},
};

bool readValues(const QCommandLineParser& parser, HostOptions* options, QString* error)
{
    for (const ValueOption& option : valueOptions) {
        for (const QString& value : parser.values(QLatin1String(option.name))) {
            if (!option.set(value, options, error))
                return false;
        }
    }
    return true;
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

QList<QCommandLineOption> hostOptions()
{
    return {
        {QStringLiteral("plugin"),
         QStringLiteral("the plug-in library (default: libstacksizeview.so.1,\nfound by the dynamic loader)"),
         QStringLiteral("LIBRARY")},
        {QStringLiteral("scripts-dir"), QStringLiteral("where mergestacksize.pl is (default: .)"),
         QStringLiteral("DIRECTORY")},
        {QStringLiteral("interpreter"), QStringLiteral("the words that run the script (default: perl)"),
         QStringLiteral("COMMAND")},
        {QStringLiteral("images-dir"), QStringLiteral("where the plug-in's icon is (default: .)"),
         QStringLiteral("DIRECTORY")},
        {QStringLiteral("node"), QStringLiteral("offer a configuration node of that name"), QStringLiteral("NAME")},
        {QStringLiteral("config"),
         QStringLiteral("a value of the node's configuration; repeatable\n(keys: qxz_template, qxz_extstksize, "
                        "qxl_entrypoints,\nqxz_maxstacksize, qxz_securestacksize)"),
         QStringLiteral("KEY=VALUE")},
        {QStringLiteral("interactive"), QStringLiteral("open as a user would: named report, browser launch")},
        {QStringLiteral("describe"), QStringLiteral("print the plug-in's self-description")},
        {QStringLiteral("export"), QStringLiteral("copy the current report to FILE, a name ending in .html"),
         QStringLiteral("FILE")},
    };
}

const char hostDetails[] = "Loads the plug-in library, hands it a studio made from the options below,\n"
                           "and opens FILE... as the workbench would.  Result files (*.tsf with *.tzf)\n"
                           "are merged by the script DIRECTORY/mergestacksize.pl into an HTML report\n"
                           "written in the current directory (indexWSSreport.html; with --interactive,\n"
                           "NAME.WSSreport.html or GroupWSSreport.html).  A single existing report\n"
                           "(*.tzf.html) is opened with xdg-open when --interactive is given; the host\n"
                           "then waits for xdg-open to end.  After \"--\" every argument is a FILE.\n"
                           "\n"
                           "The plug-in writes each file name it examines, and the export destination,\n"
                           "on standard output.  Output-window lines go to standard output, error lines\n"
                           "to standard error, every byte as the script wrote it.  Without a display,\n"
                           "message boxes are written to standard error and closed.";

bool readHostOptions(const QCommandLineParser& parser, HostOptions* options, QString* error)
{
    for (const TextOption& option : textOptions) {
        if (parser.isSet(QLatin1String(option.name)))
            options->*option.field = parser.value(QLatin1String(option.name));
    }
    options->interactive = parser.isSet(QStringLiteral("interactive"));
    options->describe = parser.isSet(QStringLiteral("describe"));
    options->files = parser.positionalArguments();
    return readValues(parser, options, error) && checkCombination(*options, error);
}
