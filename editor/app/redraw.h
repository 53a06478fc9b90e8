#pragma once

#include "shape_list/shape_list.h"
#include "zt738.h"

// Clears the area to white, draws every shape in list order, then the palette.
void redrawAll(Display& display, ShapeList& shapes);
