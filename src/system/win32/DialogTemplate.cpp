#include "system/win32/DialogTemplate.h"

#include <algorithm>
#include <string>

#include "system/dialogs/Wnd.h"
#include "system/win32/WideText.h"
#include "system/win32/WindowsApi.h"

namespace corvane::win32 {

namespace {

class Writer {
 public:
  void Word(unsigned short value) { m_words.push_back(value); }
  void Dword(DWORD value) {
    Word(static_cast<unsigned short>(value & 0xFFFF));
    Word(static_cast<unsigned short>(value >> 16));
  }
  void Text(const char* text) {
    const std::wstring wide = text ? Utf8ToWide(text) : std::wstring();
    for (wchar_t c : wide) Word(static_cast<unsigned short>(c));
    Word(0);
  }
  void AlignDword() {
    if (m_words.size() % 2) Word(0);
  }
  std::vector<unsigned short> Take() { return std::move(m_words); }

 private:
  std::vector<unsigned short> m_words;
};

// The predefined window classes by atom, and the list view by name.
void WriteClass(Writer& out, DialogControlKind kind) {
  switch (kind) {
    case DialogControlKind::GroupBox:
    case DialogControlKind::PushButton:
    case DialogControlKind::DefPushButton:
    case DialogControlKind::CheckBox:
    case DialogControlKind::RadioButton:
      out.Word(0xFFFF);
      out.Word(0x0080);
      return;
    case DialogControlKind::Edit:
      out.Word(0xFFFF);
      out.Word(0x0081);
      return;
    case DialogControlKind::ListBox:
      out.Word(0xFFFF);
      out.Word(0x0083);
      return;
    case DialogControlKind::ComboBox:
      out.Word(0xFFFF);
      out.Word(0x0085);
      return;
    case DialogControlKind::ListView:
      out.Text("SysListView32");
      return;
    case DialogControlKind::Label:
    case DialogControlKind::Picture:
    case DialogControlKind::Frame:
      out.Word(0xFFFF);
      out.Word(0x0082);
      return;
  }
}

}  // namespace

std::vector<unsigned short> BuildDialogTemplate(const DialogResource& dialog, DWORD style) {
  Writer out;
  const bool font = dialog.fontFace && *dialog.fontFace;
  out.Dword(style | (font ? DS_SETFONT : 0));
  out.Dword(0);  // extended style
  out.Word(static_cast<unsigned short>(dialog.count));
  out.Word(0);  // x
  out.Word(0);  // y
  out.Word(static_cast<unsigned short>(dialog.cx));
  out.Word(static_cast<unsigned short>(dialog.cy));
  out.Word(0);  // no menu
  out.Word(0);  // the dialog class
  out.Text(dialog.title);
  if (font) {
    out.Word(static_cast<unsigned short>(dialog.fontPoints));
    out.Text(dialog.fontFace);
  }
  for (std::size_t i = 0; i < dialog.count; ++i) {
    const DialogItemResource& item = dialog.items[i];
    out.AlignDword();
    out.Dword(item.style | WS_CHILD | WS_VISIBLE);
    out.Dword(0);  // extended style
    out.Word(static_cast<unsigned short>(item.x));
    out.Word(static_cast<unsigned short>(item.y));
    out.Word(static_cast<unsigned short>(item.cx));
    out.Word(static_cast<unsigned short>(item.cy));
    out.Word(static_cast<unsigned short>(item.id));  // -1 becomes 0xFFFF, the platform's "no id"
    WriteClass(out, item.kind);
    // A picture's text would name a bitmap resource of the module: none.
    out.Text(item.kind == DialogControlKind::Picture ? nullptr : item.text);
    out.Word(0);  // no creation data
  }
  return out.Take();
}

int ShowControlStates(void* window, const CWnd& model) {
  auto dialog = static_cast<::HWND>(window);
  std::vector<const ControlState*> states;
  for (const auto& control : model.Controls()) states.push_back(control.get());
  std::sort(states.begin(), states.end(), [](const ControlState* a, const ControlState* b) { return a->order < b->order; });
  int filled = 0;
  ::HWND child = ::GetWindow(dialog, GW_CHILD);
  for (const ControlState* state : states) {
    if (!child) break;
    switch (state->kind) {
      case DialogControlKind::ComboBox:
      case DialogControlKind::ListBox: {
        const bool combo = state->kind == DialogControlKind::ComboBox;
        ::SendMessageW(child, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
        for (const CString& item : state->items) {
          const std::wstring wide = Utf8ToWide(item.GetString());
          ::SendMessageW(child, combo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
        }
        ::SendMessageW(child, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(state->curSel), 0);
        break;
      }
      case DialogControlKind::CheckBox:
      case DialogControlKind::RadioButton:
        ::SendMessageW(child, BM_SETCHECK, static_cast<WPARAM>(state->check), 0);
        ::SetWindowTextW(child, Utf8ToWide(state->text.GetString()).c_str());
        break;
      case DialogControlKind::Picture:
      case DialogControlKind::ListView:
        break;
      default:
        ::SetWindowTextW(child, Utf8ToWide(state->text.GetString()).c_str());
        break;
    }
    ::EnableWindow(child, state->enabled ? TRUE : FALSE);
    ::ShowWindow(child, state->visible ? SW_SHOWNA : SW_HIDE);
    ++filled;
    child = ::GetWindow(child, GW_HWNDNEXT);
  }
  return filled;
}

}  // namespace corvane::win32
