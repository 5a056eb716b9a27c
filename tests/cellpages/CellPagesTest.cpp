// The cell and surface sheets played by a script: the pages write into the
// working copy as their controls are used, OK takes the values over, Cancel
// leaves the cell or surface as it was, and the surface pages' preview is
// drawn again after each change (seen on a recording surface).
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "dialogs/PageCellProperty.h"
#include "dialogs/PageCellSelectIcon.h"
#include "dialogs/PageLayout.h"
#include "dialogs/PageSelectBmp.h"
#include "support/BmpWriter.h"
#include "support/IconWriter.h"
#include "support/TestSupport.h"
#include "surface/Surface.h"
#include "system/dialogs/CommonDialogs.h"
#include "system/dialogs/DialogUser.h"
#include "system/dialogs/WindowPaint.h"
#include "system/gdi/RecordingSurface.h"

namespace corvane {
namespace {

std::string Bytes(const std::vector<BYTE>& bytes) { return std::string(bytes.begin(), bytes.end()); }

// A library file with three icons and a plain icon file with one.
struct IconFiles {
  test::TempDir dir;
  std::string three = dir.file("three.dll");
  std::string one = dir.file("one.ico");
  IconFiles() {
    test::WriteFile(three, Bytes(test::PeWithIcons({test::DibIconImage(32, 0xFFFF0000), test::DibIconImage(32, 0xFF00FF00),
                                                    test::DibIconImage(32, 0xFF0000FF)})));
    test::WriteFile(one, Bytes(test::IconFile({{32, test::DibIconImage(32, 0xFF808080)}})));
  }
};

LOGFONT Font(const char* face, LONG height) {
  LOGFONT font{};
  std::snprintf(font.lfFaceName, sizeof font.lfFaceName, "%s", face);
  font.lfHeight = height;
  font.lfWeight = 400;
  return font;
}

// A surface with two cells, the second with a label font and colour of its own.
std::unique_ptr<CSurface> MakeSurface() {
  auto surface = std::make_unique<CSurface>();
  surface->m_nCellCount = 2;
  surface->m_dwStyle = SURFACE_DRAW_FRAME | SURFACE_DRAW_INNER_FRAME;
  surface->m_lfDefault = Font("Arial", 10);
  for (int i = 0; i < 2; ++i) {
    CHotCell* cell = surface->GetCell(i, FALSE);
    cell->SetContainerRect(CRect(200 + 1000 * i, 200, 900 + 1000 * i, 700));
    cell->m_rcActive = CRect(200 + 1000 * i, 200, 900 + 1000 * i, 700);
  }
  const LOGFONT own = Font("Courier", 14);
  surface->GetCell(1, FALSE)->SetTextFont(&own);
  surface->GetCell(1, FALSE)->m_crTextColor = RGB(200, 0, 0);
  return surface;
}

template <class Page>
Page* Front(DialogSession& s) {
  return dynamic_cast<Page*>(s.ActivePageObject());
}

// ---------------------------------------------------------------------------
// The cell's sheet

TEST(CellSheet, IsAPlainPropertiesSheetWhoseRadioShowsWhetherTheCellHasAnIcon) {
  IconFiles files;
  struct Case {
    const char* iconFile;
    int node, icon;
  };
  for (const Case& c : {Case{"", 1, 0}, Case{files.one.c_str(), 0, 1}}) {
    CHotCell cell(0);
    cell.SetIcon(c.iconFile, 0);
    ScopedDialogUser user([&](DialogSession& s) {
      EXPECT_EQ(s.Caption(), "Properties");
      EXPECT_FALSE(s.Exists("Apply"));
      ASSERT_EQ(s.PageCount(), 2);
      EXPECT_EQ(s.PageTitle(0), "Property");
      EXPECT_EQ(s.PageTitle(1), "Icon");
      EXPECT_EQ(s.Checked("Node"), c.node) << c.iconFile;
      EXPECT_EQ(s.Checked("Icon"), c.icon) << c.iconFile;
      s.PressCancel();
    });
    EXPECT_EQ(cell.OnProperty(), 0);
  }
}

TEST(CellSheet, LabelColourAndFontGoIntoTheCopyAndReachTheCellOnOK) {
  CSurface surface;
  surface.m_lfDefault = Font("Arial", 10);
  surface.m_crDefaultText = RGB(0, 0, 90);
  CHotCell* cell = surface.GetCell(0, FALSE);
  const CHotCell* before = cell;
  ScopedDialogUser user([&](DialogSession& s) {
    auto* page = Front<CPageCellProperty>(s);
    ASSERT_NE(page, nullptr);
    CHotCell* copy = page->m_pCell;
    ASSERT_NE(copy, cell);
    // A cell that follows the surface's colour shows and starts from it.
    EXPECT_EQ(s.Swatch("1044"), RGB(0, 0, 90));
    EXPECT_EQ(s.Text("1034"), "Arial");

    s.AnswerColorDialog(RGB(1, 2, 3));
    ASSERT_TRUE(s.Click("1044"));
    EXPECT_EQ(s.ColorDialogs().back().initial, RGB(0, 0, 90));
    EXPECT_EQ(copy->m_crTextColor, RGB(1, 2, 3));
    EXPECT_EQ(s.Swatch("1044"), RGB(1, 2, 3));
    EXPECT_EQ(cell->m_crTextColor, 0xFFFFFFFFu);  // the cell itself waits for OK

    // 10 points open as -13 pixels at 96 pixels per inch; 16 pixels come back as 12 points.
    s.AnswerFontDialog(Font("Times New Roman", -16), RGB(4, 5, 6));
    ASSERT_TRUE(s.Click("1034"));
    const FontDialogRecord& font = s.FontDialogs().back();
    EXPECT_EQ(font.initial.lfHeight, -13);
    EXPECT_STREQ(font.initial.lfFaceName, "Arial");
    EXPECT_EQ(font.initialColor, RGB(1, 2, 3));
    EXPECT_EQ(font.flags & (CF_SCREENFONTS | CF_EFFECTS), CF_SCREENFONTS | CF_EFFECTS);
    ASSERT_NE(copy->m_pTextFont, nullptr);
    EXPECT_EQ(copy->m_pTextFont->lfHeight, 12);
    EXPECT_EQ(copy->m_crTextColor, RGB(4, 5, 6));
    EXPECT_EQ(s.Text("1034"), "Times New Roman");
    EXPECT_EQ(s.Swatch("1044"), RGB(4, 5, 6));

    // Cancelled dialogs change nothing.
    s.CancelColorDialog();
    s.Click("1044");
    s.CancelFontDialog();
    s.Click("1034");
    EXPECT_EQ(copy->m_crTextColor, RGB(4, 5, 6));
    EXPECT_EQ(copy->m_pTextFont->lfHeight, 12);
    s.PressOK();
  });
  EXPECT_EQ(cell->OnProperty(), 1);
  EXPECT_EQ(surface.GetCell(0, FALSE), before);
  ASSERT_NE(cell->m_pTextFont, nullptr);
  EXPECT_STREQ(cell->m_pTextFont->lfFaceName, "Times New Roman");
  EXPECT_EQ(cell->m_pTextFont->lfHeight, 12);
  EXPECT_EQ(cell->m_crTextColor, RGB(4, 5, 6));
}

TEST(CellSheet, AFontChosenWithoutAnotherColourKeepsFollowingTheSurfaceColour) {
  CSurface surface;
  surface.m_crDefaultText = RGB(0, 90, 0);
  CHotCell* cell = surface.GetCell(0, FALSE);
  ScopedDialogUser user([&](DialogSession& s) {
    s.AnswerFontDialog(Font("Arial", -16), RGB(0, 90, 0));
    s.Click("1034");
    s.PressOK();
  });
  ASSERT_EQ(cell->OnProperty(), 1);
  EXPECT_EQ(cell->m_crTextColor, 0xFFFFFFFFu);
  EXPECT_EQ(cell->m_pTextFont->lfHeight, 12);
}

TEST(CellSheet, CancelLeavesTheCellAndItsModificationCountAlone) {
  IconFiles files;
  CHotCell cell(0);
  cell.SetIcon(files.three.c_str(), 1);
  const LOGFONT own = Font("Courier", 9);
  cell.SetTextFont(&own);
  cell.m_crTextColor = RGB(9, 9, 9);
  const int modified = cell.m_nModified;
  ScopedDialogUser user([&](DialogSession& s) {
    s.AnswerColorDialog(RGB(1, 1, 1));
    s.Click("1044");
    s.AnswerFontDialog(Font("Arial", -32), RGB(2, 2, 2));
    s.Click("1034");
    s.Click("Node");
    s.SelectPage("Icon");
    s.SetText("1045", files.one.c_str());
    s.PressCancel();
  });
  EXPECT_EQ(cell.OnProperty(), 0);
  EXPECT_EQ(cell.m_crTextColor, RGB(9, 9, 9));
  EXPECT_STREQ(cell.m_pTextFont->lfFaceName, "Courier");
  EXPECT_EQ(cell.m_pTextFont->lfHeight, 9);
  EXPECT_EQ(CString(files.three.c_str()), cell.m_strIconFile);
  EXPECT_EQ(cell.m_nIconIndex, 1);
  EXPECT_EQ(cell.m_nModified, modified);
}

TEST(CellSheet, IconPageListsTheFilesIconsAndOKStoresTheMarkedOne) {
  IconFiles files;
  CHotCell cell(0);
  cell.SetIcon(files.three.c_str(), 2);
  ScopedDialogUser user([&](DialogSession& s) {
    ASSERT_TRUE(s.SelectPage("Icon"));
    auto* page = Front<CPageCellSelectIcon>(s);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->m_nIconCount, 3);
    EXPECT_EQ(page->m_imageList.GetImageCount(), 3);
    EXPECT_EQ(page->m_listIcons.GetItemImage(2), 2);
    EXPECT_EQ(s.Selection("1018"), 2);  // the cell's icon is marked
    EXPECT_EQ(s.Control("1046")->imageId, 126u);
    const IconImage* third = page->m_imageList.GetImage(2);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->pixels[31], 0xFF0000FFu);

    ASSERT_TRUE(s.Select("1018", 1));  // the user clicks the second icon
    s.PressOK();
  });
  ASSERT_EQ(cell.OnProperty(), 1);
  EXPECT_EQ(cell.m_nIconIndex, 1);
  EXPECT_NE(cell.m_hIcon, nullptr);
}

