// Writes a drawing file so that a failure never leaves a half-written file.
#pragma once

#include <string>

#include "shape_list/shape_list.h"

// Writes every record of list into a temporary file beside name, then puts it
// in place of name. Returns false, with name untouched and the temporary file
// removed, when any step fails.
bool writeDrawingFile(const std::string& name, const ShapeList& list);
