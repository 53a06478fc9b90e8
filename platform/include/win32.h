// The Win32 subset that the ZT738 package is written against.
//
// On Windows this header only includes <windows.h>. Elsewhere it declares the
// same type names, constants, structures and function signatures, and the
// platform layer implements them: windows and window procedures, one message
// queue, timers, menus, a software GDI and modal dialogs from in-memory
// templates. Behaviour follows Win32; where Win32 leaves a choice, the layer
// does what Wine does. Entries are grouped by area, one line each.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else

#include <cstdarg>
#include <cstddef>
#include <cstdint>

// ---------------------------------------------------------------- base types
#define WINAPI
#define CALLBACK
#define APIENTRY
#define CONST const
#define TRUE 1
#define FALSE 0

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef unsigned int UINT;
typedef int INT;
typedef short SHORT;
typedef char CHAR;
typedef uint16_t WCHAR;
typedef CHAR* LPSTR;
typedef const CHAR* LPCSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t ULONG_PTR;
typedef uintptr_t DWORD_PTR;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef WORD ATOM;
typedef DWORD COLORREF;
typedef void* HANDLE;
typedef size_t SIZE_T;
typedef DWORD* LPDWORD;

// Handles are distinct pointer types, as with STRICT, so that passing the
// wrong kind of handle does not compile.
#define ZT_DECLARE_HANDLE(name) \
  struct name##__ {             \
    int unused;                 \
  };                            \
  typedef struct name##__* name
ZT_DECLARE_HANDLE(HWND);
ZT_DECLARE_HANDLE(HINSTANCE);
ZT_DECLARE_HANDLE(HMENU);
ZT_DECLARE_HANDLE(HDC);
ZT_DECLARE_HANDLE(HICON);
ZT_DECLARE_HANDLE(HBRUSH);
ZT_DECLARE_HANDLE(HPEN);
ZT_DECLARE_HANDLE(HFONT);
ZT_DECLARE_HANDLE(HBITMAP);
ZT_DECLARE_HANDLE(HRGN);
#undef ZT_DECLARE_HANDLE
typedef HICON HCURSOR;
typedef HINSTANCE HMODULE;
typedef HANDLE HGDIOBJ;
typedef HANDLE HGLOBAL;

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef INT_PTR(CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);
typedef void(CALLBACK* TIMERPROC)(HWND, UINT, UINT_PTR, DWORD);

// ---------------------------------------------------------------- macros
#define LOWORD(l) ((WORD)(((DWORD_PTR)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((DWORD_PTR)(l)) >> 16) & 0xffff))
#define LOBYTE(w) ((BYTE)(((DWORD_PTR)(w)) & 0xff))
#define MAKELONG(a, b) \
  ((LONG)(((WORD)(((DWORD_PTR)(a)) & 0xffff)) | ((DWORD)((WORD)(((DWORD_PTR)(b)) & 0xffff))) << 16))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)MAKELONG(l, h))
#define MAKELPARAM(l, h) ((LPARAM)(DWORD)MAKELONG(l, h))
#define RGB(r, g, b) \
  ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(c) (LOBYTE(c))
#define GetGValue(c) (LOBYTE(((WORD)(c)) >> 8))
#define GetBValue(c) (LOBYTE((c) >> 16))
#define MAKEINTRESOURCEA(i) ((LPSTR)((ULONG_PTR)((WORD)(i))))
#define IDI_APPLICATION MAKEINTRESOURCEA(32512)
#define IDC_ARROW MAKEINTRESOURCEA(32512)
#define IS_INTRESOURCE(r) ((((ULONG_PTR)(r)) >> 16) == 0)
#define CLR_INVALID 0xFFFFFFFF

// ---------------------------------------------------------------- structures
typedef struct tagPOINT {
  LONG x;
  LONG y;
} POINT, *LPPOINT;

typedef struct tagSIZE {
  LONG cx;
  LONG cy;
} SIZE, *LPSIZE;

typedef struct tagRECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
} RECT, *LPRECT;
typedef const RECT* LPCRECT;

typedef struct tagMSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;
  POINT pt;
} MSG, *LPMSG;

typedef struct tagWNDCLASSA {
  UINT style;
  WNDPROC lpfnWndProc;
  int cbClsExtra;
  int cbWndExtra;
  HINSTANCE hInstance;
  HICON hIcon;
  HCURSOR hCursor;
  HBRUSH hbrBackground;
  LPCSTR lpszMenuName;
  LPCSTR lpszClassName;
} WNDCLASSA;

typedef struct tagCREATESTRUCTA {
  LPVOID lpCreateParams;
  HINSTANCE hInstance;
  HMENU hMenu;
  HWND hwndParent;
  int cy;
  int cx;
  int y;
  int x;
  LONG style;
  LPCSTR lpszName;
  LPCSTR lpszClass;
  DWORD dwExStyle;
} CREATESTRUCTA, *LPCREATESTRUCTA;

