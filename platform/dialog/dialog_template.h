// Reading an in-memory dialog template (DLGTEMPLATE followed by its
// DLGITEMTEMPLATE records) into plain values.
#pragma once

#include <string>
#include <vector>

#include "win32.h"

namespace zt::platform {

// The predefined control classes that a template may name by atom.
enum class ControlClass { Button = 0x0080, Edit = 0x0081, Static = 0x0082 };

struct DialogItemTemplate {
  DWORD style = 0;
  DWORD exStyle = 0;
  short x = 0;
  short y = 0;
  short cx = 0;
  short cy = 0;
  WORD id = 0;
  ControlClass controlClass = ControlClass::Static;
  std::string text;                    // narrowed; empty for a resource ordinal
  const void* creationData = nullptr;  // the size word and what follows, when present
};

struct DialogTemplate {
  DWORD style = 0;
  DWORD exStyle = 0;
  short x = 0;
  short y = 0;
  short cx = 0;
  short cy = 0;
  std::string title;
  bool hasFont = false;  // DS_SETFONT: a point size and a face name follow the title
  WORD pointSize = 0;
  std::string faceName;
  std::vector<DialogItemTemplate> items;
};

// Reads the template at `data`. Returns false for what this layer cannot
// build: no template, the extended form, a menu, a private window class, or
// an item whose class is not a button, edit or static control.
bool parseDialogTemplate(const void* data, DialogTemplate& out);

// Win32's MulDiv: a * b / c rounded half away from zero; -1 when c is 0.
int mulDiv(int a, int b, int c);

}  // namespace zt::platform
