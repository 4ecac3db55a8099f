// The order of the layout steps.
#include "render/builder_p.h"

LayoutBuilder::LayoutBuilder(const SequenceModel& model)
    : model_(model), styles_(model.configuration, layout_.builtInStyles)
{
}

DiagramLayout LayoutBuilder::build()
{
    chooseColumns();
    buildRows();
    measureTimeColumn();
    placeColumns();
    placeTitlesAndLifelines();
    buildBars();
    buildArrows();
    buildMarks();
    buildFrames();
    buildTimes();
    buildThreadEdges();
    buildSeparators();
    buildLegend();
    finishSize();
    return std::move(layout_);
}

DiagramLayout layOutDiagram(const SequenceModel& model)
{
    return LayoutBuilder(model).build();
}
