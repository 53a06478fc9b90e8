// The ZT738 package's internal header: its module-level state, the draw
// request, the command identifiers and every package operation.
//
// The package is a set of plain functions over the state below. Everything
// runs on the one thread that owns the windows; nothing here is locked.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "win32.h"
#include "zt738.h"

// Everything of the package that a program does not see lives in
// zt::package, so that a program may give its own globals any name.
namespace zt::package {

// ---------------------------------------------------------------- constants
constexpr int FORMAT_BUFFER_SIZE = 1024;  // formatting buffer of console lines and drawn text
constexpr int MAX_POINT_SIZE = 127;       // largest accepted text height in pixels
constexpr int CONSOLE_SLOTS = 25;         // lines that the console keeps for repainting

constexpr int CANVAS_WIDTH = 601;   // canvas and graphics window width in pixels
constexpr int CANVAS_HEIGHT = 540;  // canvas and graphics window height in pixels
constexpr UINT_PTR TICK_TIMER_ID = 2;
constexpr UINT TICK_PERIOD_MS = 100;

// Command identifiers of the Run menu (compared with the whole wParam).
enum Command {
  CmdAnimate = 1,
  CmdHalt = 2,
  CmdAdvanceFrame = 3,
  CmdLogging = 4,
  CmdRecordScript = 5,
  CmdPlaybackScript = 6,
  CmdPlayOne = 7,
  CmdQuit = 8,
  CmdAbout = 9,  // the grey information lines; never sent
};

// Control identifiers of the line-input dialog.
constexpr int IdGetsOkay = 101;
constexpr int IdGetsInput = 102;
constexpr int IdGetsPrompt = 103;

// The script file's name, in the current directory.
constexpr const char* SCRIPT_FILE_NAME = "ZT738.SCR";

// ---------------------------------------------------------------- draw requests
enum RequestKind {
  RequestRectangle = 1,  // rectangle on the box (x1, y1)-(x2, y2)
  RequestEllipse = 2,    // ellipse inscribed in the box (x1, y1)-(x2, y2)
  RequestText = 5,       // text anchored at (x1, y1)
};

// One primitive, built on the caller's stack and drawn at once. Boxes are
// normalised: x1 <= x2 and y1 >= y2 (logical, y upward). A text request
// carries its point size in x2 and its own copy of the text in text.
struct DrawRequest {
  int kind = 0;  // a RequestKind
  int colour = 0;
  int lineWidth = 0;  // 0 fills; not used by text
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  std::string text;
};

// ---------------------------------------------------------------- package state
// Start-up arguments, stored by WinMain for the Display's constructor.
extern HINSTANCE startInstance;
extern HINSTANCE startPrevInstance;
extern char* startCmdLine;
extern int startCmdShow;

extern HWND graphicsWindow;  // "ZT738 Graphics"
extern HWND textWindow;      // "ZT738 Text"
extern HDC windowDC;         // the graphics window's DC, fetched once
extern HDC canvas;           // memory DC holding the 601 x 540 canvas bitmap
extern HBITMAP canvasBitmap;
extern HINSTANCE instance;  // kept for the line-input dialog
extern HMENU runMenu;       // the "&Run" popup, for check marks

extern bool canvasDirty;  // canvas changed since it was last copied to the window
extern int centreX;       // client-area position of the logical origin
extern int centreY;

// One event as the wait hands it out: a mouse event carries x and y, a key
// event its character; the other fields are 0.
struct PendingEvent {
  int kind = EventNone;  // an EventKind
  int x = 0;
  int y = 0;
  char key = 0;
};

// The event that the wait assembles: empty until one arrives, emptied at the
// start of every wait.
extern std::optional<PendingEvent> pending;

extern bool ctrlDown;
extern bool tickArrived;

extern bool animating;
extern bool oneFrameRequested;
extern bool quitRequested;

extern bool recording;
extern bool playingBack;
extern bool playOneRequested;
extern int periodicCount;

extern bool logging;
extern bool displayExists;

// Console history: a ring of owned line copies, each exactly as formatted.
extern std::string consoleHistory[CONSOLE_SLOTS];
extern int consoleFirst;  // oldest line; -1 while nothing was written
extern int consoleNext;   // slot that the next line fills

// Defined by the script slot unit: the one script file slot (nullptr when
// empty), and whether the file in it was opened for writing.
extern FILE* scriptFile;
extern bool scriptWriting;
// Defined by the dialog unit: the caller's result buffer while the dialog runs.
extern char* getsResult;

// ---------------------------------------------------------------- colours
extern const COLORREF colourRgb[COLOUR_COUNT];
extern const char* const colourName[COLOUR_COUNT];

// ---------------------------------------------------------------- start-up and the wait
int ZT738_start(HINSTANCE hInstance, HINSTANCE hPrevInstance, char* lpCmdLine, int nCmdShow);
int ZT738_stop();
int ZT738_next_event(int* x, int* y, char* key);
// One pass of the message pump; returns whether it took a message.
bool ZT738_pump();
void ZT738_show_text_window(int show);
// Copies the whole canvas to the window DC and clears canvasDirty.
void ZT738_copy_canvas(HDC target);

// The graphics window procedure: input side, dispatching the menu side.
LRESULT CALLBACK ZT738_graphics_window_proc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);

