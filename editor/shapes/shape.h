// The editor's shapes: an axis-aligned box given by two corners, a colour and
// the type word that starts the shape's record in a drawing file.
#pragma once

#include <ostream>
#include <string>

#include "zt738.h"

class Shape {
 public:
  Shape(int x1, int y1, int x2, int y2, int colour, std::string tag);
  Shape(const Shape&) = delete;
  Shape& operator=(const Shape&) = delete;

  // The virtual operations, in slot order.
  virtual void draw(Display& display) const = 0;
  virtual ~Shape();
  // Moves the second corner to (x, y); the box may flip.
  virtual void resize(int x, int y) = 0;
  // True when (x, y) lies strictly inside the box, in either corner order.
  virtual bool contains(int x, int y) const = 0;
  // Distance from the box's centre to (x, y), truncated toward zero.
  virtual int distanceTo(int x, int y) const = 0;
  // A blue outline of width 5 over the box.
  virtual void drawMarker(Display& display) const = 0;
  virtual void setColour(int c) = 0;
  // Centres the box on (x, y), keeping its halved extents and corner order.
  virtual void moveTo(int x, int y) = 0;
  // Writes the shape's record: tag and five numbers, each followed by a space.
  virtual void save(std::ostream& out) const = 0;

  int x1;
  int y1;
  int x2;
  int y2;
  int colour;
  std::string tag;
};
