#include "system/dialogs/SheetPainter.h"

#include <algorithm>

#include "system/gdi/Dc.h"
#include "system/gdi/Gdi.h"
#include "system/Resources.h"

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

constexpr int kMargin = 7;
constexpr int kTitleHeight = 22;
constexpr int kTabHeight = 20;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kComboHeight = 21;

// The dialog font of a template at 96 dots per inch.  Classic faces the
// system may not have are drawn with its sans-serif face.
LOGFONT DialogFont(const DialogResource* resource, bool bold = false) {
  LOGFONT font{};
  const int points = resource && resource->fontPoints > 0 ? resource->fontPoints : 8;
  font.lfHeight = -MulDiv(points, 96, 72);
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  const char* face = "DejaVu Sans";
  std::snprintf(font.lfFaceName, sizeof font.lfFaceName, "%s", face);
  return font;
}

// The text as shown: "&x" underlines x on screen; here the marker goes,
// "&&" stays one ampersand; "\r\n" is one line break.
CString ShownText(const CString& text) {
  CString out;
  for (int i = 0; i < text.GetLength(); ++i) {
    char c = text[i];
    if (c == '&') {
      if (text[i + 1] == '&') {
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
  explicit Painter(CDC* dc) : m_dc(dc) {}

  void Fill(const CRect& r, COLORREF color) { m_dc->FillSolidRect(&r, color); }

  // A 3D edge: raised (buttons) or sunken (edit boxes, lists).
  void Edge(const CRect& r, bool raised) {
    COLORREF topLeft = raised ? kLight : kShadow;
    COLORREF bottomRight = raised ? kDark : kLight;
    Fill(CRect(r.left, r.top, r.right, r.top + 1), topLeft);
    Fill(CRect(r.left, r.top, r.left + 1, r.bottom), topLeft);
    Fill(CRect(r.left, r.bottom - 1, r.right, r.bottom), bottomRight);
    Fill(CRect(r.right - 1, r.top, r.right, r.bottom), bottomRight);
    if (!raised) {
      Fill(CRect(r.left + 1, r.top + 1, r.right - 1, r.top + 2), kDark);
      Fill(CRect(r.left + 1, r.top + 1, r.left + 2, r.bottom - 1), kDark);
    } else {
      Fill(CRect(r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 1), kShadow);
      Fill(CRect(r.right - 2, r.top + 1, r.right - 1, r.bottom - 1), kShadow);
    }
  }

  void Outline(const CRect& r, COLORREF color) {
    Fill(CRect(r.left, r.top, r.right, r.top + 1), color);
    Fill(CRect(r.left, r.bottom - 1, r.right, r.bottom), color);
    Fill(CRect(r.left, r.top, r.left + 1, r.bottom), color);
    Fill(CRect(r.right - 1, r.top, r.right, r.bottom), color);
  }

  int Text(const CString& text, CRect r, UINT format, COLORREF color, const LOGFONT& lf) {
    // The device keeps the font's description while it is selected, so the
    // object may go; what was selected before is never selected again.
    CFont font;
    font.CreateFontIndirect(&lf);
    m_dc->SelectObject(&font);
    m_dc->SetBkMode(TRANSPARENT);
    m_dc->SetTextColor(color);
    return m_dc->DrawText(ShownText(text), &r, format | DT_NOPREFIX);
  }

  int TextWidth(const CString& text, const LOGFONT& lf) {
    CFont font;
    font.CreateFontIndirect(&lf);
    m_dc->SelectObject(&font);
    CRect r(0, 0, 2000, 100);
    m_dc->DrawText(ShownText(text), &r, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    return r.Width();
  }

  void Bitmap(UINT id, int x, int y) {
    std::vector<BYTE> dib = LoadBitmapResourceDib(id);
    if (dib.size() < sizeof(BITMAPINFOHEADER)) return;
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(dib.data());
    const BYTE* bits = dib.data() + header->biSize + 16 * sizeof(RGBQUAD);
    m_dc->SetDIBitsToDevice(x, y, static_cast<DWORD>(header->biWidth), static_cast<DWORD>(header->biHeight), 0, 0,
                            0, static_cast<UINT>(header->biHeight), bits, dib.data(), DIB_RGB_COLORS);
  }

  void Control(const ControlState& c, const CRect& r, const LOGFONT& font) {
    const COLORREF text = c.enabled ? kText : kGreyText;
    switch (c.kind) {
      case DialogControlKind::Label:
        Text(c.text, r, DT_LEFT | DT_WORDBREAK, text, font);
        break;
      case DialogControlKind::Picture:
        Bitmap(c.imageId, r.left, r.top);
        break;
      case DialogControlKind::Frame:
        Outline(r, kShadow);
        break;
      case DialogControlKind::GroupBox: {
        CRect box(r.left, r.top + 6, r.right, r.bottom);
        Outline(box, kShadow);
        Outline(CRect(box.left + 1, box.top + 1, box.right + 1, box.bottom + 1), kLight);
        int width = TextWidth(c.text, font);
        Fill(CRect(r.left + 6, r.top, r.left + 10 + width, r.top + 14), kFace);
        Text(c.text, CRect(r.left + 8, r.top, r.right, r.top + 14), DT_LEFT | DT_SINGLELINE, text, font);
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
          Bitmap(c.imageId, r.left + (r.Width() - 19) / 2, r.top + (r.Height() - 16) / 2);
        } else {
          Text(c.text, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE, text, font);
        }
        break;
      }
      case DialogControlKind::CheckBox:
      case DialogControlKind::RadioButton: {
        const int top = r.top + (r.Height() - 13) / 2;
        CRect box(r.left, top, r.left + 13, top + 13);
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
        Text(c.text, CRect(box.right + 4, r.top, r.right, r.bottom), DT_LEFT | DT_VCENTER | DT_SINGLELINE, text,
             font);
        break;
      }
      case DialogControlKind::Edit: {
        Fill(r, c.enabled ? kWindow : kFace);
        Edge(r, false);
        CRect inside(r.left + 4, r.top + 2, r.right - 3, r.bottom - 2);
        if (c.style & ES_MULTILINE)
          Text(c.text, inside, DT_LEFT | DT_WORDBREAK, text, font);
        else
          Text(c.text, inside, DT_LEFT | DT_VCENTER | DT_SINGLELINE, text, font);
        break;
      }
      case DialogControlKind::ComboBox: {
        CRect box(r.left, r.top, r.right, r.top + kComboHeight);
        Fill(box, c.enabled ? kWindow : kFace);
        Edge(box, false);
        CRect button(box.right - 18, box.top + 2, box.right - 2, box.bottom - 2);
        Fill(button, kFace);
        Edge(button, true);
        const int cx = (button.left + button.right) / 2, cy = (button.top + button.bottom) / 2 - 1;
        for (int i = 0; i < 4; ++i) Fill(CRect(cx - 3 + i, cy + i, cx + 4 - i, cy + i + 1), text);
        CString shown = c.curSel >= 0 && c.curSel < static_cast<int>(c.items.size())
                            ? c.items[static_cast<std::size_t>(c.curSel)]
                            : CString();
        Text(shown, CRect(box.left + 4, box.top + 2, button.left - 2, box.bottom - 2),
             DT_LEFT | DT_VCENTER | DT_SINGLELINE, text, font);
        break;
      }
      case DialogControlKind::ListBox:
      case DialogControlKind::ListView: {
        Fill(r, kWindow);
        Edge(r, false);
        int y = r.top + 3;
        for (std::size_t i = 0; i < c.items.size() && y + 13 < r.bottom; ++i, y += 13) {
          CRect line(r.left + 3, y, r.right - 3, y + 13);
          if (static_cast<int>(i) == c.curSel) Fill(line, kTitle);
          Text(c.items[i], line, DT_LEFT | DT_SINGLELINE, static_cast<int>(i) == c.curSel ? kTitleText : text,
               font);
        }
        break;
      }
    }
  }

 private:
  CDC* m_dc;
};

SIZE PageSize(const CPropertySheet& sheet) {
  SIZE size{0, 0};
  for (int i = 0; i < sheet.GetPageCount(); ++i) {
    const DialogResource* resource = sheet.GetPage(i)->GetTemplate();
    if (!resource) continue;
    CRect r(0, 0, resource->cx, resource->cy);
    sheet.GetPage(i)->MapDialogRect(&r);
    size.cx = std::max<LONG>(size.cx, r.Width());
    size.cy = std::max<LONG>(size.cy, r.Height());
  }
  return size;
}

}  // namespace

SIZE MeasurePropertySheet(const CPropertySheet& sheet) {
  SIZE page = PageSize(sheet);
  const int width = kMargin * 2 + page.cx + 8;
  const int height = kTitleHeight + kMargin + kTabHeight + page.cy + 8 + kMargin + kButtonHeight + kMargin;
  return SIZE{std::max(width, 3 * kButtonWidth + 4 * kMargin), height};
}

void PaintPropertySheet(CDC* dc, const CPropertySheet& sheet) {
  if (!dc) return;
  Painter p(dc);
  const SIZE size = MeasurePropertySheet(sheet);
  const SIZE page = PageSize(sheet);
  CPropertyPage* front = sheet.GetActivePage();
  const DialogResource* frontTemplate = front ? front->GetTemplate() : nullptr;
  const LOGFONT font = DialogFont(frontTemplate);

  p.Fill(CRect(0, 0, size.cx, size.cy), kFace);
  p.Edge(CRect(0, 0, size.cx, size.cy), true);
  p.Fill(CRect(3, 3, size.cx - 3, kTitleHeight), kTitle);
  p.Text(sheet.GetTitle(), CRect(8, 3, size.cx - 8, kTitleHeight), DT_LEFT | DT_VCENTER | DT_SINGLELINE, kTitleText,
         DialogFont(frontTemplate, true));

  // Tabs, the front one raised above the others and joined to the page.
  const int tabTop = kTitleHeight + kMargin;
  const int pageTop = tabTop + kTabHeight;
  CRect pageFrame(kMargin, pageTop, kMargin + page.cx + 8, pageTop + page.cy + 8);
  p.Edge(pageFrame, true);
  int x = kMargin;
  for (int i = 0; i < sheet.GetPageCount(); ++i) {
    CString title = sheet.GetPage(i)->GetPageTitle();
    const int width = p.TextWidth(title, font) + 12;
    const bool active = i == sheet.GetActiveIndex();
    CRect tab(x, tabTop + (active ? 0 : 2), x + width, pageTop + (active ? 1 : 0));
    p.Fill(tab, kFace);
    p.Fill(CRect(tab.left, tab.top, tab.right - 1, tab.top + 1), kLight);
    p.Fill(CRect(tab.left, tab.top, tab.left + 1, tab.bottom), kLight);
    p.Fill(CRect(tab.right - 2, tab.top + 1, tab.right - 1, tab.bottom), kShadow);
    p.Fill(CRect(tab.right - 1, tab.top + 1, tab.right, tab.bottom), kDark);
    p.Text(title, tab, DT_CENTER | DT_VCENTER | DT_SINGLELINE, kText, font);
    x += width;
  }

  if (front && front->GetSafeHwnd()) {
    for (const auto& control : front->Controls()) {
      if (!control->visible) continue;
      CRect r = control->rect;
      front->MapDialogRect(&r);
      r.OffsetRect(pageFrame.left + 4, pageFrame.top + 4);
      p.Control(*control, r, font);
    }
  }

  // The sheet's buttons, right-aligned below the page.
  int right = size.cx - kMargin;
  const int top = pageFrame.bottom + kMargin;
  const auto& buttons = sheet.Controls();
  for (auto it = buttons.rbegin(); it != buttons.rend(); ++it) {
    CRect r(right - kButtonWidth, top, right, top + kButtonHeight);
    p.Control(**it, r, font);
    right -= kButtonWidth + kMargin - 1;
  }
}

}  // namespace corvane
