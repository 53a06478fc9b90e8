// The edit control's text model: typing, line breaks, caret keys, selection
// and the text limit.
#include <gtest/gtest.h>

#include <string_view>

#include "edit_text.h"

using zt::platform::EditText;

namespace {

void type(EditText& e, const char* s, bool wantReturn = false) {
  for (; *s; ++s) e.typeChar(static_cast<unsigned char>(*s), wantReturn);
}

TEST(EditText, TypingInsertsAtTheCaretAndBackspaceErasesToTheLeft) {
  EditText e(false);
  type(e, "abd");
  e.moveLeft();
  type(e, "c");
  EXPECT_EQ(e.text(), "abcd");
  EXPECT_EQ(e.caret(), 3u);
  EXPECT_TRUE(e.typeChar('\b', false));
  EXPECT_EQ(e.text(), "abd");
  EXPECT_EQ(e.caret(), 2u);
  e.moveHome();
  EXPECT_FALSE(e.backspace());
  EXPECT_TRUE(e.deleteForward());
  EXPECT_EQ(e.text(), "bd");
  e.moveEnd();
  EXPECT_FALSE(e.deleteForward());
  EXPECT_EQ(e.caret(), 2u);
}

TEST(EditText, ControlCharactersOtherThanBreaksAreIgnored) {
  EditText e(true);
  for (unsigned char c : {0x01, 0x09, 0x1B, 0x7F}) EXPECT_FALSE(e.typeChar(c, false));
  EXPECT_TRUE(e.typeChar(0xE9, false));  // bytes above 127 are text
  EXPECT_EQ(e.text(), "\xE9");
}

TEST(EditText, LineBreaksOnlyInMultiLineControls) {
  EditText single(false);
  type(single, "a\n\rb", true);
  EXPECT_EQ(single.text(), "ab");

  EditText multi(true);
  type(multi, "a\rb");  // Enter without ES_WANTRETURN belongs to the dialog
  EXPECT_EQ(multi.text(), "ab");
  multi.moveLeft();
  type(multi, "\n");  // Ctrl+Enter
  EXPECT_EQ(multi.text(), "a\r\nb");
  type(multi, "\r", true);  // Enter with ES_WANTRETURN
  EXPECT_EQ(multi.text(), "a\r\n\r\nb");
}

TEST(EditText, ALineBreakIsOneUnitForTheCaretAndErasing) {
  EditText e(true);
  type(e, "ab\ncd");
  EXPECT_EQ(e.text(), "ab\r\ncd");
  e.moveHome();
  EXPECT_EQ(e.caret(), 4u);
  e.moveLeft();
  EXPECT_EQ(e.caret(), 2u);
  e.moveRight();
  EXPECT_EQ(e.caret(), 4u);
  e.moveEnd();
  EXPECT_EQ(e.caret(), 6u);
  e.select(4, 4);
  EXPECT_TRUE(e.backspace());
  EXPECT_EQ(e.text(), "abcd");
  type(e, "\n");
  e.moveLeft();
  e.moveHome();
  EXPECT_EQ(e.caret(), 0u);
  e.moveEnd();
  EXPECT_EQ(e.caret(), 2u);
  EXPECT_TRUE(e.deleteForward());
  EXPECT_EQ(e.text(), "abcd");
}

TEST(EditText, SelectionIsReplacedByTypingAndDroppedByCaretKeys) {
  EditText e(true);
  type(e, "hello\nworld");
  e.select(0, std::string::npos);
  EXPECT_EQ(e.selectionStart(), 0u);
  EXPECT_EQ(e.selectionEnd(), e.text().size());
  type(e, "x");
  EXPECT_EQ(e.text(), "x");

  e.setText("abcdef");
  e.select(4, 1);
  EXPECT_EQ(e.selectionStart(), 1u);
  EXPECT_EQ(e.caret(), 1u);
  EXPECT_TRUE(e.deleteForward());
  EXPECT_EQ(e.text(), "aef");

  e.select(0, 2);
  e.moveRight();
  EXPECT_EQ(e.selectionStart(), e.selectionEnd());
  EXPECT_EQ(e.caret(), 3u);
}

TEST(EditText, SelectionNeverEndsInsideALineBreak) {
  EditText e(true);
  e.setText("a\r\nb");
  e.select(2, 2);
  EXPECT_EQ(e.caret(), 1u);
  e.select(0, 99);
  EXPECT_EQ(e.caret(), 4u);
}

TEST(EditText, TheLimitCutsTypingAndSetTextButNeverSplitsABreak) {
  EditText e(true, 5);
  e.setText("1234567");
  EXPECT_EQ(e.text(), "12345");
  EXPECT_EQ(e.caret(), 0u);
  EXPECT_FALSE(e.typeChar('x', false));
  e.setText("1234");
  e.moveEnd();
  EXPECT_FALSE(e.typeChar('\n', false));
  EXPECT_TRUE(e.typeChar('5', false));
  EXPECT_EQ(e.text(), "12345");
  e.select(0, 2);  // replacing a selection frees its room, and no more
  EXPECT_TRUE(e.insert("abc"));
  EXPECT_EQ(e.text(), "ab345");
}

TEST(EditText, PastedLineBreaksBecomeCrLfOrEndASingleLine) {
  struct Case {
    bool multiline;
    std::string_view pasted;
    const char* result;
  } cases[] = {{true, "a\nb\rc\r\nd", "a\r\nb\r\nc\r\nd"},
               {false, "first\r\nsecond", "first"},
               {false, "\nnothing", ""},
               {true, std::string_view("x\0y", 3), "x"}};
  for (const Case& c : cases) {
    EditText e(c.multiline);
    e.replaceSelection(c.pasted);
    EXPECT_EQ(e.text(), c.result) << c.pasted;
    EXPECT_EQ(e.caret(), e.text().size()) << c.pasted;
  }
  EditText limited(true, 3);
  limited.replaceSelection("ab\ncd");  // the break would be split: it goes
  EXPECT_EQ(limited.text(), "ab");
  limited.selectAll();
  EXPECT_TRUE(limited.replaceSelection(""));  // an empty paste still erases
  EXPECT_EQ(limited.text(), "");
}

TEST(EditText, ADoubleClickTakesTheWordAndTheBlanksAfterIt) {
  EditText e(true);
  e.setText("one  two\r\nthree");
  using Span = std::pair<size_t, size_t>;
  const struct {
    size_t at;
    Span word;
  } cases[] = {{1, {0, 5}}, {3, {0, 5}}, {6, {5, 8}}, {8, {5, 8}}, {12, {10, 15}}, {15, {10, 15}}};
  for (const auto& c : cases) EXPECT_EQ(e.wordAt(c.at), c.word) << "at " << c.at;
  EditText empty(true);
  EXPECT_EQ(empty.wordAt(0), Span(0, 0));
}

TEST(EditText, CtrlArrowsStepOverWordsAndLineBreaks) {
  EditText e(true);
  e.setText("one  two\r\nthree");
  const size_t right[] = {5, 8, 10, 15, 15}, left[] = {10, 8, 5, 0, 0};
  for (size_t want : right) {
    e.moveWordRight();
    EXPECT_EQ(e.caret(), want);
  }
  for (size_t want : left) {
    e.moveWordLeft(true);
    EXPECT_EQ(e.caret(), want);
  }
  EXPECT_EQ(e.anchor(), 15u);
}

}  // namespace
