#include "shapes/circle.h"

#include "shapes/box_geometry.h"

Circle::Circle(int x1, int y1, int x2, int y2, int colour)
    : Shape(x1, y1, x2, y2, colour, "CIRCLE") {}

void Circle::draw(Display& display) const { display.drawOval(x1, y1, x2, y2, colour, 5); }

Circle::~Circle() = default;

void Circle::resize(int x, int y) { boxResize(*this, x, y); }

bool Circle::contains(int x, int y) const { return boxContains(*this, x, y); }

int Circle::distanceTo(int x, int y) const { return boxDistanceTo(*this, x, y); }

void Circle::drawMarker(Display& display) const { boxDrawMarker(*this, display); }

void Circle::setColour(int c) { colour = c; }

void Circle::moveTo(int x, int y) { boxMoveTo(*this, x, y); }

void Circle::save(std::ostream& out) const { writeShapeRecord(*this, out); }
