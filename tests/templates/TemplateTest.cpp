#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "actions/Action.h"
#include "corvane/Corvane.h"
#include "corvane/ListCtrl.h"
#include "macros/MacroAction.h"
#include "support/TestSupport.h"
#include "surface/Template.h"
#include "surface/TemplateCollect.h"
#include "system/Desktop.h"
#include "system/Profile.h"
#include "system/RecordingDesktop.h"
#include "system/Resources.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

// A macro section holding one text action whose alias names the macro.
std::string MacroSection(int position, int id, const std::string& alias) {
  const std::string name = "MacroSection." + std::to_string(position);
  return "[" + name + "]\nID=" + std::to_string(id) + "\nAlias=" + alias + "\nCount=1\n[" + name +
         ".01]\nType=3\nAlias=" + alias + " key\n";
}

Strings MacroAliases(CContainer& parent) {
  Strings out;
  for (int i = 0; i < parent.GetCount(); ++i) out.push_back(parent.GetAt(i)->m_strAlias.GetString());
  return out;
}

class TemplateTest : public ::testing::Test {
 protected:
  void Write(const std::string& text) { test::WriteFile(file, text); }
  std::string Value(const char* section, const char* key) {
    char buffer[2048];
    GetPrivateProfileStringA(section, key, "<missing>", buffer, sizeof buffer, file.c_str());
    return buffer;
  }

  test::TempDir dir;
  std::string file = dir.file("word.tmp");
};

TEST_F(TemplateTest, ReadsNamesWithTheirDefaults) {
  struct Case {
    const char* content;
    const char* name;
    const char* exe;
  };
  const std::string longValue(2000, 'x');
  const Case cases[] = {
      {"[Template]\nCount=0\n", "Base", "NONE"},
      {"[Template]\nTemplateName=\nExeName=WINWORD.EXE\n", "", "WINWORD.EXE"},
      {"", "Base", "NONE"},
  };
  for (const Case& c : cases) {
    Write(c.content);
    CTemplate item;
    EXPECT_EQ(item.ReadContainer(file.c_str(), "ignored"), 1);
    EXPECT_EQ(item.m_strTemplateName, c.name) << c.content;
    EXPECT_EQ(item.m_strExeName, c.exe) << c.content;
    EXPECT_EQ(item.m_strModuleName, "NONE");
    EXPECT_EQ(item.m_strClassName, "NONE");
    EXPECT_EQ(item.m_strFileName, file.c_str());
    EXPECT_EQ(item.GetCount(), 0);
  }
  Write("[Template]\nClassName=" + longValue + "\n");
  CTemplate item;
  item.ReadContainer(file.c_str(), "");
  EXPECT_EQ(item.m_strClassName.GetLength(), 1022);

  CTemplate missing;
  EXPECT_EQ(missing.ReadContainer(dir.file("none.tmp").c_str(), ""), 1);
  EXPECT_EQ(missing.m_strTemplateName, "Base");
  EXPECT_EQ(missing.m_strFileName, dir.file("none.tmp").c_str());
}

TEST_F(TemplateTest, CountBoundsTheMacroSectionsAndEmptyMacrosAreDropped) {
  Write("[Template]\nCount=4\n" + MacroSection(1, 10, "one") + MacroSection(3, 30, "three") +
        "[MacroSection.4]\nID=40\nCount=0\n" + MacroSection(5, 50, "beyond") +
        "[MacroSection.01]\nID=1\nCount=1\n[MacroSection.01.01]\nType=3\n");
  CTemplate item;
  item.ReadContainer(file.c_str(), "");
  EXPECT_EQ(MacroAliases(item), (Strings{"one", "three"}));
  EXPECT_EQ(static_cast<CMacroAction*>(item.GetAt(1))->m_nID, 30);
  // Reading again appends.
  item.ReadContainer(file.c_str(), "");
  EXPECT_EQ(item.GetCount(), 4);
}

