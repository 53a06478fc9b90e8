// Reading dialog templates: fields, item alignment, classes, and the
// templates that cannot be used.
#include <gtest/gtest.h>

#include "dialog_template.h"
#include "template_builder.h"

using namespace zt::platform;

namespace {

constexpr WORD kButton = 0x0080;
constexpr WORD kEdit = 0x0081;
constexpr WORD kStatic = 0x0082;

TEST(DialogTemplate, ReadsTheHeaderAndEveryItem) {
  TemplateBuilder b(WS_POPUP | WS_CAPTION | DS_MODALFRAME, -5, 50, 185, 92, "Title");
  b.item(WS_CHILD | ES_MULTILINE, 8, 30, 167, 37, 102, kEdit, "")
      .item(WS_CHILD | BS_DEFPUSHBUTTON, 67, 74, 50, 14, 101, kButton, "Okay")
      .item(WS_CHILD | WS_GROUP, 8, 3, 167, 24, 103, kStatic, "odd");
  DialogTemplate t;
  ASSERT_TRUE(parseDialogTemplate(b.get(), t));
  EXPECT_EQ(t.style, static_cast<DWORD>(WS_POPUP | WS_CAPTION | DS_MODALFRAME));
  EXPECT_EQ(t.x, -5);
  EXPECT_EQ(t.y, 50);
  EXPECT_EQ(t.cx, 185);
  EXPECT_EQ(t.cy, 92);
  EXPECT_EQ(t.title, "Title");
  EXPECT_FALSE(t.hasFont);
  ASSERT_EQ(t.items.size(), 3u);
  EXPECT_EQ(t.items[0].controlClass, ControlClass::Edit);
  EXPECT_EQ(t.items[0].style, static_cast<DWORD>(WS_CHILD | ES_MULTILINE));
  EXPECT_EQ(t.items[0].text, "");
  EXPECT_EQ(t.items[1].controlClass, ControlClass::Button);
  EXPECT_EQ(t.items[1].id, 101);
  EXPECT_EQ(t.items[1].x, 67);
  EXPECT_EQ(t.items[1].cy, 14);
  EXPECT_EQ(t.items[1].text, "Okay");
  EXPECT_EQ(t.items[2].controlClass, ControlClass::Static);
  EXPECT_EQ(t.items[2].id, 103);
  EXPECT_EQ(t.items[2].text, "odd");
  EXPECT_EQ(t.items[2].creationData, nullptr);
}

TEST(DialogTemplate, Utf16TextsReadAsUtf8) {
  // Привет 😀 (a surrogate pair) as the title, 你好 as an item's text.
  TemplateBuilder b(WS_POPUP, 0, 0, 10, 10,
                    "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xF0\x9F\x98\x80");
  b.item(WS_CHILD, 0, 0, 5, 5, 103, kStatic, "\xE4\xBD\xA0\xE5\xA5\xBD");
  DialogTemplate t;
  ASSERT_TRUE(parseDialogTemplate(b.get(), t));
  EXPECT_EQ(t.title, "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xF0\x9F\x98\x80");
  ASSERT_EQ(t.items.size(), 1u);
  EXPECT_EQ(t.items[0].text, "\xE4\xBD\xA0\xE5\xA5\xBD");
}

TEST(DialogTemplate, ReadsFontCreationDataAndNamedClasses) {
  TemplateBuilder b(WS_POPUP | DS_SETFONT, 0, 0, 10, 10, "ab");
  b.font(8, "Face")
      .item(WS_CHILD, 1, 2, 3, 4, 7, kStatic, "x", 4)
      .namedItem(WS_CHILD, 5, 6, 7, 8, 9, "bUtToN", "named");
  DialogTemplate t;
  ASSERT_TRUE(parseDialogTemplate(b.get(), t));
  EXPECT_TRUE(t.hasFont);
  EXPECT_EQ(t.pointSize, 8);
  EXPECT_EQ(t.faceName, "Face");
  ASSERT_EQ(t.items.size(), 2u);
  ASSERT_NE(t.items[0].creationData, nullptr);
  WORD size;
  std::memcpy(&size, t.items[0].creationData, sizeof size);
  EXPECT_EQ(size, 4);
  // The second item is found behind the creation data.
  EXPECT_EQ(t.items[1].controlClass, ControlClass::Button);
  EXPECT_EQ(t.items[1].id, 9);
  EXPECT_EQ(t.items[1].text, "named");
}

TEST(DialogTemplate, NoItemsIsAValidTemplate) {
  TemplateBuilder b(WS_POPUP, 0, 0, 10, 10, "");
  DialogTemplate t;
  ASSERT_TRUE(parseDialogTemplate(b.get(), t));
  EXPECT_TRUE(t.items.empty());
}

TEST(DialogTemplate, RefusesWhatTheLayerCannotBuild) {
  DialogTemplate t;
  EXPECT_FALSE(parseDialogTemplate(nullptr, t));
  {
    TemplateBuilder b(WS_POPUP, 0, 0, 10, 10, "", /*menu=*/5);
    EXPECT_FALSE(parseDialogTemplate(b.get(), t));
  }
  {
    TemplateBuilder b(WS_POPUP, 0, 0, 10, 10, "", 0, /*windowClass=*/7);
    EXPECT_FALSE(parseDialogTemplate(b.get(), t));
  }
  {
    TemplateBuilder b(WS_POPUP, 0, 0, 10, 10, "");
    b.item(WS_CHILD, 0, 0, 1, 1, 1, 0x0083, "list box");
    EXPECT_FALSE(parseDialogTemplate(b.get(), t));
  }
  {
    TemplateBuilder b(WS_POPUP, 0, 0, 10, 10, "");
    b.namedItem(WS_CHILD, 0, 0, 1, 1, 1, "MyClass", "");
    EXPECT_FALSE(parseDialogTemplate(b.get(), t));
  }
  {
    TemplateBuilder extended(0xFFFF0001, 0, 0, 10, 10, "");
    EXPECT_FALSE(parseDialogTemplate(extended.get(), t));
  }
}

TEST(DialogTemplate, MulDivRoundsHalfAwayFromZero) {
  EXPECT_EQ(mulDiv(185, 7, 4), 324);  // 323.75
  EXPECT_EQ(mulDiv(50, 16, 8), 100);
  EXPECT_EQ(mulDiv(1, 1, 2), 1);
  EXPECT_EQ(mulDiv(-1, 1, 2), -1);
  EXPECT_EQ(mulDiv(-5, 7, 4), -9);  // -8.75
  EXPECT_EQ(mulDiv(3, 1, -2), -2);
  EXPECT_EQ(mulDiv(1, 1, 0), -1);
}

}  // namespace
