// Fixed distances of the diagram, in unscaled pixels.
#pragma once

namespace geometry {

constexpr double margin = 16;
constexpr double rowPad = 5;           // above and below each row's content
constexpr double headerGap = 14;       // between the header titles and the first row
constexpr double tailHeight = 18;      // lifelines go on below the last row
constexpr double columnGap = 28;       // between neighbouring columns' widest parts
constexpr double labelPad = 10;        // room on each side of a message label
constexpr double labelLift = 2;        // between a label and the arrow below it
constexpr double maxLabelWidth = 480;  // longer labels are cut with an ellipsis
constexpr double titlePadX = 8;
constexpr double titlePadY = 5;
constexpr double barHalfWidth = 5;
constexpr double barLevelOffset = 5;  // a nested bar's shift to the right
constexpr double barAllowance = 2 * (barHalfWidth + 2 * barLevelOffset);
constexpr double selfLoopWidth = 28;
constexpr double selfLoopHeight = 14;
constexpr double crossHalf = 6;
constexpr double arrowLength = 9;
constexpr double arrowHalfWidth = 4;
constexpr double syncThickness = 6;
constexpr double syncOverhang = 10;  // a synchronisation bar's reach past its outer lifelines
constexpr double actionPadX = 6;
constexpr double actionPadY = 3;
constexpr double noteWidth = 240;  // notes wrap beyond this width
constexpr double notePad = 5;
constexpr double noteFold = 7;    // the folded corner
constexpr double noteOffset = 8;  // a note's distance from its anchor
constexpr double annotationGap = 4;
constexpr double markSize = 10;
constexpr double framePad = 10;   // a loop frame's room around its content
constexpr double frameInset = 6;  // the extra room of an outer frame per nested level
constexpr double frameEdge = 3;   // a frame's edge below its start row's top
constexpr double tabPadX = 6;
constexpr double tabPadY = 2;
constexpr double timeGap = 8;
constexpr double edgeWidth = 4;
constexpr double edgeGap = 10;  // between the thread edges and the first column
constexpr double legendGap = 12;
constexpr double swatchSize = 10;

}  // namespace geometry