TEST_F(TemplateTest, WritesTheFormatAndLeavesStaleSectionsAlone) {
  CTemplate fresh;
  fresh.WriteContainer(file.c_str(), "");
  EXPECT_EQ(test::ReadFile(file),
            "[Template]\r\nTemplateName=\r\nExeName=\r\nModuleName=\r\nClassName=\r\nCount=0\r\n");

  std::string five = "[Template]\nCount=5\n";
  for (int i = 1; i <= 5; ++i) five += MacroSection(i, i, "m" + std::to_string(i));
  Write(five);
  CTemplate item;
  item.ReadContainer(file.c_str(), "");
  ASSERT_EQ(item.GetCount(), 5);
  item.m_strTemplateName = "Writer";
  item.m_strExeName = "WINWORD.EXE";
  delete item.GetAt(4);
  delete item.GetAt(3);
  delete item.GetAt(2);
  item.RemoveAt(2, 3);
  item.WriteContainer(file.c_str(), "");
  EXPECT_EQ(Value("Template", "Count"), "2");
  EXPECT_EQ(Value("Template", "TemplateName"), "Writer");
  EXPECT_EQ(Value("MacroSection.5", "ID"), "5");  // stale, still there
  CTemplate back;
  back.ReadContainer(file.c_str(), "");
  EXPECT_EQ(MacroAliases(back), (Strings{"m1", "m2"}));
  EXPECT_EQ(back.m_strExeName, "WINWORD.EXE");
  auto* action = dynamic_cast<CAction*>(back.GetAt(1)->GetAt(0));
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->m_strActionAlias, "m2 key");
}

TEST_F(TemplateTest, OnInsertNewPlacesTheMacroAfterThePosition) {
  struct Case {
    int children, curSel, position, expectedIndex;
  };
  const Case cases[] = {
      {0, -1, -1, 0}, {3, -1, -1, 0}, {3, 1, -1, 2}, {3, 0, 5, 3}, {3, 0, 0, 1}, {3, 0, -7, 3},
  };
  for (const Case& c : cases) {
    CTemplate item;
    for (int i = 0; i < c.children; ++i) item.Add(new CMacroAction);
    item.m_nCurSel = c.curSel;
    EXPECT_EQ(item.OnInsertNew(c.position), 1);
    ASSERT_EQ(item.GetCount(), c.children + 1);
    EXPECT_EQ(item.m_nCurSel, c.expectedIndex) << "position " << c.position;
    auto* inserted = dynamic_cast<CMacroAction*>(item.GetAt(c.expectedIndex));
    ASSERT_NE(inserted, nullptr);
    EXPECT_EQ(inserted->m_nID, -1);
    EXPECT_EQ(inserted->GetCount(), 0);
  }
}

TEST_F(TemplateTest, ListShowsIdentifierAndAlias) {
  CTemplate item;
  item.Add(new CMacroAction);
  auto* second = new CMacroAction;
  second->m_nID = 12;
  second->m_strAlias = "Save";
  item.Add(second);
  CListCtrl list;
  list.SetExtendedStyle(0x100);
  item.ControlSetup(&list);
  ASSERT_EQ(list.GetColumnCount(), 2);
  EXPECT_EQ(list.GetColumnHeading(0), LoadResString(102));
  EXPECT_EQ(list.GetColumnWidth(0), 40);
  EXPECT_EQ(list.GetColumnWidth(1), 144);
  EXPECT_EQ(list.GetExtendedStyle(), 0x121u);
  EXPECT_EQ(item.GetAliasField(&list), 1);
  list.InsertItem(0, "");
  list.InsertItem(1, "");
  item.ControlInsertItem(&list, 0);
  item.ControlInsertItem(&list, 1);
  item.ControlInsertItem(&list, 2);  // no macro there: nothing
  EXPECT_EQ(list.GetItemText(0, 0), "-1");
  EXPECT_EQ(list.GetItemText(1, 0), "12");
  EXPECT_EQ(list.GetItemText(1, 1), "Save");
  list.SetItemText(1, 1, "Save as");
  item.ControlItemChanged(&list, 1, 1);
  EXPECT_EQ(second->m_strAlias, "Save as");
  item.m_nCurSel = -1;
  item.ControlItemChanged(&list, 1, -1);  // no selection: nothing
  EXPECT_EQ(second->m_strAlias, "Save as");
}

