// The line-input dialog: its template byte for byte, and ZT738_gets driven
// as a user would drive it, through a thread timer that finds the dialog.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "package_test_support.h"

namespace {

// ---------------------------------------------------------------- the template

unsigned word(const unsigned char* t, int offset) { return t[offset] | (t[offset + 1] << 8); }
unsigned long dword(const unsigned char* t, int offset) {
  return word(t, offset) | (static_cast<unsigned long>(word(t, offset + 2)) << 16);
}

struct Field {
  int offset;
  int size;  // 2 or 4
  unsigned long value;
};

// Every fixed field of the template, as laid down for the dialog.
const std::vector<Field> kFixedFields = {
    {0, 4, 0x90C80080},   {4, 4, 0},           {8, 2, 3},     {10, 2, 50},
    {12, 2, 50},          {14, 2, 185},        {16, 2, 92},   {18, 2, 0},
    {20, 2, 0},           {44, 4, 0x50810044}, {48, 4, 0},    {52, 2, 8},
    {54, 2, 30},          {56, 2, 167},        {58, 2, 37},   {60, 2, 102},
    {62, 2, 0xFFFF},      {64, 2, 0x0081},     {66, 2, 0},    {68, 2, 0},
    {70, 2, 0},           {72, 4, 0x50010001}, {76, 4, 0},    {80, 2, 67},
    {82, 2, 74},          {84, 2, 50},         {86, 2, 14},   {88, 2, 101},
    {90, 2, 0xFFFF},      {92, 2, 0x0080},     {104, 2, 0},   {106, 2, 0},
    {108, 4, 0x50020000}, {112, 4, 0},         {116, 2, 8},   {118, 2, 3},
    {120, 2, 167},        {122, 2, 24},        {124, 2, 103}, {126, 2, 0xFFFF},
    {128, 2, 0x0082},     {290, 2, 0}};

void expectFixedFields(const unsigned char* t) {
  for (const Field& f : kFixedFields) {
    const unsigned long actual = f.size == 4 ? dword(t, f.offset) : word(t, f.offset);
    EXPECT_EQ(actual, f.value) << "field at offset " << f.offset;
  }
  const char* title = "ZT738_gets";
  for (int i = 0; i <= 10; ++i) {
    EXPECT_EQ(word(t, 22 + 2 * i), static_cast<unsigned char>(title[i])) << "title " << i;
  }
  const char* okay = "Okay";
  for (int i = 0; i <= 4; ++i) {
    EXPECT_EQ(word(t, 94 + 2 * i), static_cast<unsigned char>(okay[i])) << "button text " << i;
  }
}

// The prompt field: 79 code units and a zero.
std::vector<unsigned> promptUnits(const unsigned char* t) {
  std::vector<unsigned> units;
  for (int i = 0; i < 80; ++i) units.push_back(word(t, 130 + 2 * i));
  return units;
}

std::vector<unsigned> expectedPrompt(const std::string& shown) {
  std::vector<unsigned> units(79, ' ');
  for (size_t i = 0; i < shown.size(); ++i) units[i] = static_cast<unsigned char>(shown[i]);
  units.push_back(0);
  return units;
}

TEST(GetsTemplate, ShortPromptIsFilledWithBlanks) {
  alignas(4) unsigned char t[GETS_TEMPLATE_SIZE];
  std::memset(t, 0xCD, sizeof t);
  ZT738_build_gets_template("save as....", t);
  expectFixedFields(t);
  EXPECT_EQ(promptUnits(t), expectedPrompt("save as...."));
}

TEST(GetsTemplate, LongPromptIsCutAfter79Characters) {
  std::string prompt;
  for (int i = 0; i < 100; ++i) prompt += static_cast<char>('A' + i % 26);
  alignas(4) unsigned char t[GETS_TEMPLATE_SIZE];
  std::memset(t, 0xCD, sizeof t);
  ZT738_build_gets_template(prompt.c_str(), t);
  expectFixedFields(t);
  EXPECT_EQ(promptUnits(t), expectedPrompt(prompt.substr(0, 79)));
}

TEST(GetsTemplate, PromptWidensFromUtf8AndNoPromptIsBlank) {
  alignas(4) unsigned char t[GETS_TEMPLATE_SIZE];
  // "é€" then U+1F600 (a surrogate pair), then a broken byte.
  ZT738_build_gets_template("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xFF", t);
  EXPECT_EQ(word(t, 130), 0x00E9u);
  EXPECT_EQ(word(t, 132), 0x20ACu);
  EXPECT_EQ(word(t, 134), 0xD83Du);
  EXPECT_EQ(word(t, 136), 0xDE00u);
  EXPECT_EQ(word(t, 138), 0xFFFDu);
  EXPECT_EQ(word(t, 140), 0x20u);
  ZT738_build_gets_template(nullptr, t);
  EXPECT_EQ(promptUnits(t), expectedPrompt(""));
}

TEST(GetsTemplate, ACutPromptNeverEndsInHalfAPair) {
  alignas(4) unsigned char t[GETS_TEMPLATE_SIZE];
  // 78 letters and a pair: the pair would need units 79 and 80.
  const std::string prompt = std::string(78, 'x') + "\xF0\x9F\x98\x80";
  ZT738_build_gets_template(prompt.c_str(), t);
  EXPECT_EQ(word(t, 130 + 2 * 77), static_cast<unsigned>('x'));
  EXPECT_EQ(word(t, 130 + 2 * 78), 0x20u);  // a blank, not the high surrogate
  // 77 letters and a pair fill the 79 units exactly.
  const std::string fits = std::string(77, 'x') + "\xF0\x9F\x98\x80";
  ZT738_build_gets_template(fits.c_str(), t);
  EXPECT_EQ(word(t, 130 + 2 * 77), 0xD83Du);
  EXPECT_EQ(word(t, 130 + 2 * 78), 0xDE00u);
  EXPECT_EQ(word(t, 130 + 2 * 79), 0u);
}

// ---------------------------------------------------------------- the dialog

using Step = std::function<void(HWND dialog)>;
std::vector<Step>* steps = nullptr;
size_t nextStep = 0;

// One step per tick, once the dialog is there; Okay long after the last.
void CALLBACK drive(HWND, UINT, UINT_PTR, DWORD) {
  HWND dialog = FindWindowA(nullptr, "ZT738_gets");
  if (!dialog || !steps) return;
  if (nextStep < steps->size()) {
    (*steps)[nextStep++](dialog);
  } else if (++nextStep > steps->size() + 500) {
    PostMessageA(GetDlgItem(dialog, IdGetsOkay), BM_CLICK, 0, 0);
  }
}

int runGets(const char* prompt, char* result, std::vector<Step> script) {
  sharedDisplay();
  drainMessages();
  steps = &script;
  nextStep = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, drive);
  const int r = ZT738_gets(prompt, result);
  KillTimer(nullptr, timer);
  steps = nullptr;
  return r;
}

