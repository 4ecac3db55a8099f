// The differences from a golden run as the viewer page's data: one chunk of
// columns (see tracedata_p.h) with its own table of texts.
//
// Columns: insertedFirst and insertedCount (the inserted rows as runs of
// consecutive rows), deletedBefore, deletedCount, deletedText and
// deletedPlace (the deleted events, deletedCount of them per place between
// rows), retimedRow and
// retimedText, hunkFirst, hunkLast and hunkTitle.  The manifest names the
// golden run and holds the summary.
#pragma once

#include "html/htmlviewer.h"
#include "html/tracedata_p.h"

DataChunk differencesChunk(const HtmlDifferences& differences);
