// Run, sound and internet actions inside macros: loaded from a profile by
// their stored kind, played on the playback thread with the active window as
// the shell's owner, and kept in a function key's registry list.
#include <gtest/gtest.h>

#include "MacroFixture.h"
#include "actions/ActionInternet.h"
#include "actions/ActionRun.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

std::vector<std::string> ShellAndSoundTrace(const RecordingDesktop& desktop) {
  std::vector<std::string> out;
  for (const auto& call : desktop.Calls()) {
    std::string line = "@" + std::to_string(call.t) + " ";
    if (call.fn == "ShellExecuteA")
      line += "shell " + std::to_string(call.Number("hwnd")) + " " + call.Text("file") + " [" +
              call.Text("params") + "] " + std::to_string(call.Number("show"));
    else if (call.fn == "PlaySoundA")
      line += "sound " + call.Text("sound") + " " + std::to_string(call.Number("flags"));
    else if (call.fn == "Sleep")
      line += "sleep " + std::to_string(call.Number("ms"));
    else
      line += call.fn;
    out.push_back(line);
  }
  return out;
}

TEST_F(MacroTest, RunSoundAndInternetActionsLoadFromAProfileAndPlayInTurn) {
  Write("[M]\r\nCount=3\r\n"
        "[M.01]\r\nType=2\r\nApplication=C:\\Windows\\notepad.exe\r\nParameter=readme.txt\r\nWindowState=1\r\n"
        "[M.02]\r\nType=9\r\nSound=ding.wav\r\nPlayMode=1\r\nRepeat=2\r\n"
        "[M.03]\r\nType=7\r\nProtocal=0\r\nURL=www.example.com\r\n");
  desktop.SetSoundDuration(1000);
  CMacroAction macro;
  ASSERT_EQ(macro.ReadContainer(profile.c_str(), "M"), 3);
  macro.Play(nullptr);
  ASSERT_EQ(WaitForSingleObject(macro.m_hIdleEvent, INFINITE), WAIT_OBJECT_0);
  EXPECT_EQ(ShellAndSoundTrace(desktop),
            (Strings{"@0 sleep 200", "@200 shell 20816 C:\\Windows\\notepad.exe [readme.txt] 3", "@200 sleep 200",
                     "@400 sound ding.wav 128", "@1400 sound ding.wav 128", "@2400 sleep 200",
                     "@2600 shell 20816 http://www.example.com [] 1"}));
}

TEST_F(MacroTest, AFunctionKeysListKeepsATemplateLoadAndAnAddressForTheDriver) {
  CActList list;
  list.m_nFKeyID = 3;
  auto* load = new CActionRun;
  load->SetLoadTemplate("D:\\Pads\\office.tmt");
  list.Add(load);
  auto* mail = new CActionInternet;
  mail->m_nService = 1;
  mail->m_strAddress = "bob@example.com";
  list.Add(mail);
  ASSERT_EQ(list.SaveToRegistry(), 1);
  EXPECT_EQ(RegValue(3, "Action01", "Param02").second, "/Load=D:\\Pads\\office.tmt");
  EXPECT_EQ(RegValue(3, "Action02", "Action").second, "mailto:bob@example.com");

  CActList loaded;
  loaded.m_nFKeyID = 3;
  ASSERT_EQ(loaded.LoadFromRegistry(), 2);
  auto* run = dynamic_cast<CActionRun*>(loaded.GetAt(0));
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(run->m_dwExtraType, 1);
  EXPECT_EQ(run->m_strParameter, "D:\\Pads\\office.tmt");
  auto* internet = dynamic_cast<CActionInternet*>(loaded.GetAt(1));
  ASSERT_NE(internet, nullptr);
  EXPECT_EQ(internet->m_nService, 1);
  EXPECT_EQ(internet->m_strAddress, "bob@example.com");

  loaded.Play(nullptr);
  ASSERT_EQ(WaitForSingleObject(loaded.m_hIdleEvent, INFINITE), WAIT_OBJECT_0);
  EXPECT_EQ(ShellAndSoundTrace(desktop),
            (Strings{"@0 sleep 200", "@200 shell 20816 Tapdeck.exe [D:\\Pads\\office.tmt] 10", "@200 sleep 200",
                     "@400 shell 20816 mailto:bob@example.com [] 1"}));
}

}  // namespace
}  // namespace corvane