typedef struct tagPAINTSTRUCT {
  HDC hdc;
  BOOL fErase;
  RECT rcPaint;
  BOOL fRestore;
  BOOL fIncUpdate;
  BYTE rgbReserved[32];
} PAINTSTRUCT, *LPPAINTSTRUCT;

typedef struct tagTEXTMETRICA {
  LONG tmHeight;
  LONG tmAscent;
  LONG tmDescent;
  LONG tmInternalLeading;
  LONG tmExternalLeading;
  LONG tmAveCharWidth;
  LONG tmMaxCharWidth;
  LONG tmWeight;
  LONG tmOverhang;
  LONG tmDigitizedAspectX;
  LONG tmDigitizedAspectY;
  BYTE tmFirstChar;
  BYTE tmLastChar;
  BYTE tmDefaultChar;
  BYTE tmBreakChar;
  BYTE tmItalic;
  BYTE tmUnderlined;
  BYTE tmStruckOut;
  BYTE tmPitchAndFamily;
  BYTE tmCharSet;
} TEXTMETRICA, *LPTEXTMETRICA;

typedef struct _SECURITY_ATTRIBUTES {
  DWORD nLength;
  LPVOID lpSecurityDescriptor;
  BOOL bInheritHandle;
} SECURITY_ATTRIBUTES, *LPSECURITY_ATTRIBUTES;

// Only synchronous file access: the layer takes no OVERLAPPED but NULL.
typedef struct _OVERLAPPED OVERLAPPED, *LPOVERLAPPED;
typedef struct tagMOUSEINPUT {
  LONG dx;
  LONG dy;
  DWORD mouseData;
  DWORD dwFlags;
  DWORD time;
  ULONG_PTR dwExtraInfo;
} MOUSEINPUT;

typedef struct tagKEYBDINPUT {
  WORD wVk;
  WORD wScan;
  DWORD dwFlags;
  DWORD time;
  ULONG_PTR dwExtraInfo;
} KEYBDINPUT;

typedef struct tagINPUT {
  DWORD type;  // INPUT_MOUSE or INPUT_KEYBOARD
  union {
    MOUSEINPUT mi;
    KEYBDINPUT ki;
  };
} INPUT, *LPINPUT;

// Dialog templates are packed on 2-byte boundaries, as in <winuser.h>.
#pragma pack(push, 2)
typedef struct {
  DWORD style;
  DWORD dwExtendedStyle;
  WORD cdit;
  short x;
  short y;
  short cx;
  short cy;
} DLGTEMPLATE, *LPDLGTEMPLATEA;
typedef const DLGTEMPLATE* LPCDLGTEMPLATEA;

typedef struct {
  DWORD style;
  DWORD dwExtendedStyle;
  short x;
  short y;
  short cx;
  short cy;
  WORD id;
} DLGITEMTEMPLATE;
#pragma pack(pop)

// ---------------------------------------------------------------- constants: windows
#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define CS_DBLCLKS 0x0008

#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_MINIMIZE 0x20000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CLIPSIBLINGS 0x04000000L
#define WS_CLIPCHILDREN 0x02000000L
#define WS_MAXIMIZE 0x01000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_DLGFRAME 0x00400000L
#define WS_VSCROLL 0x00200000L
#define WS_HSCROLL 0x00100000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_MAXIMIZEBOX 0x00010000L
#define WS_OVERLAPPEDWINDOW \
  (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)
#define WS_EX_DLGMODALFRAME 0x00000001L
#define WS_EX_CLIENTEDGE 0x00000200L
#define WS_EX_TOPMOST 0x00000008L
#define WS_EX_TOOLWINDOW 0x00000080L
#define WS_EX_NOACTIVATE 0x08000000L
#define WS_EX_CONTROLPARENT 0x00010000L
#define CW_USEDEFAULT ((int)0x80000000)

#define DS_ABSALIGN 0x01L
#define DS_SYSMODAL 0x02L
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L

#define ES_LEFT 0x0000L
#define ES_MULTILINE 0x0004L
#define ES_AUTOVSCROLL 0x0040L
#define ES_AUTOHSCROLL 0x0080L
#define ES_WANTRETURN 0x1000L
#define BS_PUSHBUTTON 0x00000000L
#define BS_DEFPUSHBUTTON 0x00000001L
#define BS_TYPEMASK 0x0000000FL
#define SS_LEFT 0x00000000L

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_NORMAL 1
#define SW_SHOWMINIMIZED 2
#define SW_SHOWMAXIMIZED 3
#define SW_SHOWNOACTIVATE 4
#define SW_SHOW 5
#define SW_MINIMIZE 6
#define SW_SHOWMINNOACTIVE 7
#define SW_SHOWNA 8
#define SW_RESTORE 9
#define SW_SHOWDEFAULT 10

