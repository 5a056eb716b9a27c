#include "system/Font.h"

#include <cstring>

namespace corvane {

CFont::CFont() { std::memset(&m_lf, 0, sizeof m_lf); }
CFont::~CFont() = default;

BOOL CFont::CreateFontIndirect(const LOGFONT* font) {
  if (!font) return FALSE;
  m_lf = *font;
  m_lf.lfFaceName[LF_FACESIZE - 1] = '\0';
  m_created = true;
  return TRUE;
}

int CFont::GetLogFont(LOGFONT* font) const {
  if (!m_created || !font) return 0;
  *font = m_lf;
  return static_cast<int>(sizeof(LOGFONT));
}

}  // namespace corvane