Step type(const std::string& text) {
  return [=](HWND d) {
    for (unsigned char c : text) PostMessageA(GetDlgItem(d, IdGetsInput), WM_CHAR, c, 1);
  };
}
Step key(WPARAM vk) {
  return [=](HWND d) { PostMessageA(GetDlgItem(d, IdGetsInput), WM_KEYDOWN, vk, 1); };
}

TEST(Gets, ReturnsTheTypedTextWhenEnterIsPressed) {
  char result[GETS_CAPACITY];
  std::memset(result, '#', sizeof result);
  char prompt[100] = {};
  HWND focus = nullptr, edit = nullptr;
  BOOL ownerEnabled = TRUE;
  const int r = runGets("save as....", result,
                        {[&](HWND d) {
                           GetDlgItemTextA(d, IdGetsPrompt, prompt, sizeof prompt);
                           focus = GetFocus();
                           edit = GetDlgItem(d, IdGetsInput);
                           ownerEnabled = IsWindowEnabled(graphicsWindow);
                         },
                         type("drawing.txt"), key(VK_RETURN)});
  EXPECT_EQ(r, 1);
  EXPECT_STREQ(result, "drawing.txt");
  EXPECT_EQ(std::string(prompt), "save as...." + std::string(68, ' '));
  EXPECT_EQ(focus, edit);
  EXPECT_FALSE(ownerEnabled);
  EXPECT_TRUE(IsWindowEnabled(graphicsWindow));
  EXPECT_EQ(getsResult, result);
}

TEST(Gets, AnEmptyFieldGivesAnEmptyString) {
  char result[GETS_CAPACITY];
  std::memset(result, '#', sizeof result);
  EXPECT_EQ(runGets("load file....", result,
                    {[](HWND d) { PostMessageA(GetDlgItem(d, IdGetsOkay), BM_CLICK, 0, 0); }}),
            1);
  EXPECT_STREQ(result, "");
}

TEST(Gets, ThreeHundredCharactersGive255) {
  std::string typed;
  for (int i = 0; i < 300; ++i) typed += static_cast<char>('0' + i % 10);
  char result[300];
  std::memset(result, '#', sizeof result);
  EXPECT_EQ(runGets("name", result, {type(typed), key(VK_RETURN)}), 1);
  EXPECT_EQ(std::string(result), typed.substr(0, 255));
  for (size_t i = GETS_CAPACITY; i < sizeof result; ++i) {
    ASSERT_EQ(result[i], '#') << "byte " << i << " beyond the capacity was written";
  }
}

}  // namespace
