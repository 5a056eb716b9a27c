#include "actions/ActionSound.h"

#include <algorithm>
#include <cstdio>
#include <new>

#include "actions/PlayModeTable.h"
#include "container/ProfileValue.h"
#include "system/Desktop.h"
#include "system/Profile.h"

namespace corvane {

namespace {

void WriteIntKey(const CString& file, const CString& section, LPCSTR key, int value) {
  std::snprintf(g_profileBuffer, sizeof g_profileBuffer, "%d", value);
  WritePrivateProfileStringA(section, key, g_profileBuffer, file);
}

}  // namespace

CActionSound::CActionSound() : CAction(ACTION_SOUND) { BuildPlayModeTable(); }

CActionSound::CActionSound(const CActionSound& source)
    : CAction(source), m_strSound(source.m_strSound), m_nPlayMode(source.m_nPlayMode), m_nRepeat(source.m_nRepeat) {
  m_wKind = ACTION_SOUND;
}

CActionSound::~CActionSound() = default;

CContainer* CActionSound::Clone() { return new (std::nothrow) CActionSound(*this); }

int CActionSound::ReadContainer(const CString& file, const CString& section) {
  CAction::ReadContainer(file, section);
  m_nRepeat = static_cast<int>(GetPrivateProfileIntA(section, "Repeat", 0, file));
  m_nPlayMode = static_cast<int>(GetPrivateProfileIntA(section, "PlayMode", 0, file));
  // A missing or empty key keeps the sound that was set.
  CString sound = ReadProfileText(file, section, "Sound");
  if (!sound.IsEmpty()) m_strSound = sound;
  return 1;
}

void CActionSound::WriteContainer(const CString& file, const CString& section) {
  CAction::WriteContainer(file, section);
  WriteIntKey(file, section, "Repeat", m_nRepeat);
  WriteIntKey(file, section, "PlayMode", m_nPlayMode);
  WritePrivateProfileStringA(section, "Sound", m_strSound, file);
}

int CActionSound::Execute(HWND) {
  if (m_nPlayMode == PLAYMODE_SYNC) {
    // Each call returns when its sound has ended.  A count beyond what the
    // sound page accepts (a damaged file) must not hold the macro for ever.
    const int plays = std::min(m_nRepeat, kMostSoundRepeats);
    for (int i = 0; i < plays; ++i) PlaySoundA(m_strSound, nullptr, SND_APPLICATION);
  } else if (m_nPlayMode == PLAYMODE_ASYNC) {
    PlaySoundA(m_strSound, nullptr, SND_ASYNC);
  }
  return 1;
}

int CActionSound::GetDescription(HKEY, CString& out, int) {
  out = m_strSound;
  return out.GetLength();
}

CString CActionSound::GetTypeName() { return CString("Sound"); }

}  // namespace corvane
