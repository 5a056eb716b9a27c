// CFont: a font object made from a LOGFONT.
#pragma once

#include "system/Win32.h"

namespace corvane {

class CFont {
 public:
  CFont();
  virtual ~CFont();
  BOOL CreateFontIndirect(const LOGFONT* font);
  // Copies the font's description; answers the size copied, 0 before creation.
  int GetLogFont(LOGFONT* font) const;
  bool IsCreated() const { return m_created; }
  const LOGFONT& Description() const { return m_lf; }

 private:
  LOGFONT m_lf;
  bool m_created = false;
};

}  // namespace corvane
