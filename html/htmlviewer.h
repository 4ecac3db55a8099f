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
// trace decoded), and on a page with differences hunks() and hunk(i).
// Events are numbered from 0 in the model's row order.
#pragma once

#include "stacksizeview_export.h"

#include "sequence/sequencemodel.h"

#include <QByteArray>
#include <QString>

#include <vector>

// How the model's trace, a run, differs from a golden run, drawn over the
// page: the rows only in the run are highlighted as added; where events of
// the golden run are missing, a band between the rows tells how many and
// lists them when selected; rows whose timing moved are marked; the hunks
// (stretches of changes with the rows around them) are listed to jump
// through.  Rows are those of the model, from 0.
struct STACKSIZEVIEW_EXPORT HtmlDifferences {
    // Events of the golden run that the run lacks, between two of its rows.
    struct Deleted {
        struct Event {
            QString text;   // one line, e.g. as tracetool dump prints it
            QString place;  // where it was recorded, e.g. "run.tdf:12"; may be empty
        };
        int before = 0;  // the row they stand above; the number of rows: below the last
        std::vector<Event> events;
    };
    // A row whose time since the previous matched event moved beyond the tolerance.
    struct Retimed {
        int row = 0;
        QString text;  // how it moved, for the details
    };
    struct Hunk {
        int first = 0;  // rows first..last; last is first - 1 for a hunk of deleted events alone,
        int last = -1;  // which stand above row `first`
        QString title;  // e.g. "@@ -10,3 +10,2 @@"
    };

    QString golden;                // the golden run's name, as the page shows it
    QString summary;               // one line: what was equal, deleted, inserted
    std::vector<int> inserted;     // the rows only in the run, ascending
    std::vector<Deleted> deleted;  // ascending by `before`
    std::vector<Retimed> retimed;  // ascending by row
    std::vector<Hunk> hunks;       // top to bottom
};

struct STACKSIZEVIEW_EXPORT HtmlViewerOptions {
    QString title;  // the page's title, e.g. the trace files' names
    // The same window and filters with every component drawn as its members,
    // which the page shows when the reader expands the components; null:
    // the page has no components to expand.
    const SequenceModel* expanded = nullptr;
    // Drawn over the model; null: a page of one trace.  A page with
    // differences shows the model as it was compared: `expanded` is ignored.
    const HtmlDifferences* differences = nullptr;
};

// The page of a model.
STACKSIZEVIEW_EXPORT QByteArray htmlViewer(const SequenceModel& model,
                                           const HtmlViewerOptions& options = HtmlViewerOptions());
