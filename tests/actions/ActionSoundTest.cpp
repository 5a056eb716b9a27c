#include <memory>

#include "ActionFixture.h"
#include "ShellTrace.h"
#include "actions/ActionSound.h"
#include "actions/PlayModeTable.h"
#include "system/Profile.h"
#include "system/Resources.h"

namespace corvane {
namespace {

using test::ReadFile;
using test::WriteFile;

CActionSound Sound(const char* sound, int mode, int repeat) {
  CActionSound action;
  action.m_strSound = sound;
  action.m_nPlayMode = mode;
  action.m_nRepeat = repeat;
  return action;
}

TEST_F(ActionTest, SoundPlaysOnceAsynchronouslyOrRepeatedlyAndWaits) {
  desktop.SetSoundDuration(1500);
  struct Case {
    int mode;
    int repeat;
    std::vector<std::string> trace;
    std::uint64_t end;
  };
  const Case cases[] = {
      {0, 0, {"@0 sound \"C:\\Media\\ding.wav\" 1"}, 0},
      {0, 5, {"@0 sound \"C:\\Media\\ding.wav\" 1"}, 0},
      {1, 3,
       {"@0 sound \"C:\\Media\\ding.wav\" 128", "@1500 sound \"C:\\Media\\ding.wav\" 128",
        "@3000 sound \"C:\\Media\\ding.wav\" 128"},
       4500},
      {1, 1, {"@0 sound \"C:\\Media\\ding.wav\" 128"}, 1500},
      {1, 0, {}, 0},
      {1, -4, {}, 0},
      {2, 3, {}, 0},
      {-1, 3, {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << c.mode << " repeat " << c.repeat);
    desktop.Clear();
    CActionSound action = Sound("C:\\Media\\ding.wav", c.mode, c.repeat);
    EXPECT_EQ(action.Execute(WindowFromNumber(0x99)), 1);
    EXPECT_EQ(ShellTrace(desktop), c.trace);
    EXPECT_EQ(desktop.Now(), c.end);
  }

  // A system sound's name goes to the player unchanged.
  desktop.Clear();
  CActionSound alias = Sound("SystemAsterisk", 0, 0);
  alias.Execute(nullptr);
  EXPECT_EQ(ShellTrace(desktop), std::vector<std::string>{"@0 sound \"SystemAsterisk\" 1"});

  // A damaged file's huge count plays at most as often as the page allows.
  desktop.Clear();
  desktop.SetSoundDuration(10);
  CActionSound endless = Sound("tick.wav", 1, 2000000000);
  EXPECT_EQ(endless.Execute(nullptr), 1);
  EXPECT_EQ(desktop.CallCount(), static_cast<std::size_t>(kMostSoundRepeats));
  EXPECT_EQ(desktop.Now(), 10u * kMostSoundRepeats);
}

TEST_F(ActionTest, SoundDescriptionIsThePathAloneAndTheModesAreNamed) {
  CActionSound action = Sound("C:\\Media\\ding.wav", 1, 3);
  CString out = "untouched";
  EXPECT_EQ(action.GetDescription(nullptr, out, 1), 17);
  EXPECT_EQ(out, "C:\\Media\\ding.wav");
  CActionSound empty;
  EXPECT_EQ(empty.GetDescription(nullptr, out, 1), 0);
  EXPECT_EQ(out, "");
  EXPECT_EQ(action.GetTypeName(), "Sound");

  for (LANGID language : {LANG_ENGLISH_US, LANG_CHINESE_TAIWAN, LANG_KOREAN, LANG_CHINESE_PRC}) {
    SetResourceLanguage(language);
    CString name;
    EXPECT_EQ(GetPlayModeNameAt(name, 0), 12);
    EXPECT_EQ(name, "Asynchronous");
    EXPECT_EQ(GetPlayModeNameAt(name, 1), 11);
    EXPECT_EQ(name, "Synchronous");
    EXPECT_EQ(GetPlayModeNameAt(name, 2), 0);
    EXPECT_TRUE(name.IsEmpty());
    EXPECT_TRUE(HasResString(100, language));
    EXPECT_TRUE(HasResString(101, language));
  }
  SetResourceLanguage(0);
}

TEST_F(ActionTest, SoundProfileKeysRoundTripAndTheRegistryKeepsOnlyTheBase) {
  CActionSound action = Sound("C:\\Media\\ding.wav", 1, 3);
  action.WriteContainer(profile, "S.01");
  CActionSound empty;
  empty.WriteContainer(profile, "S.02");
  const std::string file = ReadFile(profile);
  EXPECT_NE(file.find("[S.01]\r\nType=9\r\nExtraType=0\r\nRepeat=3\r\nPlayMode=1\r\nSound=C:\\Media\\ding.wav\r\n"),
            std::string::npos)
      << file;
  EXPECT_NE(file.find("[S.02]\r\nType=9\r\nExtraType=0\r\nRepeat=0\r\nPlayMode=0\r\nSound=\r\n"), std::string::npos)
      << file;

  CActionSound loaded;
  loaded.ReadContainer(profile, "S.01");
  EXPECT_EQ(loaded.m_strSound, "C:\\Media\\ding.wav");
  EXPECT_EQ(loaded.m_nPlayMode, 1);
  EXPECT_EQ(loaded.m_nRepeat, 3);

  // A section without the keys keeps the sound and gives mode 0, repeat 0.
  WriteFile(profile, "[S]\r\nType=9\r\n");
  loaded.ReadContainer(profile, "S");
  EXPECT_EQ(loaded.m_strSound, "C:\\Media\\ding.wav");
  EXPECT_EQ(loaded.m_nPlayMode, 0);
  EXPECT_EQ(loaded.m_nRepeat, 0);

  using V = std::pair<DWORD, std::string>;
  action.m_strActionAlias = "Chime";
  EXPECT_EQ(action.WriteRegistry(ListKey(), 1), 1);
  EXPECT_EQ(Value("Action01", "Type"), (V{REG_BINARY, std::string("\x09\x00", 2)}));
  EXPECT_EQ(Value("Action01", nullptr), (V{REG_SZ, "Chime"}));
  EXPECT_EQ(Value("Action01", "Action").second, "no value");
  CActionSound fromRegistry = Sound("kept.wav", 1, 2);
  fromRegistry.ReadRegistry(ListKey(), 1);
  EXPECT_EQ(fromRegistry.m_strActionAlias, "Chime");
  EXPECT_EQ(fromRegistry.m_strSound, "kept.wav");
  EXPECT_EQ(fromRegistry.m_nRepeat, 2);

  std::unique_ptr<CContainer> copy(action.Clone());
  auto* sound = dynamic_cast<CActionSound*>(copy.get());
  ASSERT_NE(sound, nullptr);
  EXPECT_EQ(sound->m_wKind, ACTION_SOUND);
  EXPECT_EQ(sound->m_strActionAlias, "Chime");
  EXPECT_EQ(sound->m_strSound, "C:\\Media\\ding.wav");
  EXPECT_EQ(sound->m_nPlayMode, 1);
  EXPECT_EQ(sound->m_nRepeat, 3);
}

}  // namespace
}  // namespace corvane