TEST(CellSheet, TypingOrBrowsingAnIconFileRefillsTheListAndMarksTheFirstIcon) {
  IconFiles files;
  CHotCell cell(0);
  cell.SetIcon(files.three.c_str(), 2);
  ScopedDialogUser user([&](DialogSession& s) {
    s.SelectPage("Icon");
    auto* page = Front<CPageCellSelectIcon>(s);
    ASSERT_TRUE(s.SetText("1045", files.one.c_str()));
    EXPECT_EQ(page->m_pCell->m_strIconFile, CString(files.one.c_str()));
    EXPECT_EQ(page->m_nIconCount, 1);
    EXPECT_EQ(s.Selection("1018"), 0);

    // A file without icons empties the list.
    s.Type("1045", ".missing");
    EXPECT_EQ(page->m_nIconCount, 0);
    EXPECT_TRUE(s.Items("1018").empty());

    s.AnswerFileDialog(files.three.c_str());
    ASSERT_TRUE(s.Click("1046"));
    const FileDialogRecord& browse = s.FileDialogs().back();
    EXPECT_EQ(browse.initialFileName, CString(files.one.c_str()) + ".missing");
    EXPECT_EQ(browse.flags, 0x80002u);
    EXPECT_EQ(browse.filter, "(*.exe)|*.exe|(*.*)|*.*||");
    EXPECT_TRUE(browse.defaultExtension.IsEmpty());
    EXPECT_EQ(s.Text("1045"), CString(files.three.c_str()));
    EXPECT_EQ(page->m_nIconCount, 3);
    EXPECT_EQ(s.Selection("1018"), 0);
    s.PressOK();
  });
  ASSERT_EQ(cell.OnProperty(), 1);
  EXPECT_EQ(cell.m_strIconFile, CString(files.three.c_str()));
  EXPECT_EQ(cell.m_nIconIndex, 0);
}

