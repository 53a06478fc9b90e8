// The save and load commands: a name from the line-input dialog, then the
// drawing file. Failures are reported on the text console.
#pragma once

#include <memory>
#include <string>

#include "shape_list/shape_list.h"
#include "zt738.h"

// Asks "save as...." and saves under the typed name.
void saveCommand(const ShapeList& shapes);
// Writes the drawing to name. On failure the old file stays as it was and
// the console shows "Cannot save drawing file <name>". Returns true on success.
bool saveDrawing(const std::string& name, const ShapeList& shapes);

// Asks "load file...." and loads the typed name.
void loadCommand(std::unique_ptr<ShapeList>& shapes, bool& firstPointPending, Display& display);
// Replaces the drawing by the file's records and redraws everything. A file
// that cannot be opened changes nothing and shows "Cannot open drawing file
// <name>"; a damaged file keeps the shapes before the damage and shows how
// many there were, and one damaged at its first record changes nothing.
// Returns true when the drawing was replaced.
bool loadDrawing(const std::string& name, std::unique_ptr<ShapeList>& shapes,
                 bool& firstPointPending, Display& display);
