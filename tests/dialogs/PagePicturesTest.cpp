// Pictures of every action page in English and in Chinese (Taiwan), drawn
// through the raster surface.  Set CORVANE_PAGE_PNG_DIR to keep them.
#include <gtest/gtest.h>

#ifndef _WIN32  // the raster surface is the Linux one

#include <cstdlib>
#include <filesystem>

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
#include "system/posix/RasterSurface.h"

namespace corvane {
namespace {

using test::LanguageGuard;

TEST(PagePictures, EveryPageInEnglishAndChineseTaiwan) {
  test::TempDir temp;
  const char* keep = std::getenv("CORVANE_PAGE_PNG_DIR");
  std::filesystem::path folder = keep && *keep ? std::filesystem::path(keep) : temp.path();
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
      const bool list = position == 7;  // the load page lives in the five-page sheet
      std::vector<CPropertyPage*> pages =
          list ? std::vector<CPropertyPage*>{&run, &internet, &key, &load, &sound}
               : std::vector<CPropertyPage*>{&run, &internet, &key, &sound, &text, &menu, &system};
      const int start = list ? 3 : position;
      std::filesystem::path file;
      test::RunSheet(
          pages, nullptr, start,
          [&](DialogSession& s) {
            CPropertyPage* page = s.ActivePageObject();
            ASSERT_NE(page, nullptr);
            file = folder / (std::to_string(page->GetTemplateId()) + "-" + std::to_string(language) + ".png");
            ASSERT_TRUE(WriteSheetPng(s.Sheet(), file.string().c_str()));
            // Every text of the page can be drawn with the fonts at hand.
            LOGFONT font{};
            font.lfHeight = -11;
            std::snprintf(font.lfFaceName, sizeof font.lfFaceName, "%s", "DejaVu Sans");
            for (const auto& control : page->Controls())
              EXPECT_EQ(CountUnrenderableCharacters(font, control->text), 0) << control->text.GetString();
            EXPECT_EQ(CountUnrenderableCharacters(font, page->GetPageTitle()), 0);
          },
          !list);
      ASSERT_TRUE(std::filesystem::exists(file)) << file;
      EXPECT_GT(std::filesystem::file_size(file), 1000u) << file;
    }
  }
}

TEST(PagePictures, ShowWhatTheControlsHold) {
  LanguageGuard english(LANG_ENGLISH_US);
  CEditKeyPage key;
  test::RunSheet({&key}, nullptr, 0, [&](DialogSession& s) {
    CPropertySheet& sheet = s.Sheet();
    SIZE size = MeasurePropertySheet(sheet);
    auto picture = [&]() {
      std::unique_ptr<CDC> dc = CreateRasterDC(size.cx, size.cy);
      PaintPropertySheet(dc.get(), sheet);
      return dc;
    };
    // The Ctrl check box: its square, from the template's position.
    const ControlState* ctrl = s.Control("Ctrl");
    ASSERT_NE(ctrl, nullptr);
    CRect r = ctrl->rect;
    s.ActivePageObject()->MapDialogRect(&r);
    auto countDark = [&](CDC* dc) {
      int dark = 0;
      // The page starts 4 pixels inside its frame, which is below the
      // title (22), a margin (7) and the tabs (20), and 7 from the left.
      const int left = 7 + 4 + r.left, top = 22 + 7 + 20 + 4 + r.top + (r.Height() - 13) / 2;
      for (int y = top + 2; y < top + 11; ++y)
        for (int x = left + 2; x < left + 11; ++x)
          if (GetRasterPixel(dc, x, y) == RGB(0, 0, 0)) ++dark;
      return dark;
    };
    auto before = picture();
    EXPECT_EQ(countDark(before.get()), 0);
    s.Click("Ctrl");
    auto after = picture();
    EXPECT_GT(countDark(after.get()), 5);  // the tick
  });
}

}  // namespace
}  // namespace corvane

#endif  // _WIN32
