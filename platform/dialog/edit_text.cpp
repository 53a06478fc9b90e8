// Edit control text model. A line break is the pair "\r\n" and the caret
// steps over it, and Backspace and Delete remove it, as one unit; so too
// every UTF-8 character.
#include "edit_text.h"

#include "code_page.h"

namespace zt::platform {

std::string_view EditText::fitting(std::string_view chars, size_t room) {
  return chars.substr(0, wholeCharacters(chars, room));
}

void EditText::setText(std::string_view text) {
  text_.assign(fitting(text, limit_));
  caret_ = anchor_ = 0;
  pending_.clear();
}

void EditText::select(size_t anchor, size_t caret) {
  anchor_ = clamp(anchor);
  caret_ = clamp(caret);
}

bool EditText::typeChar(unsigned char c, bool wantReturn) {
  if (c >= 0x80) {
    if (c >= 0xC0) {
      pending_.assign(1, static_cast<char>(c));
    } else if (pending_.empty()) {
      return false;  // a continuation byte of no character
    } else {
      pending_ += static_cast<char>(c);
    }
    size_t length = 0;
    decodeUtf8(pending_, 0, length);
    if (length > 1) {  // whole
      const std::string whole = std::move(pending_);
      pending_.clear();
      return insert(whole);
    }
    // Not whole yet: dropped when no further bytes could make it whole
    // (the lowest or the highest continuation bytes finish any good start).
    size_t low = 0, high = 0;
    decodeUtf8(pending_ + "\x80\x80\x80", 0, low);
    decodeUtf8(pending_ + "\xBF\xBF\xBF", 0, high);
    if (low == 1 && high == 1) pending_.clear();
    return false;
  }
  pending_.clear();
  if (c == '\b') return backspace();
  if (c == '\n' || c == '\r') {
    if (!multiline_ || (c == '\r' && !wantReturn)) return false;
    const size_t kept = text_.size() - (selectionEnd() - selectionStart());
    if (kept + 2 > limit_) return false;  // a break is never split
    return insert("\r\n");
  }
  if (c < 0x20 || c == 0x7F) return false;
  const char ch = static_cast<char>(c);
  return insert(std::string_view(&ch, 1));
}

bool EditText::insert(std::string_view chars) {
  const size_t kept = text_.size() - (selectionEnd() - selectionStart());
  const size_t room = limit_ > kept ? limit_ - kept : 0;
  chars = fitting(chars, room);
  if (chars.empty()) return false;
  eraseSelection();
  text_.insert(caret_, chars);
  caret_ += chars.size();
  anchor_ = caret_;
  return true;
}

bool EditText::backspace() {
  if (eraseSelection()) return true;
  if (caret_ == 0) return false;
  const size_t n =
      (caret_ >= 2 && breakAt(caret_ - 2)) ? 2 : caret_ - previousCharacter(text_, caret_);
  text_.erase(caret_ - n, n);
  caret_ -= n;
  anchor_ = caret_;
  return true;
}

bool EditText::deleteForward() {
  if (eraseSelection()) return true;
  if (caret_ >= text_.size()) return false;
  text_.erase(caret_, breakAt(caret_) ? 2 : nextCharacter(text_, caret_) - caret_);
  return true;
}

void EditText::moveLeft(bool extend) {
  size_t p = caret_;
  if (p > 0) p = (p >= 2 && breakAt(p - 2)) ? p - 2 : previousCharacter(text_, p);
  moveTo(p, extend);
}

void EditText::moveRight(bool extend) {
  size_t p = caret_;
  if (p < text_.size()) p = breakAt(p) ? p + 2 : nextCharacter(text_, p);
  moveTo(p, extend);
}

void EditText::moveHome(bool extend) { moveTo(lineStart(), extend); }

void EditText::moveEnd(bool extend) { moveTo(lineEnd(), extend); }

void EditText::moveWordRight(bool extend) {
  const size_t end = lineEnd();
  if (caret_ == end) return moveRight(extend);
  size_t p = caret_;
  while (p < end && !blankAt(p)) ++p;
  while (p < end && blankAt(p)) ++p;
  moveTo(p, extend);
}

void EditText::moveWordLeft(bool extend) {
  const size_t start = lineStart();
  if (caret_ == start) return moveLeft(extend);
  size_t p = caret_;
  while (p > start && blankAt(p - 1)) --p;
  while (p > start && !blankAt(p - 1)) --p;
  moveTo(p, extend);
}

void EditText::moveTo(size_t position, bool extend) {
  caret_ = clamp(position);
  if (!extend) anchor_ = caret_;
}

std::string EditText::selectedText() const {
  return text_.substr(selectionStart(), selectionEnd() - selectionStart());
}

std::pair<size_t, size_t> EditText::wordAt(size_t position) const {
  position = clamp(position);
  auto blank = [this](size_t i) { return blankAt(i); };
  auto breaking = [this](size_t i) { return text_[i] == '\r' || text_[i] == '\n'; };
  auto letter = [&](size_t i) { return !blank(i) && !breaking(i); };
  // The character under the position decides; at the end of a line, the
  // one before it.
  size_t at = position;
  if (at == text_.size() || breaking(at)) {
    if (at == 0 || breaking(at - 1)) return {position, position};
    --at;
  }
  size_t start = at, end = at;
  if (blank(at)) {
    while (start > 0 && blank(start - 1)) --start;  // on blanks: back to the word before
  }
  while (start > 0 && letter(start - 1)) --start;
  while (end < text_.size() && letter(end)) ++end;
  while (end < text_.size() && blank(end)) ++end;
  return {start, end};
}

bool EditText::replaceSelection(std::string_view chars) {
  chars = chars.substr(0, chars.find('\0'));
  std::string clean;
  if (!multiline_) {
    clean.assign(chars.substr(0, chars.find_first_of("\r\n")));
  } else {
    for (size_t i = 0; i < chars.size(); ++i) {
      const char c = chars[i];
      if (c == '\r' || c == '\n') {
        if (c == '\r' && i + 1 < chars.size() && chars[i + 1] == '\n') ++i;
        clean += "\r\n";
      } else {
        clean += c;
      }
    }
  }
  // A break is never split by the limit.
  const size_t kept = text_.size() - (selectionEnd() - selectionStart());
  const size_t room = limit_ > kept ? limit_ - kept : 0;
  if (clean.size() > room) {
    clean.resize(fitting(clean, room).size());
    if (!clean.empty() && clean.back() == '\r') clean.pop_back();
  }
  const bool erased = eraseSelection();
  return insert(clean) || erased;
}

bool EditText::breakAt(size_t position) const {
  return position + 1 < text_.size() && text_[position] == '\r' && text_[position + 1] == '\n';
}

bool EditText::blankAt(size_t position) const {
  return text_[position] == ' ' || text_[position] == '\t';
}

size_t EditText::clamp(size_t position) const {
  if (position > text_.size()) position = text_.size();
  if (position > 0 && breakAt(position - 1)) --position;
  while (!characterStart(text_, position)) --position;  // to the start of its character
  return position;
}

bool EditText::eraseSelection() {
  const size_t start = selectionStart();
  const size_t end = selectionEnd();
  if (start == end) return false;
  text_.erase(start, end - start);
  caret_ = anchor_ = start;
  return true;
}

size_t EditText::lineStart() const {
  if (!multiline_) return 0;
  size_t p = caret_;
  while (p >= 2 && !breakAt(p - 2)) --p;
  return p >= 2 ? p : 0;
}

size_t EditText::lineEnd() const {
  if (!multiline_) return text_.size();
  size_t p = caret_;
  while (p < text_.size() && !breakAt(p)) ++p;
  return p;
}

}  // namespace zt::platform
