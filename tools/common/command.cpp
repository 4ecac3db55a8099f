#include "tools/common/command.h"

#include "host/qafileutil.h"
#include "tools/common/output.h"

#include <QStringList>
#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

namespace {

// What the user types to run the current command, as "tracetool config".
QString commandPath;

// The program's application object, and what it is made with: Qt keeps
// references to the arguments.
struct ProgramApplication {
    QByteArray name;
    int argc = 1;
    char* argv[2] = {nullptr, nullptr};
    bool (*installTranslator)(const QLocale& locale) = nullptr;
    std::unique_ptr<QCoreApplication> object;
} application;

const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("print this help"));

// The arguments after the program's name, decoded as file names are.
QStringList commandLineArguments(int argc, char** argv)
{
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments << QAFileUtil::decodeName(argv[index]);
    return arguments;
}

QList<QCommandLineOption> optionsOf(const Command& command)
{
    return (command.options ? command.options() : QList<QCommandLineOption>()) << helpOption;
}

QString optionNames(const QCommandLineOption& option)
{
    QStringList names;
    for (const QString& name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    const QString value = option.valueName().isEmpty() ? QString() : u' ' + option.valueName();
    return names.join(QLatin1String(", ")) + value;
}

// Two columns, the second's lines (split at '\n') aligned.
QString table(const QList<QPair<QString, QString>>& rows)
{
    qsizetype width = 0;
    for (const auto& row : rows)
        width = std::max(width, row.first.size());
    QString text;
    for (const auto& [left, right] : rows) {
        const QStringList lines = right.split(u'\n');
        text += QStringLiteral("  ") + left.leftJustified(width + 2) + lines.first() + u'\n';
        for (const QString& line : lines.mid(1))
            text += QString(width + 4, u' ') + line + u'\n';
    }
    return text;
}

// A command's name and its arguments, as the usage line and the list of
// commands show them.
QString withArguments(const QString& name, const char* arguments)
{
    return *arguments ? name + u' ' + QLatin1String(arguments) : name;
}

QString optionTable(const QList<QCommandLineOption>& options)
{
    QList<QPair<QString, QString>> rows;
    for (const QCommandLineOption& option : options)
        rows.append({optionNames(option), option.description()});
    return table(rows);
}

// `text` after an empty line; nothing when it is empty.
QString block(const char* text)
{
    return text && *text ? u'\n' + QString::fromUtf8(text) + u'\n' : QString();
}

QString helpText(const Program& program, const Command& command)
{
    return QStringLiteral("Usage: %1\n%2\n")
               .arg(withArguments(commandPath + QStringLiteral(" [OPTION]..."), command.arguments),
                    QLatin1String(command.summary))
        + block(command.details) + QStringLiteral("\nOptions:\n") + optionTable(optionsOf(command))
        + block(program.exitStatuses);
}

QString programHelpText(const Program& program, const char* summary, const Command* const* commands, std::size_t count)
{
    QList<QPair<QString, QString>> rows;
    for (std::size_t index = 0; index < count; ++index)
        rows.append({withArguments(QLatin1String(commands[index]->name), commands[index]->arguments),
                     QLatin1String(commands[index]->summary)});
    return QStringLiteral("Usage: %1 COMMAND [OPTION]... [ARGUMENT]...\n%2\n"
                          "'%1 COMMAND --help' tells about one command.\n\nCommands:\n")
               .arg(QLatin1String(program.name), QLatin1String(summary))
        + table(rows) + QStringLiteral("\nOptions:\n") + optionTable({helpOption}) + block(program.exitStatuses);
}

// Qt's parser says "Unknown option 'x'."; the programs' messages start in
// lower case and end without a full stop.
QString asMessage(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

// A command line with the options of `options`; false after a usage error.
bool parse(QCommandLineParser* parser, const QList<QCommandLineOption>& options, const QStringList& arguments)
{
    parser->setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser->addOptions(options);
    return parser->parse(QStringList{commandPath} + arguments);
}

int runCommand(const Program& program, const Command& command, const QStringList& arguments)
{
    QCommandLineParser parser;
    if (!parse(&parser, optionsOf(command), arguments))
        return usageError(asMessage(parser.errorText()));
    if (!parser.isSet(helpOption))
        return command.run(parser);
    writeVerbatim(std::cout, helpText(program, command));
    return ExitOk;
}

// Runs the command named by the first of `arguments` with the others.
int runSubcommand(const Program& program, const Command* const* commands, std::size_t count, QStringList arguments)
{
    if (arguments.isEmpty())
        return usageError(QCoreApplication::translate("Command line", "no command given"));
    const QString name = arguments.takeFirst();
    const auto named = [&name](const Command* command) { return name == QLatin1String(command->name); };
    const Command* const* command = std::find_if(commands, commands + count, named);
    if (command == commands + count)
        return usageError(QCoreApplication::translate("Command line", "unknown command '%1'").arg(name));
    commandPath += u' ' + name;
    return runCommand(program, **command, arguments);
}

// Whether standard output can be written to at all: when it is closed, the
// first file opened would take its place.
bool standardOutputIsOpen()
{
    return fcntl(STDOUT_FILENO, F_GETFD) != -1;
}

std::unique_ptr<QCoreApplication> coreApplication(int& argc, char** argv)
{
    return std::make_unique<QCoreApplication>(argc, argv);
}

// A program's run: its name in front of its messages, its application with
// the translator, which ends with the run, and whether it can run at all.
class ProgramScope {
public:
    explicit ProgramScope(const Program& program)
    {
        setProgramName(QLatin1String(program.name));
        commandPath = QLatin1String(program.name);
        // Asked before the application opens files, which would take the
        // place of a closed standard output.
        const bool outputOpen = standardOutputIsOpen();
        // A write past the file size limit then fails with its reason
        // instead of killing the program.
        std::signal(SIGXFSZ, SIG_IGN);
        application.name = program.name;
        application.argv[0] = application.name.data();
        application.installTranslator = program.installTranslator;
        replaceApplication(coreApplication);
        if (!outputOpen) {
            printError(QCoreApplication::translate("Command line", "standard output is closed"));
            status_ = ExitTrouble;
        }
    }
    ~ProgramScope() { application.object.reset(); }
    ProgramScope(const ProgramScope&) = delete;
    ProgramScope& operator=(const ProgramScope&) = delete;

    int status() const { return status_; }

private:
    int status_ = ExitOk;
};

}  // namespace

int runProgram(const Program& program, const Command& command, int argc, char** argv)
{
    const ProgramScope scope(program);
    if (scope.status())
        return scope.status();
    return finishOutput(runCommand(program, command, commandLineArguments(argc, argv)));
}

int runProgram(const Program& program, const char* summary, const Command* const* commands, std::size_t count, int argc,
               char** argv)
{
    const ProgramScope scope(program);
    if (scope.status())
        return scope.status();
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!parse(&parser, {helpOption}, commandLineArguments(argc, argv)))
        return usageError(asMessage(parser.errorText()));
    if (!parser.isSet(helpOption))
        return finishOutput(runSubcommand(program, commands, count, parser.positionalArguments()));
    writeVerbatim(std::cout, programHelpText(program, summary, commands, count));
    return finishOutput(ExitOk);
}

void replaceApplication(std::unique_ptr<QCoreApplication> (*make)(int& argc, char** argv))
{
    application.object.reset();  // one application object at a time
    application.object = make(application.argc, application.argv);
    if (application.installTranslator)
        application.installTranslator(QLocale::system());
}

int usageError(const QString& message)
{
    printError(message);
    std::cerr << QCoreApplication::translate("Command line", "Try '%1 --help'.").arg(commandPath) << '\n';
    return ExitTrouble;
}
