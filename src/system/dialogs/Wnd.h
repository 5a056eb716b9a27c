// Windows of the dialog layer: CWnd and the controls that dialog templates
// create.  A control is a record owned by its dialog's window; CWnd objects
// are views onto it (the dialog's own view from GetDlgItem, or a member object
// bound to it by data exchange).  Changing a control the way a user does
// sends its notification to the dialog, whose message map routes it.
#pragma once

#include <memory>
#include <vector>

#include "system/Resources.h"
#include "system/dialogs/Object.h"

namespace corvane {

class CWnd;
class CDataExchange;
class CImageList;
struct GdiObjectData;

// Win32's default limit of what a user may type into an edit box.
constexpr int kDefaultEditLimit = 32767;

struct ControlState {
  int id = -1;
  DialogControlKind kind = DialogControlKind::Label;
  DWORD style = 0;
  CString text;
  CRect rect;  // dialog units, relative to the dialog's client area
  bool enabled = true;
  bool visible = true;
  int check = 0;                 // check boxes and radio buttons
  std::vector<CString> items;    // combo boxes and list boxes
  int curSel = -1;
  int limit = kDefaultEditLimit; // edit boxes: bytes a user may type
  UINT imageId = 0;              // bitmap resource shown by a picture or a bitmap button
  CWnd* parent = nullptr;        // the dialog or sheet that owns the control
  CWnd* bound = nullptr;         // the member object bound by data exchange
  std::unique_ptr<CWnd> view;    // the view GetDlgItem hands out when none is bound
  int order = 0;                 // position in the template (tab order)
  // List views: the image of each item (items holds their texts, curSel the
  // selection mark), the image list shown and the background colour.
  std::vector<int> itemImages;
  CImageList* imageList = nullptr;
  COLORREF bkColor = 0xFFFFFFFF;
  // A button's picture given by the code (a colour swatch), and the colour
  // it shows (0xFFFFFFFF: none).
  std::shared_ptr<const GdiObjectData> image;
  COLORREF swatch = 0xFFFFFFFF;

  bool IsButtonLike() const;
  bool IsList() const { return kind == DialogControlKind::ComboBox || kind == DialogControlKind::ListBox; }
};

class CWnd : public CCmdTarget {
  DECLARE_DYNAMIC(CWnd)

 public:
  CWnd();
  ~CWnd() override;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // Not null while the window exists.
  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }

  void SetWindowText(const char* text);
  void GetWindowText(CString& text) const;
  CString GetWindowTextString() const;
  int GetWindowTextLength() const;
  // Answers nonzero when the window was disabled before.
  BOOL EnableWindow(BOOL enable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL ShowWindow(int command);
  BOOL IsWindowVisible() const;
  int GetDlgCtrlID() const;
  CWnd* GetParent() const;
  // A control of this window, or null.
  CWnd* GetDlgItem(int id) const;
  void SetDlgItemText(int id, const char* text);
  int GetDlgItemText(int id, CString& text) const;
  CWnd* SetFocus();
  // Asks the window to repaint: counted, and painted at once on the
  // surface a host installed (system/dialogs/WindowPaint.h).
  void Invalidate(BOOL erase = TRUE);
  void UpdateWindow();
  // Times the window was asked to repaint (a view of what the user sees).
  int GetPaintRequests() const { return m_nPaintRequests; }

  // Runs DoDataExchange: TRUE reads the controls into the fields and
  // validates them, FALSE writes the fields into the controls.  Control
  // notifications to this window are ignored meanwhile.  Answers FALSE when
  // a check failed (its message has been shown).
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  virtual void DoDataExchange(CDataExchange* dx);

  // A WM_COMMAND: the low word is the control id, the high word the
  // notification code.  Routes it through the message map.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

  // Makes this object the view of a control of the parent.
  BOOL SubclassDlgItem(UINT id, CWnd* parent);

  // The control this object views; null for dialogs and sheets.
  ControlState* GetControlState() const { return m_pControl; }
  // The controls of this window in template order.
  const std::vector<std::unique_ptr<ControlState>>& Controls() const { return m_controls; }
  ControlState* FindControl(int id) const;
  int GetFocusId() const { return m_nFocusId; }

 protected:
  ControlState* AddControl(std::unique_ptr<ControlState> control);
  void DestroyControls();
  void Detach();

  ControlState* m_pControl = nullptr;
  CWnd* m_pParentWnd = nullptr;
  CString m_strWindowText;
  bool m_bEnabled = true;
  bool m_bVisible = true;
  int m_nFocusId = 0;
  int m_nPaintRequests = 0;
  std::vector<std::unique_ptr<ControlState>> m_controls;

  friend class CDataExchange;
};

// Sends a control's notification to the window that owns it.
void NotifyParent(ControlState* control, WORD code);

// Window-text conventions of a control: what a user may put into an edit box
// (case, line breaks, limit) and the cut of a UTF-8 text at a byte limit.
CString LimitUtf8(const CString& text, int maxBytes);

class CStatic : public CWnd {
  DECLARE_DYNAMIC(CStatic)

 public:
  void SetBitmapResource(UINT bitmapId);
  UINT GetBitmapResource() const;
};

class CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)

 public:
  int GetCheck() const;
  void SetCheck(int check);
  void SetBitmapResource(UINT bitmapId);
  UINT GetBitmapResource() const;
};

class CEdit : public CWnd {
  DECLARE_DYNAMIC(CEdit)

 public:
  void LimitText(int maxBytes = 0);
  int GetLimitText() const;
  void SetSel(int start, int end);
};

class CComboBox : public CWnd {
  DECLARE_DYNAMIC(CComboBox)

 public:
  int GetCount() const;
  int GetCurSel() const;
  // Selects the item; -1 or a position outside the list clears the
  // selection and answers CB_ERR.
  int SetCurSel(int index);
  int AddString(const char* text);
  int InsertString(int index, const char* text);
  int DeleteString(int index);
  void ResetContent();
  void GetLBText(int index, CString& text) const;
  int GetLBTextLen(int index) const;
  int FindStringExact(int startAfter, const char* text) const;
};

class CListBox : public CWnd {
  DECLARE_DYNAMIC(CListBox)

 public:
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int index);
  int AddString(const char* text);
  int InsertString(int index, const char* text);
  int DeleteString(int index);
  void ResetContent();
  void GetText(int index, CString& text) const;
  int FindStringExact(int startAfter, const char* text) const;
};

}  // namespace corvane
