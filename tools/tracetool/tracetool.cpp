// Entry point of tracetool: the subcommand table.
#include "tools/tracetool/tracetool.h"

#include "foundation/translation.h"

#include <iterator>

namespace {

const Command* const commands[] = {
    &configCommand, &checkCommand,  &dumpCommand, &statsCommand, &rewriteCommand,
    &renderCommand, &exportCommand, &htmlCommand, &diffCommand,
};

const Program tracetool = {
    "tracetool",
    "Exit status: 0 when all is well, 1 after a syntax, configuration or trace error,\n"
    "2 for a bad command line, an unreadable file or unwritable output.",
    installStackSizeViewTranslator,
};

}  // namespace

int main(int argc, char** argv)
{
    return runProgram(tracetool, "Works on trace configurations and traces.", commands, std::size(commands), argc,
                      argv);
}
