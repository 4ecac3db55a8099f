// The trace layer: trace objects and their factory, definition blocks, the
// reader TDF and the time functions.  The writer is in "tdf/tdfwrt.h".
#pragma once

#include "tdf/tdf_db.h"
#include "tdf/tdffactory.h"
#include "tdf/tdfobjects.h"
#include "tdf/tdfreader.h"
#include "tdf/tdftime.h"
