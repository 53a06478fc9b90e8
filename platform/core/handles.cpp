#include "handles.h"

#include <array>
#include <mutex>
#include <unordered_map>

namespace zt::platform {
namespace {

struct Entry {
  HandleKind kind;
  void* object;
};

// Guarded because PostMessageA may check a window handle from any thread.
struct Table {
  std::mutex mutex;
  std::unordered_map<uintptr_t, Entry> entries;
  std::array<size_t, kHandleKinds> live{};  // entries of each kind
  // Values step by 4 so that they look like aligned pointers; they start
  // well above the small integers that Win32 gives special meanings.
  uintptr_t next = 0x10000;
};

// Never destroyed: objects that live until the process ends (a program's
// windows and menus, as on Win32) stay reachable from here instead of being
// orphaned by a static destructor while the process exits.
Table& table() {
  static Table* instance = new Table;
  return *instance;
}

}  // namespace

uintptr_t registerHandle(HandleKind kind, void* object) {
  Table& t = table();
  std::lock_guard lock(t.mutex);
  uintptr_t value = t.next;
  t.next += 4;
  t.entries.emplace(value, Entry{kind, object});
  ++t.live[static_cast<size_t>(kind)];
  return value;
}

void* lookupHandle(uintptr_t value, HandleKind kind) {
  Table& t = table();
  std::lock_guard lock(t.mutex);
  auto it = t.entries.find(value);
  if (it == t.entries.end() || it->second.kind != kind) return nullptr;
  return it->second.object;
}

bool unregisterHandle(uintptr_t value, HandleKind kind) {
  Table& t = table();
  std::lock_guard lock(t.mutex);
  auto it = t.entries.find(value);
  if (it == t.entries.end() || it->second.kind != kind) return false;
  t.entries.erase(it);
  --t.live[static_cast<size_t>(kind)];
  return true;
}

size_t liveHandles(HandleKind kind) {
  Table& t = table();
  std::lock_guard lock(t.mutex);
  return t.live[static_cast<size_t>(kind)];
}

}  // namespace zt::platform
