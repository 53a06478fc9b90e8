#include "shapes/shape.h"

#include <utility>

Shape::Shape(int x1, int y1, int x2, int y2, int colour, std::string tag)
    : x1(x1), y1(y1), x2(x2), y2(y2), colour(colour), tag(std::move(tag)) {}

Shape::~Shape() = default;
