// A real property sheet of the platform built from the action pages' dialog
// templates, in English and in Chinese (Taiwan): the sheet, its tabs and
// every control of every page carry the templates' texts as the same
// characters, with the window class of their kind.  Needs a display; it also
// leaves a screenshot of the Hot Key page in each language in
// build/win32/screenshots/.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "system/Resources.h"
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

TEST(PropertySheetOnDisplay, TheActionSheetFromTheTemplatesShowsTheirTextsInEveryControl) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
  ASSERT_TRUE(InitCommonControlsEx(&controls));
  // The full sheet's pages in its order: Run, Internet, Hot Key, Sound,
  // Text, Menu, System.
  const UINT pageIds[] = {148, 128, 127, 149, 145, 146, 147};
  for (corvane::LANGID language : {corvane::LANGID(1033), corvane::LANGID(1028)}) {
    SCOPED_TRACE("language " + std::to_string(language));
    std::vector<const corvane::DialogResource*> dialogs;
    std::vector<std::vector<unsigned short>> templates;
    for (UINT id : pageIds) {
      const corvane::DialogResource* dialog = corvane::FindDialogResource(id, language);
      ASSERT_NE(dialog, nullptr) << id;
      ASSERT_EQ(dialog->language, language) << id;
      dialogs.push_back(dialog);
      templates.push_back(corvane::win32::BuildDialogTemplate(*dialog, WS_CHILD | WS_CAPTION | DS_3DLOOK | DS_CONTROL));
    }
    std::vector<PROPSHEETPAGEW> pages(dialogs.size());
    for (std::size_t i = 0; i < pages.size(); ++i) {
      pages[i] = {};
      pages[i].dwSize = sizeof(PROPSHEETPAGEW);
      pages[i].dwFlags = PSP_DLGINDIRECT;
      pages[i].pResource = reinterpret_cast<LPCDLGTEMPLATEW>(templates[i].data());
      pages[i].pfnDlgProc = PageProc;
    }
    const std::wstring caption = Utf8ToWide(corvane::LoadResString(105, language).GetString());
    PROPSHEETHEADERW header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_NOAPPLYNOW;
    header.pszCaption = caption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.nStartPage = 2;  // Hot Key
    header.ppsp = pages.data();
    HWND sheet = reinterpret_cast<HWND>(PropertySheetW(&header));
    ASSERT_NE(sheet, nullptr) << "no property sheet: is there a display?";
    Pump();

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

      SendMessageW(sheet, PSM_SETCURSEL, i, 0);
      Pump();
      HWND page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
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
    // The Hot Key page in front for the screenshot.
    SendMessageW(sheet, PSM_SETCURSEL, 2, 0);
    Pump();
    const std::string folder = std::string(CORVANE_BINARY_DIR) + "/screenshots";
    std::filesystem::create_directories(folder);
    SaveScreenshot(sheet, folder + "/action-sheet-" + std::to_string(language) + ".bmp");
    DestroyWindow(sheet);
    Pump();
  }
}

}  // namespace
