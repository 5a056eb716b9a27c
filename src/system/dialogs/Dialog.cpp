#include "system/dialogs/Dialog.h"

#include <cstring>

namespace corvane {

IMPLEMENT_DYNAMIC(CDialog, CWnd)

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId) { m_pParentWnd = parent; }

CDialog::~CDialog() { DestroyWindow(); }

const DialogResource* CDialog::GetTemplate() const {
  return m_pTemplate ? m_pTemplate : FindDialogResource(m_nIDTemplate);
}

BOOL CDialog::CreateIndirect(CWnd* parent) {
  const DialogResource* resource = FindDialogResource(m_nIDTemplate);
  if (!resource) return FALSE;
  DestroyWindow();
  m_pTemplate = resource;
  m_pParentWnd = parent;
  m_strWindowText = resource->title ? resource->title : "";
  m_bEnabled = true;
  m_bVisible = true;
  m_hWnd = reinterpret_cast<HWND>(this);
  for (std::size_t i = 0; i < resource->count; ++i) {
    const DialogItemResource& item = resource->items[i];
    auto control = std::make_unique<ControlState>();
    control->id = item.id;
    control->kind = item.kind;
    control->style = item.style;
    control->text = item.text ? item.text : "";
    control->rect = CRect(item.x, item.y, item.x + item.cx, item.y + item.cy);
    control->enabled = !(item.style & WS_DISABLED);
    control->visible = true;
    control->imageId = item.imageId;
    AddControl(std::move(control));
  }
  OnInitDialog();
  return TRUE;
}

void CDialog::DestroyWindow() {
  DestroyControls();
  m_hWnd = nullptr;
  m_pTemplate = nullptr;
}

BOOL CDialog::OnInitDialog() {
  // The template's initial data: list entries separated by line feeds.
  if (m_pTemplate) {
    for (std::size_t i = 0; i < m_pTemplate->count; ++i) {
      const DialogItemResource& item = m_pTemplate->items[i];
      if (!item.initialItems) continue;
      ControlState* control = FindControl(item.id);
      if (!control) continue;
      const char* p = item.initialItems;
      while (*p) {
        const char* end = std::strchr(p, '\n');
        std::size_t length = end ? static_cast<std::size_t>(end - p) : std::strlen(p);
        control->items.emplace_back(std::string(p, length));
        p += length;
        if (*p == '\n') ++p;
      }
    }
  }
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() { UpdateData(TRUE); }
void CDialog::OnCancel() {}

SIZE DialogBaseUnits(const char* face, int points) {
  // Measured metrics of the classic dialog fonts; other faces scale with
  // their size from the 8-point sans serif.
  if (points <= 0) points = 8;
  SIZE units{6, 13};
  if (face && (std::strcmp(face, "MS Sans Serif") == 0 || std::strcmp(face, "MS Shell Dlg") == 0) && points == 8)
    return units;
  units.cx = MulDiv(6, points, 8);
  units.cy = MulDiv(13, points, 8);
  if (units.cx < 1) units.cx = 1;
  if (units.cy < 1) units.cy = 1;
  return units;
}

void CDialog::MapDialogRect(RECT* rect) const {
  if (!rect) return;
  const DialogResource* resource = GetTemplate();
  SIZE units = DialogBaseUnits(resource ? resource->fontFace : nullptr, resource ? resource->fontPoints : 8);
  rect->left = MulDiv(rect->left, units.cx, 4);
  rect->right = MulDiv(rect->right, units.cx, 4);
  rect->top = MulDiv(rect->top, units.cy, 8);
  rect->bottom = MulDiv(rect->bottom, units.cy, 8);
}

}  // namespace corvane
