// corvane-demo: a host in miniature.  Through the exported functions only, it
// reads a macro from a hand-written profile file, edits it, clones it, writes
// both, reads what it wrote back, and prints each step and each file.
//
//   corvane-demo [FOLDER]     (default: a new folder under /tmp, kept)
#include <corvane/Corvane.h>
#include <corvane/ListCtrl.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

int g_failures = 0;

void Check(bool ok, const std::string& what) {
  std::cout << (ok ? "  ok:     " : "  FAILED: ") << what << "\n";
  if (!ok) ++g_failures;
}

std::string Alias(void* container) { return ACTGetAliasString(container).GetString(); }

// The macro's rows as the host's list view shows them.
std::string Rows(void* macro) {
  corvane::CListCtrl list;
  ACTControlSetup(macro, &list);
  std::string rows;
  for (int i = 0; i < ACTGetCount(macro); ++i) {
    list.InsertItem(i, "");
    ACTControlInsertItem(macro, &list, i);
    rows += " ";
    for (int column = 0; column < list.GetColumnCount(); ++column)
      rows += std::string(" | ") + list.GetItemText(i, column).GetString();
    rows += "\n";
  }
  return rows;
}

void PrintMacro(const char* title, void* macro) {
  std::cout << title << ": \"" << Alias(macro) << "\", " << ACTGetCount(macro) << " actions\n" << Rows(macro);
}

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void PrintFile(const fs::path& path) {
  std::cout << "--- " << path.string() << "\n";
  std::string text = Slurp(path);
  std::string shown;
  for (char c : text)
    if (c != '\r') shown += c;
  std::cout << shown << "---\n";
}

// A macro as a host finds it in a file: the bare macro's section is the
// empty name, its actions ".01", ".02", ...
const char* const kHandWritten =
    "; A macro written by hand\r\n"
    "[]\r\n"
    "ID=7\r\n"
    "Alias=Save and greet\r\n"
    "Count=3\r\n"
    "\r\n"
    "[.01]\r\n"
    "Type=3\r\n"
    "Alias=Save\r\n"
    "Ctrl=1\r\n"
    "char=83\r\n"
    "\r\n"
    "[.02]\r\n"
    "Type=4\r\n"
    "Alias=Greeting\r\n"
    "Text=Hello from Corvane\r\n"
    "\r\n"
    "[.03]\r\n"
    "Type=10\r\n"
    "Alias=Open the File menu\r\n"
    "Menu=F\r\n";

}  // namespace

int main(int argc, char** argv) {
  fs::path folder;
  if (argc > 1) {
    folder = argv[1];
  } else {
    // A new folder of its own under the system's temporary folder.
    std::random_device random;
    std::error_code error;
    const fs::path base = fs::temp_directory_path(error);
    for (int attempt = 0; attempt < 100 && folder.empty(); ++attempt) {
      const fs::path candidate = base / ("corvane-demo-" + std::to_string(random()));
      if (fs::create_directory(candidate, error)) folder = candidate;
    }
    if (folder.empty()) {
      std::cerr << "cannot make a temporary folder: " << error.message() << "\n";
      return 1;
    }
  }
  fs::create_directories(folder);
  const fs::path source = folder / "macro.ini";
  const fs::path edited = folder / "edited.ini";
  const fs::path copy = folder / "clone.ini";
  {
    std::ofstream out(source, std::ios::binary | std::ios::trunc);
    out << kHandWritten;
  }
  std::cout << "Folder: " << folder.string() << "\n\n";
  PrintFile(source);

  // 1. Read the macro.
  void* macro = ACTCreateContainer(CORVANE_TYPE_MACRO);
  Check(macro != nullptr, "ACTCreateContainer(18) made a macro");
  Check(ACTReadContainer(macro, source.string().c_str()) == 3, "ACTReadContainer answered the number of actions");
  PrintMacro("\nRead", macro);
  Check(ACTGetCount(macro) == 3, "three actions were read");

  // 2. Edit it: rename, move the menu action to the top, keep a value per row.
  ACTSetAliasString(macro, corvane::CString("Menu, save, greet"));
  ACTSetCurSel(macro, 2);
  ACTOnMoveUp(macro, -1);
  ACTOnMoveUp(macro, -1);
  Check(ACTGetCurSel(macro) == 0, "moving up twice made position 0 current");
  for (int i = 0; i < ACTGetCount(macro); ++i) ACTSetExtraData(macro, i, 100u + static_cast<unsigned>(i));
  PrintMacro("\nEdited", macro);

  // 3. Clone it and shorten the clone; the original keeps its actions.
  void* clone = ACTClone(macro);
  Check(clone != nullptr, "ACTClone made a deep copy");
  void* taken = ACTGetAt(clone, 2);
  ACTRemoveAt(clone, 2, 100);  // more than exist: only the one there is taken
  ACTDeleteContainer(taken);
  ACTSetAliasString(clone, corvane::CString("Shortened copy"));
  PrintMacro("\nClone", clone);
  Check(ACTGetCount(clone) == 2 && ACTGetCount(macro) == 3, "the clone lost one action, the original none");
  Check(ACTGetExtraData(clone, 1) == 101u, "the clone kept the extra values");

  // 4. Write both: one replacement of each file per call.
  ACTWriteContainer(macro, edited.string().c_str());
  ACTWriteContainer(clone, copy.string().c_str());
  std::cout << "\n";
  PrintFile(edited);
  PrintFile(copy);

  // 5. Read what was written and compare.
  void* again = ACTCreateContainer(CORVANE_TYPE_MACRO);
  ACTReadContainer(again, edited.string().c_str());
  const bool same = Alias(again) == Alias(macro) && Rows(again) == Rows(macro);
  PrintMacro("\nRead back", again);
  Check(same, "what was written reads back the same");
  const std::string before = Slurp(edited);
  ACTWriteContainer(again, edited.string().c_str());
  Check(Slurp(edited) == before, "writing it again gives the same bytes");

  ACTDeleteContainer(again);
  ACTDeleteContainer(clone);
  ACTDeleteContainer(macro);
  std::cout << "\n" << (g_failures ? "demo: FAILED" : "demo: all steps ok") << "\n";
  return g_failures ? 1 : 0;
}