#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SM_CXBORDER 5
#define SM_CYBORDER 6
#define SM_CYCAPTION 4
#define SM_CXDLGFRAME 7
#define SM_CYDLGFRAME 8
#define SM_CYMENU 15
#define SM_CXFRAME 32
#define SM_CYFRAME 33
#define SM_CXDOUBLECLK 36
#define SM_CYDOUBLECLK 37
#define SM_CXMENUCHECK 71
#define SM_CYMENUCHECK 72

#define WA_INACTIVE 0
#define WA_ACTIVE 1
#define WA_CLICKACTIVE 2
#define SIZE_RESTORED 0

#define COLOR_MENU 4
#define COLOR_WINDOW 5
#define COLOR_MENUTEXT 7
#define COLOR_WINDOWTEXT 8
#define COLOR_HIGHLIGHT 13
#define COLOR_HIGHLIGHTTEXT 14
#define COLOR_BTNFACE 15
#define COLOR_3DFACE COLOR_BTNFACE
#define COLOR_BTNSHADOW 16
#define COLOR_3DSHADOW COLOR_BTNSHADOW
#define COLOR_GRAYTEXT 17
#define COLOR_BTNHIGHLIGHT 20
#define COLOR_3DHILIGHT COLOR_BTNHIGHLIGHT

#define IDOK 1
#define IDCANCEL 2

// ---------------------------------------------------------------- constants: messages
#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_MOVE 0x0003
#define WM_SIZE 0x0005
#define WM_ACTIVATE 0x0006
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_ENABLE 0x000A
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_ERASEBKGND 0x0014
#define WM_SHOWWINDOW 0x0018
#define WM_SETFONT 0x0030
#define WM_GETFONT 0x0031
#define WM_NCCREATE 0x0081
#define WM_NCDESTROY 0x0082
#define WM_GETDLGCODE 0x0087
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSKEYUP 0x0105
#define WM_SYSCHAR 0x0106
#define WM_INITDIALOG 0x0110
#define WM_SETCURSOR 0x0020
#define WM_INITMENU 0x0116
#define WM_INITMENUPOPUP 0x0117
#define WM_MENUSELECT 0x011F
#define WM_MENUCHAR 0x0120
#define WM_ENTERIDLE 0x0121
#define WM_UNINITMENUPOPUP 0x0125
#define WM_ENTERMENULOOP 0x0211
#define WM_EXITMENULOOP 0x0212
#define WM_KEYFIRST 0x0100
#define WM_KEYLAST 0x0109
#define WM_MOUSEFIRST 0x0200
#define WM_MOUSELAST 0x020D
#define WM_COMMAND 0x0111
#define WM_SYSCOMMAND 0x0112
#define WM_TIMER 0x0113
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_RBUTTONDOWN 0x0204
#define WM_RBUTTONUP 0x0205
#define WM_LBUTTONDBLCLK 0x0203
#define WM_RBUTTONDBLCLK 0x0206
#define WM_MBUTTONDOWN 0x0207
#define WM_MBUTTONUP 0x0208
#define WM_MBUTTONDBLCLK 0x0209
#define WM_CAPTURECHANGED 0x0215
#define WM_MOUSEACTIVATE 0x0021
#define WM_NCHITTEST 0x0084
#define WM_NCMOUSEMOVE 0x00A0
#define WM_NCLBUTTONDOWN 0x00A1
#define WM_NCLBUTTONUP 0x00A2
#define WM_NCLBUTTONDBLCLK 0x00A3
#define WM_NCRBUTTONDOWN 0x00A4
#define WM_NCRBUTTONUP 0x00A5
#define WM_NCRBUTTONDBLCLK 0x00A6
#define WM_NCMBUTTONDOWN 0x00A7
#define WM_NCMBUTTONUP 0x00A8
#define WM_NCMBUTTONDBLCLK 0x00A9
#define WM_CUT 0x0300
#define WM_COPY 0x0301
#define WM_PASTE 0x0302
#define WM_CLEAR 0x0303
#define WM_USER 0x0400
#define WM_APP 0x8000

#define SC_CLOSE 0xF060
#define SC_MOUSEMENU 0xF090
#define SC_KEYMENU 0xF100
#define MSGF_MENU 2
#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001
#define MK_LBUTTON 0x0001
#define MK_RBUTTON 0x0002
#define MK_SHIFT 0x0004
#define MK_CONTROL 0x0008
#define MK_MBUTTON 0x0010

