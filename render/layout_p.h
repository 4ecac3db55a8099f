// The laid-out sequence diagram: columns, rows and shapes in unscaled pixels,
// computed from a sequence model without painting.
//
// Columns are the model's participants and rows its events, index for index.
// Every shape keeps the row it stands in (-1 for the header) and the trace
// object it draws (`object`, from the model, for tests and tools; never
// followed here).  Styles are the configuration's, or the layout's own
// built-in ones.
#pragma once

#include "foundation/style.h"
#include "sequence/sequencemodel.h"

#include <QColor>
#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

// One participant's column.
struct Column {
    const TDFInstance* instance = nullptr;  // null for the world, a component or the edge
    QString title;
    const Style* style = nullptr;  // of the title
    const Style* lifelineStyle = nullptr;
    bool visible = true;   // false: the world of a configuration that hides it, the edge
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
    const TDFObject* object = nullptr;
    int index = 0;  // the event's position in the trace
    double top = 0;
    double y = 0;
    double bottom = 0;
};

struct Arrow {
    enum Kind { Message, Return, Creation, Self };
    Kind kind = Message;
    const TDFObject* object = nullptr;
    const Style* style = nullptr;
    int row = -1;
    int fromColumn = 0;
    int toColumn = 0;
    QPolygonF path;  // from the sender's end to the arrowhead's tip
    QString label;
    QRectF labelBox;
};

// Activation bar of a column; level 0 is the outermost, deeper levels are
// offset to the right.  A bar into which deeper ones are folded shows how
// deep they go.
struct Bar {
    int column = 0;
    int level = 0;
    int startRow = -1;  // the row whose event opened it; -1 when it opened above a row's line
    int endRow = -1;    // the row whose event closed it; -1 when it closed above a row's line
    const Style* style = nullptr;
    QRectF rect;
    QString depthLabel;  // empty when nothing is folded into it
    QRectF depthBox;
};

// Title boxes, actions and notes.
struct Box {
    enum Kind { Title, Action, Note };
    Kind kind = Title;
    const TDFObject* object = nullptr;  // null for a title
    int column = -1;                    // a title's column
    const Style* style = nullptr;
    int row = -1;
    QRectF rect;
    QString text;
};

struct Cross {
    const TDFObject* object = nullptr;  // the deletion
    const Style* style = nullptr;
    int row = -1;
    int column = 0;
    QPointF centre;
};

struct SyncBar {
    const TDFObject* object = nullptr;
    const Style* style = nullptr;
    int row = -1;
    QRectF bar;
    QString label;
    QRectF labelBox;
};

// A glyph: a small mark with its text beside it.
struct Mark {
    const TDFObject* object = nullptr;
    const Style* style = nullptr;
    int row = -1;
    bool warning = false;  // a glyph of a failure kind
    QPointF centre;
    QString label;
    QRectF labelBox;
};

// A loop's frame around its rows; its label sits in a tab at the top left.
struct Frame {
    const TDFObject* object = nullptr;  // the loop start; null when it started before the window
    const Style* style = nullptr;       // top, sides and label
    const Style* endStyle = nullptr;    // bottom edge
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
    const TDFObject* object = nullptr;
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
    int thread = -1;  // in the model's threads
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

// Lays out a model; text is measured, so a QGuiApplication must exist.
DiagramLayout layOutDiagram(const SequenceModel& model);

class SequenceDiagram;
// The layout a diagram paints, in unscaled pixels.
const DiagramLayout& diagramLayout(const SequenceDiagram& diagram);
