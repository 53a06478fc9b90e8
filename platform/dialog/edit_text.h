// The text, caret and selection of an edit control, without any window:
// what typing, Backspace, Delete, the caret keys and pasting do to them.
// The text is UTF-8; positions are byte offsets that never fall inside a
// character, and a character typed as several WM_CHAR bytes is inserted
// when its last byte arrives.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <string_view>

namespace zt::platform {

class EditText {
 public:
  // Win32's initial text limit of an edit control.
  static constexpr size_t kDefaultLimit = 30000;

  explicit EditText(bool multiline, size_t limit = kDefaultLimit)
      : multiline_(multiline), limit_(limit) {}

  const std::string& text() const { return text_; }
  size_t caret() const { return caret_; }
  bool multiline() const { return multiline_; }
  // The selection runs from the anchor to the caret, in either order.
  size_t selectionStart() const { return anchor_ < caret_ ? anchor_ : caret_; }
  size_t selectionEnd() const { return anchor_ < caret_ ? caret_ : anchor_; }
  size_t anchor() const { return anchor_; }
  bool hasSelection() const { return anchor_ != caret_; }
  std::string selectedText() const;

  // Replaces the whole text (cut at the limit) and puts the caret at its start.
  void setText(std::string_view text);
  // Selects from `anchor` to `caret` (EM_SETSEL); positions beyond the end
  // mean the end, and neither stays inside a line break.
  void select(size_t anchor, size_t caret);
  void selectAll() { select(0, text_.size()); }
  // What a double-click at `position` selects: the word there (characters
  // other than blanks and line breaks) with the blanks after it; on blanks,
  // the word before them too. As start and end positions.
  std::pair<size_t, size_t> wordAt(size_t position) const;

  // Typing, Backspace and Delete replace a selection; a caret key drops it.
  // A WM_CHAR: printable characters are inserted at the caret. In a
  // multi-line control a line feed (Ctrl+Enter) inserts "\r\n", as does a
  // carriage return when `wantReturn`; Backspace (8) erases to the left.
  // Other control characters are ignored. The bytes of a UTF-8 character
  // are kept until it is whole; a byte that cannot continue it drops the
  // partial character. Returns whether the text changed.
  bool typeChar(unsigned char c, bool wantReturn);
  // Inserts as much of `chars` as the limit leaves room for.
  bool insert(std::string_view chars);
  // Replaces the selection with text (EM_REPLACESEL, pasting): a single-line
  // control takes text up to its first line break, a multi-line one makes
  // every line break "\r\n"; the text ends at a NUL. Whether the text changed.
  bool replaceSelection(std::string_view text);
  bool backspace();
  bool deleteForward();  // the Delete key

  // Caret keys: with `extend` (Shift held) the anchor stays and the
  // selection grows or shrinks; otherwise the selection is dropped.
  void moveLeft(bool extend = false);
  void moveRight(bool extend = false);
  void moveHome(bool extend = false);  // start of the caret's line
  void moveEnd(bool extend = false);   // end of the caret's line
  // Ctrl+Right: past the word and the blanks after it; Ctrl+Left: to the
  // start of the word before the caret. At the end (start) of a line, over
  // its line break.
  void moveWordRight(bool extend = false);
  void moveWordLeft(bool extend = false);
  void moveTo(size_t position, bool extend);

 private:
  bool breakAt(size_t position) const;  // a "\r\n" starts at position
  bool blankAt(size_t position) const;
  size_t clamp(size_t position) const;
  // The longest start of `chars` of at most `room` bytes that ends between
  // characters.
  static std::string_view fitting(std::string_view chars, size_t room);
  bool eraseSelection();
  size_t lineStart() const;
  size_t lineEnd() const;

  std::string text_;
  size_t caret_ = 0;
  size_t anchor_ = 0;
  std::string pending_;  // the first bytes of a character being typed
  bool multiline_;
  size_t limit_;
};

}  // namespace zt::platform
