// Painting a laid-out diagram with any QPainter, at the painter's scale.
#pragma once

#include "render/layout_p.h"

class QPainter;

// Paints the picture from the origin, over the device's background.
void paintDiagram(QPainter& painter, const DiagramLayout& layout);