// ---------------------------------------------------------------- menu, shortcuts, timer
void ZT738_build_menu(HWND window);       // WM_CREATE
void ZT738_menu_command(WPARAM command);  // WM_COMMAND
void ZT738_shortcut_key(WPARAM key);      // WM_KEYDOWN while Ctrl is held; other keys do nothing
void ZT738_timer_tick();                  // WM_TIMER
int ZT738_set_animation(int code);
int ZT738_set_logging(int on);

// ---------------------------------------------------------------- colours and primitives
int ZT738_check_colour(int colour);
int ZT738_fill_circle(int colour, int x, int y, int radius);
int ZT738_draw_rectangle(int colour, int x1, int y1, int x2, int y2, int lineWidth);
int ZT738_draw_oval(int colour, int x1, int y1, int x2, int y2, int lineWidth);
int ZT738_draw_text(int colour, int x, int y, int pointSize, const char* text);
int ZT738_draw_textf(int colour, int x, int y, int pointSize, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 5, 6)))
#endif
    ;
int ZT738_refresh();
int ZT738_erase();
void ZT738_render_request(const DrawRequest& request);

// ---------------------------------------------------------------- script
void ZT738_record_event(int kind, int x, int y, char key);
int ZT738_play_event();
void ZT738_close_script();
void ZT738_playback_stopped();
// 1 when name reaches the file that a recording holds open: replacing it
// would send every later line to a deleted file.
int ZT738_is_recording_file(const char* name);

// ---------------------------------------------------------------- console
// Formats into a FORMAT_BUFFER_SIZE buffer, truncating longer output at
// FORMAT_BUFFER_SIZE - 1 characters; returns vsnprintf's result (an encoding
// error leaves the buffer empty).
int ZT738_format(char (&buffer)[FORMAT_BUFFER_SIZE], const char* format, va_list args);
// The number of characters that ZT738_format's result put into the buffer.
int ZT738_formatted_length(int produced);
// ZT738_console_printf is public (zt738.h).
// The stored lines, oldest first, exactly as formatted.
std::vector<std::string> ZT738_console_lines();
void ZT738_console_put_line(char* line);
LRESULT CALLBACK ZT738_text_window_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// ---------------------------------------------------------------- line-input dialog
// ZT738_gets is public (zt738.h).
INT_PTR CALLBACK ZT738_gets_dialog_proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// The dialog's in-memory template: 292 bytes, built for `prompt` into `out`,
// which must start on a 4-byte boundary.
constexpr int GETS_TEMPLATE_SIZE = 292;
void ZT738_build_gets_template(const char* prompt, unsigned char out[GETS_TEMPLATE_SIZE]);

}  // namespace zt::package
