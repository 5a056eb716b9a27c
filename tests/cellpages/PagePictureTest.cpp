// The surface and icon pages drawn for real (raster surface): the controls
// as a person sees them, the icons of a file in the list and the live
// preview of the surface.  The pictures are checked pixel by pixel; with
// CORVANE_PAGE_PICTURES set to a folder they are also kept there as PNG.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "dialogs/PageCellSelectIcon.h"
#include "dialogs/PageLayout.h"
#include "support/TestSupport.h"
#include "surface/Surface.h"
#include "system/dialogs/DialogUser.h"
#include "system/dialogs/ListView.h"
#include "system/dialogs/WindowPaint.h"
#include "system/gdi/RasterSurface.h"

namespace corvane {
namespace {

constexpr COLORREF kFace = RGB(240, 240, 240);
constexpr COLORREF kEdge = RGB(128, 128, 128);

void Outline(CDC* dc, const CRect& r, COLORREF color) {
  dc->FillSolidRect(CRect(r.left, r.top, r.right, r.top + 1), color);
  dc->FillSolidRect(CRect(r.left, r.bottom - 1, r.right, r.bottom), color);
  dc->FillSolidRect(CRect(r.left, r.top, r.left + 1, r.bottom), color);
  dc->FillSolidRect(CRect(r.right - 1, r.top, r.right, r.bottom), color);
}

void Text(CDC* dc, const CString& text, CRect r, UINT format) {
  dc->SetBkMode(TRANSPARENT);
  dc->SetTextColor(0);
  dc->DrawText(text, &r, format | DT_NOPREFIX);
}

// Draws a page the way the platform would: its controls, then what the
// page paints itself.
void DrawPage(CDC* dc, CDialog* page, const CSize& size) {
  CFont font;
  LOGFONT lf{};
  std::snprintf(lf.lfFaceName, sizeof lf.lfFaceName, "%s", "Sans");
  lf.lfHeight = -12;
  font.CreateFontIndirect(&lf);
  dc->SaveDC();
  dc->SelectObject(&font);
  dc->FillSolidRect(CRect(0, 0, size.cx, size.cy), kFace);
  for (const auto& c : page->Controls()) {
    if (!c->visible) continue;
    CRect r(c->rect);
    page->MapDialogRect(&r);
    switch (c->kind) {
      case DialogControlKind::GroupBox:
        Outline(dc, CRect(r.left, r.top + 6, r.right, r.bottom), kEdge);
        Text(dc, c->text, CRect(r.left + 8, r.top, r.right, r.top + 14), DT_LEFT | DT_SINGLELINE);
        break;
      case DialogControlKind::Label:
        Text(dc, c->text, r, DT_LEFT);
        break;
      case DialogControlKind::PushButton:
      case DialogControlKind::DefPushButton:
        dc->FillSolidRect(&r, RGB(225, 225, 225));
        Outline(dc, r, kEdge);
        if (c->swatch != 0xFFFFFFFF) {
          dc->FillSolidRect(CRect(r.left + 3, r.top + 3, r.right - 3, r.bottom - 3), c->swatch);
        } else if (c->imageId) {
          Text(dc, "...", r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        } else {
          Text(dc, c->text, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        break;
      case DialogControlKind::CheckBox:
      case DialogControlKind::RadioButton: {
        const CRect box(r.left, r.top + (r.Height() - 11) / 2, r.left + 11, r.top + (r.Height() - 11) / 2 + 11);
        dc->FillSolidRect(&box, RGB(255, 255, 255));
        Outline(dc, box, kEdge);
        if (c->check) dc->FillSolidRect(CRect(box.left + 3, box.top + 3, box.right - 3, box.bottom - 3), 0);
        Text(dc, c->text, CRect(r.left + 15, r.top, r.right, r.bottom), DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        break;
      }
      case DialogControlKind::Edit:
      case DialogControlKind::ComboBox: {
        dc->FillSolidRect(&r, RGB(255, 255, 255));
        Outline(dc, r, kEdge);
        CString shown = c->text;
        if (c->kind == DialogControlKind::ComboBox) {
          shown = c->curSel >= 0 && c->curSel < static_cast<int>(c->items.size()) ? c->items[c->curSel] : CString();
          r.bottom = r.top + 20;
          Outline(dc, r, kEdge);
        }
        Text(dc, shown, CRect(r.left + 3, r.top, r.right - 3, r.top + 20), DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        break;
      }
      case DialogControlKind::ListView: {
        dc->FillSolidRect(&r, c->bkColor == 0xFFFFFFFF ? RGB(255, 255, 255) : c->bkColor);
        Outline(dc, r, kEdge);
        if (!c->imageList) break;
        const int spacing = 48;
        const int perRow = r.Width() / spacing > 0 ? r.Width() / spacing : 1;
        for (std::size_t i = 0; i < c->itemImages.size(); ++i) {
          const int x = r.left + 4 + static_cast<int>(i) % perRow * spacing;
          const int y = r.top + 4 + static_cast<int>(i) / perRow * spacing;
          if (static_cast<int>(i) == c->curSel) dc->FillSolidRect(CRect(x, y, x + 40, y + 40), RGB(0, 120, 215));
          c->imageList->Draw(dc, c->itemImages[i], CPoint(x + 4, y + 4), 0);
        }
        break;
      }
      default:
        break;
    }
  }
  dc->RestoreDC(-1);
  page->Invalidate(FALSE);  // the page's own painting on top
}

CSize PageSize(CDialog* page) {
  const DialogResource* resource = page->GetTemplate();
  CRect r(0, 0, resource->cx, resource->cy);
  page->MapDialogRect(&r);
  return CSize(r.Width(), r.Height());
}

void Keep(CDC* dc, const char* name) {
  if (const char* folder = std::getenv("CORVANE_PAGE_PICTURES"))
    EXPECT_TRUE(WriteRasterPng(dc, (std::string(folder) + "/" + name).c_str()));
}

TEST(PagePicture, LayoutPageShowsTheSwatchesAndTheSurfaceInItsPreview) {
  test::TempDir dir;
  CSurface surface;
  const std::string sample = std::string(CORVANE_SOURCE_DIR) + "/examples/surface/sample.tmt";
  ASSERT_EQ(surface.ReadContainer(sample.c_str(), "Template"), 1);
  surface.m_crFrame = RGB(255, 0, 0);
  std::unique_ptr<CDC> dc;
  ScopedDialogUser user([&](DialogSession& s) {
    auto* page = dynamic_cast<CPageLayout*>(s.ActivePageObject());
    ASSERT_NE(page, nullptr);
    const CSize size = PageSize(page);
    dc = CreateRasterDC(size.cx, size.cy);
    ASSERT_NE(dc, nullptr);
    ScopedPaintSurface paint(dc.get());
    s.AnswerColorDialog(RGB(0, 0, 255));
    s.Click("1044");  // background colour
    DrawPage(dc.get(), page, size);
    Keep(dc.get(), "layout-page.png");

    // The background swatch and the preview's background show the new colour.
    const ControlState* swatch = s.Control("1044");
    CRect r(swatch->rect);
    page->MapDialogRect(&r);
    EXPECT_EQ(GetRasterPixel(dc.get(), r.CenterPoint().x, r.CenterPoint().y), RGB(0, 0, 255));
    int blue = 0;
    for (int x = page->m_rcPreview.left; x < page->m_rcPreview.right; x += 3)
      if (GetRasterPixel(dc.get(), x, page->m_rcPreview.CenterPoint().y) == RGB(0, 0, 255)) ++blue;
    EXPECT_GT(blue, 10);
    s.PressCancel();
  });
  EXPECT_EQ(surface.OnProperty(), 0);
  EXPECT_NE(dc, nullptr);
}

TEST(PagePicture, IconPageShowsTheIconsOfAFile) {
  CHotCell cell(0);
  const std::string icons = std::string(CORVANE_SOURCE_DIR) + "/examples/surface/pen.ico";
  cell.SetIcon(icons.c_str(), 0);
  std::unique_ptr<CDC> dc;
  ScopedDialogUser user([&](DialogSession& s) {
    s.SelectPage("Icon");
    auto* page = dynamic_cast<CPageCellSelectIcon*>(s.ActivePageObject());
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->m_nIconCount, 1);
    const CSize size = PageSize(page);
    dc = CreateRasterDC(size.cx, size.cy);
    ASSERT_NE(dc, nullptr);
    DrawPage(dc.get(), page, size);
    Keep(dc.get(), "icon-page.png");

    // Inside the marked item, the icon covers some of the selection colour.
    const ControlState* list = s.Control("1018");
    CRect r(list->rect);
    page->MapDialogRect(&r);
    int selection = 0, other = 0;
    for (int y = r.top + 8; y < r.top + 40; ++y)
      for (int x = r.left + 8; x < r.left + 40; ++x)
        (GetRasterPixel(dc.get(), x, y) == RGB(0, 120, 215) ? selection : other)++;
    EXPECT_GT(other, 50);
    EXPECT_GT(selection, 0);
    s.PressCancel();
  });
  EXPECT_EQ(cell.OnProperty(), 0);
  EXPECT_NE(dc, nullptr);
}

}  // namespace
}  // namespace corvane
