// One model of a read trace for every view of it: the participants (columns
// or lifelines), one row per drawn event in reading order, activation bars
// and loop frames, after the window and the filters of SequenceOptions.
//
// A view draws this model and nothing else: it never walks the trace's
// objects.  The model is built in one pass over the trace; every decision a
// view would otherwise repeat is made here once: which instances get a
// lifeline, where it starts and ends, an event's label, style and thread,
// which notes and glyphs go with their event, which bars and frames are
// open, how deep nesting is folded.
//
// Participants and events refer to each other by index.  Styles are the
// configuration's (own or model style of the event, else the default style
// of its kind); a null style means the configuration has none, and the view
// uses its own.  The `instance` and `source` pointers identify the trace
// objects for tools and tests; views do not follow them.
#pragma once

#include "stacksizeview_export.h"

#include "tdf/tdftime.h"

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <vector>

class Style;
class TCF;
class TDF;
class TDFInstance;
class TDFObject;

// The window and filters of a view.  Every view takes the same options, so
// that it shows the same events.
struct STACKSIZEVIEW_EXPORT SequenceOptions {
    // Instances whose names match `pattern` are drawn as one participant `name`.
    struct Component {
        QRegularExpression pattern;
        QString name;
    };

    int from = 0;    // the window's first event: its position among the trace's objects
    int count = -1;  // events in the window; negative: all from `from` on
    bool timeWindow = false;
    unsigned long long timeFrom = 0;  // with timeWindow: only events timed from..to, in the trace's unit
    unsigned long long timeTo = 0;
    QString timeFormat;              // format of the time texts (see tdftime.h); null: the trace's
    QList<QRegularExpression> only;  // when not empty: only instances whose names match one
    QList<QRegularExpression> hide;  // instances whose names match one are left out
    bool hideEdges = false;          // leave out messages to or from an instance left out
    bool hideReturns = false;        // leave out returns
    bool hideNotes = false;          // leave out notes
    QList<Component> components;     // the first rule that matches a name applies
    bool hideInternal = false;       // leave out messages inside a component
    QStringList threads;             // when not empty: only events of these threads, by number or name
};

struct STACKSIZEVIEW_EXPORT SequenceParticipant {
    enum Kind { World, Instance, Component, Edge };

    Kind kind = Instance;
    QString name;
    QString type;                  // an instance's type ("task", ...); empty for the others
    const Style* style = nullptr;  // of its title
    // False for the world of a configuration that does not show it, and for
    // the edge: messages to or from an instance left out go to the edge.
    bool visible = true;
    int birth = -1;                         // the event whose row holds its title; -1: the header
    int end = -1;                           // the event whose row holds its deletion cross; -1: it lives on
    int members = 1;                        // instances a component stands for
    const TDFInstance* instance = nullptr;  // null for the world, a component and the edge
};

// A note or glyph drawn below its event's row.
struct STACKSIZEVIEW_EXPORT SequenceAnnotation {
    bool glyph = false;
    bool warning = false;  // a glyph of a failure kind
    QString text;
    const Style* style = nullptr;
    const TDFObject* source = nullptr;
};

struct STACKSIZEVIEW_EXPORT SequenceEvent {
    enum Kind : unsigned char {
        Birth,            // an instance's title on a row of its own
        Message,          // from -> to; `creates`: the receiver's title is on this row
        Return,           // from (the message's receiver) -> to (its sender)
        Deletion,         // crosses on `over`
        Action,           // a box on `from`
        Synchronisation,  // a bar across `over`
        Note,             // on `from`'s lifeline
        Glyph,            // on `from`'s lifeline
        LoopStart,        // starts frame `frame`
        LoopEnd,          // ends frame `frame`
        Divider           // a new trace or a trigger mark, across the diagram
    };

