// A real property sheet of the platform built from the action pages' dialog
// templates, in English and in Chinese (Taiwan): the sheet, its tabs and
// every control of every page carry the templates' texts as the same
// characters, with the window class of their kind.  Needs a display; it also
// leaves a screenshot of the Hot Key page in each language in
// build/win32/screenshots/.  The library's own sheets still run on the
// dialog layer's model; here the state its pages put into their controls is
// shown in the platform's controls of a real sheet.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "actions/ActionHotKey.h"
#include "dialogs/ActionEditing.h"
#include "dialogs/SheetFixture.h"
#include "system/Resources.h"
#include "system/dialogs/DialogUser.h"
#include "system/win32/DialogTemplate.h"
#include "system/win32/WideText.h"
// Last: its macros would rewrite the system layer's declarations.
#include <windows.h>
#include <commctrl.h>

namespace {

using corvane::DialogControlKind;
using corvane::win32::Utf8ToWide;

INT_PTR CALLBACK PageProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

const wchar_t* ClassFor(DialogControlKind kind) {
  switch (kind) {
    case DialogControlKind::Edit: return L"Edit";
    case DialogControlKind::ComboBox: return L"ComboBox";
    case DialogControlKind::ListBox: return L"ListBox";
    case DialogControlKind::ListView: return L"SysListView32";
    case DialogControlKind::Label:
    case DialogControlKind::Picture:
    case DialogControlKind::Frame: return L"Static";
    default: return L"Button";
  }
}

// The window's pixels as a 24-bit BMP file.
void SaveScreenshot(HWND window, const std::string& path) {
  RECT rect;
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  GdiFlush();
  const DWORD stride = (width * 3 + 3) & ~3u, size = stride * height;
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + size;
  if (FILE* out = std::fopen(path.c_str(), "wb")) {
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info.bmiHeader, sizeof(BITMAPINFOHEADER), 1, out);
    std::fwrite(bits, 1, size, out);
    std::fclose(out);
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

void Pump() {
  MSG msg;
  for (int round = 0; round < 20; ++round) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(10);
  }
}

// The full sheet's pages in its order: Run, Internet, Hot Key, Sound, Text,
// Menu, System.
const UINT kPageIds[] = {148, 128, 127, 149, 145, 146, 147};

// A modeless platform property sheet made of those pages' templates in one
// language, with its caption from the string table.
class RealSheet {
 public:
  RealSheet(corvane::LANGID language, int startPage) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    for (UINT id : kPageIds) {
      const corvane::DialogResource* dialog = corvane::FindDialogResource(id, language);
      if (!dialog) return;
      dialogs.push_back(dialog);
      m_templates.push_back(
          corvane::win32::BuildDialogTemplate(*dialog, WS_CHILD | WS_CAPTION | DS_3DLOOK | DS_CONTROL));
    }
    std::vector<PROPSHEETPAGEW> pages(dialogs.size());
    for (std::size_t i = 0; i < pages.size(); ++i) {
      pages[i] = {};
      pages[i].dwSize = sizeof(PROPSHEETPAGEW);
      pages[i].dwFlags = PSP_DLGINDIRECT;
      pages[i].pResource = reinterpret_cast<LPCDLGTEMPLATEW>(m_templates[i].data());
      pages[i].pfnDlgProc = PageProc;
    }
    caption = Utf8ToWide(corvane::LoadResString(105, language).GetString());
    PROPSHEETHEADERW header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_NOAPPLYNOW;
    header.pszCaption = caption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.nStartPage = static_cast<UINT>(startPage);
    header.ppsp = pages.data();
    window = reinterpret_cast<HWND>(PropertySheetW(&header));
    Pump();
  }
  ~RealSheet() {
    if (window) DestroyWindow(window);
    Pump();
  }
  HWND Page(int index) {
    SendMessageW(window, PSM_SETCURSEL, index, 0);
    Pump();
    return reinterpret_cast<HWND>(SendMessageW(window, PSM_GETCURRENTPAGEHWND, 0, 0));
  }

  HWND window = nullptr;
  std::wstring caption;
  std::vector<const corvane::DialogResource*> dialogs;

 private:
  std::vector<std::vector<unsigned short>> m_templates;
};

std::string ScreenshotPath(const std::string& name) {
  const std::string folder = std::string(CORVANE_BINARY_DIR) + "/screenshots";
  std::filesystem::create_directories(folder);
  return folder + "/" + name + ".bmp";
}

