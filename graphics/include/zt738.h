// The ZT738 graphics package: what a program built on it sees.
//
// A program defines editorMain(); the package's WinMain calls it. The
// program constructs exactly one Display, draws through it in logical
// coordinates (origin at the centre of the drawing area, x to the right,
// y upward) and asks it for one event at a time.
#pragma once

// The package's version; the build takes its version from this line.
#define ZT738_VERSION "0.2.0"

#include <cstddef>

// The kind of an event, as Display::nextEvent returns it.
enum EventKind {
  EventNone = 0,      // never produced by the wait; any unknown value maps here
  EventMouse = 1,     // left button pressed, or a script mouse line: x and y set
  EventKey = 2,       // a character typed without Ctrl, or a script keyboard line: key set
  EventPeriodic = 3,  // an animation tick, or a script periodic line
  EventQuit = 4,      // the program is asked to end
};

// The facade's animation argument. Its underlying type is int, so that any
// other value can be passed through unchanged (the setter ignores it, and 5
// asks to quit).
enum AnimationMode : int {
  Halt = 0,      // no periodic events
  OneFrame = 1,  // one periodic event at the next tick
  Run = 2,       // a periodic event at every 100 ms tick
  Quit = 3,      // every later wait reports EventQuit
};

// The 24 colours of the package's fixed table. Any other index is reported
// on the console and drawn in red.
constexpr int COLOUR_BLACK = 0;
constexpr int COLOUR_WHITE = 1;
constexpr int COLOUR_RED = 2;
constexpr int COLOUR_GREEN = 3;
constexpr int COLOUR_BLUE = 4;
constexpr int COLOUR_YELLOW = 5;
constexpr int COLOUR_MAGENTA = 6;
constexpr int COLOUR_CYAN = 7;
constexpr int COLOUR_PURPLE = 8;
constexpr int COLOUR_NAVY_BLUE = 9;
constexpr int COLOUR_DUSTY_PLUM = 10;
constexpr int COLOUR_ICE_BLUE = 11;
constexpr int COLOUR_TURQUOISE = 12;
constexpr int COLOUR_ORANGE = 13;
constexpr int COLOUR_BROWN = 14;
constexpr int COLOUR_PINK = 15;
constexpr int COLOUR_CHALK = 16;
constexpr int COLOUR_GOLD = 17;
constexpr int COLOUR_PEACH = 18;
constexpr int COLOUR_FOREST_GREEN = 19;
constexpr int COLOUR_SEA_GREEN = 20;
constexpr int COLOUR_OLIVE = 21;
constexpr int COLOUR_GRAY_50 = 22;
constexpr int COLOUR_GRAY_20 = 23;
constexpr int COLOUR_COUNT = 24;

// Bytes that ZT738_gets may write into its result buffer (255 characters and
// the terminating zero).
constexpr int GETS_CAPACITY = 256;

// The package's one display. Only the object made by the constructor owns the
// package; a copy shares it and releases nothing when it ends. A second
// construction in one process shows an error and ends the process with -1.
class Display {
 public:
  Display();
  ~Display();
  Display(const Display& other);
  Display& operator=(const Display& other);

  int width;   // logical width of the drawing area, 600
  int height;  // logical height of the drawing area, 500

  // Refreshes and erases the canvas, then fills (-300, -250) to (300, 250).
  void clear(int colour);
  // Waits for the next event; x, y and key are always written.
  EventKind nextEvent(int* x, int* y, char* key);
  // Halt, OneFrame, Run or Quit; other values pass through unchanged.
  int setAnimation(AnimationMode mode);
  // Text anchored at its bottom-left corner; a per-cent sign is drawn as is.
  int drawText(int x, int y, const char* text, int colour, int size);
  // A rectangle on the box (x1, y1)-(x2, y2); lineWidth 0 fills it.
  int drawRectangle(int x1, int y1, int x2, int y2, int colour, int lineWidth);
  // The ellipse inscribed in the box (x1, y1)-(x2, y2); lineWidth 0 fills it.
  int drawOval(int x1, int y1, int x2, int y2, int colour, int lineWidth);
  // A filled circle.
  int drawCircle(int x, int y, int radius, int colour);

 private:
  bool owner_ = false;
};

// Asks for one line of text in a modal dialog. result must hold GETS_CAPACITY
// bytes. Returns 1 when the dialog ran, 0 when it could not be shown.
int ZT738_gets(const char* prompt, char* result);

// Gives the file name the length bytes at bytes as its whole contents,
// written as they are (line ends are not translated). Afterwards the file
// holds either all of the new bytes, flushed to the disk, or its old ones,
// also after a crash: the bytes go to a temporary file of a name of its own
// beside it (".zt738-" and eight hex digits ".tmp"), which then takes its
// place. Only a crash or a power loss before that leaves the temporary file
// behind, and nothing removes it later. The new file keeps the permissions of
// the old one; a symbolic link stays a link and the file it points to is
// replaced. A file that this user may not open for writing (read-only, or
// someone else's) is refused and not touched; a writable file in a folder
// where this user may not create files is overwritten in place, so only
// there may a failure midway leave it half written. While a script is being
// recorded, its file is refused under every name that reaches it. Returns 1
// when done, 0 when not: for a name that is a folder or a device or that the
// file system refuses, a link that leads nowhere, a full disk or any other
// failed step before the new file took the old one's place.
int ZT738_replace_file(const char* name, const char* bytes, size_t length);

// Writes one printf-formatted line to the text console. Returns the number of
// characters formatted.
int ZT738_console_printf(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// The program's main routine, called by the package's WinMain.
int editorMain();