// WM_NCHITTEST results: where a point lies in a window.
#define HTERROR (-2)
#define HTTRANSPARENT (-1)
#define HTNOWHERE 0
#define HTCLIENT 1
#define HTCAPTION 2
#define HTSYSMENU 3
#define HTMENU 5
#define HTLEFT 10
#define HTRIGHT 11
#define HTTOP 12
#define HTTOPLEFT 13
#define HTTOPRIGHT 14
#define HTBOTTOM 15
#define HTBOTTOMLEFT 16
#define HTBOTTOMRIGHT 17
#define HTBORDER 18
#define HTCLOSE 20
// WM_MOUSEACTIVATE results.
#define MA_ACTIVATE 1
#define MA_ACTIVATEANDEAT 2
#define MA_NOACTIVATE 3
#define MA_NOACTIVATEANDEAT 4

// Keys a dialog control asks to handle itself (WM_GETDLGCODE results).
#define DLGC_WANTARROWS 0x0001
#define DLGC_WANTTAB 0x0002
#define DLGC_WANTALLKEYS 0x0004
#define DLGC_WANTMESSAGE 0x0004
#define DLGC_HASSETSEL 0x0008
#define DLGC_DEFPUSHBUTTON 0x0010
#define DLGC_UNDEFPUSHBUTTON 0x0020
#define DLGC_WANTCHARS 0x0080
#define DLGC_STATIC 0x0100
#define DLGC_BUTTON 0x2000
#define BN_CLICKED 0
#define EN_SETFOCUS 0x0100
#define EN_KILLFOCUS 0x0200
#define EN_CHANGE 0x0300
#define EM_GETSEL 0x00B0
#define EM_SETSEL 0x00B1
#define EM_SCROLLCARET 0x00B7
#define EM_GETLINECOUNT 0x00BA
#define EM_REPLACESEL 0x00C2
#define EM_GETFIRSTVISIBLELINE 0x00CE
#define EM_POSFROMCHAR 0x00D6
#define EM_CHARFROMPOS 0x00D7
#define BM_GETSTATE 0x00F2
#define BST_PUSHED 0x0004
#define BST_FOCUS 0x0008
#define BM_CLICK 0x00F5
#define DM_GETDEFID (WM_USER + 0)
#define DC_HASDEFID 0x534B

// ---------------------------------------------------------------- constants: keys
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_CAPITAL 0x14
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_INSERT 0x2D
#define VK_DELETE 0x2E
#define VK_F1 0x70
#define VK_F10 0x79
#define VK_LSHIFT 0xA0
#define VK_RSHIFT 0xA1
#define VK_LCONTROL 0xA2
#define VK_RCONTROL 0xA3
#define VK_LMENU 0xA4
#define VK_RMENU 0xA5
#define VK_OEM_1 0xBA
#define VK_OEM_PLUS 0xBB
#define VK_OEM_COMMA 0xBC
#define VK_OEM_MINUS 0xBD
#define VK_OEM_PERIOD 0xBE
#define VK_OEM_2 0xBF
#define VK_OEM_3 0xC0
#define VK_OEM_4 0xDB
#define VK_OEM_5 0xDC
#define VK_OEM_6 0xDD
#define VK_OEM_7 0xDE
#define MAPVK_VK_TO_VSC 0
#define KEYEVENTF_KEYUP 0x0002
#define KF_REPEAT 0x4000
#define KF_ALTDOWN 0x2000
#define KF_UP 0x8000

// Injected input (SendInput, mouse_event).
#define INPUT_MOUSE 0
#define INPUT_KEYBOARD 1
#define MOUSEEVENTF_MOVE 0x0001
#define MOUSEEVENTF_LEFTDOWN 0x0002
#define MOUSEEVENTF_LEFTUP 0x0004
#define MOUSEEVENTF_RIGHTDOWN 0x0008
#define MOUSEEVENTF_RIGHTUP 0x0010
#define MOUSEEVENTF_MIDDLEDOWN 0x0020
#define MOUSEEVENTF_MIDDLEUP 0x0040
#define MOUSEEVENTF_ABSOLUTE 0x8000  // dx, dy from 0 to 65535 across the screen

// ---------------------------------------------------------------- constants: menus
#define MF_STRING 0x00000000L
#define MF_GRAYED 0x00000001L
#define MF_DISABLED 0x00000002L
#define MF_UNCHECKED 0x00000000L
#define MF_CHECKED 0x00000008L
#define MF_POPUP 0x00000010L
#define MF_SEPARATOR 0x00000800L
#define MF_BYCOMMAND 0x00000000L
#define MF_BYPOSITION 0x00000400L
#define MF_ENABLED 0x00000000L
#define MF_HILITE 0x00000080L
#define MF_MOUSESELECT 0x00008000L
#define TPM_LEFTBUTTON 0x0000
#define TPM_RIGHTBUTTON 0x0002
#define TPM_LEFTALIGN 0x0000
#define TPM_TOPALIGN 0x0000
#define TPM_NONOTIFY 0x0080
#define TPM_RETURNCMD 0x0100

