#include "system/dialogs/SheetPainter.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "system/Resources.h"
#include "system/gdi/Dc.h"
#include "system/dialogs/WindowStyles.h"
#include "system/gdi/Gdi.h"

namespace corvane {

namespace {

constexpr COLORREF kFace = RGB(212, 208, 200);
constexpr COLORREF kLight = RGB(255, 255, 255);
constexpr COLORREF kShadow = RGB(128, 128, 128);
constexpr COLORREF kDark = RGB(64, 64, 64);
constexpr COLORREF kWindow = RGB(255, 255, 255);
constexpr COLORREF kText = RGB(0, 0, 0);
constexpr COLORREF kGreyText = RGB(128, 128, 128);
constexpr COLORREF kTitle = RGB(10, 36, 106);
constexpr COLORREF kTitleText = RGB(255, 255, 255);

constexpr int kBorder = 3;       // the window's frame
constexpr int kTitleHeight = 19; // the caption bar inside the frame
constexpr int kMargin = 7;       // between the frame, the tabs, the page and the buttons
constexpr int kTabHeight = 20;
constexpr int kTabPadding = 6;   // on each side of a tab's title
constexpr int kPageInset = 4;    // from the page frame to the page's client area
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kComboHeight = 21; // a closed drop-down list

// The text as shown: "&x" underlines x on screen; here the marker goes,
// "&&" stays one ampersand; "\r\n" is one line break.
CString ShownText(const CString& text) {
  CString out;
  const int length = text.GetLength();
  for (int i = 0; i < length; ++i) {
    const char c = text[i];
    if (c == '&') {
      if (i + 1 < length && text[i + 1] == '&') {
        out += '&';
        ++i;
      }
      continue;
    }
    if (c == '\r') continue;
    out += c;
  }
  return out;
}

class Painter {
 public:
  // The surface remembers which objects are selected into it, so the fonts
  // the painter selects live as long as the painter, and the surface's own
  // selection comes back before they go.
  explicit Painter(CDC* dc) : m_dc(dc), m_savedState(dc ? dc->SaveDC() : 0) {}
  ~Painter() {
    if (m_dc && m_savedState) m_dc->RestoreDC(m_savedState);
  }
  Painter(const Painter&) = delete;
  Painter& operator=(const Painter&) = delete;

  void Fill(const CRect& r, COLORREF color) { m_dc->FillSolidRect(&r, color); }

  // A 3D edge: raised (buttons, tabs) or sunken (edit boxes, lists).
  void Edge(const CRect& r, bool raised) {
    const COLORREF topLeft = raised ? kLight : kShadow;
    const COLORREF bottomRight = raised ? kDark : kLight;
    Fill(CRect(r.left, r.top, r.right, r.top + 1), topLeft);
    Fill(CRect(r.left, r.top, r.left + 1, r.bottom), topLeft);
    Fill(CRect(r.left, r.bottom - 1, r.right, r.bottom), bottomRight);
    Fill(CRect(r.right - 1, r.top, r.right, r.bottom), bottomRight);
    if (raised) {
      Fill(CRect(r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 1), kShadow);
      Fill(CRect(r.right - 2, r.top + 1, r.right - 1, r.bottom - 1), kShadow);
    } else {
      Fill(CRect(r.left + 1, r.top + 1, r.right - 1, r.top + 2), kDark);
      Fill(CRect(r.left + 1, r.top + 1, r.left + 2, r.bottom - 1), kDark);
    }
  }

  void Outline(const CRect& r, COLORREF color) {
    Fill(CRect(r.left, r.top, r.right, r.top + 1), color);
    Fill(CRect(r.left, r.bottom - 1, r.right, r.bottom), color);
    Fill(CRect(r.left, r.top, r.left + 1, r.bottom), color);
    Fill(CRect(r.right - 1, r.top, r.right, r.bottom), color);
  }

  void UseFont(const LOGFONT& lf) {
    auto font = std::make_unique<CFont>();
    font->CreateFontIndirect(&lf);
    m_dc->SelectObject(font.get());
    m_fonts.push_back(std::move(font));
  }

