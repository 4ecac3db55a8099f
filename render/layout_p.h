// The laid-out sequence diagram: a plain model of columns, rows and shapes in
// unscaled pixels, computed from a trace without painting.
//
// Every shape keeps the event it draws (`object`) and the row it stands in
// (an index into `rows`, -1 for the header), so that tests and the painter can
// find it.  Styles are the configuration's, or the layout's own built-in ones.
#pragma once

#include "foundation/style.h"
#include "tdf/tdf_db.h"
#include "tdf/tdftime.h"

#include <QColor>
#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

class TCF;

// One instance's column, or the world's (instance null).
struct Column {
    TDFInstance* instance = nullptr;
    QString title;
    const Style* style = nullptr;  // of the title
    const Style* lifelineStyle = nullptr;
    bool visible = true;   // false: the world of a configuration that hides it
    int titleRow = -1;     // the row of its title box; -1: the header
    double x = 0;          // the lifeline
    double halfWidth = 0;  // room taken on each side of the lifeline
    QRectF titleBox;
    double lifelineTop = 0;
    double lifelineBottom = 0;
    bool crossed = false;  // the lifeline ends with a deletion cross
};

// One event's row: `y` is the line its arrow or mark sits on.
struct Row {
    TDFObject* object = nullptr;
    int index = 0;  // the event's index in the trace
    double top = 0;
    double y = 0;
    double bottom = 0;
};

struct Arrow {
    enum Kind { Message, Return, Creation, Self };
    Kind kind = Message;
    TDFObject* object = nullptr;
    const Style* style = nullptr;
    int row = -1;
    int fromColumn = 0;
    int toColumn = 0;
    QPolygonF path;  // from the sender's end to the arrowhead's tip
    QString label;
    QRectF labelBox;
};

// Activation bar of a column; level 0 is the outermost, deeper levels are
// offset to the right.
struct Bar {
    int column = 0;
    int level = 0;
    TDFObject* start = nullptr;  // the event that opened it; null before the window
    TDFObject* end = nullptr;    // the event that closed it; null when still open
    const Style* style = nullptr;
    QRectF rect;
};

// Title boxes, actions and notes.
struct Box {
    enum Kind { Title, Action, Note };
    Kind kind = Title;
    TDFObject* object = nullptr;  // null: the world's title
    const Style* style = nullptr;
    int row = -1;
    QRectF rect;
    QString text;
};

struct Cross {
    TDFObject* object = nullptr;  // the deletion
    const Style* style = nullptr;
    int row = -1;
    int column = 0;
    QPointF centre;
};

struct SyncBar {
    TDFObject* object = nullptr;
    const Style* style = nullptr;
    int row = -1;
    QRectF bar;
    QString label;
    QRectF labelBox;
};

// A glyph: a small mark with its text beside it.
struct Mark {
    TDFObject* object = nullptr;
    const Style* style = nullptr;
    int row = -1;
    bool warning = false;  // a glyph of a failure kind
    QPointF centre;
    QString label;
    QRectF labelBox;
};

// A loop's frame around its rows; its label sits in a tab at the top left.
struct Frame {
    TDFLoopStart* object = nullptr;
    const Style* style = nullptr;     // top, sides and label
    const Style* endStyle = nullptr;  // bottom edge
    int firstRow = -1;
    int lastRow = -1;
    QRectF rect;
    QString label;
    QRectF tab;
    bool openTop = false;     // the loop started before the window
    bool openBottom = false;  // the loop ends after the window
};

// A full-width line for a trigger or a new trace.
struct Separator {
    TDFObject* object = nullptr;
    const Style* style = nullptr;
    int row = -1;
    QLineF line;
    QString label;
    QRectF labelBox;
};

struct TextItem {
    const Style* style = nullptr;
    QRectF rect;
    QString text;
};

// The thin coloured edge of a row whose event ran on a thread.
struct ThreadEdge {
    TDFThread* thread = nullptr;
    int row = -1;
    QRectF rect;
    QColor color;
};

struct LegendEntry {
    QRectF swatch;
    QColor color;
    TextItem name;
};

struct DiagramLayout {
    std::vector<Column> columns;
    std::vector<Row> rows;
    std::vector<Frame> frames;
    std::vector<Bar> bars;
    std::vector<Separator> separators;
    std::vector<Arrow> arrows;
    std::vector<Box> boxes;
    std::vector<SyncBar> syncs;
    std::vector<Cross> crosses;
    std::vector<Mark> marks;
    std::vector<TextItem> times;
    std::vector<ThreadEdge> threadEdges;
    std::vector<LegendEntry> legend;
    QSizeF size;
    std::vector<std::unique_ptr<Style>> builtInStyles;  // styles the configuration has no slot for
};

// Formats the times of the time column.
struct TimeText {
    QString format;  // a format of TDFTime2StringFormat
    TDFTimeUnitType unit = TIME_UNIT_NONE;
    QString unitName;  // appended when the format does not apply

    QString operator()(unsigned long time) const;
};

// What a diagram is laid out from: the events in reading order, the
// configuration that styles them (null: built-in styles, world shown) and
// the window of events drawn, from `from` on, `count` of them (negative:
// to the end).
struct LayoutInput {
    const List<TDFObject*>* objects = nullptr;
    const TCF* tcf = nullptr;
    TimeText time;
    int from = 0;
    int count = -1;
};

// Lays out a diagram; text is measured, so a QGuiApplication must exist.
DiagramLayout layOutDiagram(const LayoutInput& input);

class SequenceDiagram;
// The layout a diagram paints, in unscaled pixels.
const DiagramLayout& diagramLayout(const SequenceDiagram& diagram);