TEST(CellSheet, AnIconFileWithoutIconsKeepsTheIndex) {
  test::TempDir dir;
  const std::string text = dir.file("notes.txt");
  test::WriteFile(text, "no icons here");
  CHotCell cell(0);
  cell.m_strIconFile = text.c_str();
  cell.m_nIconIndex = 4;
  ScopedDialogUser user([&](DialogSession& s) {
    s.SelectPage("Icon");
    EXPECT_TRUE(s.Items("1018").empty());
    s.PressOK();
  });
  ASSERT_EQ(cell.OnProperty(), 1);
  EXPECT_EQ(cell.m_nIconIndex, 4);
  EXPECT_EQ(cell.m_strIconFile, CString(text.c_str()));
}

TEST(CellSheet, NodeDrawsTheKeyWithoutItsIconAndIconGivesItBack) {
  IconFiles files;
  CHotCell cell(0);
  cell.SetIcon(files.one.c_str(), 0);
  ScopedDialogUser user([&](DialogSession& s) {
    auto* page = Front<CPageCellProperty>(s);
    ASSERT_TRUE(s.Click("Node"));
    EXPECT_TRUE(page->m_pCell->m_strIconFile.IsEmpty());
    ASSERT_TRUE(s.Click("Icon"));
    EXPECT_EQ(page->m_pCell->m_strIconFile, CString(files.one.c_str()));
    ASSERT_TRUE(s.Click("Node"));
    // The icon page follows: its file box is empty.
    s.SelectPage("Icon");
    EXPECT_EQ(s.Text("1045"), "");
    s.PressOK();
  });
  ASSERT_EQ(cell.OnProperty(), 1);
  EXPECT_TRUE(cell.m_strIconFile.IsEmpty());
  EXPECT_EQ(cell.m_hIcon, nullptr);

  // A key that never had an icon: "Icon" brings the icon page to choose one.
  ScopedDialogUser again([&](DialogSession& s) {
    ASSERT_TRUE(s.Click("Icon"));
    EXPECT_EQ(s.ActivePageTitle(), "Icon");
    s.SetText("1045", files.one.c_str());
    s.SelectPage("Property");
    EXPECT_EQ(s.Checked("Icon"), 1);
    s.PressOK();
  });
  ASSERT_EQ(cell.OnProperty(), 1);
  EXPECT_EQ(cell.m_strIconFile, CString(files.one.c_str()));
  EXPECT_NE(cell.m_hIcon, nullptr);
}

