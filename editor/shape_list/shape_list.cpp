#include "shape_list/shape_list.h"

#include "shapes/circle.h"
#include "shapes/square.h"

namespace {

// Distances at or above this are never chosen by selectAt.
constexpr int kFarthestSelectable = 1000000;

std::unique_ptr<Shape> makeShape(int x1, int y1, int x2, int y2, int kind, int colour) {
  if (kind == 1) return std::make_unique<Circle>(x1, y1, x2, y2, colour);
  return std::make_unique<Square>(x1, y1, x2, y2, colour);
}

}  // namespace

ShapeList::~ShapeList() {
  while (head != nullptr) {
    ShapeNode* node = head;
    head = node->next;
    delete node;
  }
}

void ShapeList::add(int x1, int y1, int x2, int y2, bool& pendingFlag, int kind, int colour) {
  auto* node = new ShapeNode{makeShape(x1, y1, x2, y2, kind, colour), nullptr};
  if (head == nullptr) {
    head = node;
  } else {
    tail_->next = node;
  }
  tail_ = node;
  pendingFlag = false;
}

void ShapeList::drawAll(Display& display) const {
  for (const ShapeNode* node = head; node != nullptr; node = node->next) node->shape->draw(display);
}

void ShapeList::selectAt(int x, int y, Display& display) {
  int best = kFarthestSelectable;
  ShapeNode* chosen = nullptr;
  for (ShapeNode* node = head; node != nullptr; node = node->next) {
    if (!node->shape->contains(x, y)) continue;
    const int d = node->shape->distanceTo(x, y);
    if (d < best) {
      best = d;
      chosen = node;
    }
  }
  // A point inside shapes whose centres all lie 1000000 or more away chooses
  // none of them and is treated as a miss: the old selection stays, and
  // nothing is drawn.
  if (chosen == nullptr) return;
  selected = chosen;
  display.clear(COLOUR_WHITE);
  drawAll(display);
  selected->shape->drawMarker(display);
}

void ShapeList::deleteSelected() {
  if (selected == nullptr) return;
  ShapeNode* before = nullptr;
  if (selected == head) {
    head = selected->next;
  } else {
    before = head;
    while (before->next != selected) before = before->next;
    before->next = selected->next;
  }
  if (selected == tail_) tail_ = before;
  delete selected;
  selected = nullptr;
}

bool ShapeList::hasSelection() const { return selected != nullptr; }

void ShapeList::recolourSelected(int colour) { selected->shape->setColour(colour); }

void ShapeList::moveSelected(int x, int y) { selected->shape->moveTo(x, y); }

void ShapeList::resizeSelected(int x, int y) { selected->shape->resize(x, y); }

void ShapeList::drawSelectedMarker(Display& display) const { selected->shape->drawMarker(display); }

void ShapeList::saveAll(std::ostream& out) const {
  for (const ShapeNode* node = head; node != nullptr; node = node->next) node->shape->save(out);
}
