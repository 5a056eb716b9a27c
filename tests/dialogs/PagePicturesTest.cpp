// Pictures of the action pages on the raster surface: real pixels where the
// templates put the controls, every page in the four languages with nothing
// cut or missing.  Set CORVANE_PAGE_PNG_DIR to keep the pictures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "SheetFixture.h"
#include "dialogs/EditInternetPage.h"
#include "dialogs/EditKeyPage.h"
#include "dialogs/EditMenuPage.h"
#include "dialogs/EditPageLoad.h"
#include "dialogs/EditRunPage.h"
#include "dialogs/EditSoundPage.h"
#include "dialogs/EditSystemPage.h"
#include "dialogs/EditTextPage.h"
#include "support/TestSupport.h"
#include "system/dialogs/SheetPainter.h"
#include "system/dialogs/SheetPng.h"
#include "system/gdi/RasterSurface.h"

namespace corvane {
namespace {

using test::LanguageGuard;

constexpr COLORREF kFace = RGB(212, 208, 200);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

std::unique_ptr<CDC> Picture(const CPropertySheet& sheet, SheetPictureLayout& layout) {
  auto scratch = CreateRasterDC(1, 1);
  layout = LayOutPropertySheet(scratch.get(), sheet);
  auto dc = CreateRasterDC(layout.size.cx, layout.size.cy);
  PaintPropertySheet(dc.get(), sheet);
  return dc;
}

int CountPixels(CDC* dc, const CRect& r, bool (*match)(COLORREF)) {
  int count = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) count += match(GetRasterPixel(dc, x, y)) ? 1 : 0;
  return count;
}

bool IsDark(COLORREF c) { return GetRValue(c) < 80 && GetGValue(c) < 80 && GetBValue(c) < 80; }
bool IsLight(COLORREF c) { return GetRValue(c) > 230 && GetGValue(c) > 230 && GetBValue(c) > 230; }

// Width and height of a PNG from its header.
SIZE PngSize(const std::string& bytes) {
  auto at = [&](std::size_t i) {
    return (static_cast<unsigned>(static_cast<unsigned char>(bytes[i])) << 24) |
           (static_cast<unsigned>(static_cast<unsigned char>(bytes[i + 1])) << 16) |
           (static_cast<unsigned>(static_cast<unsigned char>(bytes[i + 2])) << 8) |
           static_cast<unsigned>(static_cast<unsigned char>(bytes[i + 3]));
  };
  if (bytes.size() < 24 || bytes.compare(12, 4, "IHDR") != 0) return SIZE{0, 0};
  return SIZE{static_cast<LONG>(at(16)), static_cast<LONG>(at(20))};
}

TEST(PagePictures, AnEditBoxFrameLiesAtItsDialogUnitPosition) {
  LanguageGuard english(LANG_ENGLISH_US);
  CEditMenuPage menu;
  test::RunSheet({&menu}, nullptr, 0, [&](DialogSession& s) {
    SheetPictureLayout layout;
    auto dc = Picture(s.Sheet(), layout);
    // 1093: 68, 64, 140 by 12 dialog units; "MS Sans Serif" 8 has base
    // units of 6 by 13 pixels, so 102, 104 to 312, 124 on the page.
    CRect edit(MulDiv(68, 6, 4), MulDiv(64, 13, 8), MulDiv(68 + 140, 6, 4), MulDiv(64 + 12, 13, 8));
    EXPECT_EQ(edit, CRect(102, 104, 312, 124));
    edit.OffsetRect(layout.pageOrigin.x, layout.pageOrigin.y);
    // The sunken frame: grey and dark on the top-left, white bottom-right,
    // the white field inside and the face of the page around it.
    EXPECT_EQ(GetRasterPixel(dc.get(), edit.left, edit.top + 5), RGB(128, 128, 128));
    EXPECT_EQ(GetRasterPixel(dc.get(), edit.left + 1, edit.top + 5), RGB(64, 64, 64));
    EXPECT_EQ(GetRasterPixel(dc.get(), edit.right - 1, edit.top + 5), kWhite);
    EXPECT_EQ(GetRasterPixel(dc.get(), edit.left + 20, edit.bottom - 1), kWhite);
    EXPECT_EQ(GetRasterPixel(dc.get(), edit.left + 20, edit.top + 5), kWhite);
    EXPECT_EQ(GetRasterPixel(dc.get(), edit.left - 1, edit.top + 5), kFace);
    EXPECT_EQ(GetRasterPixel(dc.get(), edit.right, edit.top + 5), kFace);
    EXPECT_EQ(GetRasterPixel(dc.get(), edit.left + 20, edit.top - 1), kFace);
    EXPECT_EQ(GetRasterPixel(dc.get(), edit.left + 20, edit.bottom), kFace);

    // What is typed shows inside the field.
    const CRect inside(edit.left + 2, edit.top + 2, edit.right - 2, edit.bottom - 2);
    EXPECT_EQ(CountPixels(dc.get(), inside, IsDark), 0);
    ASSERT_TRUE(s.SetText("Menu:", "FS"));
    auto typed = Picture(s.Sheet(), layout);
    EXPECT_GT(CountPixels(typed.get(), inside, IsDark), 10);
  });
}

TEST(PagePictures, CaptionAndFrontTabAreaShowTheirTitles) {
  LanguageGuard english(LANG_ENGLISH_US);
  CEditRunPage run;
  CEditKeyPage key;
  test::RunSheet({&run, &key}, nullptr, 1, [&](DialogSession& s) {
    SheetPictureLayout layout;
    auto dc = Picture(s.Sheet(), layout);
    // The caption bar: navy, with the caption in white.
    EXPECT_EQ(GetRasterPixel(dc.get(), layout.caption.left + 1, layout.caption.top + 1), RGB(10, 36, 106));
    EXPECT_GT(CountPixels(dc.get(), layout.caption, IsLight), 30);
    // The front tab rises to the top of the tab row with a white edge; the
    // other tab starts two pixels lower, the face above it.
    const CRect& front = layout.tabs[1];
    const CRect& other = layout.tabs[0];
    EXPECT_EQ(GetRasterPixel(dc.get(), front.left + 4, front.top), kWhite);
    EXPECT_EQ(GetRasterPixel(dc.get(), other.left + 4, other.top), kFace);
    EXPECT_EQ(GetRasterPixel(dc.get(), other.left + 4, other.top + 2), kWhite);
    // Both show their titles in black inside their area; the front one is
    // joined to the page (no edge line under it).
    const CRect frontArea(front.left + 1, front.top + 2, front.right - 2, front.bottom);
    EXPECT_GT(CountPixels(dc.get(), frontArea, IsDark), 15);
    EXPECT_GT(CountPixels(dc.get(), CRect(other.left + 1, other.top + 3, other.right - 2, other.bottom), IsDark), 10);
    EXPECT_EQ(GetRasterPixel(dc.get(), front.left + 4, front.bottom), kFace);
    EXPECT_EQ(GetRasterPixel(dc.get(), other.left + 4, other.bottom), kWhite);
  });
}

TEST(PagePictures, ACheckBoxShowsItsTick) {
  LanguageGuard english(LANG_ENGLISH_US);
  CEditKeyPage key;
  test::RunSheet({&key}, nullptr, 0, [&](DialogSession& s) {
    SheetPictureLayout layout;
    // The Ctrl check box: 16, 36, 34 by 10 dialog units; its 13-pixel square
    // sits at the left, centred on the control's height.
    CRect ctrl(MulDiv(16, 6, 4), MulDiv(36, 13, 8), MulDiv(50, 6, 4), MulDiv(46, 13, 8));
    auto before = Picture(s.Sheet(), layout);
    ctrl.OffsetRect(layout.pageOrigin.x, layout.pageOrigin.y);
    const int top = ctrl.top + (ctrl.Height() - 13) / 2;
    const CRect inside(ctrl.left + 2, top + 2, ctrl.left + 11, top + 11);
    EXPECT_EQ(CountPixels(before.get(), inside, IsDark), 0);
    EXPECT_EQ(GetRasterPixel(before.get(), ctrl.left, top), RGB(128, 128, 128));
    ASSERT_TRUE(s.Click("Ctrl"));
    auto after = Picture(s.Sheet(), layout);
    EXPECT_GT(CountPixels(after.get(), inside, IsDark), 5);
  });
}

// Every page in every language: the picture is written at its layout's size,
// each text can be shown by the installed fonts, and no label, check box or
// button text needs more room than its control has.
TEST(PagePictures, EveryPageInEveryLanguageFitsAndRenders) {
  test::TempDir temp;
  const char* keep = std::getenv("CORVANE_PAGE_PNG_DIR");
  const std::filesystem::path folder = keep && *keep ? std::filesystem::path(keep) : temp.path();
  std::filesystem::create_directories(folder);

  for (LANGID language : {LANG_ENGLISH_US, LANG_CHINESE_TAIWAN, LANG_KOREAN, LANG_CHINESE_PRC}) {
    LanguageGuard guard(language);
    for (int position = 0; position < 8; ++position) {
      CEditRunPage run;
      CEditInternetPage internet;
      CEditKeyPage key;
      CEditSoundPage sound;
      CEditTextPage text;
      CEditMenuPage menu;
      CEditSystemPage system;
      CEditPageLoad load;
      const bool list = position == 7;  // the load page is in the five-page sheet
      const std::vector<CPropertyPage*> pages =
          list ? std::vector<CPropertyPage*>{&run, &internet, &key, &load, &sound}
               : std::vector<CPropertyPage*>{&run, &internet, &key, &sound, &text, &menu, &system};
      test::RunSheet(
          pages, nullptr, list ? 3 : position,
          [&](DialogSession& s) {
            CPropertyPage* page = s.ActivePageObject();
            ASSERT_NE(page, nullptr);
            const std::string where = std::to_string(page->GetTemplateId()) + "-" + std::to_string(language);
            const std::filesystem::path file = folder / (where + ".png");
            ASSERT_EQ(WriteSheetPng(s.Sheet(), file.string().c_str()), PictureStatus::Written) << where;
            auto scratch = CreateRasterDC(1, 1);
            const SheetPictureLayout layout = LayOutPropertySheet(scratch.get(), s.Sheet());
            const SIZE size = PngSize(test::ReadFile(file.string()));
            EXPECT_EQ(size.cx, layout.size.cx) << where;
            EXPECT_EQ(size.cy, layout.size.cy) << where;

            const LOGFONT font = DialogPictureFont(page->GetTemplate());
            CFont object;
            object.CreateFontIndirect(&font);
            scratch->SelectObject(&object);
            EXPECT_EQ(CountUnrenderableCharacters(font, page->GetPageTitle()), 0) << where;
            for (const auto& control : page->Controls()) {
              EXPECT_EQ(CountUnrenderableCharacters(font, control->text), 0) << where << " " << control->text.GetString();
              if (control->text.IsEmpty()) continue;
              CRect r = control->rect;
              page->MapDialogRect(&r);
              CString shown = control->text;
              shown.Replace("&", "");
              if (control->kind == DialogControlKind::Label) {
                // The lines it wraps into must be as many as the control
                // holds in the template font's 13-pixel lines (the stand-in
                // font's lines are a little taller).
                CRect need(0, 0, r.Width(), 0), line(0, 0, 0, 0);
                scratch->DrawText(shown, &need, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
                scratch->DrawText(shown, &line, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
                ASSERT_GT(line.Height(), 0);
                const int lines = (need.Height() + line.Height() / 2) / line.Height();
                EXPECT_LE(lines * 13, r.Height()) << where << " label cut: " << control->text.GetString();
                EXPECT_LE(need.Width(), r.Width()) << where << " label cut: " << control->text.GetString();
              } else if (control->kind == DialogControlKind::CheckBox) {
                CRect need(0, 0, 0, 0);
                scratch->DrawText(shown, &need, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
                EXPECT_LE(need.Width() + 17, r.Width()) << where << " check box cut: " << control->text.GetString();
              }
            }
          },
          !list);
    }
  }
}

}  // namespace
}  // namespace corvane