TEST(CellSheet, TheNodeColourIsTheSurfacesNodeColourAndChangesOnlyOnOK) {
  CSurface surface;
  surface.m_crCell = RGB(10, 20, 30);
  CHotCell* cell = surface.GetCell(0, FALSE);
  for (bool ok : {false, true}) {
    ScopedDialogUser user([&](DialogSession& s) {
      EXPECT_EQ(s.Swatch("1045"), RGB(10, 20, 30));
      s.AnswerColorDialog(RGB(7, 7, 7));
      s.Click("1045");
      EXPECT_EQ(s.ColorDialogs().back().initial, RGB(10, 20, 30));
      EXPECT_EQ(s.Swatch("1045"), RGB(7, 7, 7));
      EXPECT_EQ(surface.m_crCell, RGB(10, 20, 30));
      ok ? s.PressOK() : s.PressCancel();
    });
    cell->OnProperty();
  }
  EXPECT_EQ(surface.m_crCell, RGB(7, 7, 7));
}

// ---------------------------------------------------------------------------
// The surface's sheet

// Runs the surface's sheet with a recording surface installed for the pages
// to paint on.
struct SurfaceRun {
  std::shared_ptr<RecordingLog> log = std::make_shared<RecordingLog>();
  std::unique_ptr<CDC> dc = CreateRecordingDC(log, 800, 600);
  int Run(CSurface& surface, const std::function<void(DialogSession&)>& script) {
    ScopedPaintSurface paint(dc.get());
    ScopedDialogUser user(script);
    return surface.OnProperty();
  }
  // The preview frames drawn so far: rectangles of the stock white brush
  // without outline on the surface itself.
  int Previews() const {
    int count = 0;
    for (const DrawCall* call : log->Of(DrawCall::Op::Rectangle, 0))
      if (call->state.HasBrush() && call->state.brush->stock && call->state.brush->color == RGB(255, 255, 255) &&
          !call->state.HasPen())
        ++count;
    return count;
  }
  // Whether the calls since mark drew an outline in that colour.
  bool DrewPen(std::size_t mark, COLORREF color) const {
    for (std::size_t i = mark; i < log->calls.size(); ++i) {
      const DrawCall& call = log->calls[i];
      if (call.surface == 0 && call.op == DrawCall::Op::Rectangle && call.state.HasPen() && call.state.pen->color == color)
        return true;
    }
    return false;
  }
};

