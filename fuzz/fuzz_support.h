// What the layer's fuzzers share: reading values out of the input bytes and
// the invariant check that stops the run.
#pragma once

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "win32.h"

inline void require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "fuzz invariant broken: %s\n", what);
    std::abort();
  }
}

// Reads the input front to back; past its end every value is 0.
class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool empty() const { return position_ >= size_; }
  size_t left() const { return size_ - position_; }
  const uint8_t* here() const { return data_ + position_; }
  void skip(size_t bytes) { position_ += bytes < left() ? bytes : left(); }
  uint8_t byte() { return empty() ? 0 : data_[position_++]; }
  uint32_t word() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(byte()) << (8 * i);
    return value;
  }
  // A coordinate or size: mostly small, often an extreme of int.
  int coordinate() {
    switch (byte() % 8) {
      case 0:
        return INT_MIN;
      case 1:
        return INT_MAX;
      case 2:
        return static_cast<int>(word());
      case 3:
        return static_cast<int>(static_cast<int16_t>(word()));
      default:
        return static_cast<int>(byte()) - 64;
    }
  }
  // An integer in [low, high].
  int range(int low, int high) {
    const uint32_t span = static_cast<uint32_t>(high - low) + 1;
    return low + static_cast<int>(word() % span);
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t position_ = 0;
};

// Live GDI and USER objects of the process.
struct GuiCounts {
  DWORD gdi;
  DWORD user;
  bool operator==(const GuiCounts&) const = default;
};
inline GuiCounts guiCounts() {
  return {GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
          GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)};
}