TEST_F(TemplateTest, PlayStartsTheFirstMacroWithTheKey) {
  RecordingDesktop desktop;
  ScopedDesktopBackend scope{desktop};
  desktop.SetActive(WindowFromNumber(7));
  Write("[Template]\nCount=4\n" + MacroSection(1, 1, "a") + MacroSection(2, 5, "b") + MacroSection(3, 2, "c") +
        MacroSection(4, 5, "d"));
  void* item = ACTCreateContainer(CORVANE_TYPE_TEMPLATE);
  ASSERT_EQ(ACTReadContainer(item, file.c_str()), 1);
  ACTPlay(item, reinterpret_cast<void*>(99));  // no macro has it
  ACTPlay(item, reinterpret_cast<void*>(5));
  auto* second = static_cast<CMacroAction*>(ACTGetAt(item, 1));
  for (int i = 0; i < 500 && !second->IsIdle(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  ACTDeleteContainer(item);  // waits for the playback
  // One macro played: its one hot key pressed "0" (the default key) once.
  int keyDowns = 0;
  for (const auto& call : desktop.Calls())
    if (call.fn == "keybd_event" && (call.Number("flags") & 2) == 0) ++keyDowns;
  EXPECT_EQ(keyDowns, 1);
}

TEST_F(TemplateTest, CloneCopiesEverything) {
  Write("[Template]\nTemplateName=Draw\nExeName=paint.exe\nModuleName=PAINT\nClassName=PaintWnd\nCount=1\n" +
        MacroSection(1, 3, "x"));
  CTemplate source;
  source.ReadContainer(file.c_str(), "");
  std::unique_ptr<CContainer> copy(source.Clone());
  auto* clone = dynamic_cast<CTemplate*>(copy.get());
  ASSERT_NE(clone, nullptr);
  EXPECT_EQ(clone->m_nContainerType, 257);
  EXPECT_EQ(clone->m_strFileName, source.m_strFileName);
  EXPECT_EQ(clone->m_strTemplateName, "Draw");
  EXPECT_EQ(clone->m_strExeName, "paint.exe");
  EXPECT_EQ(clone->m_strModuleName, "PAINT");
  EXPECT_EQ(clone->m_strClassName, "PaintWnd");
  ASSERT_EQ(clone->GetCount(), 1);
  EXPECT_NE(clone->GetAt(0), source.GetAt(0));
  clone->GetAt(0)->m_strAlias = "changed";
  clone->m_strExeName = "other.exe";
  EXPECT_EQ(source.GetAt(0)->m_strAlias, "x");
  EXPECT_EQ(source.m_strExeName, "paint.exe");
}

TEST(TemplateCollectTest, LoadsTheBaseFirstAndOnlyExactTmpFiles) {
  test::TempDir dir;
  auto make = [&](const std::string& name, const std::string& title) {
    test::WriteFile(dir.file(name), "[Template]\nTemplateName=" + title + "\nCount=0\n");
  };
  make("writer.tmp", "Writer");
  make("draw.tmp", "Draw");
  make("notes.TMP", "upper case extension");
  make("Base.tmp", "not the base");
  make("tmp", "no dot");
  std::filesystem::create_directory(dir.file("folder.tmp"));

  CTemplateCollect withoutBase;
  EXPECT_EQ(withoutBase.ReadContainer(dir.path().string().c_str(), ""), 0);
  EXPECT_EQ(withoutBase.GetCount(), 0);

  make("base.tmp", "Base");
  void* collection = ACTCreateContainer(CORVANE_TYPE_TEMPLATE_COLLECTION);
  ASSERT_EQ(ACTReadContainer(collection, dir.path().string().c_str()), 1);
  Strings titles;
  for (int i = 0; i < ACTGetCount(collection); ++i)
    titles.push_back(static_cast<CTemplate*>(ACTGetAt(collection, i))->m_strTemplateName.GetString());
  EXPECT_EQ(titles, (Strings{"Base", "not the base", "Draw", "Writer"}));
  EXPECT_EQ(ACTReadContainer(collection, dir.path().string().c_str()), 1);
  EXPECT_EQ(ACTGetCount(collection), 8);
  void* copy = ACTClone(collection);
  EXPECT_EQ(ACTGetCount(copy), 8);
  ACTDeleteContainer(copy);
  ACTDeleteContainer(collection);

  CTemplateCollect missing;
  EXPECT_EQ(missing.ReadContainer(dir.file("no such folder").c_str(), ""), 0);
}

}  // namespace
}  // namespace corvane