// ---------------------------------------------------------------- constants: GDI
#define PS_SOLID 0
#define PS_NULL 5
#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define OEM_FIXED_FONT 10
#define ANSI_FIXED_FONT 11
#define ANSI_VAR_FONT 12
#define SYSTEM_FONT 13
#define DEFAULT_GUI_FONT 17
#define TRANSPARENT 1
#define OPAQUE 2
#define SRCCOPY 0x00CC0020
#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1
#define OUT_DEFAULT_PRECIS 0
#define CLIP_DEFAULT_PRECIS 0
#define DEFAULT_QUALITY 0
#define DEFAULT_PITCH 0
#define FIXED_PITCH 1
#define VARIABLE_PITCH 2
#define FF_SWISS 0x20
#define FF_MODERN 0x30
#define TMPF_FIXED_PITCH 0x01
#define TMPF_VECTOR 0x02
#define TMPF_TRUETYPE 0x04
#define FW_NORMAL 400
#define FW_BOLD 700
#define LF_FACESIZE 32
#define ERROR 0
#define NULLREGION 1
#define SIMPLEREGION 2
#define HGDI_ERROR ((HGDIOBJ)(LONG_PTR)-1)

// ---------------------------------------------------------------- constants: memory and files
#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define CF_TEXT 1
#define CF_BITMAP 2
#define MOVEFILE_REPLACE_EXISTING 0x00000001
#define MOVEFILE_WRITE_THROUGH 0x00000008
#define MAX_PATH 260
#define INVALID_HANDLE_VALUE ((HANDLE)(LONG_PTR)-1)
#define GENERIC_READ 0x80000000u
#define GENERIC_WRITE 0x40000000u
#define FILE_SHARE_READ 0x00000001
#define FILE_SHARE_WRITE 0x00000002
#define FILE_SHARE_DELETE 0x00000004
#define CREATE_NEW 1
#define CREATE_ALWAYS 2
#define OPEN_EXISTING 3
#define OPEN_ALWAYS 4
#define TRUNCATE_EXISTING 5
#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_NORMAL 0x00000080
#define FILE_ATTRIBUTE_REPARSE_POINT 0x00000400
#define INVALID_FILE_ATTRIBUTES ((DWORD)-1)
#define FILE_TYPE_UNKNOWN 0x0000
#define FILE_TYPE_DISK 0x0001
#define FILE_TYPE_CHAR 0x0002
#define FILE_TYPE_PIPE 0x0003
#define FILE_NAME_NORMALIZED 0x0
#define VOLUME_NAME_DOS 0x0
#define GR_GDIOBJECTS 0
#define GR_USEROBJECTS 1

// ---------------------------------------------------------------- constants: error codes
#define ERROR_SUCCESS 0
#define ERROR_FILE_NOT_FOUND 2
#define ERROR_PATH_NOT_FOUND 3
#define ERROR_TOO_MANY_OPEN_FILES 4
#define ERROR_ACCESS_DENIED 5
#define ERROR_INVALID_HANDLE 6
#define ERROR_NOT_ENOUGH_MEMORY 8
#define ERROR_NOT_SAME_DEVICE 17
#define ERROR_WRITE_PROTECT 19
#define ERROR_GEN_FAILURE 31
#define ERROR_HANDLE_DISK_FULL 39
#define ERROR_FILE_EXISTS 80
#define ERROR_INVALID_PARAMETER 87
#define ERROR_DISK_FULL 112
#define ERROR_CALL_NOT_IMPLEMENTED 120
#define ERROR_INSUFFICIENT_BUFFER 122
#define ERROR_INVALID_NAME 123
#define ERROR_DIR_NOT_EMPTY 145
#define ERROR_ALREADY_EXISTS 183
#define ERROR_FILENAME_EXCED_RANGE 206
#define ERROR_FILE_TOO_LARGE 223
#define ERROR_CLIPBOARD_NOT_OPEN 1418

// ================================================================ functions
// ---------------------------------------------------------------- entry
// The program's entry point; the layer's main() calls it with
// (instance, NULL, command line, SW_SHOWDEFAULT) and returns its result.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
HMODULE GetModuleHandleA(LPCSTR name);  // the program's own instance for NULL
DWORD GetTickCount(void);               // milliseconds on the monotonic clock
void Sleep(DWORD ms);                   // blocks the thread for ms milliseconds