TEST(SurfaceSheet, LayoutColoursGoIntoTheCopyAndThePreviewIsDrawnAgain) {
  auto surface = MakeSurface();
  struct Case {
    const char* button;
    COLORREF CSurface::*field;
  };
  const Case cases[] = {{"1043", &CSurface::m_crDefaultText},
                        {"1045", &CSurface::m_crFrame},
                        {"1046", &CSurface::m_crInnerFrame},
                        {"1044", &CSurface::m_crBackground}};
  SurfaceRun run;
  const int answer = run.Run(*surface, [&](DialogSession& s) {
    EXPECT_EQ(s.Caption(), "Properties");
    EXPECT_FALSE(s.Exists("Apply"));
    EXPECT_EQ(s.PageTitle(0), "Layout");
    EXPECT_EQ(s.PageTitle(1), "Background Bitmap");
    auto* page = Front<CPageLayout>(s);
    ASSERT_NE(page, nullptr);
    CSurface* copy = page->m_pSurface;
    EXPECT_FALSE(s.IsVisible("1027"));
    EXPECT_EQ(run.Previews(), 1);  // the page was painted as it came up
    EXPECT_TRUE(page->m_rcPreview.PtInRect(run.log->Of(DrawCall::Op::Rectangle, 0).front()->rect.TopLeft()));
    COLORREF next = RGB(11, 22, 33);
    for (const Case& c : cases) {
      EXPECT_EQ(s.Swatch(c.button), (*surface).*c.field) << c.button;
      const int previews = run.Previews();
      const std::size_t mark = run.log->calls.size();
      s.AnswerColorDialog(next);
      ASSERT_TRUE(s.Click(c.button));
      EXPECT_EQ(s.ColorDialogs().back().initial, (*surface).*c.field) << c.button;
      EXPECT_EQ(copy->*c.field, next) << c.button;
      EXPECT_EQ(s.Swatch(c.button), next) << c.button;
      EXPECT_EQ(run.Previews(), previews + 1) << c.button;
      if (c.field == &CSurface::m_crFrame) {
        EXPECT_TRUE(run.DrewPen(mark, next));
      }
      next += 0x010101;
    }
    // A cancelled colour dialog changes nothing and draws nothing.
    const int previews = run.Previews();
    s.CancelColorDialog();
    s.Click("1045");
    EXPECT_EQ(run.Previews(), previews);
    s.PressOK();
  });
  ASSERT_EQ(answer, 1);
  EXPECT_EQ(surface->m_crDefaultText, RGB(11, 22, 33));
  EXPECT_EQ(surface->m_crFrame, RGB(12, 23, 34));
  EXPECT_EQ(surface->m_crInnerFrame, RGB(13, 24, 35));
  EXPECT_EQ(surface->m_crBackground, RGB(14, 25, 36));
}

