// Edit scripts: the action sheet played from a text, and the messages that
// say which statement, page or control went wrong.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "SheetFixture.h"
#include "actions/ActionHotKey.h"
#include "actions/ActionInternet.h"
#include "actions/ActionMenu.h"
#include "actions/ActionRun.h"
#include "actions/ActionSound.h"
#include "actions/ActionSystem.h"
#include "actions/ActionText.h"
#include "dialogs/ActionEditing.h"
#include "dialogs/EditScript.h"

namespace corvane {
namespace {

using test::LanguageGuard;

struct Played {
  std::unique_ptr<CAction> action;
  std::string error;
};

// Plays the script on the full sheet (on the source action, with the
// preset), as the command-line host does.
Played Play(const std::string& script, CAction* source = nullptr, int preset = -1) {
  Played played;
  ScopedDialogUser user([&](DialogSession& s) {
    EditScript parsed;
    if (parsed.Parse(script, played.error))
      parsed.Run(s, played.error);
    else
      s.PressCancel();
    EXPECT_TRUE(s.Ended());
  });
  played.action.reset(EditActionInSheet(source, preset));
  return played;
}

// A one-line picture of an action.
std::string Show(const CAction* action) {
  if (!action) return "none";
  CString out;
  if (auto* key = dynamic_cast<const CActionHotKey*>(action))
    out.Format("key %d%d%d %02X", key->m_bCtrl, key->m_bAlt, key->m_bShift, key->m_cKey);
  else if (auto* text = dynamic_cast<const CActionText*>(action))
    out.Format("text %s", text->m_strText.GetString());
  else if (auto* menu = dynamic_cast<const CActionMenu*>(action))
    out.Format("menu %s", menu->m_strMenu.GetString());
  else if (auto* run = dynamic_cast<const CActionRun*>(action))
    out.Format("run %s|%s|%s|%d", run->m_strApplication.GetString(), run->m_strApplicationPath.GetString(),
               run->m_strParameter.GetString(), run->m_nWindowState);
  else if (auto* system = dynamic_cast<const CActionSystem*>(action))
    out.Format("system %d %d", system->m_nSystemID, system->m_nSystemParam);
  else if (auto* sound = dynamic_cast<const CActionSound*>(action))
    out.Format("sound %s %d %d", sound->m_strSound.GetString(), sound->m_nPlayMode, sound->m_nRepeat);
  else if (auto* internet = dynamic_cast<const CActionInternet*>(action))
    out.Format("internet %d %s", internet->m_nService, internet->m_strAddress.GetString());
  return out.GetString();
}

struct EditScripts : ::testing::Test {
  LanguageGuard english{LANG_ENGLISH_US};
  void SetUp() override { SetSystemDefaultLangID(0x0409); }
};

TEST_F(EditScripts, EachPageIsReachedByItsNames) {
  const struct {
    const char* script;
    const char* built;
  } table[] = {
      {"page=Hot Key; Ctrl=1; key=S; OK", "key 100 53"},
      {"page = hot-key ;Ctrl; shift=on; Key=F12; ok", "key 101 7B"},
      {"page=Hot Key; Ctrl=1; 1082=#3; OK", "key 100 32"},
      {"page=Text\ntext=\"Best regards,\n  Jo; \"\"the\"\" pen\"\nOK\n", "text Best regards,\r\n  Jo; \"the\" pen"},
      {"page=Run; program=C:\\Tools\\App.exe; parameters=-v; window=maximized; OK",
       "run C:\\Tools\\App.exe|C:\\Tools\\|-v|1"},
      {"page=Run; Run:=notes.txt; Start in=D:\\Docs\\; OK", "run notes.txt|D:\\Docs\\||0"},
      {"page=System; function=Vertical Scroll; parameter=One Line Up; OK", "system 6 2"},
      {"page=Sound; file=ding.wav; mode=Synchronous; repeat=3; OK", "sound ding.wav 1 3"},
      {"page=Internet; service=#2; address=jo@example.com; OK", "internet 1 jo@example.com"},
      {"# the sixth tab\npage=6\nmenu=fs\nOK", "menu FS"},
      {"\xEF\xBB\xBFpage=Menu\r\nmenu=fv\r\nOK\r\n", "menu FV"},
      {"page=Hot Key; Cancel", "none"},
  };
  for (const auto& row : table) {
    Played played = Play(row.script);
    EXPECT_EQ(played.error, "") << row.script;
    EXPECT_EQ(Show(played.action.get()), row.built) << row.script;
  }
}

TEST_F(EditScripts, PresetsAndTheEditedActionCarryThrough) {
  CActionText text;
  text.m_strText = "old";
  // The sheet opens on the edited action's page; Default fills the preset.
  EXPECT_EQ(Show(Play("text=new; OK", &text).action.get()), "text new");
  EXPECT_EQ(Show(Play("Default; OK", &text, 15).action.get()), "key 100 53");
  EXPECT_EQ(Show(Play("Default; Shift; OK", &text, 0).action.get()), "key 101 43");
  EXPECT_EQ(text.m_strText, "old");
}

TEST_F(EditScripts, PageNamesFollowTheLanguageShownAndEnglish) {
  LanguageGuard korean(LANG_KOREAN);
  EXPECT_EQ(Show(Play("page=Hot Key; Alt; key=F4; OK").action.get()), "key 010 73");
  EXPECT_EQ(Show(Play("page=실행; 대상=x.exe; OK").action.get()), "run x.exe|||0");
}

TEST_F(EditScripts, AStatementThatCannotBeDoneCancelsAndSaysWhy) {
  const struct {
    const char* script;
    const char* error;
  } table[] = {
      {"page=Hot Keys; OK",
       "line 1, \"page=Hot Keys\": no page \"Hot Keys\" (the pages are: Run, Internet, Hot Key, Sound, Text, Menu, "
       "System)"},
      {"page=9; OK", "no page \"9\""},
      {"page=Hot Key; Ctrl2=1; OK",
       "line 1, \"Ctrl2=1\": no control \"Ctrl2\" on the page \"Hot Key\" (its controls: Ctrl, Alt, Shift, key, and "
       "the buttons OK, Cancel, Default)"},
      {"page=Hot Key\nCtrl=maybe\nOK", "line 2, \"Ctrl=maybe\": \"Ctrl\" is a check box: give it 1 or 0"},
      {"page=Hot Key; key=SS; OK", "the list \"key\" has no entry \"SS\" (its entries: 0, 1, 2,"},
      {"page=Hot Key; key=#66; OK", "has no entry \"#66\""},
      {"page=Hot Key; key; OK", "\"key\" is a list: choose an entry, key=ENTRY"},
      {"page=Run; start in=C:\\x\\; OK", "\"start in\" is disabled on the page \"Run\""},
      {"page=Menu; menu=fs", "the script ends without OK or Cancel"},
      {"page=Menu; OK", "\"OK\": OK is disabled"},
      {"page=Sound; file=a.wav; mode=Synchronous; repeat=lots; OK", "Please enter an integer."},
      {"page=Sound; file=a.wav; mode=Synchronous; repeat=lots; page=Text", "the page \"Sound\" stays in front"},
      {"page=Hot Key; OK; Cancel", "line 1, \"Cancel\": nothing can follow OK, which ends the sheet"},
      {"page=Text; text=\"abc", "line 1: the quote after \"text=\" is not closed"},
      {"page=Text; text=\"a\"b; OK", "text after the closing quote"},
      {"=5", "line 1: \"=5\" names no control"},
      {" ; \n# nothing\n", "the script is empty"},
  };
  for (const auto& row : table) {
    Played played = Play(row.script);
    EXPECT_NE(played.error.find(row.error), std::string::npos) << row.script << "\n  said: " << played.error;
    EXPECT_EQ(played.action, nullptr) << row.script;
  }
  // OK that builds nothing is an error too: a hot key outside the key table.
  CActionHotKey windowsKey;
  windowsKey.m_cKey = 0x5B;
  Played played = Play("Ctrl; OK", &windowsKey);
  EXPECT_EQ(played.error, "line 1, \"OK\": the page \"Hot Key\" built no action from what it shows (no key is chosen)");
}

}  // namespace
}  // namespace corvane
