// GDI objects and device contexts, and the registry that owns them. Handle
// values come from the layer's handle table, so they never collide with
// windows or menus; every entry point looks a handle up here first, so a
// stale or foreign handle is refused instead of followed.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <variant>

#include "handles.h"
#include "surface.h"
#include "win32.h"

namespace zt::platform::gdi {

struct Pen {
  int style = PS_SOLID;
  int width = 1;
  COLORREF colour = 0;
};

struct Brush {
  bool hollow = false;
  COLORREF colour = 0;
};

// What CreateFontA was asked for; the face itself is resolved when drawing.
struct Font {
  int height = 0;  // < 0: em height, > 0: cell height, 0: default
  int weight = FW_NORMAL;
  bool italic = false;
  std::string faceName;
};

struct Bitmap {
  Surface surface;
};

// The variant's alternative is the one record of what an object is: its
// handle kind and its slot in a DC are read from it (kindOf, slotFor).
struct Object {
  std::variant<Pen, Brush, Font, Bitmap> data;
  bool stock = false;
  int selections = 0;          // how many DCs hold it
  bool deletePending = false;  // deleted while selected: freed on release
};

struct DeviceContext {
  HWND window = nullptr;   // a window DC draws on windowSurface(window)
  bool nonClient = false;  // ... or on windowNonClientSurface(window) (GetWindowDC)
  HGDIOBJ pen = nullptr;
  HGDIOBJ brush = nullptr;
  HGDIOBJ font = nullptr;
  HGDIOBJ bitmap = nullptr;  // memory DCs only
  COLORREF textColour = RGB(0, 0, 0);
  COLORREF bkColour = RGB(255, 255, 255);
  int bkMode = OPAQUE;
};

class Registry {
 public:
  Registry();

  HGDIOBJ add(Object object);
  Object* find(HGDIOBJ handle);
  void erase(HGDIOBJ handle);

  HDC addDc(DeviceContext dc);
  DeviceContext* findDc(HDC handle);
  void eraseDc(HDC handle);
  template <typename F>
  void forEachDc(F&& visit) {
    for (auto& [key, dc] : dcs_) visit(reinterpret_cast<HDC>(key), *dc);
  }

  HGDIOBJ stock(int index) const;

 private:
  std::unordered_map<uintptr_t, std::unique_ptr<Object>> objects_;
  std::unordered_map<uintptr_t, std::unique_ptr<DeviceContext>> dcs_;
  HGDIOBJ stock_[DEFAULT_GUI_FONT + 1] = {};
  HGDIOBJ stockBitmap_ = nullptr;

 public:
  HGDIOBJ stockBitmap() const { return stockBitmap_; }
  // The stock objects: live for the whole process, not the program's own.
  size_t stockCount() const;
};

Registry& registry();

// The handle kind of an object, from the alternative it holds.
HandleKind kindOf(const Object& object);
// The slot of a DC that an object of this kind goes into.
HGDIOBJ* slotFor(DeviceContext& dc, const Object& object);

// Typed look-ups: nullptr when the handle is not a live object of that kind.
template <typename T>
T* findAs(HGDIOBJ handle) {
  Object* object = registry().find(handle);
  return object ? std::get_if<T>(&object->data) : nullptr;
}

// The pixels a DC draws on, or nullptr (window gone, bad handle).
Surface* surfaceOf(const DeviceContext& dc);
// Looks up a DC and its surface together; false when either is missing.
bool drawTarget(HDC handle, DeviceContext*& dc, Surface*& surface);

// Drops one selection of an object, freeing it if it was deleted meanwhile.
void release(HGDIOBJ handle);
// Makes a DC with the stock defaults selected.
HDC newDc(HWND window, HGDIOBJ bitmap);
// Releases a DC's objects and forgets it.
bool destroyDc(HDC handle);

}  // namespace zt::platform::gdi
