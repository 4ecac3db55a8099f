// Readable summaries of trace configurations.
#pragma once

#include "tcf/tcf.h"

#include <ostream>

void printSummary(std::ostream& out, const TCF& tcf);