    Kind kind = Message;
    bool creates = false;
    bool warning = false;  // a glyph of a failure kind
    bool timed = true;     // false: the event has no time of its own (a new trace)
    bool call = false;     // a message announced by a call (MC)
    int from = -1;         // participants; -1 for none
    int to = -1;
    int destroyed = -1;     // a return: the participant whose deletion is drawn with it
    int frame = -1;         // a loop start or end: its frame
    int thread = -1;        // the thread it ran on, in SequenceModel::threads; -1: none
    int position = 0;       // among the trace's objects: the number `tracetool dump` counts
    int file = -1;          // the trace file, in SequenceModel::files; -1: none
    unsigned int line = 0;  // the line of its record in that file; 0: unknown
    unsigned long long time = 0;
    QString label;
    QString link;
    const Style* style = nullptr;
    QList<int> over;                        // a deletion's or synchronisation's participants
    QList<SequenceAnnotation> annotations;  // notes and glyphs below the row
    const TDFObject* source = nullptr;

    bool isArrow() const { return kind == Message || kind == Return; }
};

// A place between the rows: at the line of row `row`, or above it (at its
// top, before anything it draws).  Row may be the number of rows: below
// the last one.
struct STACKSIZEVIEW_EXPORT SequenceMark {
    int row = 0;
    bool atLine = false;

    bool operator==(const SequenceMark& other) const { return row == other.row && atLine == other.atLine; }
    bool operator<(const SequenceMark& other) const
    {
        return row != other.row ? row < other.row : !atLine && other.atLine;
    }
};

// An activation bar: level 0 is the outermost.  Bars deeper than
// SequenceModel::maxNesting are folded into the bar at that level, whose
// `depth` tells the deepest level folded into it.
struct STACKSIZEVIEW_EXPORT SequenceBar {
    int participant = 0;
    int level = 0;
    int depth = 0;
    SequenceMark begin;
    SequenceMark end;
    bool openTop = false;     // it started before the window
    bool openBottom = false;  // it ends after the window
};

// A loop frame from its start row to its end row.  Loops nested deeper than
// SequenceModel::maxNesting are folded into the frame at that level.
struct STACKSIZEVIEW_EXPORT SequenceFrame {
    QString label;                    // the loop's name, or "×N" for N iterations
    const Style* style = nullptr;     // the start's: top, sides and label
    const Style* endStyle = nullptr;  // the end's: bottom edge
    int level = 0;
    int depth = 0;
    int begin = -1;  // the loop start's row; -1: the loop started before the window
    int end = -1;    // the loop end's row; -1: it ends after the window
    int participant = -1;
    bool empty = false;  // no row between its ends
};

struct STACKSIZEVIEW_EXPORT SequenceThread {
    QString name;  // may be null
    unsigned long number = 0;
    int colorIndex = 0;  // 0 to 10
};

class STACKSIZEVIEW_EXPORT SequenceModel {
public:
    static constexpr int maxNesting = 6;

    std::vector<SequenceParticipant> participants;  // the world first, then by birth; the edge last
    std::vector<SequenceEvent> events;              // one per row, in reading order
    std::vector<SequenceBar> bars;                  // by their tops
    std::vector<SequenceFrame> frames;              // outer loops first
    std::vector<SequenceThread> threads;            // in order of first appearance
    QStringList files;
    const TCF* configuration = nullptr;  // the trace's; may be null
    int windowFirst = 0;                 // the window, as positions of the trace's objects
    int windowLast = 0;                  // past the last

    // The default style of a kind of object in the configuration; null without.
    const Style* slotStyle(int tcfObject) const;
    // A time of the trace as text, in the model's format and the trace's unit.
    QString timeText(unsigned long long time) const;
    // What timeText() formats with (see tdftime.h): the format, the trace's
    // unit (none when it named none, or one not known) and the text of its TU
    // line (null when it had none).
    const QString& timeFormat() const { return timeFormat_; }
    TDFTimeUnitType timeUnit() const { return timeUnit_; }
    const QString& timeUnitName() const { return timeUnitName_; }
    // The row of the event at `position` among the trace's objects; -1 when it has none.
    int eventAt(int position) const;

private:
    friend class SequenceBuilder;
    QString timeFormat_;
    TDFTimeUnitType timeUnit_ = TIME_UNIT_NONE;
    QString timeUnitName_;
};

// The model of `trace` with the window and filters of `options`.
STACKSIZEVIEW_EXPORT SequenceModel buildSequenceModel(TDF& trace, const SequenceOptions& options = SequenceOptions());
