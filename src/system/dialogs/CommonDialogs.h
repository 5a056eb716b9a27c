// The platform's colour and font dialogs.  Like the file dialog they are
// modal: inside a scripted sheet the script answers them (DialogSession's
// AnswerColorDialog, AnswerFontDialog), and with nobody to show them to they
// end with IDCANCEL.
#pragma once

#include "system/dialogs/Wnd.h"

namespace corvane {

class CDC;

// Font dialog flags.
constexpr DWORD CF_SCREENFONTS = 0x00000001;
constexpr DWORD CF_PRINTERFONTS = 0x00000002;
constexpr DWORD CF_EFFECTS = 0x00000100;
constexpr DWORD CF_INITTOLOGFONTSTRUCT = 0x00000040;

struct CHOOSECOLORA {
  COLORREF rgbResult = 0;
  DWORD Flags = 0;
};

struct CHOOSEFONTA {
  LOGFONT* lpLogFont = nullptr;
  DWORD Flags = 0;
  COLORREF rgbColors = 0;
  int iPointSize = 0;  // tenths of a point, set when the user confirms
};

class CColorDialog : public CCmdTarget {
  DECLARE_DYNAMIC(CColorDialog)

 public:
  explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);

  // IDOK when the user chose a colour, IDCANCEL otherwise.
  virtual int DoModal();
  COLORREF GetColor() const { return m_cc.rgbResult; }
  CWnd* GetOwner() const { return m_pParentWnd; }
  // Takes the user's answer.
  void SetChosenColor(COLORREF color) { m_cc.rgbResult = color & 0x00FFFFFF; }

  CHOOSECOLORA m_cc;

 private:
  CWnd* m_pParentWnd;
};

class CFontDialog : public CCmdTarget {
  DECLARE_DYNAMIC(CFontDialog)

 public:
  // Starts from a copy of initial (an empty record when null).  Heights are
  // in the logical units of the screen (a negative height is the character
  // height in pixels).
  explicit CFontDialog(const LOGFONT* initial = nullptr, DWORD flags = CF_EFFECTS | CF_SCREENFONTS,
                       CDC* printer = nullptr, CWnd* parent = nullptr);

  virtual int DoModal();

  // The chosen font.
  void GetCurrentFont(LOGFONT* font) const;
  CString GetFaceName() const { return CString(m_lf.lfFaceName); }
  // Tenths of a point.
  int GetSize() const { return m_cf.iPointSize; }
  COLORREF GetColor() const { return m_cf.rgbColors; }
  BOOL IsStrikeOut() const { return m_lf.lfStrikeOut ? TRUE : FALSE; }
  BOOL IsUnderline() const { return m_lf.lfUnderline ? TRUE : FALSE; }
  BOOL IsBold() const { return m_lf.lfWeight >= 700 ? TRUE : FALSE; }
  BOOL IsItalic() const { return m_lf.lfItalic ? TRUE : FALSE; }
  CWnd* GetOwner() const { return m_pParentWnd; }
  CDC* GetPrinter() const { return m_pPrinter; }
  // What the dialog was opened with.
  const LOGFONT& GetInitialFont() const { return m_lfInitial; }
  COLORREF GetInitialColor() const { return m_crInitial; }

  // Takes the user's answer: the font record and, when the dialog offers
  // effects, the colour.
  void SetChosenFont(const LOGFONT& font, COLORREF color);

  CHOOSEFONTA m_cf;
  LOGFONT m_lf{};

 private:
  LOGFONT m_lfInitial{};
  COLORREF m_crInitial = 0;
  CDC* m_pPrinter;
  CWnd* m_pParentWnd;
};

}  // namespace corvane
