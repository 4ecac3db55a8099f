#include "tools/common/command.h"

#include "host/qafileutil.h"
#include "tools/common/output.h"

#include <QStringList>
#include <algorithm>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

namespace {

// What the user types to run the current command, as "tracetool config".
QString commandPath;

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
        return usageError(QStringLiteral("no command given"));
    const QString name = arguments.takeFirst();
    const auto named = [&name](const Command* command) { return name == QLatin1String(command->name); };
    const Command* const* command = std::find_if(commands, commands + count, named);
    if (command == commands + count)
        return usageError(QStringLiteral("unknown command '%1'").arg(name));
    commandPath += u' ' + name;
    return runCommand(program, **command, arguments);
}

// Whether standard output can be written to at all: when it is closed, the
// first file opened would take its place.
bool standardOutputIsOpen()
{
    return fcntl(STDOUT_FILENO, F_GETFD) != -1;
}

int start(const Program& program)
{
    setProgramName(QLatin1String(program.name));
    commandPath = QLatin1String(program.name);
    if (standardOutputIsOpen())
        return ExitOk;
    printError(QStringLiteral("standard output is closed"));
    return ExitTrouble;
}

}  // namespace

int runProgram(const Program& program, const Command& command, int argc, char** argv)
{
    if (const int status = start(program))
        return status;
    return finishOutput(runCommand(program, command, commandLineArguments(argc, argv)));
}

int runProgram(const Program& program, const char* summary, const Command* const* commands, std::size_t count, int argc,
               char** argv)
{
    if (const int status = start(program))
        return status;
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!parse(&parser, {helpOption}, commandLineArguments(argc, argv)))
        return usageError(asMessage(parser.errorText()));
    if (!parser.isSet(helpOption))
        return finishOutput(runSubcommand(program, commands, count, parser.positionalArguments()));
    writeVerbatim(std::cout, programHelpText(program, summary, commands, count));
    return finishOutput(ExitOk);
}

int usageError(const QString& message)
{
    printError(message);
    std::cerr << "Try '" << commandPath << " --help'.\n";
    return ExitTrouble;
}
