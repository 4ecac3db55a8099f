// A read trace's sequence model as one self-contained HTML page: an
// interactive viewer that draws on a canvas only what is on screen, so that
// a trace of millions of events scrolls as freely as a short one.
//
// The page holds its code, its styles and the model's data (participants,
// rows, bars, frames, threads, files and texts, as compressed columns of
// numbers) and asks for nothing else: its Content-Security-Policy forbids
// every network and file request.  Trace text never becomes markup: it is
// only in the compressed data, and the page draws it as text.
//
// The page's script API, on window.traceViewer: eventCount, participants(),
// visibleEvents(), select(n), search(pattern), focus(name), hide(name),
// setAxis("events" | "time"), expand(on), ready (a promise of the whole
// trace decoded).  Events are numbered from 0 in the model's row order.
#pragma once

#include "stacksizeview_export.h"

#include "sequence/sequencemodel.h"

#include <QByteArray>
#include <QString>

struct STACKSIZEVIEW_EXPORT HtmlViewerOptions {
    QString title;  // the page's title, e.g. the trace files' names
    // The same window and filters with every component drawn as its members,
    // which the page shows when the reader expands the components; null:
    // the page has no components to expand.
    const SequenceModel* expanded = nullptr;
};

// The page of a model.
STACKSIZEVIEW_EXPORT QByteArray htmlViewer(const SequenceModel& model,
                                           const HtmlViewerOptions& options = HtmlViewerOptions());