  int Text(const CString& text, CRect r, UINT format, COLORREF color, const LOGFONT& lf) {
    UseFont(lf);
    m_dc->SetBkMode(TRANSPARENT);
    m_dc->SetTextColor(color);
    return m_dc->DrawText(ShownText(text), &r, format | DT_NOPREFIX);
  }

  // Disabled text is engraved: white below and right, grey on top.
  void StateText(const CString& text, const CRect& r, UINT format, bool enabled, const LOGFONT& lf) {
    if (!enabled) {
      CRect shadow = r;
      shadow.OffsetRect(1, 1);
      Text(text, shadow, format, kLight, lf);
    }
    Text(text, r, format, enabled ? kText : kGreyText, lf);
  }

  int TextWidth(const CString& text, const LOGFONT& lf) {
    UseFont(lf);
    // Measuring sets the right edge; a surface that does not measure leaves
    // the empty width.
    CRect r(0, 0, 0, 0);
    m_dc->DrawText(ShownText(text), &r, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    return r.Width();
  }

  void Bitmap(UINT id, int x, int y) {
    const std::vector<BYTE> dib = LoadBitmapResourceDib(id);
    DibLayout layout;
    if (dib.empty() || !DescribeDib(dib.data(), dib.size(), layout) ||
        layout.headerSize + layout.colorTableSize + layout.imageSize > dib.size())
      return;
    const BYTE* bits = dib.data() + layout.headerSize + layout.colorTableSize;
    m_dc->SetDIBitsToDevice(x, y, static_cast<DWORD>(layout.width), static_cast<DWORD>(layout.height), 0, 0, 0,
                            static_cast<UINT>(layout.height), bits, dib.data(), DIB_RGB_COLORS);
  }

  void Control(const ControlState& c, const CRect& r, const LOGFONT& font) {
    const COLORREF text = c.enabled ? kText : kGreyText;
    switch (c.kind) {
      case DialogControlKind::Label:
        // Lines are taller in the stand-in font than the 13 pixels of the
        // classic one that the templates are laid out for: the last line
        // may reach a pixel or two below the control rather than lose the
        // bottom of its letters.
        StateText(c.text, r, DT_LEFT | DT_WORDBREAK | DT_NOCLIP, c.enabled, font);
        break;
      case DialogControlKind::Picture:
        // A bitmap picture takes the size of its bitmap.
        Bitmap(c.imageId, r.left, r.top);
        break;
      case DialogControlKind::Frame:
        Outline(r, kShadow);
        break;
      case DialogControlKind::GroupBox: {
        const CRect box(r.left, r.top + 6, r.right, r.bottom);
        Outline(CRect(box.left + 1, box.top + 1, box.right, box.bottom), kLight);
        Outline(CRect(box.left, box.top, box.right - 1, box.bottom - 1), kShadow);
        const int width = TextWidth(c.text, font);
        Fill(CRect(r.left + 6, r.top, std::min<LONG>(r.left + 10 + width, r.right), r.top + 14), kFace);
        StateText(c.text, CRect(r.left + 8, r.top, r.right, r.top + 14), DT_LEFT | DT_SINGLELINE, c.enabled, font);
        break;
      }
      case DialogControlKind::PushButton:
      case DialogControlKind::DefPushButton: {
        Fill(r, kFace);
        CRect inner = r;
        if (c.kind == DialogControlKind::DefPushButton) {
          Outline(r, kText);
          inner.DeflateRect(1, 1);
        }
        Edge(inner, true);
        if (c.imageId && c.text.IsEmpty()) {
          // The bitmap in the middle of the face.
          const std::vector<BYTE> dib = LoadBitmapResourceDib(c.imageId);
          DibLayout layout;
          if (!dib.empty() && DescribeDib(dib.data(), dib.size(), layout))
            Bitmap(c.imageId, r.left + (r.Width() - layout.width) / 2, r.top + (r.Height() - layout.height) / 2);
        } else {
          StateText(c.text, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE, c.enabled, font);
        }
        break;
      }
      case DialogControlKind::CheckBox:
      case DialogControlKind::RadioButton: {
        const int top = r.top + (r.Height() - 13) / 2;
        const CRect box(r.left, top, r.left + 13, top + 13);
        Fill(box, c.enabled ? kWindow : kFace);
        Edge(box, false);
        if (c.check) {
          if (c.kind == DialogControlKind::CheckBox) {
            // A tick: a short stroke down, a long one up.
            const int x = box.left + 3, y = box.top + 5;
            for (int i = 0; i < 3; ++i) Fill(CRect(x + i, y + i, x + i + 1, y + i + 3), text);
            for (int i = 0; i < 4; ++i) Fill(CRect(x + 3 + i, y + 1 - i, x + 4 + i, y + 4 - i), text);
          } else {
            Fill(CRect(box.left + 4, box.top + 4, box.right - 4, box.bottom - 4), text);
          }
        }
        StateText(c.text, CRect(box.right + 4, r.top, r.right, r.bottom), DT_LEFT | DT_VCENTER | DT_SINGLELINE,
                  c.enabled, font);
        break;
      }
      case DialogControlKind::Edit: {
        Fill(r, c.enabled ? kWindow : kFace);
        Edge(r, false);
        CRect inside(r.left + 4, r.top + 2, r.right - 3, r.bottom - 2);
        if (c.style & WS_VSCROLL) inside.right -= 16;
        if (c.style & ES_MULTILINE)
          Text(c.text, inside, DT_LEFT | DT_WORDBREAK, text, font);
        else
          Text(c.text, inside, DT_LEFT | DT_VCENTER | DT_SINGLELINE, text, font);
        if (c.style & WS_VSCROLL) ScrollBar(CRect(r.right - 2 - 16, r.top + 2, r.right - 2, r.bottom - 2));
        break;
      }
      case DialogControlKind::ComboBox: {
        const CRect box(r.left, r.top, r.right, r.top + kComboHeight);
        Fill(box, c.enabled ? kWindow : kFace);
        Edge(box, false);
        const CRect button(box.right - 18, box.top + 2, box.right - 2, box.bottom - 2);
        Fill(button, kFace);
        Edge(button, true);
        Arrow(button, c.enabled ? kText : kGreyText);
        const CString shown = c.curSel >= 0 && c.curSel < static_cast<int>(c.items.size())
                                  ? c.items[static_cast<std::size_t>(c.curSel)]
                                  : CString();
        StateText(shown, CRect(box.left + 4, box.top + 2, button.left - 2, box.bottom - 2),
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE, c.enabled, font);
        break;
      }
      case DialogControlKind::ListBox:
      case DialogControlKind::ListView: {
        Fill(r, kWindow);
        Edge(r, false);
        int y = r.top + 3;
        for (std::size_t i = 0; i < c.items.size() && y + 13 <= r.bottom - 2; ++i, y += 13) {
          const CRect line(r.left + 3, y, r.right - 3, y + 13);
          const bool selected = static_cast<int>(i) == c.curSel;
          if (selected) Fill(line, kTitle);
          Text(c.items[i], line, DT_LEFT | DT_SINGLELINE, selected ? kTitleText : text, font);
        }
        break;
      }
    }
  }

 private:
  // A downward arrow in the middle of a button.
  void Arrow(const CRect& button, COLORREF color) {
    const int cx = (button.left + button.right) / 2, cy = (button.top + button.bottom) / 2 - 1;
    for (int i = 0; i < 4; ++i) Fill(CRect(cx - 3 + i, cy + i, cx + 4 - i, cy + i + 1), color);
  }

  // A vertical scroll bar with nothing to scroll.
  void ScrollBar(const CRect& r) {
    Fill(r, RGB(236, 233, 216));
    const CRect up(r.left, r.top, r.right, r.top + 16), down(r.left, r.bottom - 16, r.right, r.bottom);
    for (const CRect& b : {up, down}) {
      Fill(b, kFace);
      Edge(b, true);
    }
    const int cx = (up.left + up.right) / 2;
    for (int i = 0; i < 4; ++i) {
      Fill(CRect(cx - i, up.top + 6 + i, cx + 1 + i, up.top + 7 + i), kGreyText);
      Fill(CRect(cx - 3 + i, down.top + 6 + i, cx + 4 - i, down.top + 7 + i), kGreyText);
    }
  }

  CDC* m_dc;
  int m_savedState;
  std::vector<std::unique_ptr<CFont>> m_fonts;
};

SIZE PageSize(const CPropertySheet& sheet) {
  SIZE size{0, 0};
  for (int i = 0; i < sheet.GetPageCount(); ++i) {
    const CPropertyPage* page = sheet.GetPage(i);
    const DialogResource* resource = page ? page->GetTemplate() : nullptr;
    if (!resource) continue;
    CRect r(0, 0, resource->cx, resource->cy);
    page->MapDialogRect(&r);
    size.cx = std::max<LONG>(size.cx, r.Width());
    size.cy = std::max<LONG>(size.cy, r.Height());
  }
  return size;
}

const DialogResource* FrontTemplate(const CPropertySheet& sheet) {
  const CPropertyPage* front = sheet.GetActivePage();
  if (front && front->GetTemplate()) return front->GetTemplate();
  for (int i = 0; i < sheet.GetPageCount(); ++i)
    if (sheet.GetPage(i) && sheet.GetPage(i)->GetTemplate()) return sheet.GetPage(i)->GetTemplate();
  return nullptr;
}

}  // namespace

LOGFONT DialogPictureFont(const DialogResource* resource, bool bold) {
  LOGFONT font{};
  const int points = resource && resource->fontPoints > 0 ? resource->fontPoints : 8;
  font.lfHeight = -MulDiv(points, 96, 72);
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  // The classic dialog faces are bitmap fonts of the platform; their stand-in
  // is a sans serif of about their width, so that texts fill the room the
  // templates give them as they do there.  Scripts it lacks come from the
  // other installed fonts.
  const char* face = resource && resource->fontFace ? resource->fontFace : "MS Sans Serif";
  for (const char* classic : {"MS Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2", "Microsoft Sans Serif", "Tahoma"})
    if (std::strcmp(face, classic) == 0) face = "DejaVu Sans Condensed";
  std::snprintf(font.lfFaceName, sizeof font.lfFaceName, "%s", face);
  return font;
}

SheetPictureLayout LayOutPropertySheet(CDC* dc, const CPropertySheet& sheet) {
  SheetPictureLayout layout;
  const SIZE page = PageSize(sheet);
  const LOGFONT font = DialogPictureFont(FrontTemplate(sheet));
  Painter measure(dc);

  const int tabTop = kBorder + kTitleHeight + kMargin;
  const int pageTop = tabTop + kTabHeight;
  int x = kMargin;
  for (int i = 0; i < sheet.GetPageCount(); ++i) {
    const CPropertyPage* each = sheet.GetPage(i);
    const int width = (dc && each ? measure.TextWidth(each->GetPageTitle(), font) : 0) + 2 * kTabPadding;
    layout.tabs.emplace_back(x, tabTop, x + width, pageTop);
    x += width;
  }
  const int buttonCount = static_cast<int>(sheet.Controls().size());
  const int pageWidth = std::max<int>({page.cx + 2 * kPageInset, x - kMargin,
                                       buttonCount * (kButtonWidth + kButtonGap) - kButtonGap});
  layout.pageFrame = CRect(kMargin, pageTop, kMargin + pageWidth, pageTop + page.cy + 2 * kPageInset);
  layout.pageOrigin = CPoint(layout.pageFrame.left + kPageInset, layout.pageFrame.top + kPageInset);
  layout.size.cx = layout.pageFrame.right + kMargin;
  const int buttonTop = layout.pageFrame.bottom + kMargin;
  layout.size.cy = buttonTop + kButtonHeight + kMargin;
  layout.caption = CRect(kBorder, kBorder, layout.size.cx - kBorder, kBorder + kTitleHeight);

  // The sheet's buttons, right-aligned below the page, in control order.
  int left = layout.pageFrame.right - (buttonCount * (kButtonWidth + kButtonGap) - kButtonGap);
  for (int i = 0; i < buttonCount; ++i) {
    layout.buttons.emplace_back(left, buttonTop, left + kButtonWidth, buttonTop + kButtonHeight);
    left += kButtonWidth + kButtonGap;
  }
  return layout;
}

void PaintPropertySheet(CDC* dc, const CPropertySheet& sheet) {
  if (!dc) return;
  const SheetPictureLayout layout = LayOutPropertySheet(dc, sheet);
  Painter p(dc);
  const LOGFONT font = DialogPictureFont(FrontTemplate(sheet));
  const CRect whole(0, 0, layout.size.cx, layout.size.cy);

  p.Fill(whole, kFace);
  p.Edge(whole, true);
  p.Fill(layout.caption, kTitle);
  p.Text(sheet.GetTitle(), CRect(layout.caption.left + 5, layout.caption.top, layout.caption.right - 5,
                                 layout.caption.bottom),
         DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS, kTitleText, DialogPictureFont(FrontTemplate(sheet), true));

  // The page frame, then the tabs over its top edge: the front tab stands
  // two pixels higher and wider and joins the page.
  p.Edge(layout.pageFrame, true);
  const int active = sheet.GetActiveIndex();
  for (int i = 0; i < static_cast<int>(layout.tabs.size()); ++i) {
    if (i == active) continue;
    const CRect& tab = layout.tabs[static_cast<std::size_t>(i)];
    const CRect r(tab.left, tab.top + 2, tab.right, tab.bottom);
    p.Fill(r, kFace);
    p.Fill(CRect(r.left, r.top, r.right - 1, r.top + 1), kLight);
    p.Fill(CRect(r.left, r.top, r.left + 1, r.bottom), kLight);
    p.Fill(CRect(r.right - 2, r.top + 1, r.right - 1, r.bottom), kShadow);
    p.Fill(CRect(r.right - 1, r.top + 1, r.right, r.bottom), kDark);
    p.Text(sheet.GetPage(i)->GetPageTitle(), CRect(r.left, r.top + 1, r.right, r.bottom),
           DT_CENTER | DT_VCENTER | DT_SINGLELINE, kText, font);
  }
  if (active >= 0 && active < static_cast<int>(layout.tabs.size())) {
    const CRect& tab = layout.tabs[static_cast<std::size_t>(active)];
    const CRect r(tab.left - 2, tab.top, tab.right + 2, tab.bottom + 1);
    p.Fill(r, kFace);
    p.Fill(CRect(r.left, r.top, r.right - 1, r.top + 1), kLight);
    p.Fill(CRect(r.left, r.top, r.left + 1, r.bottom), kLight);
    p.Fill(CRect(r.right - 2, r.top + 1, r.right - 1, r.bottom), kShadow);
    p.Fill(CRect(r.right - 1, r.top + 1, r.right, r.bottom), kDark);
    p.Text(sheet.GetPage(active)->GetPageTitle(), CRect(r.left, r.top, r.right, r.bottom - 1),
           DT_CENTER | DT_VCENTER | DT_SINGLELINE, kText, font);
  }

  CPropertyPage* front = sheet.GetActivePage();
  if (front && front->GetSafeHwnd()) {
    for (const auto& control : front->Controls()) {
      if (!control->visible) continue;
      CRect r = control->rect;
      front->MapDialogRect(&r);
      r.OffsetRect(layout.pageOrigin.x, layout.pageOrigin.y);
      p.Control(*control, r, font);
    }
  }

  const auto& buttons = sheet.Controls();
  for (std::size_t i = 0; i < buttons.size() && i < layout.buttons.size(); ++i)
    if (buttons[i]->visible) p.Control(*buttons[i], layout.buttons[i], font);
}

}  // namespace corvane
