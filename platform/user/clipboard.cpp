// The clipboard: CF_TEXT in one GlobalAlloc block that the clipboard owns.
// The desktop's clipboard (the driver's text) is read when the clipboard is
// opened or asked what it holds while closed, and written when it is closed
// after a change; text the desktop changed has no owner.
#include "clipboard.h"

#include <cstring>
#include <string>

#include "driver.h"
#include "window.h"

namespace zt::platform {
namespace {

struct Clipboard {
  bool open = false;
  HWND opener = nullptr;  // the window that has it open (NULL is allowed)
  HWND owner = nullptr;   // the window that last emptied it
  bool changed = false;   // emptied or given data since it was opened
  HGLOBAL text = nullptr;
  std::string desktop;  // the desktop's text as last read or written
};

Clipboard& clipboard() {
  static Clipboard instance;
  return instance;
}

// The text of a block: up to its first NUL; its last byte counts as the
// terminator, whatever it holds (as Win32 reads it).
std::string textOf(HGLOBAL block) {
  const char* data = block ? static_cast<const char*>(GlobalLock(block)) : nullptr;
  if (!data) return {};
  const SIZE_T size = GlobalSize(block);
  const std::string text(data, strnlen(data, size ? size - 1 : 0));
  GlobalUnlock(block);
  return text;
}

HGLOBAL blockOf(const std::string& text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (char* data = block ? static_cast<char*>(GlobalLock(block)) : nullptr) {
    std::memcpy(data, text.c_str(), text.size() + 1);
    GlobalUnlock(block);
  }
  return block;
}

void dropText(Clipboard& c) {
  if (c.text) GlobalFree(c.text);
  c.text = nullptr;
}

// Takes the desktop's text when it differs from what was last seen there.
void readDesktop(Clipboard& c) {
  std::string now = driver().clipboardText();
  if (now == c.desktop) return;
  c.desktop = std::move(now);
  dropText(c);
  if (!c.desktop.empty()) c.text = blockOf(c.desktop);
  c.owner = nullptr;
}

bool requireOpen(const Clipboard& c) {
  if (c.open) return true;
  SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
  return false;
}

}  // namespace

void clipboardWindowGone(HWND hwnd) {
  Clipboard& c = clipboard();
  if (c.open && c.opener == hwnd) CloseClipboard();
  if (c.owner == hwnd) c.owner = nullptr;
}

}  // namespace zt::platform

using namespace zt::platform;

BOOL OpenClipboard(HWND owner) {
  Clipboard& c = clipboard();
  if (owner && !findWindow(owner)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (c.open) {
    if (c.opener == owner) return TRUE;
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  readDesktop(c);
  c.open = true;
  c.opener = owner;
  c.changed = false;
  return TRUE;
}

BOOL CloseClipboard() {
  Clipboard& c = clipboard();
  if (!requireOpen(c)) return FALSE;
  c.open = false;
  c.opener = nullptr;
  if (c.changed) {
    // From now on the clipboard holds the text as the desktop has it.
    c.desktop = textOf(c.text);
    if (c.text) {
      dropText(c);
      c.text = blockOf(c.desktop);
    }
    driver().setClipboardText(c.desktop);
  }
  return TRUE;
}

BOOL EmptyClipboard() {
  Clipboard& c = clipboard();
  if (!requireOpen(c)) return FALSE;
  dropText(c);
  c.owner = c.opener;
  c.changed = true;
  return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE memory) {
  Clipboard& c = clipboard();
  if (!requireOpen(c)) return nullptr;
  // Text only, and no delayed rendering (a NULL block).
  if (format != CF_TEXT || !memory || !GlobalLock(memory)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  GlobalUnlock(memory);
  if (c.text != memory) dropText(c);
  c.text = memory;
  c.changed = true;
  return memory;
}

HANDLE GetClipboardData(UINT format) {
  Clipboard& c = clipboard();
  if (!requireOpen(c)) return nullptr;
  return format == CF_TEXT ? c.text : nullptr;
}

BOOL IsClipboardFormatAvailable(UINT format) {
  Clipboard& c = clipboard();
  if (!c.open) readDesktop(c);
  return format == CF_TEXT && c.text ? TRUE : FALSE;
}

HWND GetClipboardOwner() { return clipboard().owner; }

HWND GetOpenClipboardWindow() {
  const Clipboard& c = clipboard();
  return c.open ? c.opener : nullptr;
}
