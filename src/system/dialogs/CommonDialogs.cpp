#include "system/dialogs/CommonDialogs.h"

#include <cstdlib>

#include "system/dialogs/DialogUser.h"

namespace corvane {

IMPLEMENT_DYNAMIC(CColorDialog, CCmdTarget)
IMPLEMENT_DYNAMIC(CFontDialog, CCmdTarget)

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent) : m_pParentWnd(parent) {
  m_cc.rgbResult = initial & 0x00FFFFFF;
  m_cc.Flags = flags;
}

int CColorDialog::DoModal() {
  DialogSession* session = CurrentDialogSession();
  return session ? session->RunColorDialog(*this) : IDCANCEL;
}

CFontDialog::CFontDialog(const LOGFONT* initial, DWORD flags, CDC* printer, CWnd* parent)
    : m_pPrinter(printer), m_pParentWnd(parent) {
  if (initial) {
    m_lf = *initial;
    m_lf.lfFaceName[LF_FACESIZE - 1] = '\0';
  }
  m_lfInitial = m_lf;
  m_cf.lpLogFont = &m_lf;
  m_cf.Flags = flags | (initial ? CF_INITTOLOGFONTSTRUCT : 0);
}

int CFontDialog::DoModal() {
  m_crInitial = m_cf.rgbColors;
  DialogSession* session = CurrentDialogSession();
  return session ? session->RunFontDialog(*this) : IDCANCEL;
}

void CFontDialog::GetCurrentFont(LOGFONT* font) const {
  if (font) *font = m_lf;
}

void CFontDialog::SetChosenFont(const LOGFONT& font, COLORREF color) {
  m_lf = font;
  m_lf.lfFaceName[LF_FACESIZE - 1] = '\0';
  if (m_cf.Flags & CF_EFFECTS) {
    m_cf.rgbColors = color & 0x00FFFFFF;
  } else {
    // Without effects the dialog offers no colour, underline or strike-out.
    m_lf.lfUnderline = 0;
    m_lf.lfStrikeOut = 0;
  }
  // The size in tenths of a point at the screen's 96 pixels per inch.
  const int pixels = std::abs(static_cast<int>(m_lf.lfHeight));
  m_cf.iPointSize = MulDiv(pixels, 720, 96);
}

}  // namespace corvane
