#include "gdi_objects.h"
#include "handles.h"
#include "hooks.h"

namespace zt::platform::gdi {

namespace {

// Built from the payload itself, so that the object's variant is
// constructed once, holding that payload.
template <typename T>
Object stockObject(T data) {
  Object object{std::move(data)};
  object.stock = true;
  return object;
}

Font stockFont(int cellHeight, const char* face) {
  Font font;
  font.height = cellHeight;
  font.faceName = face;
  return font;
}

}  // namespace

Registry::Registry() {
  const auto brush = [this](int index, COLORREF colour, bool hollow = false) {
    stock_[index] = add(stockObject(Brush{hollow, colour}));
  };
  brush(WHITE_BRUSH, RGB(255, 255, 255));
  brush(LTGRAY_BRUSH, RGB(192, 192, 192));
  brush(GRAY_BRUSH, RGB(128, 128, 128));
  brush(DKGRAY_BRUSH, RGB(64, 64, 64));
  brush(BLACK_BRUSH, RGB(0, 0, 0));
  brush(NULL_BRUSH, RGB(0, 0, 0), true);
  stock_[WHITE_PEN] = add(stockObject(Pen{PS_SOLID, 1, RGB(255, 255, 255)}));
  stock_[BLACK_PEN] = add(stockObject(Pen{PS_SOLID, 1, RGB(0, 0, 0)}));
  stock_[NULL_PEN] = add(stockObject(Pen{PS_NULL, 1, RGB(0, 0, 0)}));
  // Stock fonts are given by cell height, so their tmHeight is that height.
  stock_[OEM_FIXED_FONT] = add(stockObject(stockFont(12, "DejaVu Sans Mono")));
  stock_[ANSI_FIXED_FONT] = add(stockObject(stockFont(12, "DejaVu Sans Mono")));
  stock_[ANSI_VAR_FONT] = add(stockObject(stockFont(12, "DejaVu Sans")));
  stock_[SYSTEM_FONT] = add(stockObject(stockFont(16, "DejaVu Sans")));
  stock_[DEFAULT_GUI_FONT] = add(stockObject(stockFont(13, "DejaVu Sans")));
  Bitmap one;
  one.surface.resize(1, 1, RGB(0, 0, 0));
  stockBitmap_ = add(stockObject(std::move(one)));
}

namespace {

struct KindOf {
  HandleKind operator()(const Pen&) const { return HandleKind::Pen; }
  HandleKind operator()(const Brush&) const { return HandleKind::Brush; }
  HandleKind operator()(const Font&) const { return HandleKind::Font; }
  HandleKind operator()(const Bitmap&) const { return HandleKind::Bitmap; }
};

struct SlotOf {
  DeviceContext& dc;
  HGDIOBJ* operator()(const Pen&) const { return &dc.pen; }
  HGDIOBJ* operator()(const Brush&) const { return &dc.brush; }
  HGDIOBJ* operator()(const Font&) const { return &dc.font; }
  HGDIOBJ* operator()(const Bitmap&) const { return &dc.bitmap; }
};

}  // namespace

HandleKind kindOf(const Object& object) { return std::visit(KindOf{}, object.data); }

HGDIOBJ* slotFor(DeviceContext& dc, const Object& object) {
  return std::visit(SlotOf{dc}, object.data);
}

HGDIOBJ Registry::add(Object object) {
  auto owned = std::make_unique<Object>(std::move(object));
  const uintptr_t key = registerHandle(kindOf(*owned), owned.get());
  objects_.emplace(key, std::move(owned));
  return reinterpret_cast<HGDIOBJ>(key);
}

Object* Registry::find(HGDIOBJ handle) {
  auto it = objects_.find(reinterpret_cast<uintptr_t>(handle));
  return it == objects_.end() ? nullptr : it->second.get();
}

void Registry::erase(HGDIOBJ handle) {
  auto it = objects_.find(reinterpret_cast<uintptr_t>(handle));
  if (it == objects_.end()) return;
  unregisterHandle(it->first, kindOf(*it->second));
  objects_.erase(it);
}

HDC Registry::addDc(DeviceContext dc) {
  auto owned = std::make_unique<DeviceContext>(dc);
  const uintptr_t key = registerHandle(HandleKind::DeviceContext, owned.get());
  dcs_.emplace(key, std::move(owned));
  return reinterpret_cast<HDC>(key);
}

DeviceContext* Registry::findDc(HDC handle) {
  auto it = dcs_.find(reinterpret_cast<uintptr_t>(handle));
  return it == dcs_.end() ? nullptr : it->second.get();
}

void Registry::eraseDc(HDC handle) {
  if (dcs_.erase(reinterpret_cast<uintptr_t>(handle)) > 0)
    unregisterHandle(reinterpret_cast<uintptr_t>(handle), HandleKind::DeviceContext);
}

HGDIOBJ Registry::stock(int index) const {
  if (index < 0 || index > DEFAULT_GUI_FONT) return nullptr;
  return stock_[index];
}

size_t Registry::stockCount() const {
  size_t count = stockBitmap_ != nullptr ? 1 : 0;
  for (HGDIOBJ object : stock_) count += object != nullptr ? 1 : 0;
  return count;
}

Registry& registry() {
  static Registry instance;
  return instance;
}

Surface* surfaceOf(const DeviceContext& dc) {
  if (dc.window) return dc.nonClient ? windowNonClientSurface(dc.window) : windowSurface(dc.window);
  Bitmap* bitmap = findAs<Bitmap>(dc.bitmap);
  return bitmap ? &bitmap->surface : nullptr;
}

bool drawTarget(HDC handle, DeviceContext*& dc, Surface*& surface) {
  dc = registry().findDc(handle);
  surface = dc ? surfaceOf(*dc) : nullptr;
  return surface != nullptr;
}

void release(HGDIOBJ handle) {
  Object* object = registry().find(handle);
  if (!object) return;
  if (object->selections > 0) --object->selections;
  if (object->deletePending && object->selections == 0) registry().erase(handle);
}

static void hold(HGDIOBJ handle) {
  if (Object* object = registry().find(handle)) ++object->selections;
}

HDC newDc(HWND window, HGDIOBJ bitmap) {
  Registry& r = registry();
  DeviceContext dc;
  dc.window = window;
  dc.pen = r.stock(BLACK_PEN);
  dc.brush = r.stock(WHITE_BRUSH);
  dc.font = r.stock(SYSTEM_FONT);
  dc.bitmap = bitmap;
  for (HGDIOBJ held : {dc.pen, dc.brush, dc.font, dc.bitmap}) hold(held);
  return r.addDc(dc);
}

bool destroyDc(HDC handle) {
  DeviceContext* dc = registry().findDc(handle);
  if (!dc) return false;
  const DeviceContext copy = *dc;
  registry().eraseDc(handle);
  for (HGDIOBJ held : {copy.pen, copy.brush, copy.font, copy.bitmap}) release(held);
  return true;
}

}  // namespace zt::platform::gdi
