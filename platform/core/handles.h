// The handle table: every object that the layer hands out as a handle
// (windows, menus, global memory, GDI objects, open files) is registered here with its
// kind. Handle values are never reused, so a stale handle or one of the
// wrong kind is simply not found and the call that got it fails.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zt::platform {

enum class HandleKind : uint8_t {
  Window,
  Menu,
  GlobalMemory,
  DeviceContext,
  Pen,
  Brush,
  Font,
  Bitmap,
  Region,
  File,  // keep last: kHandleKinds counts through it
};
constexpr size_t kHandleKinds = static_cast<size_t>(HandleKind::File) + 1;

// Registers object under a fresh non-null handle value.
uintptr_t registerHandle(HandleKind kind, void* object);
// The object behind value if it is live and of that kind, else nullptr.
void* lookupHandle(uintptr_t value, HandleKind kind);
// Forgets value; false if it was not a live handle of that kind.
bool unregisterHandle(uintptr_t value, HandleKind kind);

// How many handles of that kind are live.
size_t liveHandles(HandleKind kind);

// Typed conveniences: H is a handle type of win32.h, T the object type.
template <typename H>
H makeHandle(HandleKind kind, void* object) {
  return reinterpret_cast<H>(registerHandle(kind, object));
}
template <typename T, typename H>
T* fromHandle(H handle, HandleKind kind) {
  return static_cast<T*>(lookupHandle(reinterpret_cast<uintptr_t>(handle), kind));
}
template <typename H>
bool releaseHandle(H handle, HandleKind kind) {
  return unregisterHandle(reinterpret_cast<uintptr_t>(handle), kind);
}

}  // namespace zt::platform