TEST(SurfaceSheet, BordersFontAndCancel) {
  auto surface = MakeSurface();
  const CSurface original(*surface);
  SurfaceRun run;
  for (bool ok : {false, true}) {
    run.Run(*surface, [&](DialogSession& s) {
      CSurface* copy = Front<CPageLayout>(s)->m_pSurface;
      EXPECT_EQ(s.Checked("Frame Border"), 1);
      EXPECT_EQ(s.Checked("Inner Frame Border"), 1);
      EXPECT_EQ(s.Text("1034"), "Arial");
      int previews = run.Previews();
      s.Click("Frame Border");
      EXPECT_EQ(copy->m_dwStyle & 0x3u, SURFACE_DRAW_INNER_FRAME);
      s.Click("Inner Frame Border");
      EXPECT_EQ(copy->m_dwStyle & 0x3u, 0u);
      s.Click("Frame Border");
      EXPECT_EQ(copy->m_dwStyle & 0x3u, SURFACE_DRAW_FRAME);
      EXPECT_EQ(run.Previews(), previews + 3);

      s.AnswerFontDialog(Font("Verdana", -16), RGB(50, 60, 70));
      s.Click("1034");
      EXPECT_EQ(s.FontDialogs().back().initial.lfHeight, -13);
      EXPECT_EQ(copy->m_lfDefault.lfHeight, 12);
      EXPECT_STREQ(copy->m_lfDefault.lfFaceName, "Verdana");
      EXPECT_EQ(copy->m_crDefaultText, RGB(50, 60, 70));
      EXPECT_EQ(s.Text("1034"), "Verdana");
      EXPECT_EQ(s.Swatch("1043"), RGB(50, 60, 70));
      EXPECT_EQ(run.Previews(), previews + 4);
      ok ? s.PressOK() : s.PressCancel();
    });
    if (!ok) {
      EXPECT_EQ(surface->m_dwStyle, original.m_dwStyle);
      EXPECT_STREQ(surface->m_lfDefault.lfFaceName, "Arial");
      EXPECT_EQ(surface->m_crDefaultText, original.m_crDefaultText);
    }
  }
  EXPECT_EQ(surface->m_dwStyle & 0x3u, SURFACE_DRAW_FRAME);
  EXPECT_EQ(surface->m_lfDefault.lfHeight, 12);
  EXPECT_EQ(surface->m_crDefaultText, RGB(50, 60, 70));
}

TEST(SurfaceSheet, ApplyToAllGivesEveryLabelTheDefaultFontAndColour) {
  auto surface = MakeSurface();
  SurfaceRun run;
  run.Run(*surface, [&](DialogSession& s) {
    CSurface* copy = Front<CPageLayout>(s)->m_pSurface;
    s.Click("Apply to all");
    EXPECT_EQ(copy->GetCell(1, FALSE)->m_pTextFont, nullptr);
    EXPECT_EQ(copy->GetCell(1, FALSE)->m_crTextColor, 0xFFFFFFFFu);
    s.Click("Apply to all");  // unticked: the cell's own look comes back
    ASSERT_NE(copy->GetCell(1, FALSE)->m_pTextFont, nullptr);
    EXPECT_STREQ(copy->GetCell(1, FALSE)->m_pTextFont->lfFaceName, "Courier");
    EXPECT_EQ(copy->GetCell(1, FALSE)->m_crTextColor, RGB(200, 0, 0));
    s.PressOK();
  });
  ASSERT_NE(surface->GetCell(1, FALSE)->m_pTextFont, nullptr);

  run.Run(*surface, [&](DialogSession& s) {
    s.Click("Apply to all");
    s.PressOK();
  });
  EXPECT_EQ(surface->GetCell(1, FALSE)->m_pTextFont, nullptr);
  EXPECT_EQ(surface->GetCell(1, FALSE)->GetTextColor(), surface->m_crDefaultText);
}

TEST(SurfaceSheet, FillModeListFollowsAndSetsTheModeBits) {
  struct Case {
    DWORD bits;
    int opens;
  };
  for (const Case& c : {Case{0, 1}, Case{0x10000, 0}, Case{0x20000, 2}, Case{0x30000, 2}}) {
    auto surface = MakeSurface();
    surface->m_dwStyle = (surface->m_dwStyle & ~0x30000u) | c.bits;
    SurfaceRun run;
    run.Run(*surface, [&](DialogSession& s) {
      s.SelectPage("Background Bitmap");
      EXPECT_EQ(s.Selection("1023"), c.opens) << c.bits;
      EXPECT_EQ(s.Items("1023"), (std::vector<CString>{"Centered", "Tiled", "Stretched"}));
      CSurface* copy = Front<CPageSelectBmp>(s)->m_pSurface;
      const int previews = run.Previews();
      s.SelectItem("1023", "Tiled");
      EXPECT_EQ(copy->m_dwStyle & 0x30000u, 0u);
      s.SelectItem("1023", "Centered");
      EXPECT_EQ(copy->m_dwStyle & 0x30000u, 0x10000u);
      s.SelectItem("1023", "Stretched");
      EXPECT_EQ(copy->m_dwStyle & 0x30000u, 0x20000u);
      EXPECT_EQ(run.Previews(), previews + 3);
      EXPECT_EQ(copy->m_dwStyle & 0x3u, 0x3u);  // the other bits stay
      s.PressCancel();
    });
    EXPECT_EQ(surface->m_dwStyle & 0x30000u, c.bits);
  }
}

