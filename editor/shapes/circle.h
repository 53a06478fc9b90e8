// A shape drawn as the ellipse inscribed in its box, outline 5 wide.
#pragma once

#include "shapes/shape.h"

class Circle : public Shape {
 public:
  Circle(int x1, int y1, int x2, int y2, int colour);

  void draw(Display& display) const override;
  ~Circle() override;
  void resize(int x, int y) override;
  bool contains(int x, int y) const override;
  int distanceTo(int x, int y) const override;
  void drawMarker(Display& display) const override;
  void setColour(int c) override;
  void moveTo(int x, int y) override;
  void save(std::ostream& out) const override;
};
