// GlobalAlloc and friends. A GMEM_FIXED block's handle is its address, as on
// Win32; a GMEM_MOVEABLE block's handle comes from the handle table and its
// address is only reached through GlobalLock. Both are checked, so that a
// stale or foreign handle makes the call fail instead of touching memory.
#include <cstdlib>
#include <mutex>
#include <unordered_map>

#include "handles.h"
#include "win32.h"

namespace zt::platform {
namespace {

struct Block {
  void* data = nullptr;
  SIZE_T size = 0;
  bool fixed = false;
  int locks = 0;
};

struct Blocks {
  std::mutex mutex;
  std::unordered_map<void*, Block*> fixed;  // by address
};

Blocks& blocks() {
  static Blocks instance;
  return instance;
}

// The block behind a handle; the caller holds the mutex.
Block* findBlock(Blocks& b, HGLOBAL memory) {
  if (!memory) return nullptr;
  auto it = b.fixed.find(memory);
  if (it != b.fixed.end()) return it->second;
  return fromHandle<Block>(memory, HandleKind::GlobalMemory);
}

}  // namespace
}  // namespace zt::platform

using namespace zt::platform;

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) {
  // Zero-filled always: callers must not depend on the contents otherwise.
  void* data = std::calloc(bytes ? bytes : 1, 1);
  if (!data) return nullptr;
  Blocks& b = blocks();
  std::lock_guard lock(b.mutex);
  auto* block = new Block{data, bytes, (flags & GMEM_MOVEABLE) == 0, 0};
  if (block->fixed) {
    b.fixed.emplace(data, block);
    return data;
  }
  return makeHandle<HGLOBAL>(HandleKind::GlobalMemory, block);
}

LPVOID GlobalLock(HGLOBAL memory) {
  Blocks& b = blocks();
  std::lock_guard lock(b.mutex);
  Block* block = findBlock(b, memory);
  if (!block) return nullptr;
  if (!block->fixed) ++block->locks;
  return block->data;
}

BOOL GlobalUnlock(HGLOBAL memory) {
  Blocks& b = blocks();
  std::lock_guard lock(b.mutex);
  Block* block = findBlock(b, memory);
  if (!block || block->fixed || block->locks == 0) return FALSE;
  --block->locks;
  return block->locks > 0 ? TRUE : FALSE;  // TRUE while still locked
}

HGLOBAL GlobalFree(HGLOBAL memory) {
  Blocks& b = blocks();
  std::lock_guard lock(b.mutex);
  Block* block = findBlock(b, memory);
  if (!block) return memory;  // failure returns the handle
  if (block->fixed) {
    b.fixed.erase(memory);
  } else {
    releaseHandle(memory, HandleKind::GlobalMemory);
  }
  std::free(block->data);
  delete block;
  return nullptr;
}

SIZE_T GlobalSize(HGLOBAL memory) {
  Blocks& b = blocks();
  std::lock_guard lock(b.mutex);
  Block* block = findBlock(b, memory);
  return block ? block->size : 0;
}