TEST(PropertySheetOnDisplay, TheActionSheetFromTheTemplatesShowsTheirTextsInEveryControl) {
  for (corvane::LANGID language : {corvane::LANGID(1033), corvane::LANGID(1028)}) {
    SCOPED_TRACE("language " + std::to_string(language));
    RealSheet real(language, 2);
    ASSERT_EQ(real.dialogs.size(), std::size(kPageIds));
    for (const corvane::DialogResource* dialog : real.dialogs) EXPECT_EQ(dialog->language, language) << dialog->id;
    HWND sheet = real.window;
    const auto& dialogs = real.dialogs;
    const std::wstring& caption = real.caption;
    ASSERT_NE(sheet, nullptr) << "no property sheet: is there a display?";

    // The sheet's caption may have the platform's "Properties for" around it.
    EXPECT_NE(TextOf(sheet).find(caption), std::wstring::npos) << "caption";
    HWND tabs = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), static_cast<LRESULT>(dialogs.size()));
    for (std::size_t i = 0; i < dialogs.size(); ++i) {
      wchar_t title[128] = {};
      TCITEMW item = {};
      item.mask = TCIF_TEXT;
      item.pszText = title;
      item.cchTextMax = 128;
      SendMessageW(tabs, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
      EXPECT_EQ(std::wstring(title), Utf8ToWide(dialogs[i]->title)) << "tab " << i;

      HWND page = real.Page(static_cast<int>(i));
      ASSERT_NE(page, nullptr) << "page " << i;
      // The controls in template order, each of its kind and with its text.
      std::size_t n = 0;
      for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT), ++n) {
        ASSERT_LT(n, dialogs[i]->count) << "page " << i << " has more controls than its template";
        const corvane::DialogItemResource& expected = dialogs[i]->items[n];
        EXPECT_EQ(GetDlgCtrlID(child), expected.id == -1 ? 0xFFFF : expected.id) << "page " << i << " item " << n;
        EXPECT_EQ(_wcsicmp(ClassOf(child).c_str(), ClassFor(expected.kind)), 0)
            << "page " << i << " item " << n << " is a " << std::string(ClassOf(child).begin(), ClassOf(child).end());
        if (expected.text && expected.kind != DialogControlKind::Picture && expected.kind != DialogControlKind::ComboBox) {
          EXPECT_EQ(TextOf(child), Utf8ToWide(expected.text)) << "page " << i << " item " << n;
        }
      }
      EXPECT_EQ(n, dialogs[i]->count) << "page " << i;
    }
    real.Page(2);
    SaveScreenshot(sheet, ScreenshotPath("action-sheet-" + std::to_string(language)));
  }
}

// The library's own sheet, run by the headless user, for a hot-key action:
// what its Hot Key page put into its controls shows in the real page.
TEST(PropertySheetOnDisplay, TheHotKeyPageShowsWhatThePagePutInItsControls) {
  for (corvane::LANGID language : {corvane::LANGID(1033), corvane::LANGID(1028)}) {
    SCOPED_TRACE("language " + std::to_string(language));
    corvane::test::LanguageGuard guard(language);
    corvane::CActionHotKey action;
    action.m_bCtrl = 1;
    action.m_bShift = 1;
    action.m_cKey = 'S';
    bool ran = false;
    corvane::ScopedDialogUser user([&](corvane::DialogSession& session) {
      ran = true;
      ASSERT_EQ(session.ActivePage(), 2);
      const corvane::CPropertyPage* model = session.ActivePageObject();
      ASSERT_NE(model, nullptr);
      RealSheet real(language, 2);
      ASSERT_NE(real.window, nullptr) << "no property sheet: is there a display?";
      HWND page = real.Page(2);
      ASSERT_NE(page, nullptr);
      EXPECT_EQ(corvane::win32::ShowControlStates(page, *model), static_cast<int>(real.dialogs[2]->count));
      Pump();
      // What a person sees: Ctrl and Shift ticked, Alt not, "S" chosen from
      // the page's list of keys.
      EXPECT_EQ(IsDlgButtonChecked(page, 1081), static_cast<UINT>(BST_CHECKED));
      EXPECT_EQ(IsDlgButtonChecked(page, 1079), static_cast<UINT>(BST_UNCHECKED));
      EXPECT_EQ(IsDlgButtonChecked(page, 1080), static_cast<UINT>(BST_CHECKED));
      HWND keys = GetDlgItem(page, 1082);
      const LRESULT count = SendMessageW(keys, CB_GETCOUNT, 0, 0);
      EXPECT_EQ(count, static_cast<LRESULT>(session.Items("1082").size()));
      EXPECT_GT(count, 26);
      const LRESULT selected = SendMessageW(keys, CB_GETCURSEL, 0, 0);
      ASSERT_GE(selected, 0);
      wchar_t key[64] = {};
      SendMessageW(keys, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(key));
      EXPECT_EQ(std::wstring(key), L"S");
      SaveScreenshot(real.window, ScreenshotPath("hot-key-page-" + std::to_string(language)));
      session.PressCancel();
    });
    EXPECT_EQ(corvane::EditActionInSheet(&action, -1), nullptr);  // cancelled
    EXPECT_TRUE(ran);
  }
}

}  // namespace
