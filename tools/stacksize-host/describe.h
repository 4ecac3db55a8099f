// The plug-in's self-description, as the workbench's "about" pages show it.
#pragma once

#include <ostream>

class QAStViewerPlugin;

// One "label: value" line per operation of the viewer's self-description.
void printDescription(QAStViewerPlugin* viewer, std::ostream& out);
