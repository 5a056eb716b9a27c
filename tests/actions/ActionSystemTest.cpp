#include <memory>

#include "ActionFixture.h"
#include "actions/ActionSystem.h"
#include "actions/SystemTable.h"
#include "system/Resources.h"

namespace corvane {
namespace {

using test::ReadFile;
using test::WriteFile;

CActionSystem System(int id, int param = 0) {
  CActionSystem action;
  action.m_nSystemID = id;
  action.m_nSystemParam = param;
  return action;
}

SYSTEMTIME Time(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
  return SYSTEMTIME{year, month, 0, day, hour, minute, second, 0};
}

TEST_F(ActionTest, SystemFunctionsSendTheirMessagesKeysAndClicks) {
  struct Case {
    int id;
    int param;
    std::vector<std::string> trace;
  };
  const Case cases[] = {
      {0, 0, {"@0 send 274 0xf030 0x0"}},
      {1, 0, {"@0 send 274 0xf020 0x0"}},
      {2, 0, {"@0 send 274 0xf120 0x0"}},
      {3, 0, {"@0 exit 0"}},
      {4, 0, {"@0 exit 2"}},
      {5, 0, {"@0 exit 1"}},
      {6, 0, {"@0 send 277 0x2 0x0"}},
      {6, 1, {"@0 send 277 0x3 0x0"}},
      {6, 2, {"@0 send 277 0x0 0x0"}},
      {6, 3, {"@0 send 277 0x1 0x0"}},
      {6, 4, {}},
      {6, -1, {}},
      {7, 0, {"@0 send 276 0x2 0x0"}},
      {7, 2, {"@0 send 276 0x0 0x0"}},
      {7, 3, {"@0 send 276 0x1 0x0"}},
      {8, 0, {"@0 sleep 1000"}},
      {8, 4, {"@0 sleep 5000"}},
      {8, 9, {"@0 sleep 10000"}},
      {8, 10, {}},
      {9, 0, {"@0 send 274 0xf140 0x0"}},
      {10, 0, {"@0 down 0x11", "@0 down 0x1b", "@0 up 0x1b", "@0 up 0x11", "@0 sleep 300"}},
      {11, 0, {"@0 down 0x12", "@0 down 0x09", "@0 up 0x09", "@0 up 0x12", "@0 sleep 300"}},
      {12, 0, {"@0 down 0x10", "@0 down 0x12", "@0 down 0x09", "@0 up 0x09", "@0 up 0x12", "@0 up 0x10",
               "@0 sleep 300"}},
      {13, 0, {"@0 mouse 0x2", "@0 mouse 0x4", "@0 sleep 300"}},
      {14, 0, {"@0 mouse 0x8", "@0 mouse 0x10", "@0 sleep 300"}},
      {15, 0, {"@0 mouse 0x20", "@0 mouse 0x40", "@0 sleep 300"}},
      {16, 8, {}},
      {17, -1, {}},
      {18, 0, {"@0 send 274 0xf060 0x0"}},
      {19, 0, {}},
      {-1, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "id " << c.id << " param " << c.param);
    desktop.Clear();
    CActionSystem action = System(c.id, c.param);
    EXPECT_EQ(action.Execute(nullptr), 1);
    EXPECT_EQ(Trace(), c.trace);
    for (const auto& call : desktop.Calls()) {
      if (call.fn == "SendMessageA") {
        EXPECT_EQ(call.Number("hwnd"), static_cast<std::int64_t>(kForeground));
      }
      if (call.fn == "mouse_event") {
        EXPECT_EQ(call.ToJson().substr(call.ToJson().find("\"dx\"")), "\"dx\":0,\"dy\":0,\"data\":0,\"extrainfo\":0}");
      }
    }
    EXPECT_TRUE(desktop.AllReleased());
  }
}

TEST_F(ActionTest, MaximizeRestoresAMaximizedWindow) {
  desktop.SetZoomed(WindowFromNumber(kForeground), true);
  System(0).Execute(nullptr);
  EXPECT_EQ(Trace(), std::vector<std::string>{"@0 send 274 0xf120 0x0"});
}

TEST_F(ActionTest, DateAndTimeArePastedWithABlankIntoTheForegroundWindow) {
  desktop.SetLocalTime(Time(2002, 3, 5, 14, 7, 9));
  EXPECT_EQ(System(16, 6).Execute(nullptr), 1);
  EXPECT_EQ(desktop.ClipboardText(), "5/03/2002 ");
  EXPECT_EQ(Trace(), (std::vector<std::string>{"@0 OpenClipboard", "@0 EmptyClipboard", "@0 alloc 0x2000 11",
                                                "@0 setclip 7 \"5/03/2002 \"", "@0 CloseClipboard",
                                                "@0 foreground 4660", "@0 down 0x11", "@0 down 0x56", "@0 up 0x11",
                                                "@0 up 0x56", "@0 sleep 300"}));
  EXPECT_TRUE(desktop.AllReleased());
  EXPECT_EQ(desktop.LiveMemoryBlocks(), 0u);

  struct Case {
    SYSTEMTIME time;
    int param;
    const char* typed;
  };
  const Case cases[] = {
      {Time(2002, 3, 5, 0, 30, 0), 4, "12:30AM "},
      {Time(2002, 3, 5, 9, 5, 0), 0, "9:05 "},
      {Time(2002, 3, 5, 12, 0, 0), 6, "12:00:00PM "},
  };
  for (const Case& c : cases) {
    desktop.SetLocalTime(c.time);
    System(17, c.param).Execute(nullptr);
    EXPECT_EQ(desktop.ClipboardText(), c.typed);
  }

  // No clipboard: nothing typed, and still done.
  desktop.Clear();
  desktop.SetClipboardAvailable(false);
  EXPECT_EQ(System(16, 0).Execute(nullptr), 1);
  EXPECT_EQ(Trace(), std::vector<std::string>{"@0 OpenClipboard"});
}

TEST_F(ActionTest, PasteTextAndPlayMouse) {
  CActionSystem action;
  EXPECT_EQ(action.PasteText(WindowFromNumber(9), ""), 1);
  EXPECT_EQ(desktop.CallCount(), 0u);
  desktop.SetMemoryAvailable(false);
  EXPECT_EQ(action.PasteText(WindowFromNumber(9), "x"), 0);
  EXPECT_FALSE(desktop.IsClipboardOpen());
  EXPECT_TRUE(desktop.PressedKeys().empty());
  desktop.SetMemoryAvailable(true);
  desktop.Clear();
  EXPECT_EQ(action.PasteText(WindowFromNumber(9), "x"), 1);
  EXPECT_EQ(desktop.Calls()[5].ToJson(), "{\"t\":0,\"fn\":\"SetForegroundWindow\",\"hwnd\":9}");

  desktop.Clear();
  const WORD clicks[] = {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 0, MOUSEEVENTF_RIGHTDOWN};
  action.PlayMouse(clicks);
  action.PlayMouse(nullptr);
  EXPECT_EQ(Trace(), (std::vector<std::string>{"@0 mouse 0x2", "@0 mouse 0x4"}));
}

TEST(SystemTableTest, DateAndTimeFormats) {
  const SYSTEMTIME march5 = Time(2002, 3, 5, 14, 7, 9);
  const char* dates[] = {"03/05/02", "3.05.02", "3/05/2002", "3.05.2002", "5/03/02", "5.03.02", "5/03/2002", "5.03.02"};
  const char* times[] = {"14:07", "14:07:09", "14.07", "14.07.09", "2:07PM", "2.07PM", "2:07:09PM", "2.07.09PM"};
  for (int format = 0; format < 8; ++format) {
    EXPECT_EQ(FormatDate(march5, format), dates[format]) << format;
    EXPECT_EQ(FormatTime(march5, format), times[format]) << format;
  }
  EXPECT_EQ(FormatDate(march5, 8), "");
  EXPECT_EQ(FormatTime(march5, -1), "");

  const SYSTEMTIME late = Time(2010, 12, 31, 23, 59, 58);
  EXPECT_EQ(FormatDate(late, 1), "12.31.10");
  EXPECT_EQ(FormatTime(late, 7), "11.59.58PM");
  const SYSTEMTIME early = Time(2005, 1, 9, 0, 0, 1);
  EXPECT_EQ(FormatDate(early, 0), "01/09/05");
  EXPECT_EQ(FormatTime(early, 1), "0:00:01");
  EXPECT_EQ(FormatTime(early, 4), "12:00AM");
  EXPECT_EQ(FormatSystemTime(early, "%#y|%%|%q|%#|%"), "5|%|%q|%#|%");

  RecordingDesktop desktop;
  ScopedDesktopBackend scope(desktop);
  desktop.SetLocalTime(march5);
  CString text;
  EXPECT_EQ(FormatDateText(text, 2), 9);
  EXPECT_EQ(text, "3/05/2002");
  EXPECT_EQ(FormatTimeText(text, 9), 0);
  EXPECT_TRUE(text.IsEmpty());
}

TEST(SystemTableTest, LookupsAndParameterTexts) {
  RecordingDesktop desktop;
  ScopedDesktopBackend scope(desktop);
  desktop.SetLocalTime(Time(2002, 3, 5, 14, 7, 9));
  SetResourceLanguage(LANG_ENGLISH_US);

  CString text;
  for (int param = 0; param < 10; ++param) {
    EXPECT_EQ(GetSystemParamText(text, 8, param), param == 9 ? 2 : 1);
    EXPECT_EQ(text, std::to_string(param + 1).c_str());
  }
  EXPECT_EQ(GetSystemParamText(text, 8, 10), 0);
  EXPECT_TRUE(text.IsEmpty());
  const char* vertical[] = {"One Page Up", "One Page Down", "One Line Up", "One Line Down"};
  const char* horizontal[] = {"One Page Left", "One Page Right", "One Line Left", "One Line Right"};
  for (int param = 0; param < 4; ++param) {
    GetSystemParamText(text, 6, param);
    EXPECT_EQ(text, vertical[param]);
    GetSystemParamText(text, 7, param);
    EXPECT_EQ(text, horizontal[param]);
  }
  EXPECT_EQ(GetSystemParamText(text, 6, 4), 0);
  EXPECT_EQ(GetSystemParamText(text, 16, 3), 9);
  EXPECT_EQ(text, "3.05.2002");
  EXPECT_EQ(GetSystemParamText(text, 17, 6), 9);
  EXPECT_EQ(text, "2:07:09PM");
  EXPECT_EQ(GetSystemParamText(text, 16, 8), 0);
  text = "stale";
  EXPECT_EQ(GetSystemParamText(text, 13, 0), 0);
  EXPECT_TRUE(text.IsEmpty());

  for (int id = 0; id < kSystemTableSize; ++id) {
    EXPECT_EQ(FindSystemIndex(id), id);
    EXPECT_EQ(GetSystemIdAt(id), id);
    EXPECT_EQ(HasSystemParam(id), id == 6 || id == 7 || id == 8 || id == 16 || id == 17) << id;
  }
  EXPECT_EQ(GetSystemIdAt(18), 0);
  EXPECT_EQ(GetSystemIdAt(-1), 0);
  EXPECT_EQ(FindSystemIndex(18), 0);
  EXPECT_EQ(GetSystemNameAt(text, 0), 15);
  EXPECT_EQ(text, "Maximize Window");
  GetSystemNameAt(text, 17);
  EXPECT_EQ(text, "Insert Time Text");
  EXPECT_EQ(GetSystemNameAt(text, 18), 0);
  EXPECT_TRUE(text.IsEmpty());

  // The names follow the resource language.
  SetResourceLanguage(LANG_KOREAN);
  GetSystemNameAt(text, 0);
  EXPECT_EQ(text, "\xEC\xB5\x9C\xEB\x8C\x80\xED\x99\x94");  // 최대화
  GetSystemParamText(text, 6, 0);
  EXPECT_EQ(text, "One Page Up");
  SetResourceLanguage(LANG_CHINESE_PRC);
  GetSystemNameAt(text, 11);
  EXPECT_EQ(text, " \xE5\x88\x87\xE6\x8D\xA2\xE8\x87\xB3\xE4\xB8\x8B\xE4\xB8\x80\xE4\xB8\xAA\xE7\xAA\x97\xE5\x8F\xA3");
  SetResourceLanguage(0);
}

TEST_F(ActionTest, SystemDescriptions) {
  SetResourceLanguage(LANG_ENGLISH_US);
  desktop.SetLocalTime(Time(2002, 3, 5, 14, 7, 9));
  struct Case {
    int id;
    int param;
    const char* description;
  };
  const Case cases[] = {
      {13, 0, "Left Mouse Click"},
      {6, 0, "Vertical Scroll--One Page Up"},
      {7, 3, "Horizontal Scroll--One Line Right"},
      {8, 2, "Pause--3"},
      {6, 9, "Vertical Scroll--"},
      {16, 6, "Insert Date Text--5/03/2002"},
      {17, 4, "Insert Time Text--2:07PM"},
      {42, 1, "Maximize Window"},
      {18, 0, "Close Window"},
  };
  for (const Case& c : cases) {
    CString out;
    CActionSystem action = System(c.id, c.param);
    EXPECT_EQ(action.GetDescription(nullptr, out, 1), static_cast<int>(std::strlen(c.description)));
    EXPECT_EQ(out, c.description);
  }
  EXPECT_EQ(System(0).GetTypeName(), "System");
  SetResourceLanguage(0);
}

TEST_F(ActionTest, SystemProfileKeysAndClone) {
  CActionSystem action = System(8, 4);
  action.WriteContainer(profile, "S.01");
  EXPECT_NE(ReadFile(profile).find("[S.01]\r\nType=5\r\nExtraType=0\r\nSystemID=8\r\nSyatemParam=4\r\n"),
            std::string::npos)
      << ReadFile(profile);
  CActionSystem loaded = System(3, 3);
  loaded.ReadContainer(profile, "S.01");
  EXPECT_EQ(loaded.m_nSystemID, 8);
  EXPECT_EQ(loaded.m_nSystemParam, 4);

  System(16, -1).WriteContainer(profile, "S.02");
  loaded.ReadContainer(profile, "S.02");
  EXPECT_EQ(loaded.m_nSystemParam, -1);

  WriteFile(profile, "[S.03]\r\nType=5\r\n");
  loaded.ReadContainer(profile, "S.03");
  EXPECT_EQ(loaded.m_nSystemID, 0);
  EXPECT_EQ(loaded.m_nSystemParam, 0);
  CString out;
  loaded.GetDescription(nullptr, out, 0);
  EXPECT_EQ(out, "Maximize Window");

  std::unique_ptr<CContainer> copy(action.Clone());
  auto* clone = dynamic_cast<CActionSystem*>(copy.get());
  ASSERT_NE(clone, nullptr);
  EXPECT_EQ(clone->m_wKind, ACTION_SYSTEM);
  EXPECT_EQ(clone->m_nSystemID, 8);
  EXPECT_EQ(clone->m_nSystemParam, 4);

  // Only the base values go to the registry.
  action.WriteRegistry(ListKey(), 1);
  EXPECT_EQ(Value("Action01", "SystemID").first, 0xFFFFFFFFu);
  EXPECT_EQ(Value("Action01", "Type").second, std::string("\x05\x00", 2));
}

}  // namespace
}  // namespace corvane
