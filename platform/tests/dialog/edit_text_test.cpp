// The edit control's text model: typing, line breaks, caret keys, selection
// and the text limit, over one-byte and several-byte characters.
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

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
  // Bytes above 127 are text: UTF-8, inserted when the character is whole.
  EXPECT_FALSE(e.typeChar(0xC3, false));
  EXPECT_EQ(e.text(), "");
  EXPECT_TRUE(e.typeChar(0xA9, false));
  EXPECT_EQ(e.text(), "\xC3\xA9");
}

// "é", "ß", "Я", "你" and "😀": two, two, two, three and four bytes.
constexpr std::string_view kMixed = "\xC3\xA9\xC3\x9F\xD0\xAF\xE4\xBD\xA0\xF0\x9F\x98\x80";

TEST(EditText, CharactersTypedAsUtf8BytesArriveWhole) {
  EditText e(false);
  type(e,
       "G\xC3\xB6\xC3\x9F"
       "e \xD0\x9F\xE4\xBD\xA0\xF0\x9F\x98\x80!");
  EXPECT_EQ(e.text(),
            "G\xC3\xB6\xC3\x9F"
            "e \xD0\x9F\xE4\xBD\xA0\xF0\x9F\x98\x80!");
  // A character cut short by another one is dropped, the next kept.
  EditText cut(false);
  type(cut,
       "\xE4\xBD"
       "a\xE4\xBD\xC3\xA9\x80\x80");
  EXPECT_EQ(cut.text(), "a\xC3\xA9");
  // Sequences that no byte could finish: overlong, surrogate, five bytes.
  EditText never(false);
  type(never,
       "\xC0\xAF\xED\xA0\x80\xF8\x88\x80\x80\x80\xFF"
       "b");
  EXPECT_EQ(never.text(), "b");
}

TEST(EditText, TheCaretAndErasingStepOverWholeCharacters) {
  EditText e(false);
  e.setText(kMixed);
  e.moveEnd();
  std::vector<size_t> stops{e.caret()};
  for (int i = 0; i < 6; ++i) {
    e.moveLeft();
    stops.push_back(e.caret());
  }
  EXPECT_EQ(stops, (std::vector<size_t>{13, 9, 6, 4, 2, 0, 0}));
  e.moveRight();
  e.moveRight(true);  // Shift+Right selects "ß"
  EXPECT_EQ(e.selectedText(), "\xC3\x9F");
  EXPECT_TRUE(e.deleteForward());
  EXPECT_EQ(e.text(), "\xC3\xA9\xD0\xAF\xE4\xBD\xA0\xF0\x9F\x98\x80");
  EXPECT_TRUE(e.deleteForward());  // "Я"
  EXPECT_EQ(e.caret(), 2u);
  e.moveEnd();
  EXPECT_TRUE(e.backspace());  // the whole "😀"
  EXPECT_TRUE(e.backspace());  // the whole "你"
  EXPECT_EQ(e.text(), "\xC3\xA9");
  EXPECT_TRUE(e.backspace());
  EXPECT_EQ(e.text(), "");
}

TEST(EditText, SelectionsAndTheLimitNeverSplitACharacter) {
  EditText e(false);
  e.setText(kMixed);
  e.select(1, 7);  // inside "é" and inside "你": both go to their starts
  EXPECT_EQ(e.selectionStart(), 0u);
  EXPECT_EQ(e.selectionEnd(), 6u);
  e.select(12, 12);
  EXPECT_EQ(e.caret(), 9u);
  // A limit inside a character keeps the text before it.
  EditText small(false, 8);
  small.setText(kMixed);
  EXPECT_EQ(small.text(), "\xC3\xA9\xC3\x9F\xD0\xAF");
  EditText room(false, 3);
  type(room, "a");
  EXPECT_FALSE(room.insert("\xE4\xBD\xA0"));  // three bytes, room for two
  EXPECT_TRUE(room.replaceSelection("\xC3\xA9\xC3\xA9"));
  EXPECT_EQ(room.text(), "a\xC3\xA9");
  // A double-click takes a word of several-byte letters whole.
  EditText words(false);
  words.setText("\xD0\x9F\xD1\x80\xD0\xB8 \xE4\xBD\xA0\xE5\xA5\xBD");
  EXPECT_EQ(words.wordAt(1), (std::pair<size_t, size_t>(0, 7)));
  EXPECT_EQ(words.wordAt(9), (std::pair<size_t, size_t>(7, 13)));
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
  } cases[] = {{1, {0, 5}}, {3, {0, 5}}, {5, {5, 8}},  // the first letter after blanks
               {6, {5, 8}}, {8, {5, 8}}, {10, {10, 15}}, {12, {10, 15}}, {15, {10, 15}}};
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