// ---------------------------------------------------------------- windows
ATOM RegisterClassA(const WNDCLASSA* wc);  // 0 when the name is taken or wc is unusable
HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param);         // sends WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE
BOOL DestroyWindow(HWND hwnd);              // children first get WM_DESTROY after their parent
BOOL ShowWindow(HWND hwnd, int cmd);        // returns whether the window was visible before
BOOL IsWindow(HWND hwnd);                   // the handle names a live window
BOOL IsWindowVisible(HWND hwnd);            // WS_VISIBLE on the window and all its parents
BOOL EnableWindow(HWND hwnd, BOOL enable);  // returns whether it was disabled before
BOOL IsWindowEnabled(HWND hwnd);            // not WS_DISABLED
LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);  // WM_CLOSE destroys
LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL GetClientRect(HWND hwnd, LPRECT rect);  // (0, 0) to the client size
BOOL GetWindowRect(HWND hwnd, LPRECT rect);  // outer rectangle in screen coordinates
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle);  // client -> outer
DWORD GetSysColor(int index);     // Wine's default theme's colours
int GetSystemMetrics(int index);  // a fixed 1280 x 1024 screen while headless
// Non-client metrics as under Wine: border 1, dialog frame 3, sizing frame 4,
// client edge 2 more, caption 19, menu bar 19. An overlapped window (neither
// WS_CHILD nor WS_POPUP) gets its first WM_SIZE and WM_MOVE when first shown.
HICON LoadIconA(HINSTANCE instance, LPCSTR name);       // stock icons only
HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name);   // stock cursors only
HWND FindWindowA(LPCSTR className, LPCSTR title);       // top-level windows; NULL matches any
int GetWindowTextA(HWND hwnd, LPSTR buffer, int size);  // copies at most size - 1, terminated
int GetWindowTextLengthA(HWND hwnd);
BOOL SetWindowTextA(HWND hwnd, LPCSTR text);  // sends WM_SETTEXT
HWND GetParent(HWND hwnd);
int GetDlgCtrlID(HWND hwnd);
HWND GetFocus(void);         // the window with the keyboard focus
HWND SetFocus(HWND hwnd);    // sends WM_KILLFOCUS then WM_SETFOCUS; returns the old focus
HWND GetActiveWindow(void);  // the active top-level window
HWND SetActiveWindow(HWND hwnd);
BOOL SetForegroundWindow(HWND hwnd);
BOOL InvalidateRect(HWND hwnd, LPCRECT rect, BOOL erase);  // NULL rect: the whole client area
BOOL ValidateRect(HWND hwnd, LPCRECT rect);
BOOL UpdateWindow(HWND hwnd);  // sends WM_PAINT at once when the window needs painting
BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase);

// ---------------------------------------------------------------- messages
// Retrieval order: posted messages first (oldest first), then WM_QUIT once
// PostQuitMessage was called, then WM_PAINT for a window with an invalid
// region, then WM_TIMER for a timer that has fallen due.
BOOL PeekMessageA(LPMSG msg, HWND hwnd, UINT first, UINT last, UINT remove);  // never blocks
BOOL GetMessageA(LPMSG msg, HWND hwnd, UINT first, UINT last);  // blocks; FALSE on WM_QUIT
BOOL WaitMessage(void);  // blocks until a message is posted or a timer falls due
BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);     // any thread
LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);  // calls the procedure
void PostQuitMessage(int exitCode);        // WM_QUIT with wParam = exitCode
BOOL TranslateMessage(const MSG* msg);     // posts WM_CHAR for a key-down that makes a character
LRESULT DispatchMessageA(const MSG* msg);  // calls the procedure, or the TIMERPROC of WM_TIMER
SHORT GetKeyState(int vk);                 // high bit: held, as of the last key message taken
BOOL GetKeyboardState(BYTE* state);        // 256 bytes; bit 7 held, bit 0 toggled
BOOL SetKeyboardState(BYTE* state);        // what TranslateMessage and GetKeyState then use
UINT MapVirtualKeyA(UINT code, UINT mapType);  // MAPVK_VK_TO_VSC: a key's scan code
void keybd_event(BYTE vk, BYTE scan, DWORD flags, ULONG_PTR extra);  // injects a key as if typed

// ---------------------------------------------------------------- mouse
// A pointer event goes to the capture window, else to the deepest visible
// window under the point; WM_NCHITTEST decides between the client message
// (client coordinates, MK_* state) and the WM_NC* one (hit code, screen
// coordinates). Disabled windows get nothing; a click activates its
// top-level window first (WM_MOUSEACTIVATE).
void mouse_event(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extra);
UINT SendInput(UINT count, LPINPUT inputs, int size);  // INPUT_MOUSE and INPUT_KEYBOARD
BOOL GetCursorPos(LPPOINT point);
BOOL SetCursorPos(int x, int y);  // moves the pointer; the window under it hears WM_MOUSEMOVE
HWND SetCapture(HWND hwnd);       // returns the previous capture window
BOOL ReleaseCapture(void);
HWND GetCapture(void);
HWND WindowFromPoint(POINT point);  // the deepest visible window under a screen point
UINT GetDoubleClickTime(void);      // milliseconds between the clicks of a double-click
BOOL ScreenToClient(HWND hwnd, LPPOINT point);
BOOL ClientToScreen(HWND hwnd, LPPOINT point);
DWORD GetMessageTime(void);

