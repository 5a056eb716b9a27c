// The painter of property sheets on the recording surface: where the texts
// and frames go, in which language, and the refusal where no picture can be
// drawn.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "SheetFixture.h"
#include "dialogs/EditKeyPage.h"
#include "dialogs/EditMenuPage.h"
#include "dialogs/EditRunPage.h"
#include "dialogs/EditSystemPage.h"
#include "support/TestSupport.h"
#include "system/dialogs/SheetPainter.h"
#include "system/dialogs/SheetPng.h"
#include "system/gdi/RecordingSurface.h"

namespace corvane {
namespace {

using test::LanguageGuard;

// Dialog units to pixels for "MS Sans Serif" 8, whose base units are 6 by 13.
CRect Pixels(int x, int y, int cx, int cy, CPoint origin) {
  CRect r(MulDiv(x, 6, 4), MulDiv(y, 13, 8), MulDiv(x + cx, 6, 4), MulDiv(y + cy, 13, 8));
  r.OffsetRect(origin.x, origin.y);
  return r;
}

constexpr COLORREF CLR_NONE_FOUND = 0xFFFFFFFF;

const DrawCall* TextCall(const RecordingLog& log, const std::string& text) {
  for (const DrawCall* call : log.Of(DrawCall::Op::DrawText))
    if (call->text == text && !(call->format & DT_CALCRECT)) return call;
  return nullptr;
}

struct Painted {
  std::shared_ptr<RecordingLog> log = std::make_shared<RecordingLog>();
  SheetPictureLayout layout;
};

Painted Paint(DialogSession& s) {
  Painted painted;
  auto dc = CreateRecordingDC(painted.log, 800, 600);
  painted.layout = LayOutPropertySheet(dc.get(), s.Sheet());
  PaintPropertySheet(dc.get(), s.Sheet());
  return painted;
}

TEST(SheetPainter, ControlsSitAtTheirDialogUnitPositionsInTheTemplateFont) {
  LanguageGuard english(LANG_ENGLISH_US);
  CEditRunPage run;
  CEditKeyPage key;
  CEditMenuPage menu;
  test::RunSheet({&run, &key, &menu}, nullptr, 2, [&](DialogSession& s) {
    const Painted p = Paint(s);
    // The Menu page's description: 25, 8, 183 by 48 dialog units, wrapped.
    const DrawCall* description = TextCall(
        *p.log,
        "Access a menu function by specifying the underlined characters in the drop down menu. For instance, enter "
        "FS below for File/Save menu item.");
    ASSERT_NE(description, nullptr);
    EXPECT_EQ(description->rect, Pixels(25, 8, 183, 48, p.layout.pageOrigin));
    EXPECT_TRUE(description->format & DT_WORDBREAK);
    EXPECT_STREQ(description->state.font->font.lfFaceName, DialogPictureFont(menu.GetTemplate()).lfFaceName);
    EXPECT_EQ(description->state.font->font.lfHeight, -11);  // 8 points at 96 dots per inch

    // The edit box 1093 at 68, 64, 140 by 12: its white field fills its frame.
    const CRect edit = Pixels(68, 64, 140, 12, p.layout.pageOrigin);
    bool field = false;
    for (const DrawCall* fill : p.log->Of(DrawCall::Op::FillRect))
      field = field || (fill->rect == edit && fill->fill == RGB(255, 255, 255));
    EXPECT_TRUE(field);

    // The picture 985 at 7, 7 in its own size.
    bool picture = false;
    for (const DrawCall* blit : p.log->Of(DrawCall::Op::StretchDib))
      picture = picture || (blit->rect.TopLeft() == Pixels(7, 7, 0, 0, p.layout.pageOrigin).TopLeft() &&
                            blit->imageSize == CSize(16, 16));
    EXPECT_TRUE(picture);

    // Every tab shows its title; the sheet's buttons their labels.
    for (const char* text : {"Run", "Hot Key", "Menu", "OK", "Cancel", "Default"})
      EXPECT_NE(TextCall(*p.log, text), nullptr) << text;
    EXPECT_NE(TextCall(*p.log, "Action Properties"), nullptr);
    // Only the front page's controls are drawn.
    EXPECT_EQ(TextCall(*p.log, "Ctrl"), nullptr);
  });
}

TEST(SheetPainter, TheFrontTabStandsOutAndTheOthersDoNot) {
  LanguageGuard english(LANG_ENGLISH_US);
  CEditRunPage run;
  CEditKeyPage key;
  CEditSystemPage system;
  test::RunSheet({&run, &key, &system}, nullptr, 1, [&](DialogSession& s) {
    const Painted p = Paint(s);
    ASSERT_EQ(p.layout.tabs.size(), 3u);
    // Tabs follow each other left to right above the page frame.
    for (std::size_t i = 0; i < p.layout.tabs.size(); ++i) {
      EXPECT_EQ(p.layout.tabs[i].bottom, p.layout.pageFrame.top);
      if (i) EXPECT_EQ(p.layout.tabs[i].left, p.layout.tabs[i - 1].right);
    }
    const DrawCall* front = TextCall(*p.log, "Hot Key");
    const DrawCall* other = TextCall(*p.log, "Run");
    ASSERT_NE(front, nullptr);
    ASSERT_NE(other, nullptr);
    // The front title is centred over its tab, which rises two pixels higher
    // and reaches two pixels further on each side; the others sit lower.
    EXPECT_EQ(front->rect.left, p.layout.tabs[1].left - 2);
    EXPECT_EQ(front->rect.right, p.layout.tabs[1].right + 2);
    EXPECT_EQ(front->rect.top, p.layout.tabs[1].top);
    EXPECT_GT(other->rect.top, p.layout.tabs[0].top);
    EXPECT_TRUE(front->format & DT_CENTER);
    // The page starts inside its frame, below the tabs.
    EXPECT_GT(p.layout.pageOrigin.y, p.layout.pageFrame.top);
    EXPECT_GT(p.layout.pageOrigin.x, p.layout.pageFrame.left);

    // Bringing another page to the front moves the raised tab.
    ASSERT_TRUE(s.SelectPage("System"));
    const Painted after = Paint(s);
    EXPECT_EQ(TextCall(*after.log, "System")->rect.top, after.layout.tabs[2].top);
    EXPECT_GT(TextCall(*after.log, "Hot Key")->rect.top, after.layout.tabs[1].top);
  });
}

TEST(SheetPainter, ShowsTheInterfaceLanguageAndTheControlsState) {
  LanguageGuard chinese(LANG_CHINESE_PRC);
  CEditKeyPage key;
  CEditSystemPage system;
  test::RunSheet({&key, &system}, nullptr, 1, [&](DialogSession& s) {
    const Painted p = Paint(s);
    for (const char* text : {"动作属性", "快速键", "系统", "预设值", "功能:", "参数:", "窗口最大化"})
      EXPECT_NE(TextCall(*p.log, text), nullptr) << text;
    // The parameter list (73, 54, 135 dialog units wide) is disabled for
    // "Maximize Window": its field is the grey face, the function list's white.
    auto fieldColour = [](const Painted& painted, int y) {
      const CRect field = Pixels(73, y, 135, 0, painted.layout.pageOrigin);
      for (const DrawCall* fill : painted.log->Of(DrawCall::Op::FillRect))
        if (fill->rect.TopLeft() == field.TopLeft() && fill->rect.right == field.right) return fill->fill;
      return CLR_NONE_FOUND;
    };
    EXPECT_EQ(fieldColour(p, 34), RGB(255, 255, 255));
    EXPECT_EQ(fieldColour(p, 54), RGB(212, 208, 200));
    ASSERT_TRUE(s.SelectItem("1091", "垂直卷动"));
    EXPECT_EQ(fieldColour(Paint(s), 54), RGB(255, 255, 255));
  });
}

TEST(SheetPainter, APictureIsWrittenOrClearlyRefused) {
  LanguageGuard english(LANG_ENGLISH_US);
  test::TempDir temp;
  CEditKeyPage key;
  test::RunSheet({&key}, nullptr, 0, [&](DialogSession& s) {
    const std::string file = (temp.path() / "key.png").string();
#if defined(_WIN32)
    // No raster surface in this build: nothing is written.
    EXPECT_EQ(WriteSheetPng(s.Sheet(), file.c_str()), PictureStatus::NoRasterSurface);
    EXPECT_FALSE(std::filesystem::exists(file));
#else
    EXPECT_EQ(WriteSheetPng(s.Sheet(), file.c_str()), PictureStatus::Written);
    EXPECT_EQ(test::ReadFile(file).substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(WriteSheetPng(s.Sheet(), (temp.path() / "missing" / "key.png").string().c_str()), PictureStatus::NotWritten);
#endif
    EXPECT_EQ(WriteSheetPng(s.Sheet(), ""), PictureStatus::NotWritten);
  });
}

}  // namespace
}  // namespace corvane
