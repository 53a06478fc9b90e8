// Window internals shared by the windowing calls and the dialog manager.
//
// A window lives in the handle table (HandleKind::Window) and in the list of
// all windows, in creation order. Its procedures may destroy it, so code that
// calls a window procedure must look the window up again afterwards instead
// of keeping a Window* across the call (sendThenFind).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "rects.h"
#include "surface.h"
#include "win32.h"

namespace zt::platform {

struct WindowClass {
  std::string name;  // compared without regard to case
  ATOM atom = 0;
  UINT style = 0;
  WNDPROC proc = nullptr;
  HINSTANCE instance = nullptr;
  HICON icon = nullptr;
  HCURSOR cursor = nullptr;
  HBRUSH background = nullptr;
};

// What the dialog manager attaches to a window it made (the dialog or one of
// its controls). The windows area knows only this base; the window owns it.
struct DialogSlot {
  virtual ~DialogSlot() = default;
};

struct Window {
  HWND handle = nullptr;
  const WindowClass* windowClass = nullptr;  // classes live as long as the process
  WNDPROC proc = nullptr;                    // the class procedure unless replaced
  std::string title;
  DWORD style = 0;
  DWORD exStyle = 0;
  RECT rect{};                             // outer rectangle: parent client coordinates for a
                                           // child, screen coordinates otherwise
  HWND parent = nullptr;                   // WS_CHILD windows only
  HWND owner = nullptr;                    // top-level windows created with a parent
  int id = 0;                              // control identifier of a child window
  HMENU menu = nullptr;                    // menu bar of a top-level window
  std::vector<HWND> children;              // in creation order
  Surface surface;                         // client pixels: the client area's part that can
                                           // show (see fitSurface)
  RECT update{};                           // bounding box of the invalid client area
  bool eraseNeeded = false;                // the invalidation asked for WM_ERASEBKGND
  RECT erasing{};                          // while BeginPaint sends WM_ERASEBKGND: the area
                                           // that DefWindowProcA fills (else the whole client)
  bool destroying = false;                 // DestroyWindow has begun
  bool sizePending = false;                // an overlapped window hears WM_SIZE and WM_MOVE
                                           // when first shown, not when created (as Wine)
  bool onScreen = false;                   // the driver has a window for it (top-level, once shown)
  bool changed = false;                    // pixels changed since they were last presented
  Surface strip;                           // the top of the non-client area in window
                                           // coordinates (frame, caption, menu bar rows): what
                                           // GetWindowDC draws on; the bar's rows are presented
  Surface presented;                       // the content as last presented
  std::unique_ptr<DialogSlot> dialogData;  // the dialog manager's, see DialogSlot

  bool visible() const { return (style & WS_VISIBLE) != 0; }
  bool enabled() const { return (style & WS_DISABLED) == 0; }
  bool isChild() const { return (style & WS_CHILD) != 0; }
  bool hasMenuBar() const { return menu != nullptr && !isChild(); }
  bool needsPaint() const { return update.right > update.left && update.bottom > update.top; }
};

// The live window behind hwnd, or nullptr (stale, null or another kind).
Window* findWindow(HWND hwnd);
// Sends msg to hwnd and gives the window as it is after the call, or nullptr
// when the call destroyed it (any procedure may destroy any window): the one
// way to go on with a window after sending it a message. `result` gets the
// procedure's answer.
Window* sendThenFind(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr);
// Handles of all live windows in creation order.
std::vector<HWND> allWindows();
// A registered class by name or integer atom (MAKEINTATOM), or nullptr.
const WindowClass* findWindowClass(LPCSTR name);

// Registry, for CreateWindowExA and DestroyWindow: adds a window under a
// fresh handle (set in Window::handle) / forgets and frees it.
Window* addWindow(std::unique_ptr<Window> window);
void removeWindow(HWND hwnd);
// The end of a window without WM_DESTROY (a failed creation, and the last
// step of DestroyWindow): its children first, then WM_NCDESTROY, and the
// window, its timers, queued messages and menu bar are gone.
void releaseWindow(HWND hwnd);

// Geometry. The inset is the non-client thickness on each side.
RECT nonClientInsets(DWORD style, DWORD exStyle, bool menuBar);
RECT nonClientInsets(const Window& w);
SIZE clientSize(const Window& w);
// Top-left of the client area in screen coordinates.
POINT clientOriginOnScreen(const Window& w);
// Sizes the window's pixels to the part of its client area that can show:
// inside the screen for a top-level window, inside the parent's pixels for a
// child, at most 4096 in each direction. Pixels outside read as CLR_INVALID.
void fitSurface(Window& w);
// Moves or resizes a window (rect as Window::rect); resizes its surface and
// sends WM_SIZE / WM_MOVE when the client area's size / position changed.
void setWindowRect(HWND hwnd, const RECT& rect);
// The size of Window::strip: the window's width, the top inset's height.
SIZE nonClientTopSize(const Window& w);
// Recomputes the client area after a style or menu change: WM_MOVE if its
// origin moved, then WM_SIZE if its size changed.
void clientAreaChanged(HWND hwnd, POINT originBefore, SIZE sizeBefore);
// The client area's top-left relative to the parent's client area (screen
// for a top-level window): what WM_MOVE reports.
POINT clientPosition(const Window& w);

// What DefWindowProcA answers to WM_NCHITTEST: HTCLIENT, HTCAPTION, ...
LRESULT hitTest(HWND hwnd, POINT screen);

// Painting: adds rect (client coordinates; nullptr: everything) to the update
// region of the window and of the visible children that it covers (all of
// them when allChildren, else not through WS_CLIPCHILDREN).
void invalidateWindow(HWND hwnd, const RECT* rect, bool erase, bool allChildren = false);
// Sends WM_ERASEBKGND now to the window and its visible descendants that wait
// for it, as Win32 does for what appears when windows are shown or moved.
void eraseNow(HWND hwnd);
// The first visible window (creation order) that needs painting and matches
// the message filter (see windowMatchesFilter), or nullptr.
HWND windowToPaint(HWND filter);
// Message filters: NULL matches all, (HWND)-1 only thread messages (no
// window), another window itself and its descendants.
bool windowMatchesFilter(HWND filter, HWND hwnd);

// The screen (see driver.h): a top-level window on the driver's screen.
// A window was shown or hidden; the first show creates the driver's window.
void screenWindowShown(HWND hwnd, bool show, bool activate);
// Its geometry or title changed / it is going.
void screenWindowMoved(HWND hwnd);
void screenWindowRetitled(HWND hwnd);
void screenWindowGone(HWND hwnd);
// Its pixels (or a descendant's) changed: present them before the next wait.
void markChanged(HWND hwnd);
// The menu bar's pixels (the non-client strip) were repainted: present them.
void nonClientStripChanged(HWND hwnd);
// Presents every changed window; nothing when the driver presents nothing.
void presentChanges();

// The top-level window that contains hwnd (hwnd itself if it is top-level).
HWND topLevelOf(HWND hwnd);
// True if child is window or one of its descendants.
bool isSelfOrDescendant(HWND window, HWND child);

}  // namespace zt::platform
