// Writes a drawing file so that a failure never leaves a half-written file.
#pragma once

#include <string>

#include "shape_list/shape_list.h"

// Writes every record of list, with the line ends of a text file, and gives
// them to name through the package's ZT738_replace_file: name then holds the
// whole drawing, on the disk, or its old bytes. Returns false when any step
// fails.
bool writeDrawingFile(const std::string& name, const ShapeList& list);
