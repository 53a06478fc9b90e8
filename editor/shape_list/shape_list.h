// The drawing: shapes in insertion order (which is also drawing, saving and
// search order) and the one selected entry.
#pragma once

#include <memory>
#include <ostream>

#include "shapes/shape.h"
#include "zt738.h"

struct ShapeNode {
  std::unique_ptr<Shape> shape;
  ShapeNode* next = nullptr;
};

class ShapeList {
 public:
  ShapeList() = default;
  ~ShapeList();
  ShapeList(const ShapeList&) = delete;
  ShapeList& operator=(const ShapeList&) = delete;

  // Appends a Circle when kind is 1, a Square for any other kind, and clears
  // pendingFlag. The selection is kept; nothing is drawn.
  void add(int x1, int y1, int x2, int y2, bool& pendingFlag, int kind, int colour);
  void drawAll(Display& display) const;
  // Selects the shape containing (x, y) whose centre is nearest, the earliest
  // on ties, then clears the area, draws all shapes and marks the selection.
  // A point that hits nothing changes and draws nothing.
  void selectAt(int x, int y, Display& display);
  void deleteSelected();
  bool hasSelection() const;
  // These four act on the selected shape; callers check hasSelection first.
  void recolourSelected(int colour);
  void moveSelected(int x, int y);
  void resizeSelected(int x, int y);
  void drawSelectedMarker(Display& display) const;
  // Each shape's record, head to tail; the stream is neither opened nor closed.
  void saveAll(std::ostream& out) const;

  ShapeNode* head = nullptr;
  ShapeNode* selected = nullptr;

 private:
  // The last entry, or null when the list is empty: a cache that spares add
  // the walk along the chain, kept in step by add and deleteSelected.
  ShapeNode* tail_ = nullptr;
};