// ---------------------------------------------------------------- caret
// One caret per thread, drawn by inverting its rectangle in the owner's
// client pixels (no blinking); BeginPaint hides it and EndPaint shows it.
BOOL CreateCaret(HWND hwnd, HBITMAP bitmap, int width, int height);  // hidden; a solid block
BOOL DestroyCaret(void);
BOOL ShowCaret(HWND hwnd);       // undoes one HideCaret; NULL: the caret's owner
BOOL HideCaret(HWND hwnd);       // hides counted: as many ShowCaret calls to show it again
BOOL SetCaretPos(int x, int y);  // client coordinates of the caret's owner
BOOL GetCaretPos(LPPOINT point);

// ---------------------------------------------------------------- clipboard
// Text only (CF_TEXT), shared with the desktop through the driver when the
// clipboard is closed. A handle given to SetClipboardData belongs to the
// clipboard from then on; the clipboard frees it when it is emptied.
BOOL OpenClipboard(HWND owner);  // fails (ERROR_ACCESS_DENIED) while another window has it
BOOL CloseClipboard(void);       // ERROR_CLIPBOARD_NOT_OPEN unless open
BOOL EmptyClipboard(void);       // the opener becomes the owner
HANDLE SetClipboardData(UINT format, HANDLE memory);  // a GlobalAlloc block; NULL when not open
HANDLE GetClipboardData(UINT format);  // the clipboard's own block; NULL when not open
BOOL IsClipboardFormatAvailable(UINT format);
HWND GetClipboardOwner(void);       // the window that last emptied it, or NULL
HWND GetOpenClipboardWindow(void);  // the window that has it open, or NULL

// ---------------------------------------------------------------- timers
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT ms, TIMERPROC proc);  // NULL hwnd: a thread timer
BOOL KillTimer(HWND hwnd, UINT_PTR id);

// ---------------------------------------------------------------- painting
HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT ps);  // sends WM_ERASEBKGND when asked; validates
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps);
HDC GetDC(HWND hwnd);        // draws into the window's own client pixels
HDC GetWindowDC(HWND hwnd);  // window coordinates: the top of the non-client area and its menu bar
int ReleaseDC(HWND hwnd, HDC dc);

// ---------------------------------------------------------------- GDI objects and DCs
// A new DC holds BLACK_PEN, WHITE_BRUSH, SYSTEM_FONT, black text on white, OPAQUE.
HDC CreateCompatibleDC(HDC dc);  // a memory DC with a 1 x 1 bitmap selected
BOOL DeleteDC(HDC dc);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);  // 32-bit colour, black
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);                   // returns the object it replaced
BOOL DeleteObject(HGDIOBJ object);                              // stock objects are never deleted
HGDIOBJ GetStockObject(int index);
HPEN CreatePen(int style, int width, COLORREF colour);  // PS_SOLID, PS_NULL
HBRUSH CreateSolidBrush(COLORREF colour);
COLORREF SetTextColor(HDC dc, COLORREF colour);  // returns the previous colour
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF colour);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);  // TRANSPARENT or OPAQUE; returns the previous mode
int GetBkMode(HDC dc);

// ---------------------------------------------------------------- GDI drawing
// Rectangle and Ellipse exclude the right and bottom edges; the outline takes
// the pen (width 0 or 1: one pixel; wider: centred, round joins) and the
// interior the brush; with NULL_PEN a Rectangle's filled area is one pixel
// smaller at the right and bottom (an Ellipse's only when the box is at most
// 2 pixels wide or tall).
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);      // no pen; right and bottom excluded
COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour);  // the colour set; CLR_INVALID outside
COLORREF GetPixel(HDC dc, int x, int y);                   // CLR_INVALID outside the surface
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY,
            DWORD rop);  // SRCCOPY; clipped to both surfaces
BOOL ScrollDC(HDC dc, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update,
              LPRECT updateRect);  // moves pixels; what is uncovered keeps its old pixels

// ---------------------------------------------------------------- text
// Text goes through FreeType with faces found by fontconfig. A face the
// system lacks falls back to DejaVu Sans; ANSI_FIXED_FONT and the dialog
// font are DejaVu Sans Mono. The reference point is the top-left of the cell.
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily,
                  LPCSTR faceName);  // height < 0: character height in pixels; 0: default
BOOL GetTextExtentPointA(HDC dc, LPCSTR text, int count, LPSIZE size);
BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int count, LPSIZE size);
BOOL GetTextMetricsA(HDC dc, LPTEXTMETRICA metrics);
int GetTextFaceA(HDC dc, int size, LPSTR name);
BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int count);  // OPAQUE fills the cell
LONG GetDialogBaseUnits(void);  // LOWORD: average width, HIWORD: height of the system font

