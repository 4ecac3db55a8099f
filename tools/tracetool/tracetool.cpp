// Entry point of tracetool: finds the subcommand and hands it the rest of the
// command line.
#include "tools/tracetool/tracetool.h"

#include <iostream>

namespace {

const Command commands[] = {
    {"config", "config [--help] FILE...", "load resource files and summarize their trace configurations", runConfig},
};

void printHelp()
{
    std::cout << "Usage: tracetool COMMAND [ARGUMENTS]\n"
                 "       tracetool --help\n\nCommands:\n";
    for (const Command& command : commands)
        std::cout << "  " << command.synopsis << "\n      " << command.summary << "\n";
    std::cout << "\nExit status: 0 success, 1 problems in the input, 2 bad command line or unreadable file.\n";
}

const Command* findCommand(const QString& name)
{
    for (const Command& command : commands)
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const QString& text)
{
    return out << text.toLocal8Bit().constData();
}

int usageError(const QString& message)
{
    std::cerr << "tracetool: " << message << "\nTry 'tracetool --help'.\n";
    return ExitUsage;
}

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.isEmpty())
        return usageError(QStringLiteral("no command given"));
    const QString name = arguments.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        printHelp();
        return ExitOk;
    }
    if (const Command* command = findCommand(name))
        return command->run(arguments);
    return usageError(name.startsWith(u'-') ? QStringLiteral("unknown option '%1'").arg(name)
                                            : QStringLiteral("unknown command '%1'").arg(name));
}
