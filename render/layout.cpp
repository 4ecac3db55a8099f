// The order of the layout steps, and the lookups they share.
#include "render/builder_p.h"

#include "tdf/tdftime.h"

QString TimeText::operator()(unsigned long time) const
{
    const QString text = TDFTime2StringFormat(format, time, unit);
    const bool formatted = !format.isEmpty() && unit != TIME_UNIT_NONE;
    return formatted || unitName.isNull() ? text : text + QLatin1Char(' ') + unitName;
}

LayoutBuilder::LayoutBuilder(const LayoutInput& input)
    : input_(input), window_(*input.objects, input.from, input.count), styles_(input.tcf, layout_.builtInStyles)
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

int LayoutBuilder::columnOf(const TDFInstance* instance) const
{
    return instance ? columnOf_.value(instance, -1) : 0;
}

int LayoutBuilder::rowOf(const TDFObject* object) const
{
    return rowOf_.value(object, -1);
}

DiagramLayout layOutDiagram(const LayoutInput& input)
{
    return LayoutBuilder(input).build();
}
