// Builds in-memory dialog templates for the tests, field by field, in a
// buffer that starts on a 4-byte boundary.
#pragma once

#include <cstring>
#include <vector>

#include "win32.h"

class TemplateBuilder {
 public:
  // The dialog header; a nonzero menu or windowClass is written as an ordinal.
  TemplateBuilder(DWORD style, short x, short y, short cx, short cy, const char* title,
                  WORD menu = 0, WORD windowClass = 0) {
    dword(style);
    dword(0);
    countAt_ = words_.size();
    word(0);
    word(static_cast<WORD>(x));
    word(static_cast<WORD>(y));
    word(static_cast<WORD>(cx));
    word(static_cast<WORD>(cy));
    ordinalOrNone(menu);
    ordinalOrNone(windowClass);
    string(title);
  }

  // DS_SETFONT's point size and face, right after the title.
  TemplateBuilder& font(WORD points, const char* face) {
    word(points);
    string(face);
    return *this;
  }

  // One item with a class atom (0x0080 button, 0x0081 edit, 0x0082 static);
  // `data` bytes of creation data follow the size word.
  TemplateBuilder& item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom,
                        const char* text, WORD data = 0) {
    header(style, x, y, cx, cy, id);
    word(0xFFFF);
    word(atom);
    string(text);
    creationData(data);
    return *this;
  }

  // One item naming its class by a string.
  TemplateBuilder& namedItem(DWORD style, short x, short y, short cx, short cy, WORD id,
                             const char* className, const char* text) {
    header(style, x, y, cx, cy, id);
    string(className);
    string(text);
    creationData(0);
    return *this;
  }

  const DLGTEMPLATE* get() {
    words_[countAt_] = items_;
    storage_.assign((words_.size() + 1) / 2, 0);
    std::memcpy(storage_.data(), words_.data(), words_.size() * sizeof(WORD));
    return reinterpret_cast<const DLGTEMPLATE*>(storage_.data());
  }

 private:
  void header(DWORD style, short x, short y, short cx, short cy, WORD id) {
    if (words_.size() % 2) word(0);  // items start on 4-byte boundaries
    dword(style);
    dword(0);
    word(static_cast<WORD>(x));
    word(static_cast<WORD>(y));
    word(static_cast<WORD>(cx));
    word(static_cast<WORD>(cy));
    word(id);
    ++items_;
  }
  void creationData(WORD bytes) {
    word(bytes);
    for (WORD i = 0; i < bytes / 2; ++i) word(0xABCD);
  }
  void ordinalOrNone(WORD ordinal) {
    if (ordinal) word(0xFFFF);
    word(ordinal);
  }
  void word(WORD w) { words_.push_back(w); }
  void dword(DWORD d) {
    word(static_cast<WORD>(d & 0xFFFF));
    word(static_cast<WORD>(d >> 16));
  }
  // UTF-8 (the code page) widened to UTF-16, with its terminator.
  void string(const char* s) {
    const int units = MultiByteToWideChar(CP_UTF8, 0, s, -1, nullptr, 0);
    std::vector<WCHAR> wide(static_cast<size_t>(units > 0 ? units : 1), 0);
    if (units > 0) MultiByteToWideChar(CP_UTF8, 0, s, -1, wide.data(), units);
    for (WCHAR w : wide) word(static_cast<WORD>(w));
  }

  std::vector<WORD> words_;
  std::vector<DWORD> storage_;
  size_t countAt_ = 0;
  WORD items_ = 0;
};
