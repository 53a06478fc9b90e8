#include "shapes/square.h"

#include "shapes/box_geometry.h"

Square::Square(int x1, int y1, int x2, int y2, int colour)
    : Shape(x1, y1, x2, y2, colour, "SQUARE") {}

void Square::draw(Display& display) const { display.drawRectangle(x1, y1, x2, y2, colour, 5); }

Square::~Square() = default;

void Square::resize(int x, int y) { boxResize(*this, x, y); }

bool Square::contains(int x, int y) const { return boxContains(*this, x, y); }

int Square::distanceTo(int x, int y) const { return boxDistanceTo(*this, x, y); }

void Square::drawMarker(Display& display) const { boxDrawMarker(*this, display); }

void Square::setColour(int c) { colour = c; }

void Square::moveTo(int x, int y) { boxMoveTo(*this, x, y); }

void Square::save(std::ostream& out) const { writeShapeRecord(*this, out); }
