// The line-input dialog, first version: it is never shown and reports that.
#include "package.h"

char* getsResult = nullptr;

int ZT738_gets(const char*, char*) { return 0; }

INT_PTR CALLBACK ZT738_gets_dialog_proc(HWND, UINT, WPARAM, LPARAM) { return 0; }
