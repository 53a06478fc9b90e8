// Copying to and pasting from the clipboard for the edit control.
#include "edit_clipboard.h"

#include <cstring>

namespace zt::platform {

bool putOnClipboard(HWND hwnd, const std::string& text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  char* data = block ? static_cast<char*>(GlobalLock(block)) : nullptr;
  if (!data) {
    if (block) GlobalFree(block);
    return false;
  }
  std::memcpy(data, text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  if (!OpenClipboard(hwnd)) {
    GlobalFree(block);
    return false;
  }
  EmptyClipboard();
  if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);  // else the clipboard's
  CloseClipboard();
  return true;
}

std::string takeFromClipboard(HWND hwnd) {
  std::string text;
  if (!OpenClipboard(hwnd)) return text;
  HANDLE block = GetClipboardData(CF_TEXT);
  if (const char* data = block ? static_cast<const char*>(GlobalLock(block)) : nullptr) {
    text.assign(data, strnlen(data, GlobalSize(block)));
    GlobalUnlock(block);
  }
  CloseClipboard();
  return text;
}

}  // namespace zt::platform
