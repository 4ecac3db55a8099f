// What the writer's files share: records start with their opcode, from the
// opcode table that the reader's dispatch reads too.
#pragma once

#include "tdf/opcodes_p.h"
#include "tdf/tdfwrt.h"

#include <ostream>

// Starts a record line with its opcode.
inline std::ostream& record(TDFWriter& writer, TDFOpcode opcode)
{
    return *writer.stream << TDFOpcodes::text(opcode);
}
