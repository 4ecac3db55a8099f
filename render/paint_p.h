// Painting a laid-out diagram with any QPainter, at the painter's scale.
#pragma once

#include "render/layout_p.h"

class QPainter;

// Paints the whole picture, background included, from the origin.
void paintDiagram(QPainter& painter, const DiagramLayout& layout);
