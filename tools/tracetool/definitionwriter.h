// Definition blocks written back as DB ... ED lines, so that a rewritten
// trace reads on its own.
#pragma once

#include "tdf/tdf_db.h"
#include "tdf/tdfwrt.h"

// Writes every block of `blocks`, in order, through the writer's stream.
void writeDefinitionBlocks(TDFWriter& writer, TDFDefinitionBlockList& blocks);
