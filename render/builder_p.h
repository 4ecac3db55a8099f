// The steps that lay a diagram out, in the order build() runs them; each
// group of steps has its own source file.
#pragma once

#include "render/diagramstyles_p.h"
#include "render/geometry_p.h"
#include "render/layout_p.h"
#include "render/window_p.h"

#include <QHash>

#include <vector>

// What a row shows.
enum class RowKind {
    Title,
    Message,
    Self,
    Creation,
    Return,
    Deletion,
    Action,
    Sync,
    Note,
    Glyph,
    LoopStart,
    LoopEnd,
    Separator
};

// Column `right` must stand at least `distance` right of column `left`.
struct Spacing {
    int left;
    int right;
    double distance;
};

// The events that open and close a bar, by index; `end` is the trace's size
// while the bar stays open.
struct Span {
    int start;
    int end;
};

// The bars of one column at one level, by their tops, with how far down the
// bars up to each one reach, so that edgeX looks only at the bars near y.
struct LevelBars {
    int level = 0;
    std::vector<int> bars;      // indexes into the layout's bars
    std::vector<double> reach;  // reach[i]: the lowest bottom of bars[0..i]
};

// How far a row's content reaches above and below its line.
struct Extent {
    double above = 0;
    double below = 0;
};

class LayoutBuilder {
public:
    explicit LayoutBuilder(const LayoutInput& input);
    DiagramLayout build();

private:
    const LayoutInput& input_;
    TraceWindow window_;
    DiagramLayout layout_;
    DiagramStyles styles_;
    std::vector<RowKind> kinds_;          // per row
    std::vector<double> annotationTops_;  // per row: where the notes and glyphs below it start
    QHash<const TDFInstance*, int> columnOf_;
    QHash<const TDFObject*, int> rowOf_;          // the row an event is drawn in
    std::vector<std::vector<LevelBars>> barsOf_;  // per column, deepest level first
    std::vector<std::vector<Span>> spansOf_;      // per column: its outer bars, in the whole trace, in order
    double headerTop_ = geometry::margin;
    double headerHeight_ = 0;
    double rowsTop_ = 0;
    double rowsBottom_ = 0;
    double areaLeft_ = 0;             // where the columns start
    double edgeLeft_ = 0;             // where the thread edges stand
    std::vector<QString> timeTexts_;  // per row; empty where the time does not change

    // columns.cpp: which instances get a column, and where.
    void chooseColumns();
    void addColumn(TDFInstance* instance);
    std::vector<Spacing> labelSpacings(const std::vector<double>& half);
    void placeColumns();
    std::vector<double> halfWidths();
    void placeTitlesAndLifelines();

    // rows.cpp: one row per drawn event, top to bottom.
    void buildRows();
    bool classify(int index, bool interactionSeen, RowKind* kind);
    bool drawnWithOwner(TDFObject* owner) const;
    void addRow(int index, RowKind kind);
    void stackRows();
    Extent extentOf(int row);
    double annotationHeight(int row);

    // labels.cpp: texts shown and their sizes.
    bool arrowEnds(int row, TDFInstance** from, TDFInstance** to) const;
    QString arrowLabel(int row);
    const Style* arrowStyle(int row) const;
    const Style* noteStyle(TDFNote* note) const;
    const Style* glyphStyle(TDFGlyph* glyph) const;
    QString glyphText(TDFGlyph* glyph);
    QString objectText(TDFObject* object, double maxWidth, const Style* style);
    QSizeF titleSize(const Column& column);
    QSizeF noteSize(TDFNote* note);
    std::vector<TDFObject*> rowObjects(int row) const;

    // activations.cpp: activation bars and the arrow ends they move.
    void buildBars();
    void addOuterBars(int column);
    void addNestedBars();
    void addBar(int column, int level, const Span& span);
    void indexBars(std::vector<LevelBars>& levels);
    const Bar* coveringBar(const LevelBars& bars, double y, const TDFObject* opener) const;
    double eventY(TDFObject* object) const;
    double edgeX(int column, double y, double towardsX, const TDFObject* opener = nullptr) const;

    // arrows.cpp: messages, returns, creations and self messages.
    void buildArrows();
    void addArrow(int row, int from, int to);
    QPolygonF arrowPath(const Arrow& arrow, double y) const;

    // marks.cpp: actions, synchronisations, crosses, notes and glyphs.
    void buildMarks();
    void addAction(int row, TDFAction* action);
    void addSync(int row, TDFSynchronisation* sync);
    void addCrosses(int row, TDFObject* deletion);
    void addCross(int row, TDFObject* deletion, TDFInstance* instance);
    void addAnnotations(int row);
    void addNote(int row, TDFNote* note, QPointF topLeft);
    void addMark(int row, TDFGlyph* glyph, QPointF centre);
    double anchorLeft(int row) const;
    double columnX(const TDFInstance* instance) const;
    void addOwnRowDecoration(int row);

    // frames.cpp: loop frames around their rows.
    void buildFrames();
    void addFrame(TDFLoopStart* start);
    void separateOpenTabs();
    QRectF rowContent(int firstRow, int lastRow, double emptyX) const;

    // margins.cpp: time column, thread edges, separators, legend and size.
    void measureTimeColumn();
    void buildTimes();
    void buildThreadEdges();
    void buildSeparators();
    void buildLegend();
    void finishSize();

    int columnOf(const TDFInstance* instance) const;
    int rowOf(const TDFObject* object) const;
    const Row& row(int index) const { return layout_.rows[std::size_t(index)]; }
};