TEST(SurfaceSheet, BrowseClearAndTypingSetTheBackgroundBitmap) {
  test::TempDir dir;
  const std::string bmp = dir.file("paper.bmp");
  test::BmpSpec spec;
  spec.width = 8;
  spec.height = 6;
  const auto bytes = test::MakeBmp(spec);
  test::WriteFile(bmp, std::string(bytes.begin(), bytes.end()));
  const std::string junk = dir.file("junk.bmp");
  test::WriteFile(junk, "not a bitmap");

  auto surface = MakeSurface();
  SurfaceRun run;
  int answer = run.Run(*surface, [&](DialogSession& s) {
    s.SelectPage("Background Bitmap");
    CSurface* copy = Front<CPageSelectBmp>(s)->m_pSurface;
    EXPECT_EQ(s.Control("1026")->imageId, 126u);

    // A file that is not a bitmap changes nothing.
    s.AnswerFileDialog(junk.c_str());
    s.Click("1026");
    const FileDialogRecord& browse = s.FileDialogs().back();
    EXPECT_EQ(browse.defaultExtension, "BMP");
    EXPECT_EQ(browse.flags, 0x80002u);
    EXPECT_EQ(browse.filter, "Windows Bitmaps(*.BMP)|*.bmp|All Files (*.*)|*.*||");
    EXPECT_TRUE(browse.hasOwner);
    EXPECT_EQ(copy->m_hBitmapBlock, nullptr);
    EXPECT_EQ(s.Text("1024"), "");

    const int previews = run.Previews();
    s.AnswerFileDialog(bmp.c_str());
    s.Click("1026");
    EXPECT_EQ(copy->m_strBitmapFile, CString(bmp.c_str()));
    EXPECT_NE(copy->m_hBitmapBlock, nullptr);
    EXPECT_EQ(s.Text("1024"), CString(bmp.c_str()));
    EXPECT_EQ(run.Previews(), previews + 1);
    EXPECT_FALSE(run.log->Of(DrawCall::Op::StretchDib).empty());  // the bitmap is in the preview

    // "Clear" empties the box, and the preview shows no bitmap.
    std::size_t mark = run.log->calls.size();
    s.Click("Clear");
    EXPECT_EQ(s.Text("1024"), "");
    EXPECT_TRUE(copy->m_strBitmapFile.IsEmpty());
    EXPECT_EQ(copy->m_hBitmapBlock, nullptr);
    EXPECT_EQ(run.Previews(), previews + 2);
    for (std::size_t i = mark; i < run.log->calls.size(); ++i)
      EXPECT_NE(run.log->calls[i].op, DrawCall::Op::StretchDib);

    // Typed: takes effect once the path names a bitmap.
    s.Type("1024", bmp.c_str());
    EXPECT_EQ(copy->m_strBitmapFile, CString(bmp.c_str()));
    EXPECT_NE(copy->m_hBitmapBlock, nullptr);
    EXPECT_EQ(run.Previews(), previews + 3);
    s.PressOK();
  });
  ASSERT_EQ(answer, 1);
  EXPECT_EQ(surface->m_strBitmapFile, CString(bmp.c_str()));
  EXPECT_NE(surface->m_hBitmapBlock, nullptr);

  answer = run.Run(*surface, [&](DialogSession& s) {
    s.SelectPage("Background Bitmap");
    s.Click("Clear");
    s.PressCancel();
  });
  EXPECT_EQ(answer, 0);
  EXPECT_EQ(surface->m_strBitmapFile, CString(bmp.c_str()));
  EXPECT_NE(surface->m_hBitmapBlock, nullptr);
}

}  // namespace
}  // namespace corvane
