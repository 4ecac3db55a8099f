// tracetool: command-line work on trace configurations and traces.
//
// Each subcommand is a Command (tools/common/command.h), one row of the
// table in tracetool.cpp, with its own options and help.
#pragma once

#include "tools/common/command.h"

extern const Command configCommand;
extern const Command checkCommand;
extern const Command dumpCommand;
extern const Command statsCommand;
extern const Command rewriteCommand;
extern const Command renderCommand;
extern const Command exportCommand;
extern const Command htmlCommand;
extern const Command diffCommand;
