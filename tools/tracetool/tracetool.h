// tracetool: command-line work on trace configurations.
//
// Each subcommand is a Command (tools/common/command.h), one row of the
// table in tracetool.cpp, with its own options and help.
#pragma once

#include "tools/common/command.h"

extern const Command configCommand;