// ---------------------------------------------------------------- menus
HMENU CreateMenu(void);       // a menu bar
HMENU CreatePopupMenu(void);  // a drop-down menu
BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR idOrPopup, LPCSTR text);
BOOL SetMenu(HWND hwnd, HMENU menu);  // the client area shrinks by the menu bar
HMENU GetMenu(HWND hwnd);
BOOL DrawMenuBar(HWND hwnd);  // paints the bar into the window's non-client area
UINT EnableMenuItem(HMENU menu, UINT item, UINT flags);  // MF_GRAYED ...; previous state or -1
BOOL GetMenuItemRect(HWND hwnd, HMENU menu, UINT position, LPRECT rect);  // screen coordinates
int MenuItemFromPoint(HWND hwnd, HMENU menu, POINT screen);               // the position, or -1
// Tracks a popup menu at a screen point in a modal loop; TPM_RETURNCMD: the
// chosen identifier (0: none), else TRUE with the WM_COMMAND posted.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND hwnd,
                    const RECT* rect);
DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags);  // previous state, or (DWORD)-1
UINT GetMenuState(HMENU menu, UINT item, UINT flags);    // MF_ flags, or (UINT)-1
int GetMenuItemCount(HMENU menu);
UINT GetMenuItemID(HMENU menu, int position);  // (UINT)-1 for a popup or a bad position
HMENU GetSubMenu(HMENU menu, int position);
int GetMenuStringA(HMENU menu, UINT item, LPSTR buffer, int size, UINT flags);
BOOL DestroyMenu(HMENU menu);  // also destroys its popups

// ---------------------------------------------------------------- dialogs
INT_PTR DialogBoxIndirectParamA(HINSTANCE instance, LPCDLGTEMPLATEA templ, HWND owner, DLGPROC proc,
                                LPARAM param);  // -1 when it cannot be made
BOOL EndDialog(HWND dialog, INT_PTR result);
HWND GetDlgItem(HWND dialog, int id);
UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size);  // at most size - 1, terminated
BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
BOOL IsDialogMessageA(HWND dialog, LPMSG msg);  // dialog keys: Enter, Escape, Tab

// ---------------------------------------------------------------- code page
// The ANSI code page is UTF-8: every A function takes and gives UTF-8 bytes.
#define CP_ACP 0
#define CP_UTF8 65001
UINT GetACP(void);  // CP_UTF8
// CP_ACP or CP_UTF8 to UTF-16; a count of -1 includes the terminator; a
// capacity of 0 asks for the size. Broken sequences become U+FFFD.
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int count, WCHAR* out,
                        int capacity);

// ---------------------------------------------------------------- memory and files
HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
LPVOID GlobalLock(HGLOBAL memory);
BOOL GlobalUnlock(HGLOBAL memory);
HGLOBAL GlobalFree(HGLOBAL memory);  // NULL on success
SIZE_T GlobalSize(HGLOBAL memory);   // the size asked for; 0 for a bad handle

// Files. Names are POSIX paths, passed through as bytes; a symbolic link is
// followed when a file is opened and reported as FILE_ATTRIBUTE_REPARSE_POINT.
// A failing call sets the thread's last error from errno.
DWORD GetLastError(void);
void SetLastError(DWORD error);
DWORD GetCurrentProcessId(void);
HANDLE GetCurrentProcess(void);  // the pseudo-handle (HANDLE)-1
// GR_GDIOBJECTS: live DCs, pens, brushes, fonts, bitmaps and regions (stock
// objects not counted); GR_USEROBJECTS: live windows and menus. 0 for
// another process or flag.
DWORD GetGuiResources(HANDLE process, DWORD flags);
BOOL GetProcessHandleCount(HANDLE process, LPDWORD count);  // open files; FALSE for another process
HANDLE CreateFileA(LPCSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                   DWORD disposition, DWORD flagsAndAttributes,
                   HANDLE templateFile);  // INVALID_HANDLE_VALUE on failure; no directories
BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD bytes, LPDWORD written,
               LPOVERLAPPED overlapped);  // all bytes or FALSE (a full disk: ERROR_DISK_FULL)
BOOL SetEndOfFile(HANDLE file);           // ends the file where the next write would go
BOOL FlushFileBuffers(HANDLE file);       // fsync(2)
DWORD GetFileType(HANDLE file);           // FILE_TYPE_DISK for a regular file
DWORD GetFinalPathNameByHandleA(HANDLE file, LPSTR path, DWORD size,
                                DWORD flags);  // the absolute path, links resolved
BOOL CloseHandle(HANDLE object);               // file handles only
DWORD GetFileAttributesA(LPCSTR name);         // INVALID_FILE_ATTRIBUTES when missing
BOOL DeleteFileA(LPCSTR name);                 // not a directory
BOOL MoveFileExA(LPCSTR from, LPCSTR to,
                 DWORD flags);  // REPLACE_EXISTING; WRITE_THROUGH also flushes the folder

#endif  // _WIN32
