// The steps that lay a diagram out, in the order build() runs them; each
// group of steps has its own source file.
#pragma once

#include "render/diagramstyles_p.h"
#include "render/geometry_p.h"
#include "render/layout_p.h"

#include <limits>
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
    explicit LayoutBuilder(const SequenceModel& model);
    DiagramLayout build();

private:
    const SequenceModel& model_;
    DiagramLayout layout_;
    DiagramStyles styles_;
    std::vector<RowKind> kinds_;                  // per row
    std::vector<double> annotationTops_;          // per row: where the notes and glyphs below it start
    std::vector<std::vector<LevelBars>> barsOf_;  // per column, deepest level first
    double headerTop_ = geometry::margin;
    double headerHeight_ = 0;
    double tabBand_ = 0;  // above the rows: the tabs of the loops open at the window's top
    double rowsTop_ = 0;
    double rowsBottom_ = 0;
    double areaLeft_ = 0;             // where the columns start
    double edgeLeft_ = 0;             // where the thread edges stand
    std::vector<QString> timeTexts_;  // per row; empty where the time does not change
    struct Reach {
        double left = std::numeric_limits<double>::infinity();
        double right = -std::numeric_limits<double>::infinity();
    };
    std::vector<Reach> rowReach_;  // per row: how far its content and the frames in it reach

    // columns.cpp: a column per participant, and where.
    void chooseColumns();
    std::vector<Spacing> labelSpacings(const std::vector<double>& half);
    void placeColumns();
    std::vector<double> halfWidths();
    void placeTitlesAndLifelines();

    // rows.cpp: one row per event, top to bottom.
    void buildRows();
    static RowKind kindOf(const SequenceEvent& event);
    void stackRows();
    Extent extentOf(int row);
    double annotationHeight(int row);

    // labels.cpp: texts shown and their sizes.
    bool isArrow(int row) const;
    QString arrowLabel(int row);
    const Style* arrowStyle(int row) const;
    const Style* glyphStyle(bool warning) const;
    QString shownText(const QString& text, const Style* style);
    QSizeF titleSize(const Column& column);
    QSizeF noteSize(const QString& text, const Style* style);

    // activations.cpp: activation bars and the arrow ends they move.
    void buildBars();
    void addBar(const SequenceBar& bar);
    void indexBars(std::vector<LevelBars>& levels);
    const Bar* coveringBar(const LevelBars& bars, double y, int openingRow) const;
    double markY(const SequenceMark& mark) const;
    double edgeX(int column, double y, double towardsX, int openingRow = -1) const;

    // arrows.cpp: messages, returns, creations and self messages.
    void buildArrows();
    void addArrow(int row);
    QPolygonF arrowPath(const Arrow& arrow, double y) const;

    // marks.cpp: actions, synchronisations, crosses, notes and glyphs.
    void buildMarks();
    void addAction(int row);
    void addSync(int row);
    void addCrosses(int row, const QList<int>& columns);
    void addAnnotations(int row);
    void addNote(int row, const TDFObject* object, const QString& text, const Style* style, QPointF topLeft);
    void addMark(int row, const TDFObject* object, const QString& text, bool warning, QPointF centre);
    double anchorLeft(int row) const;
    double columnX(int column) const;
    void addOwnRowDecoration(int row);

    // frames.cpp: loop frames around their rows.
    void buildFrames();
    void measureRowReach();
    void addFrame(const SequenceFrame& frame);
    void separateOpenTabs();
    QRectF rowContent(int firstRow, int lastRow, double emptyX) const;

    // margins.cpp: time column, thread edges, separators, legend and size.
    void measureTimeColumn();
    void buildTimes();
    void buildThreadEdges();
    void buildSeparators();
    void buildLegend();
    void finishSize();

    const SequenceEvent& event(int row) const { return model_.events[std::size_t(row)]; }
    const Row& row(int index) const { return layout_.rows[std::size_t(index)]; }
};
