// CDialog: a window made from a dialog template of the library's resources,
// in the resource language (else English, else the template's only language).
#pragma once

#include "system/dialogs/Wnd.h"

namespace corvane {

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)

 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  ~CDialog() override;

  UINT GetTemplateId() const { return m_nIDTemplate; }
  // The template the window is made from: the one in use while the window
  // exists, else the one that would be used now.
  const DialogResource* GetTemplate() const;

  // The platform's part: fills lists from the template's initial data and
  // writes the fields into the controls (UpdateData with FALSE).
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();

  // Creates the window and its controls as a child of the parent and runs
  // OnInitDialog.  FALSE when the template does not exist.
  BOOL CreateIndirect(CWnd* parent);
  void DestroyWindow();

  // Dialog units to pixels with the template's font (its base units).
  void MapDialogRect(RECT* rect) const;

 protected:
  UINT m_nIDTemplate;
  const DialogResource* m_pTemplate = nullptr;
};

// Average character width and height in pixels of a dialog font at 96 dots
// per inch; a dialog unit is a quarter of the width and an eighth of the
// height.
SIZE DialogBaseUnits(const char* face, int points);

}  // namespace corvane
